#pragma once

#include <string>

class TAxKelvaro;

// Saves what is pending before a command of a client's grids goes on (moving to another line or
// vehicle, adding, deleting): true when nothing was refused and nothing is left pending.
bool savedBeforeGridCommand(TAxKelvaro& window);

// The text an action cell shows for a stored value (a salesperson's name, a list's text), and that
// text put in the cell of a row.
std::string actionCellText(TAxKelvaro& window, int column, const std::string& value);
void showActionValue(TAxKelvaro& window, int column, int row, const std::string& value);
