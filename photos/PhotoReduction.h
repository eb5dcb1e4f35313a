#pragma once

#include <QString>
#include <QStringList>

#include "photos/RgbBitmap.h"

// Preparing a photo for the vehicle's record: two JPEG files, 640x480 and a 120x90 miniature,
// both resampled with Lanczos3 from the source picture (its aspect ratio is not kept), named
// after the concession, the vehicle and the photo number.

inline constexpr int FullPhotoWidth = 640;
inline constexpr int FullPhotoHeight = 480;
inline constexpr int MiniatureWidth = 120;
inline constexpr int MiniatureHeight = 90;

// First character of the concession, the vehicle identifier left-padded with "0" to 7
// characters, "-", the photo number left-padded to 2: B + 1234 + 3 gives "B0001234-03". Longer
// identifiers and numbers keep all their digits.
QString photoName(const QString& concession, const QString& vehicleId, int photoNumber);

// The miniature's file name: every ".jpg" of the destination name, in any letter case, becomes
// "m.jpg" ("B0001234-03.jpg" gives "B0001234-03m.jpg").
QString miniatureName(const QString& destination);

// The words that stand for the blurring editor's picture when there is no source file.
QString blurredPictureLabel();

// The two lines a reduction starts with: "Réduction & Transferts de : " + source + " vers : " +
// destination, then "Lecture de : " + source; an empty source reads as the blurred picture.
QStringList reductionOpeningLines(const QString& source, const QString& destination);

struct ReducedPhoto {
    RgbBitmap full; // the 640x480 picture, for the preview
    QString fullPath;
    QString miniaturePath;
    QString error; // French, empty when both files were written
    bool ok() const { return error.isEmpty(); }
};

// From a picture already in memory (the blurring editor's): writes folder/destination (640x480;
// a picture of exactly that size is copied, not resampled) and folder/miniatureName(destination)
// (120x90, always resampled from the picture itself).
ReducedPhoto reducePhoto(const RgbBitmap& picture, const QString& folder,
                         const QString& destination);
// The same from a JPEG file.
ReducedPhoto reducePhotoFile(const QString& source, const QString& folder,
                             const QString& destination);
