// The 250 ms timer: idle clock, one-shot count-downs, blinking frame and the first load.
#include "ui/TAxKelvaro.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>

#include "app/FileVersion.h"
#include "app/HintFilter.h"
#include "app/ProxySettings.h"

void TAxKelvaro::Timer1Timer()
{
    // Only counters change here; the work a tick triggers is queued, so that the handler never
    // waits for a request and the ticks go on.
    if (++SubTick > 3) {
        SubTick = 0;
        ++IdleSeconds;
    }
    if (DupCountdown != 0 && --DupCountdown == 0)
        queueWork([this] { HttpGetDblInfo(); });
    if (SearchCountdown != 0 && --SearchCountdown == 0)
        queueWork([this] { HttpGetSearchInfo(0); });
    if (JournalDirty)
        flushJournal();
    if (BlinkOn && ++BlinkTicks % 3 == 1)
        Shape1->setVisible(Shape1->isHidden());
    LbDebugInfo3->setText("[" + QString::number(ParamSetCount) + "]" + LbHttpRoot->text() + " - " +
                          BaseHRef + " - " + LbIdTVO->text() + " - " + URLImages);
    if (ParamSetCount > 11) {
        if (StartDone++ == 0)
            queueWork([this] { firstLoad(); });
    }
}

void TAxKelvaro::firstLoad()
{
    WriteTrace("on TimerOK : ");
    const QString component = QCoreApplication::applicationDirPath() + "/" + OCXName;
    // The component may be the running program itself, whose version is compiled in.
    const bool itself = QFileInfo(component).canonicalFilePath() ==
                        QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    InstalledVersion = (itself ? QString::fromLatin1(compiledFileVersion())
                               : QString::fromStdString(GetFileVersion(component.toStdString())))
                           .replace('.', ',');
    QString version = "TAxKelvaro-" + InstalledVersion + "-";
    configureProxy();
    if (!ProxyAddress.isEmpty())
        version += ProxyAddress + "-";
    LbVersion->setText(version);
    if (InstalledVersion != OCXVersion)
        LbVersion->setStyleSheet("color: #ff0000");
    UpdateParams();
    UpdateView(true);
    installHintHandling(this);
}

void TAxKelvaro::configureProxy()
{
    ProxyAddress = QString::fromStdString(proxyServerFromEnvironment());
    if (ProxyAddress.isEmpty())
        return;
    const ProxyEndpoint proxy = splitProxyAddress(ProxyAddress.toStdString());
    IdHTTP1->setProxy(proxy.host, proxy.port);
    IdHTTP2->setProxy(proxy.host, proxy.port);
    const QString host = QString::fromStdString(proxy.host);
    const QString user = QString::fromStdString(proxy.user);
    WriteTrace("Connexion Proxy : " + host + " - " + QString::number(proxy.port) + " - " + user);
    LbDebugInfo1->setText(host + " - " + QString::number(proxy.port) + " - " + user);
}

void TAxKelvaro::queueWork(std::function<void()> work)
{
    PendingWork.push_back(std::move(work));
    if (!FlushScheduled && RequestDepth == 0 && !WorkRunning) {
        FlushScheduled = true;
        QMetaObject::invokeMethod(this, &TAxKelvaro::flushWork, Qt::QueuedConnection);
    }
}

void TAxKelvaro::flushWork()
{
    FlushScheduled = false;
    // Inside a request (or inside another piece of work that processes events) the work waits;
    // the end of the request or of that work schedules it again.
    if (RequestDepth > 0 || WorkRunning)
        return;
    WorkRunning = true;
    while (!PendingWork.empty() && RequestDepth == 0) {
        std::function<void()> work = std::move(PendingWork.front());
        PendingWork.pop_front();
        work();
    }
    WorkRunning = false;
}
