#pragma once

#include "ui/controls/TextEdit.h"

// N and N2: number edits that accept what their kind allows. The decimal separator is the point,
// whatever the locale.
class NumberEdit : public TextEdit {
public:
    enum class Kind {
        Whole,            // N: digits only, initially "0"
        Decimal,          // N2: sign, digits and a point, initially "0.00"
        DecimalShownWhole // N that accepts a point but shows no decimals, initially "0"
    };
    explicit NumberEdit(Kind kind, QWidget* parent = nullptr);

    QString kindCode() const override;
    Kind numberKind() const { return kind_; }

private:
    Kind kind_;
};
