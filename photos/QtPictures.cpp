#include "photos/QtPictures.h"

#include <cstring>

QImage toQImage(const RgbBitmap& picture)
{
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.row(y), picture.rowBytes());
    return image;
}

RgbBitmap fromQImage(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbBitmap picture(rgb.width(), rgb.height());
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(picture.row(y), rgb.constScanLine(y), picture.rowBytes());
    return picture;
}
