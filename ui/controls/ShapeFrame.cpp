#include "ui/controls/ShapeFrame.h"

#include <QPainter>

#include "ui/Colors.h"

ShapeFrame::ShapeFrame(QWidget* parent)
    : Control<QFrame>(parent)
{
    setColor(color::White);
}

void ShapeFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(color()));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ShapeFrame::showEvent(QShowEvent* event)
{
    Control<QFrame>::showEvent(event);
    lower();
}
