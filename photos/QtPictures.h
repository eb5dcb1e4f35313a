#pragma once

#include <QImage>

#include "photos/RgbBitmap.h"

// Between the photo pipeline's pictures and the toolkit's images (24-bit RGB both ways).
QImage toQImage(const RgbBitmap& picture);
RgbBitmap fromQImage(const QImage& image);
