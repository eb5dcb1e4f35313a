#pragma once

#include <string>
#include <string_view>

// Dates are whole day numbers counted from 30/12/1899 (day 0), so 0 keeps its meaning "no date".
// Texts are "dd/mm/yyyy" on screen and in documents, whatever the system locale says.

// Day number of a "dd/mm/yyyy" text (day and month may have one digit); 0 when unreadable.
int parseDate(std::string_view text);
// "dd/mm/yyyy" of a day number.
std::string formatDate(int day);
// Day number of a calendar date, no validity check.
int dayFromCivil(int year, int month, int day);
void civilFromDay(int dayNumber, int& year, int& month, int& day);
// Today's day number on the local clock.
int todayDay();
// "#mm/dd/yyyy#", the date literal of the server's statements.
std::string statementDate(int day);
// Manufacturing week of a "dd/mm/yyyy" text, "2009s25": weeks start on Sundays and the days
// before the year's first Sunday are week 00; an unreadable text counts as 01/01/1900, an empty
// one gives an empty code.
std::string weekCode(std::string_view text);
