#include "editing/DateRule.h"

#include "app/DayDate.h"

QString dateText(int day)
{
    return QString::fromStdString(formatDate(day));
}

DateVerdict dateVerdict(const DateRule& rule, std::string_view typed, std::string_view loaded)
{
    if (typed == loaded)
        return DateVerdict::Accepted;
    const int day = typed.empty() ? rule.emptyDay : parseDate(typed);
    if (!typed.empty() && day == 0)
        return DateVerdict::Unreadable;
    if ((rule.minimum == 0 || day >= rule.minimum) && (rule.maximum == 0 || day <= rule.maximum))
        return DateVerdict::Accepted;
    const int loadedDay = parseDate(loaded) != 0 ? parseDate(loaded) : rule.emptyDay;
    return day != 0 && day == loadedDay ? DateVerdict::Accepted : DateVerdict::OutOfLimits;
}

DateRule rangeDateRule(int start, int end, int today, const QString& name, const QString& title)
{
    return {.minimum = start,
            .maximum = end,
            .emptyDay = today,
            .bothLimitsNamed = true,
            .name = name,
            .title = title};
}

QString dateMessage(const DateRule& rule, DateVerdict verdict)
{
    const QString start = QStringLiteral("La valeur du champ \"%1\" ").arg(rule.name);
    switch (verdict) {
    case DateVerdict::Accepted:
        break;
    case DateVerdict::Unreadable:
        return start + QStringLiteral("n'est pas une date valide (jj/mm/aaaa).");
    case DateVerdict::OutOfLimits:
        if (rule.bothLimitsNamed || (rule.minimum != 0 && rule.maximum != 0))
            return start + QStringLiteral("doit être comprise entre le \"%1\" et le \"%2\"")
                               .arg(dateText(rule.minimum), dateText(rule.maximum));
        if (rule.maximum != 0)
            return start +
                   QStringLiteral("doit être inférieure au \"%1\"").arg(dateText(rule.maximum));
        return start + QStringLiteral("doit être supérieure au \"%1\"").arg(dateText(rule.minimum));
    }
    return {};
}
