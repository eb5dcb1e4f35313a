#include "ui/controls/NumberEdit.h"

#include "ui/controls/LengthLimit.h"

NumberEdit::NumberEdit(Kind kind, QWidget* parent)
    : TextEdit(parent)
    , kind_(kind)
{
    const QString pattern =
        kind == Kind::Whole ? QStringLiteral("[0-9]*") : QStringLiteral("-?[0-9]*\\.?[0-9]*");
    lengthLimit()->setPattern(pattern);
    setText(kind == Kind::Decimal ? QStringLiteral("0.00") : QStringLiteral("0"));
}

QString NumberEdit::kindCode() const
{
    return kind_ == Kind::Decimal ? QStringLiteral("N2") : QStringLiteral("N");
}
