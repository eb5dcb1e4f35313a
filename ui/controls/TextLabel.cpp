#include "ui/controls/TextLabel.h"

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
    fireChange();
}
