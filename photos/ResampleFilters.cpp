#include "photos/ResampleFilters.h"

#include <cmath>
#include <numbers>

float Sinc(float x)
{
    if (x == 0.0f)
        return 1.0f;
    const float angle = float(std::numbers::pi * double(x));
    return float(std::sin(double(angle)) / double(angle));
}

float BoxFilter(float x)
{
    return (x > -0.5f && x <= 0.5f) ? 1.0f : 0.0f;
}

float TriangleFilter(float x)
{
    const float a = std::fabs(x);
    return a < 1.0f ? 1.0f - a : 0.0f;
}

float HermiteFilter(float x)
{
    const float a = std::fabs(x);
    if (a < 1.0f)
        return (2.0f * a - 3.0f) * (a * a) + 1.0f;
    return 0.0f;
}

float BellFilter(float x)
{
    const float a = std::fabs(x);
    if (a < 0.5f)
        return 0.75f - a * a;
    if (a < 1.5f) {
        const float t = a - 1.5f;
        return 0.5f * (t * t);
    }
    return 0.0f;
}

// B-Spline and Mitchell hold fractions (2/3, 1/6, 16/3, -7/3, 32/3) that single precision cannot
// represent: they are evaluated in extended precision and only the result is rounded.
float SplineFilter(float x)
{
    const long double a = std::fabs(x);
    if (a < 1.0L)
        return float(0.5L * a * a * a - a * a + 2.0L / 3.0L);
    if (a < 2.0L) {
        const long double t = 2.0L - a;
        return float(t * t * t / 6.0L);
    }
    return 0.0f;
}

float Lanczos3Filter(float x)
{
    const float a = std::fabs(x);
    if (a < 3.0f)
        return Sinc(a) * Sinc(a / 3.0f);
    return 0.0f;
}

float MitchellFilter(float x)
{
    const long double a = std::fabs(x);
    if (a < 1.0L)
        return float((7.0L * a * a * a - 12.0L * a * a + 16.0L / 3.0L) / 6.0L);
    if (a < 2.0L)
        return float((-7.0L / 3.0L * a * a * a + 12.0L * a * a - 20.0L * a + 32.0L / 3.0L) / 6.0L);
    return 0.0f;
}

const std::array<FilterEntry, 7> FilterTable = {{
    {"Box", BoxFilter, 0.5f},
    {"Triangle", TriangleFilter, 1.0f},
    {"Hermite", HermiteFilter, 1.0f},
    {"Bell", BellFilter, 1.5f},
    {"B-Spline", SplineFilter, 2.0f},
    {"Lanczos3", Lanczos3Filter, 3.0f},
    {"Mitchell", MitchellFilter, 2.0f},
}};
