// The form's change handlers record the change; the double clicks show a duplicate indicator.
#include "tests/editing/EditingWindow.h"
#include "ui/controls/AllKinds.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/TextEdit.h"

namespace {
struct Change {
    const char* control;
    const char* text;
};
const Change kChanges[] = {
    {"cNVO", "123"},
    {"cVDNVO", "124"},
    {"cVNNVO", "125"},
    {"cCV", "7"},
    {"cKMS", "45000"},
    {"cVDCV", "5"},
    {"cVDKMS", "12"},
    {"cVNCV", "6"},
    {"aCliNbEnfants", "2"},
    {"vKMS", "9000"},
    {"cInfoVersion", "GTI"},
    {"vInfoTypeVersion", "TDI"},
    {"cVNInfoVersion", "S"},
    {"cDateEntree", "01/06/2026"},
    {"cDateOrdre", "02/06/2026"},
    {"aCliNom", "DUPONT"},
    {"aCliPrenom", "JEAN"},
    {"aCliEmail", "j@d.fr"},
    {"aCliMobile", "0612"},
    {"aCliTelDom", "0237"},
    // Amounts and dates whose computations follow the recording.
    {"cPrixVente", "18900.00"},
    {"cPrixReprise", "14200.00"},
    {"cPrixGarantie", "290.00"},
    {"cTPVO", "300.00"},
    {"cVFinancement", "12000.00"},
    {"cMtComVendeur", "250.00"},
    {"cVDPrixVente", "21500.00"},
    {"cVNPrixCatalogue", "31000.00"},
    {"cVNMontantAchat", "24000.00"},
    {"cVNMontantAcompte", "2000.00"},
    {"cVNDateEcheance", "30/06/2026"},
    {"cVNDateDeclareLivre", "03/06/2026"},
    {"cVNDateDisponibilite", "04/06/2026"},
    {"cVNDateLivraison", "05/06/2026"},
    {"cVNDateOrdre", "06/06/2026"},
    {"cVNMEC", "07/06/2026"},
};

// Combos of the cascades, the computations and the headers: the chosen item is recorded.
const char* const kComboChanges[] = {
    "cInfoMarque",
    "cVDInfoMarque",
    "cVNInfoMarque",
    "cInfoModele",
    "cVDInfoModele",
    "cVNInfoModele",
    "cSite",
    "cVDSite",
    "cVNSite",
    "aSite",
    "vInfoMarque",
    "vInfoModele",
    "cPAPAMarque1",
    "cPAPAMarque2",
    "cModeTVA",
    "vTypeVO",
    "cVNSituationAchat",
    "cVNTypeFinancement",
    "cVNTypeFinancementDelai",
    "cVNDestination",
    "cInfoCouleur",
    "cDestination",
    "cVDInfoTypeVersion",
    "cVNInfoTypeVersion",
    "aCliCivilite",
};

class FieldChanges : public EditingWindow, public testing::WithParamInterface<Change> {};
} // namespace

TEST_P(FieldChanges, TheChangeIsRecorded)
{
    auto* control = dynamic_cast<ControlFace*>(w().findChild<QWidget*>(GetParam().control));
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->onChange) << "a change handler of the form";
    const int entry = entryOf(control);
    addKey(entry, "idKey", "1");
    const int at = bind(entry, control, GetParam().control, 2, "");
    control->setText(GetParam().text);
    EXPECT_EQ(field(entry, at).Value, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(EveryHandler, FieldChanges, testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.control); });

class ComboChanges : public EditingWindow, public testing::WithParamInterface<const char*> {};

TEST_P(ComboChanges, TheChosenItemIsRecorded)
{
    auto* control = dynamic_cast<ControlFace*>(w().findChild<QWidget*>(GetParam()));
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->onChange) << "a change handler of the form";
    const int entry = entryOf(control);
    addKey(entry, "idKey", "1");
    const int at = bind(entry, control, GetParam(), 2, "", 111);
    control->setItems({"CHARTRES", "DREUX", "EVREUX"});
    control->setText("DREUX");
    EXPECT_EQ(field(entry, at).Value, "DREUX");
    EXPECT_FALSE(w().TabDesc[entry].Statement.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryHandler, ComboChanges, testing::ValuesIn(kComboChanges),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(EditingWindow, TheSiteChosenLastIsKeptForTheNextRecord)
{
    const int entry = entryOf(w().cSite);
    addKey(entry, "idKey", "1");
    bind(entry, w().cSite, "Site", 2, "", 111);
    w().cSite->setItems({"CHARTRES", "DREUX"});
    w().cSite->setText("DREUX");
    EXPECT_EQ(w().DefaultSite, "DREUX");
}

TEST_F(EditingWindow, ADoubleClickShowsItsDuplicateIndicator)
{
    struct Click {
        ControlFace* control;
        ControlFace* indicator;
    };
    for (const Click& c :
         {Click{w().aCliNom, w().DblNom}, Click{w().aCliPrenom, w().DblIdent},
          Click{w().aCliMobile, w().DblMobile}, Click{w().aCliTelDom, w().DblTelDom}}) {
        c.indicator->setVisible(false);
        c.control->onDblClick(*c.control);
        EXPECT_TRUE(c.indicator->isVisible()) << c.control->name().toStdString();
    }
}
