#include "ui/controls/Panel.h"

#include <QLabel>
#include <QPainter>

Panel::Panel(QWidget* parent)
    : Control<QFrame>(parent)
{
    setAutoFillBackground(true);
}

void Panel::setText(const QString& text)
{
    if (text == caption_)
        return;
    caption_ = text;
    fireChange();
}

void Panel::setBevel(int width)
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setMidLineWidth(width);
}

WarningPanel::WarningPanel(QWidget* parent)
    : Panel(parent)
{}

void WarningPanel::setVisible(bool visible)
{
    Panel::setVisible(visible);
    update();
}

void WarningPanel::paintEvent(QPaintEvent* event)
{
    Panel::paintEvent(event);
    const QWidget* window = parentWidget();
    const auto* label = window ? window->findChild<QLabel*>("LbDebugInfo0") : nullptr;
    if (!label || label->text().isEmpty())
        return;
    QPainter painter(this);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(14);
    painter.setFont(f);
    painter.setPen(Qt::white);
    painter.drawText(rect().adjusted(12, 6, -12, -6),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, label->text());
}
