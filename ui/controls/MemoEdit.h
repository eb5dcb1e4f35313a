#pragma once

#include <QPlainTextEdit>

#include "ui/controls/Control.h"

// M: an editable text that may hold line breaks. Its text reads and writes carriage return + line
// feed; a memo left untouched reads back exactly the text written into it.
class MemoEdit : public Control<QPlainTextEdit> {
public:
    explicit MemoEdit(QWidget* parent = nullptr);

    QString kindCode() const override { return QStringLiteral("M"); }
    QString text() const override;
    void setText(const QString& text) override;
    bool isReadOnly() const override { return QPlainTextEdit::isReadOnly(); }
    void setReadOnly(bool readOnly) override { QPlainTextEdit::setReadOnly(readOnly); }
    // Counted in characters of the text as read, a line break counting two.
    int maxLength() const override { return maxLength_; }
    void setMaxLength(int length) override { maxLength_ = length > 0 ? length : 0; }
    void selectAll() override { QPlainTextEdit::selectAll(); }

    // Without line breaks, Enter inserts nothing.
    void setLineBreaks(bool allowed) { lineBreaks_ = allowed; }
    bool lineBreaks() const { return lineBreaks_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool takesKey(const QKeyEvent& event) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Characters that may still be added in place of the current selection.
    int room() const;

    QString written_;   // the text last set, as given
    QString shownText_; // what it became in the widget
    int maxLength_ = 0;
    bool lineBreaks_ = true;
};
