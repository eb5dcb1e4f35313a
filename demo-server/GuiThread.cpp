#include "demo-server/GuiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

void runOnGuiThread(const std::function<void()>& work)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application || QThread::currentThread() == application->thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(application, work, Qt::BlockingQueuedConnection);
}
