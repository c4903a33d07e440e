#include "files/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace kelpie {
namespace {

TEST(FileReadIni, NamesAreMatchedInAnyCaseAndValuesLoseOneLeadingHash)
{
    const SectionTable table = FileReadIni("[ Main ]\r\n model = #MV230 \r\nTag=##ABC\r\nPlain= ABC\r\n");
    ASSERT_EQ(table.SectionCount(), 1);
    EXPECT_EQ(table.Sections()[0].Name, "MAIN");
    EXPECT_EQ(table.Sections()[0].Pairs[0].first, "MODEL");
    EXPECT_EQ(table.GetValue("main", "Model"), "MV230");
    EXPECT_EQ(table.GetValue("MAIN", "tag"), "#ABC");
    EXPECT_EQ(table.GetValue("MAIN", "PLAIN"), "ABC");
    EXPECT_EQ(table.GetValue("MAIN", "missing"), "");
    EXPECT_EQ(table.GetValue("missing", "MODEL"), "");
}

TEST(FileReadIni, LinesWithoutAPairAreIgnoredAndALineWithABracketEndsTheSection)
{
    const SectionTable table =
        FileReadIni("outside=1\n[A]\n=5\nabc\nk1=1\nx[y\nk2=2\n[]\nk3=3\n[B\nk4=4\n[A]\nk5=5\n");
    ASSERT_EQ(table.SectionCount(), 2);
    EXPECT_EQ(table.Sections()[0].Pairs.size(), 1u);
    EXPECT_EQ(table.GetValue("A", "k1"), "1");
    for (const char* ignored : {"outside", "k2", "k3", "k4"}) {
        EXPECT_EQ(table.GetValue("A", ignored), "") << ignored;
    }
    EXPECT_EQ(table.GetValue("A", "k5"), "5");
    EXPECT_FALSE(table.HasSection("B"));
}

TEST(FileReadIni, AHeaderDirectlyAfterAnEmptySectionStartsTheNextSection)
{
    const SectionTable table = FileReadIni("[A]\r\n[B]\r\n\r\nk=v\r\n[C]");
    ASSERT_EQ(table.SectionCount(), 3);
    EXPECT_EQ(table.GetValue("B", "K"), "v");
    EXPECT_TRUE(table.HasSection("c"));
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

}  // namespace
}  // namespace kelpie
