#pragma once

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include <sqlite3.h>

// Owning handles over the SQLite C API: a connection closes itself, a statement finalises itself.

class SqliteError : public std::runtime_error {
public:
    explicit SqliteError(const std::string& message, int code = SQLITE_ERROR)
        : std::runtime_error(message)
        , code_(code)
    {}
    // The library's result code (SQLITE_NOMEM when its memory limit was reached).
    int code() const { return code_; }

private:
    int code_;
};

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

// Opens (or creates) a database file; throws SqliteError.
SqliteHandle openDatabase(const std::string& fileName);

// Runs a script of statements that return no rows; throws SqliteError with the library's message.
void execScript(sqlite3* db, const std::string& sql);

// One prepared statement.
class Statement {
public:
    // Prepares the first statement of sql; throws SqliteError.
    Statement(sqlite3* db, std::string_view sql);

    // True while a row is available; throws SqliteError on failure.
    bool step();
    void reset();

    void bind(int index, std::string_view text);
    void bind(int index, long long number);
    void bindNull(int index);

    int columnCount() const;
    std::string columnName(int column) const;
    // Declared type of the column in its table, upper-cased; empty for expressions.
    std::string declaredType(int column) const;
    // Text of a value, nothing for NULL.
    std::optional<std::string> text(int column) const;
    // The same text read in place, valid until the next step: a large value is not copied.
    std::optional<std::string_view> view(int column) const;
    long long integer(int column) const;
    bool isNull(int column) const;

    // What followed the first statement in the prepared text.
    std::string_view tail() const { return tail_; }

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    sqlite3* db_;
    std::unique_ptr<sqlite3_stmt, Finalizer> statement_;
    std::string sql_;
    std::string_view tail_;
};

// The single integer of a query such as SELECT COUNT(*) ...; 0 when it returns no row or NULL.
long long queryInteger(sqlite3* db, std::string_view sql);

// Quotes a name for SQLite: "name", with inner quotes doubled.
std::string quoteName(std::string_view name);
