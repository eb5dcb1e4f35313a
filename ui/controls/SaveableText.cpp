#include "ui/controls/SaveableText.h"

#include <QList>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolTip>

#include "app/Cp1252.h"

void hintRefusedCharacters(QWidget* field, const QString& refused)
{
    if (field == nullptr || refused.isEmpty())
        return;
    QString listed;
    for (const char32_t codePoint : refused.toUcs4())
        listed += (listed.isEmpty() ? "" : " ") + QString::fromUcs4(&codePoint, 1);
    const QString hint =
        refused.toUcs4().size() > 1
            ? "Caractères refusés : « " + listed +
                  " » ne peuvent pas être enregistrés dans la fiche."
            : "Caractère refusé : « " + listed + " » ne peut pas être enregistré dans la fiche.";
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), hint, field);
}

void keepSaveable(QPlainTextEdit* edit)
{
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit] {
        const QString text = edit->toPlainText();
        QString refused;
        const QString kept = saveableText(text, &refused);
        if (refused.isEmpty())
            return;
        // Put back what may be saved, the cursor where it was less what was dropped before it.
        const int position = edit->textCursor().position();
        const int dropped = position - int(saveableText(text.left(position)).size());
        edit->setPlainText(kept);
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(position - dropped);
        edit->setTextCursor(cursor);
        hintRefusedCharacters(edit, refused);
    });
}
