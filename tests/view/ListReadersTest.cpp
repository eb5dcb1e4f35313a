#include <gtest/gtest.h>

#include <random>

#include "view/ListReaders.h"

namespace {

const char* kLists =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document><Concession>BRESMAN</Concession>"
    "<ParsS>"
    "<Pars><type>A</type><text>a1</text></Pars>"
    "<Pars><type>A</type></Pars>"
    "<Pars><type>B</type><text>..</text></Pars>"
    "<Pars><type>B</type><text>X</text></Pars>"
    "<Pars><type>B</type><text>Y</text></Pars>"
    "<Pars><type>A</type><text>a-late</text></Pars>"
    "<Pars><type>C</type><text>X</text></Pars>"
    "<Pars><type>C</type><text>Y</text></Pars>"
    "<Pars><type>Boolean</type><text>Non</text></Pars>"
    "<Pars><type>BOOLEAN</type><text>Oui</text></Pars>"
    "<Pars><type>ORIGINE</type><text>VW : Volkswagen</text></Pars>"
    "<Pars><type>ORIGINE</type><text>Dupont &amp; Fils</text></Pars>"
    "<Pars><type>SUJETACTION</type><text>Appel</text></Pars>"
    "<Pars><type>SUJETACTION</type><text>Relance&cr;client</text></Pars>"
    "<Pars><type>MODETVA</type><text>Normal</text></Pars>"
    "<Pars><type>MODETVA</type><text>Marge</text></Pars>"
    "</ParsS>"
    "<InfoComS>"
    "<InfoCom><idCom>11</idCom><cNom>Martin</cNom><Site>EVREUX;VERNON</Site></InfoCom>"
    "<InfoCom><idCom>12</idCom><cNom>Durand</cNom><Site>VERNON</Site></InfoCom>"
    "<InfoCom><idCom>13</idCom><cNom>Petit</cNom><Site>Louviers</Site></InfoCom>"
    "</InfoComS>"
    "<InfoSiteS>"
    "<InfoSite><Site>EVREUX</Site><Marques>VW;AUDI</Marques></InfoSite>"
    "<InfoSite><Site>VERNON</Site><Marques>SKODA</Marques></InfoSite>"
    "</InfoSiteS>"
    "<MarksS><Marks><vMark>..</vMark></Marks><Marks><vMark>RENAULT</vMark></Marks>"
    "<Marks><vMark>PEUGEOT</vMark></Marks></MarksS>"
    "<ModelsS><Models><vMark>RENAULT</vMark><vModel>CLIO</vModel></Models>"
    "<Models><vMark>RENAULT</vMark><vModel>MEGANE</vModel></Models>"
    "<Models><vMark>PEUGEOT</vMark><vModel>208</vModel></Models></ModelsS>"
    "<VNMarksS><VNMarks><vnMark>VW</vnMark></VNMarks><VNMarks><vnMark>AUDI</vnMark></VNMarks>"
    "</VNMarksS>"
    "<VNModelsS><VNModels><vnMark>VW</vnMark><vnModel>Golf</vnModel></VNModels>"
    "<VNModels><vnMark>VW</vnMark><vnModel>Polo</vnModel></VNModels>"
    "<VNModels><vnMark>AUDI</vnMark><vnModel>A3</vnModel></VNModels>"
    "<VNModels><vnMark>SKODA</vnMark><vnModel>Octavia</vnModel></VNModels></VNModelsS>"
    "<VNVersionsS><VNVersions><vnModel>GOLF</vnModel><vnVers>1.5 TSI</vnVers></VNVersions>"
    "<VNVersions><vnModel>GOLF</vnModel><vnVers>2.0 TDI</vnVers></VNVersions>"
    "<VNVersions><vnModel>POLO</vnModel><vnVers>1.0</vnVers></VNVersions></VNVersionsS>"
    "<OptionsVDS><OptionsVD><Abbr>abs</Abbr><eText>Freinage ABS</eText></OptionsVD>"
    "<OptionsVD><Abbr>Clim</Abbr><eText>Climatisation</eText></OptionsVD>"
    "<OptionsVD><Abbr>GPS</Abbr><eText>Navigation</eText></OptionsVD></OptionsVDS>"
    "</document>";

ComboFill combo(const ListSource& lists, int kind, int type, const char* field, const char* list,
                const char* value, const char* recordKind = "_TVO", CascadeMemory* memory = nullptr)
{
    CascadeMemory local;
    return fillBoundCombo(lists, {kind, type, field, list, value, recordKind, "VERNON"},
                          memory ? *memory : local);
}

using Texts = std::vector<std::string>;

} // namespace

TEST(ListReaders, OnlyTheFirstRunOfATypeCountsAndMissingTextsRepeat)
{
    IndexedLists lists{TXml(kLists)};
    EXPECT_EQ(listEntries(lists, "a", "", false), (Texts{"a1", "a1"}));
    EXPECT_FALSE(listEntries(lists, "ABSENT", "", false));
    EXPECT_EQ(listEntries(lists, "origine", "", false),
              (Texts{"VW : Volkswagen", "Dupont & Fils"}));
    EXPECT_EQ(listEntries(lists, "SujetAction", "", true), (Texts{"Appel", "Relance\r\nclient"}));
    EXPECT_EQ(listEntries(lists, "SujetAction", "", false), (Texts{"Appel", "Relance&cr;client"}));
}

TEST(ListReaders, StaffFollowsTheRecordSite)
{
    IndexedLists lists{TXml(kLists)};
    EXPECT_EQ(listEntries(lists, "InfoCom", "VERNON", false), (Texts{"Martin", "Durand"}));
    EXPECT_EQ(staffNames(lists, "EVREUX"), (Texts{"Martin"}));
    EXPECT_EQ(staffNames(lists, "LOUVIERS"), (Texts{"Petit"}));
    EXPECT_EQ(staffNames(lists, ""), Texts{});
    EXPECT_EQ(staffNameOf(lists.document(), "12"), "Durand");
    EXPECT_FALSE(staffNameOf(lists.document(), "99"));
}

TEST(ListReaders, StoredValuesArePositionsOrIdentifiers)
{
    IndexedLists lists{TXml(kLists)};
    EXPECT_EQ(storedValueOf(lists, "InfoCom", "Durand", false), "12");
    EXPECT_EQ(storedValueOf(lists, "InfoCom", "Inconnu", false), "0");
    EXPECT_EQ(storedValueOf(lists, "B", "..", false), "1");
    EXPECT_EQ(storedValueOf(lists, "B", "Y", false), "3");
    EXPECT_EQ(storedValueOf(lists, "SujetRelance", "Relance\r\nclient", true), "2");
    EXPECT_EQ(storedValueOf(lists, "A", "a-late", false), "0");
}

TEST(ListReaders, ComboByPositionWithAndWithoutBlankFirst)
{
    IndexedLists lists{TXml(kLists)};
    const ComboFill withBlank = combo(lists, 112, 0, "Etat", "B", "2");
    EXPECT_EQ(withBlank.entries, (Texts{"", "X", "Y"}));
    EXPECT_TRUE(withBlank.blankFirst);
    EXPECT_TRUE(withBlank.byIndex);
    EXPECT_EQ(withBlank.selected, 2);
    const ComboFill without = combo(lists, 112, 0, "Etat", "C", "2");
    EXPECT_EQ(without.entries, (Texts{"X", "Y"}));
    EXPECT_FALSE(without.blankFirst);
    EXPECT_EQ(without.selected, 1);
    // A position beyond the list selects nothing and adds nothing for kind 112.
    const ComboFill beyond = combo(lists, 112, 0, "Etat", "C", "7");
    EXPECT_EQ(beyond.selected, -1);
    EXPECT_EQ(beyond.entries.size(), 2u);
    // ModeTVA 0 or not a number means the first mode.
    EXPECT_EQ(combo(lists, 112, 0, "ModeTVA", "ModeTVA", "0").selected, 0);
    EXPECT_EQ(combo(lists, 112, 0, "ModeTVA", "ModeTVA", "x").selected, 0);
    EXPECT_EQ(combo(lists, 112, 0, "ModeTVA", "ModeTVA", "2").selected, 1);
}

TEST(ListReaders, YesNoUsesTheBooleanList)
{
    IndexedLists lists{TXml(kLists)};
    const ComboFill yes = combo(lists, 111, 3, "FlagEligible", "FlagEligible", "true");
    EXPECT_EQ(yes.entries, (Texts{"Non", "Oui"}));
    EXPECT_EQ(yes.selected, 1);
    EXPECT_EQ(combo(lists, 111, 3, "FlagEligible", "FlagEligible", "False").selected, 0);
    EXPECT_EQ(combo(lists, 111, 3, "FlagEligible", "FlagEligible", "").selected, 0);
}

TEST(ListReaders, ComboByTextComparesTheCodeAndAppendsAMissingValue)
{
    IndexedLists lists{TXml(kLists)};
    EXPECT_EQ(combo(lists, 111, 2, "Origine", "Origine", "vw").selected, 0);
    const ComboFill missing = combo(lists, 111, 2, "Origine", "Origine", "Reprise");
    EXPECT_EQ(missing.entries, (Texts{"VW : Volkswagen", "Dupont & Fils", "Reprise"}));
    EXPECT_EQ(missing.selected, 2);
    const ComboFill noList = combo(lists, 111, 2, "Couleur", "Couleur", "Bleu");
    EXPECT_EQ(noList.entries, (Texts{"Bleu"}));
    EXPECT_EQ(noList.selected, 0);
}

TEST(ListReaders, MakesModelsAndVersionsCascade)
{
    IndexedLists lists{TXml(kLists)};
    CascadeMemory memory;
    const ComboFill makes =
        combo(lists, 111, 2, "InfoMarque", "InfoMarque", "renault", "_TVO", &memory);
    EXPECT_EQ(makes.entries, (Texts{"", "RENAULT", "PEUGEOT"}));
    EXPECT_EQ(makes.selected, 1);
    const ComboFill models =
        combo(lists, 111, 2, "InfoModele", "InfoModele", "MEGANE", "_TVO", &memory);
    EXPECT_EQ(models.entries, (Texts{"CLIO", "MEGANE"}));
    EXPECT_EQ(models.selected, 1);

    CascadeMemory vn;
    EXPECT_EQ(combo(lists, 111, 2, "InfoMarque", "InfoMarque", "VW", "_TVN", &vn).entries,
              (Texts{"VW", "AUDI"}));
    // The trade-in make of a new vehicle uses the used-vehicle makes.
    EXPECT_EQ(combo(lists, 111, 2, "ReprMarque", "InfoMarque", "VW", "_TVN", &vn).entries.size(),
              4u);
    vn.make = "VW";
    EXPECT_EQ(combo(lists, 111, 2, "InfoModele", "InfoModele", "Golf", "_TVN", &vn).entries,
              (Texts{"Golf", "Polo"}));
    EXPECT_EQ(vn.model, "GOLF");
    const ComboFill versions =
        combo(lists, 111, 2, "InfoTypeVersion", "InfoTypeVersion", "2.0 TDI", "_TVN", &vn);
    EXPECT_EQ(versions.entries, (Texts{"1.5 TSI", "2.0 TDI"}));
    EXPECT_EQ(versions.selected, 1);
}

TEST(ListReaders, StaffComboSelectsThePersonOfTheIdentifier)
{
    IndexedLists lists{TXml(kLists)};
    const ComboFill staff = combo(lists, 111, 4, "idCom", "idCom", "12");
    EXPECT_TRUE(staff.staff);
    EXPECT_EQ(staff.entries, (Texts{"Martin", "Durand"}));
    EXPECT_EQ(staff.selected, 1);
    EXPECT_EQ(combo(lists, 111, 4, "idCom", "idCom", "13").selected, -1);
}

TEST(ListReaders, OptionListBoxSelectsCodesInAnyCase)
{
    IndexedLists lists{TXml(kLists)};
    const ListBoxFill fill = fillBoundListBox(lists, "OptionsVD", ";ABS;CLIM;", "");
    EXPECT_EQ(fill.entries, (Texts{"Freinage ABS", "Climatisation", "Navigation"}));
    EXPECT_EQ(fill.selected, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(fill.codes, ";abs;Clim;GPS");
    EXPECT_EQ(fill.selectedTexts, "Freinage ABS - Climatisation");
}

TEST(ListReaders, PurchasePlanListsFollowTheClientSiteMakes)
{
    IndexedLists lists{TXml(kLists)};
    const ListBoxFill site = fillBoundListBox(lists, "PAChoix1", ";POLO;", "EVREUX");
    EXPECT_EQ(site.entries, (Texts{"Golf", "Polo", "A3"}));
    EXPECT_EQ(site.selected, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(site.codes, ";GOLF;POLO;A3");
    const ListBoxFill others = fillBoundListBox(lists, "PAChoix2", "", "EVREUX");
    EXPECT_EQ(others.entries, (Texts{"Octavia"}));
    // No site matches (the box text must be upper case): the makes are "VW".
    EXPECT_EQ(fillBoundListBox(lists, "PAChoix1", "", "Evreux").entries, (Texts{"Golf", "Polo"}));
}

// The index gives the answers of scanning the document for every field, on any lists document.
TEST(ListReadersProperty, IndexedAndScanningListsAgree)
{
    std::mt19937 random(7);
    const std::vector<std::string> types = {"A", "a", "B", "BOOLEAN", "INFOMARQUE", ""};
    const std::vector<std::string> texts = {"..", "", "X", "x : y", "Y &amp; Z", "X"};
    auto pick = [&](const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
    };
    for (int run = 0; run < 400; ++run) {
        std::string doc = "<document><ParsS>";
        for (int i = std::uniform_int_distribution<int>(0, 30)(random); i > 0; --i) {
            doc += "<Pars>";
            if (random() % 5)
                doc += "<type>" + pick(types) + "</type>";
            if (random() % 4)
                doc += "<text>" + pick(texts) + "</text>";
            doc += "</Pars>";
        }
        doc += "</ParsS><ModelsS>";
        for (int i = std::uniform_int_distribution<int>(0, 10)(random); i > 0; --i)
            doc += "<Models><vMark>" + pick(types) + "</vMark><vModel>" + pick(texts) +
                   "</vModel></Models>";
        doc += "</ModelsS></document>";
        ScanningLists scanning{TXml(doc)};
        IndexedLists indexed{TXml(doc)};
        for (const std::string& type : types) {
            ASSERT_EQ(listEntries(scanning, type, "", false), listEntries(indexed, type, "", false))
                << doc;
            for (const std::string& text : texts)
                ASSERT_EQ(storedValueOf(scanning, type, text, false),
                          storedValueOf(indexed, type, text, false));
            for (int kind : {111, 112}) {
                CascadeMemory m1{type, ""}, m2{type, ""};
                const ComboFill a =
                    fillBoundCombo(scanning, {kind, 2, "F", type, "2", "_TVO", ""}, m1);
                const ComboFill b =
                    fillBoundCombo(indexed, {kind, 2, "F", type, "2", "_TVO", ""}, m2);
                ASSERT_EQ(a.entries, b.entries) << doc;
                ASSERT_EQ(a.selected, b.selected);
                ASSERT_EQ(a.blankFirst, b.blankFirst);
                CascadeMemory m3{type, ""}, m4{type, ""};
                ASSERT_EQ(fillBoundCombo(scanning,
                                         {111, 2, "InfoModele", "InfoModele", "x", "_TVO", ""}, m3)
                              .entries,
                          fillBoundCombo(indexed,
                                         {111, 2, "InfoModele", "InfoModele", "x", "_TVO", ""}, m4)
                              .entries);
            }
        }
    }
}
