#pragma once

#include <string_view>

#include <QString>

// The one check of a typed date, wherever it is typed: a page field, a cost line, an action.
// A text that is not a date is refused, a date outside its limits is refused, and a text left
// as loaded is always accepted.

// What a date is checked against and how its messages read.
struct DateRule {
    int minimum = 0; // 0 = none
    int maximum = 0; // 0 = none
    // The day an empty text, and a loaded text that is not a date, read as; 0: an empty text is
    // no date, below any minimum.
    int emptyDay = 0;
    // The message names both limits, a limit not set written as the zero date; otherwise it
    // names the limits that are set ("supérieure au" the minimum alone).
    bool bothLimitsNamed = false;
    QString name;  // the field as the messages name it
    QString title; // the title of the warning
};

enum class DateVerdict { Accepted, Unreadable, OutOfLimits };

// Texts are Windows-1252 "dd/mm/yyyy". A date outside the limits is still accepted when it reads
// as the same day as the loaded text.
DateVerdict dateVerdict(const DateRule& rule, std::string_view typed, std::string_view loaded);
// A date between start and end (0 = none) whose message writes both, an empty text reading as
// today: the dates typed in a grid's cells.
DateRule rangeDateRule(int start, int end, int today, const QString& name, const QString& title);
// Why a date is refused, dates as "dd/mm/yyyy"; empty when it is accepted.
QString dateMessage(const DateRule& rule, DateVerdict verdict);
// A day as the date messages write it, "dd/mm/yyyy".
QString dateText(int day);
