// The file version of a 30 MB executable: read and searched (the file changed since the last
// question), and answered again from what was kept.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

#include "app/FileVersion.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr size_t kFileSize = 30 * 1024 * 1024;

const std::string& componentFile()
{
    static TempFolder folder;
    static const std::string path = [] {
        // Bytes of every value, the marker near the end as in a linked program's data.
        std::string bytes(kFileSize, '\0');
        for (size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = char((i * 2654435761u) >> 13);
        std::string marker = "@(#)Kelvaro";
        marker += "FileVersion 7.8.9.10";
        marker += '\0';
        bytes.replace(bytes.size() - 4096, marker.size(), marker);
        const std::string file = folder.file("component");
        writeFile(file, bytes);
        return file;
    }();
    return path;
}

void changedFile(benchmark::State& state)
{
    const std::string& path = componentFile();
    auto written = std::filesystem::last_write_time(path);
    for (auto _ : state) {
        state.PauseTiming();
        written += std::chrono::seconds(1);
        std::filesystem::last_write_time(path, written);
        state.ResumeTiming();
        benchmark::DoNotOptimize(GetFileVersion(path));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(kFileSize));
}

void unchangedFile(benchmark::State& state)
{
    const std::string& path = componentFile();
    GetFileVersion(path);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetFileVersion(path));
}

} // namespace

BENCHMARK(changedFile)->Unit(benchmark::kMillisecond);
BENCHMARK(unchangedFile)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
