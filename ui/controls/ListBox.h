#pragma once

#include <QListWidget>

#include "ui/controls/Control.h"

// LB: a list box where several items may be selected at once, each by its own click (no range
// extension). A click or a key that changes the selection raises the click event; selecting from
// the program does not.
class ListBox : public Control<QListWidget> {
public:
    explicit ListBox(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("LB"); }
    // The current item's text.
    QString text() const override;
    void setText(const QString& text) override;

    QStringList items() const override;
    void setItems(const QStringList& items) override;
    void addItem(const QString& item) override;
    void clearItems() override { clear(); }
    int itemCount() const override { return count(); }
    int itemIndex() const override { return currentRow(); }
    void setItemIndex(int index) override;
    bool isSelected(int index) const override;
    void setSelected(int index, bool selected) override;

    void setItemHeight(int height);
    int itemHeight() const { return itemHeight_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<int> selectedRows() const;

    int itemHeight_ = 0;
};
