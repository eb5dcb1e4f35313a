// Saving: SaveChanges sends what is pending (at most one cost line, one action line, the page shown
// and the fixed fees of a used vehicle). A change stays pending until the server has taken it.
#include "ui/TAxKelvaro.h"

#include <functional>
#include <optional>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTabWidget>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "app/Numbers.h"
#include "app/Paths.h"
#include "editing/BoundFields.h"
#include "editing/FieldRules.h"
#include "editing/SaveRules.h"
#include "editing/Statements.h"
#include "grids/ActionRules.h"
#include "grids/GridLines.h"
#include "server/Endpoints.h"
#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/PictureButton.h"
#include "ui/grid/DataGrid.h"

namespace {

constexpr const char* kNoRowChanged =
    "Exception : aucune ligne modifiée sur le serveur (la fiche a peut-être été supprimée)";

// One call of SaveChanges: what it has sent and the cursor it found.
class SaveRun {
public:
    enum class What { Line, Page, FixedFees };

    explicit SaveRun(TAxKelvaro& window)
        : window_(window)
        , defaultCursor_(!QApplication::overrideCursor())
    {}

    // Sends a statement; true when the server took it (the warning line is empty afterwards).
    // An insert whose answer was lost before is sent again only when the user says so.
    bool send(What what, bool insert, const std::string& statement, const char* replyFile,
              UncertainInsert kind)
    {
        if (insert && window_.Uncertain == kind && !window_.confirmUncertainInsert()) {
            refused_ = true;
            return false;
        }
        if ((what == What::Line || (what == What::Page && lineSent_)) && defaultCursor_ &&
            !QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
        const std::string base = toCp1252(window_.BaseHRef);
        const bool answered = window_.HttpExecute(insert ? endpoint::insert(base, statement)
                                                         : endpoint::update(base, statement),
                                                  window_.replyPath(replyFile));
        if (answered && !insert && window_.LbDebugInfo0->text().isEmpty() &&
            changedNoRow(LoadTextFile(window_.replyPath(replyFile)))) {
            // Taken by the server, yet it named no row: nothing was saved.
            const QString warning = QString::fromUtf8(kNoRowChanged);
            window_.WriteTrace(warning + " : " + fromCp1252(statement));
            window_.setWarningText(warning);
        }
        lineSent_ = lineSent_ || what == What::Line;
        sent_ = sent_ || what != What::FixedFees;
        if (insert) {
            // A row may exist on the server that the window does not know of.
            if (window_.LastDelivery == Delivery::Unknown)
                window_.Uncertain = kind;
            else if (window_.Uncertain == kind)
                window_.Uncertain = UncertainInsert::None;
        }
        const bool taken = window_.LbDebugInfo0->text().isEmpty();
        failed_ = failed_ || !taken;
        return taken;
    }
    // Something was refused or failed: what depends on it is not sent.
    bool stopped() const { return refused_ || failed_; }

    // A page statement that must not be sent: the save fails, whatever follows.
    void refuse(const QString& warning)
    {
        refused_ = true;
        notice_ = warning;
    }
    // A warning that stays on screen whatever the requests after it leave in the warning line.
    void keepNotice(const QString& warning) { notice_ = warning; }
    // A cost line or a fixed fee was inserted without an answer: the record is shown again, so
    // the user sees whether it exists, before anything is sent again.
    void reloadWhenDone() { reload_ = true; }
    bool reloadAsked() const { return reload_; }
    bool refused() const { return refused_; }

    // The record read again for the edit-conflict checks, once per save; nothing when it could
    // not be read.
    const TXml* reread()
    {
        if (!rereadDone_) {
            reread_ = window_.rereadRecord();
            rereadDone_ = true;
        }
        return reread_ ? &*reread_ : nullptr;
    }
    std::function<const TXml*()> rereader()
    {
        return [this] { return reread(); };
    }

    bool finish()
    {
        if (!sent_ && !refused_)
            return true;
        const bool result = window_.LbDebugInfo0->text().isEmpty() && !refused_;
        if (notice_)
            window_.setWarningText(*notice_);
        // A failed save leaves no hourglass behind, the caller's neither.
        if ((sent_ || refused_) && (defaultCursor_ || !result)) {
            while (QApplication::overrideCursor())
                QApplication::restoreOverrideCursor();
        }
        return result;
    }

private:
    TAxKelvaro& window_;
    bool defaultCursor_;
    bool sent_ = false;
    bool lineSent_ = false;
    bool refused_ = false;
    bool failed_ = false;
    bool reload_ = false;
    bool rereadDone_ = false;
    std::optional<TXml> reread_;
    std::optional<QString> notice_;
};

ControlFace* controlNamed(TAxKelvaro& window, const char* name)
{
    return dynamic_cast<ControlFace*>(window.findChild<QWidget*>(name));
}

// The first required value of a vehicle that is missing, or nothing.
ControlFace* missingVehicleValue(TAxKelvaro& window, const std::string& kind)
{
    for (const RequiredValue& required : vehicleRequiredValues(kind)) {
        ControlFace* control = controlNamed(window, required.control);
        const std::string text = control ? toCp1252(control->text()) : std::string();
        if (control && (required.stockNumber ? stockNumberMissing(text) : text.empty()))
            return control;
    }
    if (kind != "VO")
        return nullptr;
    if (!window.cDateOrdre->text().isEmpty() && window.cDestination->text().isEmpty())
        return window.cDestination;
    if (!window.cDateEntree->text().isEmpty() && !window.cMEC->text().isEmpty() &&
        circulationAfterEntry(toCp1252(window.cMEC->text()), toCp1252(window.cDateEntree->text()),
                              todayDay()))
        return window.cMEC;
    return nullptr;
}

// The first named control whose text is empty, or nothing.
ControlFace* firstEmpty(TAxKelvaro& window, const std::vector<const char*>& names)
{
    for (const char* name : names) {
        ControlFace* control = controlNamed(window, name);
        if (control && control->text().isEmpty())
            return control;
    }
    return nullptr;
}

// The first entry from 1 on of a grid's lines whose statement is pending, or 0.
size_t pendingLine(const std::vector<TsLine>& lines)
{
    for (size_t entry = 1; entry < lines.size(); ++entry) {
        if (!lines[entry].Statement.empty())
            return entry;
    }
    return 0;
}

void saveCostLine(TAxKelvaro& window, SaveRun& run)
{
    const size_t entry = pendingLine(window.FrevoRows);
    if (entry == 0)
        return;
    const bool insert = window.FlagNewFrevo;
    if (!insert) {
        const LineCheck check =
            window.checkLineConflicts(LineGrid::Costs, int(entry), run.rereader());
        if (check == LineCheck::Refused) {
            run.refuse(window.LbDebugInfo0->text());
            return;
        }
        if (check == LineCheck::Gone) {
            window.frevoLineSent(int(entry), false, true);
            return;
        }
        // Taking the other user's values may have left nothing to send.
        if (window.FrevoRows[entry].Statement.empty())
            return;
    }
    const bool sent = run.send(SaveRun::What::Line, insert, window.FrevoRows[entry].Statement,
                               replyfile::SqlFrevo, UncertainInsert::CostLine);
    if (insert && window.LastDelivery == Delivery::Unknown) {
        // The line may exist: the record is shown again once the save has ended.
        run.reloadWhenDone();
        return;
    }
    window.frevoLineSent(int(entry), insert, sent);
}

// The checks of the client page and of its new action; the result to return at once when one
// fails.
std::optional<bool> checkClientPage(TAxKelvaro& window)
{
    if (ControlFace* empty = firstEmpty(window, clientRequiredControls())) {
        window.showMissingValue(*empty);
        return window.FlagNewEnreg;
    }
    if (!window.FlagNewAction)
        return std::nullopt;
    for (int column : newActionRequiredColumns()) {
        if (window.ngAction->cell(column, 0).isEmpty()) {
            window.ngAction->selectCell(column, 0);
            return window.FlagNewEnreg;
        }
    }
    return std::nullopt;
}

std::optional<bool> checkClientVehicle(TAxKelvaro& window)
{
    if (window.ngVehicles->rowCount() < 1)
        return std::nullopt;
    const std::optional<long long> client = parseWholeNumber(toCp1252(window.LbIDCustomer->text()));
    if (!client || *client <= 0)
        return window.FlagNewVehicle;
    if (ControlFace* empty = firstEmpty(window, clientVehicleRequiredControls())) {
        window.showMissingValue(*empty);
        return window.FlagNewVehicle;
    }
    return std::nullopt;
}

// The pending action line; the result to return at once when its mandatory value is missing.
std::optional<bool> saveActionLine(TAxKelvaro& window, SaveRun& run)
{
    const size_t entry = pendingLine(window.ActionRows);
    if (entry == 0)
        return std::nullopt;
    TsLine& line = window.ActionRows[entry];
    if (line.MissingCol != 0 && !isDeletion(line.Statement)) {
        // Nothing is sent: the user reads why, and the focus is on the first value to give.
        const QString message = fromCp1252(missingActionMessage(line));
        window.WriteTrace(message);
        run.refuse(message);
        window.ngAction->selectCell(line.MissingCol, int(entry) - 1);
        window.ngAction->setFocus(Qt::OtherFocusReason);
        return std::nullopt;
    }
    // The line's own marker says whether it is inserted (the flag follows the line tested last).
    const bool insert = window.ngAction->cell(actcol::Marker, int(entry) - 1) == kActionNewMarker;
    const LineCheck check =
        insert ? LineCheck::Send
               : window.checkLineConflicts(LineGrid::Actions, int(entry), run.rereader());
    if (check == LineCheck::Refused) {
        run.refuse(window.LbDebugInfo0->text());
        return std::nullopt;
    }
    window.FlagNewAction = insert;
    // A deletion of a line already deleted has nothing to send; taking the other user's values
    // may have left nothing either.
    if (check == LineCheck::Gone || line.Statement.empty() ||
        run.send(SaveRun::What::Line, insert, line.Statement, replyfile::SqlAction,
                 UncertainInsert::ActionLine)) {
        for (int k = 1; k <= 10; ++k) {
            TsDesc& cell = line.Cells[k];
            if (cell.OrgValue == cell.Value)
                continue;
            if (remembersActionDefault(k))
                window.SetTagRegistry(QString::fromStdString(actionDefaultKey(k)),
                                      fromCp1252(cell.Value));
            cell.OrgValue = cell.Value;
        }
        const std::string reply = window.replyPath(replyfile::SqlAction);
        const std::optional<std::string> key =
            insert && fileExists(reply) ? insertedKey(LoadTextFile(reply)) : std::nullopt;
        if (insert)
            window.actionLineInserted(int(entry), key.value_or(std::string()));
    }
    window.TestActionUpdate(int(entry));
    return std::nullopt;
}

// The record was created but the server did not say under which key: it is not sent again nor
// reloaded under an empty key, and the window stays read-only until another record is opened.
void keyLost(TAxKelvaro& window, SaveRun& run, TsPage& page)
{
    window.WriteTrace("Save Changes : identifiant de la fiche créée absent de la réponse");
    for (TsDesc& field : page.Fields)
        field.OrgValue = field.Value;
    window.FlagNewEnreg = false;
    window.FlagNewVehicle = false;
    window.FlagKeyLost = true;
    run.keepNotice(keyLostWarning());
}

// A new row: its key from the reply, then the record is reloaded under it. A client vehicle is
// shown under its key within its client, whose identifiers stay.
void takeNewKey(TAxKelvaro& window, SaveRun& run, TsPage& page, bool clientVehicle)
{
    const std::string reply = window.replyPath(replyfile::SqlVO);
    const std::optional<std::string> key =
        fileExists(reply) ? insertedKey(LoadTextFile(reply)) : std::nullopt;
    if (clientVehicle) {
        // Without its key the client is shown again from its first vehicle.
        for (TsDesc& field : page.Fields)
            field.OrgValue = field.Value;
        window.FlagNewVehicle = false;
        window.showNewClientVehicle(key.value_or(std::string()));
        return;
    }
    if (!key) {
        keyLost(window, run, page);
        return;
    }
    if (isClientBeingCreated(toCp1252(window.LbIDCustomer->text())))
        window.LbIDCustomer->setText(fromCp1252(*key));
    else
        window.LbIdTVO->setText(fromCp1252(*key));
    window.FlagNewEnreg = false;
    window.FlagNewVehicle = false;
    window.JvXPBtnActualizeClick();
}

void savePage(TAxKelvaro& window, SaveRun& run)
{
    const int active = window.Tabs->currentIndex();
    const int slot = active + 1;
    if (slot < 1 || slot >= kPageEntries || window.TabDesc[slot].Statement.empty())
        return;
    TsPage& page = window.TabDesc[slot];
    if (isUnkeyedUpdate(page.Statement)) {
        // It would change every row of the table: it stays pending and is never sent.
        window.WriteTrace("Save Changes : mise à jour sans clé non envoyée : " +
                          fromCp1252(page.Statement));
        run.refuse(unkeyedPageWarning(window.Tabs->tabText(active)));
        return;
    }
    const bool clientVehicle = !window.FlagNewEnreg && window.FlagNewVehicle && active == 7;
    const bool insert = window.FlagNewEnreg || clientVehicle;
    if (!insert && !window.checkEditConflicts(slot, run.rereader())) {
        run.refuse(window.LbDebugInfo0->text());
        return;
    }
    // Taking the other user's values may have left less, or nothing, to send.
    const std::string statement = page.Statement;
    if (statement.empty())
        return;
    if (!run.send(SaveRun::What::Page, insert, statement, replyfile::SqlVO,
                  UncertainInsert::Record))
        return;
    if (insert) {
        takeNewKey(window, run, page, clientVehicle);
    } else {
        for (TsDesc& field : page.Fields)
            field.OrgValue = field.Value;
    }
    window.TestPageUpdate(slot);
}

void saveFixedFees(TAxKelvaro& window, SaveRun& run, const std::string& kind)
{
    if (kind != "VO" || window.LbIdTVO->text().isEmpty())
        return;
    std::string statement;
    window.TestFraisFixes(statement);
    if (statement.empty())
        return;
    if (run.send(SaveRun::What::FixedFees, true, statement, replyfile::SqlFrevo,
                 UncertainInsert::FixedFee))
        window.UpdateView(false);
    else if (window.LastDelivery == Delivery::Unknown)
        run.reloadWhenDone();
}

} // namespace

bool TAxKelvaro::SaveChanges()
{
    if (FlagKeyLost) {
        // Nothing is sent for a record created without its key.
        setWarningText(keyLostWarning());
        return true;
    }
    SaveRun run(*this);
    const std::string kind = toCp1252(JvXPBtnNewVO->text());
    if (kind != "CL") {
        WriteTrace("contrôle info véhicule " + LbIdTVO->text());
        if (ControlFace* missing = missingVehicleValue(*this, kind)) {
            showMissingValue(*missing);
            return FlagNewEnreg;
        }
        saveCostLine(*this, run);
    } else {
        std::optional<bool> failed;
        if (Tabs->currentIndex() == 6)
            failed = checkClientPage(*this);
        if (!failed && Tabs->currentIndex() == 7)
            failed = checkClientVehicle(*this);
        if (!failed)
            failed = saveActionLine(*this, run);
        if (failed)
            return *failed;
    }
    WriteTrace("Save Changes -1-");
    // A line the user chose not to send stops the save: nothing is sent behind that answer.
    if (!run.refused())
        savePage(*this, run);
    WriteTrace("Save Changes -2-");
    // The fee goes with a saved page, never behind a refusal or a failure (its reload would
    // drop the edits kept).
    if (!run.reloadAsked() && !run.stopped())
        saveFixedFees(*this, run, kind);
    WriteTrace("Save Changes -1-");
    const bool saved = run.finish();
    // Unless the page itself still waits to be sent, which a reload would lose: then the next save
    // asks first.
    const int active = Tabs->currentIndex() + 1;
    if (run.reloadAsked() && active > 0 && active < kPageEntries &&
        TabDesc[active].Statement.empty()) {
        frevoInsertOutcomeUnknown();
        return false;
    }
    return saved;
}

void TAxKelvaro::showMissingValue(ControlFace& control)
{
    QWidget* widget = control.widget();
    if (widget->isEnabled() && widget->isVisibleTo(this)) {
        control.setFocus();
        return;
    }
    // Disabled or on another page: the focus cannot show it, a message does.
    const TsDesc* field = boundField(TabDesc, control.tag());
    const QString caption = field ? fromCp1252(field->Caption) : QString();
    const QString name = field ? fromCp1252(field->FieldName) : control.name();
    WriteTrace("Save Changes : valeur obligatoire absente : " + name);
    QMessageBox::warning(this, QString::fromUtf8(kRequiredValueTitle),
                         requiredValueMessage(caption, name));
}

void TAxKelvaro::JvXPBtnSaveClick()
{
    const QPointer<QWidget> before = focusWidget();
    if (!commitFocusedControl() || !JvXPBtnSave->isEnabled())
        return;
    SaveChanges();
    // A missing value has taken the focus, or a message said which.
    if (!focusWidget())
        focusFieldAfterSave(before);
}

void TAxKelvaro::TabsChanging(bool& allowChange)
{
    if (!commitFocusedControl()) {
        allowChange = false;
        return;
    }
    allowChange = saveBeforeLeaving();
}
