#include "ui/InputHold.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

namespace {
// What becomes of the user's input while a request runs: clicks, keys and wheel turns wait for
// its end; pointer moves, drags and touches mean nothing by then.
enum class Held { No, Kept, Dropped };
Held heldInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        return Held::Kept;
    case QEvent::MouseMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
        return Held::Dropped;
    default:
        return Held::No;
    }
}

// A key held back may be one of the window's shortcuts: it runs its command, as it would have.
bool runShortcut(QWidget* window, const QKeyEvent& key)
{
    if (window == nullptr)
        return false;
    const QKeySequence pressed(key.keyCombination());
    for (QShortcut* shortcut : window->findChildren<QShortcut*>()) {
        if (shortcut->isEnabled() && shortcut->key() == pressed) {
            Q_EMIT shortcut->activated();
            return true;
        }
    }
    return false;
}
} // namespace

InputHold::InputHold(QWidget* window)
    : window_(window)
{
    qApp->installEventFilter(this);
}

InputHold::~InputHold()
{
    qApp->removeEventFilter(this);
    if (!HeldInput::empty()) {
        QPointer<QWidget> window = window_;
        QMetaObject::invokeMethod(
            qApp, [window] { HeldInput::playBack(window); }, Qt::QueuedConnection);
    }
}

bool InputHold::eventFilter(QObject* receiver, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride) {
        // No shortcut runs now: the key itself is held, and its shortcut runs on playback.
        event->accept();
        return true;
    }
    // Only what comes from the user: events that the program sends itself go through.
    if (!event->spontaneous())
        return false;
    const Held held = heldInput(type);
    if (held == Held::Kept)
        HeldInput::hold(receiver, *event);
    return held != Held::No;
}

std::deque<HeldInput::Item>& HeldInput::items()
{
    static std::deque<Item> held;
    return held;
}

void HeldInput::hold(QObject* receiver, const QEvent& event)
{
    items().push_back({receiver, std::unique_ptr<QEvent>(event.clone())});
}

bool HeldInput::empty()
{
    return items().empty();
}

void HeldInput::playBack(QWidget* window)
{
    // One at a time from the front: what is held again while a played-back click runs a request
    // comes after what was held before it.
    while (!items().empty()) {
        Item item = std::move(items().front());
        items().pop_front();
        QEvent* event = item.event.get();
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (event->type() == QEvent::KeyPress && runShortcut(window, key))
                continue;
            // Keys go where the user types now, as they would have after the wait.
            QObject* target = QApplication::focusWidget();
            if (target == nullptr)
                target = item.receiver;
            if (target != nullptr)
                QCoreApplication::sendEvent(target, event);
        } else if (item.receiver) {
            // A click on a window closed meanwhile is dropped.
            QCoreApplication::sendEvent(item.receiver, event);
        }
    }
}
