#include "editing/SaveRules.h"

#include "app/DayDate.h"
#include "app/Numbers.h"
#include "server/TXml.h"
#include "view/CaseText.h"

std::vector<RequiredValue> vehicleRequiredValues(std::string_view kindCaption)
{
    if (kindCaption == "VO")
        return {{"cNVO", true}, {"cSite", false}, {"cInfoMarque", false}};
    if (kindCaption == "VD")
        return {{"cVDNVO", true}, {"cVDSite", false}, {"cVDInfoMarque", false}};
    if (kindCaption == "VN")
        return {{"cVNNVO", true},
                {"cVNSite", false},
                {"cVNInfoMarque", false},
                {"cVNInfoModele", false},
                {"cVNInfoTypeVersion", false}};
    return {};
}

bool stockNumberMissing(std::string_view text)
{
    const std::optional<long long> number = parseWholeNumber(text);
    return !number || *number == 0;
}

bool circulationAfterEntry(std::string_view circulation, std::string_view entry, int today)
{
    auto dateOrToday = [today](std::string_view text) {
        const int day = parseDate(text);
        return day != 0 ? day : today;
    };
    return dateOrToday(circulation) > dateOrToday(entry);
}

std::vector<const char*> clientRequiredControls()
{
    return {"aSite", "aidCom", "aCliNom"};
}

std::vector<int> newActionRequiredColumns()
{
    return {2, 7, 6}; // action date, follow-up date, comment
}

std::vector<const char*> clientVehicleRequiredControls()
{
    return {"vInfoMarque", "vInfoModele"};
}

bool isDeletion(std::string_view statement)
{
    return upperCp1252(statement.substr(0, 6)) == "DELETE";
}

bool remembersActionDefault(int column)
{
    return column >= 2 && column <= 10 && column != 6;
}

std::string actionDefaultKey(int column)
{
    return "sAct" + std::to_string(column);
}

std::optional<std::string> insertedKey(std::string_view reply)
{
    TXml cursor{std::string(reply)};
    XmlFind(cursor, "OutParams");
    std::string key;
    XmlValue(cursor, "NewID", key);
    if (key.empty())
        return std::nullopt;
    return key;
}

bool isClientBeingCreated(std::string_view clientId)
{
    return clientId == "-1" || clientId == "-2";
}

QString unkeyedPageWarning(const QString& pageCaption)
{
    return QStringLiteral("Modifications de la page \"%1\" non enregistrées : sa description n'a "
                          "aucun champ clé, elles changeraient toutes les fiches")
        .arg(pageCaption);
}

QString keyLostWarning()
{
    return QStringLiteral("Fiche créée, mais le serveur n'a pas renvoyé son identifiant : "
                          "rouvrez-la depuis la recherche pour la modifier");
}
