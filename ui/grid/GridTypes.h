#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include "ui/ColorValues.h"

// Kinds of grid columns. An image column holds an index of the image list as its text.
enum class ColumnKind { Image, Text, Date, Number, ComboBox, Memo };

namespace columnoption {
inline constexpr unsigned Clickable = 1u << 0;    // clicks reach the cell-click event
inline constexpr unsigned Input = 1u << 1;        // accepts input
inline constexpr unsigned Sortable = 1u << 2;     // sorted by a click on its header
inline constexpr unsigned Editable = 1u << 3;     // has a cell editor
inline constexpr unsigned FullTextHint = 1u << 4; // whole text as tooltip when it does not fit
inline constexpr unsigned FillsWidth = 1u << 5;   // takes the width the other columns leave
inline constexpr unsigned Fixed = 1u << 6;        // cannot be moved or resized
inline constexpr unsigned SelectOnEdit = 1u << 7; // the editor opens with its text selected
} // namespace columnoption

enum class SortKind { Text, Numeric, Date };

struct GridColumn {
    QString name = {};
    ColumnKind kind = ColumnKind::Text;
    unsigned options = 0;
    QString caption = {};
    int width = 80;
    bool visible = true;
    // A disabled column keeps its cells but opens no editor.
    bool enabled = true;
    // Text of the column's cells in a new row.
    QString defaultValue = {};
    // Combo box columns: the items, and whether the text must be one of them.
    QStringList items = {};
    bool pickList = false;
    int dropDownCount = 8;
    int listWidth = 0;
    bool autoComplete = false;
    int maxLength = 0;
    // Number columns: decimals shown (-1: the text as it is) and thousands grouped.
    int decimals = -1;
    bool groupThousands = false;
    bool wordWrap = false;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    SortKind sortKind = SortKind::Text;
    unsigned color = color::None;
    unsigned fontColor = color::None;
    int fontPixelSize = 0;
    // Card layouts: the place of the cell in its card; a width or height of 0 takes the column's
    // width or one line of text.
    QRect place = {};
    bool handCursor = false;

    bool has(unsigned option) const { return (options & option) != 0; }
};

// Colours of a cell being drawn; the cell-formatting event may change them.
struct CellFormat {
    bool selected = false;
    unsigned color = color::None;
    unsigned fontColor = color::None;
};

struct GridStyle {
    // Cards: one card per row, cells at their columns' places, no header row.
    bool cards = false;
    int cardHeight = 60;
    bool header = true;
    int headerHeight = 20;
    int rowHeight = 18;
    bool wholeRowSelect = false;
    bool hideSelectionWithoutFocus = false;
    // The grid takes Enter and Tab: Tab moves between cells, Enter opens and closes the editor.
    bool wantKeys = false;
    bool enterMovesSelection = false;
    bool ignoreKeyboard = false;
    // Home and End move to the first and last column instead of the first and last row.
    bool homeEndMoveColumns = false;
    bool gridLines = true;
    bool gridLinesOnActiveRowsOnly = false;
    unsigned gridLineColor = 0xC0C0C0;
    unsigned selectionColor = color::SkyBlue;
    unsigned inactiveSelectionColor = color::None;
    unsigned selectedCardColor = color::HotLight;
    unsigned highlightTextColor = color::None;
    bool boldSelectedText = false;
};
