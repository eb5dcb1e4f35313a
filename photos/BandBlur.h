#pragma once

#include <optional>
#include <string>

#include "photos/RgbBitmap.h"

// Hiding a licence plate: a Gaussian blur kept only in a band that runs corner to corner across
// the selected crop, so that a plate seen at an angle is covered and its surroundings stay sharp.

struct PixelPoint {
    int x = 0;
    int y = 0;
};

// Right and bottom are exclusive: the width is right - left.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // A click without a drag, or a drag wholly beside the picture, selects nothing.
    bool isEmpty() const { return width() <= 0 || height() <= 0; }
    PixelRect movedBy(int dx, int dy) const
    {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    bool operator==(const PixelRect&) const = default;
};

// The rectangle spanned by the two points of a drag (picture coordinates), moved by the
// position of the picture in its window and clipped to the picture: window coordinates.
PixelRect SelectionRect(PixelPoint start, PixelPoint end, PixelPoint pictureOrigin,
                        int pictureWidth, int pictureHeight);

// Sign of w * (u - y) + x * (v - u) for the line from (0, u) to (w, v): positive when (x, y)
// lies above the line, negative below it, 0 on it (or for a line without length).
int LineSide(int w, int u, int v, int x, int y);

// Blurs target with the radius, then puts back the original pixels outside the band of vertical
// thickness `thickness` (at most the crop's height) that runs from the top-left to the
// bottom-right corner (bandDownRight) or from the bottom-left to the top-right corner. The band's
// edges stay blurred. original and target have the same size. Fails, changing nothing, when the
// target is not 24-bit ("GBlur only works for 24-bit bitmaps").
[[nodiscard]] std::optional<std::string> BandBlur(const RgbBitmap& original, BitmapView target,
                                                  bool bandDownRight, int thickness, double radius);

// The pixels of the picture inside the rectangle (picture coordinates; what lies outside the
// picture is left out).
RgbBitmap cropPicture(const RgbBitmap& picture, const PixelRect& rect);
// Copies the crop into the picture with its top-left corner at (left, top), as far as it fits.
void pastePicture(RgbBitmap& picture, const RgbBitmap& crop, int left, int top);
