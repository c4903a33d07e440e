#include "model/Format.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

// The channel labels, the offset names and the listings' frequencies show the other patterns in use;
// a placeholder "#" shows no leading zero.
TEST(Format, AHashPlaceholderShowsNoLeadingZero)
{
    EXPECT_EQ(Format(-5, "#0.00"), "-5.00");
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
