#include "ui/controls/TextLabel.h"

#include <QPainter>
#include <QStyle>

TextLabel::TextLabel(QWidget* parent)
    : Control<QLabel>(parent)
{
    setTextFormat(Qt::PlainText);
}

void TextLabel::setText(const QString& text)
{
    if (text == QLabel::text())
        return;
    QLabel::setText(text);
    updateElisionHint();
    fireChange();
}

void TextLabel::setElided(bool elided)
{
    elided_ = elided;
    updateElisionHint();
    update();
}

void TextLabel::paintEvent(QPaintEvent* event)
{
    if (!elided_) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(QLabel::text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

void TextLabel::resizeEvent(QResizeEvent* event)
{
    Control<QLabel>::resizeEvent(event);
    updateElisionHint();
}

void TextLabel::updateElisionHint()
{
    if (!elided_)
        return;
    const bool cut = fontMetrics().horizontalAdvance(QLabel::text()) > contentsRect().width();
    setToolTip(cut ? QLabel::text() : QString());
}
