#include <gtest/gtest.h>

#include "app/DayDate.h"
#include "view/StructureDoc.h"

namespace {

std::string item(const std::string& children)
{
    return "<axStruct>" + children + "</axStruct>";
}

TXml structure(const std::string& items)
{
    return TXml("<?xml version=\"1.0\"?><document><axStructS>" + items + "</axStructS></document>");
}

} // namespace

TEST(StructureDoc, TwipsToNearestPixel)
{
    struct Case {
        long long twips;
        int pixels;
    } cases[] = {{0, 0},   {15, 1},  {20, 1},  {22, 1},     {23, 2},  {112, 7},
                 {113, 8}, {127, 8}, {128, 9}, {1500, 100}, {-15, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
}

TEST(StructureDoc, AbsurdPositionsAndSizesAreHeldWithinTheWindow)
{
    struct Case {
        const char* children;
        int width, left, top, height, length;
    } cases[] = {
        {"<width>99999999999</width><left>-99999999999</left><top>99999999999999</top>"
         "<height>9223372036854775807</height><length>99999999999</length>",
         32000, -32000, 32000 - 35, 32000, 2147483647},
        {"<width>-9223372036854775808</width><top>-480000</top><length>-99999999999</length>",
         -32000, 1, -32000 - 35, 18, -2147483648},
        // Ordinary values are untouched.
        {"<width>1200</width><left>1500</left><top>825</top><height>150</height>", 80, 100, 20, 18,
         0},
    };
    for (const Case& c : cases) {
        const auto fields = fieldDescriptions(
            structure(item(std::string("<descInfo>VO1</descInfo><vInfo>f</vInfo>") + c.children)),
            "VO1");
        ASSERT_EQ(fields.size(), 1u);
        EXPECT_EQ(fields[0].Width, c.width) << c.children;
        EXPECT_EQ(fields[0].Left, c.left) << c.children;
        EXPECT_EQ(fields[0].Top, c.top) << c.children;
        EXPECT_EQ(fields[0].Height, c.height) << c.children;
        EXPECT_EQ(fields[0].Length, c.length) << c.children;
    }
}

TEST(StructureDoc, TabsOfAKind)
{
    const TXml s = structure(
        item("<descInfo>_TVO</descInfo><idNum>0</idNum><vInfo>VO0</vInfo><tag>tVehicles</tag>") +
        item("<descInfo>_TVO</descInfo><idNum>1</idNum><txtInfo>V&amp;O</txtInfo><vInfo>VO1</vInfo>"
             "<tag>SVO</tag><defval>c</defval>") +
        item("<descInfo>_TCL</descInfo><idNum>1</idNum><vInfo>CL1</vInfo>") +
        item("<descInfo>_TVO</descInfo><idNum>1</idNum><vInfo>second</vInfo>"));
    const auto tab = findTabDescription(s, "_TVO", 1);
    ASSERT_TRUE(tab);
    EXPECT_EQ(tab->caption, "V&amp;O");
    EXPECT_EQ(tab->dataKey, "VO1");
    EXPECT_EQ(tab->tableName, "SVO");
    EXPECT_EQ(tab->namePrefix, "c");
    EXPECT_EQ(findTabDescription(s, "_TVO", 0)->tableName, "tVehicles");
    EXPECT_EQ(findTabDescription(s, "_TCL", 1)->dataKey, "CL1");
    EXPECT_FALSE(findTabDescription(s, "_TVO", 2));
    EXPECT_FALSE(findTabDescription(s, "_TVD", 1));
}

TEST(StructureDoc, FieldDescriptionsInDocumentOrder)
{
    const TXml s = structure(
        item("<descInfo>VO1</descInfo><idNum>1</idNum><vInfo>idVO</vInfo><width>0</width>") +
        item("<descInfo>VO1</descInfo><idNum>2</idNum><vInfo>Prix;PrixTTC</vInfo><txtInfo>Prix "
             "&lt;TTC&gt;</txtInfo><tag>compta</tag><tControl>109</tControl><tInfo>5</tInfo>"
             "<left>1500</left><top>825</top><width>1200</width><height>150</height>"
             "<length>12</length><color>255</color><notNull>true</notNull><enabled>2</enabled>"
             "<defval>0.00</defval>") +
        item("<descInfo>CL1</descInfo><vInfo>other</vInfo>") +
        item("<descInfo>VO1</descInfo><idNum>1000</idNum><vInfo>Origine</vInfo>"
             "<fieldInfo>ListOrigines</fieldInfo>") +
        item("<descInfo>VO1</descInfo><vInfo>Carrosserie</vInfo>") +
        item("<descInfo>VO1</descInfo><vInfo>Vendeur</vInfo><fieldInfo>InfoCom;idCom</fieldInfo>"));
    const std::vector<TsDesc> fields = fieldDescriptions(s, "VO1");
    ASSERT_EQ(fields.size(), 5u);

    EXPECT_EQ(fields[0].FieldName, "idVO");
    EXPECT_EQ(fields[0].Width, 0);
    EXPECT_EQ(fields[0].Left, 1); // 20 twips by default
    EXPECT_EQ(fields[0].Top, 1 - 35);
    EXPECT_EQ(fields[0].Height, 18);
    EXPECT_EQ(fields[0].Rights, ";;");

    const TsDesc& prix = fields[1];
    EXPECT_EQ(prix.FieldName, "Prix");
    EXPECT_EQ(prix.SourceName, "PrixTTC");
    EXPECT_EQ(prix.Caption, "Prix <TTC>");
    EXPECT_EQ(prix.Rights, ";COMPTA;");
    EXPECT_EQ(prix.CtrlKind, 109);
    EXPECT_EQ(prix.InfoType, 5);
    EXPECT_EQ(prix.Left, 100);
    EXPECT_EQ(prix.Top, 55 - 35);
    EXPECT_EQ(prix.Width, 80);
    EXPECT_EQ(prix.Height, 18);
    EXPECT_EQ(prix.Length, 12);
    EXPECT_EQ(prix.FontColor, 255u);
    EXPECT_TRUE(prix.NotNull);
    EXPECT_EQ(prix.Enabled, 2);
    EXPECT_EQ(prix.DefVal, "0.00");
    EXPECT_EQ(prix.FieldNumber, 2);
    EXPECT_EQ(prix.ListName, "Prix");
    EXPECT_EQ(prix.ListKey, "Prix");
    EXPECT_EQ(prix.ListField, "Prix");

    // A maintained list ("LIST...") is keyed by the field name.
    EXPECT_EQ(fields[2].ListName, "ListOrigines");
    EXPECT_EQ(fields[2].ListKey, "Origine");
    EXPECT_EQ(fields[2].ListField, "Origine");
    EXPECT_EQ(fields[2].FieldNumber, 1000);
    EXPECT_EQ(fields[3].ListName, "Carrosserie");
    EXPECT_EQ(fields[3].FieldNumber, 0);
    EXPECT_EQ(fields[4].ListName, "InfoCom");
    EXPECT_EQ(fields[4].ListKey, "InfoCom");
    EXPECT_EQ(fields[4].ListField, "idCom");
}

TEST(StructureDoc, ValueTransforms)
{
    const int today = parseDate("09/12/2026");
    struct Case {
        const char* value;
        int kind, type;
        const char* shown;
    } cases[] = {{"abc", 109, 5, "0.00"},
                 {"1 234.5", 109, 5, "1234.50"},
                 {"", 109, 5, "0.00"},
                 {"12", 111, 5, "12.00"},
                 {"1 234", 109, 4, "1234"},
                 {"now", 109, 1, "09/12/2026"},
                 {"Now", 109, 1, "Now"},
                 {"now", 109, 2, "now"},
                 {"a&amp;b&cr;c", 109, 2, "a&b\r\nc"},
                 {"a&amp;b&cr;c", 111, 2, "a&amp;b&cr;c"},
                 {"a&amp;b", 109, 0, "a&amp;b"},
                 {"15/03/2007", 109, 1, "15/03/2007"},
                 {"pas une date", 109, 1, "pas une date"}};
    for (const Case& c : cases)
        EXPECT_EQ(transformValue(c.value, c.kind, c.type, today), c.shown) << c.value;
}

TEST(StructureDoc, VisibilityLabelsAndRequiredMarker)
{
    EXPECT_TRUE(fieldVisible(0, false));
    EXPECT_TRUE(fieldVisible(2, true));
    EXPECT_FALSE(fieldVisible(2, false));
    EXPECT_FALSE(fieldVisible(3, true));
    EXPECT_FALSE(fieldVisible(3, false));

    EXPECT_EQ(labelLeft(50, 109), 5);
    EXPECT_EQ(labelLeft(94, 109), 46);
    EXPECT_EQ(labelLeft(400, 109), 352);
    EXPECT_EQ(labelLeft(401, 109), 379);
    EXPECT_EQ(labelLeft(50, 110), 50);
    EXPECT_EQ(labelLeft(500, 120), 500);

    EXPECT_TRUE(requiredMarkerShown(true, ""));
    EXPECT_TRUE(requiredMarkerShown(true, "0.00"));
    EXPECT_TRUE(requiredMarkerShown(true, "0"));
    EXPECT_FALSE(requiredMarkerShown(true, "0.01"));
    EXPECT_FALSE(requiredMarkerShown(false, ""));
}
