#include "ui/controls/TextEdit.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "ui/controls/LengthLimit.h"

TextEdit::TextEdit(QWidget* parent)
    : Control<QLineEdit>(parent)
    , limit_(new LengthLimit(this))
{
    setValidator(limit_);
    connect(this, &QLineEdit::textChanged, this, [this] { fireChange(); });
}

void TextEdit::setText(const QString& text)
{
    const QString before = this->text();
    if (text == before)
        return;
    {
        MuteChanges mute(*this);
        QLineEdit::setText(text);
    }
    updateElisionHint();
    if (this->text() != before)
        fireChange();
}

void TextEdit::setElided(bool elided)
{
    elided_ = elided;
    updateElisionHint();
    update();
}

bool TextEdit::textFits() const
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    // The edit keeps a margin of two pixels on each side of its text.
    return fontMetrics().horizontalAdvance(QLineEdit::text()) <= area.width() - 4;
}

void TextEdit::updateElisionHint()
{
    if (elided_)
        setToolTip(textFits() ? QString() : QLineEdit::text());
}

void TextEdit::paintEvent(QPaintEvent* event)
{
    if (!elided_ || hasFocus() || textFits()) {
        Control<QLineEdit>::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QStyleOptionFrame option;
    initStyleOption(&option);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, this);
    const QRect area =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).adjusted(2, 0, -2, 0);
    const QString shown = fontMetrics().elidedText(QLineEdit::text(), Qt::ElideRight, area.width());
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::Text));
    painter.drawText(area, int(QStyle::visualAlignment(layoutDirection(), alignment())), shown);
}

void TextEdit::resizeEvent(QResizeEvent* event)
{
    Control<QLineEdit>::resizeEvent(event);
    updateElisionHint();
}

int TextEdit::maxLength() const
{
    return limit_->maximum();
}

void TextEdit::setMaxLength(int length)
{
    limit_->setMaximum(length);
}

void TextEdit::focusInEvent(QFocusEvent* event)
{
    Control<QLineEdit>::focusInEvent(event);
    if (!selectAllOnEnter_ && hasSelectedText())
        deselect();
}

bool TextEdit::takesKey(const QKeyEvent& event) const
{
    // A loaded text may be longer than the limit; typing never makes it longer.
    return limit_->roomFor(event, QLineEdit::text(), int(selectedText().size()));
}
