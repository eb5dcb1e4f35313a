#include "ui/controls/ComboBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>

#include "ui/controls/LengthLimit.h"

ComboBox::ComboBox(bool pickList, QWidget* parent)
    : Control<QComboBox>(parent)
    , designedPickList_(pickList)
{
    setInsertPolicy(QComboBox::NoInsert);
    setEditable(!pickList);
    applyEditorSettings();
    // One change per user edit: the edit text of an editable box, the selection of a pick list.
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (isEditable())
            fireChange();
    });
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!isEditable())
            fireChange();
    });
}

QString ComboBox::text() const
{
    return isEditable() ? lineEdit()->text() : currentText();
}

void ComboBox::setText(const QString& text)
{
    const QString before = this->text();
    if (text == before)
        return;
    {
        MuteChanges mute(*this);
        const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        setCurrentIndex(index);
        if (isEditable())
            setEditText(text);
        showTextStart();
    }
    if (this->text() != before)
        fireChange();
}

void ComboBox::setMaxLength(int length)
{
    maxLength_ = length > 0 ? length : 0;
    applyEditorSettings();
}

void ComboBox::selectAll()
{
    if (isEditable())
        lineEdit()->selectAll();
}

QStringList ComboBox::items() const
{
    QStringList list;
    list.reserve(count());
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void ComboBox::setItems(const QStringList& items)
{
    MuteChanges mute(*this);
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

void ComboBox::addItem(const QString& item)
{
    MuteChanges mute(*this);
    QComboBox::addItem(item);
}

void ComboBox::clearItems()
{
    MuteChanges mute(*this);
    clear();
}

int ComboBox::itemIndex() const
{
    if (!isEditable())
        return currentIndex();
    const QString shown = lineEdit()->text();
    if (currentIndex() >= 0 && itemText(currentIndex()) == shown)
        return currentIndex();
    const int exact = findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return exact >= 0 ? exact : currentIndex();
}

void ComboBox::setItemIndex(int index)
{
    MuteChanges mute(*this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
    showTextStart();
}

void ComboBox::showTextStart()
{
    // A text set by the program is read from its start, as in a closed list.
    if (QLineEdit* editor = lineEdit(); editor && !editor->hasFocus())
        editor->setCursorPosition(0);
}

void ComboBox::setPickList(bool pickList)
{
    if (pickList == !isEditable())
        return;
    MuteChanges mute(*this);
    const QString kept = text();
    setEditable(!pickList);
    applyEditorSettings();
    if (!pickList)
        setEditText(kept);
}

void ComboBox::setAutoComplete(bool on)
{
    autoComplete_ = on;
    applyEditorSettings();
}

void ComboBox::setListWidth(int width)
{
    listWidth_ = width > 0 ? width : 0;
    view()->setMinimumWidth(listWidth_);
}

void ComboBox::setCapitals(bool capitals)
{
    QFont f = font();
    f.setCapitalization(capitals ? QFont::AllUppercase : QFont::MixedCase);
    setFont(f);
}

void ComboBox::applyEditorSettings()
{
    QLineEdit* editor = lineEdit();
    if (!editor)
        return;
    auto* limit = editor->findChild<LengthLimit*>(QString(), Qt::FindDirectChildrenOnly);
    if (!limit) {
        limit = new LengthLimit(editor);
        editor->setValidator(limit);
    }
    limit->setMaximum(maxLength_);
    if (autoComplete_) {
        if (!completer()) {
            auto* c = new QCompleter(model(), this);
            setCompleter(c);
        }
        completer()->setCaseSensitivity(Qt::CaseInsensitive);
        completer()->setCompletionMode(QCompleter::InlineCompletion);
    } else {
        setCompleter(nullptr);
    }
}

void ComboBox::keyPressEvent(QKeyEvent* event)
{
    Control<QComboBox>::keyPressEvent(event);
    const QString typed = event->text();
    if (autoDropDown_ && !typed.isEmpty() && typed.front().isPrint() && isEnabled())
        showPopup();
}

void ComboBox::focusInEvent(QFocusEvent* event)
{
    Control<QComboBox>::focusInEvent(event);
    if (!isEditable() || !controlsupport::isControlFocusMove(event))
        return;
    if (selectAllOnEnter_)
        lineEdit()->selectAll();
    else
        lineEdit()->deselect();
}

bool ComboBox::takesKey(const QKeyEvent& event) const
{
    const QLineEdit* editor = lineEdit();
    const auto* limit =
        editor ? editor->findChild<LengthLimit*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    return !limit || limit->roomFor(event, editor->text(), int(editor->selectedText().size()));
}
