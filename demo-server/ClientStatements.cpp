#include "demo-server/ClientStatements.h"

#include <algorithm>
#include <cctype>

#include "demo-server/Dialect.h"
#include "demo-server/ServerLimits.h"
#include "demo-server/SqliteMessages.h"
#include "demo-server/StatementGate.h"

namespace {

StatementRefused tooLong(const DataStore& store)
{
    return StatementRefused("Instruction interrompue : elle a dépassé la durée permise de " +
                            durationText(store.statementTimeLimit()) +
                            ". Précisez la condition de la recherche.");
}

StatementRefused replyTooLarge(size_t maxBytes)
{
    return StatementRefused("Réponse refusée : le résultat dépasse la taille permise de " +
                            sizeText(maxBytes) + ". Précisez la recherche.");
}

// Why a statement failed: what the gate refused, the clock, the server's stop, or the database.
[[noreturn]] void refuse(const StatementGate& gate, const DataStore& store,
                         const DataStore::StatementClock& clock, const SqliteError& error)
{
    if (!gate.refusal.empty())
        throw StatementRefused(gate.refusal);
    if (clock.overran())
        throw tooLong(store);
    if (store.stopping())
        throw StatementRefused("Instruction interrompue : le serveur s'arrête.");
    throw StatementRefused(frenchDatabaseMessage(error.what()));
}

void checkNothingFollows(const Statement& statement)
{
    for (char c : statement.tail()) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            throw StatementRefused(
                "Instruction refusée : une seule instruction est acceptée par requête.");
    }
}

// Appends one value to the reply, weighed before it is copied.
void addValue(QueryReply& reply, size_t column, const std::optional<std::string_view>& value,
              size_t maxBytes)
{
    const size_t size = value ? value->size() : 0;
    if (size > kValueBytesLimit)
        throw StatementRefused("Réponse refusée : une valeur dépasse la taille permise de " +
                               sizeText(kValueBytesLimit) + ".");
    if (reply.size() + size > maxBytes || !reply.addValue(column, value, maxBytes))
        throw replyTooLarge(maxBytes);
}

// The row an INSERT has just added.
std::map<std::string, std::optional<std::string>> insertedRow(sqlite3* db, const std::string& table)
{
    Statement row(db, "SELECT * FROM " + quoteName(table) + " WHERE rowid = ?1");
    row.bind(1, static_cast<long long>(sqlite3_last_insert_rowid(db)));
    std::map<std::string, std::optional<std::string>> values;
    if (row.step()) {
        for (int c = 0; c < row.columnCount(); ++c)
            values[row.columnName(c)] = row.text(c);
    }
    return values;
}

} // namespace

QueryReply runClientQuery(DataStore& store, std::string_view sql, long long maxRows,
                          size_t maxBytes)
{
    const std::string text = translateStatement(sql, StatementUse::Read);
    auto session = store.session();
    StatementGate gate;
    GateScope scope(session.db(), gate);
    const DataStore::StatementClock clock(store, session);
    try {
        Statement statement(session.db(), text);
        checkNothingFollows(statement);
        std::vector<QueryColumn> columns;
        for (int c = 0; c < statement.columnCount(); ++c)
            columns.push_back({statement.columnName(c), statement.declaredType(c)});
        QueryReply reply(columns);
        for (long long rows = 0; statement.step(); ++rows) {
            if (maxRows >= 0 && rows >= maxRows) {
                reply.markCut();
                break;
            }
            reply.openRow();
            for (int c = 0; c < statement.columnCount(); ++c) {
                addValue(reply, size_t(c), statement.view(c), maxBytes);
                // The clock runs on while the reply is written, between the steps.
                if (clock.pastDeadline())
                    throw tooLong(store);
            }
            reply.closeRow();
        }
        return reply;
    } catch (const SqliteError& error) {
        // The library's memory bound: the row being built was larger than any reply may be.
        if (error.code() == SQLITE_NOMEM)
            throw replyTooLarge(maxBytes);
        refuse(gate, store, clock, error);
    }
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
    StatementGate gate;
    gate.change = true;
    GateScope scope(session.db(), gate);
    const DataStore::StatementClock clock(store, session);
    try {
        Statement statement(session.db(), renderStatement(parsed, result.keys));
        checkNothingFollows(statement);
        while (statement.step()) {
        }
        result.rowsAffected = sqlite3_changes(session.db());
        if (parsed.kind == StatementKind::Insert && result.rowsAffected == 1)
            result.inserted = insertedRow(session.db(), parsed.table);
    } catch (const SqliteError& error) {
        refuse(gate, store, clock, error);
    }
    return result;
}
