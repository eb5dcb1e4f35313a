#pragma once

#include <string>
#include <string_view>

// A database error as the client's user reads it: "Erreur de la base de données : " and the
// library's message in French for the usual cases (unknown column, syntax, constraints...), the
// library's own words otherwise.
std::string frenchDatabaseMessage(std::string_view sqliteMessage);
