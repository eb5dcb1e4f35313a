#include "app/Cp1252.h"

#include <QList>
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

namespace {
bool saveable(char32_t codePoint)
{
    if (codePoint < 0x80)
        return true;
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(QString::fromUcs4(&codePoint, 1));
    // The encoder writes the substitute byte (0x1A) for what it cannot hold.
    return !encoder.hasError() && bytes.size() == 1 && bytes[0] != '\x1A';
}
} // namespace

QString saveableText(const QString& text, QString* refused)
{
    // Text as typed is nearly always plain: nothing to look at beyond Latin-1's letters.
    bool plain = true;
    for (const QChar c : text)
        plain = plain && c.unicode() < 0x100 && (c.unicode() < 0x80 || c.unicode() >= 0xA0);
    if (plain)
        return text;
    QString kept;
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (saveable(codePoint))
            kept += character;
        else if (refused)
            *refused += character;
    }
    return kept;
}
