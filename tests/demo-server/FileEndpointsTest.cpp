// Photos, the photo upload, the PDF reports and the SMS gateway.
#include <filesystem>
#include <fstream>

#include <QImage>
#include <gtest/gtest.h>

#include "demo-server/Sqlite.h"
#include "server/Endpoints.h"
#include "tests/demo-server/ClientSession.h"
#include "tests/demo-server/DemoServerProcess.h"

namespace fs = std::filesystem;

namespace {

QImage decoded(const std::string& bytes)
{
    return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), int(bytes.size()),
                            "JPEG");
}

class FileEndpoints : public testing::Test {
protected:
    DemoServerProcess server;
    ClientSession session;
};

TEST_F(FileEndpoints, SamplePhotosAreDrawnWithTheirMiniatures)
{
    const HttpReply photo = session.download(endpoint::photo(server.imageUrl(), "B0005001-01"));
    ASSERT_TRUE(photo.ok) << photo.error;
    EXPECT_EQ(decoded(photo.body).size(), QSize(640, 480));
    const HttpReply mini = session.download(endpoint::photo(server.imageUrl(), "B0005001-01m"));
    EXPECT_EQ(decoded(mini.body).size(), QSize(120, 90));
    // Drawn once, then served from the image folder.
    EXPECT_TRUE(fs::exists(fs::path(server.dataFolder()) / "www" / "voimages" / "B0005001-01.jpg"));
    EXPECT_EQ(session.download(endpoint::photo(server.imageUrl(), "B0005001-01")).body, photo.body);
}

TEST_F(FileEndpoints, MissingOrForbiddenPhotosAnswerWithALogItem)
{
    for (const char* name : {"B9999999-01", "../kelvaro-demo.sqlite", "..%2Fkelvaro-demo"}) {
        const HttpReply reply = session.download(endpoint::photo(server.imageUrl(), name));
        EXPECT_EQ(reply.status, 200) << name;
        EXPECT_NE(utf8(collectLogItems(reply.body)).find("Photo introuvable"), std::string::npos)
            << name;
        EXPECT_TRUE(decoded(reply.body).isNull()) << name;
    }
}

TEST_F(FileEndpoints, CameraShotsOfSampleVehiclesAreReadyForTheBrowser)
{
    int shots = 0;
    for (const auto& entry : fs::directory_iterator(fs::path(server.dataFolder()) / "cliches")) {
        EXPECT_EQ(entry.path().extension(), ".jpg");
        EXPECT_EQ(QImage(QString::fromStdString(entry.path().string())).size(), QSize(1600, 1200));
        ++shots;
    }
    EXPECT_EQ(shots, 6);
}

TEST_F(FileEndpoints, UploadStoresBothFilesAndRecordsTheLink)
{
    // Real pictures: the server's own photo and miniature of another vehicle.
    const std::string photo =
        session.download(endpoint::photo(server.imageUrl(), "B0005004-01")).body;
    const std::string mini =
        session.download(endpoint::photo(server.imageUrl(), "B0005004-01m")).body;
    ASSERT_FALSE(decoded(photo).isNull());
    const std::string statement =
        "INSERT INTO [tVO - Liens Images] (idImage, idVO, NumImage, NomImage, DateImage) VALUES "
        "(:NewID, 5003, 1, 'B0005003-01', '2026-12-09 10:22:31')";
    const MultipartForm form = {
        {"NFImage", "B0005003-01.jpg", {}, {}, false},
        {"XMLC_OutputFormat", "XML", {}, {}, false},
        {"SQLExecute", statement, {}, {}, false},
        {"MAX_FILE_SIZE", "4096000", {}, {}, false},
        {"File", photo, "B0005003-01.jpg", "file", true},
        {"NFImageMini", "B0005003-01m.jpg", {}, {}, false},
        {"File", mini, "B0005003-01m.jpg", "file", true},
    };
    TXml reply =
        session.read(session.post(endpoint::insertPost(server.baseUrl() + "AxInfoVO?x=1"), form));
    EXPECT_EQ(session.lastWarning(), "");
    XmlFind(reply, "OutParams");
    EXPECT_FALSE(valueOf(reply, "NewID").empty());

    EXPECT_EQ(session.download(endpoint::photo(server.imageUrl(), "B0005003-01")).body, photo);
    EXPECT_EQ(session.download(endpoint::photo(server.imageUrl(), "B0005003-01m")).body, mini);
    TXml vehicle = session.fetch(endpoint::infoVO(server.baseUrl(), "1003", "1000001"));
    XmlFind(vehicle, "ImageS");
    std::vector<std::string> names;
    while (XmlNext(vehicle, "Image") > 0)
        names.push_back(valueOf(vehicle, "NomImage"));
    EXPECT_NE(std::find(names.begin(), names.end(), "B0005003-01"), names.end());
}

TEST_F(FileEndpoints, IncompleteOrUnsafeUploadsAreRefused)
{
    const auto link = [](const char* name) {
        return "INSERT INTO [tVO - Liens Images] (idImage, idVO, NomImage) VALUES (:NewID, 5003, "
               "'" +
               std::string(name) + "')";
    };
    // The bytes "x" and "y" under the names given, with the statement.
    const auto upload = [](const char* photo, const std::string& statement, const char* mini) {
        return MultipartForm{{"NFImage", photo, {}, {}, false},
                             {"SQLExecute", statement, {}, {}, false},
                             {"File", "x", photo, "file", true},
                             {"NFImageMini", mini, {}, {}, false},
                             {"File", "y", mini, "file", true}};
    };
    const std::vector<std::pair<MultipartForm, const char*>> cases = {
        {{{"NFImage", "a.jpg", {}, {}, false}, {"SQLExecute", link("a"), {}, {}, false}},
         "incomplet"},
        {upload("../../evil.jpg", link("evil"), "am.jpg"), "Nom de photo refusé"},
        {{{"NFImage", "a.jpg", {}, {}, false}}, "SQLExecute manque"},
        // Another vehicle's photo, with a statement refused, or one that records another name.
        {upload("B0005001-01.jpg", "INSERT INTO tUsers (Name_) VALUES ('x')", "B0005001-01m.jpg"),
         "« tUsers » n'est pas accessible"},
        {upload("B0005001-01.jpg", link("B0005003-02"), "B0005003-02m.jpg"),
         "Fichier de photo refusé : « B0005001-01.jpg »"},
        {upload("B0005003-03.jpg", link("B0005003-03"), "B0005001-01m.jpg"),
         "Fichier de photo refusé : « B0005001-01m.jpg »"},
        {upload("B0005003-04.jpg",
                "INSERT INTO tActions (idAction, idClient) VALUES (:NewID, 2001)",
                "B0005003-04m.jpg"),
         "Fichier de photo refusé"},
    };
    for (const auto& [form, part] : cases) {
        session.post(server.baseUrl() + "AxInsert", form);
        EXPECT_NE(utf8(session.lastWarning()).find(part), std::string::npos) << part;
    }
    EXPECT_FALSE(fs::exists(fs::path(server.dataFolder()) / "evil.jpg"));
    for (const auto& file :
         fs::directory_iterator(fs::path(server.dataFolder()) / "www" / "voimages")) {
        std::ifstream in(file.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(bytes != "x" && bytes != "y") << file.path();
    }
}

TEST_F(FileEndpoints, ReportsArePdfSheetsOfTheRecord)
{
    const std::string reports[] = {
        endpoint::reportVehicle(server.baseUrl(), "5001", "VO"),
        endpoint::reportVehicle(server.baseUrl(), "5101", "VD") + "2",
        endpoint::reportVehicle(server.baseUrl(), "5201", "VN"),
        endpoint::reportMargin(server.baseUrl(), "5001"),
        endpoint::reportClient(server.baseUrl(), "2001"),
    };
    for (const std::string& report : reports) {
        // The browser encodes the blanks of the address, as the request code does.
        const RequestOutcome pdf = session.get(report);
        ASSERT_FALSE(pdf.failed) << report;
        EXPECT_EQ(pdf.reply.substr(0, 5), "%PDF-") << report;
        EXPECT_GT(pdf.reply.size(), 2000u) << report;
    }
    int cached = 0;
    for ([[maybe_unused]] const auto& entry :
         fs::directory_iterator(fs::path(server.dataFolder()) / "pdf"))
        ++cached;
    EXPECT_EQ(cached, 5);
}

TEST_F(FileEndpoints, ReportsOfNothingAnswerWithALogItem)
{
    const std::pair<std::string, const char*> cases[] = {
        {endpoint::reportClient(server.baseUrl(), "99999"), "Aucun client"},
        {endpoint::reportMargin(server.baseUrl(), "abc"), "illisible"},
        {server.baseUrl() + "ReportPDF?rptSelect=idVO=5001&rptName=Inventaire", "Rapport inconnu"},
    };
    for (const auto& [report, part] : cases) {
        const RequestOutcome reply = session.get(report);
        EXPECT_NE(utf8(reply.warning).find(part), std::string::npos) << report << reply.warning;
    }
}

TEST_F(FileEndpoints, SmsGatewayRecordsTheMessageAndAnswersSuccess)
{
    const std::string text =
        "de Bresman CHARTRES,\r\n\r\npour un test d'envoi \xC3\xA0 M. DUPONT Jean";
    const RequestOutcome reply = session.post(
        endpoint::smsGateway("127.0.0.1:" + std::to_string(server.port())),
        {{"destinataire", "+33612345678", {}, {}, false}, {"texte", text, {}, {}, false}});
    EXPECT_NE(reply.reply.find("telephonySmsSend successfull"), std::string::npos);

    SqliteHandle db =
        openDatabase((fs::path(server.dataFolder()) / "kelvaro-demo.sqlite").string());
    Statement sent(db.get(), "SELECT destinataire, texte FROM tSmsMessages");
    ASSERT_TRUE(sent.step());
    EXPECT_EQ(sent.text(0).value_or(""), "+33612345678");
    EXPECT_EQ(sent.text(1).value_or(""), text);

    const RequestOutcome refused =
        session.post(endpoint::smsGateway("127.0.0.1:" + std::to_string(server.port())),
                     {{"texte", "sans destinataire", {}, {}, false}});
    EXPECT_EQ(refused.reply.find("successfull"), std::string::npos);
}

} // namespace
