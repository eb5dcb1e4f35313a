#include "photos/Jpeg.h"

#include <memory>
#include <new>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <turbojpeg.h>

namespace {

struct HandleDestroy {
    void operator()(void* handle) const { tjDestroy(handle); }
};
using JpegHandle = std::unique_ptr<void, HandleDestroy>;

struct BufferFree {
    void operator()(unsigned char* buffer) const { tjFree(buffer); }
};
using JpegBuffer = std::unique_ptr<unsigned char, BufferFree>;

// Pictures above this many pixels are refused rather than risking the memory of the machine
// (a 50-megapixel camera gives 50 million).
constexpr long long MaxPixels = 200'000'000;

QString codecDetail(void* handle)
{
    return QString::fromUtf8(tjGetErrorStr2(handle));
}

// A warning of the codec: the data is corrupt or cut short.
DecodedJpeg damagedJpeg(void* handle)
{
    DecodedJpeg result;
    result.damage = codecDetail(handle);
    result.error = QStringLiteral("L'image est endommagée : %1").arg(result.damage);
    return result;
}

} // namespace

DecodedJpeg decodeJpeg(std::string_view bytes)
{
    return decodeJpegScaled(bytes, 0, 0);
}

DecodedJpeg decodeJpegScaled(std::string_view bytes, int boxWidth, int boxHeight)
{
    DecodedJpeg result;
    const JpegHandle handle(tjInitDecompress());
    if (!handle) {
        result.error = QStringLiteral("Le décodeur JPEG n'a pas pu être initialisé.");
        return result;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    int width = 0, height = 0, subsampling = 0, colorspace = 0;
    if (tjDecompressHeader3(handle.get(), data, bytes.size(), &width, &height, &subsampling,
                            &colorspace) != 0) {
        if (tjGetErrorCode(handle.get()) == TJERR_WARNING)
            return damagedJpeg(handle.get());
        result.error = QStringLiteral("Ce fichier n'est pas une image JPEG lisible (%1).")
                           .arg(codecDetail(handle.get()));
        return result;
    }
    if (width < 1 || height < 1 || static_cast<long long>(width) * height > MaxPixels) {
        result.error = QStringLiteral("L'image JPEG est trop grande pour être traitée (%1×%2).")
                           .arg(width)
                           .arg(height);
        return result;
    }
    const int fullWidth = width, fullHeight = height;
    if (boxWidth > 0 && boxHeight > 0) {
        int count = 0;
        const tjscalingfactor* factors = tjGetScalingFactors(&count);
        for (int i = 0; i < count; ++i) {
            const tjscalingfactor f = factors[i];
            const int w = TJSCALED(fullWidth, f), h = TJSCALED(fullHeight, f);
            if (f.num <= f.denom && w >= boxWidth && h >= boxHeight && w * h < width * height) {
                width = w;
                height = h;
            }
        }
    }
    try {
        result.picture = RgbBitmap(width, height);
    } catch (const std::bad_alloc&) {
        result.error = QStringLiteral("Mémoire insuffisante pour décoder l'image JPEG (%1×%2).")
                           .arg(width)
                           .arg(height);
        return result;
    }
    // Stopped at the first warning: a damaged file is refused, not decoded to its end.
    if (tjDecompress2(handle.get(), data, bytes.size(), result.picture.pixels.data(), width,
                      int(result.picture.rowBytes()), height, TJPF_RGB,
                      TJFLAG_STOPONWARNING) != 0) {
        if (tjGetErrorCode(handle.get()) == TJERR_WARNING)
            return damagedJpeg(handle.get());
        result.error = QStringLiteral("L'image JPEG n'a pas pu être décodée (%1).")
                           .arg(codecDetail(handle.get()));
        result.picture = {};
    }
    return result;
}

DecodedJpeg readJpegFile(const QString& path)
{
    return readJpegFileScaled(path, 0, 0);
}

DecodedJpeg readJpegFileScaled(const QString& path, int boxWidth, int boxHeight)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        DecodedJpeg result;
        result.error = QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(path);
        return result;
    }
    const QByteArray bytes = file.readAll();
    DecodedJpeg result = decodeJpegScaled(
        std::string_view(bytes.constData(), std::size_t(bytes.size())), boxWidth, boxHeight);
    if (result.damaged())
        result.error = QStringLiteral("L'image %1 est endommagée : %2")
                           .arg(QFileInfo(path).fileName(), result.damage);
    else if (!result.ok())
        result.error = QStringLiteral("« %1 » : %2").arg(path, result.error);
    return result;
}

EncodedJpeg encodeJpeg(const RgbBitmap& picture, int quality)
{
    EncodedJpeg result;
    if (picture.width < 1 || picture.height < 1) {
        result.error = QStringLiteral("Une image sans pixels ne peut pas être enregistrée.");
        return result;
    }
    const JpegHandle handle(tjInitCompress());
    if (!handle) {
        result.error = QStringLiteral("L'encodeur JPEG n'a pas pu être initialisé.");
        return result;
    }
    unsigned char* output = nullptr;
    unsigned long size = 0;
    const int status =
        tjCompress2(handle.get(), picture.pixels.data(), picture.width, int(picture.rowBytes()),
                    picture.height, TJPF_RGB, &output, &size, TJSAMP_420, quality, 0);
    const JpegBuffer owned(output);
    if (status != 0) {
        result.error = QStringLiteral("L'image n'a pas pu être encodée en JPEG (%1).")
                           .arg(codecDetail(handle.get()));
        return result;
    }
    result.bytes.assign(reinterpret_cast<const char*>(owned.get()), size);
    return result;
}

QString writeJpegFile(const RgbBitmap& picture, const QString& path, int quality)
{
    const EncodedJpeg encoded = encodeJpeg(picture, quality);
    if (!encoded.ok())
        return encoded.error;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(encoded.bytes.data(), qint64(encoded.bytes.size())) !=
            qint64(encoded.bytes.size()) ||
        !file.commit())
        return QStringLiteral("Le fichier « %1 » ne peut pas être écrit.").arg(path);
    return {};
}
