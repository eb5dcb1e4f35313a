#include "ui/controls/PictureButton.h"

#include <algorithm>

PictureButton::PictureButton(QWidget* parent)
    : Control<QToolButton>(parent)
{
    // A click leaves the focus where it is: the command it runs first commits the field being
    // edited, and stops there when that field refuses to be left. Tab still reaches the button.
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (onClick)
            onClick(*this);
    });
}

void PictureButton::setText(const QString& text)
{
    if (text == QToolButton::text())
        return;
    QToolButton::setText(text);
    updateStyle();
    fireChange();
}

void PictureButton::setGlyph(const QPixmap& glyph)
{
    setIcon(QIcon(glyph));
    updateStyle();
}

void PictureButton::resizeEvent(QResizeEvent* event)
{
    QToolButton::resizeEvent(event);
    updateStyle();
}

void PictureButton::updateStyle()
{
    const bool hasText = !QToolButton::text().isEmpty();
    const bool hasIcon = !icon().isNull();
    if (!hasIcon) {
        setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    // The picture fills what the caption leaves: under it in tall buttons, beside it in flat ones.
    const int h = Control<QToolButton>::height();
    const int w = Control<QToolButton>::width();
    if (!hasText) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        const int side = std::max(8, std::min(w, h) - 10);
        setIconSize(QSize(side, side));
    } else if (h >= 40) {
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        const int side = std::max(8, h - 24);
        setIconSize(QSize(side, side));
    } else {
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        const int side = std::max(8, h - 8);
        setIconSize(QSize(side, side));
    }
}
