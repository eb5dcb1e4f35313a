// The commit gate: before any command acts on the record or replaces it, the control that has the
// focus is left exactly as the Tab key leaves it, so its pending input is recorded and its exit
// checks run. A refusal stops the command and keeps the user in the control.
#include "ui/TAxKelvaro.h"

#include "ui/ChoiceBox.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTabWidget>

#include "ui/controls/PictureButton.h"
#include "ui/grid/DataGrid.h"

bool TAxKelvaro::commitFocusedControl()
{
    for (DataGrid* grid : {ngFrevo, ngAction, ngVehicles, ngSearch}) {
        // A refused cell keeps its editor open: the user corrects it or leaves it.
        if (grid->isEditing())
            return grid->commitEditingForCommand();
    }
    // The window's focus widget, also while another window is in front (a reload asked by the
    // launcher).
    QPointer<QWidget> focused = focusWidget();
    if (!focused)
        return true;
    const int refusalsBefore = ExitRefusals;
    if (focused->hasFocus()) {
        focused->clearFocus();
    } else {
        QFocusEvent leave(QEvent::FocusOut, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(focused, &leave);
        if (focused)
            focused->clearFocus();
    }
    if (ExitRefusals == refusalsBefore)
        return true;
    WriteTrace("Commande refusée par le contrôle de sortie de " +
               (focused ? focused->objectName() : QStringLiteral("?")));
    if (focused && !focused->hasFocus())
        focused->setFocus(Qt::OtherFocusReason);
    return false;
}

void TAxKelvaro::noteExitRefused(ControlFace& control)
{
    ++ExitRefusals;
    RefusedExit = control.widget();
}

bool TAxKelvaro::anythingPending() const
{
    for (int n = 1; n < kPageEntries; ++n) {
        if (TabDesc[n].Described && !TabDesc[n].Statement.empty())
            return true;
    }
    for (const std::vector<TsLine>* lines : {&FrevoRows, &ActionRows}) {
        for (size_t entry = 1; entry < lines->size(); ++entry) {
            if (!(*lines)[entry].Statement.empty())
                return true;
        }
    }
    return false;
}

bool TAxKelvaro::saveBeforeLeaving()
{
    if (!JvXPBtnSave->isEnabled() && !anythingPending())
        return true;
    SaveChanges();
    return !anythingPending();
}

void TAxKelvaro::focusFieldAfterSave(QWidget* before)
{
    if (before && before->isEnabled() && before->isVisibleTo(this) &&
        (before->focusPolicy() & Qt::TabFocus)) {
        before->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The first field of the page, as the Tab key would reach it.
    QWidget* page = Tabs->currentWidget();
    if (!page)
        return;
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w))
            continue;
        if (w->isEnabled() && w->isVisibleTo(this) && (w->focusPolicy() & Qt::TabFocus) &&
            !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TAxKelvaro::abandonChanges()
{
    WriteTrace("Modifications abandonnées : " + LbDebugInfo2->text());
    for (TsPage& page : TabDesc)
        page.Statement.clear();
    for (std::vector<TsLine>* lines : {&FrevoRows, &ActionRows}) {
        for (TsLine& line : *lines)
            line.Statement.clear();
    }
    JvXPBtnSave->setEnabled(false);
    JvXPBtnNewVO->setEnabled(true);
    dropJournal();
}

bool TAxKelvaro::settlePendingChanges()
{
    if (!commitFocusedControl())
        return false;
    if (!anythingPending())
        return true;
    switch (askChoice(this, QMessageBox::Warning, QStringLiteral("Saisie des Fiches"),
                      QStringLiteral("Des modifications n'ont pas été enregistrées."),
                      {{QMessageBox::Save, "Enregistrer"},
                       {QMessageBox::Discard, "Abandonner"},
                       {QMessageBox::Cancel, "Annuler"}})) {
    case QMessageBox::Save:
        return saveBeforeLeaving();
    case QMessageBox::Discard:
        abandonChanges();
        return true;
    default:
        return false;
    }
}
