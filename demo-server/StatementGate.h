#pragma once

#include <string>
#include <string_view>

#include <sqlite3.h>

// What a client's statement may touch once SQLite has compiled it, whatever its form: reads of the
// record and list tables only, writes to them only for a change, the functions of the dialect only
// (no blob makers, no extension loading), and no ATTACH, PRAGMA, transaction, recursive query or
// schema change. SQLite's authorizer asks the gate about every table, column and function.

// The tables that the client's statements may use (names compared without regard to case).
bool isClientTable(std::string_view name);
// The functions that the client's statements may call (names compared without regard to case).
bool isClientFunction(std::string_view name);

struct StatementGate {
    bool change = false; // INSERT, UPDATE and DELETE allowed (on the client's tables)
    std::string refusal; // the French message of the first thing refused, empty when none
};

// Installs the gate as the connection's authorizer for the life of this object (a statement may be
// prepared again during its steps, so it stays installed while the statement runs).
class GateScope {
public:
    GateScope(sqlite3* db, StatementGate& gate);
    ~GateScope();
    GateScope(const GateScope&) = delete;
    GateScope& operator=(const GateScope&) = delete;

private:
    sqlite3* db_;
};
