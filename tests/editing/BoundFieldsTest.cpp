#include <gtest/gtest.h>

#include "editing/BoundFields.h"

TEST(BoundFields, TagsNameTheirDescriptor)
{
    TsPage pages[kPageEntries];
    pages[1].Fields.resize(3);
    pages[7].Fields.resize(2);
    EXPECT_EQ(boundField(pages, fieldTag(1, 2)), &pages[1].Fields[2]);
    EXPECT_EQ(boundField(pages, fieldTag(7, 1)), &pages[7].Fields[1]);
    // Tag 0 is no field, not even the first of entry 1; nor is a tag beyond the descriptors.
    EXPECT_EQ(boundField(pages, 0), nullptr);
    EXPECT_EQ(boundField(pages, fieldTag(1, 3)), nullptr);
    EXPECT_EQ(boundField(pages, fieldTag(7, 2)), nullptr);
    EXPECT_EQ(boundField(pages, fieldTag(10, 0)), nullptr);
    EXPECT_EQ(boundField(pages, -5), nullptr);
}

TEST(BoundFields, EditValuesAndCombos)
{
    EXPECT_EQ(editValue("__/__/____", 1), "");
    EXPECT_EQ(editValue("__/__/____", 2), "__/__/____");
    EXPECT_EQ(editValue("15/03/2007", 1), "15/03/2007");

    TsDesc combo;
    combo.CtrlKind = 111;
    combo.InfoType = 2;
    combo.ListName = "LISTCOULEUR";
    combo.ListKey = "InfoCouleur";
    EXPECT_TRUE(isTextCombo(combo));
    EXPECT_TRUE(opensListMaintenance(combo, true, true));
    EXPECT_FALSE(opensListMaintenance(combo, false, true));
    EXPECT_FALSE(opensListMaintenance(combo, true, false));
    combo.ListKey = combo.ListName;
    EXPECT_FALSE(opensListMaintenance(combo, true, true));
    combo.ListKey = "InfoCouleur";
    combo.CtrlKind = 112;
    EXPECT_FALSE(isTextCombo(combo));
    EXPECT_FALSE(opensListMaintenance(combo, true, true));

    TsDesc staff;
    staff.ListKey = "idCom";
    EXPECT_TRUE(isStaffList(staff));
    staff.ListKey = "Vendeur";
    EXPECT_FALSE(isStaffList(staff));
}
