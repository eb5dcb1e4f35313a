#pragma once

#include <cstdint>

#include "demo-server/Sqlite.h"

// The sample data of the demo dealership group lives in readable files compiled into the server
// as resources: schema.sql, then one CSV file per table, named after the table.

// A fingerprint of the schema and sample files; stored in the database to tell versions apart.
std::int32_t seedFingerprint();

// Creates the schema and loads every table file, in one transaction; throws std::runtime_error
// with a French message naming the file at fault.
void loadSeedData(sqlite3* db);
