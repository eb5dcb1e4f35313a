#pragma once

#include <string>
#include <string_view>
#include <vector>

// Tokens of a statement as the client writes it. Quoted texts, bracketed names and date literals
// are single tokens, so nothing that looks at the statement ever looks inside them.
enum class TokenKind {
    Word,        // keyword or name: SELECT, tVehicles, isNull
    Number,      // 12, 1200.50
    Text,        // 'O''Neil' (quotes and doubled quotes kept)
    QuotedName,  // "name"
    Bracketed,   // [tVO - Frevo]
    Date,        // #03/15/2007#
    Parameter,   // :NewID
    Symbol,      // ( ) , ; = <> <= ...
    Blank,       // white space and comments
    Unterminated // a quote, bracket or date left open: the rest of the text
};

struct Token {
    TokenKind kind;
    std::string text; // the token as written
};

std::vector<Token> tokenize(std::string_view sql);

// Case-insensitive comparison of a Word token with a keyword written in capitals.
bool isKeyword(const Token& token, std::string_view keyword);
