#pragma once

#include <QComboBox>

#include "ui/controls/Control.h"

// L and C: a combo box. A pick-list box (L) shows only its items and refuses typed text; an
// editable one (C) takes any text and completes it from its items. Setting a text fires the change
// event; setting the item index or the items does not.
class ComboBox : public Control<QComboBox> {
public:
    ComboBox(bool pickList, QWidget* parent = nullptr);

    // The kind of the design, whatever the style has become since.
    QString kindCode() const override { return designedPickList_ ? "L" : "C"; }
    QString text() const override;
    void setText(const QString& text) override;
    int maxLength() const override { return maxLength_; }
    void setMaxLength(int length) override;
    void selectAll() override;

    QStringList items() const override;
    void setItems(const QStringList& items) override;
    void addItem(const QString& item) override;
    void clearItems() override;
    int itemCount() const override { return count(); }
    // The item shown: in an editable box, the item whose text is typed or completed, before the
    // box itself selects it when it is left.
    int itemIndex() const override;
    void setItemIndex(int index) override;

    bool isPickList() const override { return !isEditable(); }
    void setPickList(bool pickList) override;
    void setAutoComplete(bool on) override;
    void setAutoDropDown(bool on) override { autoDropDown_ = on; }
    void setSelectAllOnEnter(bool on) override { selectAllOnEnter_ = on; }
    int listWidth() const override { return listWidth_; }
    void setListWidth(int width) override;
    // Shows the text in capitals (the text itself is unchanged).
    void setCapitals(bool capitals);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool takesKey(const QKeyEvent& event) const override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void applyEditorSettings();
    void showTextStart();

    bool designedPickList_;
    int maxLength_ = 0;
    int listWidth_ = 0;
    bool autoComplete_ = true;
    bool autoDropDown_ = false;
    bool selectAllOnEnter_ = true;
};
