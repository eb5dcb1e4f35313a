#pragma once

#include <deque>
#include <memory>

#include <QObject>
#include <QPointer>

class QEvent;
class QWidget;

// Holds the user's clicks and keys while a request runs, and plays them back, in order, once it
// is over. Everything else goes on meanwhile: painting, timers and, above all, the window
// manager's close request, which the window takes at once to cancel a download. (An event loop
// that excludes user input would hold the close request back with the clicks.)
class InputHold : public QObject {
public:
    // Holds input for the windows of the application until destroyed; the held input is then
    // played back from the event loop, after the command that ran the request has returned.
    explicit InputHold(QWidget* window);
    ~InputHold() override;

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

// The input held by every InputHold so far and not yet played back.
class HeldInput {
public:
    struct Item {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };
    static void hold(QObject* receiver, const QEvent& event);
    // Plays back what was held, in order, on the window's shortcuts and focus widget.
    static void playBack(QWidget* window);
    static bool empty();

private:
    static std::deque<Item>& items();
};
