#include "photos/BandBlur.h"

#include <algorithm>
#include <cstring>

#include "photos/GaussBlur.h"

PixelRect SelectionRect(PixelPoint start, PixelPoint end, PixelPoint pictureOrigin,
                        int pictureWidth, int pictureHeight)
{
    PixelRect rect{std::min(start.x, end.x), std::min(start.y, end.y), std::max(start.x, end.x),
                   std::max(start.y, end.y)};
    rect = rect.movedBy(pictureOrigin.x, pictureOrigin.y);
    rect.left = std::max(rect.left, pictureOrigin.x);
    rect.top = std::max(rect.top, pictureOrigin.y);
    rect.right = std::min(rect.right, pictureOrigin.x + pictureWidth);
    rect.bottom = std::min(rect.bottom, pictureOrigin.y + pictureHeight);
    return rect;
}

int LineSide(int w, int u, int v, int x, int y)
{
    const long long side =
        static_cast<long long>(w) * (u - y) + static_cast<long long>(x) * (v - u);
    return side > 0 ? 1 : (side < 0 ? -1 : 0);
}

std::optional<std::string> BandBlur(const RgbBitmap& original, BitmapView target,
                                    bool bandDownRight, int thickness, double radius)
{
    if (target.bitsPerPixel != 24)
        return std::string(NotTwentyFourBits);
    if (auto failure = GBlur(target, radius))
        return failure;

    const int height = target.height;
    const int a = std::min(thickness, height);
    const int w = target.width - 1;
    const int r1 = height - 1 - a;
    const int r2 = a;
    // Line L1 from (0, u1) to (w, v1), line L2 from (0, u2) to (w, v2).
    const int u1 = bandDownRight ? 0 : r1, v1 = bandDownRight ? r1 : 0;
    const int u2 = bandDownRight ? r2 : height - 1, v2 = bandDownRight ? height - 1 : r2;
    const int width = std::min(target.width, original.width);
    const int rows = std::min(height, original.height);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < rows; ++y)
            if (LineSide(w, u1, v1, x, y) > 0 || LineSide(w, u2, v2, x, y) < 0)
                std::memcpy(target.at(x, y), original.at(x, y), 3);
    return std::nullopt;
}

RgbBitmap cropPicture(const RgbBitmap& picture, const PixelRect& rect)
{
    const PixelRect inside = SelectionRect({rect.left, rect.top}, {rect.right, rect.bottom}, {},
                                           picture.width, picture.height);
    if (inside.isEmpty())
        return {};
    RgbBitmap crop(inside.width(), inside.height());
    for (int y = 0; y < crop.height; ++y)
        std::memcpy(crop.row(y), picture.at(inside.left, inside.top + y), crop.rowBytes());
    return crop;
}

void pastePicture(RgbBitmap& picture, const RgbBitmap& crop, int left, int top)
{
    // Only the part of the crop that falls inside the picture.
    const PixelRect inside = SelectionRect({left, top}, {left + crop.width, top + crop.height}, {},
                                           picture.width, picture.height);
    if (inside.isEmpty())
        return;
    for (int y = inside.top; y < inside.bottom; ++y)
        std::memcpy(picture.at(inside.left, y), crop.at(inside.left - left, y - top),
                    std::size_t(inside.width()) * 3);
}
