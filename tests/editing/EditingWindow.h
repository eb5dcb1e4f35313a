#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include "tests/support/WindowHarness.h"
#include "ui/TAxKelvaro.h"

// The real window, shown and active on the offscreen platform, whose fields are bound by hand as
// the binding of the record view binds them: a descriptor in the entry's fields, the tag, the
// loaded value and the window's generic handlers on the free event slots.
class EditingWindow : public testing::Test {
protected:
    explicit EditingWindow(const WindowHarness::Options& options = {});

    TAxKelvaro& w() { return harness.window(); }

    // A key field (no control) of an entry.
    void addKey(int entry, const char* name, const char* orgValue, int infoType = 4);
    // A field bound to a control; its position in the entry.
    int bind(int entry, ControlFace* control, const char* name, int infoType, const char* orgValue,
             int ctrlKind = 109);
    TsDesc& field(int entry, int position)
    {
        return w().TabDesc[entry].Fields[std::size_t(position)];
    }
    // A used vehicle of table tVehicles whose required values are filled, on the page Sheet01.
    void usedVehicle(const std::string& baseUrl);
    // The page of a control: entry n is page n - 1.
    int entryOf(ControlFace* control);
    void showPageOf(ControlFace* control);

    WindowHarness harness;
};

// One value of the first row of a query, as the demo server's AxQuery gives it (entities decoded).
std::string databaseValue(const std::string& baseUrl, const std::string& select,
                          const char* column);
// A column of a vehicle of the demo server's database, by its idVO.
std::string vehicleValue(const std::string& baseUrl, const char* idVO, const char* column);
// The update requests a trace log shows, each up to its reply file.
std::vector<std::string> updatesIn(const std::string& traceLog);

// Types a text key by key, letters beyond ASCII included; the key of a Latin-1 character is its
// upper-case code.
void typeKeys(QWidget* widget, const QString& text);

// Runs an action and closes the message box it opens, keeping its title and text.
struct MessageBoxSeen {
    int count = 0;
    QString title;
    QString text;
};
MessageBoxSeen closingMessageBoxes(const std::function<void()>& action);

// Runs an action and answers every message box it opens with the given button (OK where the box
// has no such button), keeping their titles and texts.
struct Answered {
    QStringList titles;
    QStringList texts;
};
Answered answering(int standardButton, const std::function<void()>& action);
