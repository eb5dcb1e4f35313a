// Records of the demo server in the real window.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>

#include <set>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "tests/ui/ControlTable.h"
#include "tests/view/DemoWindow.h"
#include "ui/ColorValues.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"
#include "view/StructureDoc.h"

namespace {

std::vector<int> visibleTabs(TAxKelvaro& w)
{
    std::vector<int> tabs;
    for (int i = 0; i < w.Tabs->count(); ++i)
        if (w.Tabs->isTabVisible(i))
            tabs.push_back(i);
    return tabs;
}

const TsDesc* fieldNamed(TAxKelvaro& w, int entry, const std::string& name)
{
    for (const TsDesc& field : w.TabDesc[entry].Fields)
        if (field.FieldName == name)
            return &field;
    return nullptr;
}

} // namespace

TEST(RecordView, UsedVehicleShowsItsFieldsHeaderAndRights)
{
    DemoWindow demo;
    demo.open({{"idTVO", "1001"}});
    TAxKelvaro& w = demo.window();
    EXPECT_EQ(w.LbDebugInfo0->text(), "");
    EXPECT_EQ(w.RecordKind, "_TVO");
    EXPECT_EQ(w.JvXPBtnNewVO->text(), "VO");
    EXPECT_FALSE(w.FlagNewEnreg);
    EXPECT_TRUE(w.FlagEditable);
    EXPECT_TRUE(w.FlagSuperAdmin);
    EXPECT_TRUE(w.ComptaRight);
    EXPECT_EQ(w.Tabs->currentIndex(), 0);
    const std::vector<int> tabs = visibleTabs(w);
    EXPECT_NE(std::find(tabs.begin(), tabs.end(), 0), tabs.end());
    EXPECT_EQ(std::find(tabs.begin(), tabs.end(), 1), tabs.end()); // no demonstration page
    EXPECT_EQ(std::find(tabs.begin(), tabs.end(), 6), tabs.end()); // no client page
    EXPECT_NE(w.Tabs->tabText(0), "Sheet01");

    // Fields are filled from the record: no placeholder text is left on the vehicle page.
    EXPECT_FALSE(w.cChassis->text().startsWith("txt"));
    EXPECT_FALSE(w.cImmatriculation->text().isEmpty());
    EXPECT_TRUE(w.cPrixVente->text().contains('.'));
    const TsDesc* price = fieldNamed(w, 1, "PrixVente");
    ASSERT_NE(price, nullptr);
    EXPECT_EQ(price->Control, static_cast<ControlFace*>(w.cPrixVente));
    EXPECT_EQ(fromCp1252(price->Value), w.cPrixVente->text());
    EXPECT_EQ(price->OrgValue, price->Value);
    EXPECT_EQ(w.cPrixVente->tag(), fieldTag(1, int(price - w.TabDesc[1].Fields.data())));

    // Header.
    EXPECT_EQ(w.xcInfoNVO->text(), w.cNVO->text());
    EXPECT_TRUE(w.xcInfoTitre->text().startsWith(w.cInfoMarque->text().toUpper() + " - "));
    EXPECT_TRUE(w.xcInfoField2->text().endsWith(" kms"));
    EXPECT_TRUE(w.xcInfoField3->text().endsWith(" jours"));
    EXPECT_TRUE(w.windowTitle().startsWith(QString::fromUtf8("Kelvaro - VO N°")));
    EXPECT_FALSE(w.xcIdentity->isVisible());

    // The record opens without pending changes, and the splash is gone.
    EXPECT_FALSE(w.JvXPBtnSave->isEnabled());
    EXPECT_TRUE(w.PanelSplash->isHidden());
    // Buttons of a super administrator on a used vehicle.
    EXPECT_FALSE(w.JvXPBtnNewVO->isHidden());
    EXPECT_FALSE(w.JvXPBtnSuppr->isHidden());
    EXPECT_TRUE(w.JvXPBtnSweep->isHidden());
    EXPECT_FALSE(w.PanelCompta->isHidden());
    EXPECT_FALSE(w.LbDebugInfo1->isHidden());
}

TEST(RecordView, DemonstrationAndNewVehiclesAndClient)
{
    DemoWindow demo;
    demo.open({{"idTVO", "1101"}, {"idTypeVO", "3"}});
    TAxKelvaro& w = demo.window();
    EXPECT_EQ(w.RecordKind, "_TVD");
    EXPECT_EQ(w.JvXPBtnNewVO->text(), "VD");
    EXPECT_FALSE(w.JvXPBtnNewVO->isVisible());
    EXPECT_TRUE(w.LbInfoOptions->isVisible());
    EXPECT_EQ(w.Tabs->currentIndex(), 1);
    EXPECT_EQ(w.xcInfoNVO->text(), w.cVDNVO->text());

    demo.open({{"idTVO", "1201"}, {"idTypeVO", "1"}});
    EXPECT_EQ(w.RecordKind, "_TVN");
    EXPECT_TRUE(w.JvXPBtnSweep->isVisible());
    EXPECT_FALSE(w.JvXPBtnPrint->isEnabled());
    EXPECT_FALSE(w.cVNInfoMarque->text().isEmpty());
    EXPECT_FALSE(w.cVNDateAchat->text().isEmpty());

    demo.open({{"idTVO", ""}, {"idClient", "2001"}});
    EXPECT_EQ(w.RecordKind, "_TCL");
    EXPECT_EQ(w.JvXPBtnNewVO->text(), "CL");
    EXPECT_TRUE(w.xcIdentity->isVisible());
    EXPECT_EQ(w.xcIdentity->text(), w.aCliCivilite->text() + " DUPONT Jean");
    EXPECT_EQ(w.windowTitle(), "OstrelII - " + w.xcIdentity->text());
    EXPECT_EQ(w.xcInfoField1->text(), w.aCliEmail->text().toLower());
    EXPECT_EQ(w.aCliNom->text(), "DUPONT");
    EXPECT_FALSE(w.aidCom->text().isEmpty());
    EXPECT_TRUE(w.JvXPBtnNewVehicle->isEnabled());
    EXPECT_TRUE(w.Tabs->isTabVisible(6));
    EXPECT_FALSE(w.Tabs->isTabVisible(0));
    EXPECT_NE(w.JvXPBtnActualize->hint().indexOf("client"), -1);
    EXPECT_FALSE(w.JvXPBtnSave->isEnabled());

    // Back to vehicles: the hints speak of vehicles again.
    demo.open({{"idTVO", "1001"}, {"idClient", ""}});
    EXPECT_EQ(w.RecordKind, "_TVO");
    EXPECT_NE(w.JvXPBtnActualize->hint().indexOf(QString::fromUtf8("véhicule")), -1);
}

TEST(RecordView, OtherDealershipShowsEmptyAndLockedVehicleIsNotEditable)
{
    DemoWindow demo;
    demo.open({{"idTVO", "1043"}});
    TAxKelvaro& w = demo.window();
    EXPECT_TRUE(w.cImmatriculation->text().isEmpty());
    EXPECT_TRUE(w.cChassis->text().isEmpty());

    demo.open({{"idTVO", "1005"}});
    EXPECT_FALSE(w.FlagEditable);
    EXPECT_FALSE(w.FlagSiteRights);
    EXPECT_FALSE(w.cImmatriculation->text().isEmpty());
}

TEST(RecordView, NewRecordShowsDefaultsWithEmptyLoadedValues)
{
    DemoWindow demo;
    demo.open({{"idTVO", "-1"}});
    TAxKelvaro& w = demo.window();
    EXPECT_TRUE(w.FlagNewEnreg);
    EXPECT_EQ(w.RecordKind, "_TVO");
    for (const TsDesc& field : w.TabDesc[1].Fields) {
        EXPECT_EQ(field.OrgValue, "") << field.FieldName;
        EXPECT_EQ(field.Value,
                  transformValue(field.DefVal, field.CtrlKind, field.InfoType, todayDay()))
            << field.FieldName;
    }
    EXPECT_TRUE(w.DblNom->isVisible()); // duplicate markers of a new record
}

TEST(RecordView, FewRightsUserSeesNoAdministratorButtons)
{
    DemoWindow demo(WindowHarness::Options{{"idUser", "1000005"}, {"UserSite", "EVREUX"}});
    demo.open({{"idTVO", "1001"}});
    TAxKelvaro& w = demo.window();
    EXPECT_FALSE(w.FlagSuperAdmin);
    EXPECT_FALSE(w.ComptaRight);
    EXPECT_TRUE(w.JvXPBtnSuppr->isHidden());
    EXPECT_TRUE(w.PanelCompta->isHidden());
    EXPECT_TRUE(w.LbDebugInfo1->isHidden());
    EXPECT_EQ(w.LbDebugInfo0->y(), w.JvXPNext->top());
}

// The structure document of the server binds every designed field control and creates only the
// field that has none.
TEST(RecordView, DemoStructureBindsEveryDesignedFieldControl)
{
    DemoWindow demo;
    TAxKelvaro& w = demo.window();
    std::set<std::string> bound, created;
    const std::vector<ControlRow> table = readControlTable(controlTablePath());
    std::set<std::string> designed;
    for (const ControlRow& row : table)
        designed.insert(row.name);
    for (const auto& record : std::vector<WindowHarness::Options>{
             {{"idTVO", "1001"}, {"idTypeVO", "1"}, {"idClient", ""}},
             {{"idTVO", "1101"}, {"idTypeVO", "3"}, {"idClient", ""}},
             {{"idTVO", "1201"}, {"idTypeVO", "1"}, {"idClient", ""}},
             {{"idTVO", ""}, {"idClient", "2001"}}}) {
        demo.open(record);
        for (const TsPage& page : w.TabDesc)
            for (const TsDesc& field : page.Fields) {
                const std::string name = page.NamePrefix + field.FieldName;
                if (designed.count(name))
                    bound.insert(name);
                else if (field.Control || field.Button)
                    created.insert(name);
            }
    }
    EXPECT_EQ(created, (std::set<std::string>{"cNbCles"}));
    const std::set<std::string> fieldKinds = {"T", "M", "N", "N2", "D", "L", "C", "LB"};
    const std::set<std::string> pages = {"Sheet01", "Sheet02", "Sheet03", "Sheet04",
                                         "Sheet07", "Sheet08", "Sheet09", "PanelCompta"};
    for (const ControlRow& row : table) {
        const bool fieldControl = fieldKinds.count(row.kind) && pages.count(row.parent) &&
                                  row.name.rfind("Dbl", 0) != 0 &&
                                  row.name.rfind("cFrevo", 0) != 0 && row.name != "cTxtPathImage" &&
                                  row.name != "Memo";
        if (fieldControl) {
            EXPECT_TRUE(bound.count(row.name)) << row.name << " is not bound";
        }
    }
}
