#include "model/ValueTables.h"

#include <gtest/gtest.h>

#include "model/Format.h"

namespace kelpie {
namespace {

TEST(ChannelPlan, EverySlotHasTheLabelAndFrequenciesOfItsChannel)
{
    const auto& plan = ChannelPlan();
    for (int slot = 0; slot < kChannelPlanSize; ++slot) {
        const PlanEntry& e = plan[static_cast<std::size_t>(slot)];
        const int n = slot / 2;
        const bool plain = slot % 2 == 0;
        const double f = n < 60 ? 156.000 + 0.05 * n : 156.025 + 0.05 * (n - 60);
        SCOPED_TRACE(slot);
        EXPECT_EQ(e.Label, (n < 10 ? "0" : "") + std::to_string(n) + (plain ? "" : "A"));
        EXPECT_EQ(Format(e.TxFreq, "000.000"), Format(f, "000.000"));
        EXPECT_EQ(Format(e.TxFreq, "000.0000"), Format(f, "000.0000"));
        EXPECT_EQ(e.RxFreq, e.TxFreq);
        EXPECT_EQ(e.IsPlain, plain);
        EXPECT_FALSE(e.Present);
        if (plain) {
            EXPECT_EQ(Format(e.RxFreqDuplex, "000.0000"), Format(f + 4.6, "000.0000"));
        } else {
            EXPECT_EQ(e.RxFreqDuplex, 0.0);
        }
    }
    EXPECT_EQ(plan[32].Label, "16");
    EXPECT_EQ(Format(plan[32].TxFreq, "000.000"), "156.800");
    EXPECT_EQ(plan[239].Label, "119A");
    EXPECT_EQ(Format(plan[120].TxFreq, "000.000"), "156.025");
    EXPECT_EQ(Format(plan[176].TxFreq, "000.000"), "157.425");  // channel 88
}

TEST(WxPlan, TenPresentEntriesWithLabelAndNameFromTheFrequency)
{
    const auto& wx = WxPlan();
    EXPECT_FALSE(wx[0].Present);
    EXPECT_EQ(wx[1].Label, "WX01[162.550MHz]");
    EXPECT_EQ(wx[1].Name, "162.550MHZ");
    EXPECT_EQ(wx[10].Label, "WX10[163.275MHz]");
    EXPECT_DOUBLE_EQ(wx[8].RxFreq, 161.650);
    for (int entry = 1; entry <= kWxPlanLast; ++entry) {
        const PlanEntry& e = wx[static_cast<std::size_t>(entry)];
        EXPECT_TRUE(e.Present && e.IsPlain);
        EXPECT_EQ(e.TxFreq, 0.0);
        EXPECT_EQ(e.RxFreqDuplex, e.RxFreq);
        EXPECT_EQ(e.Label, "WX" + Format(entry, "00") + "[" + Format(e.RxFreq, "000.000") + "MHz]");
    }
}

TEST(ToneTables, SizesEndsAndOffsets)
{
    ASSERT_EQ(CtcssNames().size(), 51u);
    EXPECT_EQ(CtcssNames()[0], "Off");
    EXPECT_EQ(CtcssNames()[1], "67.0Hz");
    EXPECT_EQ(CtcssNames()[13], "100.0Hz");
    EXPECT_EQ(CtcssNames()[50], "254.1Hz");
    ASSERT_EQ(DcsNames().size(), 105u);
    EXPECT_EQ(DcsNames()[1], "023");
    EXPECT_EQ(DcsNames()[6], "036");
    EXPECT_EQ(DcsNames()[104], "754");
    ASSERT_EQ(OffsetNames().size(), 25u);
    EXPECT_EQ(OffsetNames()[0], "-12:00");
    EXPECT_EQ(OffsetNames()[7], "-5:00");
    EXPECT_EQ(OffsetNames()[12], " 0:00");
    EXPECT_EQ(OffsetNames()[13], "+1:00");
    EXPECT_EQ(OffsetNames()[24], "+12:00");
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
    const RegionChannel& usa15 = UsaRegionTable()[12];
    EXPECT_EQ(usa15.Slot, 30);
    EXPECT_TRUE(usa15.RxOnly);
    const RegionChannel& canada13 = CanadaRegionTable()[12];
    EXPECT_STREQ(canada13.Name, "BRG/BRG");
    EXPECT_TRUE(canada13.LowPower && canada13.PowUp && !canada13.Duplex);
    int flagged = 0;
    for (const RegionChannel& row : IntlRegionTable()) {
        flagged += row.Duplex ? 1 : 0;
    }
    EXPECT_EQ(flagged, 33);
}

TEST(CharacterSets, NameSetSurvivesStoringAndOtherCharactersBecome0xFF)
{
    for (char c : kNameCharacters) {
        EXPECT_EQ(ReadCharacter(NameByte(c)), c);
    }
    EXPECT_EQ(NameByte('#'), 0xFF);
    EXPECT_EQ(NameByte('\0'), 0xFF);
    EXPECT_EQ(CallSignByte(' '), 0xFF);
    EXPECT_EQ(CallSignByte('/'), '/');
    EXPECT_EQ(CallSignByte('+'), 0xFF);
    EXPECT_FALSE(ReadCharacter(0xFF));
    EXPECT_FALSE(ReadCharacter(0x00));
}

TEST(SplitList, ItemsTrimmedOfBlanks)
{
    EXPECT_EQ(SplitList("USA, INTL, Canada, EXP CH"),
              (std::vector<std::string>{"USA", "INTL", "Canada", "EXP CH"}));
    EXPECT_EQ(SplitList("  one  "), (std::vector<std::string>{"one"}));
    EXPECT_EQ(SplitList("a,,b,"), (std::vector<std::string>{"a", "", "b", ""}));
}

}  // namespace
}  // namespace kelpie
