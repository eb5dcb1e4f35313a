// What the photos page reads of a record, the statements it sends, and how its lists compare.
#include <gtest/gtest.h>

#include "photos/FtpUpload.h"
#include "photos/ListViewCompare.h"
#include "photos/PhotoRecords.h"

TEST(PhotoRecordsTest, StatementsOfTheDefaultPhotoAndOfADeletion)
{
    EXPECT_EQ(defaultPhotoStatement("5001", "B0005001-02"),
              "Update tVehicles set NomImage='B0005001-02' where idVO=5001");
    EXPECT_EQ(defaultPhotoStatement("5001", ""),
              "Update tVehicles set NomImage=NULL where idVO=5001");
    // A name from the server cannot end the literal early.
    EXPECT_EQ(defaultPhotoStatement("7", "d'or"),
              "Update tVehicles set NomImage='d''or' where idVO=7");
    EXPECT_EQ(photoDeletionStatement("5001", "B0005001-03"),
              "Delete * From [tVO - Liens Images] where idVO=5001 and NomImage='B0005001-03'");
    EXPECT_EQ(photoInsertStatement("1234", 3, "B0001234-03", "2008-05-14 10:22:31"),
              "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) "
              "VALUES (:NewID, 1234, 3, 'B0001234-03', '2008-05-14 10:22:31')");
    EXPECT_EQ(insertTimeStamp(QDateTime(QDate(2008, 5, 14), QTime(10, 22, 31))),
              "2008-05-14 10:22:31");
}

TEST(PhotoRecordsTest, TheUploadFormHasItsSevenPartsInOrder)
{
    const MultipartForm form = photoUploadForm("P.jpg", "full", "Pm.jpg", "mini", "INSERT ...");
    const std::vector<std::tuple<std::string, std::string, bool>> expected = {
        {"NFImage", "P.jpg", false},
        {"XMLC_OutputFormat", "XML", false},
        {"SQLExecute", "INSERT ...", false},
        {"MAX_FILE_SIZE", "4096000", false},
        {"File", "full", true},
        {"NFImageMini", "Pm.jpg", false},
        {"File", "mini", true}};
    ASSERT_EQ(form.size(), expected.size());
    for (size_t i = 0; i < form.size(); ++i) {
        EXPECT_EQ(form[i].name, std::get<0>(expected[i])) << i;
        EXPECT_EQ(form[i].data, std::get<1>(expected[i])) << i;
        EXPECT_EQ(form[i].isFile, std::get<2>(expected[i])) << i;
        if (form[i].isFile) {
            EXPECT_EQ(form[i].contentType, "file");
        }
    }
    EXPECT_EQ(form[6].fileName, "Pm.jpg");
}

TEST(PhotoRecordsTest, CellComparisonsByKind)
{
    const struct {
        int kind;
        const char *a, *b;
        int expected;
    } cases[] = {
        {0, "B", "a", -1}, // byte-wise: upper case first
        {0, "img10", "img9", -1},
        {1, "10", "9", 1},    // as integers
        {1, "10", "x", -1},   // not a number: as text
        {2, "2.5", "10", -1}, // numbers with a point
        {2, "3.0", "3", 0},
        {3, "31/12/07", "01/01/08", -1},
        {4, "09:05:00", "10:00:00", -1},
        {5, "25/12/07 14:30:05", "25/12/07 09:30:05", 1},
        {5, "01/02/49 00:00:00", "01/02/50 00:00:00", 1}, // 2049 after 1950
        {5, "99/99/99 00:00:00", "01/01/08 00:00:00", 1}, // unreadable: "9" after "0"
        {7, "b", "a", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompareCellTexts(c.kind, c.a, c.b), c.expected) << c.kind << " " << c.a;
}

TEST(PhotoRecordsTest, TheFtpEndpointFollowsTheProxy)
{
    const FtpSettings settings{"ftp.example", "2121", "kelvaro", "secret12", "10.0.0.9:21"};
    const auto direct = chooseFtpEndpoint(settings, false);
    ASSERT_TRUE(direct);
    EXPECT_EQ(direct->host, "ftp.example");
    EXPECT_EQ(direct->port, 2121);
    EXPECT_EQ(direct->user, "kelvaro");
    const auto relayed = chooseFtpEndpoint(settings, true);
    ASSERT_TRUE(relayed);
    EXPECT_EQ(relayed->host, "10.0.0.9");
    EXPECT_EQ(relayed->port, 21);
    EXPECT_EQ(relayed->user, "kelvaro@ftp.example");
    EXPECT_EQ(relayed->password, "secret12");
    EXPECT_FALSE(chooseFtpEndpoint({}, false));
    EXPECT_EQ(chooseFtpEndpoint({"h", "", "u", "p", ""}, true)->port, 21);
}
