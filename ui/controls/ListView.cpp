#include "ui/controls/ListView.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include <QHeaderView>

ListView::ListView(QWidget* parent)
    : Control<QTreeWidget>(parent)
{
    setRootIsDecorated(false);
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setUniformRowHeights(true);
    // The selection stays visible when the list loses the focus.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        const QList<QTreeWidgetItem*> chosen = selectedItems();
        const int now = chosen.isEmpty() ? -1 : indexOfTopLevelItem(chosen.front());
        const int before = std::exchange(selected_, now);
        if (!onSelectItem || now == before)
            return;
        if (before >= 0 && before < itemCount())
            onSelectItem(*this, before, false);
        if (now >= 0)
            onSelectItem(*this, now, true);
    });
    connect(header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (onColumnClick)
            onColumnClick(*this, column);
    });
}

QString ListView::text() const
{
    return selected_ >= 0 ? caption(selected_) : QString();
}

void ListView::setColumns(const QStringList& captions, const QList<int>& widths)
{
    setColumnCount(int(captions.size()));
    setHeaderLabels(captions);
    for (int i = 0; i < captions.size() && i < widths.size(); ++i)
        setColumnWidth(i, widths[i]);
    setHeaderHidden(false);
}

int ListView::addItem(const QString& caption, const QStringList& subItems)
{
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, caption);
    addTopLevelItem(item);
    const int index = indexOfTopLevelItem(item);
    setSubItems(index, subItems);
    return index;
}

void ListView::setSubItems(int index, const QStringList& subItems)
{
    QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return;
    // Sub-items are kept even beyond the shown columns, as the design's list items keep them.
    item->setData(0, Qt::UserRole, subItems);
    for (int k = 0; k < subItems.size(); ++k)
        item->setText(k + 1, subItems[k]);
}

QString ListView::caption(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? item->text(0) : QString();
}

QString ListView::subItem(int index, int k) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    if (!item)
        return {};
    const QStringList subItems = item->data(0, Qt::UserRole).toStringList();
    return k >= 0 && k < subItems.size() ? subItems[k] : QString();
}

int ListView::subItemCount(int index) const
{
    const QTreeWidgetItem* item = topLevelItem(index);
    return item ? int(item->data(0, Qt::UserRole).toStringList().size()) : 0;
}

QStringList ListView::items() const
{
    QStringList list;
    for (int i = 0; i < itemCount(); ++i)
        list << caption(i);
    return list;
}

int ListView::itemIndex() const
{
    return selected_;
}

void ListView::setItemIndex(int index)
{
    if (QTreeWidgetItem* item = topLevelItem(index))
        setCurrentItem(item);
    else
        clearSelection();
}

void ListView::sortItems(const std::function<bool(int, int)>& less)
{
    std::vector<int> order(static_cast<std::size_t>(itemCount()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), less);
    QTreeWidgetItem* selected = selected_ >= 0 ? topLevelItem(selected_) : nullptr;
    const QSignalBlocker block(this);
    QList<QTreeWidgetItem*> taken;
    for (int i = itemCount() - 1; i >= 0; --i)
        taken.prepend(takeTopLevelItem(i));
    for (int index : order)
        addTopLevelItem(taken[index]);
    selected_ = selected ? indexOfTopLevelItem(selected) : -1;
    if (selected)
        selected->setSelected(true);
}
