#pragma once

#include <cstdint>

#include "photos/RgbBitmap.h"

// A small generator with a fixed definition (std distributions differ between libraries), so
// that pictures made from a seed are the same on every machine.
inline std::uint32_t nextRandom(std::uint32_t& state)
{
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

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
