// Csv.h — comma-separated text as RFC 4180 writes it, and the tab-separated form spreadsheets paste.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kelpie {

// One record of the text and the line it starts on (from 1).
struct CsvRecord
{
    int Line = 0;
    std::vector<std::string> Fields;
};

// The records of the text: fields split at `separator`, a quoted field may hold the separator,
// doubled quotes and line breaks; CR LF or LF end a record; a UTF-8 byte-order mark is skipped and
// empty lines are left out.
std::vector<CsvRecord> ParseCsv(std::string_view text, char separator = ',');
// One record ended by CR LF, a field quoted when it holds the separator, a quote or a line break.
std::string CsvLine(const std::vector<std::string>& fields, char separator = ',');

}  // namespace kelpie
