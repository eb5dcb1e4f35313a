#pragma once

#include <string>

#include "demo-server/Sqlite.h"

// Generated records that bring the demo database to the size of a dealership group: vehicles of
// every kind and clients (every other one with a vehicle of their own), spread over both
// dealerships and their sites, with French names, plates, telephone numbers and dates. Record i
// depends on i only, so a given figure always gives the same records, whether it is reached at
// once or in steps.

// The largest figure accepted.
inline constexpr long long kMaxGrowth = 1'000'000;

// The number of generated vehicles (and of generated clients) the database holds.
long long grownFigure(sqlite3* db);

// Adds the records from the recorded figure up to the figure asked for, in one transaction, and
// records it; a figure at or below the recorded one adds nothing. Returns a French line for the
// console. Throws SqliteError.
std::string growDemoData(sqlite3* db, long long figure);
