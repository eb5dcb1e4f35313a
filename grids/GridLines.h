#pragma once

#include <string>

#include <QString>

#include "view/TsPage.h"

// What the statement of a sub-record grid line is made of: its changed cells and its key. Cells
// without a field name (columns the structure does not describe) take no part.
struct GridLineChanges {
    std::string names;     // for an insert: the changed columns, "a,b"
    std::string values;    // their literals, in the same order
    std::string sets;      // for an update: "a=1,b='x'"
    std::string condition; // "(key=1)" from the first unchanged cell; empty when none is unchanged
    bool any() const { return !names.empty() || !sets.empty(); }
};

// The first unchanged cell is the line's key: its identifier, which is never edited.
GridLineChanges gridLineChanges(const TsLine& line, bool insert);

// The warning of a line insert whose answer was lost: it may have been applied, and it is not
// sent again. Reloaded: the client was reloaded to show whether it was.
QString unknownInsertWarning(bool reloaded);
