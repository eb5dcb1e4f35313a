// JPEG files of the photos through libjpeg-turbo.
#include <cstdlib>
#include <string>

#include <QFile>
#include <gtest/gtest.h>
#include <turbojpeg.h>

#include "TestPictures.h"
#include "photos/Jpeg.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/QtPrinting.h"

namespace {

RgbBitmap smoothPicture(int width, int height)
{
    RgbBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            picture.at(x, y)[0] = std::uint8_t(x * 255 / width);
            picture.at(x, y)[1] = std::uint8_t(y * 255 / height);
            picture.at(x, y)[2] = std::uint8_t(128);
        }
    return picture;
}

double meanDifference(const RgbBitmap& a, const RgbBitmap& b)
{
    double total = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i)
        total += std::abs(int(a.pixels[i]) - int(b.pixels[i]));
    return total / double(a.pixels.size());
}

// The first value of the first quantisation table (marker DQT, 0xFFDB).
int firstQuantisationValue(const std::string& jpeg)
{
    const std::size_t marker = jpeg.find("\xFF\xDB");
    return marker == std::string::npos ? -1 : static_cast<unsigned char>(jpeg[marker + 5]);
}

TEST(JpegTest, EncodesBaselineAtQuality90AndDecodesTheSamePicture)
{
    const RgbBitmap picture = smoothPicture(640, 480);
    const EncodedJpeg encoded = encodeJpeg(picture);
    ASSERT_TRUE(encoded.ok()) << encoded.error.toStdString();
    EXPECT_NE(encoded.bytes.find("\xFF\xC0"), std::string::npos); // baseline frame
    EXPECT_EQ(encoded.bytes.find("\xFF\xC2"), std::string::npos); // no progressive frame
    // The standard luminance table starts at 16; quality 90 scales it by 20 %: 3.
    EXPECT_EQ(firstQuantisationValue(encoded.bytes), 3);

    const DecodedJpeg decoded = decodeJpeg(encoded.bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error.toStdString();
    EXPECT_EQ(decoded.picture.width, 640);
    EXPECT_EQ(decoded.picture.height, 480);
    EXPECT_LT(meanDifference(decoded.picture, picture), 2.0);
}

TEST(JpegTest, GreyFilesDecodeToGreyColour)
{
    const RgbBitmap source = greyPicture(64, 48, [](int x, int y) { return (x * 4 + y) % 256; });
    std::vector<unsigned char> grey(64 * 48);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            grey[y * 64 + x] = source.at(x, y)[0];
    tjhandle handle = tjInitCompress();
    unsigned char* output = nullptr;
    unsigned long size = 0;
    ASSERT_EQ(
        tjCompress2(handle, grey.data(), 64, 64, 48, TJPF_GRAY, &output, &size, TJSAMP_GRAY, 95, 0),
        0);
    const std::string bytes(reinterpret_cast<char*>(output), size);
    tjFree(output);
    tjDestroy(handle);

    const DecodedJpeg decoded = decodeJpeg(bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error.toStdString();
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x) {
            const std::uint8_t* pixel = decoded.picture.at(x, y);
            EXPECT_EQ(pixel[0], pixel[1]);
            EXPECT_EQ(pixel[1], pixel[2]);
        }
    EXPECT_LT(meanDifference(decoded.picture, source), 2.0);
}

TEST(JpegTest, DamagedFilesAreRefusedWithTheCodecsWords)
{
    const std::string good = encodeJpeg(testPicture(320, 240, 4)).bytes;
    const std::size_t quantisation = good.find("\xFF\xDB"), scan = good.find("\xFF\xDA");
    std::string corrupt = good;
    corrupt.replace(corrupt.size() * 3 / 4, 2, "\xFF\xD5"); // a stray marker in the scan
    const struct {
        std::string bytes;
        const char* damage;
    } cases[] = {
        {good.substr(0, good.size() * 2 / 3), "Premature end of JPEG file"},
        {good.substr(0, quantisation) + "xyz" + good.substr(quantisation),
         "Corrupt JPEG data: 3 extraneous bytes before marker 0xdb"},
        {good.substr(0, scan + 200) + "\xFF\xD9",
         "Corrupt JPEG data: premature end of data segment"},
        {corrupt, "Corrupt JPEG data"},
    };
    TempFolder folder;
    for (const auto& c : cases) {
        for (const DecodedJpeg& decoded :
             {decodeJpeg(c.bytes), decodeJpegScaled(c.bytes, 32, 24)}) {
            EXPECT_TRUE(decoded.damage.startsWith(c.damage)) << decoded.error.toStdString();
            EXPECT_EQ(decoded.error, "L'image est endommagée : " + decoded.damage);
            EXPECT_EQ(decoded.picture.width, 0);
        }
        writeFile(folder.file("IMG_0001.JPG"), c.bytes);
        const DecodedJpeg read = readJpegFile(QString::fromStdString(folder.file("IMG_0001.JPG")));
        EXPECT_EQ(read.error, "L'image IMG_0001.JPG est endommagée : " + read.damage);
    }
}

TEST(JpegTest, UnreadableInputGetsAFrenchMessage)
{
    const DecodedJpeg garbage = decodeJpeg("pas une image");
    EXPECT_TRUE(garbage.error.startsWith(QStringLiteral("Ce fichier n'est pas une image JPEG")))
        << garbage.error.toStdString();
    EXPECT_EQ(garbage.picture.width, 0);

    const DecodedJpeg empty = decodeJpeg("");
    EXPECT_FALSE(empty.ok());

    TempFolder folder;
    const QString missing = QString::fromStdString(folder.file("absente.jpg"));
    const DecodedJpeg absent = readJpegFile(missing);
    EXPECT_EQ(absent.error, QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(missing));

    const QString text = QString::fromStdString(folder.file("texte.jpg"));
    writeFile(folder.file("texte.jpg"), "bonjour");
    const DecodedJpeg notJpeg = readJpegFile(text);
    EXPECT_TRUE(notJpeg.error.startsWith(QStringLiteral("« %1 » : ").arg(text)))
        << notJpeg.error.toStdString();
}

TEST(JpegTest, WritesWholeFilesAndReportsFoldersItCannotWriteTo)
{
    TempFolder folder;
    const RgbBitmap picture = testPicture(120, 90, 5);
    const QString path = QString::fromStdString(folder.file("B0001234-03m.jpg"));
    writeFile(folder.file("B0001234-03m.jpg"), "ancienne photo");
    EXPECT_EQ(writeJpegFile(picture, path), QString());
    const DecodedJpeg back = readJpegFile(path);
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.picture.width, 120);
    EXPECT_EQ(back.picture.height, 90);

    const QString nowhere = QString::fromStdString(folder.file("absent/photo.jpg"));
    EXPECT_EQ(writeJpegFile(picture, nowhere),
              QStringLiteral("Le fichier « %1 » ne peut pas être écrit.").arg(nowhere));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_FALSE(encodeJpeg(RgbBitmap()).ok());
}

} // namespace
