#include "bench/CameraPhoto.h"

#include <algorithm>

#include "tests/photos/TestPictures.h"

namespace {

struct Colour {
    int r, g, b;
};

Colour mix(Colour a, Colour b, int t, int range)
{
    return {a.r + (b.r - a.r) * t / range, a.g + (b.g - a.g) * t / range,
            a.b + (b.b - a.b) * t / range};
}

} // namespace

RgbBitmap cameraPhoto(int width, int height, std::uint32_t seed)
{
    std::uint32_t state = seed * 2654435761u + 12345;
    RgbBitmap picture(width, height);
    const int horizon = height * 45 / 100;
    // The car: a body, a darker cabin with windows, two wheels and a white plate.
    const int bodyLeft = width * 15 / 100, bodyRight = width * 85 / 100;
    const int bodyTop = height * 50 / 100, bodyBottom = height * 78 / 100;
    const int cabinLeft = width * 30 / 100, cabinRight = width * 68 / 100;
    const int cabinTop = height * 36 / 100;
    const int wheelRadius = height * 9 / 100;
    const int wheelY = bodyBottom;
    const int wheelX[2] = {width * 28 / 100, width * 72 / 100};
    const int plateLeft = width * 44 / 100, plateRight = width * 56 / 100;
    const int plateTop = height * 68 / 100, plateBottom = height * 73 / 100;
    const Colour paint = {40 + int(seed % 150), 60, 150 - int(seed % 100)};

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Colour c;
            if (y < horizon) {
                c = mix({90, 140, 210}, {200, 215, 235}, y, horizon); // sky
                // Buildings along the horizon: hard vertical edges.
                const int block = (x / (width / 23 + 1)) * 7919 % 100;
                if (y > horizon - height * block / 400)
                    c = {120 + block, 110 + block / 2, 100 + block / 3};
            } else {
                c = mix({120, 118, 110}, {70, 68, 64}, y - horizon, height - horizon); // ground
                if ((x / 40 + y / 40) % 9 == 0)
                    c.r += 12, c.g += 12, c.b += 12; // paving
            }
            const bool inBody = x >= bodyLeft && x < bodyRight && y >= bodyTop && y < bodyBottom;
            const bool inCabin = x >= cabinLeft && x < cabinRight && y >= cabinTop && y < bodyTop;
            if (inBody) {
                c = mix(paint, {paint.r / 2, paint.g / 2, paint.b / 2}, y - bodyTop,
                        bodyBottom - bodyTop);
                if (y - bodyTop < 12)
                    c = {230, 230, 235}; // reflection
            } else if (inCabin) {
                const bool window =
                    (x - cabinLeft) % ((cabinRight - cabinLeft) / 2) > 20 && y > cabinTop + 20;
                c = window ? Colour{30, 40, 55}
                           : Colour{paint.r * 3 / 4, paint.g * 3 / 4, paint.b * 3 / 4};
            }
            for (int wx : wheelX) {
                const int dx = x - wx, dy = y - wheelY;
                const int d2 = dx * dx + dy * dy;
                if (d2 < wheelRadius * wheelRadius)
                    c = d2 < wheelRadius * wheelRadius / 3 ? Colour{170, 170, 175}
                                                           : Colour{25, 25, 28};
            }
            if (x >= plateLeft && x < plateRight && y >= plateTop && y < plateBottom) {
                const bool glyph = ((x - plateLeft) / 14) % 3 != 0 &&
                                   ((x - plateLeft) % 14 < 4 || (y - plateTop) % 30 < 5);
                c = glyph ? Colour{15, 15, 20} : Colour{240, 240, 240};
            }
            // Sensor noise, a few levels.
            const std::uint32_t noise = nextRandom(state);
            const int n[3] = {int(noise & 7) - 3, int((noise >> 3) & 7) - 3,
                              int((noise >> 6) & 7) - 3};
            std::uint8_t* pixel = picture.at(x, y);
            pixel[0] = std::uint8_t(std::clamp(c.r + n[0], 0, 255));
            pixel[1] = std::uint8_t(std::clamp(c.g + n[1], 0, 255));
            pixel[2] = std::uint8_t(std::clamp(c.b + n[2], 0, 255));
        }
    return picture;
}
