#include "ui/controls/ListBox.h"

#include <algorithm>

ListBox::ListBox(QWidget* parent)
    : Control<QListWidget>(parent)
{
    setSelectionMode(QAbstractItemView::MultiSelection);
}

QString ListBox::text() const
{
    const QListWidgetItem* item = currentItem();
    return item ? item->text() : QString();
}

void ListBox::setText(const QString& text)
{
    const QList<QListWidgetItem*> found =
        findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const int before = currentRow();
    setItemIndex(found.isEmpty() ? -1 : row(found.front()));
    if (currentRow() != before)
        fireChange();
}

QStringList ListBox::items() const
{
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << item(i)->text();
    return list;
}

void ListBox::setItems(const QStringList& items)
{
    clear();
    for (const QString& text : items)
        addItem(text);
}

void ListBox::addItem(const QString& text)
{
    auto* entry = new QListWidgetItem(text, this);
    if (itemHeight_ > 0)
        entry->setSizeHint(QSize(0, itemHeight_));
}

void ListBox::setItemIndex(int index)
{
    // Moving the current item must not touch the selection.
    setCurrentRow(index, QItemSelectionModel::NoUpdate);
}

bool ListBox::isSelected(int index) const
{
    const QListWidgetItem* entry = item(index);
    return entry && entry->isSelected();
}

void ListBox::setSelected(int index, bool selected)
{
    if (QListWidgetItem* entry = item(index))
        entry->setSelected(selected);
}

void ListBox::setItemHeight(int height)
{
    itemHeight_ = height;
    for (int i = 0; i < count(); ++i)
        item(i)->setSizeHint(QSize(0, height));
}

QList<int> ListBox::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListBox::keyPressEvent(QKeyEvent* event)
{
    const QList<int> before = selectedRows();
    Control<QListWidget>::keyPressEvent(event);
    if (onClick && selectedRows() != before)
        onClick(*this);
}
