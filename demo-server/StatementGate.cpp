#include "demo-server/StatementGate.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kClientTables[] = {
    "tVehicles",          "tClients",    "TVehiclesOstrel", "tVO - Frevo",  "tActions",
    "tVO - Liens Images", "ListRubrics", "ListModels",      "ListVersions",
};

// What searches, counts and changes of the dialect use: aggregates, LIKE, texts, numbers and
// dates. Nothing that makes large values from nothing (zeroblob, randomblob, printf), loads code
// (load_extension) or reaches into the library (fts3_tokenizer, sqlite_*).
constexpr std::string_view kClientFunctions[] = {
    "abs", "avg",    "coalesce",  "count",  "date",   "datetime", "group_concat", "ifnull",
    "iif", "instr",  "julianday", "length", "like",   "lower",    "ltrim",        "max",
    "min", "nullif", "replace",   "round",  "rtrim",  "strftime", "substr",       "substring",
    "sum", "time",   "total",     "trim",   "typeof", "upper",
};

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

template <size_t N> bool listed(const std::string_view (&names)[N], std::string_view name)
{
    return std::any_of(std::begin(names), std::end(names),
                       [&](std::string_view listedName) { return sameName(listedName, name); });
}

std::string quoted(const char* name)
{
    return std::string("« ") + (name ? name : "") + " »";
}

// The French message of an action the gate never allows.
std::string refusalOf(int action)
{
    switch (action) {
    case SQLITE_ATTACH:
    case SQLITE_DETACH:
        return "Instruction refusée : ATTACH et DETACH ne sont pas permis.";
    case SQLITE_PRAGMA:
        return "Instruction refusée : PRAGMA n'est pas permis.";
    case SQLITE_TRANSACTION:
    case SQLITE_SAVEPOINT:
        return "Instruction refusée : une transaction n'est pas permise.";
    case SQLITE_RECURSIVE:
        return "Instruction refusée : une requête récursive n'est pas permise.";
    case SQLITE_CREATE_INDEX:
    case SQLITE_CREATE_TABLE:
    case SQLITE_CREATE_TEMP_INDEX:
    case SQLITE_CREATE_TEMP_TABLE:
    case SQLITE_CREATE_TEMP_TRIGGER:
    case SQLITE_CREATE_TEMP_VIEW:
    case SQLITE_CREATE_TRIGGER:
    case SQLITE_CREATE_VIEW:
    case SQLITE_CREATE_VTABLE:
    case SQLITE_DROP_INDEX:
    case SQLITE_DROP_TABLE:
    case SQLITE_DROP_TEMP_INDEX:
    case SQLITE_DROP_TEMP_TABLE:
    case SQLITE_DROP_TEMP_TRIGGER:
    case SQLITE_DROP_TEMP_VIEW:
    case SQLITE_DROP_TRIGGER:
    case SQLITE_DROP_VIEW:
    case SQLITE_DROP_VTABLE:
    case SQLITE_ALTER_TABLE:
    case SQLITE_REINDEX:
    case SQLITE_ANALYZE:
        return "Instruction refusée : une modification du schéma de la base n'est pas permise.";
    default:
        return "Instruction refusée : cette opération n'est pas permise.";
    }
}

int authorize(void* context, int action, const char* first, const char* second, const char*,
              const char*)
{
    auto* gate = static_cast<StatementGate*>(context);
    std::string refusal;
    switch (action) {
    case SQLITE_SELECT:
        return SQLITE_OK;
    case SQLITE_FUNCTION:
        // The first argument is always empty; the second names the function.
        if (second && isClientFunction(second))
            return SQLITE_OK;
        refusal = "Instruction refusée : la fonction " + quoted(second) + " n'est pas permise.";
        break;
    case SQLITE_READ:
        if (first && isClientTable(first))
            return SQLITE_OK;
        refusal = "Instruction refusée : la table " + quoted(first) + " n'est pas accessible.";
        break;
    case SQLITE_INSERT:
    case SQLITE_UPDATE:
    case SQLITE_DELETE:
        if (gate->change && first && isClientTable(first))
            return SQLITE_OK;
        refusal = "Instruction refusée : la table " + quoted(first) + " n'est pas accessible.";
        break;
    default:
        refusal = refusalOf(action);
    }
    if (gate->refusal.empty())
        gate->refusal = refusal;
    return SQLITE_DENY;
}

} // namespace

bool isClientTable(std::string_view name)
{
    return listed(kClientTables, name);
}

bool isClientFunction(std::string_view name)
{
    return listed(kClientFunctions, name);
}

GateScope::GateScope(sqlite3* db, StatementGate& gate)
    : db_(db)
{
    sqlite3_set_authorizer(db_, authorize, &gate);
}

GateScope::~GateScope()
{
    sqlite3_set_authorizer(db_, nullptr, nullptr);
}
