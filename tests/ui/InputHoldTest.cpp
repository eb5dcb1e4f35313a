// Keys typed while a request runs wait for its end, then reach the field in order. (The window
// manager's close request, which must not wait, is checked against a server that never ends.)
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>

#include "ui/InputHold.h"

TEST(InputHold, KeysWaitForTheEndOfTheRequestThenArriveInOrder)
{
    QLineEdit field;
    field.show();
    field.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&field));

    auto hold = std::make_unique<InputHold>(&field);
    for (const char* key : {"a", "b"}) {
        for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
            QWindowSystemInterface::handleKeyEvent(field.windowHandle(), type, Qt::Key_unknown,
                                                   Qt::NoModifier, key);
    }
    QTest::qWait(50); // the event loop of the request runs
    EXPECT_EQ(field.text(), "");

    hold.reset(); // the request is over
    QTest::qWait(50);
    EXPECT_EQ(field.text(), "ab");
}
