#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class ListView;

// Sorts a list view on a column when its header is clicked: a second click on the same column
// reverses the order. Each column compares by its kind (see CompareCellTexts). Owned by the list
// view it sorts; the newest sorter of a view handles its header clicks until it is destroyed.
class TListViewSort : public QObject {
    Q_OBJECT
public:
    TListViewSort(ListView& view, QList<int> columnTypes);
    ~TListViewSort() override;

    void Sort();
    void ColumnClick(int column);
    // Compares the items at positions a and b on a column; -1 when a comes first.
    int CompareItems(int a, int b, int column) const;

    QList<int> ColumnTypes;
    int SortColumn = -1;
    bool SortAscending = true;

private:
    QPointer<ListView> view_;
};
