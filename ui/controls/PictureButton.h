#pragma once

#include <QToolButton>

#include "ui/controls/Control.h"

// B: a button with a picture; its text is the caption, shown under the picture when both exist.
class PictureButton : public Control<QToolButton> {
public:
    explicit PictureButton(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("B"); }
    QString text() const override { return QToolButton::text(); }
    void setText(const QString& text) override;
    void setGlyph(const QPixmap& glyph);

protected:
    bool clickOnRelease() const override { return false; }
    void resizeEvent(QResizeEvent* event) override;

private:
    void updateStyle();
};
