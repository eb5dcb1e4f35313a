#include "app/Cp1252.h"

#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>

QString fromCp1252(std::string_view bytes)
{
    // Windows-1252 leaves five bytes undefined; ICU maps them to controls, which keeps every byte.
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

std::string toCp1252(const QString& text)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Default);
    if (!encoder.isValid()) {
        const QByteArray latin = text.toLatin1();
        return std::string(latin.constData(), size_t(latin.size()));
    }
    const QByteArray bytes = encoder.encode(text);
    return std::string(bytes.constData(), size_t(bytes.size()));
}
