#pragma once

#include <array>
#include <optional>
#include <string>

class TXml;

// The reservation banner of a new vehicle: its four lines (Windows-1252), from the first "Resa"
// of the record's "ResaS"; nothing when the vehicle is not reserved.
std::optional<std::array<std::string, 4>> reservationLines(const TXml& record);

// The accounting panel folds to its caption strip and unfolds again, its bottom edge fixed.
struct PanelStrip {
    int top = 0;
    int height = 0;
};
PanelStrip toggledAccountingPanel(PanelStrip panel);
