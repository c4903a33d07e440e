#include "model/Format.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

TEST(Format, PicturePatternsShowDigitsSignsAndCopiedCharacters)
{
    EXPECT_EQ(Format(5, "00"), "05");
    EXPECT_EQ(Format(119, "00"), "119");  // more digits than places: all of them shown
    EXPECT_EQ(Format(156.05, "000.000"), "156.050");
    EXPECT_EQ(Format(-5, "#0.00"), "-5.00");
    EXPECT_EQ(Format(12, "+#0.00"), "+12.00");
    EXPECT_EQ(Format(0, " 0.00"), " 0.00");
    EXPECT_EQ(Format(0, "#"), "");
    EXPECT_EQ(Format(56.05, "00.0000"), "56.0500");
    EXPECT_EQ(Format(7.25, "0.0#"), "7.25");
    EXPECT_EQ(Format(7.2, "0.0#"), "7.2");
}

TEST(Format, RoundsHalfAwayFromZeroAtTheDecimalsShown)
{
    EXPECT_EQ(Format(156.0125, "000.000"), "156.013");  // not 156.012 from the binary value
    EXPECT_EQ(Format(0.9999, "0.00"), "1.00");
    EXPECT_EQ(Format(99.995, "00.00"), "100.00");
    EXPECT_EQ(Format(-2.5, "0"), "-3");
    EXPECT_EQ(Format(-0.001, "0.00"), "0.00");
    EXPECT_EQ(Format(0.0004, "000.000"), "000.000");
}

}  // namespace
}  // namespace kelpie
