#pragma once

#include <cstdint>

#include "photos/RgbBitmap.h"

// Pictures for the photo tests, the same for a given seed on every machine: smooth gradients
// crossed by hard edges (which make Lanczos overshoot), with noise and saturated pixels.
RgbBitmap testPicture(int width, int height, std::uint32_t seed);

// Every channel of pixel (x, y) is value(x, y).
template <class Value> RgbBitmap greyPicture(int width, int height, Value value)
{
    RgbBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int channel = 0; channel < 3; ++channel)
                picture.at(x, y)[channel] = static_cast<std::uint8_t>(value(x, y));
    return picture;
}
