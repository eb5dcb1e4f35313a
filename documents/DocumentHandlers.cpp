// Handlers of the reports, the margin sheet, the test SMS and the accounting panel.
#include "ui/TAxKelvaro.h"

#include <QFile>
#include <QThread>

#include "app/Browser.h"
#include "app/Cp1252.h"
#include "documents/Reports.h"
#include "documents/Reservation.h"
#include "documents/SmsMessage.h"
#include "server/Endpoints.h"
#include "server/HttpFlow.h"
#include "ui/controls/AllKinds.h"

namespace {
// The server finishes writing what was just saved before the report reads it.
constexpr unsigned long kPauseAfterSaveMs = 300;

// The focused control is committed and pending changes saved; false when the report must not
// open (a refused control, a failed save: the save has said why).
bool readyForReport(TAxKelvaro& window)
{
    if (!window.commitFocusedControl())
        return false;
    if (!window.JvXPBtnSave->isEnabled() && !window.anythingPending())
        return true;
    if (!window.saveBeforeLeaving())
        return false;
    QThread::msleep(kPauseAfterSaveMs);
    return true;
}

void openReport(TAxKelvaro& window, Report report)
{
    // Ctrl is read as the user clicked, before a save may take its time.
    const bool ctrl = window.ctrlHeld();
    if (!readyForReport(window))
        return;
    std::string key;
    if (isClientSheet(report, window.RecordKind))
        window.GetIdClient(true, key);
    else
        window.GetIdVO(true, key);
    if (key.empty())
        return;
    const std::string address = reportAddress(toCp1252(window.BaseHRef), report, window.RecordKind,
                                              toCp1252(window.JvXPBtnNewVO->text()), key, ctrl);
    window.OpenInBrowser(address);
}
} // namespace

void TAxKelvaro::JvXPBtnPrintClick()
{
    openReport(*this, Report::Sheet);
}

void TAxKelvaro::czFeuilleMargeClick()
{
    openReport(*this, Report::MarginSheet);
}

bool TAxKelvaro::OpenInBrowser(const std::string& url)
{
    const QString address = fromCp1252(browserAddress(url));
    WriteTrace("OpenInBrowser : " + address);
    if (openWithDesktop(address))
        return true;
    const QString warning =
        QStringLiteral("Aucun navigateur n'est configuré pour ouvrir le document.");
    WriteTrace("OpenInBrowser : xdg-open n'a pas pu être lancé. " + warning);
    setWarningText(warning);
    return false;
}

void TAxKelvaro::JvXPBtnSMSClick()
{
    if (!commitFocusedControl())
        return;
    const QString gateway = deploymentValue("SmsGateway");
    const QString recipient = deploymentValue("SmsRecipient");
    if (gateway.isEmpty() || recipient.isEmpty()) {
        const QString warning = QStringLiteral(
            "SMS non envoyé : la passerelle ou le destinataire de test n'est pas configuré "
            "(SmsGateway, SmsRecipient de la section Deployment).");
        WriteTrace(warning);
        setWarningText(warning);
        return;
    }
    const std::string file = replyPath(kSmsReplyFile);
    HttpPost(endpoint::smsGateway(toCp1252(gateway)), file,
             smsForm(toCp1252(recipient), toCp1252(aSite->text()), toCp1252(xcIdentity->text())));
    QFile reply(QString::fromStdString(file));
    const std::string result = reply.open(QIODevice::ReadOnly) ? reply.readAll().toStdString()
                                                               : std::string(kPostFailureReply);
    setWarningText(fromCp1252(smsWarning(result)));
}

void TAxKelvaro::LbPanelComptaClick()
{
    const PanelStrip now{PanelCompta->y(), PanelCompta->height()};
    const PanelStrip next = toggledAccountingPanel(now);
    PanelCompta->setGeometry(PanelCompta->x(), next.top, PanelCompta->width(), next.height);
}
