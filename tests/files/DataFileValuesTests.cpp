#include "files/DataFileValues.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

TEST(DataFileValues, WrittenForms)
{
    const std::pair<double, const char*> frequencies[] = {{156.05, "156.05"},
                                                          {157.0, "157"},
                                                          {100.0 + 56.05, "156.05"},
                                                          {0.0, "0"},
                                                          {1.0 / 3.0, "0.333333333333333"}};
    for (const auto& [mhz, text] : frequencies) {
        EXPECT_EQ(FrequencyText(mhz), text) << mhz;
    }
    EXPECT_EQ(RawByteText(0x0F), "&H0F");
    EXPECT_EQ(FlagText(true) + FlagText(false), "10");
}

TEST(DataFileValues, ConversionsRefuseWhatIsNoNumberOrDoesNotFit)
{
    EXPECT_EQ(ParseFlag("0"), false);
    EXPECT_EQ(ParseFlag(" -1 "), true);
    EXPECT_EQ(ParseFlag("2"), true);
    for (const char* bad : {"", "abc", "1x", "&H1"}) {
        EXPECT_EQ(ParseFlag(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(ParseInteger("255", 0, 255), 255);
    EXPECT_EQ(ParseInteger("2.5", 0, 9), 2);
    EXPECT_EQ(ParseInteger("3.5", 0, 9), 4);
    for (const char* bad : {"256", "-1", "1e400", ""}) {
        EXPECT_EQ(ParseInteger(bad, 0, 255), std::nullopt) << bad;
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

}  // namespace
}  // namespace kelpie
