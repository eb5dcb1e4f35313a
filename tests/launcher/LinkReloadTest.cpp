// A link of the web application opened while the client runs: the window shows the new record.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>

#include "app/SingleInstance.h"
#include "tests/view/DemoWindow.h"
#include "ui/TAxKelvaro.h"
#include "ui/controls/AllKinds.h"

TEST(LinkReload, ALinkReloadsTheRunningClientWithTheNewRecord)
{
    DemoWindow demo;
    TAxKelvaro& w = demo.window();
    demo.open({{"idTVO", "1001"}});
    ASSERT_EQ(w.cNVO->text(), "24001");

    SingleInstance channel;
    ASSERT_TRUE(channel.listen());
    QObject::connect(&channel, &SingleInstance::messageReceived, &w, &TAxKelvaro::onChannelMessage);
    QProcess launcher;
    launcher.start(KELVARO_LAUNCHER,
                   {"kelvaro:ouvrir?idTVO=1002&idTypeVO=1&UserConcession=BRESMAN"});
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 15000 && w.cNVO->text() != "24002")
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    launcher.waitForFinished(5000);
    EXPECT_EQ(launcher.exitCode(), 0) << launcher.readAllStandardError().toStdString();
    EXPECT_EQ(w.LbIdTVO->text(), "1002");
    EXPECT_EQ(w.cNVO->text(), "24002");
    EXPECT_TRUE(w.PanelSplash->isHidden());
}
