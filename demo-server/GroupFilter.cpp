#include "demo-server/GroupFilter.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace {

bool isSymbol(const Token& token, const char* symbol)
{
    return token.kind == TokenKind::Symbol && token.text == symbol;
}

bool isColumnName(const Token& token)
{
    return token.kind == TokenKind::Word || token.kind == TokenKind::QuotedName;
}

std::string folded(const Token& token)
{
    std::string name = token.text;
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return name;
}

// The indexes of the tokens that are not blank.
std::vector<size_t> solidTokens(const std::vector<Token>& tokens)
{
    std::vector<size_t> solid;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].kind != TokenKind::Blank)
            solid.push_back(i);
    return solid;
}

// A comment moved elsewhere could hide what follows it.
bool hasComment(const std::vector<Token>& tokens)
{
    return std::any_of(tokens.begin(), tokens.end(), [](const Token& token) {
        return token.kind == TokenKind::Blank &&
               token.text.find_first_not_of(" \t\r\n") != std::string::npos;
    });
}

// True when solid[from, to) is "term AND term ...", each term "column = 'text'" or the same in
// parentheses, every column among the grouped ones.
bool isGroupEquality(const std::vector<Token>& tokens, const std::vector<size_t>& solid,
                     size_t from, size_t to, const std::vector<std::string>& grouped)
{
    size_t at = from;
    for (;;) {
        const bool enclosed = at < to && isSymbol(tokens[solid[at]], "(");
        const size_t column = at + (enclosed ? 1 : 0);
        if (column + 3 > to || !isColumnName(tokens[solid[column]]) ||
            !isSymbol(tokens[solid[column + 1]], "=") ||
            tokens[solid[column + 2]].kind != TokenKind::Text)
            return false;
        if (std::find(grouped.begin(), grouped.end(), folded(tokens[solid[column]])) ==
            grouped.end())
            return false;
        at = column + 3;
        if (enclosed) {
            if (at >= to || !isSymbol(tokens[solid[at]], ")"))
                return false;
            ++at;
        }
        if (at == to)
            return true;
        if (!isKeyword(tokens[solid[at]], "AND"))
            return false;
        ++at;
    }
}

} // namespace

void moveGroupFilterToWhere(std::vector<Token>& tokens)
{
    if (hasComment(tokens))
        return;
    const std::vector<size_t> solid = solidTokens(tokens);
    size_t group = 0, having = 0, end = solid.size();
    int depth = 0;
    for (size_t s = 0; s < solid.size(); ++s) {
        const Token& token = tokens[solid[s]];
        if (isSymbol(token, "("))
            ++depth;
        else if (isSymbol(token, ")"))
            --depth;
        if (depth != 0 || token.kind != TokenKind::Word)
            continue;
        if (isKeyword(token, "WHERE") || isKeyword(token, "UNION") || isKeyword(token, "WINDOW"))
            return;
        if (isKeyword(token, "GROUP") && group == 0)
            group = s;
        else if (isKeyword(token, "HAVING") && having == 0)
            having = s;
        else if ((isKeyword(token, "ORDER") || isKeyword(token, "LIMIT")) && having != 0 &&
                 end == solid.size())
            end = s;
    }
    if (group == 0 || having <= group + 2 || !isKeyword(tokens[solid[group + 1]], "BY"))
        return;
    // GROUP BY a list of plain column names.
    std::vector<std::string> grouped;
    for (size_t s = group + 2; s < having; s += 2) {
        if (!isColumnName(tokens[solid[s]]) ||
            (s + 1 < having && !isSymbol(tokens[solid[s + 1]], ",")))
            return;
        grouped.push_back(folded(tokens[solid[s]]));
    }
    if (!isGroupEquality(tokens, solid, having + 1, end, grouped))
        return;

    const size_t groupAt = solid[group];
    const size_t havingAt = solid[having];
    const size_t conditionAt = solid[having + 1];
    const size_t restAt = end < solid.size() ? solid[end] : tokens.size();
    std::vector<Token> moved(tokens.begin(), tokens.begin() + std::ptrdiff_t(groupAt));
    moved.push_back({TokenKind::Word, "WHERE"});
    moved.push_back({TokenKind::Blank, " "});
    moved.insert(moved.end(), tokens.begin() + std::ptrdiff_t(conditionAt),
                 tokens.begin() + std::ptrdiff_t(restAt));
    if (moved.back().kind != TokenKind::Blank)
        moved.push_back({TokenKind::Blank, " "});
    moved.insert(moved.end(), tokens.begin() + std::ptrdiff_t(groupAt),
                 tokens.begin() + std::ptrdiff_t(havingAt));
    moved.insert(moved.end(), tokens.begin() + std::ptrdiff_t(restAt), tokens.end());
    tokens = std::move(moved);
}
