#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "server/DocumentCheck.h"
#include "server/RequestClient.h"
#include "server/TXml.h"
#include "ui/WindowControls.h"
#include "view/ListReaders.h"
#include "view/TsPage.h"

class ControlFace;
class DataGrid;
class ListView;
class PictureBox;
class ThumbnailLoader;
struct RgbBitmap;
class QCompleter;
class QFrame;
class QLabel;
class QTabWidget;
class QTimer;
struct CellFormat;
struct FieldConflict;
struct EditJournal;
struct JournalField;
struct KeyState;

// The main window. It owns every state of the record shown and every operation of the program;
// its methods are defined in the folder of their subsystem (app/, server/, view/, ...). The
// designed controls are the members of WindowControls.
// What an insert whose outcome is unknown was meant to create.
enum class UncertainInsert { None, Record, CostLine, ActionLine, FixedFee, Photo };
// The grids whose lines are saved one by one, and what the edit-conflict check of a line says.
enum class LineGrid { Costs, Actions };
enum class LineCheck { Send, Refused, Gone };

class TAxKelvaro : public QWidget, public WindowControls {
    Q_OBJECT
public:
    explicit TAxKelvaro(QWidget* parent = nullptr);
    ~TAxKelvaro() override;

    // ---- Application shell: start-up, settings and start parameters (app/) ----
    void ActiveFormCreate();
    void ActiveFormDestroy();
    void ActiveFormActivate();
    void OnStart();
    void OnMsgActualize();
    // Messages of the local channel: "raise" from a second client, "1024" from the launcher.
    void onChannelMessage(const QString& message);
    void SetTagRegistry(const QString& key, const QString& value);
    QString GetTagRegistry(const QString& key) const;
    void SetStartParameter(const QString& name, const QString& value);

    // ---- Timer loop, splash, hints, trace log (app/) ----
    void Timer1Timer();
    void ShowSplash();
    // Hides the splash panel and restores the default mouse cursor.
    void hideSplash();
    void GestionHints(const QString& hint);
    void WriteTrace(const QString& message);
    // Ctrl held for a command's Ctrl variant; never while a keyboard shortcut runs it.
    bool ctrlHeld() const;
    bool ShortcutRunning = false;
    // The lists and structure documents are fetched whatever their age.
    bool ForceDocuments = false;
    // Runs work outside the timer handler and outside any request, in the order queued.
    void queueWork(std::function<void()> work);

    // ---- Server exchange (server/) ----
    // True when the reply reached its file (the warning line may still show the server's log).
    bool HttpExecute(const std::string& url, const std::string& fileName);
    // The document a GET answers, read back from its reply file; nothing when the request failed
    // (the warning line says why) or the file cannot be read (a trace line names the caller).
    std::optional<TXml> fetchDocument(const std::string& url, const std::string& fileName,
                                      const char* caller);
    // False when no reply came: the warning line says why.
    bool HttpPost(const std::string& url, const std::string& fileName, const MultipartForm& form);
    // True when the document was fetched (not kept from the cache) and reached its file.
    bool CachedGet(const std::string& url, const std::string& fileName);
    // A document just received is checked: one that is not readable as a document of its kind is
    // not kept; the warning line names the endpoint. True when readable.
    bool keepReadableDocument(const std::string& fileName, const char* kindElement,
                              const char* endpointName, RecordKey key = RecordKey::None);
    void UpdateParams();
    void IdHTTP1Status(const QString& statusText);
    void IdHTTP1Authorization();
    void IdHTTP1ProxyAuthorization();
    void IdHTTP1SelectAuthorization();
    void IdHTTP1SelectProxyAuthorization();
    // Sets the warning label; the warning panel is shown when it holds text.
    void setWarningText(const QString& text);
    // A click on the warning panel hides it until the next warning.
    void PanelWarningClick();
    // Path of a reply file in TempFolder.
    std::string replyPath(const char* fileName) const;
    bool requestRunning() const { return RequestDepth > 0; }

    // ---- Record view (view/) ----
    void UpdateView(bool reloadDescriptions);
    void UpdateTabDesc(bool reloadDocuments, bool describe);
    bool GetDataRights(const std::string& groups);
    void UpdateHints(bool isClient);
    void setInfoNVO();
    void setInfoTitre();
    void setInfoField1();
    void setInfoField2();
    void setInfoField3();
    void ShowIdentity();
    // Choice lists
    void LoadInfoNxComboBox(const std::string& name, ControlFace& box);
    void LoadInfoNxComboBoxColumn(const std::string& name, DataGrid& grid, int column);
    void SetInfoComboBoxIdCom(const std::string& idCom, ControlFace& box);
    void GetInfoComboBoxIdCom(const std::string& name, const std::string& entryText,
                              std::string& value);
    // Prices, VAT, margins, balance and due dates of the record shown (computations come with
    // their feature).
    void UpdateTVAetMarges();
    void UpdateSoldeVN();
    void UpdateDateEcheanceTresorerie();
    // A due-date field of a new vehicle: records it, then the due dates follow.
    void cVNDateEch(ControlFace& sender);
    // Page control: a page change asked by the user, then the page changed.
    void TabsChanging(bool& allowChange);
    void TabsChange();
    void JvXPBtnActualizeClick();
    // The refresh asked by the user (button, F5; with the documents, Ctrl+F5): pending changes
    // are settled first; a reload the launcher asked for meanwhile comes first.
    void refreshClicked(bool documents);
    bool ReloadWaiting = false;
    // Requests the documents of the record named by LbIdTVO and LbIDCustomer; false when one did
    // not arrive. From the refresh button the connection is renewed; from a load the new-record
    // flag follows the identifiers.
    bool fetchRecordDocuments(bool refresh);
    // A record request failed: the record on screen stays, with its identifiers and flags.
    void keepRecordShown();
    // The identifiers and flags of the record on screen, once it is shown.
    struct ShownRecord {
        bool any = false;
        QString idTVO;
        QString idCustomer;
        bool newRecord = false;
        bool newVehicle = false;
    } Shown;

    // ---- Editing and saving (editing/) ----
    // The commit gate every command passes first: the control that has the focus is left as the
    // Tab key leaves it (its exit checks run, an open cell editor is accepted); false when that
    // was refused, and the user stays in the control.
    bool commitFocusedControl();
    // An exit check refused what the control holds: the focus stays there.
    void noteExitRefused(ControlFace& control);
    // Whether a statement of the record shown waits to be sent.
    bool anythingPending() const;
    // Saves silently before a command leaves the record; true when nothing is left pending.
    bool saveBeforeLeaving();
    // Before the record on screen is replaced or the window closed: the field being edited is
    // committed, then pending changes are saved, abandoned or kept, as the user answers. True
    // when the command may go on.
    bool settlePendingChanges();
    void abandonChanges();
    // After a save the focus goes back where the user was, else to the first field of the page.
    void focusFieldAfterSave(QWidget* before);
    // A date text that is neither empty nor a date is refused when its field is left: the loaded
    // date comes back and the focus stays. True when refused.
    bool refuseUnreadableDate(ControlFace& sender);
    // A required value is missing: its control gets the focus, or, when it cannot take it, a
    // message names the field.
    void showMissingValue(ControlFace& control);
    int ExitRefusals = 0;
    QPointer<QWidget> RefusedExit;
    // Change tracking and validation
    void EditChange(ControlFace& sender);
    void CBoxChange(ControlFace& sender);
    void CBoxControl(ControlFace& sender, int& slot, int& position);
    void CBoxEnter(ControlFace& sender);
    void CBoxExit(ControlFace& sender);
    void cBoxKeyUp(ControlFace& sender, int& key, KeyState state);
    void LBoxChange(ControlFace& sender);
    bool GoTestVerrou();
    void GoOnKeyPress(ControlFace& sender, QChar& key);
    void GoOnKeyDown(ControlFace& sender, int& key, KeyState state);
    bool TestDateChange(ControlFace& sender, int minimum, int maximum);
    bool TestPageUpdate(int slot);
    // Before an update leaves: the record is read again and the fields another user changed
    // meanwhile are settled with the user. False when nothing may be sent.
    bool checkEditConflicts(int slot, const std::function<const TXml*()>& reread);
    bool settleEditConflicts(int slot, const std::vector<FieldConflict>& conflicts);
    // The box that lists them ("ces champs", "la ligne de frais n° 12"): the button chosen.
    int askEditConflicts(const QString& what, const std::vector<FieldConflict>& conflicts);
    // The same for the pending line of a grid, matched by its key: Gone when it is a deletion of
    // a line another user has deleted already.
    LineCheck checkLineConflicts(LineGrid grid, int entry,
                                 const std::function<const TXml*()>& reread);
    std::optional<TXml> rereadRecord();
    // Fields the window computes from others (VAT, margins, balance, due dates).
    bool computedField(const TsDesc& field) const;
    // The journal of unsaved edits: kept in step after each recorded edit, written on the timer,
    // removed once the edits are saved or abandoned, offered back when its record is shown.
    void journalChanged();
    void flushJournal();
    void dropJournal();
    void offerJournals();
    void restoreJournal(const std::string& path, const EditJournal& journal);
    // The journal's grid cells put back in their lines; the entries of the lines restored.
    std::vector<size_t> restoreJournalLines(const EditJournal& journal);
    // The client's vehicle the journal's vehicle fields belong to, shown; its key, empty when
    // none is (then those fields are not restored).
    std::string restoreJournalVehicle(const EditJournal& journal);
    void showJournalRecord(const EditJournal& journal);
    std::vector<std::pair<std::string, EditJournal>> leftJournals();
    EditJournal journalOfRecord() const;
    std::vector<JournalField> journalFields() const;
    std::string journalCaption(const JournalField& field) const;
    std::string journalFolder() const;
    bool JournalDirty = false;
    std::string JournalPath; // the journal this window writes
    long long NewRecordStarted = 0;
    bool JournalsOffered = false; // the journals of other records were offered once
    QStringList JournalsLater;    // answered "Plus tard" during this session
    // Saving
    bool SaveChanges();
    // An insert was sent and its answer lost: the row may exist. Until the user has decided, the
    // same insert is not sent again without asking.
    UncertainInsert Uncertain = UncertainInsert::None;
    // "Enregistrement incertain": true to send it again; "Vérifier" shows what tells the truth.
    bool confirmUncertainInsert();
    void verifyUncertainInsert(UncertainInsert what);
    // Statements of the grid lines, rebuilt after a line was sent, and the fixed fees of a used
    // vehicle (their grids' features).
    bool TestFrevoUpdate(int line);
    bool TestActionUpdate(int line);
    void TestFraisFixes(std::string& statement);
    // Duplicate counts armed by the field handlers (their feature).
    void setDblChange(const QString& kind);
    // Cascading lists: the items of a dependent combo for a make or a model ("Models", "VNModels",
    // "VNVersions"), the free-text version kept in step with the model and the version type, the
    // purchase-plan models of the brands sold (or not) at the client's site.
    void UpdateCBox(ControlFace& combo, const QString& key, const char* list);
    void UpdateVersion(ControlFace& memo, ControlFace& model, ControlFace* type);
    void UpdateLBox(ControlFace& box, bool inSite);
    // Adds (mode 0) or removes (mode -1) the combo's text in its list maintained on the server.
    void ActionInfoRubrique(ControlFace& sender, int mode);
    // Record buttons
    void JvXPBtnSaveClick();
    void JvXPBtnNewVOClick();
    // The record document a new record starts from, and no line of the record shown.
    void startBlankRecord();
    void JvXPBtnSupprClick();
    // Keys of the record shown, from its document; with the warning, says so when missing.
    void GetIdVO(bool warn, std::string& key);
    void GetIdClient(bool warn, std::string& key);
    void JvXPBtnSweepClick();
    // Keyboard of combo boxes
    void CBoxKeyDown(ControlFace& sender, int& key, KeyState state);
    // The one completion of the combos with a choice list, and the combo whose items it holds.
    QCompleter* ComboCompletion = nullptr;
    QString CompletionFor;
    // Date checks when a date picker is left
    void cDateEntreeExit(ControlFace& sender);
    void cMECExit(ControlFace& sender);
    void cDateValidationGarantieExit(ControlFace& sender);
    void cDateOrdreExit(ControlFace& sender);
    void cDateDisponibiliteExit(ControlFace& sender);
    void cDateLivraisonExit(ControlFace& sender);
    void cDatePresFinancementExit(ControlFace& sender);
    void cDatePaiementExit(ControlFace& sender);
    void cVDMECExit(ControlFace& sender);
    void cVNMECExit(ControlFace& sender);
    void cVNDateOrdreExit(ControlFace& sender);
    void cVNDateLivrMaxiExit(ControlFace& sender);
    void cVNDateDisponibiliteExit(ControlFace& sender);
    void cVNDateLivraisonExit(ControlFace& sender);
    void cVNDatePresFinancementExit(ControlFace& sender);
    void cVNDatePaiementExit(ControlFace& sender);
    void cVNDateAnnulationExit(ControlFace& sender);
    void aCliDateNaissanceExit(ControlFace& sender);
    void vDateOrdreExit(ControlFace& sender);
    void vMECExit(ControlFace& sender);
    void vDateLastSAVExit(ControlFace& sender);
    void vDateNextSAVExit(ControlFace& sender);
    void vDateFinGarantieExit(ControlFace& sender);
    void vDateFinFinancementExit(ControlFace& sender);
    // Key filters
    void cImmatriculationKeyPress(ControlFace& sender, QChar& key);
    void cVDImmatriculationKeyPress(ControlFace& sender, QChar& key);
    void cVNImmatriculationKeyPress(ControlFace& sender, QChar& key);
    void vImmatriculationKeyPress(ControlFace& sender, QChar& key);
    void aCliNomKeyPress(ControlFace& sender, QChar& key);
    void aCliPrenomKeyPress(ControlFace& sender, QChar& key);
    void aCliAdresse1KeyPress(ControlFace& sender, QChar& key);
    void aCliAdresse2KeyPress(ControlFace& sender, QChar& key);
    void aCliVilleKeyPress(ControlFace& sender, QChar& key);
    void aCliMobileKeyPress(ControlFace& sender, QChar& key);
    void aCliTelDomKeyPress(ControlFace& sender, QChar& key);
    void aCliTelBurKeyPress(ControlFace& sender, QChar& key);
    void vInfoVersionKeyPress(ControlFace& sender, QChar& key);
    void vInfoTypeVersionKeyPress(ControlFace& sender, QChar& key);
    // Field changes that refresh the header or arm a duplicate count
    void cDateEntreeChange(ControlFace& sender);
    void aCliCiviliteChange(ControlFace& sender);
    void aCliNomChange(ControlFace& sender);
    void aCliPrenomChange(ControlFace& sender);
    void aCliEmailChange(ControlFace& sender);
    void aCliMobileChange(ControlFace& sender);
    void aCliTelDomChange(ControlFace& sender);
    void aCliNomDblClick(ControlFace& sender);
    void aCliPrenomDblClick(ControlFace& sender);
    void aCliMobileDblClick(ControlFace& sender);
    void aCliTelDomDblClick(ControlFace& sender);
    // Make, model, version and site cascades
    void cNVOChange(ControlFace& sender);
    void cInfoMarqueChange(ControlFace& sender);
    void cInfoModeleChange(ControlFace& sender);
    void cInfoVesionChange(ControlFace& sender);
    void cCVKMSChange(ControlFace& sender);
    void cInfoCouleurChange(ControlFace& sender);
    void cSiteChange(ControlFace& sender);
    void cVDInfoMarqueChange(ControlFace& sender);
    void cVDInfoModeleChange(ControlFace& sender);
    void cVDInfoTypeVersionChange(ControlFace& sender);
    void cVNInfoMarqueChange(ControlFace& sender);
    void cVNInfoModeleChange(ControlFace& sender);
    void cVNInfoTypeVersionChange(ControlFace& sender);
    void cVNInfoVersionChange(ControlFace& sender);
    void aSiteChange(ControlFace& sender);
    void vInfoMarqueChange(ControlFace& sender);
    void vInfoModeleChange(ControlFace& sender);
    void cPAPAMarque1Change(ControlFace& sender);
    void cPAPAMarque2Change(ControlFace& sender);
    // Prices, VAT, margins and purchase dates
    void cPrixVenteChange(ControlFace& sender);
    void cPrixRepriseChange(ControlFace& sender);
    void cTPVOChange(ControlFace& sender);
    void cPrixGarantieChange(ControlFace& sender);
    void cModeTVAChange(ControlFace& sender);
    void cVNMECChange(ControlFace& sender);
    void cVNDateDeclareLivreChange(ControlFace& sender);
    void cVNMontantAchatChange(ControlFace& sender);
    void cVNDateOrdreChange(ControlFace& sender);
    void cVNDestinationChange(ControlFace& sender);
    void cVNDateDisponibiliteChange(ControlFace& sender);
    void cVNDateLivraisonChange(ControlFace& sender);
    void cVNTypeFinancementChange(ControlFace& sender);
    void cVNTypeFinancementDelaiChange(ControlFace& sender);
    void cVNDateAchatChange(ControlFace& sender);
    void cVNDateEcheanceChange(ControlFace& sender);
    void cVNSituationAchatChange(ControlFace& sender);

    // ---- Sub-record grids (grids/) ----
    // Reconditioning costs: the lines of the record document, their totals and margins.
    void LoadInfoFrevo();
    void UpdateCumulFrevo();
    // A cost line was sent by SaveChanges: once the server took it, its values are the saved ones
    // and a new line inserted becomes an ordinary line; its statement is rebuilt in every case.
    void frevoLineSent(int entry, bool insert, bool succeeded);
    // An insert of a cost line or of the fixed fee reached the server but its outcome is unknown:
    // nothing of the grid is sent again before the record is reloaded, so that the user sees
    // whether the line exists. The save that called it sends nothing more.
    void frevoInsertOutcomeUnknown();
    // Rights of the first tagged column: who may add and remove lines.
    std::string FrevoAddRights;
    // "ngFrevo" + the column whose completion list the open cell editor holds; empty when none.
    QString CompletionKey;
    // The vehicle (idVO) the lines were loaded for, and how many loads there were: a handler that
    // saved sees whether the lines it holds were replaced meanwhile.
    std::string FrevoRecordKey;
    int FrevoLoads = 0;
    void ngFrevoEdit(int column, int row, const QString& text);
    void ngFrevoEditAccept(int column, int row, const QString& text, bool& accept);
    void ngFrevoAfterEdit(int column, int row);
    void ngFrevoChange(int column, int row);
    void ngFrevoBeforeSelect(int column, int row, bool& accept);
    void ngFrevoCellClick(int column, int row);
    void ngFrevoCellFormating(int column, int row, CellFormat& format);
    // Follow-up actions
    void ngActionEdit(int column, int row, const QString& text);
    void ngActionEditAccept(int column, int row, const QString& text, bool& accept);
    void ngActionAfterEdit(int column, int row);
    void ngActionChange(int column, int row);
    void ngActionBeforeSelect(int column, int row, bool& accept);
    void ngActionCellClick(int column, int row);
    void ngActionKeyPress(ControlFace& sender, QChar& key);
    void ngActionCellFormating(int column, int row, CellFormat& format);
    void JvXPBtnNewActionClick();
    // Fills the grid from the client document, its columns from the structure document.
    void LoadInfoAction();
    // The name of a salesperson by identifier; empty when there is none.
    std::string ngActionGetInfoCom(const std::string& idCom);
    // A new action was inserted under this key: its line becomes an ordinary line.
    void actionLineInserted(int entry, const std::string& key);
    // The value a cell held before its editor opened, given back when its text is refused.
    CellEdit ActionEditBefore;
    // Client vehicles
    void ngVehiclesBeforeSelect(int column, int row, bool& accept);
    void ngVehiclesSelectCell(int column, int row);
    void ngVehiclesCellClick(int column, int row);
    void JvXPBtnNewVehicleClick();
    void LoadInfoVehicle();
    // A new client vehicle was inserted under this key: the client is reloaded with it selected.
    void showNewClientVehicle(const std::string& key);
    // The identifier of the client's vehicle the fields show, empty for a new one or none; and
    // that vehicle shown again (an empty identifier starts a new one): false when it is gone.
    QString shownVehicleId() const;
    bool showClientVehicle(const QString& id);
    // Options lists and new-vehicle dates
    void czVDOptionsClick();
    void czVNOptionsClick();
    void cVDInfoOptionsEnter(ControlFace& sender);
    void cVDInfoOptionsExit(ControlFace& sender);
    void cVNInfoOptionsEnter(ControlFace& sender);
    void cVNInfoOptionsExit(ControlFace& sender);
    // Records a field of a new vehicle's order and stamps the order's update date.
    void cVNControlChange(ControlFace& sender);
    void cDestinationChange(ControlFace& sender);
    void cVNStatutVNChange(ControlFace& sender);
    void cVNDateCdeVWChange(ControlFace& sender);
    void cVNDateFabricationChange(ControlFace& sender);
    void cVNDateFactureChange(ControlFace& sender);
    void cVNDateDebutGarantieChange(ControlFace& sender);

    // ---- Search and duplicates (search/) ----
    void HttpGetSearchInfo(int extraRows);
    void HttpGetDblInfo();
    void JvXPBtnSearchClick();
    void TSLbNVOClick();
    void TSLbImmatClick();
    void TSLbClientClick();
    void TSLbTelephoneClick();
    void TSLbMobileClick();
    void TSVClick();
    void LbSearchClick();
    void ncbSearchChange(ControlFace& sender);
    void ncbSiteChange(ControlFace& sender);
    void ncbTypeVOChange(ControlFace& sender);
    void JvXPBtnSearchPlusClick();
    void ngSearchCellClick(int column, int row);
    void ngSearchMouseMove(int x, int y);
    void ngSearchCellFormating(int column, int row, CellFormat& format);
    void JvXPNextClick();
    void JvXPPrevClick();
    // Opens the search panel on a text, with the search type of a selector.
    void openSearchOn(TextLabel* label, PictureButton* button, const QString& text, bool exact);
    // Makes the button the chosen search type and the label the highlighted selector.
    void BtnActivate(TextLabel* label, PictureButton* button);
    // Shows a selector's label and button at a left position, or hides both at 0.
    void PlaceSelector(TextLabel* label, PictureButton* button, int left);
    // Enables the paging buttons for a result row.
    void enablePaging(int row);
    int SearchMaxRows = 0;
    int SearchKeyColumn = 0;
    TextLabel* ActiveSearchLabel = nullptr;
    bool ExactSearch = false;
    bool UseWhereClause = false;
    bool SearchWithFirstName = false;
    void DblNomClick();
    void DblIdentClick();
    void DblMobileClick();
    void DblTelDomClick();
    // The count armed last: "Nom", "Ident", "TelDom" or "Mobile".
    QString DblKind;
    // Boxes shown by a double click on their field: they stay shown until the program ends,
    // whatever record is loaded.
    std::vector<TextEdit*> RevealedDblBoxes;
    void revealDblBox(TextEdit* box);
    bool dblBoxRevealed(const TextEdit* box) const;
    TextEdit* dblBoxOf(const QString& kind) const;
    // Opens the search on a counted value: equal to it, or containing it while Ctrl is held.
    void openDuplicates(TextLabel* label, PictureButton* button, const QString& text,
                        bool withFirstName);

    // ---- Photos (photos/) ----
    void czCmdSelPathListImageClick();
    void czCmdRefreshListImageClick();
    void czCmdAssociateImageClick();
    void czCmdAssociateImageBlurClick();
    void czCmdDeleteImageVOClick();
    void czCmdDefaultImageVOClick();
    void cListImageSourceSelectItem(ListView& sender, int item, bool selected);
    void cListImageVOSelectItem(ListView& sender, int item, bool selected);
    // Prepares both lists and lists the stored folder, once per run, when the page is first shown.
    void LoadInfoCliche();
    // Lists the JPEG files of a folder, newest first, and makes it the photo folder.
    void ShowListeImages(const QString& folder);
    // The attached photos of RecordDoc into cListImageVO, and MaxNumImage from them.
    void GetDataImages();
    // The same list without touching MaxNumImage.
    void showAttachedPhotos();
    // Writes the vehicle's default photo (empty: none) on the server.
    void SetDefaultImageVO(const QString& name);
    // Shows the JPEG found at the URL, or the placeholder picture.
    void LoadRemoteJpeg(PictureBox& image, const std::string& url);
    QString BrowseForFolder(const QString& title, const QString& initialFolder,
                            bool newFolderButton);
    // Attaches the selected local photo, through the blurring editor first when asked.
    void ProcAssociateImage(bool blur);
    // Writes the 640x480 photo and its miniature into TempFolder from the file (or, when the
    // source is empty, from the blurred picture) and, when asked, stores both by FTP. False, with
    // the French reason in the memo and on the warning line, when any step failed.
    bool ReductionJPG(const QString& source, const QString& destination, bool transfer,
                      const RgbBitmap* blurred = nullptr);
    // A line in the memo of the photos page, shown at once.
    void photoProgress(const QString& line);
    // A failure of the photo pipeline: in the memo and on the warning line.
    void photoFailure(const QString& line);
    QString ImagePath;
    int MaxNumImage = 0;
    // The thumbnails of the local list, filled in the background after each listing.
    ThumbnailLoader* Thumbnails = nullptr;
    void loadThumbnails();
    // Runs a long piece of work on a worker thread while the window keeps painting.
    void runInBackground(const std::function<void()>& work) { waitForRequest(work); }

    // ---- Documents and messages (documents/) ----
    void JvXPBtnPrintClick();
    void czFeuilleMargeClick();
    void JvXPBtnSMSClick();
    void LbPanelComptaClick();
    // Hands an address to the desktop's viewer; false when no opener is installed.
    bool OpenInBrowser(const std::string& url);
    // Fills and shows the reservation banner of the new-vehicle page, or hides it.
    void GetInfoReservation();

    // ---- Start parameters and shell state ----
    QString SettingsPath;
    int ParamSetCount = 0;
    bool TraceOn = false;
    QString TempFolder;
    int idTypeVO = 0;
    QString BaseHRef;
    QString OCXName;
    QString OCXVersion;
    QString URLImages;
    QString idUser;
    QString UserConcession;
    QString UserSite;
    QString WhereClause;
    QString OrderClause;

    int SubTick = 0;
    int IdleSeconds = 0;
    int DupCountdown = 0;
    int SearchCountdown = 0;
    bool BlinkOn = false;
    int BlinkTicks = 0;
    int StartDone = 0;
    QString InstalledVersion;
    QString ProxyAddress;

    // ---- Record shown (view/, editing/) ----
    // The ten tab entries: entry n describes page n - 1; entry 0 the record's main table.
    TsPage TabDesc[kPageEntries];
    TXml RecordDoc;
    TXml ClientDoc;
    TXml StructDoc;
    TXml ListsDoc;
    TXml ListsCursor;
    // The lists document as the list fillers read it: indexed once per load. The way it is read
    // can be replaced (the benchmarks compare it with scanning the document for every field).
    std::unique_ptr<ListSource> ListsIndex;
    std::function<std::unique_ptr<ListSource>(const TXml&)> ListSourceMaker =
        [](const TXml& lists) { return std::make_unique<IndexedLists>(lists); };
    std::string RecordKind; // "_TVO", "_TVD", "_TVN", "_TCL"
    std::string RecordSite; // upper-cased "Site" of the record
    std::string RecordOwner;
    std::string RecordTypeVO;    // "TypeVO" of the record document
    std::string FrevoTotal;      // total reconditioning cost, "Frevo" of the record document
    std::string RecordPhotoName; // "NomImage" of the vehicle
    QString UserName;
    QString DefaultSite;
    // The model and the version type last merged into a version text; the model is kept from
    // one record to the next.
    std::string LastModel;
    std::string LastType;
    int FirstTab = 0;
    int VehicleIndex = 0;
    int VehicleExists = 0;
    CascadeMemory Cascade;
    bool FlagNewEnreg = false;
    bool FlagNewVehicle = false;
    bool FlagNewFrevo = false;
    bool FlagNewAction = false;
    bool FlagLoading = false;
    bool FlagSiteRights = false;
    bool FlagEditable = false;
    bool ComptaRight = false;
    bool OstrelRight = false;
    bool FlagSuperAdmin = false;
    // A record created whose key the server did not return: nothing more is sent for it.
    bool FlagKeyLost = false;
    int LimitDateStart = 0;
    int LimitDateStartFrevo = 0;
    int LimitDateStartOstrel = 0;
    int LockDate = 0;
    int LimitDateEnd = 0;
    int ServerToday = 0;
    // Sub-record grid lines: entry 0 is the template, entry r + 1 belongs to grid row r.
    std::vector<TsLine> FrevoRows;
    std::vector<TsLine> ActionRows;
    // List maintenance mode: the combo whose list is being maintained.
    ControlFace* ListEditCombo = nullptr;

    // Request clients: IdHTTP1 for the server's endpoints, IdHTTP2 for photo files.
    std::unique_ptr<RequestClient> IdHTTP1;
    std::unique_ptr<RequestClient> IdHTTP2;
    int RequestDepth = 0;
    // The running request changes the server's data: it is never cancelled.
    bool RunningStatement = false;
    // What is known of the last request: answered, never sent, or sent with its answer lost.
    Delivery LastDelivery = Delivery::Answered;
    // The window was asked to close during a request: it closes once the request ends.
    bool CloseRequested = false;

    // ---- Controls ----
    QTimer* Timer1 = nullptr;
    QTabWidget* Tabs = nullptr;
    QWidget* Sheet01 = nullptr;
    QWidget* Sheet02 = nullptr;
    QWidget* Sheet03 = nullptr;
    QWidget* Sheet04 = nullptr;
    QWidget* Sheet05 = nullptr;
    QWidget* Sheet06 = nullptr;
    QWidget* Sheet07 = nullptr;
    QWidget* Sheet08 = nullptr;
    QWidget* Sheet09 = nullptr;
    QFrame* Shape1 = nullptr;
    QFrame* PanelSplash = nullptr;
    QLabel* LbSplash = nullptr;
    QLabel* ImageSplash = nullptr;
    QLabel* LbConcession = nullptr;
    QFrame* PanelWarning = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* LbInfoTimer = nullptr;
    QLabel* LbHttpRoot = nullptr;
    QLabel* LbBaseHRef = nullptr;
    QLabel* LbVersion = nullptr;
    QLabel* LbIdTVO = nullptr;
    QLabel* LbIDCustomer = nullptr;
    QLabel* LbDebugInfo0 = nullptr;
    QLabel* LbDebugInfo1 = nullptr;
    QLabel* LbDebugInfo2 = nullptr;
    QLabel* LbDebugInfo3 = nullptr;

protected:
    bool event(QEvent* event) override;
    // Closing settles pending changes first, as replacing the record does.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // ---- Record view internals (view/) ----
    QWidget* entryPage(int entry) const;
    // The cursor on the values of an entry: the record's root, or the client vehicle shown.
    TXml valueCursor(int entry, const TXml& root);
    void refreshEntry(int entry, const TXml& values);
    void describeEntry(int entry, const TXml& values);
    bool fieldRights(int entry, const TsDesc& field);
    void readFieldValue(int entry, TsDesc& field, const TXml& values);
    void bindField(int entry, int position, TsDesc& field);
    void fillField(int entry, int position, TsDesc& field, bool created);
    // Base colour, tag and enabled state of a bound control; whether the user has the field's
    // right.
    bool prepareBoundControl(int entry, int position, TsDesc& field, ControlFace& control);
    void fillEdit(int entry, int position, TsDesc& field, bool created);
    void fillButton(int entry, int position, TsDesc& field, bool created);
    void fillCombo(int entry, int position, TsDesc& field, bool created);
    void fillListBox(int entry, int position, TsDesc& field, bool created);
    // Puts a list box's entries, selection and codes into the box and its field.
    void showListBoxFill(ControlFace& list, TsDesc& field, const ListBoxFill& fill);
    void createCaptionLabel(int entry, int position, TsDesc& field, int left, int top);
    void updateRequiredMarker(TsDesc& field);
    void updateGuaranteeFields();
    void readRecordKindAndRights(TXml& root);
    // The active page is one the record describes: the first described one otherwise.
    void showDescribedPage();
    // The buttons and panels of the record's kind and of the user's rights.
    void showRecordCommands();
    void windowCaption();
    QString deploymentValue(const char* key) const;
    bool isDebugUser() const;

    void buildLayout();
    void prepareStatusLabels();
    // Connects the handlers of the design to their controls' event slots.
    void bindDesignedHandlers();
    // Ctrl+S, F5, Ctrl+F5, Ctrl+F and Escape run the commands of their buttons.
    void bindShortcuts();
    // Runs a command from the keyboard: as its button, when the button can be clicked.
    void runShortcut(QWidget* button, const std::function<void()>& command);
    void firstLoad();
    void flushWork();
    void configureProxy();
    // Runs work on a worker thread while this thread keeps painting and ticking, without user
    // input; work queued meanwhile waits for the end of the request.
    void waitForRequest(const std::function<void()>& work);

    std::deque<std::function<void()>> PendingWork;
    bool WorkRunning = false;
    bool FlushScheduled = false;
};
