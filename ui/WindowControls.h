#pragma once

// The designed controls of the main window, by page. Each is a child of its page (of PanelCompta
// for the accounting fields, of Panel1 for the search panel) under exactly its member's name.
// The controls of the start-up spine (Tabs, Sheet01..09, the status labels, the overlays) are
// declared with the window itself.

class ComboBox;
class DataGrid;
class DatePicker;
class ListBox;
class ListView;
class MemoEdit;
class NumberEdit;
class Panel;
class PictureBox;
class PictureButton;
class PictureList;
class TextEdit;
class TextLabel;

struct WindowControls {
    // ---- Top strip: title and information edits, command buttons ----
    TextEdit* xcInfoNVO = nullptr;
    TextEdit* xcInfoTitre = nullptr;
    TextEdit* xcIdentity = nullptr;
    TextEdit* xcInfoField1 = nullptr;
    TextEdit* xcInfoField2 = nullptr;
    TextEdit* xcInfoField3 = nullptr;
    PictureButton* JvXPBtnSweep = nullptr;
    PictureButton* JvXPBtnSuppr = nullptr;
    PictureButton* JvXPBtnPrint = nullptr;
    PictureButton* JvXPBtnSearch = nullptr;
    PictureButton* JvXPBtnNewVO = nullptr;
    PictureButton* JvXPBtnSave = nullptr;
    PictureButton* JvXPBtnActualize = nullptr;
    TextLabel* LbInfoOptions = nullptr;

    // ---- Bottom strip ----
    PictureButton* JvXPPrev = nullptr;
    PictureButton* JvXPNext = nullptr;

    // ---- Non-visual: the pictures of the grids' image columns ----
    PictureList* ImageList = nullptr;

    // ---- Search panel (children of Panel1) ----
    TextLabel* TSLbNVO = nullptr;
    TextLabel* TSLbImmat = nullptr;
    TextLabel* TSLbClient = nullptr;
    TextLabel* TSLbTelephone = nullptr;
    TextLabel* TSLbMobile = nullptr;
    PictureButton* TSNVO = nullptr;
    PictureButton* TSImmat = nullptr;
    PictureButton* TSClient = nullptr;
    PictureButton* TSTelephone = nullptr;
    PictureButton* TSMobile = nullptr;
    TextLabel* ncbLbSite = nullptr;
    TextLabel* ncbLbTypeVO = nullptr;
    TextLabel* LbSearch = nullptr;
    TextLabel* ncbLabel = nullptr;
    TextLabel* ncbInfoSearch = nullptr;
    ComboBox* ncbSite = nullptr;
    ComboBox* ncbTypeVO = nullptr;
    MemoEdit* ncbSearch = nullptr;
    DataGrid* ngSearch = nullptr;
    PictureButton* JvXPBtnSearchPlus = nullptr;

    // ---- Sheet01: used vehicle ----
    NumberEdit* cNVO = nullptr;
    ComboBox* cOrigine = nullptr;
    ComboBox* cOrigineVendeur = nullptr;
    DatePicker* cDateEntree = nullptr;
    ComboBox* cInfoMarque = nullptr;
    ComboBox* cInfoModele = nullptr;
    MemoEdit* cInfoVersion = nullptr;
    ComboBox* cCarrosserie = nullptr;
    ComboBox* cEnergie = nullptr;
    ComboBox* cBoiteVitesse = nullptr;
    ComboBox* cNbPortes = nullptr;
    NumberEdit* cCV = nullptr;
    NumberEdit* cNbPlaces = nullptr;
    ComboBox* cInfoCouleur = nullptr;
    NumberEdit* cKMS = nullptr;
    TextEdit* cChassis = nullptr;
    DatePicker* cMEC = nullptr;
    TextEdit* cImmatriculation = nullptr;
    ComboBox* cSite = nullptr;
    MemoEdit* cCommentaires = nullptr;
    ComboBox* cDestination = nullptr;
    PictureButton* czFeuilleMarge = nullptr;
    ComboBox* cFlagPrepaMecanique = nullptr;
    ComboBox* cFlagPrepaCarrosserie = nullptr;
    ComboBox* cFlagPrepaEsthetique = nullptr;
    ComboBox* cLieuStockage = nullptr;
    NumberEdit* cPrixVente = nullptr;
    NumberEdit* cPrixReprise = nullptr;
    TextEdit* cNomImage = nullptr;
    NumberEdit* cTPVO = nullptr;
    ComboBox* cTypeGarantie = nullptr;
    ComboBox* cDureeGarantie = nullptr;
    NumberEdit* cPrixGarantie = nullptr;
    DatePicker* cDateValidationGarantie = nullptr;
    ComboBox* cModeTVA = nullptr;
    TextEdit* ccTVA = nullptr;
    TextEdit* cMBrute = nullptr;
    TextEdit* cTotFrevo = nullptr;
    TextEdit* cMNette = nullptr;
    DatePicker* cDateOrdre = nullptr;
    ComboBox* cVendeur = nullptr;
    NumberEdit* cMtComVendeur = nullptr;
    TextEdit* cCommentaireReprise = nullptr;
    NumberEdit* cMontantReprise = nullptr;
    TextEdit* cIntermediaire = nullptr;
    NumberEdit* cMtComIntermediaire = nullptr;
    ComboBox* cAcheteur = nullptr;
    TextEdit* cCP = nullptr;
    DatePicker* cDateDisponibilite = nullptr;
    DatePicker* cDateLivraison = nullptr;
    ComboBox* cFlagEligible = nullptr;
    ComboBox* cTypeFinancement = nullptr;
    NumberEdit* cVFinancement = nullptr;
    DatePicker* cDatePresFinancement = nullptr;
    ComboBox* cFinanceur = nullptr;
    NumberEdit* cComFinPrevue = nullptr;
    DatePicker* cDatePaiement = nullptr;
    NumberEdit* cComFinRecue = nullptr;
    TextLabel* Label2 = nullptr;
    TextLabel* Label3 = nullptr;
    TextLabel* Label4 = nullptr;

    // ---- Sheet02: demonstration vehicle ----
    NumberEdit* cVDNVO = nullptr;
    ComboBox* cVDInfoMarque = nullptr;
    ComboBox* cVDInfoModele = nullptr;
    ComboBox* cVDInfoTypeVersion = nullptr;
    MemoEdit* cVDInfoVersion = nullptr;
    PictureButton* czVDOptions = nullptr;
    ListBox* cVDInfoOptions = nullptr;
    ComboBox* cVDCarrosserie = nullptr;
    ComboBox* cVDEnergie = nullptr;
    ComboBox* cVDBoiteVitesse = nullptr;
    ComboBox* cVDNbPortes = nullptr;
    NumberEdit* cVDCV = nullptr;
    NumberEdit* cVDNbPlaces = nullptr;
    ComboBox* cVDInfoCouleur = nullptr;
    ComboBox* cVDInfoCouleurInt = nullptr;
    NumberEdit* cVDKMS = nullptr;
    TextEdit* cVDChassis = nullptr;
    DatePicker* cVDMEC = nullptr;
    TextEdit* cVDImmatriculation = nullptr;
    ComboBox* cVDSite = nullptr;
    MemoEdit* cVDCommentaires = nullptr;
    ComboBox* cVDStatutVD = nullptr;
    ComboBox* cVDFlagNonDiffuse = nullptr;
    MemoEdit* cVDUtilisateur = nullptr;
    NumberEdit* cVDPrixVente = nullptr;
    NumberEdit* cVDPrixCatalogue = nullptr;
    TextEdit* cVDCodeRemise = nullptr;
    TextEdit* cVDNomImage = nullptr;

    // ---- Sheet03: new vehicle ----
    NumberEdit* cVNNVO = nullptr;
    ComboBox* cVNSite = nullptr;
    ComboBox* cVNInfoMarque = nullptr;
    ComboBox* cVNInfoModele = nullptr;
    ComboBox* cVNInfoTypeVersion = nullptr;
    PictureButton* czVNOptions = nullptr;
    ListBox* cVNInfoOptions = nullptr;
    MemoEdit* cVNInfoVersion = nullptr;
    ComboBox* cVNCarrosserie = nullptr;
    ComboBox* cVNEnergie = nullptr;
    ComboBox* cVNBoiteVitesse = nullptr;
    ComboBox* cVNNbPortes = nullptr;
    NumberEdit* cVNCV = nullptr;
    NumberEdit* cVNNbPlaces = nullptr;
    ComboBox* cVNInfoCouleur = nullptr;
    ComboBox* cVNInfoCouleurInt = nullptr;
    TextEdit* cVNChassis = nullptr;
    DatePicker* cVNMEC = nullptr;
    TextEdit* cVNImmatriculation = nullptr;
    MemoEdit* cVNCommentaires = nullptr;
    ComboBox* cVNStatutVN = nullptr;
    DatePicker* cVNDateUpdateCde = nullptr;
    DatePicker* cVNDateCdeVW = nullptr;
    DatePicker* cVNDateFabrication = nullptr;
    DatePicker* cVNDateDeclareLivre = nullptr;
    DatePicker* cVNDateFacture = nullptr;
    DatePicker* cVNDateDebutGarantie = nullptr;
    MemoEdit* cVNCFMemo = nullptr;
    ComboBox* cVNStatutVD = nullptr;
    MemoEdit* cVNUtilisateur = nullptr;
    ComboBox* cVNFlagNonDiffuse = nullptr;
    NumberEdit* cVNPrixVente = nullptr;
    NumberEdit* cVNPrixCatalogue = nullptr;
    TextEdit* cVNCodeRemise = nullptr;
    DatePicker* cVNDateOrdre = nullptr;
    ComboBox* cVNVendeur = nullptr;
    ComboBox* cVNAcheteur = nullptr;
    ComboBox* cVNDestination = nullptr;
    TextEdit* cVNCP = nullptr;
    DatePicker* cVNDateLivrMaxi = nullptr;
    DatePicker* cVNDateDisponibilite = nullptr;
    DatePicker* cVNDateLivraison = nullptr;
    ComboBox* cVNFlagEligible = nullptr;
    ComboBox* cVNTypeFinancement = nullptr;
    ComboBox* cVNTypeFinancementDelai = nullptr;
    NumberEdit* cVNVFinancement = nullptr;
    DatePicker* cVNDatePresFinancement = nullptr;
    ComboBox* cVNFinanceur = nullptr;
    NumberEdit* cVNComFinPrevue = nullptr;
    DatePicker* cVNDatePaiement = nullptr;
    NumberEdit* cVNComFinRecue = nullptr;
    NumberEdit* cVNReprNVO = nullptr;
    ComboBox* cVNReprMarque = nullptr;
    MemoEdit* cVNReprModele = nullptr;
    NumberEdit* cVNReprPrix = nullptr;
    DatePicker* cVNDateAnnulation = nullptr;
    TextLabel* LbDateFabrication = nullptr;
    TextLabel* LbResa1 = nullptr;
    TextLabel* LbResa2 = nullptr;
    TextLabel* LbResa3 = nullptr;
    TextLabel* LbResa4 = nullptr;
    Panel* PanelCompta = nullptr;
    // Children of PanelCompta
    DatePicker* cVNDateAchat = nullptr;
    NumberEdit* cVNMontantAchat = nullptr;
    DatePicker* cVNDateEcheance = nullptr;
    ComboBox* cVNSituationAchat = nullptr;
    DatePicker* cVNDateEchTresorerie = nullptr;
    DatePicker* cVNDateEchReglement = nullptr;
    DatePicker* cVNDateRecPaiement = nullptr;
    DatePicker* cVNDateRecFinancement = nullptr;
    NumberEdit* cVNMontantAcompte = nullptr;
    NumberEdit* cVNSolde = nullptr;
    TextLabel* LbPanelCompta = nullptr;

    // ---- Sheet04: equipment ----
    ListBox* cInfoEquiInterieur = nullptr;
    ListBox* cInfoEquiExterieur = nullptr;
    ListBox* cInfoEquiSecurite = nullptr;
    ListBox* cInfoComplement = nullptr;
    PictureButton* czCmdEquiSec = nullptr;
    PictureButton* czCmdEquiExt = nullptr;
    PictureButton* czCmdEquiInt = nullptr;
    PictureButton* czCmdEquiInf = nullptr;

    // ---- Sheet05: reconditioning costs ----
    DataGrid* ngFrevo = nullptr;
    TextLabel* cFrevoInfo = nullptr;
    NumberEdit* cFrevoPrevFDM = nullptr;
    NumberEdit* cFrevoFixeFDM = nullptr;
    NumberEdit* cFrevoIntFDM = nullptr;
    NumberEdit* cFrevoExtFDM = nullptr;
    NumberEdit* cFrevoTotFDM = nullptr;
    NumberEdit* cFrevoPrevision = nullptr;
    NumberEdit* cFrevoFixe = nullptr;
    NumberEdit* cFrevoInterne = nullptr;
    NumberEdit* cFrevoExterne = nullptr;
    NumberEdit* cFrevo = nullptr;

    // ---- Sheet06: photos ----
    TextEdit* cTxtPathImage = nullptr;
    ListView* cListImageSource = nullptr;
    PictureButton* czCmdSelPathListImage = nullptr;
    PictureButton* czCmdRefreshListImage = nullptr;
    PictureButton* czCmdAssociateImage = nullptr;
    PictureButton* czCmdAssociateImageBlur = nullptr;
    ListView* cListImageVO = nullptr;
    PictureButton* czCmdDeleteImageVO = nullptr;
    PictureButton* czCmdDefaultImageVO = nullptr;
    MemoEdit* Memo = nullptr;
    PictureBox* ImageSelection = nullptr;
    PictureBox* ImageNoPhoto = nullptr;
    PictureBox* ImageVO = nullptr;
    PictureBox* ImageMini = nullptr;
    PictureBox* VOImage = nullptr;

    // ---- Sheet07: client and follow-up actions ----
    ComboBox* aSite = nullptr;
    ComboBox* aidCom = nullptr;
    ComboBox* aCliCivilite = nullptr;
    ComboBox* aCliOrigine = nullptr;
    MemoEdit* aCliNom = nullptr;
    MemoEdit* aCliPrenom = nullptr;
    MemoEdit* aCliAdresse1 = nullptr;
    MemoEdit* aCliAdresse2 = nullptr;
    TextEdit* aCliCP = nullptr;
    TextEdit* aCliVille = nullptr;
    ComboBox* aCliPays = nullptr;
    MemoEdit* aCliObservations = nullptr;
    MemoEdit* aCliEmail = nullptr;
    MemoEdit* aCliMobile = nullptr;
    MemoEdit* aCliTelDom = nullptr;
    MemoEdit* aCliTelBur = nullptr;
    MemoEdit* aCliProfession = nullptr;
    MemoEdit* aCliEmployeur = nullptr;
    DatePicker* aCliDateNaissance = nullptr;
    ComboBox* aCliSituationFamille = nullptr;
    NumberEdit* aCliNbEnfants = nullptr;
    DataGrid* ngAction = nullptr;
    PictureButton* JvXPBtnNewAction = nullptr;
    TextEdit* DblMobile = nullptr;
    TextEdit* DblTelDom = nullptr;
    TextEdit* DblIdent = nullptr;
    TextEdit* DblNom = nullptr;
    PictureButton* JvXPBtnSMS = nullptr;

    // ---- Sheet08: client vehicles ----
    DataGrid* ngVehicles = nullptr;
    ComboBox* vTypeVO = nullptr;
    DatePicker* vDateOrdre = nullptr;
    ComboBox* vInfoMarque = nullptr;
    ComboBox* vInfoModele = nullptr;
    MemoEdit* vInfoVersion = nullptr;
    MemoEdit* vInfoTypeVersion = nullptr;
    ComboBox* vSite = nullptr;
    DatePicker* vMEC = nullptr;
    TextEdit* vImmatriculation = nullptr;
    NumberEdit* vKMS = nullptr;
    DatePicker* vDateFinGarantie = nullptr;
    ComboBox* vTypeFinancement = nullptr;
    NumberEdit* vMensualiteFinancement = nullptr;
    ComboBox* vAbbrFinancement = nullptr;
    DatePicker* vDateFinFinancement = nullptr;
    MemoEdit* vLieuEntretien1 = nullptr;
    MemoEdit* vLieuEntretien2 = nullptr;
    DatePicker* vDateLastSAV = nullptr;
    NumberEdit* vKmLastSAV = nullptr;
    DatePicker* vDateNextSAV = nullptr;
    NumberEdit* vKmNextSAV = nullptr;
    ComboBox* vSatisfVehicle = nullptr;
    ComboBox* vSatisfSAV = nullptr;
    PictureButton* JvXPBtnNewVehicle = nullptr;
    TextLabel* zLbKmLastSAV = nullptr;
    TextLabel* zLbKmNextSAV = nullptr;

    // ---- Sheet09: purchase plan ----
    DatePicker* cPACliDateProchainAchat = nullptr;
    ListBox* cPAPATypeVO = nullptr;
    ListBox* cPAPASegment = nullptr;
    ListBox* cPAPACarrosserie = nullptr;
    ListBox* cPAPAEnergie = nullptr;
    ListBox* cPAPAChoix1 = nullptr;
    ListBox* cPAPAChoix2 = nullptr;
    ComboBox* cPAPAMarque1 = nullptr;
    ComboBox* cPAPAModele1 = nullptr;
    ComboBox* cPAPAMarque2 = nullptr;
    ComboBox* cPAPAModele2 = nullptr;
    DatePicker* cPAPADateSpirit = nullptr;
    TextLabel* zLbPAAutresModeles = nullptr;
};
