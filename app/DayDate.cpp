#include "app/DayDate.h"

#include <cstdio>
#include <ctime>

namespace {
// Days from 1970-01-01 to 1899-12-30.
constexpr int kEpochOffset = 25569;

int daysFromUnixCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

bool readNumber(std::string_view text, size_t& pos, int minDigits, int maxDigits, int& value)
{
    int digits = 0;
    value = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < maxDigits) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits;
}
} // namespace

int dayFromCivil(int year, int month, int day)
{
    return daysFromUnixCivil(year, month, day) + kEpochOffset;
}

void civilFromDay(int dayNumber, int& year, int& month, int& day)
{
    int z = dayNumber - kEpochOffset + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = yoe + era * 400 + (month <= 2);
}

int parseDate(std::string_view text)
{
    size_t pos = 0;
    int d = 0, m = 0, y = 0;
    if (!readNumber(text, pos, 1, 2, d) || pos >= text.size() || text[pos++] != '/')
        return 0;
    if (!readNumber(text, pos, 1, 2, m) || pos >= text.size() || text[pos++] != '/')
        return 0;
    if (!readNumber(text, pos, 4, 4, y) || pos != text.size())
        return 0;
    if (y < 100 || m < 1 || m > 12 || d < 1)
        return 0;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    const int monthDays = kDays[m - 1] + (m == 2 && leap ? 1 : 0);
    if (d > monthDays)
        return 0;
    return dayFromCivil(y, m, d);
}

std::string formatDate(int dayNumber)
{
    int y = 0, m = 0, d = 0;
    civilFromDay(dayNumber, y, m, d);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d, m, y);
    return buffer;
}

std::string statementDate(int dayNumber)
{
    int y = 0, m = 0, d = 0;
    civilFromDay(dayNumber, y, m, d);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02d/%02d/%04d#", m, d, y);
    return buffer;
}

int todayDay()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return dayFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string weekCode(std::string_view text)
{
    if (text.empty())
        return {};
    int day = parseDate(text);
    if (day == 0)
        day = dayFromCivil(1900, 1, 1);
    int year = 0, month = 0, dayOfMonth = 0;
    civilFromDay(day, year, month, dayOfMonth);
    const int first = dayFromCivil(year, 1, 1);
    // Day 0 (30/12/1899) is a Saturday, weekday 7 when Sunday is 1.
    const int firstWeekday = (first + 6) % 7 + 1;
    const int week = (day - first + firstWeekday - 1) / 7;
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%ds%02d", year, week);
    return buffer;
}
