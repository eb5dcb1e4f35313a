#include "photos/Resample.h"

#include <memory>
#include <vector>

#include "photos/Contributors.h"
#include "photos/PictureMemory.h"
#include "photos/ResamplePasses.h"

namespace {

// The contributor lists of one pass in three flat arrays, as the passes read them; a pixel's
// offset is its index times the size of one pixel (or row) in the buffer the pass reads.
struct FlatWeights {
    std::vector<int> first;
    std::vector<std::ptrdiff_t> offset;
    std::vector<float> weight;

    FlatWeights(const std::vector<ContributorList>& lists, std::ptrdiff_t pixelSize)
    {
        first.reserve(lists.size() + 1);
        first.push_back(0);
        for (const ContributorList& list : lists) {
            for (const Contributor& c : list) {
                offset.push_back(c.pixel * pixelSize);
                weight.push_back(c.weight);
            }
            first.push_back(int(offset.size()));
        }
    }
    PassWeights view() const { return {first.data(), offset.data(), weight.data()}; }
};

struct PictureMemoryFree {
    void operator()(void* memory) const { freePictureMemory(memory); }
};

// A buffer whose contents the pass writes before reading: not cleared.
template <class T> std::unique_ptr<T[], PictureMemoryFree> passBuffer(std::size_t count)
{
    return std::unique_ptr<T[], PictureMemoryFree>(
        static_cast<T*>(allocatePictureMemory(count * sizeof(T))));
}

} // namespace

bool avx2Supported()
{
    static const bool supported = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    return supported;
}

ResamplePath bestResamplePath()
{
    return avx2Supported() ? ResamplePath::Avx2 : ResamplePath::Baseline;
}

std::optional<std::string> ResampleBitmap(const RgbBitmap& source, RgbBitmap& destination,
                                          FilterFunction filter, float support)
{
    return ResampleBitmap(source, destination, filter, support, bestResamplePath());
}

std::optional<std::string> ResampleBitmap(const RgbBitmap& source, RgbBitmap& destination,
                                          FilterFunction filter, float support, ResamplePath path)
{
    if (source.width < 1 || source.height < 1)
        return std::string(SourceTooSmall);
    destination.pixels.assign(RgbBitmap::byteCount(destination.width, destination.height), 0);
    if (destination.pixels.empty())
        return std::nullopt;

    const ResampleKernels& kernels = path == ResamplePath::Avx2 && avx2Supported()
                                         ? avx2ResampleKernels()
                                         : baselineResampleKernels();

    // Every byte of the work picture is written by the horizontal pass: it needs no clearing.
    const std::size_t workStride = destination.rowBytes();
    const auto work = passBuffer<std::uint8_t>(workStride * source.height);
    const FlatWeights columns(buildContributors(destination.width, source.width, filter, support),
                              3 * kernels.bandRows);
    const auto band = passBuffer<float>(std::size_t(source.width) * 3 * kernels.bandRows);
    kernels.horizontal({source.pixels.data(), source.rowBytes(), source.width, source.height,
                        columns.view(), destination.width, work.get(), workStride, band.get()});

    const FlatWeights rows(buildContributors(destination.height, source.height, filter, support),
                           std::ptrdiff_t(workStride));
    kernels.vertical({work.get(), workStride, int(workStride), rows.view(), destination.height,
                      destination.pixels.data(), destination.rowBytes()});
    return std::nullopt;
}
