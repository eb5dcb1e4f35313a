#pragma once

#include <string>

// Tells the user that a link of the web application was refused and why: on the standard error
// and, when a screen is there, in a message box of the small program kelvaro-link-refused (the
// launcher itself stays free of the window libraries, which would slow every reload). Returns the
// launcher's exit code.
int reportRefusedLink(const std::string& reason);
