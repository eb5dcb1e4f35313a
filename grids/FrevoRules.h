#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "editing/DateRule.h"
#include "server/TXml.h"
#include "view/ListSource.h"
#include "view/TsPage.h"

// Rules of the reconditioning costs ("Frevo") of a used vehicle: the grid's columns from the
// structure document, the values of its lines, the statement of a changed line, the ten totals
// and the fixed handling fee. Texts are Windows-1252.

inline constexpr int kFrevoMaxColumns = 8;
inline constexpr int kFrevoMaxLines = 99;

// Grid columns with a fixed role; cell k of a line belongs to column k.
namespace frevocol {
inline constexpr int Marker = 0;
inline constexpr int Id = 1;
inline constexpr int Date = 2;
inline constexpr int Label = 3;
inline constexpr int Accounting = 4;
inline constexpr int Supplier = 5;
inline constexpr int Invoice = 6;
inline constexpr int Type = 7;
inline constexpr int Amount = 8;
} // namespace frevocol

// Pictures of the marker column and their hints.
inline constexpr const char* kFrevoDeleteMarker = "0";
inline constexpr const char* kFrevoNewMarker = "1";
inline constexpr const char* kFrevoNoAction = "2";
inline constexpr const char* kFrevoDeleteHint = "pour supprimer ce Frevo";    // UTF-8
inline constexpr const char* kFrevoNewHint = "pour ajouter un nouveau Frevo"; // UTF-8

// One described column: the cell description of the template line, its caption and width (0
// hides the column).
struct FrevoColumn {
    TsDesc cell;
    std::string caption;
    int width = 20;
};
// The first eight "gFrev" items of the structure, in document order.
std::vector<FrevoColumn> frevoColumns(const TXml& structure);
// The rights of the first column that has a tag: who may add (and remove) lines.
std::string frevoAddRights(const std::vector<FrevoColumn>& columns);

// A value of a loaded line: texts decoded, blanks of numbers removed, amounts "0.00" (0 when
// unreadable).
std::string loadedFrevoValue(std::string_view raw, int infoType);
// A value as typed in a cell: an amount is "0.00", 0 when it does not read with a point.
std::string typedFrevoValue(std::string_view text, int infoType);

// A line closed by accounting: it has an accounting number and the user is not an accountant.
bool frevoLineLocked(std::string_view accountingNumber, bool comptaRight);
// A cell shown read-only (grey).
bool frevoCellReadOnly(bool columnRight, bool comptaRight, bool locked);
// The marker of a loaded line: the delete marker unless an invoice protects it from a user who
// is not an accountant (a line locked by its accounting number alone may still be deleted).
const char* frevoLineMarker(std::string_view loadedInvoice, bool comptaRight);
// The columns a click on a line opens for editing (index = column): only the date on the new
// line; on the others every column unless the line is locked, the accounting number only for
// accountants; never a column whose right the user lacks.
std::array<bool, 9> frevoEditableColumns(bool newLine, bool locked, bool comptaRight,
                                         const std::array<bool, 9>& columnRights);

// What a line's statement is built with.
struct FrevoStatementContext {
    std::string table;    // the costs page's table, "tVO - Frevo"
    std::string recordId; // idVO of the vehicle
    bool newLine = false; // the line is inserted
    bool deletion = false;
};
// The pending statement of a line: its changed cells, keyed by its first unchanged cell (its
// identifier); empty when nothing changed, or when an update or deletion would have no key.
std::string frevoLineStatement(const TsLine& line, const FrevoStatementContext& context);

// The ten totals: by cost type over every line, and over the lines dated before the end of the
// vehicle's delivery month ("FDM").
namespace frevosum {
enum : int { Forecast, Fixed, Internal, External, All, Count };
}
struct FrevoTotals {
    std::array<double, frevosum::Count> all{};
    std::array<double, frevosum::Count> untilMonthEnd{};
};
// The total of a cost type: "FIXE", "INTERNE", "EXTERNE" in any case, anything else a forecast.
int frevoCostType(std::string_view type);
// The first day of the month after the reference date-time, at its time of day.
double frevoMonthEnd(double reference);
// Lines from entry 1 on. Unreadable amounts count as 0; unreadable dates, and an unreadable
// delivery date, as now (a day number with its fraction of day).
FrevoTotals frevoTotals(std::span<const TsLine> lines, std::string_view deliveryDate, double now);
// A total as shown: "0.00", empty when it is 0.
std::string frevoTotalText(double total);

// The rule of a typed cost date between the limits (0 = none): an empty text reads as today,
// and the message names both limits.
DateRule frevoDateRule(int start, int end, int today);

// Entries of a completion list ("LibFrevo" or "Fournisseur") of the lists document.
std::vector<std::string> frevoCompletionItems(const ListSource& lists, std::string_view list);

// The fixed handling fee of a used vehicle sold to private buyers.
// Whether a loaded cost line ("FrevoS"/"Frevo") of the record is of type "FIXE" (any case).
bool hasFixedFeeLine(const TXml& record);
// "MontantFraisDossier" of the first site named so (any case); 0 when none or unreadable.
double siteHandlingFee(const ListSource& lists, std::string_view site);
// The insert of the fee dated today, or empty: only for the destination "PARTICULIERS" (any
// case), a vehicle without a fee line and a site with a fee.
std::string fixedFeeStatement(std::string_view recordId, std::string_view destination,
                              bool hasFixedFee, double fee, int today);
