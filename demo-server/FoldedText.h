#pragma once

#include <sqlite3.h>

// Texts compare as in the dealerships' original database: without regard to case, accented
// letters included ("Hélène" = "HÉLÈNE"). Replaces the connection's NOCASE collation (used by
// every text column of the schema) and its LIKE operator ("%" and "_" wildcards).
void installFoldedText(sqlite3* db);
