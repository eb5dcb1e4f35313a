#include "grids/ActionRules.h"

#include <algorithm>

#include "app/DayDate.h"
#include "app/Numbers.h"
#include "editing/SaveRules.h"
#include "grids/GridLines.h"
#include "view/CaseText.h"

namespace {

bool isDateColumn(int column)
{
    return column == actcol::Date || column == actcol::FollowUpDate;
}

const std::vector<std::string>& itemsOf(const ActionChoices& choices, int column)
{
    return choices.items[std::size_t(column)];
}

// The position a list value stands for: unreadable (or empty) counts as 1.
long long storedPosition(std::string_view value)
{
    return parseWholeNumber(value).value_or(1);
}

} // namespace

TsLine actionTemplate(const TXml& structure)
{
    TsLine line;
    TXml cursor = structure;
    XmlFind(cursor, "axStructS");
    int k = 0;
    while (k < kActionColumns && XmlNext(cursor, "axStruct") > 0) {
        if (XmlText(cursor, "descInfo") != "gAct")
            continue;
        TsDesc& cell = line.Cells[++k];
        cell = describedGridCell(cursor);
        cell.DefVal = XmlText(cursor, "defval");
    }
    return line;
}

bool isSalespersonColumn(int column)
{
    return column == actcol::Salesperson || column == actcol::FollowUpSalesperson;
}

bool isListColumn(int column)
{
    return column == actcol::Type || column == actcol::Subject ||
           column == actcol::FollowUpSubject || column == actcol::Priority;
}

const char* actionColumnList(int column)
{
    switch (column) {
    case actcol::Salesperson:
    case actcol::FollowUpSalesperson:
        return "InfoCom";
    case actcol::Type:
        return "TypeAction";
    case actcol::Subject:
    case actcol::FollowUpSubject:
        return "SujetAction";
    case actcol::Priority:
        return "PrioriteRelance";
    default:
        return "";
    }
}

std::string loadedActionValue(std::string_view raw, int infoType)
{
    return infoType == 2 ? XmlUnescape(raw, true) : std::string(raw);
}

std::string actionShownText(int column, std::string_view value, const ActionChoices& choices)
{
    if (isSalespersonColumn(column) || isListColumn(column)) {
        const long long position = storedPosition(value);
        if (position < 1)
            return {};
        if (isSalespersonColumn(column))
            return choices.staffName ? choices.staffName(value).value_or(std::string()) : "";
        const std::vector<std::string>& items = itemsOf(choices, column);
        return position <= (long long)items.size() ? items[std::size_t(position - 1)]
                                                   : std::string();
    }
    return replaceAll(value, "\r\n", "\n");
}

std::string actionValueOfText(int column, std::string_view text, std::string_view listCode)
{
    if (text.empty())
        return {};
    if (isSalespersonColumn(column) || isListColumn(column))
        return std::string(listCode);
    if (column == actcol::Comment)
        return replaceAll(replaceAll(text, "\r\n", "\n"), "\n", "\r\n");
    return std::string(text);
}

bool actionChoiceValid(int column, std::string_view value, const ActionChoices& choices)
{
    const std::vector<std::string>& items = itemsOf(choices, column);
    if (isSalespersonColumn(column)) {
        const auto name = choices.staffName ? choices.staffName(value) : std::nullopt;
        return name && std::find(items.begin(), items.end(), *name) != items.end();
    }
    if (isListColumn(column)) {
        const auto position = parseWholeNumber(value);
        return position && *position >= 1 && *position <= (long long)items.size();
    }
    if (isDateColumn(column))
        return value.empty() || parseDate(value) != 0;
    return true;
}

std::string newActionValue(int column, const TsDesc& templateCell,
                           const std::optional<std::string>& remembered,
                           std::string_view clientSalesperson, int today,
                           const ActionChoices& choices)
{
    std::string value = templateCell.DefVal == "now" ? formatDate(today) : templateCell.DefVal;
    if (remembersActionDefault(column))
        value = remembered.value_or(std::string());
    if (column == actcol::FollowUpSalesperson)
        value = clientSalesperson == "0" ? std::string() : std::string(clientSalesperson);
    if (!value.empty() && !actionChoiceValid(column, value, choices))
        return {};
    return value;
}

std::string missingActionMessage(const TsLine& line)
{
    std::string names;
    for (int k = actcol::Date; k <= kActionColumns; ++k) {
        const TsDesc& cell = line.Cells[k];
        if (cell.FieldName.empty() || !cell.Value.empty())
            continue;
        std::string caption = cell.Caption.empty() ? cell.FieldName : cell.Caption;
        while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
            caption.pop_back();
        names += (names.empty() ? "" : ", ") + caption;
    }
    return names.empty() ? std::string() : "Action incompl\xE8te : renseignez " + names + ".";
}

int missingActionColumn(const TsLine& line)
{
    for (int k = actcol::Date; k <= kActionColumns; ++k) {
        const TsDesc& cell = line.Cells[k];
        if (!cell.FieldName.empty() && cell.Value.empty())
            return k;
    }
    return 0;
}

std::string actionLineStatement(const TsLine& line, const ActionStatementContext& context)
{
    return gridLineStatement(line, {"tActions", "idClient", context.clientId, "idAction",
                                    context.newLine, context.deletion});
}

ActionLineLeave leaveActionLine(std::span<const TsLine> lines, int rowCount, int targetRow,
                                bool newActionTested)
{
    ActionLineLeave leave;
    const int last = std::min(rowCount, int(lines.size()) - 1);
    for (int e = 1; e <= last; ++e) {
        const TsLine& line = lines[std::size_t(e)];
        if (e == targetRow + 1)
            continue;
        leave.pending = leave.pending || !line.Statement.empty();
        if (line.MissingCol != 0 && !newActionTested) {
            leave.refused = true;
            leave.column = line.MissingCol;
            leave.row = e - 1;
            return leave;
        }
    }
    return leave;
}

DateRule actionDateRule(int column, std::string_view actionDate, int start, int end, int today)
{
    if (column == actcol::Date)
        return rangeDateRule(start, end, today, QStringLiteral("DateAction"),
                             QStringLiteral("Contrôle de la date Action"));
    return {.minimum = parseDate(actionDate),
            .emptyDay = today,
            .name = QStringLiteral("DateRelance"),
            .title = QStringLiteral("Contrôle de la date Relance")};
}

FollowUpDue followUpDue(std::string_view followUpDate, int today)
{
    const int due = parseDate(followUpDate);
    if (due == 0)
        return FollowUpDue::Later;
    if (due < today)
        return FollowUpDue::Past;
    return due <= today + 7 ? FollowUpDue::Soon : FollowUpDue::Later;
}
