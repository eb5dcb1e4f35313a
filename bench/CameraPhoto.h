#pragma once

#include <cstdint>

#include "photos/RgbBitmap.h"

// A picture like a dealership's photo of a car, the same for a seed on every machine: sky and
// ground gradients, a car body with windows, wheels and a plate, building edges, sensor noise.
RgbBitmap cameraPhoto(int width, int height, std::uint32_t seed);
