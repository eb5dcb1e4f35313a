#pragma once

#include <functional>
#include <vector>

#include <QAbstractScrollArea>
#include <QPointer>

#include "ui/controls/Control.h"
#include "ui/grid/GridTypes.h"

class PictureList;

// G: rows x columns of cells with typed columns, drawn as a table with a header row or as cards.
//
// Events of a user edit, in order: edit each time the editor's text changes; when the user
// commits, edit accept (the handler may refuse), then change once the cell holds the new text
// (only when it differs), then after edit once the editor has closed. A refused text is not taken
// and the editor closes; Escape closes it without accept or change. Moving the selection (click,
// arrow keys, Tab) first commits a running edit, then raises before select (the handler may refuse
// the move), then select cell; a click then raises cell click on clickable columns. A click whose
// commit made a handler reload the rows goes no further. Selections, rows and cells set by the
// program raise no event.
class DataGrid : public Control<QAbstractScrollArea> {
public:
    explicit DataGrid(QWidget* parent = nullptr);
    ~DataGrid() override;

    QString kindCode() const override { return QStringLiteral("G"); }
    // The selected cell's text.
    QString text() const override;
    void setText(const QString& text) override;

    void setStyle(const GridStyle& style);
    const GridStyle& style() const { return style_; }
    void setImageList(const PictureList* images);

    // Columns
    int addColumn(const GridColumn& column);
    int columnCount() const { return int(columns_.size()); }
    const GridColumn& column(int index) const { return columns_[std::size_t(index)]; }
    int columnIndex(const QString& name) const;
    void setColumnCaption(int index, const QString& caption);
    void setColumnWidth(int index, int width);
    void setColumnVisible(int index, bool visible);
    void setColumnEnabled(int index, bool enabled);
    void setColumnItems(int index, const QStringList& items);
    void setColumnSortKind(int index, SortKind kind);
    // Marks the column as the sorted one and sorts the rows by it.
    void setSortedColumn(int index, bool ascending = true);
    int sortedColumn() const { return sortColumn_; }
    // Rows loaded again are shown in the order the user chose last.
    void sortAgain();

    // Rows and cells
    int rowCount() const { return int(rows_.size()); }
    void setRowCount(int count);
    // A new row holds its columns' default values.
    int addRow();
    void insertRow(int at);
    void deleteRow(int row);
    void clearRows();
    // The first row whose cell in the column shows the text; -1 when none.
    int findRow(int column, const QString& text) const;
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    unsigned cellColor(int column, int row) const;
    void setCellColor(int column, int row, unsigned color);
    unsigned cellFontColor(int column, int row) const;
    void setCellFontColor(int column, int row, unsigned color);
    QString cellHint(int column, int row) const;
    void setCellHint(int column, int row, const QString& hint);

    // Selection
    int selectedRow() const { return selectedRow_; }
    int selectedColumn() const { return selectedColumn_; }
    void selectCell(int column, int row);
    // Moves the selection as the user does, with before select and select cell.
    bool selectCellByUser(int column, int row);

    // Editing
    bool isEditing() const { return editor_ != nullptr; }
    QWidget* cellEditor() const { return editor_; }
    int editedColumn() const { return editColumn_; }
    int editedRow() const { return editRow_; }
    // Opens the editor of an editable cell; false when the cell has none.
    bool startEditing(int column, int row);
    // Commits (true) or cancels the running edit; the result is the edit accept's answer.
    bool endEditing(bool commit = true);
    // Commits the running edit for a command of the window (save, page change): the same events
    // as the user's commit, except that a refused text keeps the editor open with what was typed
    // (no after edit) and the result is false.
    bool commitEditingForCommand();
    // Suggestions of the running editor, filtered by the typed text; an empty list removes them.
    void setEditorCompletion(const QStringList& words);

    // Painting is held while updates are suspended.
    void beginUpdate();
    void endUpdate();

    // Geometry in the coordinates of the viewport.
    QRect cellRect(int column, int row) const;
    int rowAt(int y) const;
    QRect headerRect(int column) const;

    // Events
    std::function<void(int column, int row, const QString& text)> onEdit;
    std::function<void(int column, int row, const QString& text, bool& accept)> onEditAccept;
    std::function<void(int column, int row)> onCellChange;
    std::function<void(int column, int row)> onAfterEdit;
    std::function<void(int column, int row, bool& accept)> onBeforeSelect;
    std::function<void(int column, int row)> onSelectCell;
    std::function<void(int column, int row)> onCellClick;
    std::function<void(int column, int row, CellFormat& format)> onCellFormatting;
    std::function<void(int x, int y)> onMouseMove;
    // After a sort: order[new row] = the row's index before the sort.
    std::function<void(const std::vector<int>& order)> onRowsSorted;

protected:
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void handleKey(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Cell {
        QString text = {};
        unsigned color = color::None;
        unsigned fontColor = color::None;
        QString hint = {};
    };
    struct CellPos {
        int column = -1;
        int row = -1;
        bool valid() const { return column >= 0 && row >= 0; }
    };

    bool validCell(int column, int row) const;
    template <class T> T cellField(int column, int row, T Cell::*field, T outside) const;
    template <class T> void setCellField(int column, int row, T Cell::*field, const T& value);
    std::vector<Cell> newRow() const;
    // Geometry (GridGeometry.cpp)
    std::vector<int> columnLefts() const;
    int columnWidthShown(int index) const;
    int contentHeight() const;
    CellPos cellAt(const QPoint& pos) const;
    int headerAt(const QPoint& pos) const;
    void updateScrollRange();
    void ensureVisible(int row);
    // Keyboard (DataGrid.cpp)
    bool moveBy(int columnStep, int rowStep);
    int nextVisibleColumn(int from, int step) const;
    void sortBy(int column, bool ascending);
    // Painting (GridPainting.cpp)
    void paintHeader(QPainter& painter);
    void paintTableRow(QPainter& painter, int row);
    void paintCard(QPainter& painter, int row);
    void paintCellContent(QPainter& painter, const QRect& box, int column, int row,
                          const CellFormat& format, bool bold);
    CellFormat formatOf(int column, int row) const;
    QString shownText(int column, int row) const;
    // Editing (GridEditing.cpp)
    QWidget* createEditor(int column);
    QString editorText() const;
    void setEditorText(const QString& text);
    void closeEditor();
    bool finishEditing(bool commit, bool keepRefused);
    bool editorKey(QKeyEvent* event);
    bool editable(int column, int row) const;

    GridStyle style_;
    const PictureList* images_ = nullptr;
    std::vector<GridColumn> columns_;
    std::vector<std::vector<Cell>> rows_;
    int selectedColumn_ = -1;
    int selectedRow_ = -1;
    int sortColumn_ = -1;
    bool sortAscending_ = true;
    QPointer<QWidget> editor_;
    int editColumn_ = -1;
    int editRow_ = -1;
    bool committing_ = false;
    bool routingKey_ = false;
    int updateDepth_ = 0;
    int rowsReplaced_ = 0; // times clearRows emptied the grid
    bool clickVoided_ = false;
};
