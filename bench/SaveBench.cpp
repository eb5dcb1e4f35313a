// The cost of the edit-conflict check: a save of one typed price on a used vehicle, the real window
// against the demo server on the loopback; and the re-read of the record alone, which the check
// adds to every save.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

#include "app/Paths.h"
#include "bench/DemoSettings.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"
#include "ui/Fonts.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"

namespace {

TAxKelvaro* theWindow = nullptr;

// The whole save: the record read again, compared, and the update sent.
void saveOnePrice(benchmark::State& state)
{
    int price = 20000;
    for (auto _ : state) {
        state.PauseTiming();
        theWindow->cPrixVente->setText(QString::number(++price) + ".00");
        state.ResumeTiming();
        if (!theWindow->SaveChanges() || !theWindow->LbDebugInfo0->text().isEmpty()) {
            const QString why = "l'enregistrement a échoué : " + theWindow->LbDebugInfo0->text();
            state.SkipWithError(why.toStdString().c_str());
            return;
        }
    }
}

// What the check adds: the record read again into its own reply file.
void rereadRecord(benchmark::State& state)
{
    for (auto _ : state) {
        if (!theWindow->rereadRecord()) {
            state.SkipWithError("la relecture a échoué");
            return;
        }
    }
}

} // namespace

BENCHMARK(saveOnePrice)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(rereadRecord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv)
{
    TempFolder folder;
    isolateBenchmark(folder);
    DemoServerProcess server;
    writeDemoSettings(server, folder, "1003", "");

    QApplication application(argc, argv);
    installFontSubstitutes();
    TAxKelvaro window;
    theWindow = &window;
    window.show();
    // The first load, as at start: the timer loop loads the record.
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (window.FlagEditable && window.RecordKind == "_TVO" && window.LbIdTVO->text() == "1003")
            loop.quit();
    });
    poll.start(50);
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    if (window.LbIdTVO->text() != "1003")
        return 1;
    window.Timer1->stop();

    return runRegisteredBenchmarks(argc, argv);
}
