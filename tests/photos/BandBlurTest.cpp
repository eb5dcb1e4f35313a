// The selection and the blurred band across it.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "TestPictures.h"
#include "photos/BandBlur.h"
#include "photos/GaussBlur.h"

namespace {

struct SelectionCase {
    const char* name;
    PixelPoint start, end, origin;
    PixelRect rect;
};

TEST(BandBlurTest, SelectionRectSpansTheDragAndIsClippedToThePicture)
{
    const SelectionCase cases[] = {
        {"drag down right", {10, 20}, {110, 60}, {0, 0}, {10, 20, 110, 60}},
        {"drag up left", {110, 60}, {10, 20}, {0, 0}, {10, 20, 110, 60}},
        {"moved by the picture's place", {10, 20}, {110, 60}, {5, 7}, {15, 27, 115, 67}},
        {"beyond the bottom right", {600, 400}, {700, 900}, {0, 0}, {600, 400, 640, 480}},
        {"from before the top left", {-30, -5}, {40, 50}, {5, 7}, {5, 7, 45, 57}},
        {"click without a drag", {50, 50}, {50, 50}, {0, 0}, {50, 50, 50, 50}},
    };
    for (const SelectionCase& c : cases)
        EXPECT_EQ(SelectionRect(c.start, c.end, c.origin, 640, 480), c.rect) << c.name;
    EXPECT_TRUE(SelectionRect({50, 50}, {50, 50}, {0, 0}, 640, 480).isEmpty());
    EXPECT_TRUE(SelectionRect({-50, 10}, {-20, 40}, {0, 0}, 640, 480).isEmpty());
}

TEST(BandBlurTest, LineSideTellsAboveFromBelow)
{
    // The line from (0, 10) to (20, 30).
    EXPECT_EQ(LineSide(20, 10, 30, 10, 5), 1);   // above
    EXPECT_EQ(LineSide(20, 10, 30, 10, 25), -1); // below
    EXPECT_EQ(LineSide(20, 10, 30, 10, 20), 0);  // on it
    EXPECT_EQ(LineSide(0, 10, 10, 0, 3), 0);     // no length
}

class BandTest : public testing::Test {
protected:
    static constexpr int Width = 60, Height = 30, Thickness = 8, Radius = 2;
    // The crop blurred as a whole, and after BandBlur.
    void blurBand(bool downRight, int thickness = Thickness)
    {
        blurredAll = original;
        ASSERT_EQ(GBlur(viewOf(blurredAll), Radius), std::nullopt);
        band = original;
        ASSERT_EQ(BandBlur(original, viewOf(band), downRight, thickness, Radius), std::nullopt);
    }
    bool blurredAt(int x, int y) const
    {
        return std::equal(band.at(x, y), band.at(x, y) + 3, blurredAll.at(x, y));
    }
    bool originalAt(int x, int y) const
    {
        return std::equal(band.at(x, y), band.at(x, y) + 3, original.at(x, y));
    }

    const RgbBitmap original = testPicture(Width, Height, 11);
    RgbBitmap blurredAll, band;
};

TEST_F(BandTest, DownRightBandRunsFromTheTopLeftCorner)
{
    blurBand(true);
    EXPECT_TRUE(blurredAt(0, 0));
    EXPECT_TRUE(blurredAt(Width - 1, Height - 1));
    EXPECT_TRUE(originalAt(Width - 1, 0));
    EXPECT_TRUE(originalAt(0, Height - 1));
    for (int x = 0; x < Width; ++x)
        for (int y = 0; y < Height; ++y)
            EXPECT_TRUE(blurredAt(x, y) || originalAt(x, y)) << x << "," << y;
    // Column 0 keeps rows 0 to the thickness blurred.
    for (int y = 0; y < Height; ++y)
        EXPECT_TRUE(y <= Thickness ? blurredAt(0, y) : originalAt(0, y)) << "row " << y;
}

TEST_F(BandTest, UpRightBandRunsFromTheBottomLeftCorner)
{
    blurBand(false);
    EXPECT_TRUE(blurredAt(0, Height - 1));
    EXPECT_TRUE(blurredAt(Width - 1, 0));
    EXPECT_TRUE(originalAt(0, 0));
    EXPECT_TRUE(originalAt(Width - 1, Height - 1));
    for (int y = 0; y < Height; ++y)
        EXPECT_TRUE(y >= Height - 1 - Thickness ? blurredAt(0, y) : originalAt(0, y))
            << "row " << y;
}

TEST_F(BandTest, ThicknessBeyondTheCropBlursItWhole)
{
    blurBand(true, 100);
    EXPECT_TRUE(band == blurredAll);
}

TEST_F(BandTest, RefusesATargetThatIsNot24Bit)
{
    band = original;
    BitmapView view = viewOf(band);
    view.bitsPerPixel = 8;
    EXPECT_EQ(BandBlur(original, view, true, Thickness, Radius),
              std::optional<std::string>("GBlur only works for 24-bit bitmaps"));
    EXPECT_TRUE(band == original);
}

TEST(BandBlurTest, CropsAndPastesStayInsideThePicture)
{
    RgbBitmap picture = testPicture(20, 10, 12);
    const RgbBitmap crop = cropPicture(picture, {15, 5, 30, 20});
    EXPECT_EQ(crop.width, 5);
    EXPECT_EQ(crop.height, 5);
    EXPECT_TRUE(std::equal(crop.at(0, 0), crop.at(0, 0) + 3, picture.at(15, 5)));
    EXPECT_EQ(cropPicture(picture, {5, 5, 5, 9}).width, 0);

    const RgbBitmap before = picture;
    const RgbBitmap patch = greyPicture(6, 4, [](int, int) { return 7; });
    pastePicture(picture, patch, 17, 8); // only 3x2 of it fits
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool patched = x >= 17 && y >= 8;
            EXPECT_TRUE(patched
                            ? picture.at(x, y)[1] == 7
                            : std::equal(picture.at(x, y), picture.at(x, y) + 3, before.at(x, y)))
                << x << "," << y;
        }
}

} // namespace
