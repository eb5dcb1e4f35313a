#include "app/HintFilter.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

#include "ui/TAxKelvaro.h"

namespace {

constexpr int kHintShowDelayMs = 500;
constexpr int kHintHideDelayMs = 3000;

class HintFilter : public QObject {
public:
    explicit HintFilter(TAxKelvaro* window)
        : QObject(window)
        , window_(window)
    {
        wakeUp_.setSingleShot(true);
        wakeUp_.setInterval(kHintShowDelayMs);
        connect(&wakeUp_, &QTimer::timeout, this, [this] { showPending(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->toolTip().isEmpty())
            return false;
        // The style already waited its wake-up delay; wait the rest of our own.
        pending_ = widget;
        pendingPos_ = static_cast<QHelpEvent*>(event)->globalPos();
        wakeUp_.start();
        return true;
    }

private:
    void showPending()
    {
        if (!pending_ || !pending_->underMouse())
            return;
        const QString hint = pending_->toolTip();
        const qsizetype bar = hint.indexOf('|');
        const QString shortPart = bar < 0 ? hint : hint.left(bar);
        window_->GestionHints(hint);
        QToolTip::showText(pendingPos_, shortPart, pending_, QRect(), kHintHideDelayMs);
    }

    TAxKelvaro* window_;
    QTimer wakeUp_;
    QPointer<QWidget> pending_;
    QPoint pendingPos_;
};

} // namespace

void installHintHandling(TAxKelvaro* window)
{
    static QPointer<HintFilter> installed;
    if (installed)
        return;
    installed = new HintFilter(window);
    qApp->installEventFilter(installed);
}
