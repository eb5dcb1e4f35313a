#include "photos/ListViewCompare.h"

#include <optional>
#include <string>

#include <QRegularExpression>

#include "app/Cp1252.h"
#include "app/DayDate.h"

namespace {

int sign(double difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int compareBytes(const QString& a, const QString& b)
{
    const int order = toCp1252(a).compare(toCp1252(b));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

std::optional<long long> integerOf(const QString& text)
{
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<double> numberOf(const QString& text)
{
    // The decimal point whatever the locale.
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

std::optional<double> dateTimeOf(const QString& text, bool date, bool time)
{
    double value = 0;
    return parseListDateTime(text, date, time, value) ? std::optional(value) : std::nullopt;
}

} // namespace

bool parseListDateTime(const QString& text, bool dateWanted, bool timeWanted, double& value)
{
    static const QRegularExpression datePart(
        QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{2}|\d{4})(?:\s+(.*))?$)"));
    static const QRegularExpression timePart(QStringLiteral(R"(^(\d{1,2}):(\d{2})(?::(\d{2}))?$)"));
    QString rest = text.trimmed();
    double days = 0;
    if (dateWanted) {
        const auto m = datePart.match(rest);
        if (!m.hasMatch())
            return false;
        int year = m.captured(3).toInt();
        if (m.captured(3).size() == 2)
            year += year < 50 ? 2000 : 1900;
        const int month = m.captured(2).toInt();
        const int day = m.captured(1).toInt();
        const int number = parseDate(std::to_string(day) + "/" + std::to_string(month) + "/" +
                                     std::to_string(year));
        if (number == 0)
            return false;
        days = number;
        rest = m.captured(4);
        if (rest.isEmpty()) {
            value = days;
            return true;
        }
    }
    if (!timeWanted)
        return false;
    const auto t = timePart.match(rest.trimmed());
    if (!t.hasMatch())
        return false;
    const int hours = t.captured(1).toInt();
    const int minutes = t.captured(2).toInt();
    const int seconds = t.captured(3).isEmpty() ? 0 : t.captured(3).toInt();
    if (hours > 23 || minutes > 59 || seconds > 59)
        return false;
    value = days + (hours * 3600 + minutes * 60 + seconds) / 86400.0;
    return true;
}

int CompareCellTexts(int kind, const QString& a, const QString& b)
{
    switch (kind) {
    case 1:
        if (const auto x = integerOf(a), y = integerOf(b); x && y) {
            const long long difference = *x - *y;
            return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
        }
        break;
    case 2:
        if (const auto x = numberOf(a), y = numberOf(b); x && y)
            return sign(*x - *y);
        break;
    case 3:
    case 4:
    case 5:
        if (const auto x = dateTimeOf(a, kind != 4, kind != 3),
            y = dateTimeOf(b, kind != 4, kind != 3);
            x && y)
            return sign(*x - *y);
        break;
    default:
        break;
    }
    return compareBytes(a, b);
}
