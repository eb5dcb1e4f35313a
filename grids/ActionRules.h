#pragma once

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <QString>

#include "editing/DateRule.h"
#include "server/TXml.h"
#include "view/TsPage.h"

// Rules of a client's follow-up actions: the grid's columns from the structure document, the
// stored values behind the texts shown, the defaults of a new action, the mandatory values, the
// statement of a changed line and the date checks. Texts are Windows-1252.

inline constexpr int kActionColumns = 10;
inline constexpr int kActionMaxLines = 99;

// Grid columns with a fixed role; cell k of a line belongs to column k.
namespace actcol {
inline constexpr int Marker = 0;
inline constexpr int Id = 1;
inline constexpr int Date = 2;
inline constexpr int Salesperson = 3;
inline constexpr int Type = 4;
inline constexpr int Subject = 5;
inline constexpr int Comment = 6;
inline constexpr int FollowUpDate = 7;
inline constexpr int FollowUpSalesperson = 8;
inline constexpr int FollowUpSubject = 9;
inline constexpr int Priority = 10;
} // namespace actcol

// Pictures of the marker column and their hints (UTF-8).
inline constexpr const char* kActionDeleteMarker = "0";
inline constexpr const char* kActionNewMarker = "1";
inline constexpr const char* kActionNoAction = "2";
inline constexpr const char* kActionDeleteHint = "pour supprimer cette action";
inline constexpr const char* kActionNewHint = "pour enregistrer cette nouvelle action";

// The template line: cells 1 to 10 described by the first ten "gAct" items of the structure, in
// document order (name, rights, types, colour, requirement, default).
TsLine actionTemplate(const TXml& structure);

// Columns 3 and 8 store a salesperson's identifier and show the name.
bool isSalespersonColumn(int column);
// Columns 4, 5, 9 and 10 store a position (from 1) in a choice list and show its text.
bool isListColumn(int column);
// The choice list a column's drop-down is filled from: "InfoCom", "TypeAction", "SujetAction"
// (the follow-up subjects too) or "PrioriteRelance"; empty for the other columns.
const char* actionColumnList(int column);

// What the cells choose from: each column's drop-down items, and a salesperson's name by
// identifier (from the whole staff list).
struct ActionChoices {
    std::array<std::vector<std::string>, kActionColumns + 1> items;
    std::function<std::optional<std::string>(std::string_view idCom)> staffName;
};

// A value of a loaded action: texts with their entities and line breaks decoded.
std::string loadedActionValue(std::string_view raw, int infoType);
// The text a cell shows for a stored value: the salesperson's name, or the list's text at the
// stored position; a value that does not read as a number counts as 1 (so does an empty one),
// and a number below 1 or past the end of the list shows nothing. Line breaks as the grid's
// editors write them ("\n").
std::string actionShownText(int column, std::string_view value, const ActionChoices& choices);
// The value a cell's text stands for, given the code the lists give a chosen entry (a
// salesperson's identifier or a position; "0" when unknown): an empty text stands for nothing,
// and a comment's line breaks are stored as CR LF.
std::string actionValueOfText(int column, std::string_view text, std::string_view listCode);

// Whether a stored value is still a choice the cell offers: a salesperson of the column's list,
// a position within its list, a readable date. Free texts always are.
bool actionChoiceValid(int column, std::string_view value, const ActionChoices& choices);
// The value a new action starts with in a column: the structure's default ("now" is today); for
// the columns whose value is remembered, the remembered value instead (nothing remembered:
// empty); for the follow-up salesperson, the client's salesperson. A value that is no longer a
// valid choice gives an empty value, which the mandatory check then asks for.
std::string newActionValue(int column, const TsDesc& templateCell,
                           const std::optional<std::string>& remembered,
                           std::string_view clientSalesperson, int today,
                           const ActionChoices& choices);

// The first described column from 2 to 10 whose value is empty; 0 when none.
int missingActionColumn(const TsLine& line);
// What the user reads when an action cannot be saved: "Action incomplète : renseignez Vendeur,
// Type, Sujet." with the captions of every such column (Windows-1252); empty when none.
std::string missingActionMessage(const TsLine& line);

// What a line's statement is built with.
struct ActionStatementContext {
    std::string clientId; // idClient of the client
    bool newLine = false; // the line is inserted
    bool deletion = false;
};
// The pending statement of a line on "tActions"; empty when nothing changed, or when an update
// or deletion would have no key.
std::string actionLineStatement(const TsLine& line, const ActionStatementContext& context);

// Moving the selection to another row of the grid: a line left with a missing value keeps the
// selection on that value (unless the line tested last is the new action), and a line left with
// a pending statement is saved first.
struct ActionLineLeave {
    bool refused = false;
    int column = 0; // the missing value to select when refused
    int row = -1;
    bool pending = false;
};
// lines holds the template and one entry per grid row.
ActionLineLeave leaveActionLine(std::span<const TsLine> lines, int rowCount, int targetRow,
                                bool newActionTested);

// The rule of a typed action date (column 2), between start and end (0 = none), or follow-up
// date (column 7), not before the action date as shown. An empty text reads as today.
DateRule actionDateRule(int column, std::string_view actionDate, int start, int end, int today);

// How soon a follow-up is due: past, within the next seven days, or later (or no date).
enum class FollowUpDue { Later, Soon, Past };
// The colour of a follow-up date due soon (0x00BBGGRR); a past one is red.
inline constexpr unsigned kFollowUpSoonColor = 0x0080FF; // orange
FollowUpDue followUpDue(std::string_view followUpDate, int today);
