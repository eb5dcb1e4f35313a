#include "demo-server/FoldedText.h"

#include <string>
#include <string_view>

#include <QString>

namespace {

// Most names, plates and numbers are plain ASCII: their folding is that of the letters A to Z, so
// they are compared and matched byte by byte, without converting them. Any other text goes
// through Qt's Unicode case folding; both ways give the same answers.
bool isAscii(const void* text, int bytes)
{
    const auto* c = static_cast<const unsigned char*>(text);
    for (int i = 0; i < bytes; ++i)
        if (c[i] >= 0x80)
            return false;
    return true;
}

char foldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string foldedAscii(const void* text, int bytes)
{
    std::string folded(static_cast<const char*>(text), size_t(bytes));
    for (char& c : folded)
        c = foldAscii(c);
    return folded;
}

QString folded(const void* text, int bytes)
{
    return QString::fromUtf8(static_cast<const char*>(text), bytes < 0 ? -1 : bytes).toCaseFolded();
}

int compareFolded(void*, int leftBytes, const void* left, int rightBytes, const void* right)
{
    if (isAscii(left, leftBytes) && isAscii(right, rightBytes)) {
        const auto* l = static_cast<const char*>(left);
        const auto* r = static_cast<const char*>(right);
        const int common = leftBytes < rightBytes ? leftBytes : rightBytes;
        for (int i = 0; i < common; ++i) {
            const char a = foldAscii(l[i]);
            const char b = foldAscii(r[i]);
            if (a != b)
                return a < b ? -1 : 1;
        }
        return leftBytes < rightBytes ? -1 : leftBytes > rightBytes ? 1 : 0;
    }
    return folded(left, leftBytes).compare(folded(right, rightBytes));
}

// Matches the whole text against the pattern: "%" any run, "_" any one character, the escape
// (when there is one) before a character takes it literally. A mismatch goes back to the last "%"
// only (a later "%" makes earlier ones irrelevant), so the work stays within pattern length times
// text length whatever the pattern: a statement cannot hold the database inside one comparison.
template <typename Text, typename Char>
bool matches(const Text& pattern, const Text& text, bool hasEscape, Char escape)
{
    qsizetype p = 0;
    qsizetype t = 0;
    qsizetype starPattern = -1; // pattern position after the last "%"
    qsizetype starText = 0;     // text position that "%" was last tried to end at
    const auto patternSize = qsizetype(pattern.size());
    const auto textSize = qsizetype(text.size());
    while (t < textSize) {
        if (p < patternSize) {
            const Char c = pattern[p];
            const bool escaped = hasEscape && c == escape && p + 1 < patternSize;
            if (!escaped && c == Char('%')) {
                starPattern = ++p;
                starText = t;
                continue;
            }
            if (escaped ? text[t] == pattern[p + 1] : (c == Char('_') || text[t] == c)) {
                p += escaped ? 2 : 1;
                ++t;
                continue;
            }
        }
        if (starPattern < 0)
            return false;
        p = starPattern;
        t = ++starText;
    }
    while (p < patternSize && pattern[p] == Char('%'))
        ++p;
    return p == patternSize;
}

void like(sqlite3_context* context, int count, sqlite3_value** values)
{
    // like(pattern, text[, escape]), the function behind "text LIKE pattern".
    if (sqlite3_value_type(values[0]) == SQLITE_NULL ||
        sqlite3_value_type(values[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const bool hasEscape = count == 3 && sqlite3_value_type(values[2]) != SQLITE_NULL;
    // The text pointers are those of the last conversion asked for: read each as UTF-8 once.
    const void* patternText = sqlite3_value_text(values[0]);
    const int patternBytes = sqlite3_value_bytes(values[0]);
    const void* textText = sqlite3_value_text(values[1]);
    const int textBytes = sqlite3_value_bytes(values[1]);
    const void* escapeText = hasEscape ? sqlite3_value_text(values[2]) : nullptr;
    const int escapeBytes = hasEscape ? sqlite3_value_bytes(values[2]) : 0;
    if (hasEscape && !isAscii(escapeText, escapeBytes) ? folded(escapeText, escapeBytes).size() != 1
                                                       : hasEscape && escapeBytes != 1) {
        sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
        return;
    }
    bool result = false;
    if (isAscii(patternText, patternBytes) && isAscii(textText, textBytes) &&
        isAscii(escapeText, escapeBytes)) {
        const char escape = hasEscape ? foldAscii(*static_cast<const char*>(escapeText)) : '\0';
        result = matches(foldedAscii(patternText, patternBytes), foldedAscii(textText, textBytes),
                         hasEscape, escape);
    } else {
        const QChar escape = hasEscape ? folded(escapeText, escapeBytes)[0] : QChar();
        result = matches(folded(patternText, patternBytes), folded(textText, textBytes), hasEscape,
                         escape);
    }
    sqlite3_result_int(context, result ? 1 : 0);
}

} // namespace

void installFoldedText(sqlite3* db)
{
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareFolded);
    for (int arguments : {2, 3})
        sqlite3_create_function(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                like, nullptr, nullptr);
}
