#include "ui/controls/TextEdit.h"

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
    if (this->text() != before)
        fireChange();
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
