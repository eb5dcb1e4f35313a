// Binding a described field to its control: found by name on its page, or created; filled with
// the field's value, its rights, colours, limits, choice list and the window's handlers.
#include "ui/TAxKelvaro.h"

#include <stdexcept>

#include "app/Cp1252.h"
#include "ui/ColorValues.h"
#include "ui/controls/AllKinds.h"
#include "view/StructureDoc.h"

namespace {

constexpr int kAccountingFields = 1000;

ControlFace* directChild(QWidget* parent, const QString& name)
{
    for (QObject* child : parent->children())
        if (child->objectName() == name)
            if (auto* face = dynamic_cast<ControlFace*>(child))
                return face;
    return nullptr;
}

// A created field: list box, combo box, button or, for anything else, an edit box for its type.
ControlFace* createControl(const TsDesc& field, QWidget* page)
{
    switch (field.CtrlKind) {
    case 110:
        return new ListBox(page);
    case 111:
    case 112:
        return new ComboBox(false, page);
    case 104:
        return new PictureButton(page);
    default:
        // A number edit for numbers; a text or date field keeps a plain edit so it can be typed.
        if (field.InfoType == 4)
            return new NumberEdit(NumberEdit::Kind::Whole, page);
        if (field.InfoType == 5)
            return new NumberEdit(NumberEdit::Kind::Decimal, page);
        return new TextEdit(page);
    }
}

} // namespace

void TAxKelvaro::bindField(int entry, int position, TsDesc& field)
{
    const bool visible = fieldVisible(field.Enabled, fieldRights(entry, field));
    QWidget* page = entryPage(entry);
    QWidget* parent = field.FieldNumber < kAccountingFields ? page : PanelCompta;
    if (!page)
        throw std::runtime_error("le champ " + field.FieldName + " n'a pas de page où s'afficher");
    const QString name = fromCp1252(TabDesc[entry].NamePrefix + field.FieldName);
    const int kind = field.CtrlKind;

    if (ControlFace* found = directChild(parent, name)) {
        // A form control with a tag of its own has its own label.
        const bool labelWanted = found->tag() == 0;
        found->setVisible(visible);
        if (kind == 104 || kind == 109 || kind == 110 || kind == 111 || kind == 112) {
            if (kind == 104)
                field.Button = found;
            else
                field.Control = found;
            fillField(entry, position, field, false);
        }
        if (labelWanted && !field.Caption.empty() && kind != 104 && visible) {
            const bool above = kind == 110 || kind == 120;
            // The description's left places the label; the control's top its row.
            createCaptionLabel(entry, position, field, labelLeft(field.Left, kind),
                               above ? found->top() - 20 : found->top());
        }
    } else if (field.Width != 0) {
        if (!field.Caption.empty() && kind != 104) {
            createCaptionLabel(entry, position, field, labelLeft(field.Left, kind), field.Top);
            field.CaptionLabel->setVisible(visible);
        }
        ControlFace* created = createControl(field, page);
        created->widget()->setObjectName(name);
        if (kind == 104)
            field.Button = created;
        else
            field.Control = created;
        fillField(entry, position, field, true);
        created->setVisible(visible);
    }
    updateRequiredMarker(field);
    field.Described = true;
}

void TAxKelvaro::fillField(int entry, int position, TsDesc& field, bool created)
{
    switch (field.CtrlKind) {
    case 104:
        fillButton(entry, position, field, created);
        break;
    case 110:
        fillListBox(entry, position, field, created);
        break;
    case 111:
    case 112:
        fillCombo(entry, position, field, created);
        break;
    default:
        fillEdit(entry, position, field, created);
        break;
    }
}

bool TAxKelvaro::prepareBoundControl(int entry, int position, TsDesc& field, ControlFace& control)
{
    if (field.BaseColor == 0)
        field.BaseColor = control.color();
    control.setTag(fieldTag(entry, position));
    const bool rights = fieldRights(entry, field);
    control.setEnabled(rights && field.Width != 0);
    return rights;
}

namespace {
// Background and text of a bound control: the base colour with rights, button face without.
void applyFieldColors(ControlFace& control, const TsDesc& field, bool rights)
{
    if (rights) {
        if (field.BaseColor != 0)
            control.setColor(field.BaseColor);
        control.setFontColor(field.FontColor);
    } else {
        control.setColor(color::ButtonFace);
    }
}
} // namespace

void TAxKelvaro::fillEdit(int entry, int position, TsDesc& field, bool created)
{
    ControlFace& edit = *field.Control;
    const bool rights = prepareBoundControl(entry, position, field, edit);
    if (field.Length != 0)
        edit.setMaxLength(field.Length);
    edit.onKeyDown = [this](ControlFace& sender, int& key, KeyState state) {
        CBoxKeyDown(sender, key, state);
    };
    if (!edit.onKeyPress)
        edit.onKeyPress = [this](ControlFace& sender, QChar& key) { GoOnKeyPress(sender, key); };
    if (!edit.onChange)
        edit.onChange = [this](ControlFace& sender) { EditChange(sender); };
    // A date field without a check of its own still refuses a text that is not a date.
    if (field.InfoType == 1 && !edit.onExit)
        edit.onExit = [this](ControlFace& sender) { refuseUnreadableDate(sender); };
    applyFieldColors(edit, field, rights);
    std::string value = field.Value;
    if (field.InfoType == 5)
        for (char& c : value)
            if (c == ',')
                c = '.';
    edit.setText(fromCp1252(value));
    if (created) {
        if (field.Width != 0)
            edit.setBounds(field.Left, field.Top, field.Width, field.Height - 1);
        else
            edit.setVisible(false);
    }
}

void TAxKelvaro::fillButton(int entry, int position, TsDesc& field, bool created)
{
    ControlFace& button = *field.Button;
    button.setTag(fieldTag(entry, position));
    const bool rights = fieldRights(entry, field);
    button.setEnabled(rights && field.Width != 0);
    if (rights)
        button.setFontColor(field.FontColor);
    if (created) {
        if (field.Width != 0)
            button.setBounds(field.Left, field.Top + 2, field.Width, field.Height - 1);
        else
            button.setVisible(false);
    }
}

void TAxKelvaro::fillCombo(int entry, int position, TsDesc& field, bool created)
{
    ControlFace& combo = *field.Control;
    combo.clearItems();
    field.Combo = &combo;
    const bool rights = prepareBoundControl(entry, position, field, combo);
    if (field.Length != 0)
        combo.setMaxLength(field.Length);
    if (combo.isPickList()) {
        // Pick-from-list boxes become editable; the exit check keeps their text in the list.
        field.StrictList = true;
        combo.setPickList(false);
    }
    combo.setAutoComplete(true);
    combo.setAutoDropDown(false);
    combo.setSelectAllOnEnter(true);
    if (created) {
        if (field.Width != 0)
            combo.setBounds(field.Left, field.Top, field.Width, field.Height + 4);
        else
            combo.setVisible(false);
    }
    field.Width = combo.width();
    WriteTrace("CBoxEvents : " + fromCp1252(field.ListKey) + " - " + fromCp1252(field.ListField));
    if (!combo.onChange)
        combo.onChange = [this](ControlFace& sender) { CBoxChange(sender); };
    combo.onEnter = [this](ControlFace& sender) { CBoxEnter(sender); };
    combo.onExit = [this](ControlFace& sender) { CBoxExit(sender); };
    combo.onKeyDown = [this](ControlFace& sender, int& key, KeyState state) {
        CBoxKeyDown(sender, key, state);
    };
    combo.onKeyUp = [this](ControlFace& sender, int& key, KeyState state) {
        cBoxKeyUp(sender, key, state);
    };
    if (!combo.onKeyPress)
        combo.onKeyPress = [this](ControlFace& sender, QChar& key) { GoOnKeyPress(sender, key); };
    applyFieldColors(combo, field, rights);

    if (!ListsIndex)
        return;
    const ComboFill fill = fillBoundCombo(*ListsIndex,
                                          {field.CtrlKind, field.InfoType, field.FieldName,
                                           field.ListField, field.Value, RecordKind, RecordSite},
                                          Cascade);
    QStringList items;
    for (const std::string& entryText : fill.entries)
        items << fromCp1252(entryText);
    combo.setItems(items);
    if (fill.selected >= 0)
        combo.setItemIndex(fill.selected);
    field.ByIndex = fill.byIndex;
    field.BlankFirst = fill.blankFirst;
}

void TAxKelvaro::fillListBox(int entry, int position, TsDesc& field, bool created)
{
    ControlFace& list = *field.Control;
    list.clearItems();
    field.ListBox = &list;
    const bool rights = prepareBoundControl(entry, position, field, list);
    if (!list.onClick)
        list.onClick = [this](ControlFace& sender) { LBoxChange(sender); };
    applyFieldColors(list, field, rights);
    if (created)
        list.setBounds(field.Left, field.Top + 21, field.Width, field.Height + 4);

    if (!ListsIndex)
        return;
    const ListBoxFill fill =
        fillBoundListBox(*ListsIndex, field.ListField, field.Value, toCp1252(aSite->text()));
    showListBoxFill(list, field, fill);
    const QString name = list.name();
    if (name == "cVDInfoOptions" || name == "cVNInfoOptions")
        LbInfoOptions->setText(fromCp1252(fill.selectedTexts));
}

void TAxKelvaro::showListBoxFill(ControlFace& list, TsDesc& field, const ListBoxFill& fill)
{
    QStringList items;
    for (const std::string& entryText : fill.entries)
        items << fromCp1252(entryText);
    list.setItems(items);
    for (size_t i = 0; i < fill.selected.size(); ++i)
        list.setSelected(int(i), fill.selected[i]);
    field.Codes = fill.codes;
}

void TAxKelvaro::createCaptionLabel(int entry, int position, TsDesc& field, int left, int top)
{
    QWidget* parent = field.FieldNumber < kAccountingFields ? entryPage(entry) : PanelCompta;
    auto* label = new TextLabel(parent);
    label->setTag(fieldTag(entry, position));
    label->setText(fromCp1252(field.Caption));
    // One line of text: a label as tall as its field would lie over a list box below it. It
    // never takes a click and lies under the fields, so nothing of a field is ever covered.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->adjustSize();
    label->setBounds(left, top + 2, label->QLabel::width(), label->QLabel::height());
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->lower();
    label->show();
    field.CaptionLabel = label;
}

void TAxKelvaro::updateRequiredMarker(TsDesc& field)
{
    if (!field.CaptionLabel)
        return;
    field.CaptionLabel->setFontColor(color::Black);
    field.CaptionLabel->setFontUnderline(requiredMarkerShown(field.NotNull, field.Value));
}
