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

// Matches pattern[p..] against text[t..]; "%" any run, "_" any one character, escape before a
// wildcard takes it literally.
bool matches(const QString& pattern, qsizetype p, const QString& text, qsizetype t, QChar escape)
{
    while (p < pattern.size()) {
        const QChar c = pattern[p];
        if (c == escape && !escape.isNull() && p + 1 < pattern.size()) {
            if (t >= text.size() || text[t] != pattern[p + 1])
                return false;
            p += 2;
            ++t;
        } else if (c == '%') {
            while (p < pattern.size() && pattern[p] == '%')
                ++p;
            if (p == pattern.size())
                return true;
            for (qsizetype from = t; from <= text.size(); ++from) {
                if (matches(pattern, p, text, from, escape))
                    return true;
            }
            return false;
        } else {
            if (t >= text.size() || (c != '_' && text[t] != c))
                return false;
            ++p;
            ++t;
        }
    }
    return t == text.size();
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
    sqlite3_result_int(context, matches(pattern, 0, text, 0, escape) ? 1 : 0);
}

} // namespace

void installFoldedText(sqlite3* db)
{
    sqlite3_create_collation(db, "NOCASE", SQLITE_UTF8, nullptr, compareFolded);
    for (int arguments : {2, 3})
        sqlite3_create_function(db, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                like, nullptr, nullptr);
}
