#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "demo-server/DataStore.h"
#include "demo-server/QueryReply.h"

// Execution of the statement text the client sends. Only the record and list tables may be read
// or written (the users, rights, structure and other tables of the server stay out of reach, see
// StatementGate), each statement within the store's time limit; a statement that is refused,
// fails or runs too long throws StatementRefused with a French message.

struct ChangeResult {
    long long rowsAffected = 0;
    std::map<std::string, long long> keys; // ":NewID" / ":NewIDbis" and what replaced them
    // The row an INSERT added, read back as stored: column name and value.
    std::map<std::string, std::optional<std::string>> inserted;
};

// A single SELECT and its reply, cut after maxRows rows (no limit when negative). The statement is
// UTF-8 text. A reply that grows past maxBytes, or a value past kValueBytesLimit, stops the
// statement there and then; so does its time running out while the reply is written.
QueryReply runClientQuery(DataStore& store, std::string_view sql, long long maxRows,
                          size_t maxBytes);

// A single INSERT, UPDATE or DELETE; placeholders replaced by keys allocated here.
ChangeResult runClientChange(DataStore& store, std::string_view sql);
