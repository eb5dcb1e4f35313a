#pragma once

#include <ostream>

#include <QString>

// Test messages show texts as texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
