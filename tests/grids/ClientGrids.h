#pragma once

#include <string>

#include <QApplication>
#include <QComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWindow>

#include "app/IniFile.h"
#include "tests/editing/DemoEditing.h"
#include "ui/grid/DataGrid.h"

// The client DUPONT Jean (2001) of the demo server in the real window, driven as a person does:
// clicks at the place of what is clicked, keys typed one by one.
class ClientGrids : public DemoEditing {
protected:
    void openClient(const char* user = "1000001", const char* sites = "CHARTRES;DREUX;EVREUX",
                    const std::string& base = {})
    {
        const std::string server = base.empty() ? demo.server().baseUrl() : base;
        demo.open({{"idTVO", ""},
                   {"idClient", "2001"},
                   {"idUser", user},
                   {"UserSite", sites},
                   {"BaseHRef", server},
                   {"HttpRoot", server}});
        w().show();
        w().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w()));
    }
    void remember(const char* key, const std::string& value)
    {
        iniWrite(demo.harness().settingsPath(), "Options", key, value);
    }
    void clickAt(QWidget* widget, QPoint point)
    {
        QTest::mouseClick(w().windowHandle(), Qt::LeftButton, {}, widget->mapTo(&w(), point));
    }
    void clickAtPlaceOf(QWidget* control) { clickAt(control, control->rect().center()); }
    void clickCell(DataGrid* grid, int column, int row)
    {
        clickAt(grid->viewport(), grid->cellRect(column, row).center());
    }
    void clickTab(int index)
    {
        auto* bar = w().Tabs->findChild<QTabBar*>();
        clickAt(bar, bar->tabRect(index).center());
    }
    // A click selects the cell, a second one opens its editor; what it held is replaced (in a
    // drop-down list, the typed letters pick an entry).
    void typeInCell(DataGrid* grid, int column, int row, const QString& text)
    {
        clickCell(grid, column, row);
        if (!grid->isEditing())
            clickCell(grid, column, row);
        ASSERT_TRUE(grid->isEditing());
        auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
        if (!list || list->isEditable()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        }
        typeKeys(QApplication::focusWidget(), text);
    }
    int rowOf(DataGrid* grid, const QString& id)
    {
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (grid->cell(1, row) == id)
                return row;
        }
        return -1;
    }
    size_t updatesSent() { return updatesIn(demo.harness().traceLog()).size(); }
};
