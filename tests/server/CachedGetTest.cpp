// The 12-hour cache of the lists and structure documents.
#include <gtest/gtest.h>

#include <filesystem>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "server/Endpoints.h"
#include "tests/support/ScriptedServer.h"
#include "tests/support/WindowHarness.h"
#include "ui/TAxKelvaro.h"

namespace {

class CachedGetTest : public testing::Test {
protected:
    void SetUp() override
    {
        window().Timer1->stop(); // no first load: the test drives the requests
        window().BaseHRef = QString::fromStdString(server_.baseUrl());
        window().UserConcession = "BRESMAN";
        server_.setHandler([](const SeenRequest& r) {
            if (r.target.find("AxInfoEquip") != std::string::npos)
                return ScriptedReply{
                    200, "<document><Concession>BRESMAN</Concession><ParsS></ParsS></document>"};
            return ScriptedReply{200, "<axStructS></axStructS>"};
        });
    }
    TAxKelvaro& window() { return harness_.window(); }
    std::string file(const char* name) { return harness_.replyFile(name); }
    static void age(const std::string& path, std::chrono::hours hours)
    {
        std::filesystem::last_write_time(path,
                                         std::filesystem::file_time_type::clock::now() - hours);
    }
    std::vector<std::string> targets()
    {
        std::vector<std::string> t;
        for (const SeenRequest& r : server_.requests())
            t.push_back(r.target);
        return t;
    }

    ScriptedServer server_;
    WindowHarness harness_;
};

} // namespace

TEST_F(CachedGetTest, FirstRefreshFetchesBothDocumentsWithTheirKeys)
{
    window().UpdateParams();
    const auto t = targets();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0],
              "/AxInfoEquip?XMLC_OutputFormat=XML&UserConcession=BRESMAN&WHERE_CLAUSE=Where%20"
              "(RubricItem='..')%20or%20(RubricItem='BRESMAN')&idClient=");
    EXPECT_EQ(t[1], "/AxInfoStruct?XMLC_OutputFormat=XML&UserConcession=BRESMAN&idClient=");
    EXPECT_TRUE(std::filesystem::exists(file("XmlEquip.xml")));
    EXPECT_TRUE(std::filesystem::exists(file("XmlStruct.xml")));
}

TEST_F(CachedGetTest, FreshFilesAreReusedOldOnesFetchedAgain)
{
    window().UpdateParams();
    window().UpdateParams();
    EXPECT_EQ(server_.requests().size(), 2u);
    age(file("XmlStruct.xml"), std::chrono::hours(13));
    window().UpdateParams();
    const auto t = targets();
    ASSERT_EQ(t.size(), 3u);
    EXPECT_NE(t[2].find("AxInfoStruct"), std::string::npos);
    age(file("XmlEquip.xml"), std::chrono::hours(11));
    window().UpdateParams();
    EXPECT_EQ(server_.requests().size(), 3u);
}

TEST_F(CachedGetTest, ListsOfAnotherDealershipAreDroppedEvenWhenFresh)
{
    writeFile(file("XmlEquip.xml"), "<document><Concession>AUTRE</Concession></document>");
    writeFile(file("XmlStruct.xml"), "<axStructS></axStructS>");
    window().UpdateParams();
    const auto t = targets();
    ASSERT_EQ(t.size(), 1u);
    EXPECT_NE(t[0].find("AxInfoEquip"), std::string::npos);
    EXPECT_NE(readFile(file("XmlEquip.xml")).find("BRESMAN"), std::string::npos);
}

TEST_F(CachedGetTest, EmptyBaseMakesNoRequestAndDeletesNothing)
{
    writeFile(file("XmlEquip.xml"), "<document><Concession>AUTRE</Concession></document>");
    window().BaseHRef.clear();
    window().UpdateParams();
    EXPECT_TRUE(server_.requests().empty());
    EXPECT_TRUE(std::filesystem::exists(file("XmlEquip.xml")));
}

TEST_F(CachedGetTest, HoldingCtrlForcesARefresh)
{
    window().UpdateParams();
    window().show();
    QWindow* handle = window().windowHandle();
    ASSERT_NE(handle, nullptr);
    QTest::keyPress(handle, Qt::Key_Control, Qt::ControlModifier);
    ASSERT_TRUE(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
    window().UpdateParams();
    QTest::keyRelease(handle, Qt::Key_Control, Qt::NoModifier);
    EXPECT_EQ(server_.requests().size(), 4u);
}
