#pragma once

#include <array>

class TAxKelvaro;

// Pieces of the costs grid shared by its loading and its handlers.

// Whether the user has the right of each described column (index = grid column).
std::array<bool, 9> frevoColumnRights(TAxKelvaro& window);
// Opens for editing the columns of the line in a grid row that the user may change.
void enableFrevoColumns(TAxKelvaro& window, int row);
