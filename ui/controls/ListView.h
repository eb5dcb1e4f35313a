#pragma once

#include <functional>

#include <QTreeWidget>

#include "ui/controls/Control.h"

// LV: a list of captions with sub-items and whole-row selection. It starts in the list style (one
// column, no header); setColumns turns it into the report style.
class ListView : public Control<QTreeWidget> {
public:
    explicit ListView(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("LV"); }
    // The selected item's caption.
    QString text() const override;
    void setText(const QString&) override {}

    // Report style: one column per caption, headers shown.
    void setColumns(const QStringList& captions, const QList<int>& widths);
    int columnCount() const { return QTreeWidget::columnCount(); }

    int addItem(const QString& caption, const QStringList& subItems = {});
    void setSubItems(int index, const QStringList& subItems);
    QString caption(int index) const;
    // Sub-item k of an item (k from 0), empty when the item has fewer.
    QString subItem(int index, int k) const;
    int subItemCount(int index) const;
    QStringList items() const override;
    void clearItems() override { clear(); }
    int itemCount() const override { return topLevelItemCount(); }
    int itemIndex() const override;
    void setItemIndex(int index) override;
    // Reorders the items; `less` compares two item positions of the order before the sort.
    void sortItems(const std::function<bool(int, int)>& less);

    // An item became selected (true) or lost its selection (false).
    std::function<void(ListView& sender, int item, bool selected)> onSelectItem;
    // A click on a column header.
    std::function<void(ListView& sender, int column)> onColumnClick;

private:
    int selected_ = -1;
};
