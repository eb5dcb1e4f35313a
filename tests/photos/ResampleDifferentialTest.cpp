// The fast resampler against the plain one, byte for byte, on both instruction sets.
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "PlainResample.h"
#include "TestPictures.h"
#include "photos/Resample.h"

namespace {

struct SizeCase {
    const char* name;
    int sourceWidth, sourceHeight;
    int width, height;
    int filter;
};

const SizeCase Cases[] = {
    {"OddReduction", 37, 29, 11, 13, Lanczos3Row},
    {"OddEnlargement", 13, 17, 40, 33, Lanczos3Row},
    {"OnePixelWideSource", 1, 20, 9, 7, Lanczos3Row},
    {"OnePixelWideDestination", 31, 9, 1, 5, Lanczos3Row},
    {"TinySource", 2, 3, 9, 8, Lanczos3Row},
    {"Identity640x480", 640, 480, 640, 480, Lanczos3Row},
    {"Photo3000x2000To640x480", 3000, 2000, 640, 480, Lanczos3Row},
    {"Photo3000x2000To120x90", 3000, 2000, 120, 90, Lanczos3Row},
    {"Camera4000x3000To640x480", 4000, 3000, 640, 480, Lanczos3Row},
    {"Box", 53, 41, 20, 70, 0},
    {"Triangle", 53, 41, 20, 70, 1},
    {"Hermite", 53, 41, 20, 70, 2},
    {"Bell", 53, 41, 20, 70, 3},
    {"BSpline", 53, 41, 20, 70, 4},
    {"Mitchell", 53, 41, 20, 70, 6},
};

class ResampleDifferentialTest : public testing::TestWithParam<std::tuple<SizeCase, ResamplePath>> {
};

TEST_P(ResampleDifferentialTest, FastEqualsPlain)
{
    const auto& [size, path] = GetParam();
    if (path == ResamplePath::Avx2 && !avx2Supported())
        GTEST_SKIP() << "this processor has no AVX2";
    const RgbBitmap source = testPicture(size.sourceWidth, size.sourceHeight, size.width);
    const FilterEntry& filter = FilterTable[size.filter];

    RgbBitmap expected(size.width, size.height);
    ASSERT_EQ(plainResampleBitmap(source, expected, filter.filter, filter.support), std::nullopt);
    RgbBitmap fast(size.width, size.height);
    ASSERT_EQ(ResampleBitmap(source, fast, filter.filter, filter.support, path), std::nullopt);

    ASSERT_EQ(fast.pixels.size(), expected.pixels.size());
    std::size_t differences = 0, first = 0;
    for (std::size_t i = expected.pixels.size(); i-- > 0;)
        if (fast.pixels[i] != expected.pixels[i]) {
            ++differences;
            first = i;
        }
    EXPECT_EQ(differences, 0u) << "first at byte " << first << " of " << expected.pixels.size();
}

INSTANTIATE_TEST_SUITE_P(Pictures, ResampleDifferentialTest,
                         testing::Combine(testing::ValuesIn(Cases),
                                          testing::Values(ResamplePath::Baseline,
                                                          ResamplePath::Avx2)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) == ResamplePath::Avx2 ? "Avx2"
                                                                                   : "Baseline");
                         });

} // namespace
