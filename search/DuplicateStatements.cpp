#include "search/DuplicateStatements.h"

#include "search/SearchStatements.h"
#include "server/TXml.h"
#include "view/CaseText.h"

namespace {

// "(column='VALUE')", the value upper-cased and its quotes doubled.
std::string equalsCondition(std::string_view column, std::string_view value)
{
    return "(" + std::string(column) + "='" + doubleQuotes(upperCp1252(value)) + "')";
}

std::string countStatement(std::string_view groupBy, const std::string& having)
{
    return "select count(idClient) as cpt from tClients group by " + std::string(groupBy) +
           " having " + having;
}

} // namespace

std::string duplicateCountStatement(std::string_view kind, const DuplicateValues& values)
{
    std::string statement;
    if (kind == "Nom" || kind == "Ident") {
        if (values.surname.empty())
            return {};
        // The first name is compared even when it is empty.
        statement = kind == "Nom"
                        ? countStatement("CliNom", equalsCondition("CliNom", values.surname))
                        : countStatement("CliNom, CliPrenom",
                                         equalsCondition("CliNom", values.surname) + " and " +
                                             equalsCondition("CliPreNom", values.firstName));
    } else if (kind == "TelDom" || kind == "Mobile") {
        const std::string column = kind == "TelDom" ? "CliTelDom" : "CliMobile";
        const std::string& value = kind == "TelDom" ? values.telDom : values.mobile;
        if (value.empty())
            return {};
        statement = countStatement(column, equalsCondition(column, value));
    }
    return statementQueryValue(statement);
}

std::string duplicateCount(const TXml& reply)
{
    TXml cursor = reply;
    XmlFind(cursor, "AXQuery");
    std::string count;
    XmlValue(cursor, "cpt", count);
    return count;
}
