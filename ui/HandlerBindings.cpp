// The handlers of the design on their controls. A slot that is set here is the form's own
// handler; the binding of fields attaches the window's generic handlers only to free slots.
#include <initializer_list>
#include <utility>

#include "grids/GridLines.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/ListView.h"
#include "ui/controls/MemoEdit.h"
#include "ui/controls/NumberEdit.h"
#include "ui/controls/PageControl.h"
#include "ui/controls/Panel.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/TextEdit.h"
#include "ui/controls/TextLabel.h"
#include "ui/grid/DataGrid.h"

namespace {
// A slot that calls a method of the window with the slot's arguments.
template <class... Args> auto handler(TAxKelvaro* window, void (TAxKelvaro::*method)(Args...))
{
    return [window, method](Args... args) { (window->*method)(std::forward<Args>(args)...); };
}

// A click slot for a method that needs no sender.
auto click(TAxKelvaro* window, void (TAxKelvaro::*method)())
{
    return [window, method](ControlFace&) { (window->*method)(); };
}
} // namespace

using Faces = std::initializer_list<ControlFace*>;

void TAxKelvaro::bindDesignedHandlers()
{
    auto on = [this](auto method) { return handler(this, method); };
    auto clicked = [this](void (TAxKelvaro::*method)()) { return click(this, method); };
    auto changes = [&](Faces controls, void (TAxKelvaro::*method)(ControlFace&)) {
        for (ControlFace* c : controls)
            c->onChange = on(method);
    };

    auto* pages = static_cast<PageControl*>(Tabs);
    pages->onChanging = on(&TAxKelvaro::TabsChanging);
    pages->onChange = on(&TAxKelvaro::TabsChange);

    // Top and bottom strips
    JvXPBtnSweep->onClick = clicked(&TAxKelvaro::JvXPBtnSweepClick);
    JvXPBtnSuppr->onClick = clicked(&TAxKelvaro::JvXPBtnSupprClick);
    JvXPBtnPrint->onClick = clicked(&TAxKelvaro::JvXPBtnPrintClick);
    JvXPBtnSearch->onClick = clicked(&TAxKelvaro::JvXPBtnSearchClick);
    JvXPBtnNewVO->onClick = clicked(&TAxKelvaro::JvXPBtnNewVOClick);
    JvXPBtnSave->onClick = clicked(&TAxKelvaro::JvXPBtnSaveClick);
    // The refresh is also the program's own way to reload: only the button's click settles
    // pending changes first.
    JvXPBtnActualize->onClick = [this](ControlFace&) { refreshClicked(false); };
    static_cast<ControlFace*>(static_cast<Panel*>(PanelWarning))->onClick =
        clicked(&TAxKelvaro::PanelWarningClick);
    JvXPPrev->onClick = clicked(&TAxKelvaro::JvXPPrevClick);
    JvXPNext->onClick = clicked(&TAxKelvaro::JvXPNextClick);

    // Search panel
    TSLbNVO->onClick = clicked(&TAxKelvaro::TSLbNVOClick);
    TSLbImmat->onClick = clicked(&TAxKelvaro::TSLbImmatClick);
    TSLbClient->onClick = clicked(&TAxKelvaro::TSLbClientClick);
    TSLbTelephone->onClick = clicked(&TAxKelvaro::TSLbTelephoneClick);
    TSLbMobile->onClick = clicked(&TAxKelvaro::TSLbMobileClick);
    for (ControlFace* selector : Faces{TSNVO, TSImmat, TSClient, TSTelephone, TSMobile})
        selector->onClick = clicked(&TAxKelvaro::TSVClick);
    LbSearch->onClick = clicked(&TAxKelvaro::LbSearchClick);
    ncbSearch->onChange = on(&TAxKelvaro::ncbSearchChange);
    ncbSite->onChange = on(&TAxKelvaro::ncbSiteChange);
    ncbTypeVO->onChange = on(&TAxKelvaro::ncbTypeVOChange);
    JvXPBtnSearchPlus->onClick = clicked(&TAxKelvaro::JvXPBtnSearchPlusClick);
    ngSearch->onCellClick = on(&TAxKelvaro::ngSearchCellClick);
    ngSearch->onMouseMove = on(&TAxKelvaro::ngSearchMouseMove);
    ngSearch->onCellFormatting = on(&TAxKelvaro::ngSearchCellFormating);

    // Handlers shared by the pages
    changes({cNVO, cVDNVO, cVNNVO}, &TAxKelvaro::cNVOChange);
    changes({cCV, cKMS, cVDCV, cVDKMS, cVNCV, aCliNbEnfants, vKMS}, &TAxKelvaro::cCVKMSChange);
    changes({cInfoCouleur, cVDInfoCouleur, cVNInfoCouleur}, &TAxKelvaro::cInfoCouleurChange);
    changes({cInfoVersion, vInfoTypeVersion}, &TAxKelvaro::cInfoVesionChange);
    changes({cSite, cVDSite, cVNSite}, &TAxKelvaro::cSiteChange);
    changes({cDateEntree, cDateOrdre}, &TAxKelvaro::cDateEntreeChange);
    changes({cModeTVA, vTypeVO}, &TAxKelvaro::cModeTVAChange);
    changes({cTPVO, cVFinancement, cMontantReprise, cMtComIntermediaire, cMtComVendeur,
             cComFinPrevue, cComFinRecue, cVDPrixVente, cVDPrixCatalogue, cVNPrixCatalogue,
             cVNComFinPrevue, cVNComFinRecue},
            &TAxKelvaro::cTPVOChange);
    changes({cVNPrixVente, cVNReprPrix, cVNMontantAchat, cVNMontantAcompte},
            &TAxKelvaro::cVNMontantAchatChange);
    changes({cVNDateEcheance, cVNDateRecPaiement, cVNDateRecFinancement},
            &TAxKelvaro::cVNDateEcheanceChange);
    for (ControlFace* c : Faces{cVDInfoMarque,      cVDInfoModele,      cVDInfoTypeVersion,
                                cVDCarrosserie,     cVDEnergie,         cVDBoiteVitesse,
                                cVDNbPortes,        cVDInfoCouleur,     cVDInfoCouleurInt,
                                cVDStatutVD,        cVNInfoMarque,      cVNInfoModele,
                                cVNInfoTypeVersion, cVNInfoCouleur,     cVNInfoCouleurInt,
                                cVNStatutVN,        cVNStatutVD,        cVNVendeur,
                                cVNAcheteur,        cVNTypeFinancement, cVNTypeFinancementDelai,
                                cVNReprMarque,      cVNSituationAchat,  vInfoMarque,
                                vInfoModele,        vTypeFinancement,   vSatisfVehicle,
                                vSatisfSAV,         cPAPAMarque1,       cPAPAModele1,
                                cPAPAMarque2,       cPAPAModele2})
        c->onKeyDown = on(&TAxKelvaro::CBoxKeyDown);

    // Sheet01: used vehicle
    cDateEntree->onExit = on(&TAxKelvaro::cDateEntreeExit);
    cInfoMarque->onChange = on(&TAxKelvaro::cInfoMarqueChange);
    cInfoModele->onChange = on(&TAxKelvaro::cInfoModeleChange);
    cMEC->onExit = on(&TAxKelvaro::cMECExit);
    cImmatriculation->onKeyPress = on(&TAxKelvaro::cImmatriculationKeyPress);
    cDestination->onChange = on(&TAxKelvaro::cDestinationChange);
    czFeuilleMarge->onClick = clicked(&TAxKelvaro::czFeuilleMargeClick);
    cPrixVente->onChange = on(&TAxKelvaro::cPrixVenteChange);
    cPrixReprise->onChange = on(&TAxKelvaro::cPrixRepriseChange);
    cPrixGarantie->onChange = on(&TAxKelvaro::cPrixGarantieChange);
    cDateValidationGarantie->onExit = on(&TAxKelvaro::cDateValidationGarantieExit);
    cDateOrdre->onExit = on(&TAxKelvaro::cDateOrdreExit);
    cDateDisponibilite->onExit = on(&TAxKelvaro::cDateDisponibiliteExit);
    cDateLivraison->onExit = on(&TAxKelvaro::cDateLivraisonExit);
    cDatePresFinancement->onExit = on(&TAxKelvaro::cDatePresFinancementExit);
    cDatePaiement->onExit = on(&TAxKelvaro::cDatePaiementExit);

    // Sheet02: demonstration vehicle
    cVDInfoMarque->onChange = on(&TAxKelvaro::cVDInfoMarqueChange);
    cVDInfoModele->onChange = on(&TAxKelvaro::cVDInfoModeleChange);
    cVDInfoTypeVersion->onChange = on(&TAxKelvaro::cVDInfoTypeVersionChange);
    czVDOptions->onClick = clicked(&TAxKelvaro::czVDOptionsClick);
    cVDInfoOptions->onEnter = on(&TAxKelvaro::cVDInfoOptionsEnter);
    cVDInfoOptions->onExit = on(&TAxKelvaro::cVDInfoOptionsExit);
    cVDMEC->onExit = on(&TAxKelvaro::cVDMECExit);
    cVDImmatriculation->onKeyPress = on(&TAxKelvaro::cVDImmatriculationKeyPress);

    // Sheet03: new vehicle and its accounting panel
    cVNInfoMarque->onChange = on(&TAxKelvaro::cVNInfoMarqueChange);
    cVNInfoModele->onChange = on(&TAxKelvaro::cVNInfoModeleChange);
    cVNInfoTypeVersion->onChange = on(&TAxKelvaro::cVNInfoTypeVersionChange);
    czVNOptions->onClick = clicked(&TAxKelvaro::czVNOptionsClick);
    cVNInfoOptions->onEnter = on(&TAxKelvaro::cVNInfoOptionsEnter);
    cVNInfoOptions->onExit = on(&TAxKelvaro::cVNInfoOptionsExit);
    cVNInfoVersion->onChange = on(&TAxKelvaro::cVNInfoVersionChange);
    cVNMEC->onChange = on(&TAxKelvaro::cVNMECChange);
    cVNMEC->onExit = on(&TAxKelvaro::cVNMECExit);
    cVNImmatriculation->onKeyPress = on(&TAxKelvaro::cVNImmatriculationKeyPress);
    cVNStatutVN->onChange = on(&TAxKelvaro::cVNStatutVNChange);
    cVNDateCdeVW->onChange = on(&TAxKelvaro::cVNDateCdeVWChange);
    cVNDateFabrication->onChange = on(&TAxKelvaro::cVNDateFabricationChange);
    cVNDateDeclareLivre->onChange = on(&TAxKelvaro::cVNDateDeclareLivreChange);
    cVNDateFacture->onChange = on(&TAxKelvaro::cVNDateFactureChange);
    cVNDateDebutGarantie->onChange = on(&TAxKelvaro::cVNDateDebutGarantieChange);
    cVNDateOrdre->onChange = on(&TAxKelvaro::cVNDateOrdreChange);
    cVNDateOrdre->onExit = on(&TAxKelvaro::cVNDateOrdreExit);
    cVNDestination->onChange = on(&TAxKelvaro::cVNDestinationChange);
    cVNDateLivrMaxi->onExit = on(&TAxKelvaro::cVNDateLivrMaxiExit);
    cVNDateDisponibilite->onChange = on(&TAxKelvaro::cVNDateDisponibiliteChange);
    cVNDateDisponibilite->onExit = on(&TAxKelvaro::cVNDateDisponibiliteExit);
    cVNDateLivraison->onChange = on(&TAxKelvaro::cVNDateLivraisonChange);
    cVNDateLivraison->onExit = on(&TAxKelvaro::cVNDateLivraisonExit);
    cVNTypeFinancement->onChange = on(&TAxKelvaro::cVNTypeFinancementChange);
    cVNTypeFinancementDelai->onChange = on(&TAxKelvaro::cVNTypeFinancementDelaiChange);
    cVNDatePresFinancement->onExit = on(&TAxKelvaro::cVNDatePresFinancementExit);
    cVNDatePaiement->onExit = on(&TAxKelvaro::cVNDatePaiementExit);
    cVNDateAnnulation->onExit = on(&TAxKelvaro::cVNDateAnnulationExit);
    cVNDateAchat->onChange = on(&TAxKelvaro::cVNDateAchatChange);
    cVNSituationAchat->onChange = on(&TAxKelvaro::cVNSituationAchatChange);
    LbPanelCompta->onClick = clicked(&TAxKelvaro::LbPanelComptaClick);

    // Sheet05: reconditioning costs
    ngFrevo->onEdit = on(&TAxKelvaro::ngFrevoEdit);
    ngFrevo->onEditAccept = on(&TAxKelvaro::ngFrevoEditAccept);
    ngFrevo->onAfterEdit = on(&TAxKelvaro::ngFrevoAfterEdit);
    ngFrevo->onCellChange = on(&TAxKelvaro::ngFrevoChange);
    ngFrevo->onBeforeSelect = on(&TAxKelvaro::ngFrevoBeforeSelect);
    ngFrevo->onCellClick = on(&TAxKelvaro::ngFrevoCellClick);
    ngFrevo->onCellFormatting = on(&TAxKelvaro::ngFrevoCellFormating);
    // The lines follow the rows when a header click sorts them.
    ngFrevo->onRowsSorted = [this](const std::vector<int>& order) {
        followSortedRows(FrevoRows, order);
    };

    // Sheet06: photos
    czCmdSelPathListImage->onClick = clicked(&TAxKelvaro::czCmdSelPathListImageClick);
    czCmdRefreshListImage->onClick = clicked(&TAxKelvaro::czCmdRefreshListImageClick);
    czCmdAssociateImage->onClick = clicked(&TAxKelvaro::czCmdAssociateImageClick);
    czCmdAssociateImageBlur->onClick = clicked(&TAxKelvaro::czCmdAssociateImageBlurClick);
    czCmdDeleteImageVO->onClick = clicked(&TAxKelvaro::czCmdDeleteImageVOClick);
    czCmdDefaultImageVO->onClick = clicked(&TAxKelvaro::czCmdDefaultImageVOClick);
    cListImageSource->onSelectItem = on(&TAxKelvaro::cListImageSourceSelectItem);
    cListImageVO->onSelectItem = on(&TAxKelvaro::cListImageVOSelectItem);

    // Sheet07: client and follow-up actions
    aSite->onChange = on(&TAxKelvaro::aSiteChange);
    aCliCivilite->onChange = on(&TAxKelvaro::aCliCiviliteChange);
    aCliNom->onChange = on(&TAxKelvaro::aCliNomChange);
    aCliNom->onDblClick = on(&TAxKelvaro::aCliNomDblClick);
    aCliNom->onKeyPress = on(&TAxKelvaro::aCliNomKeyPress);
    aCliPrenom->onChange = on(&TAxKelvaro::aCliPrenomChange);
    aCliPrenom->onDblClick = on(&TAxKelvaro::aCliPrenomDblClick);
    aCliPrenom->onKeyPress = on(&TAxKelvaro::aCliPrenomKeyPress);
    aCliAdresse1->onKeyPress = on(&TAxKelvaro::aCliAdresse1KeyPress);
    aCliAdresse2->onKeyPress = on(&TAxKelvaro::aCliAdresse2KeyPress);
    aCliVille->onKeyPress = on(&TAxKelvaro::aCliVilleKeyPress);
    aCliEmail->onChange = on(&TAxKelvaro::aCliEmailChange);
    aCliMobile->onChange = on(&TAxKelvaro::aCliMobileChange);
    aCliMobile->onDblClick = on(&TAxKelvaro::aCliMobileDblClick);
    aCliMobile->onKeyPress = on(&TAxKelvaro::aCliMobileKeyPress);
    aCliTelDom->onChange = on(&TAxKelvaro::aCliTelDomChange);
    aCliTelDom->onDblClick = on(&TAxKelvaro::aCliTelDomDblClick);
    aCliTelDom->onKeyPress = on(&TAxKelvaro::aCliTelDomKeyPress);
    aCliTelBur->onKeyPress = on(&TAxKelvaro::aCliTelBurKeyPress);
    aCliDateNaissance->onExit = on(&TAxKelvaro::aCliDateNaissanceExit);
    JvXPBtnNewAction->onClick = clicked(&TAxKelvaro::JvXPBtnNewActionClick);
    DblNom->onClick = clicked(&TAxKelvaro::DblNomClick);
    DblIdent->onClick = clicked(&TAxKelvaro::DblIdentClick);
    DblMobile->onClick = clicked(&TAxKelvaro::DblMobileClick);
    DblTelDom->onClick = clicked(&TAxKelvaro::DblTelDomClick);
    JvXPBtnSMS->onClick = clicked(&TAxKelvaro::JvXPBtnSMSClick);
    ngAction->onEdit = on(&TAxKelvaro::ngActionEdit);
    ngAction->onEditAccept = on(&TAxKelvaro::ngActionEditAccept);
    ngAction->onAfterEdit = on(&TAxKelvaro::ngActionAfterEdit);
    ngAction->onCellChange = on(&TAxKelvaro::ngActionChange);
    ngAction->onBeforeSelect = on(&TAxKelvaro::ngActionBeforeSelect);
    ngAction->onCellClick = on(&TAxKelvaro::ngActionCellClick);
    ngAction->onKeyPress = on(&TAxKelvaro::ngActionKeyPress);
    ngAction->onCellFormatting = on(&TAxKelvaro::ngActionCellFormating);
    ngAction->onRowsSorted = [this](const std::vector<int>& order) {
        followSortedRows(ActionRows, order);
        ActionEditBefore.row = rowAfterSort(order, ActionEditBefore.row);
    };

    // Sheet08: client vehicles
    vDateOrdre->onExit = on(&TAxKelvaro::vDateOrdreExit);
    vMEC->onExit = on(&TAxKelvaro::vMECExit);
    vDateLastSAV->onExit = on(&TAxKelvaro::vDateLastSAVExit);
    vDateNextSAV->onExit = on(&TAxKelvaro::vDateNextSAVExit);
    vDateFinGarantie->onExit = on(&TAxKelvaro::vDateFinGarantieExit);
    vDateFinFinancement->onExit = on(&TAxKelvaro::vDateFinFinancementExit);
    vInfoMarque->onChange = on(&TAxKelvaro::vInfoMarqueChange);
    vInfoModele->onChange = on(&TAxKelvaro::vInfoModeleChange);
    vInfoVersion->onKeyPress = on(&TAxKelvaro::vInfoVersionKeyPress);
    vInfoTypeVersion->onKeyPress = on(&TAxKelvaro::vInfoTypeVersionKeyPress);
    vImmatriculation->onKeyPress = on(&TAxKelvaro::vImmatriculationKeyPress);
    JvXPBtnNewVehicle->onClick = clicked(&TAxKelvaro::JvXPBtnNewVehicleClick);
    ngVehicles->onBeforeSelect = on(&TAxKelvaro::ngVehiclesBeforeSelect);
    ngVehicles->onSelectCell = on(&TAxKelvaro::ngVehiclesSelectCell);
    ngVehicles->onCellClick = on(&TAxKelvaro::ngVehiclesCellClick);

    // Sheet09: purchase plan
    cPAPAMarque1->onChange = on(&TAxKelvaro::cPAPAMarque1Change);
    cPAPAMarque2->onChange = on(&TAxKelvaro::cPAPAMarque2Change);
}
