#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include "app/FileVersion.h"
#include "app/IniFile.h"
#include "tests/support/WindowHarness.h"
#include "ui/TAxKelvaro.h"

namespace {
QMessageBox* findMessageBox(const char* name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->objectName() == name)
            return box;
    return nullptr;
}
} // namespace

TEST(StartUp, ReadsTheTwelveParametersAndWritesTheFourKeys)
{
    WindowHarness harness(WindowHarness::Options{{"HttpRoot", "http://root/"},
                                                 {"BaseHRef", ""},
                                                 {"idTVO", "123"},
                                                 {"idUser", "4711"},
                                                 {"UserConcession", "BRESMAN"},
                                                 {"UserSite", "Évreux;Vernon"},
                                                 {"idClient", "55"},
                                                 {"idTypeVO", "3"}});
    TAxKelvaro& w = harness.window();
    EXPECT_EQ(w.ParamSetCount, 12);
    EXPECT_EQ(w.LbIdTVO->text(), "123");
    EXPECT_EQ(w.LbIDCustomer->text(), "55");
    EXPECT_EQ(w.LbHttpRoot->text(), "http://root/");
    EXPECT_EQ(w.idUser, "4711");
    EXPECT_EQ(w.UserSite, QString::fromUtf8("Évreux;Vernon"));
    EXPECT_EQ(w.idTypeVO, 3);
    EXPECT_TRUE(w.TraceOn);
    EXPECT_EQ(w.TempFolder.toStdString(), harness.replyFolder());

    const std::string settings = harness.settingsPath();
    EXPECT_EQ(iniRead(settings, "Options", "FirstApplicationHandle"),
              std::to_string(QCoreApplication::applicationPid()));
    EXPECT_TRUE(iniRead(settings, "Options", "FirstFormHandle").has_value());
    EXPECT_EQ(iniRead(settings, "Options", "Application"),
              QCoreApplication::applicationFilePath().toStdString());
    EXPECT_EQ(iniRead(settings, "Options", "Version"), std::string(compiledFileVersion()));

    const std::string log = harness.traceLog();
    for (const char* word : {"httproot", "basehref", "idtvo : 123", "ocxname", "ocxversion",
                             "urlimages", "iduser : 4711", "userconcession : BRESMAN", "usersite",
                             "whereclause", "orderclause", "idClient : 55"})
        EXPECT_NE(log.find(word), std::string::npos) << word;
}

TEST(StartUp, NotANumberIdTypeVOIsReportedAndTheStartGoesOn)
{
    WindowHarness harness(
        WindowHarness::Options{{"idTypeVO", "abc"}, {"idTVO", "9"}, {"idClient", ""}});
    TAxKelvaro& w = harness.window();
    EXPECT_EQ(w.idTypeVO, 0);
    EXPECT_EQ(w.ParamSetCount, 12);
    EXPECT_EQ(w.LbIdTVO->text(), "9");
    QMessageBox* box = findMessageBox("MsgIdTypeVO");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->text().contains("idTypeVO"));
    EXPECT_TRUE(box->text().contains(QString::fromUtf8("« abc »")));
    // The first load still happens once the parameters are complete.
    WindowHarness::processEventsFor(600);
    EXPECT_EQ(w.StartDone > 0, true);
    EXPECT_NE(harness.traceLog().find("on TimerOK : "), std::string::npos);
}

TEST(StartUp, TraceSwitchAndFolder)
{
    struct Case {
        const char* trace;
        bool on;
    } cases[] = {{"", false}, {"0", false}, {"abc", false}, {"1", true}, {"7", true}};
    for (const Case& c : cases) {
        WindowHarness harness(WindowHarness::Options{{"Trace", c.trace}});
        EXPECT_EQ(harness.window().TraceOn, c.on) << c.trace;
    }
    WindowHarness harness(WindowHarness::Options{{"TraceRepTemp", ""}});
    EXPECT_EQ(harness.window().TempFolder.toStdString(), std::string(getenv("TMPDIR")));
}

TEST(StartUp, ReloadReadsChangedParameters)
{
    WindowHarness harness(WindowHarness::Options{{"idTVO", "1"}, {"idUser", "10"}});
    TAxKelvaro& w = harness.window();
    iniWrite(harness.settingsPath(), "Options", "idTVO", "2");
    iniWrite(harness.settingsPath(), "Options", "idUser", "20");
    w.onChannelMessage("1024");
    WindowHarness::processEventsFor(100);
    EXPECT_EQ(w.LbIdTVO->text(), "2");
    EXPECT_EQ(w.idUser, "20");
    EXPECT_EQ(w.ParamSetCount, 24);
}

TEST(StartUp, SplashShowsThePictureOnlyForBresman)
{
    {
        WindowHarness harness(WindowHarness::Options{{"UserConcession", "BRESMAN"}});
        EXPECT_FALSE(harness.window().ImageSplash->isHidden());
        EXPECT_TRUE(harness.window().LbConcession->isHidden());
    }
    WindowHarness harness(WindowHarness::Options{{"UserConcession", "Garage du Lac"}});
    EXPECT_TRUE(harness.window().ImageSplash->isHidden());
    EXPECT_FALSE(harness.window().LbConcession->isHidden());
    EXPECT_EQ(harness.window().LbConcession->text(), "Garage du Lac");
}

TEST(StartUp, SplashSettingsAndComponentShowTheCompiledVersion)
{
    // The component named is this program itself: its version is the compiled one.
    const QString version = QString::fromLatin1(compiledFileVersion()).replace('.', ',');
    WindowHarness harness(WindowHarness::Options{
        {"OCXName", QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString()},
        {"OCXVersion", version.toStdString()}});
    TAxKelvaro& w = harness.window();
    EXPECT_EQ(w.LbSplash->text(), "Kelvaro - Version " + version);
    EXPECT_EQ(iniRead(harness.settingsPath(), "Options", "Version"),
              std::string(compiledFileVersion()));
    WindowHarness::processEventsFor(600);
    ASSERT_GT(w.StartDone, 0);
    EXPECT_EQ(w.InstalledVersion, version);
    EXPECT_EQ(w.LbVersion->text(), "TAxKelvaro-" + version + "-");
    EXPECT_FALSE(w.LbVersion->styleSheet().contains("ff0000"));
}

TEST(TimerLoop, FourTicksMakeOneIdleSecondAndCountDownsFireOnce)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    w.Timer1->stop();
    w.SubTick = 0;
    w.IdleSeconds = 0;
    for (int i = 0; i < 1204; ++i)
        w.Timer1Timer();
    EXPECT_EQ(w.IdleSeconds, 301);

    w.DupCountdown = 4;
    for (int tick = 1; tick <= 3; ++tick) {
        w.Timer1Timer();
        EXPECT_EQ(w.DupCountdown, 4 - tick);
    }
    w.Timer1Timer();
    EXPECT_EQ(w.DupCountdown, 0);
    w.Timer1Timer();
    EXPECT_EQ(w.DupCountdown, 0);
}

TEST(TimerLoop, BlinkingFrameTogglesEveryThreeTicks)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    w.Timer1->stop();
    w.BlinkOn = true;
    w.BlinkTicks = 0;
    const bool start = w.Shape1->isVisibleTo(w.Sheet01);
    std::vector<bool> states;
    for (int i = 0; i < 7; ++i) {
        w.Timer1Timer();
        states.push_back(w.Shape1->isVisibleTo(w.Sheet01));
    }
    // Ticks 1, 4 and 7 toggle.
    const std::vector<bool> expected = {!start, !start, !start, start, start, start, !start};
    EXPECT_EQ(states, expected);
}

TEST(Hints, LongPartGoesToTheStatusLine)
{
    WindowHarness harness;
    TAxKelvaro& w = harness.window();
    w.GestionHints("court|le texte long");
    EXPECT_EQ(w.LbDebugInfo3->text(), "le texte long");
    w.GestionHints(QString::fromUtf8("enregistrement des modifications"));
    EXPECT_EQ(w.LbDebugInfo3->text(), QString::fromUtf8("enregistrement des modifications"));
}
