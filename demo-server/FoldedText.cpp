#include "demo-server/FoldedText.h"

#include <QString>

namespace {

QString folded(const void* text, int bytes)
{
    return QString::fromUtf8(static_cast<const char*>(text), bytes < 0 ? -1 : bytes).toCaseFolded();
}

int compareFolded(void*, int leftBytes, const void* left, int rightBytes, const void* right)
{
    return folded(left, leftBytes).compare(folded(right, rightBytes));
}

// Matches the whole text against the pattern: "%" any run, "_" any one character, the escape
// before a character takes it literally. A mismatch goes back to the last "%" only (a later "%"
// makes earlier ones irrelevant), so the work stays within pattern length times text length
// whatever the pattern: a statement cannot hold the database inside one comparison.
bool matches(const QString& pattern, const QString& text, QChar escape)
{
    qsizetype p = 0;
    qsizetype t = 0;
    qsizetype starPattern = -1; // pattern position after the last "%"
    qsizetype starText = 0;     // text position that "%" was last tried to end at
    while (t < text.size()) {
        if (p < pattern.size()) {
            const QChar c = pattern[p];
            const bool escaped = !escape.isNull() && c == escape && p + 1 < pattern.size();
            if (!escaped && c == '%') {
                starPattern = ++p;
                starText = t;
                continue;
            }
            if (escaped ? text[t] == pattern[p + 1] : (c == '_' || text[t] == c)) {
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
    while (p < pattern.size() && pattern[p] == '%')
        ++p;
    return p == pattern.size();
}

void like(sqlite3_context* context, int count, sqlite3_value** values)
{
    // like(pattern, text[, escape]), the function behind "text LIKE pattern".
    if (sqlite3_value_type(values[0]) == SQLITE_NULL ||
        sqlite3_value_type(values[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QString pattern = folded(sqlite3_value_text(values[0]), sqlite3_value_bytes(values[0]));
    const QString text = folded(sqlite3_value_text(values[1]), sqlite3_value_bytes(values[1]));
    QChar escape;
    if (count == 3 && sqlite3_value_type(values[2]) != SQLITE_NULL) {
        const QString given = folded(sqlite3_value_text(values[2]), sqlite3_value_bytes(values[2]));
        if (given.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = given[0];
    }
    sqlite3_result_int(context, matches(pattern, text, escape) ? 1 : 0);
}

} // namespace

void installFoldedText(sqlite3* db)
{
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareFolded);
    for (int arguments : {2, 3})
        sqlite3_create_function(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                like, nullptr, nullptr);
}
