#include "ui/controls/Control.h"

#include <QPalette>

#include "ui/Colors.h"

namespace controlsupport {
namespace {

KeyState keyState(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers m = event->modifiers();
    return {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::ShiftModifier),
            m.testFlag(Qt::AltModifier)};
}

// The characters a key press reports: printable ones and the control characters that a typed key
// gives (backspace, Enter, Escape, Ctrl+letter). Tab moves the focus and Delete is no character.
bool producesCharacter(const QString& text)
{
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    return c != QChar(0x7F) && c != QChar('\t');
}

// The key that carries a character when the key itself was discarded or replaced.
int keyOfCharacter(QChar c, int fallback)
{
    switch (c.unicode()) {
    case 8:
        return Qt::Key_Backspace;
    case 13:
        return Qt::Key_Return;
    case 27:
        return Qt::Key_Escape;
    default:
        return fallback;
    }
}

} // namespace

KeyRoute routeKeyPress(ControlFace& face, const QKeyEvent* event,
                       std::unique_ptr<QKeyEvent>& replacement)
{
    int key = event->key();
    bool keyDiscarded = false;
    bool replaced = false;
    if (face.onKeyDown) {
        int k = key;
        face.onKeyDown(face, k, keyState(event));
        if (k == 0)
            keyDiscarded = true;
        else if (k != key) {
            key = k;
            replaced = true;
        }
    }
    QString text = event->text();
    const bool hasCharacter = producesCharacter(text);
    if (hasCharacter && face.onKeyPress) {
        QChar c = text.front();
        face.onKeyPress(face, c);
        if (c.isNull())
            return KeyRoute::Discard;
        if (c != text.front()) {
            text = QString(c);
            replaced = true;
        }
    }
    // A discarded key still delivers its character, as the key and character events of the
    // design are separate.
    if (keyDiscarded) {
        if (!hasCharacter)
            return KeyRoute::Discard;
        key = keyOfCharacter(text.front(), Qt::Key_unknown);
        replaced = true;
    } else if (replaced && hasCharacter) {
        key = keyOfCharacter(text.front(), key);
    }
    if (!replaced)
        return KeyRoute::Pass;
    const Qt::KeyboardModifiers modifiers =
        keyDiscarded ? event->modifiers() & Qt::ShiftModifier : event->modifiers();
    replacement = std::make_unique<QKeyEvent>(event->type(), key, modifiers, text,
                                              event->isAutoRepeat(), ushort(event->count()));
    return KeyRoute::Replace;
}

KeyRoute routeKeyRelease(ControlFace& face, const QKeyEvent* event,
                         std::unique_ptr<QKeyEvent>& replacement)
{
    if (!face.onKeyUp)
        return KeyRoute::Pass;
    int key = event->key();
    face.onKeyUp(face, key, keyState(event));
    if (key == 0)
        return KeyRoute::Discard;
    if (key == event->key())
        return KeyRoute::Pass;
    replacement = std::make_unique<QKeyEvent>(event->type(), key, event->modifiers(), event->text(),
                                              event->isAutoRepeat(), ushort(event->count()));
    return KeyRoute::Replace;
}

bool isControlFocusMove(const QFocusEvent* event)
{
    return event->reason() != Qt::PopupFocusReason &&
           event->reason() != Qt::ActiveWindowFocusReason;
}

void applyColors(QWidget* widget, Colors& colors, bool fillBackground)
{
    if (!colors.natural)
        colors.natural = widget->palette();
    QPalette palette = *colors.natural;
    auto setFor = [&palette](std::initializer_list<QPalette::ColorGroup> groups,
                             std::initializer_list<QPalette::ColorRole> roles, unsigned value) {
        if (value == color::None)
            return;
        const QColor c = toQColor(value);
        for (QPalette::ColorGroup g : groups)
            for (QPalette::ColorRole r : roles)
                palette.setColor(g, r, c);
    };
    const auto enabled = {QPalette::Active, QPalette::Inactive};
    const auto backgroundRoles = {QPalette::Base, QPalette::Window, QPalette::Button};
    const auto textRoles = {QPalette::Text, QPalette::WindowText, QPalette::ButtonText};
    setFor(enabled, backgroundRoles, colors.color);
    setFor({QPalette::Disabled}, backgroundRoles,
           colors.disabledColor != color::None ? colors.disabledColor : colors.color);
    setFor(enabled, textRoles, colors.fontColor);
    setFor({QPalette::Disabled}, textRoles, colors.disabledFontColor);
    widget->setPalette(palette);
    if (fillBackground && colors.color != color::None)
        widget->setAutoFillBackground(true);
}

} // namespace controlsupport
