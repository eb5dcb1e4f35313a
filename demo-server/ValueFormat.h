#pragma once

#include <optional>
#include <string>
#include <string_view>

// How values stored in the database are written in the documents. The schema declares the column
// types that matter: DATE (stored "yyyy-mm-dd", written "dd/mm/yyyy"), MONEY (written with a point
// and two decimals), BOOLEAN (stored 1/0, written "True"/"False").
std::string documentValue(std::string_view declaredType,
                          const std::optional<std::string_view>& stored);

// "dd/mm/yyyy" of a stored "yyyy-mm-dd[ hh:mm:ss]"; other texts unchanged.
std::string documentDate(std::string_view stored);

// An amount with a point and two decimals; texts that are not numbers unchanged.
std::string documentAmount(std::string_view stored);

// Reads a number written with a point; nothing when the text is not one.
std::optional<double> readAmount(std::string_view text);
