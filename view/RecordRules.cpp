#include "view/RecordRules.h"

#include <cstdlib>

#include "app/DayDate.h"
#include "view/CaseText.h"

std::string recordKind(bool hasClient, const std::optional<std::string>& typeVO,
                       std::string_view statutVD, int idTypeVO)
{
    if (hasClient)
        return "_TCL";
    const std::string type = typeVO ? *typeVO : (idTypeVO == 1 ? "1" : "2");
    if (type == "1")
        return "_TVO";
    if (!statutVD.empty() && idTypeVO == 3)
        return "_TVD";
    return "_TVN";
}

std::string kindCaption(std::string_view kind)
{
    return kind.size() >= 4 ? std::string(kind.substr(2, 2)) : std::string();
}

bool siteRights(std::string_view userSite, std::string_view recordSiteUpper, std::string_view owner,
                std::string_view idUser)
{
    if (userSite == "#")
        return true;
    if (!recordSiteUpper.empty() && containsText(upperCp1252(userSite), recordSiteUpper))
        return true;
    return owner == idUser;
}

bool lockedByDelivery(std::string_view deliveryDate, int lockDate)
{
    const int delivered = parseDate(deliveryDate);
    return delivered != 0 && delivered < lockDate;
}

bool hasGroupRight(const TXml& record, std::string_view groups, bool siteRightsGranted)
{
    TXml cursor = record;
    XmlFind(cursor, "GNames");
    while (siteRightsGranted && XmlNext(cursor, "GName") > 0) {
        const std::string name =
            ";" + replaceAllIgnoringCase(upperCp1252(cursor.Node()), "USER_", "") + ";";
        if (containsText(groups, name))
            return true;
    }
    return false;
}

OptionDates readOptionDates(const TXml& record)
{
    TXml cursor = record;
    XmlFind(cursor, "OptDates");
    auto date = [&](const char* name) {
        std::string text;
        XmlValue(cursor, name, text);
        return parseDate(text);
    };
    OptionDates dates{date("Opt_LimiteDateDeb"), date("Opt_LimiteDateDebFrevo"),
                      date("Opt_LimiteDateDebOstrel"), date("Opt_LimiteDateVerrouVNVO"),
                      date("Now")};
    if (dates.start > dates.today || dates.startFrevo > dates.today ||
        dates.startOstrel > dates.today)
        dates = OptionDates{0, 0, 0, 0, dates.today, false};
    return dates;
}

std::string vehicleTitle(std::string_view make, std::string_view version)
{
    return upperCp1252(make) + " - " + std::string(version);
}

std::string identityText(std::string_view civility, std::string_view surname,
                         std::string_view firstName)
{
    std::string identity;
    if (!civility.empty())
        identity = std::string(civility) + " ";
    identity += upperCp1252(surname);
    if (!identity.empty())
        identity += " ";
    if (!firstName.empty())
        identity += upperCp1252(firstName.substr(0, 1)) + lowerCp1252(firstName.substr(1));
    return identity;
}

int emailFontSize(size_t length)
{
    if (length < 14)
        return 12;
    if (length < 20)
        return 10;
    if (length < 26)
        return 9;
    if (length < 32)
        return 8;
    return 7;
}

std::string GroupPhoneDigits(std::string_view phone)
{
    if (phone.size() <= 1)
        return {};
    std::string grouped;
    size_t i = 0;
    size_t group = phone.size() % 2 == 1 ? 3 : 2;
    while (i < phone.size()) {
        const std::string_view part = phone.substr(i, group);
        for (char c : part)
            if (c < '0' || c > '9')
                return std::string(phone);
        if (!grouped.empty())
            grouped += ".";
        grouped += part;
        i += group;
        group = 2;
    }
    return grouped;
}

int daysBetween(int first, int second)
{
    return std::abs(second - first);
}

std::string usedVehicleDays(std::string_view orderDate, std::string_view entryDate, int serverToday,
                            int today)
{
    auto read = [today](std::string_view text) {
        const int day = parseDate(text);
        return day != 0 ? day : today;
    };
    int days = 0;
    if (!orderDate.empty() && !entryDate.empty())
        days = daysBetween(read(entryDate), read(orderDate));
    else if (!entryDate.empty())
        days = daysBetween(read(entryDate), serverToday);
    return std::to_string(days) + " jours";
}

std::string newVehicleDays(std::string_view orderDate, std::string_view invoiceDate,
                           std::string_view registrationDate, int today)
{
    int ordered = parseDate(orderDate);
    if (ordered == 0)
        ordered = today;
    int done = parseDate(!invoiceDate.empty() ? invoiceDate : registrationDate);
    if (done == 0)
        done = ordered;
    const int days = daysBetween(ordered, done);
    return days > 0 ? std::to_string(days) + " jours" : std::string();
}

std::string swapHintWord(std::string_view hint, bool isClient)
{
    // The words of the hints are Windows-1252: "véhicule".
    const std::string vehicle = "v\xe9hicule", client = "client";
    const std::string from = isClient ? vehicle : client;
    const std::string to = isClient ? client : vehicle;
    if (!containsText(hint, from))
        return std::string(hint);
    return replaceAllIgnoringCase(hint, from, to);
}
