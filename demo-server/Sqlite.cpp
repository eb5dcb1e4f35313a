#include "demo-server/Sqlite.h"

#include <algorithm>
#include <cctype>

namespace {

struct SqliteFree {
    void operator()(char* text) const { sqlite3_free(text); }
};

std::string messageOf(sqlite3* db)
{
    return db ? sqlite3_errmsg(db) : "out of memory";
}

} // namespace

SqliteHandle openDatabase(const std::string& fileName)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(fileName.c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK)
        throw SqliteError(messageOf(raw));
    return db;
}

void execScript(sqlite3* db, const std::string& sql)
{
    char* raw = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &raw);
    std::unique_ptr<char, SqliteFree> message(raw);
    if (rc != SQLITE_OK)
        throw SqliteError(message ? message.get() : messageOf(db));
}

Statement::Statement(sqlite3* db, std::string_view sql)
    : db_(db)
    , sql_(sql)
{
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql_.c_str(), int(sql_.size()), &raw, &tail);
    statement_.reset(raw);
    if (rc != SQLITE_OK)
        throw SqliteError(messageOf(db), rc);
    if (!raw)
        throw SqliteError("empty statement");
    tail_ = std::string_view(sql_).substr(size_t(tail - sql_.c_str()));
}

bool Statement::step()
{
    const int rc = sqlite3_step(statement_.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    throw SqliteError(messageOf(db_), rc);
}

void Statement::reset()
{
    sqlite3_reset(statement_.get());
    sqlite3_clear_bindings(statement_.get());
}

void Statement::bind(int index, std::string_view text)
{
    sqlite3_bind_text(statement_.get(), index, text.data(), int(text.size()), SQLITE_TRANSIENT);
}

void Statement::bind(int index, long long number)
{
    sqlite3_bind_int64(statement_.get(), index, number);
}

void Statement::bindNull(int index)
{
    sqlite3_bind_null(statement_.get(), index);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(statement_.get());
}

std::string Statement::columnName(int column) const
{
    const char* name = sqlite3_column_name(statement_.get(), column);
    return name ? name : "";
}

std::string Statement::declaredType(int column) const
{
    const char* type = sqlite3_column_decltype(statement_.get(), column);
    std::string upper = type ? type : "";
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return char(std::toupper(c)); });
    return upper;
}

std::optional<std::string> Statement::text(int column) const
{
    const auto value = view(column);
    return value ? std::optional<std::string>(*value) : std::nullopt;
}

std::optional<std::string_view> Statement::view(int column) const
{
    if (isNull(column))
        return std::nullopt;
    const auto* bytes = sqlite3_column_text(statement_.get(), column);
    const int size = sqlite3_column_bytes(statement_.get(), column);
    return std::string_view(reinterpret_cast<const char*>(bytes), size_t(size));
}

long long Statement::integer(int column) const
{
    return sqlite3_column_int64(statement_.get(), column);
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

long long queryInteger(sqlite3* db, std::string_view sql)
{
    Statement statement(db, sql);
    return statement.step() ? statement.integer(0) : 0;
}

std::string quoteName(std::string_view name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}
