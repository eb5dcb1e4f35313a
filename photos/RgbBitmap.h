#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "photos/PictureMemory.h"

// A 24-bit colour picture: three 8-bit channels (red, green, blue) per pixel, rows top to bottom,
// packed without padding. The photo pipeline works on this one format.
struct RgbBitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t, PictureAllocator<std::uint8_t>> pixels; // width * height * 3 bytes

    RgbBitmap() = default;
    RgbBitmap(int w, int h)
        : width(w)
        , height(h)
        , pixels(byteCount(w, h))
    {}

    static std::size_t byteCount(int w, int h)
    {
        return w > 0 && h > 0 ? std::size_t(w) * std::size_t(h) * 3 : 0;
    }
    std::size_t rowBytes() const { return std::size_t(width) * 3; }
    std::uint8_t* row(int y) { return pixels.data() + std::size_t(y) * rowBytes(); }
    const std::uint8_t* row(int y) const { return pixels.data() + std::size_t(y) * rowBytes(); }
    std::uint8_t* at(int x, int y) { return row(y) + std::size_t(x) * 3; }
    const std::uint8_t* at(int x, int y) const { return row(y) + std::size_t(x) * 3; }

    bool operator==(const RgbBitmap&) const = default;
};

// Pixels owned elsewhere (an RgbBitmap, a toolkit image), seen with their own row stride and pixel
// size, so that the blur can refuse a picture that is not 24-bit instead of misreading it.
struct BitmapView {
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0; // bytes from one row to the next
    int bitsPerPixel = 24;

    std::uint8_t* row(int y) const { return bits + std::ptrdiff_t(y) * stride; }
    std::uint8_t* at(int x, int y) const { return row(y) + std::ptrdiff_t(x) * 3; }
};

inline BitmapView viewOf(RgbBitmap& picture)
{
    return {picture.pixels.data(), picture.width, picture.height,
            std::ptrdiff_t(picture.rowBytes()), 24};
}
