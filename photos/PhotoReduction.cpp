#include "photos/PhotoReduction.h"

#include "photos/Jpeg.h"
#include "photos/Resample.h"

QString photoName(const QString& concession, const QString& vehicleId, int photoNumber)
{
    return concession.left(1) + vehicleId.rightJustified(7, QLatin1Char('0')) + QLatin1Char('-') +
           QString::number(photoNumber).rightJustified(2, QLatin1Char('0'));
}

QString miniatureName(const QString& destination)
{
    QString name = destination;
    return name.replace(QLatin1String(".jpg"), QLatin1String("m.jpg"), Qt::CaseInsensitive);
}

QString blurredPictureLabel()
{
    return QStringLiteral("\"image floutée\"");
}

QStringList reductionOpeningLines(const QString& source, const QString& destination)
{
    const QString label = source.isEmpty() ? blurredPictureLabel() : source;
    return {QStringLiteral("Réduction & Transferts de : ") + label + QStringLiteral(" vers : ") +
                destination,
            QStringLiteral("Lecture de : ") + label};
}

namespace {

// A picture of the given size resampled with Lanczos3; the error of the resampler otherwise.
QString resampled(const RgbBitmap& picture, int width, int height, RgbBitmap& result)
{
    result = RgbBitmap(width, height);
    const FilterEntry& lanczos = FilterTable[Lanczos3Row];
    if (auto failure = ResampleBitmap(picture, result, lanczos.filter, lanczos.support))
        return QString::fromStdString(*failure);
    return {};
}

} // namespace

ReducedPhoto reducePhoto(const RgbBitmap& picture, const QString& folder,
                         const QString& destination)
{
    ReducedPhoto reduced;
    reduced.fullPath = folder + QLatin1Char('/') + destination;
    reduced.miniaturePath = folder + QLatin1Char('/') + miniatureName(destination);
    if (picture.width == FullPhotoWidth && picture.height == FullPhotoHeight)
        reduced.full = picture;
    else
        reduced.error = resampled(picture, FullPhotoWidth, FullPhotoHeight, reduced.full);
    if (reduced.ok())
        reduced.error = writeJpegFile(reduced.full, reduced.fullPath);
    if (!reduced.ok())
        return reduced;
    RgbBitmap miniature;
    reduced.error = resampled(picture, MiniatureWidth, MiniatureHeight, miniature);
    if (reduced.ok())
        reduced.error = writeJpegFile(miniature, reduced.miniaturePath);
    return reduced;
}

ReducedPhoto reducePhotoFile(const QString& source, const QString& folder,
                             const QString& destination)
{
    const DecodedJpeg decoded = readJpegFile(source);
    if (!decoded.ok()) {
        ReducedPhoto failed;
        failed.error = decoded.error;
        return failed;
    }
    return reducePhoto(decoded.picture, folder, destination);
}
