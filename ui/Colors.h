#pragma once

#include <QColor>

#include "ui/ColorValues.h"

// A colour number of the design (0x00BBGGRR or a system colour 0xFF0000nn) as a QColor.
QColor toQColor(unsigned value);
