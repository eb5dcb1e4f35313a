#pragma once

#include <array>

// The weighting functions of the resampler. Arithmetic is single precision with one rounding per
// operation (these files are compiled without contraction into fused multiply-adds), so weights
// are the same on every machine.

// A filter takes an offset in source pixels and returns its weight.
using FilterFunction = float (*)(float);

struct FilterEntry {
    const char* name;
    FilterFunction filter;
    float support; // half-width of the non-zero part of the filter
};

// sin(pi x) / (pi x), 1 at 0; pi x is rounded to single precision before its sine is taken.
float Sinc(float x);

float BoxFilter(float x);
float TriangleFilter(float x);
float HermiteFilter(float x);
float BellFilter(float x);
float SplineFilter(float x);
float Lanczos3Filter(float x);
float MitchellFilter(float x);

// The seven filters by index: 0 "Box", 1 "Triangle", 2 "Hermite", 3 "Bell", 4 "B-Spline",
// 5 "Lanczos3", 6 "Mitchell".
extern const std::array<FilterEntry, 7> FilterTable;

// The row of the photo reductions.
inline constexpr int Lanczos3Row = 5;
