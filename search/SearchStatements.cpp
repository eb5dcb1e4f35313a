#include "search/SearchStatements.h"

#include <cstdio>

#include "server/TXml.h"
#include "view/CaseText.h"

namespace {

struct TypeInfo {
    const char* table;
    const char* key;
    const char* orderSuffix;
    int keyColumn;
};

TypeInfo typeInfo(int type)
{
    switch (type) {
    case 1:
        return {"TVehicles", "Immatriculation", ", DateOrdre desc", 4};
    case 2:
        return {"TVehicles", "Acheteur", ", DateOrdre desc", 6};
    case 3:
        return {"TVehicles", "NVO", ", DateOrdre desc", 2};
    case 4:
        return {"TVehiclesOstrel", "Immatriculation", ", DateOrdre desc", 4};
    case 5:
        return {"TClients", "CliNom", ", CliPreNom, idClient desc", 6};
    case 6:
        return {"TClients", "CliMobile", ", idClient desc", 4};
    default:
        return {"TClients", "CliTelDom", ", idClient desc", 3};
    }
}

bool isVehicleType(int type)
{
    return type >= 1 && type <= 3;
}

// "(column like '%text%')", or "(column = 'text')" for an exact search.
std::string textCondition(std::string_view column, std::string_view text, bool exact)
{
    if (exact)
        return "(" + std::string(column) + " = '" + std::string(text) + "')";
    return "(" + std::string(column) + " like '%" + std::string(text) + "%')";
}

std::string keyCondition(const SearchRequest& r)
{
    const TypeInfo info = typeInfo(r.type);
    switch (r.type) {
    case 1:
    case 2:
    case 4:
        return textCondition(info.key, r.text, r.exact);
    case 3:
        return IsAllDigits(r.text) ? "(NVO>=" + r.text + ")" : "(false)";
    case 5: {
        if (r.text.empty())
            return "(false)";
        std::string c = textCondition("CliNom", r.text, r.exact);
        if (r.withFirstName)
            c += " and " + textCondition("CliPreNom", doubleQuotes(r.firstName), r.exact);
        return c;
    }
    default:
        return r.text.empty() ? "(false)" : textCondition(info.key, r.text, r.exact);
    }
}

std::string columnList(int type)
{
    if (type >= 5)
        return "-1 AS TypeVO, idClient AS VO_ID, idClient AS VO_NO, CliMobile, [CliCP], "
               "[CliVille], "
               "[CliAdresse1], [CliAdresse2], [CliNom], [CliPrenom], CliTelDom, Site AS VO_SITE, "
               "Concession, idOwner";
    const std::string key = typeInfo(type).key;
    if (type == 4)
        return "TypeVO, idClient as VO_ID, NVO as VO_NO, Immatriculation AS VO_IMMAT, "
               "[InfoMarque], "
               "[InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, DateOrdre AS "
               "VO_ORDRE, " +
               key + " AS VO_Result, Site as VO_SITE, Concession, idOwner";
    return "TypeVO, idTVO as VO_ID, StatutVD, NVO as VO_NO, Immatriculation AS VO_IMMAT, "
           "[InfoMarque], [InfoModele], InfoVersion AS VO_VERSION, Acheteur AS VO_BUYER, DateOrdre "
           "AS VO_ORDRE, " +
           key + " AS VO_Result, Site as VO_SITE, Concession, idOwner";
}

std::string child(std::string_view row, std::string_view name)
{
    std::string value;
    XmlValueIn(row, name, value);
    return XmlUnescape(value, false);
}

bool inUserSites(std::string_view site, std::string_view userSite)
{
    if (userSite == "#")
        return true;
    const std::string wanted = upperCp1252(site);
    return !wanted.empty() && upperCp1252(userSite).find(wanted) != std::string::npos;
}

std::string reference(std::string_view row, int type)
{
    const std::string site = child(row, "VO_SITE");
    std::string ref;
    if (!site.empty()) {
        ref += site.front();
        ref += lowerCp1252(site.substr(site.size() - 1));
    }
    ref += "-" + child(row, "VO_NO");
    if (isVehicleType(type)) {
        std::string typeVO = child(row, "TypeVO");
        if (!child(row, "StatutVD").empty())
            typeVO = "3";
        const char* prefix = typeVO == "1" ? "VO-" : typeVO == "2" ? "VN-" : "VD-";
        ref = prefix + ref;
    }
    return ref;
}

} // namespace

bool IsAllDigits(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (c < '0' || c > '9')
            return false;
    return true;
}

std::string PrefixIfAny(std::string_view prefix, std::string_view value)
{
    return value.empty() ? std::string() : std::string(prefix) + std::string(value);
}

std::string statementQueryValue(std::string_view statement)
{
    std::string out;
    out.reserve(statement.size() + 16);
    for (char c : statement) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '%' || c == '&' || c == '+' || byte < 0x20 || byte == 0x7F) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", unsigned(byte));
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string cleanSearchText(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n' && c != '\t')
            out += c;
    return out;
}

std::string doubleQuotes(std::string_view text)
{
    return replaceAll(text, "'", "''");
}

bool isClientKind(std::string_view recordKind)
{
    return recordKind == "_TCL";
}

int vehicleSearchType(bool nvoEnabled, bool immatEnabled)
{
    return nvoEnabled ? 3 : immatEnabled ? 1 : 2;
}

int clientSearchType(bool immatEnabled, bool clientEnabled, bool mobileEnabled)
{
    return immatEnabled ? 4 : clientEnabled ? 5 : mobileEnabled ? 6 : 7;
}

std::string BuildSearchStatement(const SearchRequest& r)
{
    std::string c = keyCondition(r);
    if (isVehicleType(r.type)) {
        if (!r.site.empty())
            c = "(SITE='" + doubleQuotes(r.site) + "') and " + c;
        if (r.typeVOIndex == 1)
            c = "(TypeVO=1) and " + c;
        else if (r.typeVOIndex == 2)
            c = "(TypeVO=2) and (isnull(StatutVD)) and " + c;
        else if (r.typeVOIndex > 2)
            c = "(TypeVO=2) and (not isnull(StatutVD)) and " + c;
    }
    if (r.useWhereClause) {
        // The stored condition may be written with its table alias and its keyword.
        const std::string where = replaceAllIgnoringCase(r.whereClause, "VO.", "");
        c = " " + replaceAllIgnoringCase(where, "WHERE ", "");
    }
    c = "(Concession='" + doubleQuotes(r.concession) + "') and (" + c + ")";
    const TypeInfo info = typeInfo(r.type);
    const std::string statement = "SELECT " + columnList(r.type) + " FROM " + info.table +
                                  " Where " + c + " ORDER BY " + info.key + info.orderSuffix;
    return statementQueryValue(statement);
}

int searchKeyColumn(int type)
{
    return typeInfo(type).keyColumn;
}

bool searchColumn3Dates(int type)
{
    return type <= 4;
}

std::array<std::string, 5> searchCaptions(int type)
{
    if (type <= 4)
        return {"N\xB0VO", "D.Ordre", "Immat.", "V\xE9hicule", "Client"};
    return {"R\xE9"
            "f.",
            "T\xE9l.Dom.", "Mobile", "Adresse", "Client"};
}

SearchSummary searchSummary(const TXml& reply, int type)
{
    std::string rowCount, eof;
    XmlAttr(reply, "RowCount", rowCount);
    XmlAttr(reply, "EOF", eof);
    const bool cut = eof == "0";
    return {rowCount + (cut ? " premiers enregistrements" : " enregistrements trouv\xE9s"),
            cut && type != 3};
}

SearchCells searchRowCells(std::string_view row, int type, std::string_view userConcession,
                           std::string_view userSite)
{
    SearchCells cells;
    cells[0] = child(row, "VO_ID");
    if (child(row, "Concession") != userConcession)
        cells[1] = "2";
    else
        cells[1] = inUserSites(child(row, "VO_SITE"), userSite) ? "4" : "3";
    cells[2] = reference(row, type);
    if (type <= 4) {
        cells[3] = child(row, "VO_ORDRE");
        cells[4] = child(row, "VO_IMMAT");
        cells[5] = child(row, "InfoMarque") + " " + child(row, "InfoModele");
    } else {
        cells[3] = child(row, "CliTelDom");
        cells[4] = child(row, "CliMobile");
        cells[5] = child(row, "CliCP") + " " + child(row, "CliVille") +
                   PrefixIfAny(" - ", child(row, "CliAdresse1")) +
                   PrefixIfAny(" - ", child(row, "CliAdresse2"));
    }
    cells[6] = upperCp1252(child(row, "VO_BUYER"));
    if (cells[6].empty())
        cells[6] = upperCp1252(child(row, "CliNom")) + " " + child(row, "CliPrenom");
    return cells;
}

std::vector<SearchCells> searchRows(const TXml& reply, int type, std::string_view userConcession,
                                    std::string_view userSite)
{
    std::vector<SearchCells> rows;
    TXml cursor = reply;
    XmlFind(cursor, "AXQueryS");
    while (XmlNext(cursor, "AXQuery") > 0)
        rows.push_back(searchRowCells(cursor.Node(), type, userConcession, userSite));
    return rows;
}
