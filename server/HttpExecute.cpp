// Requests of the window: GET and multipart POST into reply files, the 12-hour cache.
#include "ui/TAxKelvaro.h"

#include <optional>
#include <thread>

#include <QEventLoop>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMetaObject>
#include <QThread>

#include "app/Cp1252.h"
#include "app/Paths.h"
#include "server/FailureText.h"
#include "server/HttpFlow.h"
#include "ui/InputHold.h"

namespace {
constexpr int kIdleReconnectSeconds = 300;
constexpr double kCacheSeconds = 12 * 3600;

// The warning line of a request that got no reply.
QString failureWarning(const RequestOutcome& outcome)
{
    return "Exception : " +
           failureSentence(outcome.curlCode, outcome.status, fromCp1252(outcome.error));
}
} // namespace

std::string TAxKelvaro::replyPath(const char* fileName) const
{
    return joinPath(TempFolder.toStdString(), fileName);
}

void TAxKelvaro::setWarningText(const QString& text)
{
    LbDebugInfo0->setText(text);
    PanelWarning->setVisible(!text.isEmpty());
}

void TAxKelvaro::PanelWarningClick()
{
    // The panel lies over the header, the command buttons and the tabs: a click uncovers them.
    // The warning line keeps its text for whoever reads it, until the next request.
    WriteTrace("Message masqué par l'utilisateur : " + LbDebugInfo0->text());
    PanelWarning->hide();
}

void TAxKelvaro::waitForRequest(const std::function<void()>& work)
{
    ++RequestDepth;
    std::optional<InputHold> hold;
    if (RequestDepth == 1)
        hold.emplace(this);
    QEventLoop loop;
    std::thread worker([&] {
        work();
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Painting and timers go on; clicks and keys wait for the end of the request. A close asked
    // meanwhile cancels a download at once, and is taken up once the request ends.
    loop.exec();
    worker.join();
    hold.reset();
    if (--RequestDepth == 0 && !PendingWork.empty() && !FlushScheduled) {
        FlushScheduled = true;
        QMetaObject::invokeMethod(this, &TAxKelvaro::flushWork, Qt::QueuedConnection);
    }
    if (RequestDepth == 0 && CloseRequested)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

bool TAxKelvaro::HttpExecute(const std::string& url, const std::string& fileName)
{
    const std::string full = composeGetUrl(url, toCp1252(LbIDCustomer->text()));
    if (IdleSeconds > kIdleReconnectSeconds) {
        IdHTTP1->closeConnection();
        IdHTTP1Status("Disconnected.");
    }
    IdleSeconds = 0;
    WriteTrace("HttpExecute : " + fromCp1252(full) + " -> " + QString::fromStdString(fileName));

    RequestOutcome outcome;
    RunningStatement = isStatementUrl(full);
    waitForRequest(
        [&] { outcome = runGet(*IdHTTP1, full, [](int ms) { QThread::msleep(ulong(ms)); }); });
    RunningStatement = false;
    LastDelivery = outcome.failed ? outcome.delivery : Delivery::Answered;
    if (outcome.newConnection)
        IdHTTP1Status("Connected.");
    if (outcome.failed) {
        if (outcome.error.find(" 401") != std::string::npos) {
            IdHTTP1SelectAuthorization();
            IdHTTP1Authorization();
        } else if (outcome.error.find(" 407") != std::string::npos) {
            IdHTTP1SelectProxyAuthorization();
            IdHTTP1ProxyAuthorization();
        }
        setWarningText(failureWarning(outcome));
        WriteTrace("HttpExecute Exception : " + fromCp1252(outcome.error));
        return false;
    }
    const bool written = writeReplyFile(fileName, outcome.reply);
    if (!written)
        WriteTrace("HttpExecute : écriture impossible de " + QString::fromStdString(fileName));
    setWarningText(fromCp1252(outcome.warning));
    return written;
}

bool TAxKelvaro::HttpPost(const std::string& url, const std::string& fileName,
                          const MultipartForm& form)
{
    const std::string full = escapeUrl(url);
    WriteTrace("HttpPost : " + fromCp1252(full) + " -> " + QString::fromStdString(fileName));
    if (IdleSeconds > kIdleReconnectSeconds)
        IdHTTP1->closeConnection();
    IdleSeconds = 0;

    RequestOutcome outcome;
    RunningStatement = true;
    waitForRequest([&] { outcome = runPost(*IdHTTP1, full, form); });
    RunningStatement = false;
    LastDelivery = outcome.error.empty() ? Delivery::Answered : outcome.delivery;
    if (!writeReplyFile(fileName, outcome.reply))
        WriteTrace("HttpPost : écriture impossible de " + QString::fromStdString(fileName));
    if (!outcome.error.empty()) {
        // A refused or broken upload is never taken for a success.
        WriteTrace("HttpPost Exception : " + fromCp1252(outcome.error));
        setWarningText(failureWarning(outcome));
        return false;
    }
    setWarningText(fromCp1252(outcome.warning));
    return true;
}

bool TAxKelvaro::CachedGet(const std::string& url, const std::string& fileName)
{
    const bool fresh = ForceDocuments || ctrlHeld();
    const auto age = fileAgeSeconds(fileName);
    if (!fresh && age && *age < kCacheSeconds)
        return false;
    return HttpExecute(url, fileName);
}

bool TAxKelvaro::ctrlHeld() const
{
    // A shortcut runs its button's plain command, never the Ctrl variant.
    return !ShortcutRunning &&
           QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void TAxKelvaro::IdHTTP1Status(const QString& statusText)
{
    WriteTrace("Status : " + statusText);
}

void TAxKelvaro::IdHTTP1Authorization()
{
    WriteTrace("on IdHTTP1Authorization");
}

void TAxKelvaro::IdHTTP1ProxyAuthorization()
{
    WriteTrace("on IdHTTP1ProxyAuthorization");
}

void TAxKelvaro::IdHTTP1SelectAuthorization()
{
    WriteTrace("on IdHTTP1SelectAuthorization");
}

void TAxKelvaro::IdHTTP1SelectProxyAuthorization()
{
    WriteTrace("on IdHTTP1SelectProxyAuthorization");
}

std::optional<TXml> TAxKelvaro::fetchDocument(const std::string& url, const std::string& fileName,
                                              const char* caller)
{
    HttpExecute(url, fileName);
    if (!LbDebugInfo0->text().isEmpty())
        return std::nullopt;
    try {
        return TXml(LoadTextFile(fileName));
    } catch (const std::exception& error) {
        WriteTrace(QString::fromUtf8(caller) + " : " + QString::fromUtf8(error.what()));
        return std::nullopt;
    }
}
