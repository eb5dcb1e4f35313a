#pragma once

#include <vector>

#include <QDateTime>
#include <QString>

#include "photos/Jpeg.h"

// The JPEG files of the local photo folder (a camera's card or a shared folder).

// ".jpg" or ".jpeg", in any letter case: cameras write "IMG_0001.JPG".
bool isJpegFileName(const QString& name);

struct LocalPhoto {
    QString name;
    QDateTime modified;
};

struct FolderListing {
    std::vector<LocalPhoto> photos; // in the order the folder gives them
    QString error;                  // French, when the folder cannot be read
};

// The JPEG files of a folder, directories skipped. An empty folder name gives an empty listing
// without error.
FolderListing listJpegFiles(const QString& folder);

// A file time as the local list shows it: "dd/mm/yy hh:mm:ss" (25/12/07 14:30:05).
QString listTimeText(const QDateTime& time);

// Why a local photo cannot be used: a damaged one names its damage, anything else is not a
// readable JPEG image.
QString refusedPhotoText(const DecodedJpeg& decoded, const QString& fileName);
