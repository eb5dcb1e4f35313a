#pragma once

class TAxKelvaro;

// Hints of the application: shown 500 ms after the mouse stops, hidden after 3000 ms; the long
// part of a "short|long" hint goes to the window's status line (GestionHints).
void installHintHandling(TAxKelvaro* window);
