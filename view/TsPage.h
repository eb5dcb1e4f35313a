#pragma once

#include <string>
#include <vector>

class ControlFace;

// One field of a tab: its description from the structure document, its loaded and current value
// and the controls that show it. Texts are Windows-1252, as in the documents.
struct TsDesc {
    int CtrlKind = 0;
    int InfoType = 0;
    std::string FieldName;
    std::string SourceName;
    std::string DefVal;
    std::string OrgValue;
    std::string Value;
    std::string Codes;
    std::string Caption;
    std::string ListName;
    std::string ListKey;
    std::string ListField;
    std::string Rights;
    unsigned BaseColor = 0;
    unsigned FontColor = 0;
    int Width = 0;
    bool ByIndex = false;
    bool StrictList = false;
    bool NotNull = false;
    ControlFace* Control = nullptr;
    ControlFace* Combo = nullptr;
    bool BlankFirst = false;
    ControlFace* ListBox = nullptr;
    ControlFace* Button = nullptr;
    ControlFace* CaptionLabel = nullptr;
    bool Described = false;

    // Description kept for the binding (pixels; the field number of the structure).
    int Left = 0;
    int Top = 0;
    int Height = 0;
    int Length = 0;
    int FieldNumber = 0;
    int Enabled = 0;
};

// One tab entry: entry n belongs to page n - 1 of the page control; entry 0 describes the record's
// main table.
struct TsPage {
    int PageIndex = -1;
    std::string DataKey;
    std::string TableName;
    void* TabSheet = nullptr; // the page widget, opaque to the logic
    std::vector<TsDesc> Fields;
    std::string Statement;
    std::string NamePrefix;
    bool Described = false;
    bool Processed = false;
    bool ContentsLoaded = false;
};

inline constexpr int kPageEntries = 10;

// One line of a sub-record grid: cell k belongs to grid column k (cells 1 to 10; cell 0 unused).
struct TsLine {
    TsDesc Cells[11];
    bool Locked = false;
    int MissingCol = 0;
    std::string Statement;
};

// A grid cell being edited and the value it held before its editor opened.
struct CellEdit {
    int column = -1;
    int row = -1;
    std::string value;
};

// A bound control's tag: (entry - 1) * 10000 + position in the entry's fields.
inline int fieldTag(int entry, int position)
{
    return (entry - 1) * 10000 + position;
}
inline int entryOfTag(int tag)
{
    return tag / 10000 + 1;
}
inline int positionOfTag(int tag)
{
    return tag % 10000;
}
