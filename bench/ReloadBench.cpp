// The launcher's reload as a user sees it: the real window on the offscreen platform, reached
// through its local channel, loads another record from the demo server on the loopback. Timed from
// the message (or from the launcher's start) to the moment the record's last page is filled, which
// is when the splash panel hides.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <thread>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QProcess>
#include <QTimer>

#include "app/IniFile.h"
#include "app/Paths.h"
#include "app/SingleInstance.h"
#include "bench/DemoSettings.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"
#include "ui/Fonts.h"
#include "ui/TAxKelvaro.h"

namespace {

// Notes when the splash panel hides while the wanted record is on screen.
class RecordShown : public QObject {
public:
    RecordShown(TAxKelvaro& window, QEventLoop& loop)
        : window_(window)
        , loop_(loop)
    {
        window.PanelSplash->installEventFilter(this);
    }
    ~RecordShown() override { window_.PanelSplash->removeEventFilter(this); }

    // Waits until the record is shown; the time since the clock started, in seconds (0 when the
    // record did not come within 10 s).
    double waitFor(const QString& record, const QElapsedTimer& clock)
    {
        wanted_ = record;
        clock_ = &clock;
        seconds_ = 0;
        QTimer::singleShot(10000, &loop_, &QEventLoop::quit);
        loop_.exec();
        return seconds_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && clock_ && seconds_ == 0 &&
            window_.LbIdTVO->text() == wanted_) {
            seconds_ = double(clock_->nsecsElapsed()) / 1e9;
            loop_.quit();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TAxKelvaro& window_;
    QEventLoop& loop_;
    QString wanted_;
    const QElapsedTimer* clock_ = nullptr;
    double seconds_ = 0;
};

TAxKelvaro* theWindow = nullptr;
int reloads = 0;

// The two used vehicles shown in turn, so that every reload really changes the record.
QString nextRecord()
{
    return ++reloads % 2 ? QStringLiteral("1002") : QStringLiteral("1001");
}

// The message as the launcher sends it, from another thread: the window answers on this one.
void reloadMessage(benchmark::State& state)
{
    for (auto _ : state) {
        const QString record = nextRecord();
        iniWrite(SettingsFileName(), "Options", "idTVO", record.toStdString());
        QEventLoop loop;
        RecordShown shown(*theWindow, loop);
        QElapsedTimer clock;
        clock.start();
        std::thread sender([] { SingleInstance::send("1024"); });
        const double seconds = shown.waitFor(record, clock);
        sender.join();
        if (seconds == 0) {
            state.SkipWithError("le dossier n'a pas été affiché");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

// The whole way: kelvaro-launch --set idTVO=... --reload started as a process.
void launcherReload(benchmark::State& state)
{
    for (auto _ : state) {
        const QString record = nextRecord();
        QEventLoop loop;
        RecordShown shown(*theWindow, loop);
        QProcess launcher;
        QElapsedTimer clock;
        clock.start();
        launcher.start(KELVARO_LAUNCHER, {"--set", "idTVO=" + record, "--reload"});
        const double seconds = shown.waitFor(record, clock);
        launcher.waitForFinished(5000);
        if (seconds == 0) {
            state.SkipWithError("le dossier n'a pas été affiché");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

} // namespace

BENCHMARK(reloadMessage)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(launcherReload)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(20)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    TempFolder folder;
    isolateBenchmark(folder);
    DemoServerProcess server;
    writeDemoSettings(server, folder, "1001", "");

    QApplication application(argc, argv);
    installFontSubstitutes();
    SingleInstance channel;
    if (!channel.listen())
        return 1;
    TAxKelvaro window;
    theWindow = &window;
    QObject::connect(&channel, &SingleInstance::messageReceived, &window,
                     &TAxKelvaro::onChannelMessage);
    window.show();
    // The first load, as at start.
    {
        QEventLoop loop;
        RecordShown shown(window, loop);
        QElapsedTimer clock;
        clock.start();
        if (shown.waitFor("1001", clock) == 0)
            return 1;
    }

    return runRegisteredBenchmarks(argc, argv);
}
