#include "app/Browser.h"

#include <QProcess>
#include <QString>
#include <QStringList>

bool openWithDesktop(const QString& address)
{
    // The address is one argument: no shell reads it, so "&" and "?" reach the opener as written.
    return QProcess::startDetached(QStringLiteral("xdg-open"), {address});
}
