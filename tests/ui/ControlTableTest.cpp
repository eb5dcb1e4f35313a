// The window against the table of its designed controls.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include <QTabWidget>
#include <QWidget>

#include "tests/support/WindowHarness.h"
#include "tests/ui/ControlTable.h"
#include "tests/ui/QtPrinting.h"
#include "ui/ControlFace.h"
#include "ui/TAxKelvaro.h"

namespace {
QString name(const ControlRow& row)
{
    return QString::fromStdString(row.name);
}
} // namespace

TEST(ControlTable, EveryControlExistsOnceUnderItsParentWithItsKind)
{
    WindowHarness harness;
    TAxKelvaro& window = harness.window();
    const std::vector<ControlRow> rows = readControlTable(controlTablePath());
    ASSERT_GT(rows.size(), 300u);
    for (const ControlRow& row : rows) {
        const QList<QObject*> found = window.findChildren<QObject*>(name(row));
        ASSERT_EQ(found.size(), 1) << row.name;
        EXPECT_EQ(parentOf(found.front()), row.parent) << row.name;
        EXPECT_EQ(kindOf(found.front()), row.kind) << row.name;
    }
}

TEST(ControlTable, EveryControlOfTheWindowIsInTheTable)
{
    WindowHarness harness;
    std::set<std::string> designed;
    for (const ControlRow& row : readControlTable(controlTablePath()))
        designed.insert(row.name);
    // Controls created for fields come later; as designed, every control is in the table.
    for (QWidget* widget : harness.window().findChildren<QWidget*>()) {
        if (!dynamic_cast<ControlFace*>(widget) || widget->window() != &harness.window())
            continue;
        EXPECT_TRUE(designed.count(widget->objectName().toStdString()))
            << widget->objectName().toStdString();
    }
}

TEST(ControlTable, TabOrderFollowsTheDesign)
{
    WindowHarness harness;
    TAxKelvaro& window = harness.window();
    // Position of each control in the window's focus chain.
    std::map<QWidget*, int> position;
    int index = 0;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain())
        position.emplace(w, index++);
    std::map<std::string, std::map<int, std::string>> byParent;
    for (const ControlRow& row : readControlTable(controlTablePath())) {
        if (row.tab < 0)
            continue;
        if (row.parent == "Tabs") {
            // Pages are in the page control's order, their captions their names.
            auto* page = window.findChild<QWidget*>(name(row));
            EXPECT_EQ(window.Tabs->indexOf(page), row.tab) << row.name;
            EXPECT_EQ(window.Tabs->tabText(row.tab), name(row));
            continue;
        }
        byParent[row.parent][row.tab] = row.name;
    }
    EXPECT_EQ(byParent.size(), 10u);
    for (const auto& [parent, controls] : byParent) {
        int previous = -1;
        std::string previousName;
        for (const auto& [tab, control] : controls) {
            auto* widget = window.findChild<QWidget*>(QString::fromStdString(control));
            ASSERT_TRUE(widget) << control;
            ASSERT_TRUE(position.count(widget)) << control << " is not in the focus chain";
            EXPECT_GT(position[widget], previous) << control << " comes before " << previousName;
            // Panels pass the focus to their controls.
            const bool panel = widget->inherits("QFrame") && widget->focusPolicy() == Qt::NoFocus;
            EXPECT_TRUE(panel || (widget->focusPolicy() & Qt::TabFocus)) << control;
            previous = position[widget];
            previousName = control;
        }
    }
}
