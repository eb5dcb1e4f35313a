// The cell editor: opened on a cell, it reports each change of its text and commits or cancels.
#include "ui/grid/DataGrid.h"

#include <QApplication>
#include <QCompleter>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "ui/controls/ComboBox.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/LengthLimit.h"
#include "ui/controls/SaveableText.h"

bool DataGrid::editable(int column, int row) const
{
    if (!validCell(column, row) || !isEnabled())
        return false;
    const GridColumn& c = columns_[std::size_t(column)];
    return c.visible && c.enabled && c.kind != ColumnKind::Image && c.has(columnoption::Editable);
}

QWidget* DataGrid::createEditor(int column)
{
    const GridColumn& c = columns_[std::size_t(column)];
    auto reportEdit = [this] {
        if (editor_ && onEdit)
            onEdit(editColumn_, editRow_, editorText());
    };
    switch (c.kind) {
    case ColumnKind::Date: {
        auto* editor = new DatePicker(viewport());
        connect(editor, &QLineEdit::textChanged, this, reportEdit);
        return editor;
    }
    case ColumnKind::ComboBox: {
        auto* editor = new ComboBox(c.pickList, viewport());
        editor->setItems(c.items);
        editor->setMaxVisibleItems(c.dropDownCount);
        editor->setListWidth(c.listWidth);
        editor->setAutoComplete(c.autoComplete || !c.pickList);
        editor->setMaxLength(c.maxLength);
        editor->onChange = [reportEdit](ControlFace&) { reportEdit(); };
        // Picking an item is a commit.
        connect(editor, &QComboBox::activated, this, [this] {
            if (!committing_)
                endEditing(true);
        });
        return editor;
    }
    case ColumnKind::Memo: {
        auto* editor = new QPlainTextEdit(viewport());
        editor->setTabChangesFocus(true);
        editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        editor->document()->setDocumentMargin(2);
        keepSaveable(editor);
        connect(editor, &QPlainTextEdit::textChanged, this, reportEdit);
        return editor;
    }
    case ColumnKind::Number:
    case ColumnKind::Text:
    case ColumnKind::Image: {
        auto* editor = new QLineEdit(viewport());
        editor->setFrame(false);
        if (c.maxLength > 0)
            editor->setMaxLength(c.maxLength);
        if (c.kind == ColumnKind::Number)
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("-?[0-9]*\\.?[0-9]*")), editor));
        else
            editor->setValidator(new LengthLimit(editor)); // only what can be saved
        connect(editor, &QLineEdit::textChanged, this, reportEdit);
        return editor;
    }
    }
    return nullptr;
}

namespace {
QString textOf(QWidget* editor)
{
    if (auto* face = dynamic_cast<ControlFace*>(editor))
        return face->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(editor))
        return memo->toPlainText();
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        return line->text();
    return {};
}

void setTextOf(QWidget* editor, const QString& text)
{
    if (auto* face = dynamic_cast<ControlFace*>(editor))
        face->setText(text);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(editor)) {
        memo->setPlainText(text);
        memo->moveCursor(QTextCursor::End);
    } else if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(text);
}
} // namespace

QString DataGrid::editorText() const
{
    return textOf(editor_);
}

void DataGrid::setEditorText(const QString& text)
{
    setTextOf(editor_, text);
}

bool DataGrid::startEditing(int column, int row)
{
    if (!editable(column, row))
        return false;
    if (isEditing()) {
        if (editColumn_ == column && editRow_ == row)
            return true;
        endEditing(true);
        if (!editable(column, row))
            return false;
    }
    const GridColumn& c = columns_[std::size_t(column)];
    editColumn_ = column;
    editRow_ = row;
    QWidget* editor = createEditor(column);
    // The editor starts with the cell's text, which is no edit yet: edits are reported only once
    // the editor is the grid's.
    setTextOf(editor, cell(column, row));
    editor_ = editor;
    QRect box = cellRect(column, row);
    if (c.kind == ColumnKind::Memo && box.height() < 3 * style_.rowHeight && !style_.cards)
        box.setHeight(3 * style_.rowHeight);
    if (c.kind == ColumnKind::Date || c.kind == ColumnKind::ComboBox)
        box.setHeight(std::max(box.height(), 20));
    editor->setGeometry(box);
    editor->installEventFilter(this);
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        if (c.has(columnoption::SelectOnEdit))
            line->selectAll();
        else
            line->deselect();
    }
    viewport()->update();
    return true;
}

void DataGrid::closeEditor()
{
    QWidget* editor = editor_;
    editor_ = nullptr;
    if (!editor)
        return;
    // The focus comes back to the grid unless the user took it elsewhere.
    const QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = focused && (focused == editor || editor->isAncestorOf(focused));
    editor->removeEventFilter(this);
    editor->hide();
    editor->deleteLater();
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    viewport()->update();
}

bool DataGrid::endEditing(bool commit)
{
    return finishEditing(commit, false);
}

bool DataGrid::commitEditingForCommand()
{
    return finishEditing(true, true);
}

bool DataGrid::finishEditing(bool commit, bool keepRefused)
{
    if (!editor_ || committing_)
        return true;
    committing_ = true;
    const int column = editColumn_;
    const int row = editRow_;
    const QString text = editorText();
    bool accept = commit;
    if (commit && onEditAccept)
        onEditAccept(column, row, text, accept);
    if (!accept && keepRefused && editor_) {
        committing_ = false;
        editor_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    closeEditor();
    if (accept && validCell(column, row) && text != cell(column, row)) {
        setCell(column, row, text);
        if (onCellChange)
            onCellChange(column, row);
    }
    if (onAfterEdit)
        onAfterEdit(column, row);
    committing_ = false;
    return accept;
}

void DataGrid::setEditorCompletion(const QStringList& words)
{
    QLineEdit* line = qobject_cast<QLineEdit*>(editor_);
    if (auto* combo = qobject_cast<QComboBox*>(editor_))
        line = combo->lineEdit();
    if (!line)
        return;
    if (words.isEmpty()) {
        line->setCompleter(nullptr);
        return;
    }
    auto* completer = new QCompleter(words, line);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    line->setCompleter(completer);
}

bool DataGrid::editorKey(QKeyEvent* event)
{
    const bool memo = qobject_cast<QPlainTextEdit*>(editor_) != nullptr;
    const bool combo = qobject_cast<QComboBox*>(editor_) != nullptr;
    switch (event->key()) {
    case Qt::Key_Escape:
        endEditing(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (memo && event->modifiers().testFlag(Qt::ShiftModifier))
            return false;
        endEditing(true);
        if (style_.enterMovesSelection)
            moveBy(0, 1);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        endEditing(true);
        if (style_.wantKeys)
            moveBy(event->key() == Qt::Key_Tab ? 1 : -1, 0);
        else
            focusNextPrevChild(event->key() == Qt::Key_Tab);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (memo || combo)
            return false;
        endEditing(true);
        moveBy(0, event->key() == Qt::Key_Up ? -1 : 1);
        return true;
    default:
        return false;
    }
}

bool DataGrid::eventFilter(QObject* watched, QEvent* event)
{
    if (!editor_ || (watched != editor_ && watched->parent() != editor_))
        return Control<QAbstractScrollArea>::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && !routingKey_) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Keys typed in the editor are the grid's key events first.
        std::unique_ptr<QKeyEvent> replacement;
        const auto route = controlsupport::routeKeyPress(*this, key, replacement);
        if (route == controlsupport::KeyRoute::Discard)
            return true;
        QKeyEvent* effective = route == controlsupport::KeyRoute::Replace ? replacement.get() : key;
        if (editorKey(effective))
            return true;
        if (route == controlsupport::KeyRoute::Replace) {
            routingKey_ = true;
            QCoreApplication::sendEvent(watched, replacement.get());
            routingKey_ = false;
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::FocusOut) {
        auto* focus = static_cast<QFocusEvent*>(event);
        const QWidget* now = QApplication::focusWidget();
        const bool insideEditor = now && (now == editor_ || editor_->isAncestorOf(now));
        if (controlsupport::isControlFocusMove(focus) && !insideEditor && !committing_) {
            const int replaced = rowsReplaced_;
            endEditing(true);
            // A click on the grid took the focus: it goes no further when the commit reloaded
            // the rows under it.
            clickVoided_ =
                focus->reason() == Qt::MouseFocusReason && now == this && replaced != rowsReplaced_;
        }
    }
    return Control<QAbstractScrollArea>::eventFilter(watched, event);
}
