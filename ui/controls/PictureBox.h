#pragma once

#include <QLabel>
#include <QPixmap>

#include "ui/controls/Control.h"

// An image: a picture shown in its box, scaled down proportionally (or stretched to the box).
class PictureBox : public Control<QLabel> {
public:
    explicit PictureBox(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("Image"); }
    QString text() const override { return {}; }
    void setText(const QString&) override {}

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    // Proportional: keeps the picture's shape, centred; otherwise the picture fills the box.
    void setProportional(bool proportional);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    bool proportional_ = true;
};
