#include "editing/Statements.h"

#include <cstdio>

#include "app/DayDate.h"
#include "view/CaseText.h"

namespace {

void appendEscape(std::string& out, unsigned char c)
{
    char code[4];
    std::snprintf(code, sizeof code, "%%%02X", c);
    out += code;
}

std::string join(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += parts[i];
    }
    return text;
}

} // namespace

std::string SqlText(std::string_view text)
{
    std::string literal = "'";
    for (char ch : trimmed(text)) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '%':
        case '+':
        case '"':
        case '&':
        case '<':
        case '>':
            appendEscape(literal, c);
            break;
        case '\'':
            literal += "''";
            break;
        default:
            if (c < 0x20 || c == 0x7F)
                appendEscape(literal, c); // CR LF becomes %0D%0A
            else
                literal += ch;
        }
    }
    return literal + "'";
}

std::string SqlNumber(std::string_view text)
{
    std::string number;
    for (char c : trimmed(text))
        number += c == ',' ? '.' : c;
    return number;
}

std::string SqlDate(std::string_view text)
{
    const int day = parseDate(text);
    return day != 0 ? statementDate(day) : std::string("NULL");
}

std::string valueLiteral(std::string_view value, int infoType)
{
    if (value.empty())
        return "NULL";
    switch (infoType) {
    case 1:
        return SqlDate(value);
    case 2:
        return SqlText(value);
    case 5:
        return SqlNumber(value);
    default:
        return std::string(value);
    }
}

std::string keyCondition(std::string_view name, std::string_view orgValue, int infoType)
{
    if (orgValue.empty())
        return "isNull(" + std::string(name) + ")";
    return std::string(name) + "=" + valueLiteral(orgValue, infoType);
}

std::string tableReference(std::string_view table)
{
    if (table.find(' ') != std::string_view::npos)
        return "[" + std::string(table) + "]";
    return std::string(table);
}

PageChanges pageChanges(const std::vector<TsDesc>& fields, const HasControl& hasControl)
{
    PageChanges changes;
    bool keysDone = false;
    for (const TsDesc& field : fields) {
        if (!hasControl(field)) {
            if (!keysDone)
                changes.keys.push_back(&field);
            continue;
        }
        keysDone = true;
        const std::string name = upperCp1252(field.FieldName);
        const bool computed = containsText(name, "FDM");
        const bool emptiedCost =
            name.rfind("FREVO", 0) == 0 && field.OrgValue == "0.00" && field.Value.empty();
        const bool readOnly = containsText(upperCp1252(field.Rights), "READONLY");
        if (computed || emptiedCost || readOnly || !field.SourceName.empty())
            continue;
        if (field.OrgValue != field.Value)
            changes.changed.push_back(&field);
    }
    return changes;
}

std::string pageStatement(const PageChanges& changes, const PageStatementContext& context)
{
    if (changes.changed.empty())
        return {};
    const std::string table = tableReference(context.table);
    if (!context.insert) {
        std::vector<std::string> sets, conditions;
        for (const TsDesc* field : changes.changed)
            sets.push_back(field->FieldName + "=" + valueLiteral(field->Value, field->InfoType));
        for (const TsDesc* key : changes.keys)
            conditions.push_back("(" + keyCondition(key->FieldName, key->OrgValue, key->InfoType) +
                                 ")");
        return "Update " + table + " set " + join(sets, ",") + " where " +
               join(conditions, " and ");
    }

    std::vector<std::string> names, values;
    for (const TsDesc* field : changes.changed) {
        names.push_back(field->FieldName);
        values.push_back(valueLiteral(field->Value, field->InfoType));
    }
    const bool client = context.kindCaption == "CL";
    std::string typeVO = context.typeVO;
    if (typeVO.empty())
        typeVO = context.idTypeVO != 0 ? std::to_string(context.idTypeVO) : "1";

    std::string statement = "Insert into " + table + " (" + join(names, ",");
    if (!client)
        statement += ", idTVO, TypeVO, idVO";
    if (context.slot == 7)
        statement += ", idClient, DateCreation";
    if (context.slot == 8)
        statement += ", idClient, idTVO, NVO";
    statement += ", idOwner, Concession) Values (" + join(values, ",");
    if (!client)
        statement += ", :NewID, " + typeVO + ", :NewIDbis";
    if (context.slot == 7)
        statement += ", :NewID, " + SqlDate(formatDate(context.today));
    if (context.slot == 8)
        statement += "," + context.clientId + ", :NewID, :NewIDbis";
    statement += "," + context.idUser + ", '" + context.userConcession + "')";
    return statement;
}

bool isUnkeyedUpdate(std::string_view statement)
{
    constexpr std::string_view kWhere = " where ";
    return statement.substr(0, 7) == "Update " && statement.size() >= kWhere.size() &&
           statement.substr(statement.size() - kWhere.size()) == kWhere;
}
