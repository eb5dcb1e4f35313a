// Change tracking: each edit of a bound control becomes its descriptor's value, and the page's
// pending statement and the save button follow.
#include "ui/TAxKelvaro.h"

#include <QLabel>

#include "app/Cp1252.h"
#include "app/DayDate.h"
#include "editing/BoundFields.h"
#include "editing/FieldRules.h"
#include "editing/Statements.h"
#include "ui/controls/ListBox.h"
#include "ui/controls/PictureButton.h"
#include "ui/controls/TextLabel.h"

void TAxKelvaro::EditChange(ControlFace& sender)
{
    if (!GoTestVerrou())
        return;
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field)
        return;
    field->Value = editValue(toCp1252(sender.text()), field->InfoType);
    TestPageUpdate(entryOfTag(sender.tag()));
}

void TAxKelvaro::CBoxChange(ControlFace& sender)
{
    if (!GoTestVerrou())
        return;
    int slot = 0, position = 0;
    CBoxControl(sender, slot, position);
}

void TAxKelvaro::CBoxControl(ControlFace& sender, int& slot, int& position)
{
    slot = 0;
    position = 0;
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field)
        return;
    slot = entryOfTag(sender.tag());
    position = positionOfTag(sender.tag());
    const QString text = sender.text();
    if (field->StrictList && !text.isEmpty() && !sender.items().contains(text)) {
        // A text that is not in a strict list is not taken, and the user stays in the combo.
        slot = 0;
        position = 0;
        if (!FlagLoading) {
            noteExitRefused(sender);
            sender.setFocus();
        }
        return;
    }
    if (sender.itemCount() == 0)
        return;
    const std::string shown = toCp1252(text);
    std::string staffIdentifier;
    const bool staff = field->ByIndex && isStaffList(*field);
    if (staff)
        GetInfoComboBoxIdCom("InfoCom", shown, staffIdentifier);
    field->Value = comboValue(field->ByIndex, field->BlankFirst, sender.itemIndex(),
                              field->InfoType, shown, staffIdentifier, staff);
    TestPageUpdate(slot);
}

void TAxKelvaro::LBoxChange(ControlFace& sender)
{
    if (!GoTestVerrou())
        return;
    TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field)
        return;
    const QStringList items = sender.items();
    std::vector<bool> selected;
    std::vector<std::string> texts;
    for (int k = 0; k < items.size(); ++k) {
        selected.push_back(sender.isSelected(k));
        texts.push_back(toCp1252(items[k]));
    }
    const ListBoxValue chosen = listBoxValue(selected, texts, field->Codes);
    field->Value = chosen.value;
    if (&sender == static_cast<ControlFace*>(cVDInfoOptions) ||
        &sender == static_cast<ControlFace*>(cVNInfoOptions))
        LbInfoOptions->setText(fromCp1252(chosen.texts));
    TestPageUpdate(entryOfTag(sender.tag()));
}

bool TAxKelvaro::TestPageUpdate(int slot)
{
    if (FlagLoading || slot < 0 || slot >= kPageEntries)
        return false;
    TsPage& page = TabDesc[slot];
    const PageChanges changes =
        pageChanges(page.Fields, [](const TsDesc& field) { return field.Control != nullptr; });
    PageStatementContext context;
    context.table = slot == 8 ? "TVehiclesOstrel" : TabDesc[0].TableName;
    context.slot = slot;
    context.insert = FlagNewEnreg || (FlagNewVehicle && slot == 8);
    context.kindCaption = toCp1252(JvXPBtnNewVO->text());
    context.typeVO = RecordTypeVO;
    context.idTypeVO = idTypeVO;
    context.clientId = toCp1252(LbIDCustomer->text());
    context.idUser = toCp1252(idUser);
    context.userConcession = toCp1252(UserConcession);
    context.today = todayDay();
    page.Statement = pageStatement(changes, context);
    LbDebugInfo2->setText(fromCp1252(page.Statement));
    const bool changed = !changes.changed.empty();
    JvXPBtnSave->setEnabled(changed);
    JvXPBtnNewVO->setEnabled(!changed);
    journalChanged();
    return changed;
}
