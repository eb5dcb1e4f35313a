// The Gaussian kernel and the blur of whole pictures.
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "PlainBlur.h"
#include "TestPictures.h"
#include "photos/GaussBlur.h"

namespace {

TEST(GaussBlurTest, KernelHalfWidthsFollowTheRadius)
{
    const std::pair<double, int> cases[] = {{5, 14}, {2, 5}, {10, 30}};
    for (const auto& [radius, size] : cases)
        EXPECT_EQ(blurKernel(radius).Size, size) << "radius " << radius;
    EXPECT_EQ(blurKernel(0).Weights, blurKernel(1).Weights); // radius 0 counts as 1
    EXPECT_EQ(blurKernel(0).Size, blurKernel(1).Size);

    const GaussKernel kernel = blurKernel(5);
    EXPECT_NEAR(kernel.weight(0), 0.0801, 0.00005);
    double sum = 0;
    for (int j = -kernel.Size; j <= kernel.Size; ++j) {
        EXPECT_EQ(kernel.weight(j), kernel.weight(-j));
        sum += kernel.weight(j);
    }
    EXPECT_NEAR(sum, 1.0, 1e-6);
}

TEST(GaussBlurTest, TrimAndTruncate)
{
    const std::tuple<int, int, int, int> trims[] = {
        {0, 9, 4, 4}, {0, 9, -3, 0}, {0, 9, 12, 9}, {0, 9, 9, 9}, {0, 0, 5, 0}};
    for (const auto& [low, high, value, expected] : trims)
        EXPECT_EQ(TrimToRange(low, high, value), expected) << value;

    const std::pair<double, int> truncations[] = {{-0.5, 0},        {0, 0},        {199.999, 199},
                                                  {199.99999, 200}, {254.99, 254}, {254.99999, 255},
                                                  {255, 255},       {300, 255}};
    for (const auto& [sum, byte] : truncations)
        EXPECT_EQ(TruncToByte(sum), byte) << sum;
}

TEST(GaussBlurTest, UniformPicturesStayUniform)
{
    // Each pass truncates, but the single-precision weights' rounding never takes one off.
    for (double radius : {2.0, 5.0, 10.0}) {
        for (int value : {0, 1, 200, 255}) {
            RgbBitmap picture = greyPicture(23, 17, [&](int, int) { return value; });
            ASSERT_EQ(GBlur(viewOf(picture), radius), std::nullopt);
            const int first = picture.pixels[0];
            for (std::uint8_t byte : picture.pixels)
                ASSERT_EQ(byte, first) << "radius " << radius << ", value " << value;
            EXPECT_EQ(first, value) << "radius " << radius;
        }
    }
}

TEST(GaussBlurTest, EdgePixelsAreRepeatedBeyondTheLine)
{
    // One bright pixel at the start of a dark line: the offsets before it read it again, so it
    // keeps about half its value; with dark pixels beyond the edge it would keep only w(0).
    std::uint8_t line[20 * 3] = {};
    line[0] = line[1] = line[2] = 255;
    std::uint8_t buffer[20 * 3];
    const GaussKernel kernel = blurKernel(5);
    BlurLine(line, 19, kernel, buffer);
    double kept = 0;
    for (int k = 0; k <= kernel.Size; ++k)
        kept += 255.0 * kernel.weight(k);
    EXPECT_EQ(line[0], TruncToByte(kept));
    EXPECT_GT(line[0], 120);
    EXPECT_EQ(line[3 * 19], 0);
}

struct BlurSize {
    int width, height;
};
using BlurCase = std::tuple<BlurSize, double>;

class GBlurDifferentialTest : public testing::TestWithParam<BlurCase> {};

TEST_P(GBlurDifferentialTest, FastEqualsPlain)
{
    const auto& [size, radius] = GetParam();
    RgbBitmap fast = testPicture(size.width, size.height, std::uint32_t(size.width * radius));
    RgbBitmap plain = fast;
    ASSERT_EQ(GBlur(viewOf(fast), radius), std::nullopt);
    plainGBlur(plain, radius);
    EXPECT_TRUE(fast == plain);
}

std::string blurCaseName(const testing::TestParamInfo<BlurCase>& info)
{
    const BlurSize size = std::get<0>(info.param);
    return std::to_string(size.width) + "x" + std::to_string(size.height) + "Radius" +
           std::to_string(int(std::get<1>(info.param)));
}

INSTANTIATE_TEST_SUITE_P(Pictures, GBlurDifferentialTest,
                         testing::Combine(testing::Values(BlurSize{1, 1}, BlurSize{1, 9},
                                                          BlurSize{9, 1}, BlurSize{13, 5},
                                                          BlurSize{200, 60}, BlurSize{640, 480}),
                                          testing::Values(2.0, 5.0, 10.0)),
                         blurCaseName);

TEST(GaussBlurTest, RefusesPicturesThatAreNot24Bit)
{
    RgbBitmap picture = testPicture(8, 6, 10);
    const RgbBitmap before = picture;
    BitmapView view = viewOf(picture);
    view.bitsPerPixel = 32;
    EXPECT_EQ(GBlur(view, 5), std::optional<std::string>("GBlur only works for 24-bit bitmaps"));
    EXPECT_TRUE(picture == before);
}

} // namespace
