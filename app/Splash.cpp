// Splash panel, hints and the trace log of the window.
#include "ui/TAxKelvaro.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>

#include "app/FileVersion.h"
#include "app/Paths.h"
#include "app/Trace.h"

void TAxKelvaro::ShowSplash()
{
    if (!QApplication::overrideCursor())
        QApplication::setOverrideCursor(Qt::WaitCursor);
    PanelSplash->raise();
    LbSplash->setText("Kelvaro - Version " +
                      QString::fromLatin1(compiledFileVersion()).replace('.', ','));
    LbSplash->adjustSize();
    const bool bresman = UserConcession == "BRESMAN";
    ImageSplash->setVisible(bresman);
    LbConcession->setText(UserConcession);
    LbConcession->setVisible(!bresman);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    Panel1->hide();
    PanelSplash->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TAxKelvaro::hideSplash()
{
    PanelSplash->hide();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void TAxKelvaro::GestionHints(const QString& hint)
{
    const qsizetype bar = hint.indexOf('|');
    LbDebugInfo3->setText(bar < 0 ? hint : hint.mid(bar + 1));
}

void TAxKelvaro::WriteTrace(const QString& message)
{
    if (!TraceOn)
        return;
    appendTrace(joinPath(TempFolder.toStdString(), "TAXKelvaro.log"), message.toStdString());
}
