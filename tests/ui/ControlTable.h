#pragma once

#include <string>
#include <vector>

class QObject;

// One row of tests/ui/controls.csv: a control of the main window as designed.
struct ControlRow {
    std::string name;
    std::string kind;
    std::string parent;
    int tab = -1; // -1: not in the tab order
};

// The rows of the table (the file's own header says its format).
std::vector<ControlRow> readControlTable(const std::string& path);
// The table of the source tree.
std::string controlTablePath();

// The kind of a window object, as the table writes it ("T", "N2", "Sheet", "Timer", ...).
std::string kindOf(const QObject* object);
// The name of the object's parent as the table writes it (a page's parent is its page control).
std::string parentOf(const QObject* object);
