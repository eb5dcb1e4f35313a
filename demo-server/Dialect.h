#pragma once

#include <map>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "demo-server/SqlTokens.h"

// The client writes its statements in the dialect of the dealerships' original database:
// #mm/dd/yyyy# dates, "Delete * From", isNull(x) as a function, names with blanks in brackets.
// This unit checks a statement and translates it to SQLite, token by token, so that quoted texts
// are never touched.

// A statement that is refused, with the French message that the client shows.
class StatementRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class StatementKind { Select, Insert, Update, Delete };

// What an endpoint is for: reading (a single SELECT) or changing (a single INSERT, UPDATE or
// DELETE).
enum class StatementUse { Read, Change };

struct ClientStatement {
    StatementKind kind = StatementKind::Select;
    std::vector<Token> tokens; // translated to SQLite, without the final ";"
    std::string table;         // the table an INSERT, UPDATE or DELETE writes to
    // The columns that receive the keys of the placeholders ":NewID" and ":NewIDbis".
    std::map<std::string, std::string> placeholderColumns;
};

inline constexpr std::string_view kNewId = ":NewID";
inline constexpr std::string_view kNewIdBis = ":NewIDbis";

// Checks and translates one statement; throws StatementRefused.
ClientStatement parseClientStatement(std::string_view sql, StatementUse use);

// The SQLite text, with each placeholder replaced by its key.
std::string renderStatement(const ClientStatement& statement,
                            const std::map<std::string, long long>& keys = {});

// The SQLite text of a client statement that needs no key (checks and translation included).
std::string translateStatement(std::string_view sql, StatementUse use);

// "yyyy-mm-dd" (with " hh:mm:ss" when a time is given) of the body of a #...# literal, written
// month first as the client does; empty when it is not a date.
std::string isoFromClientDate(std::string_view body);
