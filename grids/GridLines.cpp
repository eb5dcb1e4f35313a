#include "grids/GridLines.h"

#include "app/Numbers.h"
#include "editing/Statements.h"
#include "view/CaseText.h"

namespace {
void appendListed(std::string& list, const std::string& item)
{
    if (!list.empty())
        list += ',';
    list += item;
}
} // namespace

std::string gridLineStatement(const TsLine& line, const GridLineStatement& form)
{
    const bool insert = form.newLine && !form.deletion;
    std::string names, values, sets, condition;
    for (const TsDesc& cell : line.Cells) {
        if (cell.FieldName.empty())
            continue;
        if (cell.OrgValue != cell.Value) {
            const std::string literal = valueLiteral(cell.Value, cell.InfoType);
            if (insert) {
                appendListed(names, cell.FieldName);
                appendListed(values, literal);
            } else {
                appendListed(sets, cell.FieldName + "=" + literal);
            }
        } else if (condition.empty()) {
            condition = "(" + keyCondition(cell.FieldName, cell.OrgValue, cell.InfoType) + ")";
        }
    }
    const std::string table = tableReference(form.table);
    if (form.deletion)
        return condition.empty() ? std::string() : "Delete * from " + table + " where " + condition;
    if (names.empty() && sets.empty())
        return {};
    if (insert)
        return "Insert into " + table + " (" + names + ", " + form.parentColumn + ", " +
               form.keyColumn + " ) Values (" + values + ", " + form.parentId + ", :NewID)";
    if (condition.empty())
        return {};
    return "Update " + table + " set " + sets + " where " + condition;
}

int itemWholeNumber(const TXml& item, const char* name, int fallback)
{
    const auto value = parseWholeNumber(XmlText(item, name));
    return value ? int(*value) : fallback;
}

TsDesc describedGridCell(const TXml& item)
{
    TsDesc cell;
    cell.FieldName = XmlText(item, "vInfo");
    cell.Caption = XmlUnescape(XmlText(item, "txtInfo"), false);
    // A column without tag grants nothing to anybody.
    if (const std::string tag = XmlText(item, "tag"); !tag.empty())
        cell.Rights = ";" + upperCp1252(tag) + ";";
    cell.InfoType = itemWholeNumber(item, "tInfo", 0);
    cell.FontColor = unsigned(itemWholeNumber(item, "color", 0));
    cell.CtrlKind = itemWholeNumber(item, "tControl", 0);
    cell.NotNull = upperCp1252(XmlText(item, "notNull")) == "TRUE";
    return cell;
}

bool followSortedRows(std::vector<TsLine>& lines, const std::vector<int>& order)
{
    if (lines.empty() || order.size() != lines.size() - 1)
        return false;
    std::vector<bool> seen(order.size(), false);
    for (const int before : order) {
        if (before < 0 || std::size_t(before) >= order.size() || seen[std::size_t(before)])
            return false;
        seen[std::size_t(before)] = true;
    }
    std::vector<TsLine> sorted;
    sorted.reserve(lines.size());
    sorted.push_back(std::move(lines.front()));
    for (const int before : order)
        sorted.push_back(std::move(lines[std::size_t(before) + 1]));
    lines = std::move(sorted);
    return true;
}

int rowAfterSort(const std::vector<int>& order, int before)
{
    for (std::size_t row = 0; row < order.size(); ++row) {
        if (order[row] == before)
            return int(row);
    }
    return -1;
}

TsLine* lineOfRow(std::vector<TsLine>& lines, int row)
{
    const std::size_t entry = std::size_t(row) + 1;
    return row >= 0 && entry < lines.size() ? &lines[entry] : nullptr;
}

bool otherLinePending(const std::vector<TsLine>& lines, std::size_t entry)
{
    for (std::size_t e = 1; e < lines.size(); ++e) {
        if (e != entry && !lines[e].Statement.empty())
            return true;
    }
    return false;
}
