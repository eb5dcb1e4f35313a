// Record loading and view refresh: the record documents, the buttons and panels of the kind and
// the user's rights, the page changes and the refresh button.
#include "ui/TAxKelvaro.h"

#include <exception>

#include <QDateTime>
#include <QElapsedTimer>
#include <QLabel>
#include <QTabWidget>

#include "app/Cp1252.h"
#include "app/IniFile.h"
#include "app/Numbers.h"
#include "app/Paths.h"
#include "server/Endpoints.h"
#include "server/HttpFlow.h"
#include "ui/controls/AllKinds.h"
#include "view/CaseText.h"

namespace {
// A record identifier: a positive whole number names a record; anything else is a new one.
long long identifierNumber(const QString& identifier)
{
    return parseWholeNumber(toCp1252(identifier)).value_or(0);
}
} // namespace

QString TAxKelvaro::deploymentValue(const char* key) const
{
    return QString::fromStdString(
        iniRead(SettingsPath.toStdString(), "Deployment", key).value_or(std::string()));
}

bool TAxKelvaro::isDebugUser() const
{
    const QString id = deploymentValue("DebugUserId");
    const QString surname = deploymentValue("DebugUserName");
    return (!id.isEmpty() && idUser == id) || (!surname.isEmpty() && UserName.contains(surname));
}

bool TAxKelvaro::fetchRecordDocuments(bool refresh)
{
    const std::string base = toCp1252(BaseHRef);
    bool fetched = true;
    // The reply of the record shown names its key when the record exists.
    const bool clientShown = !LbIDCustomer->text().isEmpty() && LbIDCustomer->text() != "-1";
    auto request = [&](const std::string& url, const QLabel* identifier, const char* file,
                       const char* endpointName, RecordKey key) {
        if (refresh) {
            IdHTTP1->closeConnection();
        } else {
            LbDebugInfo1->setText(fromCp1252(url));
            const long long n = identifierNumber(identifier->text());
            FlagNewEnreg = n <= 0;
            WriteTrace(QString("UpdateView FlagNewEnreg -> ") + (FlagNewEnreg ? "-1" : "0") +
                       " - " + QString::number(n));
        }
        // The record on screen keeps its document when the reply is not one.
        const std::string path = replyPath(file);
        const std::string shown = fileExists(path) ? LoadTextFile(path) : std::string();
        if (!HttpExecute(url, path)) {
            fetched = false;
        } else if (!keepReadableDocument(
                       path, "User", endpointName,
                       identifierNumber(identifier->text()) > 0 ? key : RecordKey::None)) {
            if (!shown.empty())
                writeReplyFile(path, shown);
            fetched = false;
        }
    };
    if (!LbIdTVO->text().isEmpty())
        request(endpoint::infoVO(base, toCp1252(LbIdTVO->text()), toCp1252(idUser)), LbIdTVO,
                replyfile::VO, "AxInfoVO", clientShown ? RecordKey::None : RecordKey::Vehicle);
    if (!LbIDCustomer->text().isEmpty()) {
        if (!refresh)
            FlagNewVehicle = false;
        request(endpoint::infoCL(base, toCp1252(idUser)), LbIDCustomer, replyfile::CL, "AxInfoCL",
                RecordKey::Client);
    }
    return fetched;
}

void TAxKelvaro::keepRecordShown()
{
    // The reply file left by an earlier request is not the record asked for: the warning line
    // says why nothing changed.
    WriteTrace("Fiche demandée non reçue : la fiche affichée reste " + Shown.idTVO + " / " +
               Shown.idCustomer);
    if (Shown.any) {
        LbIdTVO->setText(Shown.idTVO);
        LbIDCustomer->setText(Shown.idCustomer);
        FlagNewEnreg = Shown.newRecord;
        FlagNewVehicle = Shown.newVehicle;
    }
    hideSplash();
}

void TAxKelvaro::UpdateView(bool reloadDescriptions)
{
    QElapsedTimer clock;
    clock.start();
    try {
        LbDebugInfo3->setText("[" + QString::number(ParamSetCount) + "]" + LbHttpRoot->text() +
                              " - " + BaseHRef + " - " + LbIdTVO->text());
        if (fetchRecordDocuments(false)) {
            UpdateHints(!LbIDCustomer->text().isEmpty());
            UpdateTabDesc(reloadDescriptions, true);
            GetDataImages();
            GetInfoReservation();
            TabsChange();
            showRecordCommands();
            // Edits a crash left for this record (or, once, for others) are offered back.
            NewRecordStarted = FlagNewEnreg ? QDateTime::currentSecsSinceEpoch() : 0;
            queueWork([this] { offerJournals(); });
        } else {
            keepRecordShown();
        }
    } catch (const std::exception& error) {
        // The window keeps what it showed; the warning line and the trace say why.
        const QString cause = QString::fromUtf8(error.what());
        WriteTrace(QStringLiteral("UpdateView : erreur pendant le rafraîchissement : ") + cause);
        setWarningText(QStringLiteral("Exception : la fiche n'a pas pu être affichée (") + cause +
                       ")");
        hideSplash();
    }
    const QString surname = deploymentValue("DebugUserName").toUpper();
    LbInfoTimer->setVisible(!surname.isEmpty() && UserName.toUpper().contains(surname));
    LbInfoTimer->setText(QString::number(clock.elapsed()));
}

void TAxKelvaro::showRecordCommands()
{
    JvXPBtnNewVO->setVisible(RecordKind != "_TVD");
    JvXPBtnSuppr->setVisible(FlagSuperAdmin || RecordKind == "_TCL");
    JvXPBtnSweep->setVisible(FlagSuperAdmin && RecordKind == "_TVN");
    PanelCompta->setVisible(ComptaRight);
    JvXPBtnSMS->setVisible(isDebugUser());
    if (FlagSuperAdmin) {
        const int buttonsBottom = JvXPNext->top() + JvXPNext->height();
        setFixedHeight(buttonsBottom + 75);
        for (QWidget* label : std::initializer_list<QWidget*>{
                 LbDebugInfo0, LbDebugInfo1, LbDebugInfo2, LbDebugInfo3, LbHttpRoot, LbBaseHRef})
            label->show();
        // Their designed places lie over the navigation buttons: below the other labels.
        LbHttpRoot->move(LbHttpRoot->x(), LbIdTVO->y() + 16);
        LbBaseHRef->move(LbBaseHRef->x(), LbIdTVO->y() + 32);
    } else {
        // On the navigation buttons' row, ending before them.
        LbDebugInfo0->setGeometry(LbDebugInfo0->x(), JvXPNext->top(),
                                  JvXPPrev->left() - 4 - LbDebugInfo0->x(), LbDebugInfo0->height());
    }
    LbInfoOptions->setVisible(RecordKind == "_TVD" || RecordKind == "_TVN");
    if (RecordKind == "_TCL") {
        aSite->setEnabled(aSite->text().isEmpty() || FlagSuperAdmin);
        aidCom->setEnabled(aidCom->text().isEmpty() || FlagSuperAdmin);
    }
}

void TAxKelvaro::refreshClicked(bool documents)
{
    if (!settlePendingChanges())
        return;
    if (ReloadWaiting) {
        // The launcher asked for another record while changes were pending.
        OnMsgActualize();
    } else if (documents) {
        ForceDocuments = true;
        UpdateParams();
        ForceDocuments = false;
        UpdateView(true);
    } else {
        JvXPBtnActualizeClick();
    }
}

void TAxKelvaro::JvXPBtnActualizeClick()
{
    ShowSplash();
    try {
        if (!fetchRecordDocuments(true)) {
            keepRecordShown();
            return;
        }
        FlagNewEnreg = false;
        FlagNewVehicle = false;
        UpdateTabDesc(false, true);
    } catch (const std::exception& error) {
        WriteTrace(QStringLiteral("JvXPBtnActualizeClick : erreur pendant le rafraîchissement : ") +
                   QString::fromUtf8(error.what()));
    }
    TabsChange();
}

void TAxKelvaro::TabsChange()
{
    const int page = Tabs->currentIndex();
    if (page >= 0 && page + 1 < kPageEntries && !TabDesc[page + 1].ContentsLoaded) {
        // Pages whose contents load on first view; their loaders come with their features.
        switch (page) {
        case 4: // reconditioning costs
            LoadInfoFrevo();
            TabDesc[page + 1].ContentsLoaded = true;
            break;
        case 5: // photos
            LoadInfoCliche();
            GetDataImages();
            TabDesc[page + 1].ContentsLoaded = true;
            break;
        case 2: // reservation banner
            GetInfoReservation();
            TabDesc[page + 1].ContentsLoaded = true;
            break;
        case 6: // follow-up actions
            LoadInfoAction();
            TabDesc[page + 1].ContentsLoaded = true;
            break;
        case 7: // client vehicles: the first one is shown
            if (VehicleIndex != 0) {
                VehicleIndex = 0;
                UpdateTabDesc(false, false);
            }
            LoadInfoVehicle();
            TabDesc[page + 1].ContentsLoaded = true;
            break;
        default:
            break;
        }
    }
    hideSplash();
}
