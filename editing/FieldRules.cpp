#include "editing/FieldRules.h"

#include "app/DayDate.h"
#include "view/CaseText.h"

namespace {
constexpr char16_t kBackspace = 8;
} // namespace

std::string comboValue(bool byIndex, bool blankFirst, int itemIndex, int infoType,
                       std::string_view text, std::string_view staffIdentifier, bool staffList)
{
    std::string value;
    if (byIndex) {
        value = staffList ? std::string(staffIdentifier)
                          : std::to_string(itemIndex + (blankFirst ? 0 : 1));
        if (infoType == 3)
            value = value == "1" ? "False" : "True";
    } else {
        value = std::string(text);
    }
    return std::string(beforeColon(value));
}

ListBoxValue listBoxValue(const std::vector<bool>& selected, const std::vector<std::string>& texts,
                          std::string_view codes)
{
    // Codes are ";" + code for each entry: field k + 1 of the text after its first ";".
    std::vector<std::string> codeList;
    if (!codes.empty()) {
        size_t start = codes.front() == ';' ? 1 : 0;
        while (true) {
            const size_t end = codes.find(';', start);
            codeList.emplace_back(
                codes.substr(start, end == std::string_view::npos ? end : end - start));
            if (end == std::string_view::npos)
                break;
            start = end + 1;
        }
    }
    ListBoxValue result;
    for (size_t k = 0; k < selected.size(); ++k) {
        if (!selected[k])
            continue;
        result.value += ";" + (k < codeList.size() ? codeList[k] : std::string());
        if (!result.texts.empty())
            result.texts += " - ";
        if (k < texts.size())
            result.texts += texts[k];
    }
    if (!result.value.empty())
        result.value += ";";
    return result;
}

QString fieldNameInMessages(const QString& caption, const QString& fieldName)
{
    QString name = caption;
    name.remove(':');
    return name.isEmpty() ? fieldName : name;
}

QString requiredValueMessage(const QString& caption, const QString& fieldName)
{
    return QStringLiteral("La saisie du champ \"%1\" est obligatoire.")
        .arg(fieldNameInMessages(caption, fieldName).trimmed());
}

DateRule fieldDateRule(const QString& caption, const QString& fieldName, int minimum, int maximum)
{
    return {.minimum = minimum,
            .maximum = maximum,
            .name = fieldNameInMessages(caption, fieldName),
            .title = QStringLiteral("Contrôle de la date saisie")};
}

int adultBirthLimit(int today)
{
    int year = 0, month = 0, day = 0;
    civilFromDay(today, year, month, day);
    year -= 18;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && day == 29 && !leap)
        day = 28;
    return dayFromCivil(year, month, day);
}

std::optional<DateBounds> dateBounds(DateLimitKind kind, const DateLimits& limits)
{
    switch (kind) {
    case DateLimitKind::NotAfterServerToday:
        return DateBounds{0, limits.serverToday};
    case DateLimitKind::NotBeforeServerToday:
        return DateBounds{limits.serverToday, 0};
    case DateLimitKind::WithinPeriod:
        return DateBounds{limits.periodStart, limits.periodEnd};
    case DateLimitKind::AfterOrderOrCirculation: {
        int start = parseDate(limits.orderDate);
        if (start == 0)
            start = parseDate(limits.circulationDate);
        if (start == 0)
            return std::nullopt;
        return DateBounds{start, 0};
    }
    case DateLimitKind::AdultBirth:
        return DateBounds{0, adultBirthLimit(limits.today)};
    }
    return std::nullopt;
}

std::optional<int> listMaintenanceMode(bool ctrlHeld, int key, bool textListed, int removeKey,
                                       int addKey)
{
    if (!ctrlHeld)
        return std::nullopt;
    if (textListed && key == removeKey)
        return -1;
    if (!textListed && key == addKey)
        return 0;
    return std::nullopt;
}

QString lockWarning(bool siteRightsGranted, int lockDate)
{
    if (siteRightsGranted)
        return QStringLiteral("Enregistrement verrouillé, Date Livraison antérieure au ") +
               dateText(lockDate);
    return QStringLiteral("Enregistrement verrouillé");
}

QChar phoneKey(QChar key)
{
    if (key == QChar(kBackspace) || (key >= u'0' && key <= u'9'))
        return key;
    return QChar(0);
}

QChar plateKey(QChar key)
{
    if (key == QChar(kBackspace) || (key >= u'0' && key <= u'9') || (key >= u'A' && key <= u'Z'))
        return key;
    if (key >= u'a' && key <= u'z')
        return QChar(key.unicode() - 32);
    return QChar(0);
}

QChar capitalKey(QChar key)
{
    return key >= u'a' && key <= u'z' ? QChar(key.unicode() - 32) : key;
}
