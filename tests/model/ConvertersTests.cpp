#include "model/Converters.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kelpie {
namespace {

// The listing and grid tests pin the texts their rows show; these are the others.
TEST(Converters, SmallValueTextsOutsideTheirTables)
{
    EXPECT_EQ(ResumeTimeText(0), "--");
    EXPECT_EQ(TxPoDisplayText(1), "Lo Po on Changing CH");
    EXPECT_EQ(TxPoDisplayText(3), "");
    EXPECT_EQ(WeatherAlertText(1), "");
    EXPECT_EQ(MagVarText(1), "Mag");
    EXPECT_EQ(MagVarText(-1), "");
    EXPECT_EQ(ScrambleText(3), "--");
    EXPECT_EQ(ScrambleText(6), "2");
    EXPECT_EQ(ScrambleText(4), "0");
}

// The listings pin the padding; a longer text is cut to the width.
TEST(Converters, PadTextCutsALongerText)
{
    EXPECT_EQ(PadText("COMMERCIAL12345", 12), "COMMERCIAL12");
}

// The frequency texts show in the listings and grids; the 25 kHz raster shows nowhere.
TEST(Converters, The25kHzRaster)
{
    EXPECT_TRUE(IsOn25kHzRaster(156.025));
    EXPECT_FALSE(IsOn25kHzRaster(156.0125) || IsOn25kHzRaster(156.005));
}

TEST(Converters, TonesPreferCtcssThenDcsWithPolarity)
{
    EXPECT_EQ(DcsText(105), "I023");
    EXPECT_EQ(DcsText(104), "N754");
    ChannelRecord ch;
    EXPECT_EQ(ToneText(ch, 0), "-------");
    ch.RxCTCSS = 5;
    ch.RxDCS = 7;
    EXPECT_EQ(ToneText(ch, 1), "77.0Hz");
    ch.TxDCS = 110;
    EXPECT_EQ(ToneText(ch, 0), "I036");
    ch.TxCTCSS = 57;  // beyond the table, as a radio image can hold
    EXPECT_EQ(ToneText(ch, 0), "?");
}

TEST(Converters, ChannelLabelsOfEveryKindOfIndex)
{
    const std::tuple<int, int, const char*> cases[] = {
        {0, 5, "00"},      {239, 5, "119A"}, {240, 5, "LMR1"}, {279, 0, "EXP40"},
        {279, 5, "LMR40"}, {280, 5, "Off"},  {-1, 5, "Off"},   {65535, 5, "Off"},
    };
    for (const auto& [index, model, label] : cases) {
        EXPECT_EQ(ChannelLabel(index, model), label) << index << " on " << model;
    }
    EXPECT_EQ(BankEName(2) + BankEName(3), "LMREXP");
}

}  // namespace
}  // namespace kelpie
