// Combos and edits entered, left and typed into: the widened list, list maintenance mode, the
// shared completion, and the keys of a text combo.
#include "ui/TAxKelvaro.h"

#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QStringListModel>

#include "editing/BoundFields.h"
#include "editing/FieldRules.h"
#include "ui/ControlFace.h"

namespace {
// The frame that blinks around the combo whose list is maintained.
void frameCombo(QFrame& frame, ControlFace& combo)
{
    frame.setParent(combo.widget()->parentWidget());
    frame.setGeometry(combo.left() - 3, combo.top(), combo.width() + 6, combo.height());
    frame.lower();
    frame.show();
}

// List maintenance while the mode is on: a remove key or an add key with Ctrl held.
void maintainList(TAxKelvaro& window, ControlFace& sender, int key, bool ctrl, int removeKey,
                  int addKey)
{
    if (!window.BlinkOn || !window.ListEditCombo)
        return;
    const bool listed = window.ListEditCombo->items().contains(window.ListEditCombo->text());
    if (const std::optional<int> mode = listMaintenanceMode(ctrl, key, listed, removeKey, addKey))
        window.ActionInfoRubrique(sender, *mode);
}
} // namespace

void TAxKelvaro::CBoxKeyDown(ControlFace& sender, int& key, KeyState state)
{
    GoOnKeyDown(sender, key, state);
    if (key == 0)
        return;
    const TsDesc* field = boundField(TabDesc, sender.tag());
    if (key == Qt::Key_Delete && field && isTextCombo(*field)) {
        sender.setText(QString());
        key = 0;
    }
    maintainList(*this, sender, key, state.ctrl, Qt::Key_D, Qt::Key_S);
}

void TAxKelvaro::cBoxKeyUp(ControlFace& sender, int& key, KeyState state)
{
    maintainList(*this, sender, key, state.ctrl, Qt::Key_Minus, Qt::Key_Plus);
}

void TAxKelvaro::CBoxEnter(ControlFace& sender)
{
    const TsDesc* field = boundField(TabDesc, sender.tag());
    if (!field)
        return;
    if (sender.listWidth() != 0 && sender.listWidth() > field->Width)
        sender.setBounds(sender.left(), sender.top(), sender.listWidth(), sender.height());
    if (opensListMaintenance(*field, FlagSuperAdmin, ctrlHeld())) {
        ListEditCombo = &sender;
        sender.setPickList(false);
        BlinkOn = true;
        frameCombo(*Shape1, sender);
    }
    if (field->ListKey.empty())
        return;
    auto* combo = qobject_cast<QComboBox*>(sender.widget());
    if (!combo || !combo->isEditable())
        return; // a pick list completes by itself
    if (!ComboCompletion) {
        ComboCompletion = new QCompleter(new QStringListModel(this), this);
        ComboCompletion->setCaseSensitivity(Qt::CaseInsensitive);
        ComboCompletion->setCompletionMode(QCompleter::InlineCompletion);
    }
    if (CompletionFor != sender.name()) {
        static_cast<QStringListModel*>(ComboCompletion->model())->setStringList(sender.items());
        CompletionFor = sender.name();
    }
    if (combo->completer() != ComboCompletion)
        combo->setCompleter(ComboCompletion);
}

void TAxKelvaro::CBoxExit(ControlFace& sender)
{
    if (FlagLoading)
        return;
    int slot = 0, position = 0;
    CBoxControl(sender, slot, position);
    if (slot == 0)
        return;
    if (BlinkOn) {
        Shape1->hide();
        BlinkOn = false;
    }
    const TsDesc& field = TabDesc[slot].Fields[std::size_t(position)];
    if (sender.listWidth() != 0 && sender.listWidth() != field.Width)
        sender.setBounds(sender.left(), sender.top(), field.Width, sender.height());
}
