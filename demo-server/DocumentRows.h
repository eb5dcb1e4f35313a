#pragma once

#include <map>
#include <string>
#include <string_view>

#include "demo-server/Sqlite.h"
#include "demo-server/XmlOut.h"

// Element names that differ from their column: the record identifier idTVO travels as "idtVO".
using ElementNames = std::map<std::string, std::string>;

// The current row of a statement, one element per column, each value as the documents write it
// (dates "dd/mm/yyyy", amounts with two decimals, yes/no as True/False).
void writeRowFields(XmlOut& out, const Statement& row, const ElementNames& names = {});

// A container element with one item element per row of a prepared query.
void writeItems(XmlOut& out, Statement& rows, std::string_view container, std::string_view item,
                const ElementNames& names = {});

// The same for a query bound with one key.
void writeList(XmlOut& out, sqlite3* db, std::string_view sql, long long key,
               std::string_view container, std::string_view item, const ElementNames& names = {});
