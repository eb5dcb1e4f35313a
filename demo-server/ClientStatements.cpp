#include "demo-server/ClientStatements.h"

#include <algorithm>
#include <cctype>

#include "demo-server/Dialect.h"
#include "demo-server/SqliteMessages.h"

namespace {

constexpr std::string_view kClientTables[] = {
    "tVehicles",          "tClients",    "TVehiclesOstrel", "tVO - Frevo",  "tActions",
    "tVO - Liens Images", "ListRubrics", "ListModels",      "ListVersions",
};

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// What the authorizer saw when it refused something.
struct Gate {
    StatementUse use;
    std::string refusal;
};

int authorize(void* context, int action, const char* first, const char*, const char*, const char*)
{
    auto* gate = static_cast<Gate*>(context);
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_FUNCTION:
        return SQLITE_OK;
    case SQLITE_READ:
        if (first && isClientTable(first))
            return SQLITE_OK;
        break;
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
        if (gate->use == StatementUse::Change && first && isClientTable(first))
            return SQLITE_OK;
        break;
    default:
        if (gate->refusal.empty())
            gate->refusal = "Instruction refusée : cette opération n'est pas permise.";
        return SQLITE_DENY;
    }
    if (gate->refusal.empty())
        gate->refusal = "Instruction refusée : la table « " + std::string(first ? first : "") +
                        " » n'est pas accessible.";
    return SQLITE_DENY;
}

// The authorizer stays installed while the statement is prepared and run (a statement may be
// prepared again during its steps).
class AuthorizerScope {
public:
    AuthorizerScope(sqlite3* db, Gate& gate)
        : db_(db)
    {
        sqlite3_set_authorizer(db_, authorize, &gate);
    }
    ~AuthorizerScope() { sqlite3_set_authorizer(db_, nullptr, nullptr); }
    AuthorizerScope(const AuthorizerScope&) = delete;
    AuthorizerScope& operator=(const AuthorizerScope&) = delete;

private:
    sqlite3* db_;
};

[[noreturn]] void refuse(const Gate& gate, const SqliteError& error)
{
    throw StatementRefused(gate.refusal.empty() ? frenchDatabaseMessage(error.what())
                                                : gate.refusal);
}

void checkNothingFollows(const Statement& statement)
{
    for (char c : statement.tail()) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            throw StatementRefused(
                "Instruction refusée : une seule instruction est acceptée par requête.");
    }
}

} // namespace

bool isClientTable(std::string_view name)
{
    return std::any_of(std::begin(kClientTables), std::end(kClientTables),
                       [&](std::string_view table) { return sameName(table, name); });
}

QueryResult runClientQuery(DataStore& store, std::string_view sql, long long maxRows)
{
    const std::string text = translateStatement(sql, StatementUse::Read);
    auto session = store.session();
    Gate gate{StatementUse::Read, {}};
    AuthorizerScope scope(session.db(), gate);
    QueryResult result;
    try {
        Statement statement(session.db(), text);
        checkNothingFollows(statement);
        for (int c = 0; c < statement.columnCount(); ++c)
            result.columns.push_back({statement.columnName(c), statement.declaredType(c)});
        while (statement.step()) {
            if (maxRows >= 0 && static_cast<long long>(result.rows.size()) >= maxRows) {
                result.cut = true;
                break;
            }
            auto& row = result.rows.emplace_back();
            for (int c = 0; c < statement.columnCount(); ++c)
                row.push_back(statement.text(c));
        }
    } catch (const SqliteError& error) {
        refuse(gate, error);
    }
    return result;
}

ChangeResult runClientChange(DataStore& store, std::string_view sql)
{
    const ClientStatement parsed = parseClientStatement(sql, StatementUse::Change);
    if (!isClientTable(parsed.table))
        throw StatementRefused("Instruction refusée : la table « " + parsed.table +
                               " » n'est pas accessible.");
    auto session = store.session();
    ChangeResult result;
    try {
        // Keys follow the highest one in use; the lock makes allocation and insertion one step.
        for (const auto& [placeholder, column] : parsed.placeholderColumns)
            result.keys[placeholder] =
                queryInteger(session.db(), "SELECT COALESCE(MAX(" + quoteName(column) +
                                               "), 0) + 1 "
                                               "FROM " +
                                               quoteName(parsed.table));
    } catch (const SqliteError& error) {
        throw StatementRefused(frenchDatabaseMessage(error.what()));
    }
    Gate gate{StatementUse::Change, {}};
    AuthorizerScope scope(session.db(), gate);
    try {
        Statement statement(session.db(), renderStatement(parsed, result.keys));
        checkNothingFollows(statement);
        while (statement.step()) {
        }
        result.rowsAffected = sqlite3_changes(session.db());
    } catch (const SqliteError& error) {
        refuse(gate, error);
    }
    return result;
}
