#include "demo-server/SqlTokens.h"

#include <cctype>

namespace {

bool isNameStart(unsigned char c)
{
    return std::isalpha(c) || c == '_' || c >= 0x80;
}

bool isNameChar(unsigned char c)
{
    return isNameStart(c) || std::isdigit(c) || c == '$';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

class Tokenizer {
public:
    explicit Tokenizer(std::string_view sql)
        : sql_(sql)
    {}

    std::vector<Token> run()
    {
        while (pos_ < sql_.size())
            tokens_.push_back(next());
        return std::move(tokens_);
    }

private:
    Token next()
    {
        const size_t start = pos_;
        const char c = sql_[pos_];
        const char following = pos_ + 1 < sql_.size() ? sql_[pos_ + 1] : '\0';
        if (isBlank(c)) {
            while (pos_ < sql_.size() && isBlank(sql_[pos_]))
                ++pos_;
            return make(TokenKind::Blank, start);
        }
        if (c == '-' && following == '-') {
            while (pos_ < sql_.size() && sql_[pos_] != '\n')
                ++pos_;
            return make(TokenKind::Blank, start);
        }
        if (c == '/' && following == '*') {
            const size_t end = sql_.find("*/", pos_ + 2);
            pos_ = end == std::string_view::npos ? sql_.size() : end + 2;
            return make(TokenKind::Blank, start);
        }
        if (c == '\'')
            return quoted('\'', TokenKind::Text);
        if (c == '"')
            return quoted('"', TokenKind::QuotedName);
        if (c == '[')
            return closedBy(']', TokenKind::Bracketed);
        if (c == '#')
            return closedBy('#', TokenKind::Date);
        if (c == ':' && isNameStart(static_cast<unsigned char>(following))) {
            ++pos_;
            while (pos_ < sql_.size() && isNameChar(static_cast<unsigned char>(sql_[pos_])))
                ++pos_;
            return make(TokenKind::Parameter, start);
        }
        if (isNameStart(static_cast<unsigned char>(c))) {
            while (pos_ < sql_.size() && isNameChar(static_cast<unsigned char>(sql_[pos_])))
                ++pos_;
            return make(TokenKind::Word, start);
        }
        if (std::isdigit(static_cast<unsigned char>(c)) ||
            (c == '.' && std::isdigit(static_cast<unsigned char>(following))))
            return number();
        static constexpr std::string_view kPairs[] = {"<=", ">=", "<>", "!=", "==", "||"};
        for (std::string_view pair : kPairs) {
            if (sql_.substr(pos_, 2) == pair) {
                pos_ += 2;
                return make(TokenKind::Symbol, start);
            }
        }
        ++pos_;
        return make(TokenKind::Symbol, start);
    }

    // A text or name in quotes, where a doubled quote stands for one.
    Token quoted(char quote, TokenKind kind)
    {
        const size_t start = pos_++;
        while (pos_ < sql_.size()) {
            if (sql_[pos_] == quote) {
                if (pos_ + 1 < sql_.size() && sql_[pos_ + 1] == quote) {
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return make(kind, start);
            }
            ++pos_;
        }
        return make(TokenKind::Unterminated, start);
    }

    Token closedBy(char close, TokenKind kind)
    {
        const size_t start = pos_;
        const size_t end = sql_.find(close, pos_ + 1);
        if (end == std::string_view::npos) {
            pos_ = sql_.size();
            return make(TokenKind::Unterminated, start);
        }
        pos_ = end + 1;
        return make(kind, start);
    }

    Token number()
    {
        const size_t start = pos_;
        while (pos_ < sql_.size() &&
               (std::isdigit(static_cast<unsigned char>(sql_[pos_])) || sql_[pos_] == '.'))
            ++pos_;
        if (pos_ < sql_.size() && (sql_[pos_] == 'e' || sql_[pos_] == 'E')) {
            size_t exponent = pos_ + 1;
            if (exponent < sql_.size() && (sql_[exponent] == '+' || sql_[exponent] == '-'))
                ++exponent;
            if (exponent < sql_.size() &&
                std::isdigit(static_cast<unsigned char>(sql_[exponent]))) {
                pos_ = exponent;
                while (pos_ < sql_.size() && std::isdigit(static_cast<unsigned char>(sql_[pos_])))
                    ++pos_;
            }
        }
        return make(TokenKind::Number, start);
    }

    Token make(TokenKind kind, size_t start)
    {
        return Token{kind, std::string(sql_.substr(start, pos_ - start))};
    }

    std::string_view sql_;
    size_t pos_ = 0;
    std::vector<Token> tokens_;
};

} // namespace

std::vector<Token> tokenize(std::string_view sql)
{
    return Tokenizer(sql).run();
}

bool isKeyword(const Token& token, std::string_view keyword)
{
    if (token.kind != TokenKind::Word || token.text.size() != keyword.size())
        return false;
    for (size_t i = 0; i < keyword.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(token.text[i])) != keyword[i])
            return false;
    }
    return true;
}
