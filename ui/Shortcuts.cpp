// Keyboard habits of the window: each shortcut runs the command of its button, as a plain click.
#include "ui/TAxKelvaro.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QShortcut>

#include "ui/controls/PictureButton.h"

void TAxKelvaro::runShortcut(QWidget* button, const std::function<void()>& command)
{
    if (!button->isVisibleTo(this) || !button->isEnabled())
        return;
    ShortcutRunning = true;
    command();
    ShortcutRunning = false;
}

void TAxKelvaro::bindShortcuts()
{
    auto bind = [this](const QKeySequence& keys, std::function<void()> action) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    bind(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (BlinkOn && ListEditCombo) {
            // While a combo's list is maintained, Ctrl+S adds its text to the list.
            int key = Qt::Key_S;
            CBoxKeyDown(*ListEditCombo, key, KeyState{true, false, false});
            return;
        }
        runShortcut(JvXPBtnSave, [this] { JvXPBtnSaveClick(); });
    });
    bind(QKeySequence(Qt::Key_F5),
         [this] { runShortcut(JvXPBtnActualize, [this] { refreshClicked(false); }); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_F5),
         [this] { runShortcut(JvXPBtnActualize, [this] { refreshClicked(true); }); });
    bind(QKeySequence(Qt::CTRL | Qt::Key_F),
         [this] { runShortcut(JvXPBtnSearch, [this] { JvXPBtnSearchClick(); }); });
}

void TAxKelvaro::keyPressEvent(QKeyEvent* event)
{
    // Escape left unused by the field, the grid's editor or a list closes the search panel.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
        Panel1->isVisible()) {
        if (commitFocusedControl())
            Panel1->hide();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TAxKelvaro::closeEvent(QCloseEvent* event)
{
    if (RequestDepth > 0) {
        // A document or a download is dropped at once; a statement is waited for.
        CloseRequested = true;
        WriteTrace("Fermeture demandée pendant une requête");
        if (!RunningStatement) {
            IdHTTP1->cancel();
            IdHTTP2->cancel();
        }
        event->ignore();
        return;
    }
    CloseRequested = false;
    if (settlePendingChanges())
        event->accept();
    else
        event->ignore();
}
