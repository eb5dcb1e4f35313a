#pragma once

class TAxKelvaro;

// Saves what is pending before a command of a client's grids goes on (moving to another line or
// vehicle, adding, deleting): true when nothing was refused and nothing is left pending.
bool savedBeforeGridCommand(TAxKelvaro& window);
