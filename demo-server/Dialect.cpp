#include "demo-server/Dialect.h"

#include <cctype>
#include <charconv>
#include <cstdio>

#include "demo-server/GroupFilter.h"

namespace {

bool isBlankToken(const Token& token)
{
    return token.kind == TokenKind::Blank;
}

bool isSymbol(const Token& token, std::string_view symbol)
{
    return token.kind == TokenKind::Symbol && token.text == symbol;
}

// Index of the next token that is not blank, from i on; tokens.size() when there is none.
size_t nextSolid(const std::vector<Token>& tokens, size_t i)
{
    while (i < tokens.size() && isBlankToken(tokens[i]))
        ++i;
    return i;
}

// Index of the ")" that closes the "(" at open; tokens.size() when it is missing.
size_t closingParenthesis(const std::vector<Token>& tokens, size_t open)
{
    int depth = 0;
    for (size_t i = open; i < tokens.size(); ++i) {
        if (isSymbol(tokens[i], "("))
            ++depth;
        else if (isSymbol(tokens[i], ")") && --depth == 0)
            return i;
    }
    return tokens.size();
}

int readNumber(std::string_view text, bool& ok)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    ok = ok && error == std::errc() && end == text.data() + text.size() && !text.empty();
    return value;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool isCalendarDate(int year, int month, int day)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1)
        return false;
    const int last = kDays[month - 1] + (month == 2 && isLeapYear(year) ? 1 : 0);
    return day <= last;
}

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string_view::npos ? at : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

const char* openingMessage(const Token& token)
{
    switch (token.text.empty() ? '\'' : token.text.front()) {
    case '"':
        return "Instruction refusée : un nom entre guillemets n'est pas refermé.";
    case '[':
        return "Instruction refusée : un nom entre crochets n'est pas refermé.";
    case '#':
        return "Instruction refusée : une date entre # n'est pas refermée.";
    default:
        return "Instruction refusée : un texte entre apostrophes n'est pas refermé.";
    }
}

// Translates tokens[begin, end) into out; isNull(x) recurses on its argument.
void translateRange(const std::vector<Token>& tokens, size_t begin, size_t end,
                    std::vector<Token>& out)
{
    for (size_t i = begin; i < end; ++i) {
        const Token& token = tokens[i];
        switch (token.kind) {
        case TokenKind::Date: {
            const std::string iso =
                isoFromClientDate(std::string_view(token.text).substr(1, token.text.size() - 2));
            if (iso.empty())
                throw StatementRefused("Instruction refusée : la date " + token.text +
                                       " n'est pas une date (attendu #mm/jj/aaaa#).");
            out.push_back({TokenKind::Text, "'" + iso + "'"});
            break;
        }
        case TokenKind::Bracketed: {
            const std::string name = token.text.substr(1, token.text.size() - 2);
            std::string quoted = "\"";
            for (char c : name)
                quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
            out.push_back({TokenKind::QuotedName, quoted + "\""});
            break;
        }
        case TokenKind::Parameter:
            if (token.text != kNewId && token.text != kNewIdBis)
                throw StatementRefused("Instruction refusée : le paramètre " + token.text +
                                       " est inconnu (seuls :NewID et :NewIDbis sont remplacés).");
            out.push_back(token);
            break;
        case TokenKind::Word: {
            const size_t open = nextSolid(tokens, i + 1);
            if (isKeyword(token, "ISNULL") && open < end && isSymbol(tokens[open], "(")) {
                const size_t close = closingParenthesis(tokens, open);
                if (close < end) {
                    // isNull(x) of the original database is the test "x IS NULL".
                    out.push_back({TokenKind::Symbol, "("});
                    out.push_back({TokenKind::Symbol, "("});
                    translateRange(tokens, open + 1, close, out);
                    out.push_back({TokenKind::Symbol, ")"});
                    out.push_back({TokenKind::Blank, " "});
                    out.push_back({TokenKind::Word, "IS"});
                    out.push_back({TokenKind::Blank, " "});
                    out.push_back({TokenKind::Word, "NULL"});
                    out.push_back({TokenKind::Symbol, ")"});
                    i = close;
                    break;
                }
            }
            out.push_back(token);
            if (isKeyword(token, "DELETE")) {
                // "Delete * From": the star names no column in SQLite.
                const size_t star = nextSolid(tokens, i + 1);
                const size_t from = star < end ? nextSolid(tokens, star + 1) : end;
                if (star < end && isSymbol(tokens[star], "*") && from < end &&
                    isKeyword(tokens[from], "FROM")) {
                    out.push_back({TokenKind::Blank, " "});
                    i = from - 1;
                }
            }
            break;
        }
        default:
            out.push_back(token);
        }
    }
}

std::string plainName(const Token& token)
{
    if (token.kind == TokenKind::QuotedName) {
        std::string name;
        const std::string_view body = std::string_view(token.text).substr(1, token.text.size() - 2);
        for (size_t i = 0; i < body.size(); ++i) {
            name += body[i];
            if (body[i] == '"' && i + 1 < body.size() && body[i + 1] == '"')
                ++i;
        }
        return name;
    }
    return token.kind == TokenKind::Word ? token.text : std::string();
}

// The table an INSERT, UPDATE or DELETE writes to: the name after INTO, UPDATE or FROM.
size_t targetTableIndex(const std::vector<Token>& tokens, StatementKind kind)
{
    size_t i = nextSolid(tokens, 0);
    const char* marker = kind == StatementKind::Update   ? nullptr
                         : kind == StatementKind::Insert ? "INTO"
                                                         : "FROM";
    if (!marker)
        return nextSolid(tokens, i + 1);
    for (; i < tokens.size(); ++i) {
        if (isKeyword(tokens[i], marker))
            return nextSolid(tokens, i + 1);
    }
    return tokens.size();
}

bool hasTopLevelWhere(const std::vector<Token>& tokens)
{
    int depth = 0;
    for (const Token& token : tokens) {
        if (isSymbol(token, "("))
            ++depth;
        else if (isSymbol(token, ")"))
            --depth;
        else if (depth == 0 && isKeyword(token, "WHERE"))
            return true;
    }
    return false;
}

// Splits the inside of a parenthesis at its own commas.
std::vector<std::vector<Token>> listItems(const std::vector<Token>& tokens, size_t open,
                                          size_t close)
{
    std::vector<std::vector<Token>> items(1);
    int depth = 0;
    for (size_t i = open + 1; i < close; ++i) {
        const Token& token = tokens[i];
        if (isSymbol(token, "("))
            ++depth;
        else if (isSymbol(token, ")"))
            --depth;
        if (depth == 0 && isSymbol(token, ",")) {
            items.emplace_back();
            continue;
        }
        if (!isBlankToken(token))
            items.back().push_back(token);
    }
    return items;
}

bool isName(const Token& token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::QuotedName;
}

// A change reaches the rows its WHERE names and no others, and answers with no rows: no conflict
// clause (OR REPLACE deletes the rows a new one collides with, ON CONFLICT turns an insertion into
// an update of other rows) and no RETURNING. An INSERT is one row of values into a named table:
// INSERT INTO table (columns) VALUES (values), with no SELECT anywhere.
void checkChangeShape(const std::vector<Token>& tokens, StatementKind kind)
{
    const size_t verb = nextSolid(tokens, 0);
    const size_t afterVerb = nextSolid(tokens, verb + 1);
    if (afterVerb < tokens.size() && isKeyword(tokens[afterVerb], "OR")) {
        const size_t how = nextSolid(tokens, afterVerb + 1);
        throw StatementRefused("Instruction refusée : « " + tokens[verb].text + " OR " +
                               (how < tokens.size() ? tokens[how].text : std::string()) +
                               " » n'est pas permis ; une modification ne remplace ni n'ignore "
                               "d'autres lignes.");
    }
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (isKeyword(tokens[i], "RETURNING"))
            throw StatementRefused("Instruction refusée : « RETURNING » n'est pas permis.");
        const size_t next = nextSolid(tokens, i + 1);
        if (isKeyword(tokens[i], "ON") && next < tokens.size() &&
            isKeyword(tokens[next], "CONFLICT"))
            throw StatementRefused("Instruction refusée : « ON CONFLICT » n'est pas permis ; une "
                                   "insertion ne modifie pas les lignes existantes.");
        if (kind == StatementKind::Insert && isKeyword(tokens[i], "SELECT"))
            throw StatementRefused("Instruction refusée : une insertion ne contient pas de "
                                   "SELECT ; elle ajoute une ligne de valeurs.");
    }
    if (kind != StatementKind::Insert)
        return;

    const StatementRefused notOneRow("Instruction refusée : une insertion s'écrit INSERT INTO "
                                     "table (colonnes) VALUES (valeurs), pour une seule ligne.");
    size_t i = afterVerb;
    if (i >= tokens.size() || !isKeyword(tokens[i], "INTO"))
        throw notOneRow;
    i = nextSolid(tokens, i + 1);
    if (i >= tokens.size() || !isName(tokens[i]))
        throw notOneRow;
    i = nextSolid(tokens, i + 1);
    if (i < tokens.size() && isSymbol(tokens[i], "(")) {
        // The columns: names separated by commas.
        for (i = nextSolid(tokens, i + 1); i < tokens.size() && !isSymbol(tokens[i], ")");
             i = nextSolid(tokens, i + 1)) {
            if (!isName(tokens[i]) && !isSymbol(tokens[i], ","))
                throw notOneRow;
        }
        if (i >= tokens.size())
            throw notOneRow;
        i = nextSolid(tokens, i + 1);
    }
    if (i >= tokens.size() || !isKeyword(tokens[i], "VALUES"))
        throw notOneRow;
    i = nextSolid(tokens, i + 1);
    if (i >= tokens.size() || !isSymbol(tokens[i], "("))
        throw notOneRow;
    const size_t close = closingParenthesis(tokens, i);
    if (close >= tokens.size() || nextSolid(tokens, close + 1) < tokens.size())
        throw notOneRow;
}

void mapPlaceholders(ClientStatement& statement, size_t tableIndex)
{
    const std::vector<Token>& tokens = statement.tokens;
    const size_t columnsOpen = nextSolid(tokens, tableIndex + 1);
    if (columnsOpen < tokens.size() && isSymbol(tokens[columnsOpen], "(")) {
        const size_t columnsClose = closingParenthesis(tokens, columnsOpen);
        const size_t values = nextSolid(tokens, columnsClose + 1);
        const size_t valuesOpen = values < tokens.size() ? nextSolid(tokens, values + 1) : values;
        if (columnsClose < tokens.size() && values < tokens.size() &&
            isKeyword(tokens[values], "VALUES") && valuesOpen < tokens.size() &&
            isSymbol(tokens[valuesOpen], "(")) {
            const auto columns = listItems(tokens, columnsOpen, columnsClose);
            const auto items =
                listItems(tokens, valuesOpen, closingParenthesis(tokens, valuesOpen));
            for (size_t k = 0; k < items.size() && k < columns.size(); ++k) {
                if (items[k].size() == 1 && items[k][0].kind == TokenKind::Parameter &&
                    columns[k].size() == 1)
                    statement.placeholderColumns[items[k][0].text] = plainName(columns[k][0]);
            }
        }
    }
    for (const Token& token : tokens) {
        if (token.kind == TokenKind::Parameter && !statement.placeholderColumns.count(token.text))
            throw StatementRefused(
                "Instruction refusée : " + token.text +
                " doit être la valeur d'une colonne de la liste de l'insertion.");
    }
}

} // namespace

std::string isoFromClientDate(std::string_view body)
{
    std::string_view datePart = body;
    std::string_view timePart;
    const size_t blank = body.find(' ');
    if (blank != std::string_view::npos) {
        datePart = body.substr(0, blank);
        timePart = body.substr(blank + 1);
    }
    bool ok = true;
    int year = 0, month = 0, day = 0;
    if (const auto parts = split(datePart, '/'); parts.size() == 3) {
        month = readNumber(parts[0], ok);
        day = readNumber(parts[1], ok);
        year = readNumber(parts[2], ok);
    } else if (const auto iso = split(datePart, '-'); iso.size() == 3) {
        year = readNumber(iso[0], ok);
        month = readNumber(iso[1], ok);
        day = readNumber(iso[2], ok);
    } else {
        return {};
    }
    if (!ok || !isCalendarDate(year, month, day))
        return {};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    std::string iso = text;
    if (!timePart.empty()) {
        const auto clock = split(timePart, ':');
        if (clock.size() < 2 || clock.size() > 3)
            return {};
        const int hours = readNumber(clock[0], ok);
        const int minutes = readNumber(clock[1], ok);
        const int seconds = clock.size() == 3 ? readNumber(clock[2], ok) : 0;
        if (!ok || hours > 23 || minutes > 59 || seconds > 59 || hours < 0 || minutes < 0 ||
            seconds < 0)
            return {};
        std::snprintf(text, sizeof text, " %02d:%02d:%02d", hours, minutes, seconds);
        iso += text;
    }
    return iso;
}

ClientStatement parseClientStatement(std::string_view sql, StatementUse use)
{
    const std::vector<Token> tokens = tokenize(sql);
    for (const Token& token : tokens) {
        if (token.kind == TokenKind::Unterminated)
            throw StatementRefused(openingMessage(token));
    }

    // One statement, with at most a final ";".
    std::vector<std::vector<Token>> statements(1);
    for (const Token& token : tokens) {
        if (isSymbol(token, ";"))
            statements.emplace_back();
        else
            statements.back().push_back(token);
    }
    std::vector<Token> body;
    int solidStatements = 0;
    for (auto& part : statements) {
        if (nextSolid(part, 0) < part.size()) {
            ++solidStatements;
            body = std::move(part);
        }
    }
    if (solidStatements == 0)
        throw StatementRefused("Instruction vide : rien à exécuter.");
    if (solidStatements > 1)
        throw StatementRefused(
            "Instruction refusée : une seule instruction est acceptée par requête (un « ; » "
            "final est permis).");

    ClientStatement statement;
    translateRange(body, 0, body.size(), statement.tokens);

    const Token& first = statement.tokens[nextSolid(statement.tokens, 0)];
    if (isKeyword(first, "SELECT"))
        statement.kind = StatementKind::Select;
    else if (isKeyword(first, "INSERT"))
        statement.kind = StatementKind::Insert;
    else if (isKeyword(first, "UPDATE"))
        statement.kind = StatementKind::Update;
    else if (isKeyword(first, "DELETE"))
        statement.kind = StatementKind::Delete;
    else
        throw StatementRefused("Instruction refusée : « " + first.text +
                               " » n'est pas une instruction acceptée (SELECT pour une lecture ; "
                               "INSERT, UPDATE ou DELETE pour une modification).");

    if (statement.kind == StatementKind::Select)
        moveGroupFilterToWhere(statement.tokens);
    if (use == StatementUse::Read && statement.kind != StatementKind::Select)
        throw StatementRefused(
            "Instruction refusée : une lecture n'accepte qu'une instruction SELECT.");
    if (use == StatementUse::Change && statement.kind == StatementKind::Select)
        throw StatementRefused("Instruction refusée : une modification attend une instruction "
                               "INSERT, UPDATE ou DELETE, pas SELECT.");

    if ((statement.kind == StatementKind::Update || statement.kind == StatementKind::Delete) &&
        !hasTopLevelWhere(statement.tokens))
        throw StatementRefused("Instruction refusée : une instruction UPDATE ou DELETE doit avoir "
                               "une clause WHERE.");

    if (statement.kind != StatementKind::Select) {
        checkChangeShape(statement.tokens, statement.kind);
        const size_t tableIndex = targetTableIndex(statement.tokens, statement.kind);
        if (tableIndex < statement.tokens.size())
            statement.table = plainName(statement.tokens[tableIndex]);
        if (statement.table.empty())
            throw StatementRefused("Instruction refusée : la table modifiée n'est pas nommée.");
        if (statement.kind == StatementKind::Insert)
            mapPlaceholders(statement, tableIndex);
    }
    for (const Token& token : statement.tokens) {
        if (token.kind == TokenKind::Parameter && statement.kind != StatementKind::Insert)
            throw StatementRefused("Instruction refusée : " + token.text +
                                   " n'a de sens que dans une insertion.");
    }
    return statement;
}

std::string renderStatement(const ClientStatement& statement,
                            const std::map<std::string, long long>& keys)
{
    std::string sql;
    for (const Token& token : statement.tokens) {
        if (token.kind == TokenKind::Parameter) {
            const auto key = keys.find(token.text);
            sql += key == keys.end() ? std::string("NULL") : std::to_string(key->second);
        } else {
            sql += token.text;
        }
    }
    return sql;
}

std::string translateStatement(std::string_view sql, StatementUse use)
{
    return renderStatement(parseClientStatement(sql, use));
}
