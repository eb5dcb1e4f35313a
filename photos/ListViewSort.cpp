#include "photos/ListViewSort.h"

#include <QHeaderView>

#include "photos/ListViewCompare.h"
#include "ui/controls/ListView.h"

TListViewSort::TListViewSort(ListView& view, QList<int> columnTypes)
    : QObject(&view)
    , ColumnTypes(std::move(columnTypes))
    , view_(&view)
{
    // Only the newest sorter of the view stays.
    for (TListViewSort* older :
         view.findChildren<TListViewSort*>(QString(), Qt::FindDirectChildrenOnly))
        if (older != this)
            older->deleteLater();
    view.header()->setSectionsClickable(true);
    // Once the sorter is gone, header clicks do nothing.
    QPointer<TListViewSort> self(this);
    view.onColumnClick = [self](ListView&, int column) {
        if (self)
            self->ColumnClick(column);
    };
}

TListViewSort::~TListViewSort() = default;

void TListViewSort::ColumnClick(int column)
{
    SortAscending = column == SortColumn ? !SortAscending : true;
    SortColumn = column;
    Sort();
}

void TListViewSort::Sort()
{
    if (!view_ || SortColumn < 0 || SortColumn >= view_->columnCount())
        return;
    const int column = SortColumn;
    view_->sortItems([this, column](int a, int b) { return CompareItems(a, b, column) < 0; });
}

int TListViewSort::CompareItems(int a, int b, int column) const
{
    if (!view_ || a < 0 || a >= view_->itemCount())
        return -1;
    if (b < 0 || b >= view_->itemCount())
        return 1;
    auto cell = [this, column](int item) {
        return column == 0 ? view_->caption(item) : view_->subItem(item, column - 1);
    };
    const int kind = column < ColumnTypes.size() ? ColumnTypes[column] : 0;
    const int order = CompareCellTexts(kind, cell(a), cell(b));
    return SortAscending ? order : -order;
}
