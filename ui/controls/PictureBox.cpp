#include "ui/controls/PictureBox.h"

#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : Control<QLabel>(parent)
{}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::setProportional(bool proportional)
{
    proportional_ = proportional;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QRect target = rect();
    if (proportional_) {
        QSize size = picture_.size();
        if (size.width() > target.width() || size.height() > target.height())
            size.scale(target.size(), Qt::KeepAspectRatio);
        target = QRect(QPoint(0, 0), size);
        target.moveCenter(rect().center());
    }
    painter.drawPixmap(target, picture_);
}
