// The version text follows the model and the version type; the statements of list maintenance.
#include <gtest/gtest.h>

#include "editing/Cascades.h"
#include "server/TXml.h"
#include "view/ListReaders.h"

TEST(Cascades, TheVersionTextFollowsTheModelAndTheType)
{
    const struct {
        const char *version, *last, *chosen;
        bool atEnd;
        const char* merged;
    } cases[] = {
        {"CLIO 1.5 DCI", "CLIO", "Megane", false, "MEGANE 1.5 DCI"},
        {"MEGANE 1.5 DCI", "MEGANE", "SCENIC", false, "SCENIC 1.5 DCI"},
        {"clio 1.5 dci", "CLIO", "MEGANE", false, "MEGANE 1.5 dci"},
        {"1.5 DCI", "CLIO", "MEGANE", false, "MEGANE 1.5 DCI"},
        {"  1.5 DCI ", "", "MEGANE", false, "MEGANE 1.5 DCI"},
        {"MEGANE 1.5 DCI EXPRESSION", "EXPRESSION", "Pack", true, "MEGANE 1.5 DCI PACK"},
        {"MEGANE 1.5 DCI", "EXPRESSION", "PACK", true, "MEGANE 1.5 DCI PACK"},
        {"MEGANE 1.5 DCI", "", "PACK", true, "MEGANE 1.5 DCI PACK"},
        // An accented letter before the model (Windows-1252 "ë") keeps the place found.
        {"citro\xebn c3 hdi", "C3", "c4", false, "citro\xebn C4 hdi"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(mergedVersion(c.version, c.last, c.chosen, c.atEnd), c.merged) << c.version;
}

TEST(Cascades, MaintenanceStatements)
{
    MaintainedEntry rubric{"ListRubrics", "CliProfession", "CHOMEUR", "", "", "", "BRESMAN"};
    EXPECT_EQ(maintenanceStatement(rubric, true),
              "Delete * From ListRubrics where RubricType='CliProfession' and "
              "RubricText='CHOMEUR'");
    EXPECT_EQ(maintenanceStatement(rubric, false),
              "Insert into ListRubrics (RubricType, RubricIndex, RubricItem, RubricText) Values "
              "('CliProfession', 0, '..' ,'CHOMEUR')");
    EXPECT_EQ(maintenanceDescription(rubric), "la valeur 'CHOMEUR' pour le champ 'CliProfession'");

    MaintainedEntry model{"LISTMODELS", "InfoModele", "ID.3", "VW", "ID.3", "", "BRESMAN"};
    EXPECT_EQ(maintenanceStatement(model, true),
              "Delete * From ListModels where VMarque='VW' and VModele='ID.3'");
    EXPECT_EQ(maintenanceStatement(model, false),
              "Insert into ListModels (VMarque, VModele) Values ('VW', 'ID.3')");

    MaintainedEntry version{"listversions", "InfoTypeVersion", "LIFE", "VW", "POLO",
                            "LIFE",         "BRESMAN"};
    EXPECT_EQ(maintenanceStatement(version, true),
              "Delete * From ListVersions where VMarque='VW' and VModele='POLO' and "
              "VVersion='LIFE' and VConcession='BRESMAN'");
    EXPECT_EQ(maintenanceStatement(version, false),
              "Insert into ListVersions (VMarque, VModele, VVersion, VConcession) Values ('VW', "
              "'POLO', 'LIFE', 'BRESMAN')");

    // A make with a quote or a "%" stays one literal.
    MaintainedEntry odd{"LISTMODELS", "InfoModele", "", "L'AUTO 100%", "X", "", ""};
    EXPECT_EQ(maintenanceStatement(odd, true),
              "Delete * From ListModels where VMarque='L''AUTO 100%25' and VModele='X'");
    EXPECT_EQ(maintenanceStatement({"Pars", "X", "Y", "", "", "", ""}, false), "");
}

TEST(Cascades, DependentEntriesAreTheRunOfTheirKey)
{
    const TXml lists("<ModelsS><Models><vMark>RENAULT</vMark><vModel>CLIO</vModel></Models>"
                     "<Models><vMark>RENAULT</vMark><vModel>MEGANE</vModel></Models>"
                     "<Models><vMark>Peugeot</vMark><vModel>208</vModel></Models>"
                     "<Models><vMark>PEUGEOT</vMark><vModel>3008 &amp; co</vModel></Models>"
                     "<Models><vMark>RENAULT</vMark><vModel>ZOE</vModel></Models></ModelsS>");
    for (const bool indexed : {false, true}) {
        std::unique_ptr<ListSource> source;
        if (indexed)
            source = std::make_unique<IndexedLists>(lists);
        else
            source = std::make_unique<ScanningLists>(lists);
        const auto peugeot = dependentEntries(*source, "Models", " peugeot ");
        ASSERT_TRUE(peugeot);
        EXPECT_EQ(*peugeot, (std::vector<std::string>{"208", "3008 & co"}));
        // Only the first run of a key counts.
        EXPECT_EQ(*dependentEntries(*source, "Models", "RENAULT"),
                  (std::vector<std::string>{"CLIO", "MEGANE"}));
        EXPECT_FALSE(dependentEntries(*source, "Models", "SKODA"));
        EXPECT_FALSE(dependentEntries(*source, "Models", ""));
    }
}
