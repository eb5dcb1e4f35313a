#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include <QString>
#include <QWidget>

#include "server/RequestClient.h"

class QFrame;
class QLabel;
class QTabWidget;
class QTimer;

// The main window. It owns every state of the record shown and every operation of the program;
// its methods are defined in the folder of their subsystem (app/, server/, view/, ...).
class TAxKelvaro : public QWidget {
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
    // Runs work outside the timer handler and outside any request, in the order queued.
    void queueWork(std::function<void()> work);

    // ---- Server exchange (server/) ----
    void HttpExecute(const std::string& url, const std::string& fileName);
    void HttpPost(const std::string& url, const std::string& fileName, const MultipartForm& form);
    void CachedGet(const std::string& url, const std::string& fileName);
    void UpdateParams();
    void IdHTTP1Status(const QString& statusText);
    void IdHTTP1Authorization();
    void IdHTTP1ProxyAuthorization();
    void IdHTTP1SelectAuthorization();
    void IdHTTP1SelectProxyAuthorization();
    // Sets the warning label; the warning panel is shown exactly while it holds text.
    void setWarningText(const QString& text);
    // Path of a reply file in TempFolder.
    std::string replyPath(const char* fileName) const;
    bool requestRunning() const { return RequestDepth > 0; }

    // ---- Record view (view/) ----
    void UpdateView(bool reloadDescriptions);

    // ---- Search and duplicates (search/) ----
    void HttpGetSearchInfo(int extraRows);
    void HttpGetDblInfo();

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

    // Request clients: IdHTTP1 for the server's endpoints, IdHTTP2 for photo files.
    std::unique_ptr<RequestClient> IdHTTP1;
    std::unique_ptr<RequestClient> IdHTTP2;
    int RequestDepth = 0;

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

private:
    void buildLayout();
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
