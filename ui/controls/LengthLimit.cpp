#include "ui/controls/LengthLimit.h"

#include <QKeyEvent>
#include <QWidget>

#include "app/Cp1252.h"
#include "ui/controls/SaveableText.h"

LengthLimit::LengthLimit(QObject* parent)
    : QValidator(parent)
{}

void LengthLimit::setPattern(const QString& pattern)
{
    if (!pattern_)
        pattern_ = new QRegularExpressionValidator(this);
    pattern_->setRegularExpression(QRegularExpression(pattern));
}

QValidator::State LengthLimit::validate(QString& input, int& pos) const
{
    QString refused;
    const QString kept = saveableText(input, &refused);
    if (!refused.isEmpty()) {
        pos = int(saveableText(input.left(pos)).size());
        input = kept;
        hintRefusedCharacters(qobject_cast<QWidget*>(parent()), refused);
    }
    if (maximum_ > 0 && input.size() > maximum_)
        return Invalid;
    return pattern_ ? pattern_->validate(input, pos) : Acceptable;
}

bool LengthLimit::roomFor(const QKeyEvent& key, const QString& text, int selected) const
{
    const QString typed = key.text();
    // Shortcuts (Ctrl+A, Ctrl+C ...) type nothing, whatever text the platform gives them.
    const bool shortcut = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (maximum_ == 0 || typed.isEmpty() || !typed.front().isPrint() || shortcut)
        return true;
    return text.size() - selected + typed.size() <= maximum_;
}
