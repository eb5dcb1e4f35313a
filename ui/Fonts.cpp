#include "ui/Fonts.h"

#include <QFont>

void installFontSubstitutes()
{
    QFont::insertSubstitution("Comic Sans MS", "Comic Neue");
    QFont::insertSubstitution("MS Sans Serif", "DejaVu Sans");
}
