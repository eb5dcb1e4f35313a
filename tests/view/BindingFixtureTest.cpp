// The binding of fields to controls on crafted documents: the structure, the lists and a vehicle
// written into the reply folder, with no server.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTabWidget>
#include <QTimer>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "tests/support/WindowHarness.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"

namespace {

// A field item of the structure: tag SVO unless given.
std::string field(const std::string& key, const std::string& children)
{
    return "<axStruct><descInfo>" + key + "</descInfo>" + children + "</axStruct>";
}

std::string tab(const std::string& kind, int entry, const std::string& caption,
                const std::string& key, const std::string& tag, const std::string& prefix)
{
    return "<axStruct><descInfo>" + kind + "</descInfo><idNum>" + std::to_string(entry) +
           "</idNum><txtInfo>" + caption + "</txtInfo><vInfo>" + key + "</vInfo><tag>" + tag +
           "</tag><defval>" + prefix + "</defval></axStruct>";
}

const std::string kStructure =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document><axStructS>" +
    tab("_TVO", 0, "", "d0", "tVehicles", "") + tab("_TVO", 1, "V\xe9hicule", "d1", "SVO", "c") +
    tab("_TVO", 4, "Equipements", "d4", "SVO", "c") + tab("_TVO", 6, "Photos", "d6", "SVO", "") +
    field("d1", "<vInfo>idVO</vInfo><width>0</width><tInfo>4</tInfo>") +
    field("d1", "<vInfo>PrixVente;PrixTTC</vInfo><tControl>109</tControl><tInfo>5</tInfo>"
                "<width>1200</width><left>7410</left><txtInfo>Prix :</txtInfo><tag>SVO</tag>") +
    field("d1",
          "<vInfo>PrixReprise</vInfo><tControl>109</tControl><tInfo>5</tInfo><width>1200</width>"
          "<tag>SVO</tag><notNull>TRUE</notNull><txtInfo>Reprise</txtInfo><left>7410</left>") +
    field("d1", "<vInfo>TPVO</vInfo><tControl>109</tControl><tInfo>5</tInfo><width>1200</width>"
                "<tag>SVO</tag><notNull>TRUE</notNull><txtInfo>TPVO</txtInfo><left>7410</left>") +
    field("d1", "<vInfo>Chassis</vInfo><tControl>109</tControl><tInfo>2</tInfo><width>1500</width>"
                "<tag>COMPTA</tag><enabled>2</enabled><length>30</length>") +
    field("d1", "<vInfo>Immatriculation</vInfo><tControl>109</tControl><tInfo>2</tInfo>"
                "<width>1500</width><tag>SVO</tag><enabled>3</enabled>") +
    field("d1", "<vInfo>CP</vInfo><tControl>109</tControl><tInfo>2</tInfo><width>900</width>"
                "<tag>SVO</tag><txtInfo>CP</txtInfo>") +
    field("d1", "<vInfo>NbCles</vInfo><tControl>109</tControl><tInfo>4</tInfo><width>600</width>"
                "<height>315</height><left>1500</left><top>825</top><tag>SVO</tag>"
                "<txtInfo>Cl\xe9s :</txtInfo>") +
    field("d1", "<vInfo>Carrosserie</vInfo><tControl>112</tControl><tInfo>4</tInfo>"
                "<width>1500</width><tag>SVO</tag>") +
    field("d1", "<vInfo>Energie</vInfo><tControl>112</tControl><tInfo>4</tInfo><width>1500</width>"
                "<tag>SVO</tag>") +
    field("d1", "<vInfo>FlagEligible</vInfo><tControl>111</tControl><tInfo>3</tInfo>"
                "<width>900</width><tag>SVO</tag>") +
    field("d1", "<vInfo>InfoMarque</vInfo><tControl>111</tControl><tInfo>2</tInfo>"
                "<width>1500</width><tag>SVO</tag><fieldInfo>Marks;InfoMarque</fieldInfo>") +
    field("d1", "<vInfo>Origine</vInfo><tControl>111</tControl><tInfo>2</tInfo><width>1500</width>"
                "<tag>SVO</tag>") +
    field("d1", "<vInfo>Vendeur</vInfo><tControl>111</tControl><tInfo>4</tInfo><width>1500</width>"
                "<tag>SVO</tag><fieldInfo>InfoCom;idCom</fieldInfo>") +
    field("d1", "<vInfo>DateEntree</vInfo><tControl>109</tControl><tInfo>1</tInfo>"
                "<width>1500</width><tag>SVO</tag><defval>now</defval>") +
    field("d4", "<vInfo>idVO</vInfo><width>0</width>") +
    field("d4", "<vInfo>InfoEquiInterieur</vInfo><tControl>110</tControl><tInfo>2</tInfo>"
                "<width>3000</width><tag>SVO</tag><txtInfo>Int\xe9rieur</txtInfo>") +
    "</axStructS></document>";

const std::string kLists =
    "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document><Concession>BRESMAN</Concession>"
    "<ParsS><Pars><type>CARROSSERIE</type><text>..</text></Pars>"
    "<Pars><type>CARROSSERIE</type><text>Berline</text></Pars>"
    "<Pars><type>CARROSSERIE</type><text>Break</text></Pars>"
    "<Pars><type>ENERGIE</type><text>Diesel</text></Pars>"
    "<Pars><type>ENERGIE</type><text>Essence</text></Pars>"
    "<Pars><type>BOOLEAN</type><text>Non</text></Pars><Pars><type>BOOLEAN</type><text>Oui</text></"
    "Pars>"
    "<Pars><type>ORIGINE</type><text>Achat</text></Pars><Pars><type>ORIGINE</type><text>Location</"
    "text></Pars>"
    "</ParsS>"
    "<InfoComS><InfoCom><idCom>11</idCom><cNom>Martin</cNom><Site>VERNON;EVREUX</Site></InfoCom>"
    "<InfoCom><idCom>12</idCom><cNom>Petit</cNom><Site>DREUX</Site></InfoCom>"
    "<InfoCom><idCom>13</idCom><cNom>Durand</cNom><Site>VERNON</Site></InfoCom></InfoComS>"
    "<MarksS><Marks><vMark>..</vMark></Marks><Marks><vMark>VW : Volkswagen</vMark></Marks>"
    "<Marks><vMark>RENAULT</vMark></Marks></MarksS>"
    "<InfoEquiInterieurS><InfoEquiInterieur><Abbr>abs</Abbr><eText>ABS</eText></InfoEquiInterieur>"
    "<InfoEquiInterieur><Abbr>Clim</Abbr><eText>Climatisation</eText></InfoEquiInterieur>"
    "<InfoEquiInterieur><Abbr>GPS</Abbr><eText>GPS</eText></InfoEquiInterieur></InfoEquiInterieurS>"
    "</document>";

std::string vehicle(const std::string& groups)
{
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><document><tVO><idVO>5</idVO>"
           "<idtVO>7</idtVO><TypeVO>1</TypeVO><Concession>BRESMAN</Concession><Site>VERNON</Site>"
           "<idOwner>1</idOwner><PrixVente>1</PrixVente><PrixTTC>1 234.5</PrixTTC>"
           "<PrixReprise>abc</PrixReprise><TPVO>12</TPVO><Chassis>VF1</Chassis>"
           "<Immatriculation>AB-123-CD</Immatriculation><CP>27000</CP><NbCles>2</NbCles>"
           "<Carrosserie>2</Carrosserie><Energie>2</Energie><FlagEligible>True</FlagEligible>"
           "<InfoMarque>VW</InfoMarque><Origine>Reprise</Origine><Vendeur>13</Vendeur>"
           "<DateEntree>15/03/2007</DateEntree><InfoEquiInterieur>;ABS;CLIM;</InfoEquiInterieur>"
           "</tVO><User><UserConcession>BRESMAN</UserConcession><UserSite>VERNON</UserSite>"
           "<Name_>TEST Jean</Name_></User><GNames>" +
           groups + "</GNames></document>";
}

class BindingFixture : public testing::Test {
protected:
    void load(const std::string& groups, bool newRecord = false)
    {
        writeFile(harness_.replyFile("XmlStruct.xml"), kStructure);
        writeFile(harness_.replyFile("XmlEquip.xml"), kLists);
        writeFile(harness_.replyFile("XmlVO.xml"), vehicle(groups));
        TAxKelvaro& w = harness_.window();
        w.Timer1->stop();
        w.LbIdTVO->setText("7");
        w.FlagNewEnreg = newRecord;
        w.UpdateTabDesc(true, true);
    }
    const TsDesc& fieldOf(const std::string& name)
    {
        for (const TsDesc& f : harness_.window().TabDesc[1].Fields)
            if (f.FieldName == name)
                return f;
        throw std::runtime_error("no field " + name);
    }
    WindowHarness harness_{WindowHarness::Options{{"idUser", "1"}, {"UserSite", "VERNON"}}};
};

} // namespace

TEST_F(BindingFixture, TabsOfTheKindWithTheirCaptions)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    EXPECT_EQ(w.RecordKind, "_TVO");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(w.Tabs->isTabVisible(i), i == 0 || i == 3 || i == 5) << i;
    EXPECT_EQ(w.Tabs->tabText(0), QString::fromUtf8("Véhicule"));
    EXPECT_EQ(w.Tabs->currentIndex(), 0);
    EXPECT_EQ(w.TabDesc[0].TableName, "tVehicles");
    EXPECT_EQ(w.TabDesc[1].NamePrefix, "c");
    EXPECT_EQ(w.FirstTab, 1);
}

TEST_F(BindingFixture, ValuesTransformedAndSourcesRead)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    EXPECT_EQ(w.cPrixVente->text(), "1234.50"); // read from PrixTTC
    EXPECT_EQ(fieldOf("PrixVente").SourceName, "PrixTTC");
    EXPECT_EQ(w.cPrixReprise->text(), "0.00");
    EXPECT_EQ(w.cDateEntree->text(), "15/03/2007");
    EXPECT_EQ(fieldOf("idVO").Value, "5");
    EXPECT_EQ(fieldOf("idVO").Control, nullptr);
}

TEST_F(BindingFixture, RightsDecideVisibilityEnabledStateAndColours)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    EXPECT_TRUE(w.cChassis->isHidden());         // enabled 2 without the COMPTA right
    EXPECT_TRUE(w.cImmatriculation->isHidden()); // enabled 3
    EXPECT_TRUE(w.cPrixVente->isEnabled());
    EXPECT_EQ(w.cChassis->maxLength(), 30);
}

TEST_F(BindingFixture, RightGroupShowsRestrictedField)
{
    load("<GName>SVO</GName><GName>USER_compta</GName>");
    TAxKelvaro& w = harness_.window();
    EXPECT_FALSE(w.cChassis->isHidden());
    EXPECT_TRUE(w.cChassis->isEnabled());
    EXPECT_TRUE(w.cImmatriculation->isHidden());
}

TEST_F(BindingFixture, WithoutRightsFieldsAreDisabledOnButtonFace)
{
    load("");
    TAxKelvaro& w = harness_.window();
    EXPECT_FALSE(w.cPrixVente->isEnabled());
    EXPECT_EQ(w.cPrixVente->color(), 0xFF00000Fu);
    EXPECT_TRUE(w.cChassis->isHidden()); // enabled 2: only with its right
}

TEST_F(BindingFixture, LabelsAreCreatedOnlyForControlsWithoutATagOfTheirOwn)
{
    TAxKelvaro& w = harness_.window();
    w.cCP->setTag(99); // a form control with its own label
    load("<GName>SVO</GName>");
    const TsDesc& price = fieldOf("PrixVente");
    ASSERT_NE(price.CaptionLabel, nullptr);
    EXPECT_EQ(price.CaptionLabel->text(), "Prix :");
    EXPECT_EQ(price.CaptionLabel->left(), 494 - 22);
    EXPECT_EQ(price.CaptionLabel->top(), w.cPrixVente->top() + 2);
    EXPECT_EQ(price.CaptionLabel->tag(), w.cPrixVente->tag());
    EXPECT_EQ(fieldOf("CP").CaptionLabel, nullptr);
    // Required: an empty or zero amount underlines its label.
    EXPECT_TRUE(fieldOf("PrixReprise").CaptionLabel->widget()->font().underline());
    EXPECT_FALSE(fieldOf("TPVO").CaptionLabel->widget()->font().underline());
}

TEST_F(BindingFixture, FieldWithoutDesignedControlIsCreatedAtItsPlace)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    const TsDesc& keys = fieldOf("NbCles");
    ASSERT_NE(keys.Control, nullptr);
    EXPECT_EQ(keys.Control->name(), "cNbCles");
    EXPECT_EQ(keys.Control->widget()->parentWidget(), w.Sheet01);
    EXPECT_EQ(keys.Control->left(), 100);
    EXPECT_EQ(keys.Control->top(), 55 - 35);
    EXPECT_EQ(keys.Control->width(), 40);
    EXPECT_EQ(keys.Control->height(), 21 - 1);
    EXPECT_EQ(keys.Control->text(), "2");
    ASSERT_NE(keys.CaptionLabel, nullptr);
    EXPECT_EQ(keys.CaptionLabel->left(), 52);
    EXPECT_EQ(keys.CaptionLabel->top(), 20 + 2);
    // Found by name at the next refresh, not created again.
    w.UpdateTabDesc(false, true);
    EXPECT_EQ(w.Sheet01->findChildren<QWidget*>("cNbCles", Qt::FindDirectChildrenOnly).size(), 1);
}

TEST_F(BindingFixture, CombosSelectTheirValue)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    // Position 2 with a blank first entry, and without.
    EXPECT_EQ(w.cCarrosserie->items(), (QStringList{"", "Berline", "Break"}));
    EXPECT_EQ(w.cCarrosserie->text(), "Break");
    EXPECT_TRUE(fieldOf("Carrosserie").BlankFirst);
    EXPECT_EQ(w.cEnergie->text(), "Essence");
    EXPECT_FALSE(fieldOf("Energie").BlankFirst);
    EXPECT_TRUE(fieldOf("Energie").ByIndex);
    EXPECT_EQ(w.cFlagEligible->text(), "Oui");
    EXPECT_EQ(w.cInfoMarque->text(), "VW : Volkswagen");
    EXPECT_EQ(w.cOrigine->items(), (QStringList{"Achat", "Location", "Reprise"}));
    EXPECT_EQ(w.cOrigine->text(), "Reprise");
    // Staff of the record's site only, the person of the identifier selected.
    EXPECT_EQ(w.cVendeur->items(), (QStringList{"Martin", "Durand"}));
    EXPECT_EQ(w.cVendeur->text(), "Durand");
    // A pick-list box of the form becomes editable and keeps its text within the list.
    EXPECT_TRUE(fieldOf("Carrosserie").StrictList);
    EXPECT_FALSE(w.cCarrosserie->isPickList());
}

TEST_F(BindingFixture, OptionListBoxSelectsCodesInAnyCase)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    EXPECT_EQ(w.cInfoEquiInterieur->items(), (QStringList{"ABS", "Climatisation", "GPS"}));
    EXPECT_TRUE(w.cInfoEquiInterieur->isSelected(0));
    EXPECT_TRUE(w.cInfoEquiInterieur->isSelected(1));
    EXPECT_FALSE(w.cInfoEquiInterieur->isSelected(2));
    EXPECT_EQ(w.TabDesc[4].Fields[1].Codes, ";abs;Clim;GPS");
    std::string value;
    w.GetInfoComboBoxIdCom("InfoCom", "Durand", value);
    EXPECT_EQ(value, "13");
}

TEST_F(BindingFixture, NewRecordShowsDefaults)
{
    load("<GName>SVO</GName>", true);
    TAxKelvaro& w = harness_.window();
    EXPECT_EQ(w.cDateEntree->text(), QString::fromStdString(formatDate(todayDay())));
    EXPECT_EQ(fieldOf("DateEntree").OrgValue, "");
    EXPECT_EQ(w.cPrixVente->text(), "0.00");
}

TEST_F(BindingFixture, MissingStructureEndsTheRefreshWithoutChange)
{
    load("<GName>SVO</GName>");
    TAxKelvaro& w = harness_.window();
    std::remove(harness_.replyFile("XmlStruct.xml").c_str());
    w.cPrixVente->setText("42.00");
    // Through UpdateView, which swallows the error and traces it. No record is requested: the
    // documents are read as they are.
    w.LbIdTVO->clear();
    w.UpdateView(true);
    EXPECT_EQ(w.cPrixVente->text(), "42.00");
    EXPECT_NE(harness_.traceLog().find("UpdateView : erreur"), std::string::npos);
}
