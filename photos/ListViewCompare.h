#pragma once

#include <QString>

// How the column sorter of the list views compares two cell texts, by the column's kind:
// 0 byte-wise and case-sensitive; 1 integers (their difference); 2 numbers, 3 dates, 4 times,
// 5 dates and times (the sign of the difference). Another kind, or a text that does not convert,
// compares as kind 0.
int CompareCellTexts(int kind, const QString& a, const QString& b);

// The day count of "dd/mm/yy" or "dd/mm/yyyy", with an optional time "hh:mm[:ss]" after a blank
// as the day's fraction; nothing when the text is neither. Two-digit years are 2000 to 2049 and
// 1950 to 1999.
bool parseListDateTime(const QString& text, bool dateWanted, bool timeWanted, double& value);
