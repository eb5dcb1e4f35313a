#include "photos/PhotoFolder.h"

#include <QDir>
#include <QFileInfo>

bool isJpegFileName(const QString& name)
{
    return name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".jpeg"), Qt::CaseInsensitive);
}

FolderListing listJpegFiles(const QString& folder)
{
    FolderListing listing;
    if (folder.isEmpty())
        return listing;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        listing.error = QStringLiteral("Le dossier « %1 » ne peut pas être lu.").arg(folder);
        return listing;
    }
    const QFileInfoList entries =
        dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo& entry : entries)
        if (isJpegFileName(entry.fileName()))
            listing.photos.push_back({entry.fileName(), entry.lastModified()});
    return listing;
}

QString listTimeText(const QDateTime& time)
{
    // Fixed format: never the system locale's.
    return time.toString(QStringLiteral("dd/MM/yy HH:mm:ss"));
}

QString refusedPhotoText(const DecodedJpeg& decoded, const QString& fileName)
{
    if (decoded.damaged())
        return decoded.error;
    return QStringLiteral("Le fichier « %1 » n'est pas une image JPEG lisible.").arg(fileName);
}
