#pragma once

#include <optional>
#include <string>

#include "photos/ResampleFilters.h"
#include "photos/RgbBitmap.h"

// Separable resampling of a 24-bit picture: horizontally into a work picture as wide as the
// destination and as high as the source, then vertically into the destination.

// The instruction set of the passes. Both give the same bytes.
enum class ResamplePath { Baseline, Avx2 };

bool avx2Supported();
// AVX2 when the processor has it, else the baseline.
ResamplePath bestResamplePath();

// Fills the destination, at its width and height, with the resampled source (the aspect ratio is
// not kept). Returns the error text when the source has no pixels ("Source bitmap too small"); the
// destination is then left untouched. A destination without pixels is left empty.
[[nodiscard]] std::optional<std::string> ResampleBitmap(const RgbBitmap& source,
                                                        RgbBitmap& destination,
                                                        FilterFunction filter, float support);
// The same on a chosen instruction set; AVX2 on a processor without it runs the baseline.
[[nodiscard]] std::optional<std::string> ResampleBitmap(const RgbBitmap& source,
                                                        RgbBitmap& destination,
                                                        FilterFunction filter, float support,
                                                        ResamplePath path);

inline constexpr const char* SourceTooSmall = "Source bitmap too small";
