// Weights of the resampling filters and contributor lists, to the bit.
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "photos/Contributors.h"
#include "photos/ResampleFilters.h"

namespace {

const FilterEntry& filterNamed(const std::string& name)
{
    for (const FilterEntry& entry : FilterTable)
        if (name == entry.name)
            return entry;
    throw std::runtime_error("no filter " + name);
}

struct FilterCase {
    const char* filter;
    float x;
    float weight;
};

TEST(ResampleFiltersTest, WeightsAreTheSingleRoundedValues)
{
    const FilterCase cases[] = {
        {"Lanczos3", 0.25f, 0x1.c7b6dep-1f},
        {"Lanczos3", 0.5f, 0x1.374238p-1f},
        {"Lanczos3", -0.5f, 0x1.374238p-1f},
        {"Lanczos3", 1.5f, -0x1.14aca4p-3f},
        {"Lanczos3", 2.5f, 0x1.8e694p-6f},
        {"Lanczos3", 0.0f, 1.0f},
        {"Lanczos3", 3.0f, 0.0f},
        {"Mitchell", 0.5f, 0x1.11c71cp-1f},
        {"B-Spline", 0.5f, 0x1.eaaaaap-2f},
        {"B-Spline", 2.0f, 0.0f},
        {"Box", 0.5f, 1.0f},
        {"Box", -0.5f, 0.0f},
        {"Box", 0.0f, 1.0f},
        {"Triangle", -0.25f, 0.75f},
        {"Triangle", 1.0f, 0.0f},
        {"Hermite", 0.5f, 0.5f},
        {"Bell", 0.25f, 0.6875f},
        {"Bell", 1.0f, 0.125f},
        {"Bell", 1.5f, 0.0f},
    };
    for (const FilterCase& c : cases) {
        const float weight = filterNamed(c.filter).filter(c.x);
        // Bit for bit: -0 and 0 or two close floats are not the same weight here.
        EXPECT_EQ(std::memcmp(&weight, &c.weight, sizeof weight), 0)
            << c.filter << "(" << c.x << ") = " << weight << ", expected " << c.weight;
    }
}

TEST(ResampleFiltersTest, SincIsOneAtZeroAndNearlyZeroAtWholeNumbers)
{
    EXPECT_EQ(Sinc(0.0f), 1.0f);
    // pi * 1 rounded to single precision is not pi: its sine is about -8.7e-8, not 0.
    EXPECT_NE(Sinc(1.0f), 0.0f);
    EXPECT_LT(std::abs(Sinc(1.0f)), 1e-7f);
}

TEST(ResampleFiltersTest, ReductionScaleAndContributorsOfAColumn)
{
    const float scale = resampleScale(640, 4000);
    EXPECT_EQ(scale, 0x1.473ff4p-3f);

    const ContributorSpan span = contributorSpan(1, scale, 3.0f);
    EXPECT_EQ(span.left, -13);
    EXPECT_EQ(span.right, 26);

    // j = -13 and j = 26 weigh 0 and are left out: j = -12 .. 25, reflected.
    const auto lists = buildContributors(640, 4000, Lanczos3Filter, 3.0f);
    const ContributorList& column = lists[1];
    ASSERT_EQ(column.size(), 38u);
    EXPECT_EQ(column[0].pixel, 12); // j = -12
    EXPECT_EQ(column[0].weight, 0x1.08c574p-13f);
    EXPECT_EQ(column[1].pixel, 11); // j = -11
    EXPECT_EQ(column[1].weight, 0x1.21ecfep-10f);
    EXPECT_EQ(column[18].pixel, 6); // j = 6
    EXPECT_EQ(column[18].weight, 0x1.463b8ep-3f);
}

TEST(ResampleFiltersTest, OnePixelSourcesAndDestinationsScaleByTheirRatio)
{
    EXPECT_EQ(resampleScale(9, 1), 9.0f); // not (9 - 1) / 0
    EXPECT_EQ(resampleScale(1, 4), 0.25f);
    EXPECT_EQ(resampleScale(640, 480), 639.0f / 479.0f);
}

struct ReflectCase {
    int j;
    int size;
    int pixel;
};

TEST(ResampleFiltersTest, ReflectionRepeatsTheRightEdgeOnly)
{
    const ReflectCase cases[] = {
        {-1, 10, 1},
        {-3, 10, 3},
        {0, 10, 0},
        {9, 10, 9},
        {10, 10, 9},
        {11, 10, 8},
        {12, 10, 7},
        // Sources smaller than the filter's reach: what one reflection leaves outside is clamped.
        {-3, 2, 1},
        {4, 2, 0},
        {-1, 1, 0},
        {2, 1, 0},
    };
    for (const ReflectCase& c : cases)
        EXPECT_EQ(reflectIndex(c.j, c.size), c.pixel) << c.j << " in " << c.size;
}

} // namespace
