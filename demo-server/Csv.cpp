#include "demo-server/Csv.h"

#include <stdexcept>

namespace {

class CsvParser {
public:
    explicit CsvParser(std::string_view text)
        : text_(text)
    {}

    bool atEnd() const { return pos_ >= text_.size(); }
    int line() const { return line_; }

    // Skips blank and comment lines; false at the end of the text.
    bool skipToRecord()
    {
        while (!atEnd()) {
            const char c = text_[pos_];
            if (c == '\r' || c == '\n') {
                consumeLineBreak();
            } else if (c == '#') {
                while (!atEnd() && text_[pos_] != '\n')
                    ++pos_;
            } else {
                return true;
            }
        }
        return false;
    }

    CsvRecord record()
    {
        CsvRecord fields;
        for (;;) {
            fields.push_back(field());
            if (atEnd())
                break;
            const char c = text_[pos_];
            if (c == ',') {
                ++pos_;
                continue;
            }
            consumeLineBreak();
            break;
        }
        return fields;
    }

private:
    CsvField field()
    {
        if (atEnd() || text_[pos_] != '"') {
            const size_t start = pos_;
            while (!atEnd() && text_[pos_] != ',' && text_[pos_] != '\r' && text_[pos_] != '\n')
                ++pos_;
            if (pos_ == start)
                return std::nullopt;
            return std::string(text_.substr(start, pos_ - start));
        }
        const int openedAt = line_;
        ++pos_;
        std::string value;
        for (;;) {
            if (atEnd())
                throw std::runtime_error("guillemet non refermé (ligne " +
                                         std::to_string(openedAt) + ")");
            const char c = text_[pos_++];
            if (c == '"') {
                if (!atEnd() && text_[pos_] == '"') {
                    value += '"';
                    ++pos_;
                    continue;
                }
                return value;
            }
            if (c == '\n')
                ++line_;
            value += c;
        }
    }

    void consumeLineBreak()
    {
        if (!atEnd() && text_[pos_] == '\r')
            ++pos_;
        if (!atEnd() && text_[pos_] == '\n')
            ++pos_;
        ++line_;
    }

    std::string_view text_;
    size_t pos_ = 0;
    int line_ = 1;
};

} // namespace

CsvTable parseCsv(std::string_view text)
{
    CsvTable table;
    CsvParser parser(text);
    if (!parser.skipToRecord())
        return table;
    for (const CsvField& name : parser.record())
        table.header.push_back(name.value_or(""));
    while (parser.skipToRecord()) {
        const int line = parser.line();
        CsvRecord record = parser.record();
        if (record.size() != table.header.size())
            throw std::runtime_error("ligne " + std::to_string(line) + " : " +
                                     std::to_string(record.size()) + " champs au lieu de " +
                                     std::to_string(table.header.size()));
        table.records.push_back(std::move(record));
    }
    return table;
}
