#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "photos/RgbBitmap.h"

// JPEG files of the photos, through libjpeg-turbo: decoded to 24-bit pixels (grey pictures become
// grey RGB), encoded baseline with 4:2:0 chroma as the codec's defaults do.

inline constexpr int PhotoJpegQuality = 90;

struct DecodedJpeg {
    RgbBitmap picture;
    QString error;  // French, empty when the picture was decoded
    QString damage; // the codec's own account of corrupt data, when that is why it was refused
    bool ok() const { return error.isEmpty(); }
    bool damaged() const { return !damage.isEmpty(); }
};

struct EncodedJpeg {
    std::string bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// The bytes of a JPEG file. Corrupt or missing data, which the codec only warns of (it would
// fill the rest with grey), refuses the picture as damaged: "L'image est endommagée : " and the
// codec's text; a file read names the file: "L'image IMG_0001.JPG est endommagée : ...".
DecodedJpeg decodeJpeg(std::string_view bytes);
DecodedJpeg readJpegFile(const QString& path);

// Decoded at reduced scale by the codec's DCT scaling (1/8 to 1): the smallest scale whose picture
// still covers a box of that size, or the full size when none does. For previews and thumbnails.
DecodedJpeg decodeJpegScaled(std::string_view bytes, int boxWidth, int boxHeight);
DecodedJpeg readJpegFileScaled(const QString& path, int boxWidth, int boxHeight);

EncodedJpeg encodeJpeg(const RgbBitmap& picture, int quality = PhotoJpegQuality);
// Writes the file whole or not at all; returns the error, empty on success.
QString writeJpegFile(const RgbBitmap& picture, const QString& path,
                      int quality = PhotoJpegQuality);
