// The photos page against the demo server and a real FTP server (pyftpdlib) on the loopback: the
// local folder listed and sorted, the attached photos shown, made default and deleted, and a photo
// attached end to end, through the blurring editor or not.
#include <cmath>
#include <cstdlib>
#include <functional>
#include <ranges>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "TestPictures.h"
#include "app/IniFile.h"
#include "photos/FrmBlur.h"
#include "photos/FtpUpload.h"
#include "photos/Jpeg.h"
#include "photos/Thumbnails.h"
#include "tests/editing/EditingWindow.h"
#include "tests/support/ScriptedServer.h"
#include "tests/support/TempFolder.h"
#include "tests/ui/QtPrinting.h"
#include "tests/view/DemoWindow.h"
#include "ui/controls/AllKinds.h"

namespace {

// pyftpdlib whose transfers take one piece of a file, then read no more.
constexpr const char* kStallingServer = R"(
import sys
from pyftpdlib import authorizers, handlers, servers
class Stalling(handlers.DTPHandler):
    def recv(self, size):
        self.del_channel()
        return super().recv(size)
users = authorizers.DummyAuthorizer()
users.add_user('kelvaro', 'demo2026', sys.argv[1], perm='elradfmw')
handlers.FTPHandler.authorizer, handlers.FTPHandler.dtp_handler = users, Stalling
server = servers.FTPServer(('127.0.0.1', 0), handlers.FTPHandler)
print('starting FTP server on 127.0.0.1:%d' % server.address[1], flush=True)
server.serve_forever()
)";
// pyftpdlib on a free loopback port, rooted in its own folder, with www/voimages.
class FtpServer {
public:
    explicit FtpServer(bool stalling = false)
    {
        QDir().mkpath(QString::fromStdString(root.file("www/voimages")));
        process.setProcessChannelMode(QProcess::MergedChannels);
        const QString folder = QString::fromStdString(root.path());
        process.start("/usr/bin/python3",
                      stalling ? QStringList{"-c", kStallingServer, folder}
                               : QStringList{"-m", "pyftpdlib", "-i", "127.0.0.1", "-p", "0", "-w",
                                             "-d", folder, "-u", "kelvaro", "-P", "demo2026"});
        static const QRegularExpression started(R"(starting FTP server on 127\.0\.0\.1:(\d+))");
        QString log;
        for (int i = 0; i < 100 && port == 0; ++i) {
            process.waitForReadyRead(100);
            log += QString::fromUtf8(process.readAll());
            if (const auto m = started.match(log); m.hasMatch())
                port = m.captured(1).toInt();
        }
    }
    ~FtpServer()
    {
        process.kill();
        process.waitForFinished(2000);
    }
    std::string stored(const std::string& name) const { return root.file("www/voimages/" + name); }

    TempFolder root;
    QProcess process;
    int port = 0;
};

// A camera's folder: three photos of different ages, a damaged one, a picture of another kind and
// a folder whose name looks like a photo.
std::string cameraFolder(const TempFolder& data)
{
    const std::string folder = data.file("camera");
    QDir().mkpath(QString::fromStdString(folder + "/dossier.jpg"));
    const struct {
        const char* name;
        int width, height, ageMinutes;
    } photos[] = {{"IMG_0002.JPG", 1600, 1200, 10},
                  {"a_ancienne.jpg", 800, 600, 3000},
                  {"Zoe.jpeg", 480, 640, 60}};
    const QDateTime now = QDateTime::currentDateTime();
    auto age = [&](const char* name, int minutes) {
        QFile file(QString::fromStdString(folder + "/" + name));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.setFileTime(now.addSecs(-60 * minutes), QFileDevice::FileModificationTime);
    };
    for (const auto& p : photos) {
        const QString path = QString::fromStdString(folder + "/" + p.name);
        EXPECT_EQ(writeJpegFile(testPicture(p.width, p.height, 7), path), "");
        age(p.name, p.ageMinutes);
    }
    writeFile(folder + "/abimee.jpg", "ceci n'est pas une photo");
    age("abimee.jpg", 120);
    writeFile(folder + "/notes.png", "png");
    return folder;
}

class PhotoPage : public testing::Test {
protected:
    PhotoPage()
        : camera(cameraFolder(data))
        , demo({{"PathImages", camera}}, data.file("demo"))
    {
        w().show();
        w().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w()));
    }
    ~PhotoPage() override { w().IdHTTP1->closeConnection(); }
    TAxKelvaro& w() { return demo.window(); }
    std::string query(const std::string& select, const char* column)
    {
        return databaseValue(demo.server().baseUrl(), select, column);
    }
    void deploy(const std::string& host, int port)
    {
        const std::string settings = demo.harness().settingsPath();
        iniWrite(settings, "Deployment", "FtpHost", host);
        iniWrite(settings, "Deployment", "FtpPort", std::to_string(port));
        iniWrite(settings, "Deployment", "FtpUser", "kelvaro");
        iniWrite(settings, "Deployment", "FtpPassword", "demo2026");
    }
    void openPhotosOf(const char* idTVO)
    {
        demo.open({{"idTVO", idTVO}});
        auto* bar = w().Tabs->findChild<QTabBar*>();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
        ASSERT_EQ(w().Tabs->currentIndex(), 5);
        WindowHarness::processEventsFor(50); // the page is laid out as a person sees it
    }
    static void clickItem(ListView* list, const QString& caption)
    {
        const int index = int(list->items().indexOf(caption));
        ASSERT_GE(index, 0) << caption.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->topLevelItem(index)).center());
        ASSERT_EQ(list->itemIndex(), index);
    }
    static void clickHeader(ListView* list, int column)
    {
        QHeaderView* header = list->header();
        QTest::mouseClick(
            header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
    }
    static QStringList column(ListView* list, int k)
    {
        QStringList cells;
        for (int i = 0; i < list->itemCount(); ++i)
            cells << (k == 0 ? list->caption(i) : list->subItem(i, k - 1));
        return cells;
    }
    std::string photoCount(const char* idVO)
    {
        return query(
            std::string("Select count(*) as n from [tVO - Liens Images] where idVO=") + idVO, "n");
    }
    void attach(const QString& file, PictureButton* button)
    {
        clickItem(w().cListImageSource, file);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    TempFolder data;
    std::string camera;
    DemoWindow demo;
};

// Runs the action while a watcher works the blurring editor once it is shown.
void withBlurEditor(const std::function<void(TFrmBlur&)>& work, const std::function<void()>& action)
{
    QTimer watch;
    bool done = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* editor = qobject_cast<TFrmBlur*>(QApplication::activeModalWidget());
        if (done || !editor || !editor->isVisible())
            return;
        done = true;
        work(*editor);
    });
    watch.start(20);
    action();
    EXPECT_TRUE(done);
}

} // namespace

TEST_F(PhotoPage, TheFolderIsListedNewestFirstAndSortedByItsHeaders)
{
    openPhotosOf("1001");
    ListView* local = w().cListImageSource;
    EXPECT_EQ(w().cTxtPathImage->text(), QString::fromStdString(camera));
    const QStringList newestFirst{"IMG_0002.JPG", "Zoe.jpeg", "abimee.jpg", "a_ancienne.jpg"};
    EXPECT_EQ(column(local, 0), newestFirst);
    const QFileInfo img(QString::fromStdString(camera + "/IMG_0002.JPG"));
    EXPECT_EQ(local->subItem(0, 0), img.lastModified().toString("dd/MM/yy HH:mm:ss"));

    clickHeader(local, 1);
    EXPECT_EQ(column(local, 0), QStringList(newestFirst.rbegin(), newestFirst.rend()));
    clickHeader(local, 1);
    EXPECT_EQ(column(local, 0), newestFirst);
    clickHeader(local, 0); // byte-wise: capitals first
    EXPECT_EQ(column(local, 0),
              (QStringList{"IMG_0002.JPG", "Zoe.jpeg", "a_ancienne.jpg", "abimee.jpg"}));

    // The thumbnails fill in behind the names; the damaged file has none.
    for (int i = 0; i < 200 && w().Thumbnails->pending() > 0; ++i)
        WindowHarness::processEventsFor(20);
    for (int i = 0; i < local->itemCount(); ++i)
        EXPECT_EQ(local->topLevelItem(i)->icon(0).isNull(), local->caption(i) == "abimee.jpg")
            << local->caption(i).toStdString();

    // The attached photos of the vehicle, the default one marked.
    EXPECT_EQ(column(w().cListImageVO, 0),
              (QStringList{"B0005001-01", "B0005001-02", "B0005001-03"}));
    EXPECT_EQ(w().MaxNumImage, 3);
    const QString defaultPhoto =
        QString::fromStdString(query("Select NomImage from tVehicles where idVO=5001", "NomImage"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(w().cListImageVO->subItem(i, 1) == "***",
                  w().cListImageVO->caption(i) == defaultPhoto);

    // A local photo previewed; a damaged one is refused with its name.
    EXPECT_FALSE(w().czCmdAssociateImage->isEnabled());
    clickItem(local, "Zoe.jpeg");
    EXPECT_TRUE(w().czCmdAssociateImage->isEnabled());
    EXPECT_TRUE(w().czCmdAssociateImageBlur->isEnabled());
    EXPECT_GE(w().ImageSelection->picture().width(), w().ImageSelection->width());
    EXPECT_LT(w().ImageSelection->picture().width(), 480);
    clickItem(local, "abimee.jpg");
    EXPECT_EQ(w().LbDebugInfo0->text(),
              "Le fichier « abimee.jpg » n'est pas une image JPEG lisible.");
}

TEST_F(PhotoPage, ABigFolderShowsItsNamesAtOnceAndThePicturesInViewFirst)
{
    openPhotosOf("1001");
    const std::string card = data.file("carte");
    QDir().mkpath(QString::fromStdString(card));
    const std::string photo = readFile(camera + "/IMG_0002.JPG");
    for (int i = 0; i < 80; ++i)
        writeFile(card + "/P" + std::to_string(1000 + i) + ".JPG", photo);
    writeFile(card + "/coupee.jpg", photo.substr(0, photo.size() / 2));
    ListView* list = w().cListImageSource;
    auto done = [list](int row) {
        const QTreeWidgetItem* item = list->topLevelItem(row);
        return !item->icon(0).isNull() || !item->toolTip(0).isEmpty();
    };
    auto count = [&] { return std::ranges::count_if(std::views::iota(0, 81), done); };
    auto waitUntil = [](const std::function<bool()>& condition) {
        for (int i = 0; i < 1000 && !condition(); ++i)
            WindowHarness::processEventsFor(10);
    };

    w().cTxtPathImage->setText(QString::fromStdString(card));
    QTest::mouseClick(w().czCmdRefreshListImage, Qt::LeftButton);
    ASSERT_EQ(list->itemCount(), 81); // every name at once, the pictures to come
    EXPECT_GT(w().Thumbnails->pending(), 0);
    // Scrolled to the end: the rows in view get their pictures before the others.
    list->scrollToBottom();
    const int top = list->indexAt(QPoint(1, 1)).row();
    waitUntil([&] { return std::ranges::all_of(std::views::iota(top, 81), done); });
    EXPECT_LT(count(), 40);

    // Leaving the page stops the queue; coming back finishes it.
    auto* bar = w().Tabs->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    const int shown = count();
    WindowHarness::processEventsFor(300);
    EXPECT_EQ(count(), shown);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(5).center());
    waitUntil([&] { return w().Thumbnails->pending() == 0; });
    EXPECT_EQ(count(), 81);
    const QTreeWidgetItem* damaged = list->topLevelItem(int(list->items().indexOf("coupee.jpg")));
    EXPECT_TRUE(damaged->icon(0).isNull());
    EXPECT_EQ(damaged->toolTip(0),
              "L'image coupee.jpg est endommagée : Premature end of JPEG file");
}

TEST_F(PhotoPage, TheFolderIsTypedOrChosenAndRemembered)
{
    openPhotosOf("1001");
    const QString other = QString::fromStdString(data.file("autre"));
    QDir().mkpath(other);
    writeFile(data.file("autre/P1.JPG"), readFile(camera + "/Zoe.jpeg"));

    // Typed into the path box, then the refresh button.
    QTest::mouseClick(w().cTxtPathImage, Qt::LeftButton);
    QTest::keyClick(w().cTxtPathImage, Qt::Key_A, Qt::ControlModifier);
    typeKeys(w().cTxtPathImage, other);
    QTest::mouseClick(w().czCmdRefreshListImage, Qt::LeftButton);
    EXPECT_EQ(column(w().cListImageSource, 0), QStringList{"P1.JPG"});
    EXPECT_EQ(w().ImagePath, other);

    // Chosen in the folder picker, which offers no new folder: remembered as "PathImages".
    QString title;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !title.isEmpty())
            return;
        title = dialog->windowTitle();
        EXPECT_TRUE(dialog->testOption(QFileDialog::ReadOnly));
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(name);
        // Set whole: key by key, the dialog's completion would step into the folders typed.
        name->setText(QString::fromStdString(camera));
        QTest::keyClick(name, Qt::Key_Return);
    });
    watch.start(20);
    QTest::mouseClick(w().czCmdSelPathListImage, Qt::LeftButton);
    EXPECT_EQ(title, "Sélection du répertoire des Clichés");
    EXPECT_EQ(w().cTxtPathImage->text(), QString::fromStdString(camera));
    EXPECT_EQ(w().cListImageSource->itemCount(), 4);
    EXPECT_EQ(iniRead(demo.harness().settingsPath(), "Options", "PathImages"), camera);
}

TEST_F(PhotoPage, ThePhotoMadeDefaultAndDeletedOnTheServer)
{
    openPhotosOf("1001");
    clickItem(w().cListImageVO, "B0005001-02");
    EXPECT_EQ(w().ImageVO->picture().size(), QSize(640, 480)); // downloaded from URLImages
    QTest::mouseClick(w().czCmdDefaultImageVO, Qt::LeftButton);
    EXPECT_EQ(query("Select NomImage from tVehicles where idVO=5001", "NomImage"), "B0005001-02");
    EXPECT_EQ(w().cListImageVO->subItem(1, 1), "***");

    // Deleting the default photo makes the first other one the default.
    clickItem(w().cListImageVO, "B0005001-02");
    QTest::mouseClick(w().czCmdDeleteImageVO, Qt::LeftButton);
    EXPECT_EQ(photoCount("5001"), "2");
    EXPECT_EQ(query("Select NomImage from tVehicles where idVO=5001", "NomImage"), "B0005001-01");
    // Deleting another leaves the default as it is.
    clickItem(w().cListImageVO, "B0005001-03");
    QTest::mouseClick(w().czCmdDeleteImageVO, Qt::LeftButton);
    EXPECT_EQ(column(w().cListImageVO, 0), QStringList{"B0005001-01"});
    EXPECT_EQ(query("Select NomImage from tVehicles where idVO=5001", "NomImage"), "B0005001-01");
    // Deleting the only photo leaves the vehicle without default.
    clickItem(w().cListImageVO, "B0005001-01");
    QTest::mouseClick(w().czCmdDeleteImageVO, Qt::LeftButton);
    EXPECT_EQ(photoCount("5001"), "0");
    EXPECT_EQ(
        query("Select count(*) as n from tVehicles where idVO=5001 and NomImage is null", "n"),
        "1");
    EXPECT_EQ(w().MaxNumImage, 0);
}

TEST_F(PhotoPage, APhotoTravelsByFtpAndHttpAndBecomesTheDefault)
{
    FtpServer ftp;
    ASSERT_GT(ftp.port, 0);
    deploy("127.0.0.1", ftp.port);
    openPhotosOf("1003");
    ASSERT_EQ(w().cListImageVO->itemCount(), 0);
    attach("IMG_0002.JPG", w().czCmdAssociateImage);
    EXPECT_EQ(w().LbDebugInfo0->text(), "");

    const QString source = QString::fromStdString(camera) + "/IMG_0002.JPG";
    EXPECT_EQ(w().Memo->toPlainText(), "Réduction & Transferts de : " + source +
                                           " vers : B0005003-01.jpg\nLecture de : " + source +
                                           "\n...\n...Transfert Terminé.");
    const DecodedJpeg full = readJpegFile(QString::fromStdString(ftp.stored("B0005003-01.jpg")));
    const DecodedJpeg mini = readJpegFile(QString::fromStdString(ftp.stored("B0005003-01m.jpg")));
    EXPECT_EQ(QSize(full.picture.width, full.picture.height), QSize(640, 480));
    EXPECT_EQ(QSize(mini.picture.width, mini.picture.height), QSize(120, 90));

    EXPECT_EQ(query("Select NumImage from [tVO - Liens Images] where idVO=5003", "NumImage"), "1");
    EXPECT_EQ(query("Select NomImage from tVehicles where idVO=5003", "NomImage"), "B0005003-01");
    // Reloaded: listed with the server's date, marked as the default, shown by download.
    ASSERT_EQ(column(w().cListImageVO, 0), QStringList{"B0005003-01"});
    EXPECT_EQ(w().cListImageVO->subItem(0, 0).toStdString(),
              query("Select DateImage from [tVO - Liens Images] where idVO=5003", "DateImage"));
    EXPECT_EQ(w().cListImageVO->subItem(0, 1), "***");
    clickItem(w().cListImageVO, "B0005003-01");
    EXPECT_EQ(w().ImageVO->picture().size(), QSize(640, 480));

    QTest::mouseClick(w().czCmdDeleteImageVO, Qt::LeftButton);
    EXPECT_EQ(photoCount("5003"), "0");
    EXPECT_EQ(
        query("Select count(*) as n from tVehicles where idVO=5003 and NomImage is null", "n"),
        "1");
}

TEST_F(PhotoPage, TheBlurringEditorQuitsWithoutSendingOrSendsTheBlurredPhoto)
{
    FtpServer ftp;
    deploy("127.0.0.1", ftp.port);
    openPhotosOf("1003");
    withBlurEditor([](TFrmBlur& editor) { QTest::mouseClick(editor.BtnQuit, Qt::LeftButton); },
                   [&] { attach("a_ancienne.jpg", w().czCmdAssociateImageBlur); });
    EXPECT_EQ(w().MaxNumImage, 1);
    EXPECT_EQ(photoCount("5003"), "0");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ftp.stored("B0005003-01.jpg"))));

    withBlurEditor(
        [](TFrmBlur& editor) {
            QTest::mousePress(editor.Image1, Qt::LeftButton, {}, QPoint(100, 100));
            QTest::mouseMove(editor.Image1, QPoint(200, 150));
            QTest::mouseRelease(editor.Image1, Qt::LeftButton, {}, QPoint(300, 200));
            QTest::mouseClick(editor.BtnSave, Qt::LeftButton);
        },
        [&] { QTest::mouseClick(w().czCmdAssociateImageBlur, Qt::LeftButton); });
    EXPECT_EQ(query("Select NomImage from [tVO - Liens Images] where idVO=5003", "NomImage"),
              "B0005003-02");
    EXPECT_TRUE(w().Memo->toPlainText().startsWith(
        "Réduction & Transferts de : \"image floutée\" vers : B0005003-02.jpg"));
    // The photo sent differs from the unblurred one inside the selection only.
    const std::string tmp = demo.harness().replyFolder() + "/";
    const DecodedJpeg plain = readJpegFile(QString::fromStdString(tmp + "B0005003-01.jpg"));
    const DecodedJpeg sent = readJpegFile(QString::fromStdString(ftp.stored("B0005003-02.jpg")));
    ASSERT_TRUE(plain.ok() && sent.ok());
    auto difference = [&](int x0, int y0, int x1, int y1) {
        double sum = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                for (int c = 0; c < 3; ++c)
                    sum += std::abs(plain.picture.at(x, y)[c] - sent.picture.at(x, y)[c]);
        return sum / ((x1 - x0) * (y1 - y0) * 3);
    };
    EXPECT_GT(difference(180, 130, 220, 170), 4.0);
    EXPECT_LT(difference(400, 300, 600, 460), 2.0);
    const DecodedJpeg plainMini = readJpegFile(QString::fromStdString(tmp + "B0005003-01m.jpg"));
    const DecodedJpeg sentMini =
        readJpegFile(QString::fromStdString(ftp.stored("B0005003-02m.jpg")));
    EXPECT_NE(plainMini.picture, sentMini.picture);
}

TEST_F(PhotoPage, FailuresSayWhySendNothingAndUseUpTheirNumbers)
{
    const std::string photo = readFile(camera + "/Zoe.jpeg");
    writeFile(camera + "/coupee.jpg", photo.substr(0, photo.size() / 2));
    deploy("127.0.0.1", 1); // nothing listens there
    openPhotosOf("1003");
    clickItem(w().cListImageSource, "Zoe.jpeg");
    attach("abimee.jpg", w().czCmdAssociateImage); // the buttons stay enabled
    EXPECT_EQ(w().Memo->toPlainText().split('\n').last(),
              "Le fichier « abimee.jpg » n'est pas une image JPEG lisible.");
    const QString damaged = "L'image coupee.jpg est endommagée : Premature end of JPEG file";
    clickItem(w().cListImageSource, "coupee.jpg");
    EXPECT_EQ(w().LbDebugInfo0->text(), damaged);
    QTest::mouseClick(w().czCmdAssociateImage, Qt::LeftButton);
    EXPECT_EQ(w().Memo->toPlainText().split('\n').last(), damaged);
    attach("Zoe.jpeg", w().czCmdAssociateImage);
    EXPECT_TRUE(w().Memo->toPlainText().split('\n').last().startsWith(
        "Échec du transfert FTP : connexion au serveur FTP impossible (Failed to connect"));
    EXPECT_TRUE(w().LbDebugInfo0->text().startsWith("Échec du transfert FTP : "));
    EXPECT_EQ(photoCount("5003"), "0");
    EXPECT_EQ(w().MaxNumImage, 3);

    // Without an FTP server the photo still goes to the web server, under the next number.
    deploy("", 21);
    attach("Zoe.jpeg", w().czCmdAssociateImage);
    EXPECT_TRUE(w().Memo->toPlainText().endsWith(
        "Aucun serveur FTP n'est configuré : les photos partent seulement par le serveur web."));
    EXPECT_EQ(query("Select NomImage from [tVO - Liens Images] where idVO=5003", "NomImage"),
              "B0005003-04");
    EXPECT_EQ(w().MaxNumImage, 4); // recomputed by the reload
}

TEST_F(PhotoPage, AnUploadTheServerDidNotRecordIsAFailureAndItsFtpFilesAreDeleted)
{
    FtpServer ftp;
    deploy("127.0.0.1", ftp.port);
    openPhotosOf("1003");
    ScriptedServer web;
    const QString base = w().BaseHRef;
    const char* deleted = "Les fichiers envoyés par FTP ont été supprimés du serveur.";
    const struct {
        ScriptedReply reply;
        const char* warning;
        const char* ftpLine;
    } cases[] = {
        {{500, "erreur"}, "", deleted},
        {{200, "<Root><Rows>0</Rows></Root>"}, "le cliché n'a pas été enregistré.", deleted},
        {{200, "<LogItems><LogItem>refus</LogItem></LogItems>"}, "refus - ", deleted},
        // Last: the server may have recorded it, and the next attempt would ask.
        {{200, "", 0, true},
         "",
         "Le serveur n'a pas confirmé l'enregistrement : les fichiers "
         "envoyés par FTP sont conservés."},
    };
    int number = 0;
    for (const auto& c : cases) {
        web.script({c.reply});
        w().BaseHRef = QString::fromStdString(web.baseUrl());
        attach("Zoe.jpeg", w().czCmdAssociateImage);
        w().BaseHRef = base;
        const QStringList memo = w().Memo->toPlainText().split('\n');
        const QString failure = "Échec de l'envoi du cliché au serveur web : ";
        ASSERT_GE(memo.size(), 3);
        EXPECT_EQ(memo[memo.size() - 3], "...Transfert Terminé.");
        EXPECT_TRUE(memo[memo.size() - 2].startsWith(failure + c.warning))
            << memo.join("|").toStdString();
        EXPECT_EQ(memo.last(), c.ftpLine);
        EXPECT_EQ(w().LbDebugInfo0->text(), memo[memo.size() - 2]);
        EXPECT_EQ(w().cListImageVO->itemCount(), 0);
        const std::string name = ftp.stored("B0005003-0" + std::to_string(++number));
        for (const char* end : {".jpg", "m.jpg"})
            EXPECT_EQ(QFile::exists(QString::fromStdString(name + end)), c.reply.resetConnection);
    }
    EXPECT_EQ(photoCount("5003"), "0");
}

TEST_F(PhotoPage, AStalledFtpTransferSaysSoAndLeavesNoPartialFile)
{
    FtpServer ftp(true);
    ASSERT_GT(ftp.port, 0);
    writeFile(data.file("grande.jpg"), std::string(4'000'000, 'x'));
    FtpSession session({"127.0.0.1", ftp.port, "kelvaro", "demo2026"});
    session.setTimeLimits(1, {4000, 0});
    const std::string failure = session.store(data.file("grande.jpg"), "B0005003-01.jpg");
    EXPECT_EQ(failure, "le serveur FTP n'a pas répondu dans le temps imparti (Timeout was "
                       "reached) ; le fichier incomplet a été supprimé du serveur");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ftp.stored("B0005003-01.jpg"))));
}
