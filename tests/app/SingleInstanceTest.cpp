// Two client processes with one settings folder, and the launcher.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "app/IniFile.h"
#include "tests/support/TempFolder.h"

namespace {

class ClientProcesses : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "app_process_tests";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }

    void SetUp() override
    {
        isolateEnvironment(folder_);
        settings_ = folder_.file("config") + "/Kelvaro";
        std::filesystem::create_directories(settings_);
        settings_ += "/TAXKelvaro.ini";
        iniWrite(settings_, "Options", "Trace", "1");
        iniWrite(settings_, "Options", "TraceRepTemp", folder_.file("tmp"));
        iniWrite(settings_, "Options", "idTVO", "5");
        writeFile(log(), "");
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert("QT_QPA_PLATFORM", "offscreen");
    }

    void TearDown() override
    {
        for (QProcess* process : started_) {
            process->terminate();
            if (!process->waitForFinished(5000))
                process->kill();
            delete process;
        }
    }

    std::string log() const { return folder_.file("tmp") + "/TAXKelvaro.log"; }

    QProcess* start(const char* program, const QStringList& arguments = {})
    {
        auto* process = new QProcess;
        process->setProcessEnvironment(environment_);
        process->start(program, arguments);
        EXPECT_TRUE(process->waitForStarted(5000));
        started_.push_back(process);
        return process;
    }

    // Waits until the trace log holds the text; the client writes it as it goes.
    bool logShows(const std::string& text, int timeoutMs = 15000) const
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < timeoutMs) {
            if (readFile(log()).find(text) != std::string::npos)
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    TempFolder folder_;
    std::string settings_;
    QProcessEnvironment environment_;
    std::vector<QProcess*> started_;
};

} // namespace

TEST_F(ClientProcesses, SecondClientExitsAndRaisesTheFirst)
{
    QProcess* first = start(KELVARO_CLIENT);
    ASSERT_TRUE(logShows("on TimerOK : ")) << readFile(log());

    QProcess* second = start(KELVARO_CLIENT);
    ASSERT_TRUE(second->waitForFinished(10000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_TRUE(logShows("Activation par une seconde instance"));
    // The second client read no parameter: only one set of twelve in the log.
    const std::string text = readFile(log());
    EXPECT_EQ(text.find("on TimerOK : "), text.rfind("on TimerOK : "));
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(ClientProcesses, LauncherReloadMakesTheRunningClientReadTheNewIdentifier)
{
    start(KELVARO_CLIENT);
    ASSERT_TRUE(logShows("idtvo : 5"));
    ASSERT_TRUE(logShows("on TimerOK : "));

    QProcess* launcher = start(KELVARO_LAUNCHER, {"--set", "idTVO=7", "--reload"});
    ASSERT_TRUE(launcher->waitForFinished(10000));
    EXPECT_EQ(launcher->exitCode(), 0);
    EXPECT_EQ(iniRead(settings_, "Options", "idTVO"), "7");
    EXPECT_TRUE(logShows("idtvo : 7")) << readFile(log());
}

TEST_F(ClientProcesses, LauncherStartsTheClientWhenNoneRuns)
{
    QProcess* launcher = start(KELVARO_LAUNCHER, {"--set", "idTVO=8", "--set", "UserSite=A;B=C",
                                                  "--reload", "--program", KELVARO_CLIENT});
    ASSERT_TRUE(launcher->waitForFinished(10000));
    EXPECT_EQ(launcher->exitCode(), 0);
    EXPECT_EQ(iniRead(settings_, "Options", "UserSite"), "A;B=C");
    ASSERT_TRUE(logShows("idtvo : 8"));
    // The started client is not a child of the test: stop it through its published process id.
    QElapsedTimer clock;
    clock.start();
    std::optional<std::string> pid;
    while (!(pid = iniRead(settings_, "Options", "FirstApplicationHandle")) &&
           clock.elapsed() < 5000)
        QThread::msleep(50);
    ASSERT_TRUE(pid.has_value());
    EXPECT_EQ(::kill(std::stoi(*pid), SIGTERM), 0);
}

TEST_F(ClientProcesses, LauncherRejectsWrongArguments)
{
    QProcess* launcher = start(KELVARO_LAUNCHER, {"--set", "NoEqualSign"});
    ASSERT_TRUE(launcher->waitForFinished(10000));
    EXPECT_EQ(launcher->exitCode(), 2);
    EXPECT_TRUE(launcher->readAllStandardError().contains("Clé=Valeur"));
}
