#pragma once

#include <memory>
#include <optional>
#include <utility>

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

#include "ui/ColorValues.h"
#include "ui/ControlFace.h"

// The part of the uniform face that every control kind shares, as plain functions so that the
// template below stays thin.
namespace controlsupport {

enum class KeyRoute { Discard, Pass, Replace };

// Key down, then key press for a key that produces a character. A slot may replace or discard
// what it is given; on Replace, `replacement` is the event to hand to the widget instead.
KeyRoute routeKeyPress(ControlFace& face, const QKeyEvent* event,
                       std::unique_ptr<QKeyEvent>& replacement);
// Key up: the slot may replace or discard the key.
KeyRoute routeKeyRelease(ControlFace& face, const QKeyEvent* event,
                         std::unique_ptr<QKeyEvent>& replacement);

// Focus moves that are not the user going from one control to another (a popup opening, the
// window being activated) raise no enter or exit.
bool isControlFocusMove(const QFocusEvent* event);

struct Colors {
    unsigned color = color::None;
    unsigned fontColor = color::None;
    unsigned disabledColor = color::None;
    unsigned disabledFontColor = color::None;
    // The palette the control had before any colour was given: a colour set back to None shows
    // the kind's own colour again.
    std::optional<QPalette> natural;
};
// Background and text colours into the widget's palette; a disabled control keeps its background
// and shows grey text unless colours of its own are given for that state.
void applyColors(QWidget* widget, Colors& colors, bool fillBackground);

} // namespace controlsupport

// A Qt widget that also shows the uniform face. Each kind derives from Control<its Qt widget>.
template <class Base> class Control : public Base, public ControlFace {
public:
    using Base::Base;
    using Base::setFocus;

    QWidget* widget() override { return this; }
    QString name() const override { return this->objectName(); }

    bool isEnabled() const override { return Base::isEnabled(); }
    void setEnabled(bool enabled) override { Base::setEnabled(enabled); }
    bool isVisible() const override { return !Base::isHidden(); }
    void setVisible(bool visible) override { Base::setVisible(visible); }

    unsigned color() const override { return colors_.color; }
    void setColor(unsigned value) override
    {
        colors_.color = value;
        controlsupport::applyColors(this, colors_, fillsBackground());
    }
    unsigned fontColor() const override { return colors_.fontColor; }
    void setFontColor(unsigned value) override
    {
        colors_.fontColor = value;
        controlsupport::applyColors(this, colors_, fillsBackground());
    }
    void setDisabledColors(unsigned background, unsigned text) override
    {
        colors_.disabledColor = background;
        colors_.disabledFontColor = text;
        controlsupport::applyColors(this, colors_, fillsBackground());
    }
    void setFontUnderline(bool underline) override
    {
        QFont f = Base::font();
        f.setUnderline(underline);
        Base::setFont(f);
    }
    void setFontPointSize(int size) override
    {
        QFont f = Base::font();
        f.setPointSize(size);
        Base::setFont(f);
    }
    QString hint() const override { return Base::toolTip(); }
    void setHint(const QString& text) override { Base::setToolTip(text); }

    int left() const override { return Base::x(); }
    int top() const override { return Base::y(); }
    int width() const override { return Base::width(); }
    int height() const override { return Base::height(); }
    void setBounds(int left, int top, int width, int height) override
    {
        Base::setGeometry(left, top, width, height);
    }
    void setFocus() override { Base::setFocus(Qt::OtherFocusReason); }
    bool hasFocus() const override { return Base::hasFocus(); }

protected:
    // Labels and panels paint their own background once they are given a colour.
    virtual bool fillsBackground() const { return false; }
    // Buttons report clicks through their own signal.
    virtual bool clickOnRelease() const { return true; }
    // Whether the widget gets a key the slots have let through: a key typed into a full edit is
    // dropped there.
    virtual bool takesKey(const QKeyEvent&) const { return true; }

    // Change events of the kind go through here; a text being set by the face itself fires once.
    void fireChange()
    {
        if (!changeMuted_ && onChange)
            onChange(*this);
    }
    // While alive, the widget's own change signals do not reach the change slot.
    class MuteChanges {
    public:
        explicit MuteChanges(Control& control)
            : control_(control)
            , previous_(std::exchange(control.changeMuted_, true))
        {}
        ~MuteChanges() { control_.changeMuted_ = previous_; }
        MuteChanges(const MuteChanges&) = delete;
        MuteChanges& operator=(const MuteChanges&) = delete;

    private:
        Control& control_;
        bool previous_;
    };

    void keyPressEvent(QKeyEvent* event) override
    {
        std::unique_ptr<QKeyEvent> replacement;
        const auto route = controlsupport::routeKeyPress(*this, event, replacement);
        if (route == controlsupport::KeyRoute::Discard) {
            event->accept();
            return;
        }
        if (route == controlsupport::KeyRoute::Pass) {
            handleKey(event);
            return;
        }
        handleKey(replacement.get());
        event->setAccepted(replacement->isAccepted());
    }
    // The widget's own work for a key the slots have let through.
    virtual void handleKey(QKeyEvent* event)
    {
        if (takesKey(*event))
            Base::keyPressEvent(event);
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        std::unique_ptr<QKeyEvent> replacement;
        const auto route = controlsupport::routeKeyRelease(*this, event, replacement);
        if (route == controlsupport::KeyRoute::Discard)
            event->accept();
        else
            Base::keyReleaseEvent(route == controlsupport::KeyRoute::Pass ? event
                                                                          : replacement.get());
    }
    void focusInEvent(QFocusEvent* event) override
    {
        Base::focusInEvent(event);
        if (onEnter && controlsupport::isControlFocusMove(event))
            onEnter(*this);
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        Base::focusOutEvent(event);
        if (onExit && controlsupport::isControlFocusMove(event))
            onExit(*this);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        Base::mouseReleaseEvent(event);
        if (clickOnRelease() && onClick && event->button() == Qt::LeftButton &&
            Base::rect().contains(event->position().toPoint()))
            onClick(*this);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        Base::mouseDoubleClickEvent(event);
        if (onDblClick && event->button() == Qt::LeftButton)
            onDblClick(*this);
    }

private:
    controlsupport::Colors colors_;
    bool changeMuted_ = false;
};
