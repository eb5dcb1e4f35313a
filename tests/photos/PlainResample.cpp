#include "PlainResample.h"

#include <cmath>

#include "photos/Contributors.h"
#include "photos/Resample.h"

namespace {

unsigned char clampedRound(float sum)
{
    if (sum > 255.0f)
        return 255;
    if (sum < 0.0f)
        return 0;
    return static_cast<unsigned char>(std::nearbyint(sum)); // halves to even
}

} // namespace

std::optional<std::string> plainResampleBitmap(const RgbBitmap& source, RgbBitmap& destination,
                                               FilterFunction filter, float support)
{
    if (source.width < 1 || source.height < 1)
        return std::string(SourceTooSmall);
    destination.pixels.assign(RgbBitmap::byteCount(destination.width, destination.height), 0);
    if (destination.pixels.empty())
        return std::nullopt;

    RgbBitmap work(destination.width, source.height);
    const auto columns = buildContributors(destination.width, source.width, filter, support);
    for (int r = 0; r < source.height; ++r)
        for (int i = 0; i < destination.width; ++i)
            for (int channel = 0; channel < 3; ++channel) {
                float sum = 0.0f;
                for (const Contributor& c : columns[i])
                    sum = sum + c.weight * float(source.at(c.pixel, r)[channel]);
                work.at(i, r)[channel] = clampedRound(sum);
            }

    const auto rows = buildContributors(destination.height, source.height, filter, support);
    for (int c = 0; c < destination.width; ++c)
        for (int i = 0; i < destination.height; ++i)
            for (int channel = 0; channel < 3; ++channel) {
                float sum = 0.0f;
                for (const Contributor& k : rows[i])
                    sum = sum + k.weight * float(work.at(c, k.pixel)[channel]);
                destination.at(c, i)[channel] = clampedRound(sum);
            }
    return std::nullopt;
}
