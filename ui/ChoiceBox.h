#pragma once

#include <initializer_list>
#include <utility>

#include <QMessageBox>
#include <QString>

// A question box whose standard buttons carry the program's own French captions; the first button
// is the default, Cancel (when present) answers Escape. Returns the standard button chosen.
int askChoice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
              std::initializer_list<std::pair<QMessageBox::StandardButton, const char*>> buttons);
