// Listing a camera's folder on the photos page: the real window on the offscreen platform, a
// folder of 200 and one of 2 000 photos of a 12-megapixel camera (a few pictures under many
// names). Measured once per folder: how long the listing holds the window's thread, when the
// window has been painted again after it, the longest pause of the window's event loop until every
// thumbnail is in, and when the thumbnails of the rows in view and then all of them have arrived.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "bench/CameraPhoto.h"
#include "bench/DemoSettings.h"
#include "photos/Jpeg.h"
#include "photos/Thumbnails.h"
#include "tests/demo-server/DemoServerProcess.h"
#include "tests/support/TempFolder.h"
#include "ui/Fonts.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"

namespace {

constexpr int kDistinctPhotos = 8;

TAxKelvaro* window = nullptr;

// The photos, written once, linked under the names of a camera's card.
std::string cameraFolder(const TempFolder& folder, int count)
{
    const std::filesystem::path pictures = folder.file("pictures");
    if (!std::filesystem::exists(pictures)) {
        std::filesystem::create_directories(pictures);
        for (int i = 0; i < kDistinctPhotos; ++i)
            writeJpegFile(cameraPhoto(4000, 3000, 2008 + i),
                          QString::fromStdString((pictures / std::to_string(i)).string()), 92);
    }
    const std::string camera = folder.file("camera-" + std::to_string(count));
    std::filesystem::create_directories(camera);
    for (int i = 0; i < count; ++i) {
        const std::string name =
            QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QChar('0')).toStdString();
        std::filesystem::create_hard_link(pictures / std::to_string(i % kDistinctPhotos),
                                          camera + "/" + name);
    }
    return camera;
}

bool hasIcon(ListView* list, int row)
{
    return !list->topLevelItem(row)->icon(0).isNull();
}

// Whether every row in view has its thumbnail.
bool visibleRowsDone(ListView* list)
{
    const QRect view = list->viewport()->rect();
    const int first = std::max(0, list->indexAt(view.topLeft()).row());
    int last = list->indexAt(QPoint(1, view.bottom())).row();
    if (last < 0)
        last = list->itemCount() - 1;
    for (int row = first; row <= last; ++row)
        if (!hasIcon(list, row))
            return false;
    return true;
}

void listing(benchmark::State& state, const std::string& folder)
{
    TAxKelvaro& w = *window;
    ListView* list = w.cListImageSource;
    for (auto _ : state) {
        // The longest pause between two turns of the event loop, measured by a 5 ms ticker.
        QElapsedTimer clock, tick;
        qint64 longestPause = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout,
                         [&] { longestPause = std::max(longestPause, tick.restart()); });
        ticker.start(5);
        clock.start();
        tick.start();
        w.ShowListeImages(QString::fromStdString(folder));
        const qint64 listed = clock.elapsed();
        w.repaint(); // the whole window painted while the thumbnails are decoded
        const qint64 painted = clock.elapsed();
        qint64 visible = -1;
        while (w.Thumbnails && w.Thumbnails->pending() > 0 && clock.elapsed() < 600000) {
            // Woken by the thumbnails and the ticker: the wait takes no core from the workers.
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
            if (visible < 0 && visibleRowsDone(list))
                visible = clock.elapsed();
        }
        const qint64 all = clock.elapsed();
        state.SetIterationTime(double(all) / 1000);
        state.counters["liste_ms"] = double(listed);
        state.counters["peinte_ms"] = double(painted);
        state.counters["visibles_ms"] = double(visible < 0 ? all : visible);
        state.counters["toutes_ms"] = double(all);
        state.counters["pause_max_ms"] = double(longestPause);
        state.counters["lignes"] = list->itemCount();
    }
}

} // namespace

int main(int argc, char** argv)
{
    TempFolder folder;
    isolateBenchmark(folder);
    DemoServerProcess sample;
    writeDemoSettings(sample, folder, "", "");

    QApplication application(argc, argv);
    installFontSubstitutes();
    TAxKelvaro w;
    window = &w;
    w.Timer1->stop();
    w.StartDone = 1;
    w.resize(1024, 768);
    w.show();
    w.Tabs->setCurrentIndex(5); // the photos page, prepared as on its first display

    for (const int count : {200, 2000}) {
        const std::string camera = cameraFolder(folder, count);
        benchmark::RegisterBenchmark(("liste/" + std::to_string(count)).c_str(),
                                     [camera](benchmark::State& state) { listing(state, camera); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return runRegisteredBenchmarks(argc, argv);
}
