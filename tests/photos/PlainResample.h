#pragma once

#include <optional>
#include <string>

#include "photos/ResampleFilters.h"
#include "photos/RgbBitmap.h"

// The resampler written as plainly as it is described, one value at a time: the reference that
// the fast passes must equal byte for byte.
std::optional<std::string> plainResampleBitmap(const RgbBitmap& source, RgbBitmap& destination,
                                               FilterFunction filter, float support);
