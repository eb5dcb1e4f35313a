// What the user does while a request runs: keys and clicks wait for its end and then arrive, in
// order, where they were meant; the window manager's close request is taken at once.
#include <QCloseEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include "ui/InputHold.h"

namespace {
class ClosableWindow : public QWidget {
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        event->ignore();
    }
};

void pressKey(QWindow* window, Qt::Key key, const QString& text)
{
    QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyPress, key, Qt::NoModifier, text);
    QWindowSystemInterface::handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, text);
}
} // namespace

TEST(InputHold, KeysWaitForTheRequestAndTheCloseRequestDoesNot)
{
    ClosableWindow window;
    auto* field = new QLineEdit(&window);
    (new QVBoxLayout(&window))->addWidget(field);
    window.show();
    window.activateWindow();
    field->setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    auto hold = std::make_unique<InputHold>(&window);
    pressKey(window.windowHandle(), Qt::Key_A, "a");
    pressKey(window.windowHandle(), Qt::Key_B, "b");
    QWindowSystemInterface::handleCloseEvent(window.windowHandle());
    QTest::qWait(50); // the event loop of the request runs
    EXPECT_EQ(field->text(), "");
    EXPECT_EQ(window.closes, 1);

    hold.reset(); // the request is over
    QTest::qWait(50);
    EXPECT_EQ(field->text(), "ab");
}
