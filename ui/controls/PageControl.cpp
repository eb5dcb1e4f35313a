#include "ui/controls/PageControl.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWheelEvent>

namespace {

// The tab bar hands every change of page the user asks for to its page control.
class PageTabBar : public QTabBar {
public:
    explicit PageTabBar(PageControl* pages)
        : QTabBar(pages)
        , pages_(pages)
    {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const int index = tabAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && index >= 0 && index != currentIndex()) {
            pages_->selectPageByUser(index);
            event->accept();
            return;
        }
        QTabBar::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        const int step = event->key() == Qt::Key_Left || event->key() == Qt::Key_Up      ? -1
                         : event->key() == Qt::Key_Right || event->key() == Qt::Key_Down ? 1
                                                                                         : 0;
        if (step == 0) {
            QTabBar::keyPressEvent(event);
            return;
        }
        pages_->selectPageByUser(pages_->neighbourPage(currentIndex(), step));
        event->accept();
    }
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    PageControl* pages_;
};

} // namespace

PageControl::PageControl(QWidget* parent)
    : QTabWidget(parent)
{
    setTabBar(new PageTabBar(this));
}

void PageControl::selectPageByUser(int index)
{
    if (index < 0 || index >= count() || index == currentIndex())
        return;
    bool allow = true;
    if (onChanging)
        onChanging(allow);
    if (!allow)
        return;
    setCurrentIndex(index);
    if (onChange)
        onChange();
}

int PageControl::neighbourPage(int index, int step) const
{
    for (int i = index + step; i >= 0 && i < count(); i += step)
        if (isTabVisible(i) && isTabEnabled(i))
            return i;
    return -1;
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)) {
        const int step = event->key() == Qt::Key_Backtab ? -1 : 1;
        selectPageByUser(neighbourPage(currentIndex(), step));
        event->accept();
        return;
    }
    QTabWidget::keyPressEvent(event);
}
