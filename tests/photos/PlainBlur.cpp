#include "PlainBlur.h"

#include <vector>

#include "photos/GaussBlur.h"

void plainGBlur(RgbBitmap& picture, double radius)
{
    const GaussKernel kernel = blurKernel(radius);
    std::vector<std::uint8_t> q(std::size_t(std::max(picture.width, picture.height)) * 3);
    for (int y = 0; y < picture.height; ++y)
        BlurLine(picture.row(y), picture.width - 1, kernel, q.data());

    std::vector<std::uint8_t> column(std::size_t(picture.height) * 3);
    for (int x = 0; x < picture.width; ++x) {
        for (int y = 0; y < picture.height; ++y)
            std::copy(picture.at(x, y), picture.at(x, y) + 3, column.begin() + y * 3);
        BlurLine(column.data(), picture.height - 1, kernel, q.data());
        for (int y = 0; y < picture.height; ++y)
            std::copy(column.begin() + y * 3, column.begin() + y * 3 + 3, picture.at(x, y));
    }
}
