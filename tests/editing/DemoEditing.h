#pragma once

#include <string>

#include <QTest>
#include <gtest/gtest.h>

#include "tests/editing/EditingWindow.h"
#include "tests/support/TempFolder.h"
#include "tests/view/DemoWindow.h"

// The real window against its own demo server and data folder, for the edits that go all the way
// to the server's database.
class DemoEditing : public testing::Test {
protected:
    DemoEditing()
        : demo({}, data.file("demo"))
    {}
    ~DemoEditing() override { w().IdHTTP1->closeConnection(); }
    TAxKelvaro& w() { return demo.window(); }
    // Opens a record as the launcher does, in the window shown and active, as a user sees it.
    void openShown(const WindowHarness::Options& keys)
    {
        demo.open(keys);
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }
    // One value of the first row of a query on the demo server's database.
    std::string query(const std::string& select, const char* column)
    {
        return databaseValue(demo.server().baseUrl(), select, column);
    }

    TempFolder data;
    DemoWindow demo;
};
