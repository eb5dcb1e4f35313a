#pragma once

#include <string>

#include "demo-server/ClientStatements.h"

// Replies to the statement endpoints, in Windows-1252.

// AXQueryS with the attributes RowCount (the rows sent) and EOF ("0" when the rows were cut at the
// limit, "1" otherwise), one AXQuery per row, one element per selected column.
std::string queryReplyDocument(const QueryResult& result);

// The rows changed and, for an insert, OutParams with NewID (and NewIDbis) in place of the
// placeholders.
std::string changeReplyDocument(const ChangeResult& result);
