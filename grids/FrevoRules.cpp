#include "grids/FrevoRules.h"

#include <cmath>

#include "app/DayDate.h"
#include "app/Numbers.h"
#include "editing/Computations.h"
#include "editing/Statements.h"
#include "grids/GridLines.h"
#include "view/CaseText.h"
#include "view/ListReaders.h"

namespace {} // namespace

std::vector<FrevoColumn> frevoColumns(const TXml& structure)
{
    std::vector<FrevoColumn> columns;
    TXml cursor = structure;
    XmlFind(cursor, "axStructS");
    while (int(columns.size()) < kFrevoMaxColumns && XmlNext(cursor, "axStruct") > 0) {
        if (XmlText(cursor, "descInfo") != "gFrev")
            continue;
        FrevoColumn column;
        column.cell = describedGridCell(cursor);
        column.caption = XmlUnescape(XmlText(cursor, "txtInfo"), false);
        column.width = itemWholeNumber(cursor, "width", 20);
        columns.push_back(std::move(column));
    }
    return columns;
}

std::string frevoAddRights(const std::vector<FrevoColumn>& columns)
{
    for (const FrevoColumn& column : columns) {
        if (!column.cell.Rights.empty())
            return column.cell.Rights;
    }
    return {};
}

std::string loadedFrevoValue(std::string_view raw, int infoType)
{
    std::string value = infoType == 2 ? XmlUnescape(raw, true) : std::string(raw);
    if (infoType == 4 || infoType == 5)
        value = withoutBlanks(value);
    if (infoType == 5)
        value = amountText(value).value_or("0.00");
    return value;
}

std::string typedFrevoValue(std::string_view text, int infoType)
{
    if (infoType == 5)
        return amountText(text).value_or("0.00");
    return std::string(text);
}

bool frevoLineLocked(std::string_view accountingNumber, bool comptaRight)
{
    return !accountingNumber.empty() && !comptaRight;
}

bool frevoCellReadOnly(bool columnRight, bool comptaRight, bool locked)
{
    return !columnRight || (!comptaRight && locked);
}

const char* frevoLineMarker(std::string_view loadedInvoice, bool comptaRight)
{
    return loadedInvoice.empty() || comptaRight ? kFrevoDeleteMarker : kFrevoNoAction;
}

std::array<bool, 9> frevoEditableColumns(bool newLine, bool locked, bool comptaRight,
                                         const std::array<bool, 9>& columnRights)
{
    std::array<bool, 9> open{};
    for (int k = frevocol::Date; k <= frevocol::Amount; ++k) {
        bool allowed = !locked;
        if (newLine)
            allowed = k == frevocol::Date; // the rest is filled once the line exists
        else if (k == frevocol::Accounting)
            allowed = comptaRight;
        open[std::size_t(k)] = allowed && columnRights[std::size_t(k)];
    }
    return open;
}

std::string frevoLineStatement(const TsLine& line, const FrevoStatementContext& context)
{
    return gridLineStatement(line, {context.table, "idVO", context.recordId, "idFrevo",
                                    context.newLine, context.deletion});
}

int frevoCostType(std::string_view type)
{
    const std::string upper = upperCp1252(type);
    if (upper == "FIXE")
        return frevosum::Fixed;
    if (upper == "INTERNE")
        return frevosum::Internal;
    if (upper == "EXTERNE")
        return frevosum::External;
    return frevosum::Forecast;
}

double frevoMonthEnd(double reference)
{
    const double day = std::floor(reference);
    int year = 0, month = 0, dayOfMonth = 0;
    civilFromDay(int(day), year, month, dayOfMonth);
    const int next = month == 12 ? dayFromCivil(year + 1, 1, 1) : dayFromCivil(year, month + 1, 1);
    return next + (reference - day);
}

FrevoTotals frevoTotals(std::span<const TsLine> lines, std::string_view deliveryDate, double now)
{
    const int delivery = parseDate(deliveryDate);
    const double limit = frevoMonthEnd(delivery != 0 ? double(delivery) : now);
    FrevoTotals totals;
    for (const TsLine& line : lines) {
        const int type = frevoCostType(line.Cells[frevocol::Type].Value);
        const double amount = amountOf(line.Cells[frevocol::Amount].Value);
        const int day = parseDate(line.Cells[frevocol::Date].Value);
        totals.all[std::size_t(type)] += amount;
        totals.all[frevosum::All] += amount;
        if ((day != 0 ? double(day) : now) < limit) {
            totals.untilMonthEnd[std::size_t(type)] += amount;
            totals.untilMonthEnd[frevosum::All] += amount;
        }
    }
    return totals;
}

std::string frevoTotalText(double total)
{
    return total == 0 ? std::string() : formatAmount(total);
}

DateRule frevoDateRule(int start, int end, int today)
{
    return rangeDateRule(start, end, today, QStringLiteral("DateFrevo"),
                         QStringLiteral("Contrôle de la date Frevo"));
}

std::vector<std::string> frevoCompletionItems(const ListSource& lists, std::string_view list)
{
    return listEntries(lists, list, {}, false).value_or(std::vector<std::string>{});
}

bool hasFixedFeeLine(const TXml& record)
{
    TXml cursor = record;
    XmlFind(cursor, "FrevoS");
    while (XmlNext(cursor, "Frevo") > 0) {
        if (frevoCostType(XmlText(cursor, "TypeFrevo")) == frevosum::Fixed)
            return true;
    }
    return false;
}

double siteHandlingFee(const ListSource& lists, std::string_view site)
{
    const std::string wanted = upperCp1252(site);
    for (std::string_view body : lists.items("InfoSiteS", "InfoSite")) {
        std::string name, fee;
        XmlValueIn(body, "Site", name);
        if (upperCp1252(name) != wanted)
            continue;
        XmlValueIn(body, "MontantFraisDossier", fee);
        return amountOf(fee);
    }
    return 0;
}

std::string fixedFeeStatement(std::string_view recordId, std::string_view destination,
                              bool hasFixedFee, double fee, int today)
{
    if (recordId.empty() || upperCp1252(destination) != "PARTICULIERS" || hasFixedFee || fee == 0)
        return {};
    return "Insert into [tVO - Frevo] (DateFrevo, TypeFrevo, MontantHT, idVO, idFrevo ) Values (" +
           statementDate(today) + ",'fixe', " + formatAmount(fee) + ", " + std::string(recordId) +
           ", :NewID) ";
}
