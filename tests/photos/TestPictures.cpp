#include "TestPictures.h"

RgbBitmap testPicture(int width, int height, std::uint32_t seed)
{
    std::uint32_t state = seed * 2654435761u + 1;
    RgbBitmap picture(width, height);
    const int stripe = 3 + int(nextRandom(state) % 9);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* pixel = picture.at(x, y);
            const std::uint32_t noise = nextRandom(state);
            const bool edge = ((x / stripe) + (y / (stripe + 2))) % 2 == 0;
            for (int channel = 0; channel < 3; ++channel) {
                int value = (x * (60 + 40 * channel)) / (width + 1) + (y * 90) / (height + 1);
                value += edge ? 100 : 0;
                value += int((noise >> (8 * channel)) % 21) - 10;
                if ((noise >> 24) % 23 == 0)
                    value = (noise & 1) ? 255 : 0;
                pixel[channel] = std::uint8_t(value < 0 ? 0 : (value > 255 ? 255 : value));
            }
        }
    return picture;
}
