#include "ui/controls/MemoEdit.h"

#include <climits>

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/controls/SaveableText.h"

namespace {
QString toShown(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QChar('\r'), QChar('\n'));
    return text;
}

QString toRead(QString text)
{
    return text.replace(QChar('\n'), QLatin1String("\r\n"));
}

// Memos of one line's height show no scroll bars.
constexpr int kScrollingHeight = 40;
} // namespace

MemoEdit::MemoEdit(QWidget* parent)
    : Control<QPlainTextEdit>(parent)
{
    document()->setDocumentMargin(2);
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    keepSaveable(this);
    connect(this, &QPlainTextEdit::textChanged, this, [this] { fireChange(); });
}

QString MemoEdit::text() const
{
    const QString shown = toPlainText();
    return shown == shownText_ ? written_ : toRead(shown);
}

void MemoEdit::setText(const QString& text)
{
    const QString before = this->text();
    if (text == before)
        return;
    {
        MuteChanges mute(*this);
        shownText_ = toShown(text);
        written_ = text;
        setPlainText(shownText_);
        // setPlainText may normalise what it is given; read back what it keeps.
        if (toPlainText() != shownText_) {
            shownText_ = toPlainText();
            written_ = toRead(shownText_);
        }
    }
    if (this->text() != before)
        fireChange();
}

int MemoEdit::room() const
{
    if (maxLength_ == 0)
        return INT_MAX;
    const QString selected = textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n');
    return maxLength_ - int(text().size()) + int(toRead(selected).size());
}

void MemoEdit::keyPressEvent(QKeyEvent* event)
{
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (lineBreak && !lineBreaks_) {
        event->ignore();
        return;
    }
    Control<QPlainTextEdit>::keyPressEvent(event);
}

bool MemoEdit::takesKey(const QKeyEvent& event) const
{
    const bool lineBreak = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    const QString typed = event.text();
    const bool inserts = lineBreak || (!typed.isEmpty() && typed.front().isPrint());
    return !inserts || room() >= (lineBreak ? 2 : int(typed.size()));
}

void MemoEdit::insertFromMimeData(const QMimeData* source)
{
    if (!source->hasText())
        return;
    QString text = toShown(source->text());
    if (!lineBreaks_)
        text.replace(QChar('\n'), QChar(' '));
    const int left = room();
    while (!text.isEmpty() && int(toRead(text).size()) > left)
        text.chop(1);
    textCursor().insertText(text);
}

void MemoEdit::resizeEvent(QResizeEvent* event)
{
    Control<QPlainTextEdit>::resizeEvent(event);
    const Qt::ScrollBarPolicy policy =
        height() < kScrollingHeight ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    setVerticalScrollBarPolicy(policy);
}
