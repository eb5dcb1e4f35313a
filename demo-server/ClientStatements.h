#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "demo-server/DataStore.h"

// Execution of the statement text the client sends. Only the record and list tables may be read
// or written (the users, rights, structure and other tables of the server stay out of reach, see
// StatementGate), each statement within the store's time limit; a statement that is refused,
// fails or runs too long throws StatementRefused with a French message.

struct QueryColumn {
    std::string name;
    std::string declaredType;
};

struct QueryResult {
    std::vector<QueryColumn> columns;
    std::vector<std::vector<std::optional<std::string>>> rows;
    bool cut = false; // more rows were there than maxRows
};

struct ChangeResult {
    long long rowsAffected = 0;
    std::map<std::string, long long> keys; // ":NewID" / ":NewIDbis" and what replaced them
};

// A single SELECT; at most maxRows rows (no limit when negative) and maxBytes bytes of values. The
// statement is UTF-8 text.
QueryResult runClientQuery(DataStore& store, std::string_view sql, long long maxRows,
                           size_t maxBytes);

// A single INSERT, UPDATE or DELETE; placeholders replaced by keys allocated here.
ChangeResult runClientChange(DataStore& store, std::string_view sql);
