// The handlers of the design are on their controls, and every other event slot is free for the
// binding of fields.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "tests/support/WindowHarness.h"
#include "tests/ui/ControlTable.h"
#include "tests/ui/QtPrinting.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ListView.h"
#include "ui/controls/PageControl.h"
#include "ui/grid/DataGrid.h"

namespace {

// Events with a designed handler, by control: c change, x exit, e enter, k key press, d key
// down, b double click, l click.
const std::map<std::string, std::string> kDesigned = {
    // Window and search panel
    {"JvXPBtnSweep", "l"},
    {"JvXPBtnSuppr", "l"},
    {"JvXPBtnPrint", "l"},
    {"JvXPBtnSearch", "l"},
    {"JvXPBtnNewVO", "l"},
    {"JvXPBtnSave", "l"},
    {"PanelWarning", "l"},
    {"JvXPBtnActualize", "l"},
    {"JvXPPrev", "l"},
    {"JvXPNext", "l"},
    {"TSLbNVO", "l"},
    {"TSLbImmat", "l"},
    {"TSLbClient", "l"},
    {"TSLbTelephone", "l"},
    {"TSLbMobile", "l"},
    {"TSNVO", "l"},
    {"TSImmat", "l"},
    {"TSClient", "l"},
    {"TSTelephone", "l"},
    {"TSMobile", "l"},
    {"LbSearch", "l"},
    {"ncbSearch", "c"},
    {"ncbSite", "c"},
    {"ncbTypeVO", "c"},
    {"JvXPBtnSearchPlus", "l"},
    // Sheet01
    {"cNVO", "c"},
    {"cDateEntree", "cx"},
    {"cInfoMarque", "c"},
    {"cInfoModele", "c"},
    {"cInfoVersion", "c"},
    {"cCV", "c"},
    {"cKMS", "c"},
    {"cInfoCouleur", "c"},
    {"cMEC", "x"},
    {"cImmatriculation", "k"},
    {"cSite", "c"},
    {"cDestination", "c"},
    {"czFeuilleMarge", "l"},
    {"cPrixVente", "c"},
    {"cPrixReprise", "c"},
    {"cTPVO", "c"},
    {"cVFinancement", "c"},
    {"cMontantReprise", "c"},
    {"cMtComIntermediaire", "c"},
    {"cMtComVendeur", "c"},
    {"cComFinPrevue", "c"},
    {"cComFinRecue", "c"},
    {"cPrixGarantie", "c"},
    {"cDateValidationGarantie", "x"},
    {"cModeTVA", "c"},
    {"cDateOrdre", "cx"},
    {"cDateDisponibilite", "x"},
    {"cDateLivraison", "x"},
    {"cDatePresFinancement", "x"},
    {"cDatePaiement", "x"},
    // Sheet02
    {"cVDNVO", "c"},
    {"cVDInfoMarque", "cd"},
    {"cVDInfoModele", "cd"},
    {"cVDInfoTypeVersion", "cd"},
    {"czVDOptions", "l"},
    {"cVDInfoOptions", "ex"},
    {"cVDCarrosserie", "d"},
    {"cVDEnergie", "d"},
    {"cVDBoiteVitesse", "d"},
    {"cVDNbPortes", "d"},
    {"cVDCV", "c"},
    {"cVDKMS", "c"},
    {"cVDInfoCouleur", "cd"},
    {"cVDInfoCouleurInt", "d"},
    {"cVDMEC", "x"},
    {"cVDImmatriculation", "k"},
    {"cVDSite", "c"},
    {"cVDStatutVD", "d"},
    {"cVDPrixVente", "c"},
    {"cVDPrixCatalogue", "c"},
    // Sheet03 and PanelCompta
    {"cVNNVO", "c"},
    {"cVNSite", "c"},
    {"cVNInfoMarque", "cd"},
    {"cVNInfoModele", "cd"},
    {"cVNInfoTypeVersion", "cd"},
    {"czVNOptions", "l"},
    {"cVNInfoOptions", "ex"},
    {"cVNInfoVersion", "c"},
    {"cVNCV", "c"},
    {"cVNInfoCouleur", "cd"},
    {"cVNInfoCouleurInt", "d"},
    {"cVNMEC", "cx"},
    {"cVNImmatriculation", "k"},
    {"cVNStatutVN", "cd"},
    {"cVNDateCdeVW", "c"},
    {"cVNDateFabrication", "c"},
    {"cVNDateDeclareLivre", "c"},
    {"cVNDateFacture", "c"},
    {"cVNDateDebutGarantie", "c"},
    {"cVNStatutVD", "d"},
    {"cVNPrixVente", "c"},
    {"cVNPrixCatalogue", "c"},
    {"cVNComFinPrevue", "c"},
    {"cVNComFinRecue", "c"},
    {"cVNDateOrdre", "cx"},
    {"cVNVendeur", "d"},
    {"cVNAcheteur", "d"},
    {"cVNDestination", "c"},
    {"cVNDateLivrMaxi", "x"},
    {"cVNDateDisponibilite", "cx"},
    {"cVNDateLivraison", "cx"},
    {"cVNTypeFinancement", "cd"},
    {"cVNTypeFinancementDelai", "cd"},
    {"cVNDatePresFinancement", "x"},
    {"cVNDatePaiement", "x"},
    {"cVNDateAnnulation", "x"},
    {"cVNReprMarque", "d"},
    {"cVNReprPrix", "c"},
    {"cVNDateAchat", "c"},
    {"cVNMontantAchat", "c"},
    {"cVNMontantAcompte", "c"},
    {"cVNDateEcheance", "c"},
    {"cVNDateRecPaiement", "c"},
    {"cVNDateRecFinancement", "c"},
    {"cVNSituationAchat", "cd"},
    {"LbPanelCompta", "l"},
    // Sheet06
    {"czCmdSelPathListImage", "l"},
    {"czCmdRefreshListImage", "l"},
    {"czCmdAssociateImage", "l"},
    {"czCmdAssociateImageBlur", "l"},
    {"czCmdDeleteImageVO", "l"},
    {"czCmdDefaultImageVO", "l"},
    // Sheet07
    {"aSite", "c"},
    {"aCliCivilite", "c"},
    {"aCliNom", "cbk"},
    {"aCliPrenom", "cbk"},
    {"aCliAdresse1", "k"},
    {"aCliAdresse2", "k"},
    {"aCliVille", "k"},
    {"aCliEmail", "c"},
    {"aCliMobile", "cbk"},
    {"aCliTelDom", "cbk"},
    {"aCliTelBur", "k"},
    {"aCliDateNaissance", "x"},
    {"aCliNbEnfants", "c"},
    {"JvXPBtnNewAction", "l"},
    {"DblNom", "l"},
    {"DblIdent", "l"},
    {"DblMobile", "l"},
    {"DblTelDom", "l"},
    {"JvXPBtnSMS", "l"},
    {"ngAction", "k"},
    // Sheet08
    {"vTypeVO", "c"},
    {"vDateOrdre", "x"},
    {"vInfoMarque", "cd"},
    {"vInfoModele", "cd"},
    {"vInfoVersion", "k"},
    {"vInfoTypeVersion", "ck"},
    {"vMEC", "x"},
    {"vImmatriculation", "k"},
    {"vKMS", "c"},
    {"vDateFinGarantie", "x"},
    {"vTypeFinancement", "d"},
    {"vDateFinFinancement", "x"},
    {"vDateLastSAV", "x"},
    {"vDateNextSAV", "x"},
    {"vSatisfVehicle", "d"},
    {"vSatisfSAV", "d"},
    {"JvXPBtnNewVehicle", "l"},
    // Sheet09
    {"cPAPAMarque1", "cd"},
    {"cPAPAModele1", "d"},
    {"cPAPAMarque2", "cd"},
    {"cPAPAModele2", "d"},
};

std::string slotsSet(const ControlFace& face)
{
    std::string set;
    if (face.onChange)
        set += 'c';
    if (face.onExit)
        set += 'x';
    if (face.onEnter)
        set += 'e';
    if (face.onKeyPress)
        set += 'k';
    if (face.onKeyDown)
        set += 'd';
    if (face.onDblClick)
        set += 'b';
    if (face.onClick)
        set += 'l';
    if (face.onKeyUp)
        set += 'u';
    return set;
}

std::string sorted(std::string s)
{
    std::sort(s.begin(), s.end());
    return s;
}

} // namespace

TEST(HandlerBinding, DesignedHandlersAreSetAndOtherSlotsFree)
{
    WindowHarness harness;
    int faces = 0;
    for (const ControlRow& row : readControlTable(controlTablePath())) {
        auto* object = harness.window().findChild<QObject*>(QString::fromStdString(row.name));
        auto* face = dynamic_cast<ControlFace*>(object);
        if (!face)
            continue;
        ++faces;
        const auto designed = kDesigned.find(row.name);
        const std::string expected = designed == kDesigned.end() ? "" : designed->second;
        EXPECT_EQ(sorted(slotsSet(*face)), sorted(expected)) << row.name;
    }
    EXPECT_GT(faces, 300);
}

TEST(HandlerBinding, GridsListViewsAndPagesHaveTheirHandlers)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    struct GridSlots {
        DataGrid* grid;
        bool edit, accept, after, change, before, select, click, format, move;
    };
    const GridSlots grids[] = {
        {w.ngFrevo, true, true, true, true, true, false, true, true, false},
        {w.ngAction, true, true, true, true, true, false, true, true, false},
        {w.ngVehicles, false, false, false, false, true, true, true, false, false},
        {w.ngSearch, false, false, false, false, false, false, true, true, true},
    };
    for (const GridSlots& g : grids) {
        SCOPED_TRACE(g.grid->objectName().toStdString());
        EXPECT_EQ(bool(g.grid->onEdit), g.edit);
        EXPECT_EQ(bool(g.grid->onEditAccept), g.accept);
        EXPECT_EQ(bool(g.grid->onAfterEdit), g.after);
        EXPECT_EQ(bool(g.grid->onCellChange), g.change);
        EXPECT_EQ(bool(g.grid->onBeforeSelect), g.before);
        EXPECT_EQ(bool(g.grid->onSelectCell), g.select);
        EXPECT_EQ(bool(g.grid->onCellClick), g.click);
        EXPECT_EQ(bool(g.grid->onCellFormatting), g.format);
        EXPECT_EQ(bool(g.grid->onMouseMove), g.move);
    }
    EXPECT_TRUE(w.cListImageSource->onSelectItem);
    EXPECT_TRUE(w.cListImageVO->onSelectItem);
    auto* pages = dynamic_cast<PageControl*>(w.Tabs);
    ASSERT_TRUE(pages);
    EXPECT_TRUE(pages->onChanging);
    EXPECT_TRUE(pages->onChange);
}
