// Which changed fields conflict with the record read again, and where a page's values are found in
// it.
#include <gtest/gtest.h>

#include "editing/EditConflicts.h"

namespace {

TsDesc field(const char* name, const char* loaded, const char* typed, int infoType = 2)
{
    TsDesc desc;
    desc.FieldName = name;
    desc.Caption = std::string(name) + " :";
    desc.InfoType = infoType;
    desc.CtrlKind = 109;
    desc.OrgValue = loaded;
    desc.Value = typed;
    return desc;
}

} // namespace

TEST(EditConflictsLogic, OnlyFieldsChangedOnBothSidesToDifferentValuesConflict)
{
    const TXml record("<tVO><Couleur>Rouge</Couleur><Km>1 200</Km><Prix>100.00</Prix>"
                      "<Nom>Dupont &amp; Fils</Nom><cTVA>9.00</cTVA><Remise>12.50</Remise>"
                      "<Ville>EVREUX</Ville></tVO>");
    TXml root = record;
    XmlFind(root, "tVO");
    const TsDesc colour = field("Couleur", "Bleu", "Vert");   // both changed: conflict
    const TsDesc km = field("Km", "1200", "1300", 4);         // blanks read away: no conflict
    const TsDesc price = field("Prix", "90.00", "100.00", 5); // same value typed: no conflict
    const TsDesc name =
        field("Nom", "Dupont & Fils", "Dupont & fils");  // entity decoded: no conflict
    const TsDesc vat = field("cTVA", "1.00", "2.00", 5); // computed: never compared
    // Stored in the server's own form after a save whose answer was lost: no conflict.
    const TsDesc discount = field("Remise", "10.00", "12,5", 5);
    const TsDesc town = field("Ville", "Rouen", " EVREUX ");
    const std::vector<const TsDesc*> changed = {&colour, &km,       &price, &name,
                                                &vat,    &discount, &town};
    const auto conflicts =
        fieldConflicts(changed, root, 0, [&](const TsDesc& f) { return &f == &vat; });
    ASSERT_EQ(conflicts.size(), 1u);
    EXPECT_EQ(conflicts[0].field, &colour);
    EXPECT_EQ(conflictListing(conflicts),
              "Couleur : charg\xE9 \xAB Bleu \xBB, sur le serveur \xAB Rouge \xBB, saisi \xAB Vert "
              "\xBB\n");
}

TEST(EditConflictsLogic, AClientVehicleIsFoundByItsKeyAndADeletedOneIsNot)
{
    const TXml document("<User><Name_>A</Name_></User><TVC><idClient>7</idClient></TVC>"
                        "<TVehS><TVeh><idtVO>11</idtVO><vImmat>AA</vImmat></TVeh>"
                        "<TVeh><idtVO>12</idtVO><vImmat>BB</vImmat></TVeh></TVehS>");
    TsDesc key = field("idtVO", "12", "12");
    auto found = rereadValues(document, "TVC", true, {&key});
    ASSERT_TRUE(found);
    EXPECT_EQ(XmlText(*found, "vImmat"), "BB");
    key.OrgValue = "13";
    EXPECT_FALSE(rereadValues(document, "TVC", true, {&key}));
    EXPECT_TRUE(rereadValues(document, "TVC", false, {}));
    EXPECT_FALSE(rereadValues(document, "tVO", false, {}));
}
