#pragma once

#include <QLineEdit>

#include "ui/controls/Control.h"

class LengthLimit;

// T: a one-line text edit. The maximum length (0: none) bounds what the user types.
class TextEdit : public Control<QLineEdit> {
public:
    explicit TextEdit(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("T"); }
    QString text() const override { return QLineEdit::text(); }
    void setText(const QString& text) override;
    bool isReadOnly() const override { return QLineEdit::isReadOnly(); }
    void setReadOnly(bool readOnly) override { QLineEdit::setReadOnly(readOnly); }
    int maxLength() const override;
    void setMaxLength(int length) override;
    void selectAll() override { QLineEdit::selectAll(); }
    // Whether the whole text is selected when the user tabs into the edit (on by default).
    void setSelectAllOnEnter(bool select) override { selectAllOnEnter_ = select; }
    // A text longer than the box is drawn from its start, cut with an ellipsis, and shown whole
    // in the hint while it does not fit; the text itself is unchanged.
    void setElided(bool elided);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool takesKey(const QKeyEvent& event) const override;
    // What the user may type; number edits narrow it with a pattern.
    LengthLimit* lengthLimit() const { return limit_; }

private:
    bool textFits() const;
    void updateElisionHint();

    LengthLimit* limit_;
    bool selectAllOnEnter_ = true;
    bool elided_ = false;
};
