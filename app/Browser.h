#pragma once

class QString;

// Hands an address to the desktop's opener (xdg-open), started detached so that it outlives a
// browser it starts; false when no opener could be started.
bool openWithDesktop(const QString& address);
