// Csv.cpp — reading and writing RFC 4180 records.
#include "files/Csv.h"

#include <algorithm>

namespace kelpie {

std::vector<CsvRecord> ParseCsv(std::string_view text, char separator)
{
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    bool quoted = false;
    bool started = false;  // the record holds something, even an empty first field before a separator
    int line = 1;
    const auto endRecord = [&] {
        if (started) {
            record.Fields.push_back(std::move(field));
            records.push_back(std::move(record));
        }
        record = {};
        field.clear();
        started = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!started) {
            record.Line = line;
        }
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n' ? 1 : 0;
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            started = true;
        } else if (c == separator) {
            record.Fields.push_back(std::move(field));
            field.clear();
            started = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            endRecord();
            ++line;
        } else {
            field += c;
            started = true;
        }
    }
    endRecord();
    return records;
}

std::string CsvLine(const std::vector<std::string>& fields, char separator)
{
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string& field = fields[i];
        if (i > 0) {
            line += separator;
        }
        const bool quote = std::ranges::any_of(
            field, [separator](char c) { return c == separator || c == '"' || c == '\r' || c == '\n'; });
        if (!quote) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) {
            line += c == '"' ? std::string("\"\"") : std::string(1, c);
        }
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace kelpie
