// kelvaro-launch opening a link as the desktop entry runs it: what reaches the settings file and
// the running client, and that nothing of a refused link does.
#include <gtest/gtest.h>

#include <filesystem>

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

#include "app/IniFile.h"
#include "app/Paths.h"
#include "app/SingleInstance.h"
#include "tests/support/TempFolder.h"

namespace {

class LinkProcess : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "launcher_process_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    void SetUp() override
    {
        isolateEnvironment(folder_);
        makeFolder(settingsFolder());
        iniWrite(SettingsFileName(), "Options", "BaseHRef", "http://127.0.0.1:8080/");
        iniWrite(SettingsFileName(), "Options", "idTVO", "1");
        iniWrite(SettingsFileName(), "Options", "WhereClause", "Site='DREUX'");
        // The running client, as far as the launcher can tell.
        ASSERT_TRUE(channel_.listen());
        QObject::connect(&channel_, &SingleInstance::messageReceived,
                         [this](const QString& message) { messages_ << message; });
    }

    // Runs the launcher while this process answers on the client's channel.
    int launch(const QStringList& arguments)
    {
        QProcess launcher;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        launcher.setProcessEnvironment(environment);
        launcher.start(KELVARO_LAUNCHER, arguments);
        EXPECT_TRUE(launcher.waitForStarted(5000));
        for (int waited = 0; waited < 10000 && launcher.state() != QProcess::NotRunning;
             waited += 10) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            launcher.waitForFinished(10);
        }
        QCoreApplication::processEvents();
        errors_ = QString::fromUtf8(launcher.readAllStandardError());
        return launcher.exitStatus() == QProcess::NormalExit ? launcher.exitCode() : -1;
    }

    TempFolder folder_;
    SingleInstance channel_;
    QStringList messages_;
    QString errors_;
};

TEST_F(LinkProcess, AnAcceptedLinkWritesItsParametersAndReloadsTheClient)
{
    ASSERT_EQ(launch({"kelvaro:ouvrir?idTVO=4711&UserConcession=Garage+%C3%89vreux"
                      "&idClient=&idTVO=4712&HttpRoot=http%3A%2F%2F127.0.0.1%3A8080%2F"}),
              0)
        << errors_.toStdString();
    const std::string settings = SettingsFileName();
    // The folder of the file that holds the FTP password: its owner's only.
    EXPECT_EQ(std::filesystem::status(settingsFolder()).permissions(),
              std::filesystem::perms(0700));
    EXPECT_EQ(iniRead(settings, "Options", "idTVO"), "4712");
    EXPECT_EQ(iniRead(settings, "Options", "UserConcession"), "Garage \xC3\x89vreux");
    EXPECT_EQ(iniRead(settings, "Options", "idClient"), "");
    EXPECT_EQ(iniRead(settings, "Options", "HttpRoot"), "http://127.0.0.1:8080/");
    EXPECT_EQ(iniRead(settings, "Options", "WhereClause"), "Site='DREUX'");
    EXPECT_EQ(messages_, QStringList{"1024"});
}

TEST_F(LinkProcess, NothingOfARefusedLinkIsWritten)
{
    const struct {
        const char* link;
        const char* reason;
    } cases[] = {
        {"kelvaro:ouvrir?idTVO=9&WhereClause=1%3D1", "« WhereClause »"},
        {"kelvaro:ouvrir?idTVO=9&FtpHost=evil.example", "« FtpHost »"},
        {"kelvaro:ouvrir?idTVO=9&UserSite=A%0AB", "caractère de contrôle"},
        {"kelvaro:ouvrir?idTVO=9&BaseHRef=http://evil.example/", "« http://evil.example:80/ »"},
        {"kelvaro:ouvrir?BaseHRef=http://127.0.0.1:8080/AxUpdate%3FXMLC_OutputFormat%3DXML%26"
         "SQLExecute%3DDelete%2520From%2520tActions%2520where%25201%26x%3D",
         "« BaseHRef »"},
        {"kelvaro:ouvrir?idClient=1%26SQLExecute%3DDelete%2520From%2520tActions", "« idClient »"},
        {"kelvaro:ouvrir?idTVO=9&UserSite=%E2%9C%93", "Windows-1252"},
    };
    const std::string before = readFile(SettingsFileName());
    for (const auto& c : cases) {
        EXPECT_EQ(launch({c.link}), 3) << c.link;
        EXPECT_TRUE(errors_.contains("lien refusé")) << errors_.toStdString();
        EXPECT_TRUE(errors_.contains(QString::fromUtf8(c.reason))) << errors_.toStdString();
        EXPECT_EQ(readFile(SettingsFileName()), before) << c.link;
    }
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(LinkProcess, WithoutArgumentsTheRunningClientComesToTheFront)
{
    const std::string before = readFile(SettingsFileName());
    EXPECT_EQ(launch({}), 0) << errors_.toStdString();
    EXPECT_EQ(messages_, QStringList{"raise"});
    EXPECT_EQ(readFile(SettingsFileName()), before);
}

} // namespace
