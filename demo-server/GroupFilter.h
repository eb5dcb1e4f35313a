#pragma once

#include <vector>

#include "demo-server/SqlTokens.h"

// A count of duplicates asks "... GROUP BY CliNom HAVING (CliNom='DUPONT')". SQLite keeps such a
// HAVING on a column of case-free collation as a filter of the groups, after reading every row of
// the table; written as a WHERE the index on the column finds the rows at once. When a SELECT
// without WHERE has a HAVING made only of equalities between its grouped columns and texts, joined
// by AND, the equalities move into a WHERE before the GROUP BY. The result is the same: the rows
// of a group are equal under the column's collation, so they all pass such a test or all fail it.
// Any other statement is left as it is.
void moveGroupFilterToWhere(std::vector<Token>& tokens);
