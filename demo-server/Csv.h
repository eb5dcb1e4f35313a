#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Reader of the sample data files: comma-separated values, fields in double quotes when they hold
// a comma, a quote or a line break (a quote inside is doubled). An empty unquoted field is NULL;
// "" is an empty text. Lines starting with "#" are comments.
using CsvField = std::optional<std::string>;
using CsvRecord = std::vector<CsvField>;

struct CsvTable {
    std::vector<std::string> header;
    std::vector<CsvRecord> records;
};

// Throws std::runtime_error with the line number when a quote is left open or a record has another
// number of fields than the header.
CsvTable parseCsv(std::string_view text);
