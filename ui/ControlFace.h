#pragma once

#include <functional>

#include <QString>
#include <QStringList>

class QWidget;

// Keyboard state passed with key-down and key-up events.
struct KeyState {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// The one face that every control kind of the window shows to the logic: text, tag, colours,
// limits, items and events. Descriptors (TsDesc) hold controls through it, so the logic layer never
// includes a widget header. Colours are 32-bit numbers: 0x00BBGGRR, or 0xFF0000nn for system colour
// nn (0x0F button face, 0x05 window, ...).
class ControlFace {
public:
    virtual ~ControlFace() = default;

    virtual QWidget* widget() = 0;
    virtual QString name() const = 0;
    // Kind code of the design: "T", "M", "N", "N2", "D", "L", "C", "LB", "LV", "B", "G", "P",
    // "Label", "Image", "Shape".
    virtual QString kindCode() const { return {}; }

    // Text as the logic reads and writes it. Multi-line edits use carriage return + line feed.
    // Setting a text fires the change event once when the text differs.
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;

    int tag() const { return tag_; }
    void setTag(int tag) { tag_ = tag; }

    virtual bool isEnabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // The control's own visibility flag, whether or not its window is shown.
    virtual bool isVisible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool isReadOnly() const { return false; }
    virtual void setReadOnly(bool) {}
    virtual int maxLength() const { return 0; }
    virtual void setMaxLength(int) {}

    virtual unsigned color() const = 0;
    virtual void setColor(unsigned color) = 0;
    virtual unsigned fontColor() const = 0;
    virtual void setFontColor(unsigned color) = 0;
    // Colours while the control is disabled; color::None (0xFFFFFFFF) keeps the usual ones.
    virtual void setDisabledColors(unsigned, unsigned) {}
    virtual void setFontUnderline(bool) {}
    virtual void setFontPointSize(int) {}
    // Tooltip text; a "short|long" hint shows its short part.
    virtual QString hint() const { return {}; }
    virtual void setHint(const QString&) {}

    // Position and size in pixels of the parent.
    virtual int left() const = 0;
    virtual int top() const = 0;
    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual void setBounds(int left, int top, int width, int height) = 0;

    virtual void setFocus() = 0;
    virtual bool hasFocus() const = 0;
    virtual void selectAll() {}

    // Items of combo boxes and list boxes; other kinds have none.
    virtual QStringList items() const { return {}; }
    virtual void setItems(const QStringList&) {}
    virtual void addItem(const QString&) {}
    virtual void clearItems() {}
    virtual int itemCount() const { return 0; }
    virtual int itemIndex() const { return -1; }
    virtual void setItemIndex(int) {}
    // List boxes: selection of each item.
    virtual bool isSelected(int) const { return false; }
    virtual void setSelected(int, bool) {}
    // Combo boxes: a pick-from-list box accepts only its items; an editable one any text.
    virtual bool isPickList() const { return false; }
    virtual void setPickList(bool) {}
    virtual void setAutoComplete(bool) {}
    virtual void setAutoDropDown(bool) {}
    virtual void setSelectAllOnEnter(bool) {}
    // Combo boxes: width of the drop-down list, 0 = the box's own width.
    virtual int listWidth() const { return 0; }
    virtual void setListWidth(int) {}

    // Events. A slot that is set is a handler of the form's own: binding attaches the window's
    // generic handlers only to free slots. A key-press handler may replace the character or set it
    // to 0 to discard it; key-down and key-up handlers may replace the key (a Qt::Key code) or set
    // it to 0.
    std::function<void(ControlFace& sender)> onChange;
    std::function<void(ControlFace& sender)> onEnter;
    std::function<void(ControlFace& sender)> onExit;
    std::function<void(ControlFace& sender)> onClick;
    std::function<void(ControlFace& sender)> onDblClick;
    std::function<void(ControlFace& sender, QChar& key)> onKeyPress;
    std::function<void(ControlFace& sender, int& key, KeyState state)> onKeyDown;
    std::function<void(ControlFace& sender, int& key, KeyState state)> onKeyUp;

private:
    int tag_ = 0;
};
