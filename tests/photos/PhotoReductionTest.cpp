// The two files of a photo: names, sizes and content.
#include <QFile>
#include <gtest/gtest.h>

#include "TestPictures.h"
#include "photos/Jpeg.h"
#include "photos/PhotoReduction.h"
#include "photos/Resample.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/QtPrinting.h"

namespace {

struct NameCase {
    const char* concession;
    const char* vehicle;
    int number;
    const char* name;
};

TEST(PhotoReductionTest, PhotoNames)
{
    const NameCase cases[] = {
        {"BRESMAN", "1234", 3, "B0001234-03"},
        {"BRESMAN", "12345678", 123, "B12345678-123"},
        {"ÉVREUX", "7", 10, "É0000007-10"},
        {"", "1234", 1, "0001234-01"},
    };
    for (const NameCase& c : cases)
        EXPECT_EQ(
            photoName(QString::fromUtf8(c.concession), QString::fromUtf8(c.vehicle), c.number),
            QString::fromUtf8(c.name));
}

TEST(PhotoReductionTest, MiniatureNamesReplaceEveryJpgInAnyCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"B0001234-03.jpg", "B0001234-03m.jpg"},
        {"B0001234-03.JPG", "B0001234-03m.jpg"},
        {"a.jpg.Jpg", "am.jpgm.jpg"},
        {"photo.jpeg", "photo.jpeg"},
    };
    for (const auto& [destination, miniature] : cases)
        EXPECT_EQ(miniatureName(QString::fromUtf8(destination)), QString::fromUtf8(miniature));
}

TEST(PhotoReductionTest, OpeningLinesNameTheSourceOrTheBlurredPicture)
{
    EXPECT_EQ(reductionOpeningLines(QStringLiteral("/photos/IMG_1.jpg"),
                                    QStringLiteral("B0001234-03.jpg")),
              QStringList({QStringLiteral("Réduction & Transferts de : /photos/IMG_1.jpg vers : "
                                          "B0001234-03.jpg"),
                           QStringLiteral("Lecture de : /photos/IMG_1.jpg")}));
    EXPECT_EQ(reductionOpeningLines({}, QStringLiteral("B0001234-03.jpg")),
              QStringList({QStringLiteral("Réduction & Transferts de : \"image floutée\" vers : "
                                          "B0001234-03.jpg"),
                           QStringLiteral("Lecture de : \"image floutée\"")}));
}

class PhotoFilesTest : public testing::Test {
protected:
    QString path(const char* name) const { return QString::fromStdString(folder.file(name)); }
    QString sourceFile(const RgbBitmap& picture)
    {
        EXPECT_EQ(writeJpegFile(picture, path("source.jpg"), 95), QString());
        return path("source.jpg");
    }
    static RgbBitmap resampled(const RgbBitmap& source, int width, int height)
    {
        RgbBitmap result(width, height);
        EXPECT_EQ(ResampleBitmap(source, result, Lanczos3Filter, 3.0f), std::nullopt);
        return result;
    }
    static RgbBitmap decodedFile(const QString& file)
    {
        const DecodedJpeg decoded = readJpegFile(file);
        EXPECT_TRUE(decoded.ok()) << decoded.error.toStdString();
        return decoded.picture;
    }
    TempFolder folder;
};

TEST_F(PhotoFilesTest, ReducesALargePhotoToBothSizes)
{
    const QString source = sourceFile(testPicture(1000, 750, 6));
    const RgbBitmap decodedSource = decodedFile(source);

    const ReducedPhoto reduced =
        reducePhotoFile(source, QString::fromStdString(folder.path()), "B0001234-03.jpg");
    ASSERT_TRUE(reduced.ok()) << reduced.error.toStdString();
    EXPECT_EQ(reduced.fullPath, path("B0001234-03.jpg"));
    EXPECT_EQ(reduced.miniaturePath, path("B0001234-03m.jpg"));
    EXPECT_TRUE(reduced.full == resampled(decodedSource, 640, 480));

    const RgbBitmap full = decodedFile(reduced.fullPath);
    const RgbBitmap miniature = decodedFile(reduced.miniaturePath);
    EXPECT_EQ(full.width, 640);
    EXPECT_EQ(full.height, 480);
    EXPECT_EQ(miniature.width, 120);
    EXPECT_EQ(miniature.height, 90);
}

TEST_F(PhotoFilesTest, A640x480PictureIsCopiedAndItsMiniatureResampledFromIt)
{
    const RgbBitmap picture = testPicture(640, 480, 7);
    const ReducedPhoto reduced =
        reducePhoto(picture, QString::fromStdString(folder.path()), "B0001234-04.jpg");
    ASSERT_TRUE(reduced.ok()) << reduced.error.toStdString();
    EXPECT_TRUE(reduced.full == picture);

    // The miniature file holds the picture's own 120x90 reduction, within the JPEG's loss.
    const RgbBitmap expected = resampled(picture, 120, 90);
    const RgbBitmap miniature = decodedFile(reduced.miniaturePath);
    ASSERT_EQ(miniature.pixels.size(), expected.pixels.size());
    double total = 0;
    for (std::size_t i = 0; i < expected.pixels.size(); ++i)
        total += std::abs(int(miniature.pixels[i]) - int(expected.pixels[i]));
    EXPECT_LT(total / double(expected.pixels.size()), 6.0);
}

TEST_F(PhotoFilesTest, PortraitPhotoIsStretchedTo640x480)
{
    const ReducedPhoto reduced =
        reducePhotoFile(sourceFile(testPicture(480, 640, 8)), QString::fromStdString(folder.path()),
                        "B0001234-05.jpg");
    ASSERT_TRUE(reduced.ok()) << reduced.error.toStdString();
    const RgbBitmap full = decodedFile(reduced.fullPath);
    EXPECT_EQ(full.width, 640);
    EXPECT_EQ(full.height, 480);
}

TEST_F(PhotoFilesTest, FailuresWriteNothingAndSayWhy)
{
    const ReducedPhoto absent =
        reducePhotoFile(path("absente.jpg"), QString::fromStdString(folder.path()), "X.jpg");
    EXPECT_EQ(absent.error,
              QStringLiteral("Le fichier « %1 » ne peut pas être lu.").arg(path("absente.jpg")));
    EXPECT_FALSE(QFile::exists(path("X.jpg")));

    const ReducedPhoto empty =
        reducePhoto(RgbBitmap(), QString::fromStdString(folder.path()), "X.jpg");
    EXPECT_EQ(empty.error, QStringLiteral("Source bitmap too small"));
    EXPECT_FALSE(QFile::exists(path("X.jpg")));

    const QString nowhere = path("absent");
    const ReducedPhoto unwritable = reducePhoto(testPicture(64, 48, 9), nowhere, "X.jpg");
    EXPECT_EQ(unwritable.error,
              QStringLiteral("Le fichier « %1/X.jpg » ne peut pas être écrit.").arg(nowhere));
}

} // namespace
