#include "demo-server/ClientStatements.h"

#include <algorithm>
#include <cctype>

#include "demo-server/Dialect.h"
#include "demo-server/ServerLimits.h"
#include "demo-server/SqliteMessages.h"
#include "demo-server/StatementGate.h"

namespace {

// Why a statement failed: what the gate refused, the clock, the server's stop, or the database.
[[noreturn]] void refuse(const StatementGate& gate, const DataStore& store,
                         const DataStore::StatementClock& clock, const SqliteError& error)
{
    if (!gate.refusal.empty())
        throw StatementRefused(gate.refusal);
    if (clock.overran())
        throw StatementRefused("Instruction interrompue : elle a dépassé la durée permise de " +
                               durationText(store.statementTimeLimit()) +
                               ". Précisez la condition de la recherche.");
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

} // namespace

QueryResult runClientQuery(DataStore& store, std::string_view sql, long long maxRows,
                           size_t maxBytes)
{
    const std::string text = translateStatement(sql, StatementUse::Read);
    auto session = store.session();
    StatementGate gate;
    GateScope scope(session.db(), gate);
    const DataStore::StatementClock clock(store, session);
    QueryResult result;
    size_t bytes = 0;
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
            for (int c = 0; c < statement.columnCount(); ++c) {
                row.push_back(statement.text(c));
                // The value and its element's tags, about what the reply will carry.
                bytes += (row.back() ? row.back()->size() : 0) +
                         2 * result.columns[size_t(c)].name.size() + 5;
            }
            if (bytes > maxBytes)
                throw StatementRefused("Réponse refusée : le résultat dépasse la taille permise "
                                       "de " +
                                       sizeText(maxBytes) + ". Précisez la recherche.");
        }
    } catch (const SqliteError& error) {
        refuse(gate, store, clock, error);
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
    } catch (const SqliteError& error) {
        refuse(gate, store, clock, error);
    }
    return result;
}
