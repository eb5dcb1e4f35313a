#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "server/TXml.h"
#include "view/TsPage.h"

// The statement of a sub-record grid line (reconditioning costs, follow-up actions): its changed
// cells and its key. Cells without a field name (columns the structure does not describe) take
// no part.
struct GridLineStatement {
    std::string table;        // as named: "tVO - Frevo", "tActions"
    std::string parentColumn; // the column holding the record's key: "idVO", "idClient"
    std::string parentId;     // the record's key
    std::string keyColumn;    // the line's own key, given by the server: "idFrevo", "idAction"
    bool newLine = false;     // the line is inserted
    bool deletion = false;
};

// The insert of every changed cell, the update of the changed cells keyed by the first unchanged
// cell (the identifier, which is never edited), or the deletion keyed so; empty when nothing
// changed, or when an update or a deletion would have no key (it would reach every line).
std::string gridLineStatement(const TsLine& line, const GridLineStatement& form);

// A grid column described by an "axStruct" item of the structure document: its field name,
// caption, rights (";" + upper-cased tag + ";", none without a tag), types, colour and requirement.
TsDesc describedGridCell(const TXml& item);
// A whole number of an item; the fallback when absent or unreadable.
int itemWholeNumber(const TXml& item, const char* name, int fallback);

// A grid's lines follow its rows, entry 1 + r for row r (entry 0 is the model line): after the
// grid sorted its rows (order[new row] = the row's place before), the lines take the same order,
// so that an edit, a marker, a colour or a deletion reaches the line the user sees. False, with
// the lines unchanged, when the order does not cover them exactly (rows without lines).
bool followSortedRows(std::vector<TsLine>& lines, const std::vector<int>& order);
// The row, in the order shown, that the row `before` had before the sort; -1 when none.
int rowAfterSort(const std::vector<int>& order, int before);

// The line of a grid row (entry 1 + row), or nothing outside the lines.
TsLine* lineOfRow(std::vector<TsLine>& lines, int row);
// A line other than the given entry waits to be sent (entry 0: any line).
bool otherLinePending(const std::vector<TsLine>& lines, std::size_t entry);

// The user's right on each column of a line grid (index = grid column, 0 unused), from the rights
// of the model line's cells as the user's groups grant them.
template <std::size_t N>
std::array<bool, N> lineColumnRights(const TsLine& model,
                                     const std::function<bool(const std::string&)>& granted)
{
    static_assert(N <= std::extent_v<decltype(TsLine::Cells)>);
    std::array<bool, N> rights{};
    for (std::size_t k = 1; k < N; ++k)
        rights[k] = granted(model.Cells[k].Rights);
    return rights;
}
