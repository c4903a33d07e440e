#include "model/ValueTables.h"

#include <gtest/gtest.h>

#include <tuple>

#include "model/Format.h"

namespace kelpie {
namespace {

// Slots in pairs per channel, the plain channel then its A; channels from 60 start again at 156.025.
TEST(ChannelPlan, LabelsAndFrequenciesOfTheChannels)
{
    const auto& plan = ChannelPlan();
    const std::tuple<int, const char*, const char*, const char*> slots[] = {
        {0, "00", "156.0000", "160.6000"},
        {3, "01A", "156.0500", "000.0000"},
        {120, "60", "156.0250", "160.6250"},
        {239, "119A", "158.9750", "000.0000"},
    };
    for (const auto& [slot, label, tx, duplex] : slots) {
        const PlanEntry& e = plan[static_cast<std::size_t>(slot)];
        EXPECT_EQ(e.Label, label);
        EXPECT_EQ(Format(e.TxFreq, "000.0000"), tx) << label;
        EXPECT_EQ(e.RxFreq, e.TxFreq) << label;
        EXPECT_EQ(Format(e.RxFreqDuplex, "000.0000"), duplex) << label;
        EXPECT_EQ(e.IsPlain, slot % 2 == 0) << label;
        EXPECT_FALSE(e.Present) << label;
    }
}

// The labels and names show in the weather page and the listings; here what no screen shows.
TEST(WxPlan, WeatherEntriesReceiveOnlyOnTheirOneFrequency)
{
    for (int entry = 1; entry <= kWxPlanLast; ++entry) {
        const PlanEntry& e = WxPlan()[static_cast<std::size_t>(entry)];
        EXPECT_TRUE(e.Present && e.IsPlain) << entry;
        EXPECT_EQ(e.TxFreq, 0.0) << entry;
        EXPECT_EQ(e.RxFreqDuplex, e.RxFreq) << entry;
    }
}

// The tones between are checked where they are shown; the offset names with the common settings.
TEST(ToneTables, EachStartsWithOffAndEndsWithItsLastTone)
{
    EXPECT_EQ(CtcssNames().size(), 51u);
    EXPECT_EQ(CtcssNames().front() + CtcssNames().back(), "Off254.1Hz");
    EXPECT_EQ(DcsNames().size(), 105u);
    EXPECT_EQ(DcsNames().front() + DcsNames().back(), "Off754");
}

TEST(RegionTables, RowCountsAndLabelsMatchTheChannelPlan)
{
    EXPECT_EQ(UsaRegionTable().size(), 56u);
    EXPECT_EQ(IntlRegionTable().size(), 57u);
    EXPECT_EQ(CanadaRegionTable().size(), 59u);
    for (auto table : {UsaRegionTable(), IntlRegionTable(), CanadaRegionTable()}) {
        int previous = -1;
        for (const RegionChannel& row : table) {
            SCOPED_TRACE(row.Label);
            EXPECT_EQ(ChannelPlan()[static_cast<std::size_t>(row.Slot)].Label, row.Label);
            EXPECT_GT(row.Slot, previous);  // in slot order, no slot twice
            previous = row.Slot;
        }
    }
    // The USA receive-only row shows in the listings; these flags show nowhere else.
    const RegionChannel& canada13 = CanadaRegionTable()[12];
    EXPECT_STREQ(canada13.Name, "BRG/BRG");
    EXPECT_TRUE(canada13.LowPower && canada13.PowUp && !canada13.Duplex);
    int flagged = 0;
    for (const RegionChannel& row : IntlRegionTable()) {
        flagged += row.Duplex ? 1 : 0;
    }
    EXPECT_EQ(flagged, 33);
}

}  // namespace
}  // namespace kelpie
