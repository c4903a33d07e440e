// RFC 4180 records: quoting, line breaks inside fields and the line each record starts on.
#include <gtest/gtest.h>

#include "files/Csv.h"

namespace kelpie {
namespace {

TEST(Csv, QuotedFieldsKeepSeparatorsQuotesAndLineBreaksAndRecordsKeepTheirLines)
{
    const std::vector<std::string> fields{"plain", "a,b", "say \"hi\"", "two\r\nlines", ""};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\r\n");
    const std::vector<CsvRecord> records = ParseCsv(
        "\xEF\xBB\xBF"
        "h1,h2\n" +
        line + "\n" + "x,y");
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].Fields, (std::vector<std::string>{"h1", "h2"}));
    EXPECT_EQ(records[1].Fields, fields);
    EXPECT_EQ(records[1].Line, 2);
    EXPECT_EQ(records[2].Line, 5);
    EXPECT_EQ(ParseCsv("a\tb c\r\n", '\t')[0].Fields, (std::vector<std::string>{"a", "b c"}));
}

}  // namespace
}  // namespace kelpie
