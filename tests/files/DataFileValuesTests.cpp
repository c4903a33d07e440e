#include "files/DataFileValues.h"

#include <gtest/gtest.h>

#include <optional>

namespace kelpie {
namespace {

TEST(DataFileValues, FrequenciesAreWrittenToFifteenSignificantDigitsWithoutTrailingZeros)
{
    const std::pair<double, const char*> cases[] = {
        {156.05, "156.05"}, {157.0, "157"},         {100.0 + 56.05, "156.05"},        {174.9875, "174.9875"},
        {0.0, "0"},         {199.9999, "199.9999"}, {1.0 / 3.0, "0.333333333333333"},
    };
    for (const auto& [mhz, text] : cases) {
        EXPECT_EQ(FrequencyText(mhz), text) << mhz;
    }
}

TEST(DataFileValues, FlagsAndRawBytes)
{
    EXPECT_EQ(FlagText(true), "1");
    EXPECT_EQ(FlagText(false), "0");
    EXPECT_EQ(RawByteText(0x0F), "&H0F");
    EXPECT_EQ(RawByteText(0xFF), "&HFF");
}

TEST(DataFileValues, FlagIsFalseOnlyForZeroAndEmptyOrNonNumericTextIsAConversionError)
{
    EXPECT_EQ(ParseFlag("0"), false);
    EXPECT_EQ(ParseFlag(" 1 "), true);
    EXPECT_EQ(ParseFlag("-1"), true);
    EXPECT_EQ(ParseFlag("2"), true);
    EXPECT_EQ(ParseFlag(""), std::nullopt);
    EXPECT_EQ(ParseFlag("abc"), std::nullopt);
    EXPECT_EQ(ParseFlag("1x"), std::nullopt);
}

TEST(DataFileValues, IntegersMustBeNumbersInsideTheFieldsRange)
{
    EXPECT_EQ(ParseInteger("255", 0, 255), 255);
    EXPECT_EQ(ParseInteger("-3", -5, 5), -3);
    EXPECT_EQ(ParseInteger("2.5", 0, 9), 2);
    EXPECT_EQ(ParseInteger("3.5", 0, 9), 4);
    EXPECT_EQ(ParseInteger("256", 0, 255), std::nullopt);
    EXPECT_EQ(ParseInteger("-1", 0, 255), std::nullopt);
    EXPECT_EQ(ParseInteger("1e400", 0, 255), std::nullopt);
    EXPECT_EQ(ParseInteger("&HFF", 0, 255), std::nullopt);
    EXPECT_EQ(ParseInteger("", 0, 255), std::nullopt);
}

TEST(DataFileValues, FrequencyMustFitTheImage)
{
    EXPECT_EQ(ParseFrequency("156.05"), 156.05);
    EXPECT_EQ(ParseFrequency("0"), 0.0);
    EXPECT_EQ(ParseFrequency("199.9999"), 199.9999);
    EXPECT_EQ(ParseFrequency("200"), std::nullopt);
    EXPECT_EQ(ParseFrequency("199.99996"), std::nullopt);
    EXPECT_EQ(ParseFrequency("156,05"), std::nullopt);
}

TEST(DataFileValues, LeadingNumberReadsHexadecimalAfterAmpersandH)
{
    EXPECT_EQ(LeadingNumber("&HFF"), 255);
    EXPECT_EQ(LeadingNumber("&h1c"), 28);
    EXPECT_EQ(LeadingNumber("28"), 28);
    EXPECT_EQ(LeadingNumber(" 1 2abc"), 12);
    EXPECT_EQ(LeadingNumber("-3.5"), -3.5);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
}

}  // namespace
}  // namespace kelpie
