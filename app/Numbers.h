#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers are texts with a point as decimal separator, whatever the locale.

// A decimal number: optional sign, digits, optional point and digits, optional exponent. Nothing
// when the text is not such a number (blanks included).
std::optional<double> parseNumber(std::string_view text);
// A whole number (optional sign and digits only).
std::optional<long long> parseWholeNumber(std::string_view text);
// "0.00" form, rounded half away from zero on the decimal digits of the text itself, so that
// "1.005" gives "1.01"; nothing when the text is not a number.
std::optional<std::string> amountText(std::string_view text);
// "0.00" form of a computed value.
std::string formatAmount(double value);
// Text without any blank.
std::string withoutBlanks(std::string_view text);
