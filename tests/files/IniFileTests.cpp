#include "files/IniFile.h"

#include <gtest/gtest.h>

#include <string>

#include "files/Csv.h"
#include "files/DataFileValues.h"

namespace kelpie {
namespace {

TEST(FileReadIni, NamesAreMatchedInAnyCaseAndValuesLoseOneLeadingHash)
{
    const SectionTable table = FileReadIni("[ Main ]\r\n model = #MV230 \r\nTag=##ABC\r\nPlain= ABC\r\n");
    ASSERT_EQ(table.SectionCount(), 1);
    EXPECT_EQ(table.GetValue("main", "Model"), "MV230");
    EXPECT_EQ(table.GetValue("MAIN", "tag"), "#ABC");
    EXPECT_EQ(table.GetValue("MAIN", "PLAIN"), "ABC");
    EXPECT_EQ(table.GetValue("MAIN", "missing"), "");
    EXPECT_EQ(table.GetValue("missing", "MODEL"), "");
}

// A header directly after an empty section starts the next section.
TEST(FileReadIni, LinesWithoutAPairAreIgnoredAndALineWithABracketEndsTheSection)
{
    const SectionTable table = FileReadIni(
        "outside=1\n[A]\n=5\nabc\nk1=1\nx[y\nk2=2\n[]\nk3=3\n[B\nk4=4\n[A]\nk5=5\n"
        "[C]\r\n[D]\r\n\r\nk=v\r\n[E]");
    ASSERT_EQ(table.SectionCount(), 5);
    EXPECT_EQ(table.Sections()[0].Pairs.size(), 1u);
    EXPECT_EQ(table.GetValue("A", "k1"), "1");
    for (const char* ignored : {"outside", "k2", "k3", "k4"}) {
        EXPECT_EQ(table.GetValue("A", ignored), "") << ignored;
    }
    EXPECT_EQ(table.GetValue("A", "k5"), "5");
    EXPECT_FALSE(table.HasSection("B"));
    EXPECT_EQ(table.GetValue("D", "K"), "v");
    EXPECT_TRUE(table.HasSection("e"));
}

TEST(SectionTable, AKeyMissingFromTheFirstSectionIsTakenFromALaterSectionOfTheSameName)
{
    const SectionTable table =
        FileReadIni("[COMMON SETUP]\nSQL=3\nSQL=4\n[Other]\nSCAN=0\n[Common Setup]\nSQL=9\nSCAN=1\n");
    EXPECT_EQ(table.GetValue("Common Setup", "SQL"), "3");
    EXPECT_EQ(table.GetValue("Common Setup", "SCAN"), "1");
    EXPECT_EQ(table.SectionCount(), 3);
}

TEST(ReadIniValue, BehavesLikeTheSystemsInitialisationFileReader)
{
    const std::string longValue(130, 'x');
    const std::string text =
        "[Other]\nMODELTYPE=1\n[main]\n  modeltype =  5 = 6 \nSEL1=#1\nSEL2=<NONE>\nLONG=" + longValue +
        "\nEMPTY=\n";
    EXPECT_EQ(ReadIniValue(text, "MAIN", "MODELTYPE"), "5 = 6");
    EXPECT_EQ(ReadIniValue(text, "Main", "sel1"), "1");
    EXPECT_EQ(ReadIniValue(text, "MAIN", "SEL2"), "");
    EXPECT_EQ(ReadIniValue(text, "MAIN", "LONG"), longValue.substr(0, 127));
    EXPECT_EQ(ReadIniValue(text, "MAIN", "EMPTY"), "");
    EXPECT_EQ(ReadIniValue(text, "MAIN", "MISSING"), "");
    EXPECT_EQ(ReadIniValue(text, "NOSECTION", "MODELTYPE"), "");
}

// Frequencies are written with 15 significant digits, so that a sum's last bit does not show.
TEST(DataFileValues, WrittenForms)
{
    EXPECT_EQ(FrequencyText(100.0 + 56.05), "156.05");
    EXPECT_EQ(FrequencyText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(RawByteText(0x0F), "&H0F");
}

// Each text as a flag and as an integer of 0..255; integers round half to even.
TEST(DataFileValues, ConversionsRefuseWhatIsNoNumberOrDoesNotFit)
{
    const std::tuple<const char*, std::optional<bool>, std::optional<std::int64_t>> cases[] = {
        {"0", false, 0},  {" -1 ", true, {}}, {"2", true, 2},    {"2.5", true, 2},
        {"3.5", true, 4}, {"255", true, 255}, {"256", true, {}}, {"1e400", {}, {}},
        {"", {}, {}},     {"abc", {}, {}},    {"1x", {}, {}},    {"&H1", {}, {}},
    };
    for (const auto& [text, flag, integer] : cases) {
        EXPECT_EQ(ParseFlag(text), flag) << text;
        EXPECT_EQ(ParseInteger(text, 0, 255), integer) << text;
    }
    EXPECT_EQ(ParseFrequency("199.9999"), 199.9999);
    for (const char* bad : {"199.99996", "200", "156,05"}) {
        EXPECT_EQ(ParseFrequency(bad), std::nullopt) << bad;
    }
}

TEST(DataFileValues, LeadingNumberReadsHexadecimalAfterAmpersandH)
{
    const std::pair<const char*, double> cases[] = {{"&HFF", 255},  {"&h1c", 28}, {"28", 28}, {" 1 2abc", 12},
                                                    {"-3.5", -3.5}, {"abc", 0},   {"", 0}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(LeadingNumber(text), value) << text;
    }
}

// RFC 4180 records: quoting, line breaks inside fields and the line each record starts on.
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
