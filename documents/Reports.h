#pragma once

#include <string>
#include <string_view>

// The server's PDF reports of the record shown, opened in the desktop's viewer.

enum class Report { Sheet, MarginSheet };

// The address of a report, as the server names it (Windows-1252, blanks as they are): the client
// sheet for a client ("_TCL"), else the vehicle sheet of its kind caption ("VO", "VD", "VN") or
// the margin sheet. Ctrl on a demonstration vehicle's sheet asks for its presentation variant.
std::string reportAddress(std::string_view base, Report report, std::string_view recordKind,
                          std::string_view kindCaption, std::string_view key, bool ctrlHeld);

// The address handed to the opener: a URL cannot carry a raw blank, so blanks become "%20";
// nothing else changes.
std::string browserAddress(std::string_view address);

// Whether the sheet of a record kind is the client's.
inline bool isClientSheet(Report report, std::string_view recordKind)
{
    return report == Report::Sheet && recordKind == "_TCL";
}
