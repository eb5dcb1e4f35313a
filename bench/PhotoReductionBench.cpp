// Preparing a camera photo: decode a 4000x3000 JPEG, reduce it to 640x480 and 120x90 and encode
// both (wholeReduction), against decoding alone (decodeOnly); and the plate blur of a crop.
//
// The photo is written to $KELVARO_BENCH_PHOTO (default: the temporary folder), where
// bench/compare-with-pillow reads the same file.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>

#include <QString>
#include <benchmark/benchmark.h>

#include "bench/CameraPhoto.h"
#include "photos/GaussBlur.h"
#include "photos/Jpeg.h"
#include "photos/PhotoFolder.h"
#include "photos/PhotoReduction.h"
#include "photos/Resample.h"

namespace {

std::filesystem::path benchFolder()
{
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "kelvaro-bench-photos";
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

// The camera's file: 4000x3000, 4:2:0, quality 92.
const QString& photoFile()
{
    static const QString path = [] {
        const char* chosen = std::getenv("KELVARO_BENCH_PHOTO");
        const std::string file =
            chosen && *chosen ? chosen : (benchFolder() / "camera-4000x3000.jpg").string();
        const QString error =
            writeJpegFile(cameraPhoto(4000, 3000, 2008), QString::fromStdString(file), 92);
        if (!error.isEmpty()) {
            std::cerr << error.toStdString() << "\n";
            std::exit(1);
        }
        return QString::fromStdString(file);
    }();
    return path;
}

void decodeOnly(benchmark::State& state)
{
    const QString& file = photoFile();
    for (auto _ : state) {
        const DecodedJpeg decoded = readJpegFile(file);
        benchmark::DoNotOptimize(decoded.picture.pixels.data());
    }
}

void wholeReduction(benchmark::State& state)
{
    const QString& file = photoFile();
    const QString folder = QString::fromStdString(benchFolder().string());
    for (auto _ : state) {
        const ReducedPhoto reduced =
            reducePhotoFile(file, folder, QStringLiteral("B0001234-01.jpg"));
        if (!reduced.ok())
            state.SkipWithError(reduced.error.toStdString().c_str());
    }
}

// The two resamplings alone, on each instruction set.
void resampleBothSizes(benchmark::State& state)
{
    const ResamplePath path = state.range(0) ? ResamplePath::Avx2 : ResamplePath::Baseline;
    if (path == ResamplePath::Avx2 && !avx2Supported()) {
        state.SkipWithError("no AVX2");
        return;
    }
    const DecodedJpeg decoded = readJpegFile(photoFile());
    for (auto _ : state) {
        RgbBitmap full(640, 480), miniature(120, 90);
        (void)ResampleBitmap(decoded.picture, full, Lanczos3Filter, 3.0f, path);
        (void)ResampleBitmap(decoded.picture, miniature, Lanczos3Filter, 3.0f, path);
        benchmark::DoNotOptimize(miniature.pixels.data());
    }
    state.SetLabel(path == ResamplePath::Avx2 ? "avx2" : "baseline");
}

// A thumbnail of the local list: the camera's file decoded at 1/8 scale by the DCT.
void thumbnailDecode(benchmark::State& state)
{
    const QString& file = photoFile();
    for (auto _ : state) {
        const DecodedJpeg decoded = readJpegFileScaled(file, 32, 24);
        benchmark::DoNotOptimize(decoded.picture.pixels.data());
    }
}

// The names of a folder of 200 camera photos, with their times as the list shows them: what
// the photos page does before the thumbnails fill in.
void listFolder200(benchmark::State& state)
{
    const std::filesystem::path folder = benchFolder() / "camera-card";
    std::filesystem::create_directories(folder);
    for (int i = 0; i < 200; ++i) {
        const auto link = folder / ("IMG_" + std::to_string(1000 + i) + ".JPG");
        if (!std::filesystem::exists(link))
            std::filesystem::create_hard_link(photoFile().toStdString(), link);
    }
    const QString path = QString::fromStdString(folder.string());
    for (auto _ : state) {
        const FolderListing listing = listJpegFiles(path);
        QStringList times;
        for (const LocalPhoto& photo : listing.photos)
            times << listTimeText(photo.modified);
        benchmark::DoNotOptimize(times.size());
    }
}

void blurCrop200x60(benchmark::State& state)
{
    const RgbBitmap crop = cameraPhoto(200, 60, 7);
    for (auto _ : state) {
        RgbBitmap picture = crop;
        (void)GBlur(viewOf(picture), 10);
        benchmark::DoNotOptimize(picture.pixels.data());
    }
}

// Keeps the times of the runs to print the ratio of the whole reduction to the decoding.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                cpuTimes[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> cpuTimes;
};

} // namespace

BENCHMARK(decodeOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(wholeReduction)->Unit(benchmark::kMillisecond);
BENCHMARK(resampleBothSizes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(blurCrop200x60)->Unit(benchmark::kMicrosecond);
BENCHMARK(thumbnailDecode)->Unit(benchmark::kMillisecond);
BENCHMARK(listFolder200)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto decode = reporter.cpuTimes.find("decodeOnly");
    const auto whole = reporter.cpuTimes.find("wholeReduction");
    if (decode != reporter.cpuTimes.end() && whole != reporter.cpuTimes.end())
        std::cout << "wholeReduction / decodeOnly (processor time): "
                  << whole->second / decode->second << " (goal: under 3)\n";
    benchmark::Shutdown();
    return 0;
}
