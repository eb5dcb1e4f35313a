#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "photos/RgbBitmap.h"

// Gaussian blur of 24-bit pictures: a kernel cut where its tails no longer change a byte, applied
// to every row and then to every column, with the edge pixels repeated beyond the picture.

inline constexpr int MaxKernelSize = 100;

struct GaussKernel {
    int Size = 0;                                       // half-width used: offsets -Size to Size
    std::array<float, 2 * MaxKernelSize + 1> Weights{}; // offsets -100 to 100

    float weight(int offset) const { return Weights[offset + MaxKernelSize]; }
    float& weight(int offset) { return Weights[offset + MaxKernelSize]; }
};

// Radius 0 counts as 1. The tails are cut while what they hold stays below
// granularity / (2 * maximum), then the weights kept are normalised again.
GaussKernel BuildGaussKernel(double radius, double maxData, double granularity);

// The kernel of the blur: data maximum 255, granularity 1.
GaussKernel blurKernel(double radius);

// value when low <= value <= high, high above, low below.
int TrimToRange(int low, int high, int value);

// Truncated toward zero between 0 and 255; 255 from 255 up, 0 below 0.
std::uint8_t TruncToByte(double sum);

// Blurs one line of n + 1 pixels (3 bytes each) in place, through the buffer q of the same size:
// each channel of pixel i is the sum, in double precision and in the order of the offsets
// k = -Size .. Size, of weight(k) times the channel of pixel TrimToRange(0, n, i - k).
void BlurLine(std::uint8_t* pixels, int n, const GaussKernel& kernel, std::uint8_t* q);

inline constexpr const char* NotTwentyFourBits = "GBlur only works for 24-bit bitmaps";

// Blurs the whole picture in place, rows first, then columns. Fails with NotTwentyFourBits when
// the picture is not 24-bit. Several rows and columns are summed at once, each value with the
// arithmetic of BlurLine, so the result is the same to the byte.
[[nodiscard]] std::optional<std::string> GBlur(BitmapView picture, double radius);
