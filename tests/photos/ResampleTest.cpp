// What the resampler makes of particular pictures, on every instruction set of this processor.
#include <string>

#include <gtest/gtest.h>

#include "PlainResample.h"
#include "TestPictures.h"
#include "photos/Contributors.h"
#include "photos/Resample.h"

namespace {

class ResampleTest : public testing::TestWithParam<ResamplePath> {
protected:
    void SetUp() override
    {
        if (GetParam() == ResamplePath::Avx2 && !avx2Supported())
            GTEST_SKIP() << "this processor has no AVX2";
    }
    RgbBitmap resample(const RgbBitmap& source, int width, int height, int filter = Lanczos3Row)
    {
        RgbBitmap destination(width, height);
        const FilterEntry& entry = FilterTable[filter];
        EXPECT_EQ(ResampleBitmap(source, destination, entry.filter, entry.support, GetParam()),
                  std::nullopt);
        return destination;
    }
};

TEST_P(ResampleTest, SameSizeReproducesThePicture)
{
    const RgbBitmap source = testPicture(640, 480, 1);
    EXPECT_TRUE(resample(source, 640, 480) == source);
}

TEST_P(ResampleTest, ReflectionAtTheLeftEdgeSkipsTheEdgeAndAtTheRightRepeatsIt)
{
    // Bell at scale 1 weighs the neighbours 0.125 and the pixel 0.75. Column 0 reads index -1 as
    // pixel 1 (160): 0.75 * 0 + 0.25 * 160 = 40; column 7 reads index 8 as pixel 7 (0):
    // 0.125 * 160 = 20.
    const RgbBitmap source =
        greyPicture(8, 8, [](int x, int) { return x == 0 || x == 7 ? 0 : 160; });
    const RgbBitmap result = resample(source, 8, 8, 3);
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(result.at(0, y)[0], 40) << "row " << y;
        EXPECT_EQ(result.at(7, y)[2], 20) << "row " << y;
        EXPECT_EQ(result.at(3, y)[1], 160) << "row " << y;
    }
}

TEST_P(ResampleTest, OnePixelWideSourceFillsEveryColumnAlike)
{
    // Every column reads the one source column; Lanczos weights add up to 1 only nearly, and
    // differently at each position, so columns may differ by a unit or two.
    const RgbBitmap source = testPicture(1, 20, 2);
    const RgbBitmap result = resample(source, 9, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 1; x < 9; ++x)
            for (int channel = 0; channel < 3; ++channel)
                EXPECT_NEAR(result.at(x, y)[channel], result.at(0, y)[channel], 2) << x << "," << y;
    // A single column enlarged nine times still follows the source's rows.
    const RgbBitmap dark = greyPicture(1, 20, [](int, int y) { return y < 10 ? 10 : 240; });
    const RgbBitmap stretched = resample(dark, 9, 7);
    EXPECT_LT(stretched.at(4, 0)[0], 30);
    EXPECT_GT(stretched.at(4, 6)[0], 220);
}

TEST_P(ResampleTest, OvershootIsClampedToTheByteRange)
{
    // A hard edge enlarged with Lanczos3 rings: the sums just beside it leave 0..255.
    const RgbBitmap source = greyPicture(12, 12, [](int x, int) { return x < 6 ? 0 : 255; });
    const RgbBitmap result = resample(source, 37, 12);
    const auto columns = buildContributors(37, 12, Lanczos3Filter, 3.0f);
    const auto rawSum = [&](int column) {
        float sum = 0;
        for (const Contributor& c : columns[column])
            sum = sum + c.weight * float(source.at(c.pixel, 0)[0]);
        return sum;
    };
    int above = 0, below = 0;
    for (int column = 0; column < 37; ++column) {
        const float sum = rawSum(column);
        if (sum > 255.5f) {
            ++above;
            EXPECT_EQ(result.at(column, 5)[0], 255) << "column " << column;
        }
        if (sum < -0.5f) {
            ++below;
            EXPECT_EQ(result.at(column, 5)[0], 0) << "column " << column;
        }
    }
    EXPECT_GT(above, 0);
    EXPECT_GT(below, 0);
}

TEST_P(ResampleTest, PortraitSourceIsStretchedToTheDestination)
{
    // 480x640 into 640x480: the left third dark, a vertical ramp elsewhere.
    const RgbBitmap source =
        greyPicture(480, 640, [](int x, int y) { return x < 160 ? 20 : 40 + y * 200 / 639; });
    const RgbBitmap result = resample(source, 640, 480);
    EXPECT_EQ(result.at(200, 240)[0], 20);  // 200 * 479 / 639 = 150: still dark
    EXPECT_GT(result.at(230, 240)[0], 100); // 230 * 479 / 639 = 172: the ramp
    for (int y : {0, 120, 240, 479}) {
        const int sourceRow = y * 639 / 479;
        EXPECT_NEAR(result.at(600, y)[1], 40 + sourceRow * 200 / 639, 2) << "row " << y;
    }
}

TEST_P(ResampleTest, SourceWithoutPixelsFailsAndLeavesTheDestination)
{
    RgbBitmap destination = testPicture(4, 3, 3);
    const RgbBitmap before = destination;
    for (const RgbBitmap& empty : {RgbBitmap(), RgbBitmap(0, 5), RgbBitmap(5, 0)}) {
        const auto failure = ResampleBitmap(empty, destination, Lanczos3Filter, 3.0f, GetParam());
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(*failure, "Source bitmap too small");
        EXPECT_TRUE(destination == before);
    }
}

INSTANTIATE_TEST_SUITE_P(Paths, ResampleTest,
                         testing::Values(ResamplePath::Baseline, ResamplePath::Avx2),
                         [](const auto& info) {
                             return std::string(info.param == ResamplePath::Avx2 ? "Avx2"
                                                                                 : "Baseline");
                         });

} // namespace
