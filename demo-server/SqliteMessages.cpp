#include "demo-server/SqliteMessages.h"

#include <regex>
#include <vector>

namespace {

struct Translation {
    std::regex pattern;
    const char* french; // $1, $2 stand for the captured parts
};

const std::vector<Translation>& translations()
{
    static const std::vector<Translation> table = {
        {std::regex("no such column: (.*)"), "colonne inconnue « $1 »"},
        {std::regex("no such table: (.*)"), "table inconnue « $1 »"},
        {std::regex("no such function: (.*)"), "fonction inconnue « $1 »"},
        {std::regex("near \"(.*)\": syntax error"), "erreur de syntaxe près de « $1 »"},
        {std::regex("incomplete input"), "instruction incomplète"},
        {std::regex("unrecognized token: \"?(.*?)\"?"), "symbole non reconnu « $1 »"},
        {std::regex("ambiguous column name: (.*)"), "colonne ambiguë « $1 »"},
        {std::regex("UNIQUE constraint failed: (.*)"), "valeur déjà enregistrée ($1)"},
        {std::regex("NOT NULL constraint failed: (.*)"), "valeur obligatoire manquante ($1)"},
        {std::regex("CHECK constraint failed: (.*)"), "valeur refusée ($1)"},
        {std::regex("datatype mismatch"), "type de valeur incorrect"},
        {std::regex("table (.*) has (\\d+) columns but (\\d+) values were supplied"),
         "la table « $1 » a $2 colonnes mais $3 valeurs sont données"},
        {std::regex("(\\d+) values for (\\d+) columns"), "$1 valeurs pour $2 colonnes"},
        {std::regex("wrong number of arguments to function (.*)"),
         "nombre d'arguments incorrect pour la fonction « $1 »"},
        {std::regex("misuse of aggregate: (.*)"), "emploi incorrect de la fonction « $1 »"},
        {std::regex("database is locked"), "base de données occupée, réessayez"},
        {std::regex("interrupted"), "instruction interrompue"},
        {std::regex("string or blob too big"), "valeur trop grande"},
        {std::regex("out of memory"), "valeurs trop grandes pour la mémoire permise"},
        {std::regex("a GROUP BY clause is required before HAVING"),
         "une clause HAVING demande une clause GROUP BY"},
    };
    return table;
}

} // namespace

std::string frenchDatabaseMessage(std::string_view sqliteMessage)
{
    const std::string message(sqliteMessage);
    for (const Translation& translation : translations()) {
        std::smatch match;
        if (std::regex_match(message, match, translation.pattern))
            return "Erreur de la base de données : " +
                   match.format(translation.french, std::regex_constants::format_default) + ".";
    }
    return "Erreur de la base de données : " + message + ".";
}
