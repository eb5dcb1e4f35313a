#include "ui/ChoiceBox.h"

#include <QPushButton>

int askChoice(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
              std::initializer_list<std::pair<QMessageBox::StandardButton, const char*>> buttons)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    for (const auto& [button, caption] : buttons)
        box.addButton(button)->setText(QString::fromUtf8(caption));
    if (buttons.size() > 0)
        box.setDefaultButton(buttons.begin()->first);
    if (box.button(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    return box.exec();
}
