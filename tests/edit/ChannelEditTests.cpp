#include <gtest/gtest.h>

#include <algorithm>

#include "Editing.h"
#include "edit/ChannelEdit.h"
#include "edit/FieldRules.h"
#include "model/ValueTables.h"

namespace kelpie {
namespace {

constexpr int kSlot16 = 32;
constexpr int kSlot70 = 140;

struct ChannelEditing : Editing
{
    // The channel of a label, enabled.
    ChannelRef Enabled(int group, const std::string& label)
    {
        const auto& plan = ChannelPlan();
        const auto slot =
            std::find_if(plan.begin(), plan.end(), [&](const PlanEntry& p) { return p.Label == label; });
        const ChannelRef ref{group, static_cast<int>(slot - plan.begin())};
        RecordOf(Data, ref).Enable = true;
        return ref;
    }
};

TEST(SetChannelEnable, TheLastEnabledChannelOfABankStaysOn)
{
    ChannelEditing e;
    for (auto& ch : e.Data.UsaChannels) {
        ch.Enable = false;
    }
    const ChannelRef ch16 = e.Enabled(kGroupUsa, "16");
    EXPECT_FALSE(SetChannelEnable(e.Ctx, ch16, false));
    EXPECT_TRUE(FillPage(e.Data, ch16).enable.checked);
    EXPECT_FALSE(e.Shell.DataChanged);
    EXPECT_EQ(ChannelNodeText(e.Data, ch16), "CH16[Enable]");

    e.Enabled(kGroupUsa, "06");
    EXPECT_TRUE(SetChannelEnable(e.Ctx, ch16, false));
    EXPECT_TRUE(e.Shell.DataChanged);
    EXPECT_EQ(ChannelNodeText(e.Data, ch16), "CH16");
    EXPECT_FALSE(FillPage(e.Data, ch16).controlsEnabled || FillPage(e.Data, ch16).scan.enabled);
    // Every bank takes the rule the same way; an extra bank's node is named after the bank.
    EXPECT_EQ(ChannelNodeText(e.Data, {kGroupBankE, 6}), "LMR7");
}

TEST(SetTxOnly, LowPowerOnlyWritesTheTransmitModeAndGatesThePowerUpBox)
{
    ChannelEditing e;
    const ChannelRef ch = e.Enabled(kGroupUsa, "06");
    ChannelRecord& record = RecordOf(e.Data, ch);
    record.LowPower = record.PowUp = record.TxEnable = true;
    record.RxOnly = false;

    EXPECT_TRUE(SetTxOnly(e.Ctx, ch, false));
    EXPECT_EQ(record.TXPower, 3);
    EXPECT_TRUE(record.PowUp);
    EXPECT_EQ(FillPage(e.Data, ch).txPower, (CheckControl{true, false}));
    EXPECT_FALSE(SetPowUp(e.Ctx, ch, false));

    EXPECT_TRUE(SetTxOnly(e.Ctx, ch, true));
    EXPECT_EQ(record.TXPower, 1);
    EXPECT_TRUE(SetPowUp(e.Ctx, ch, false));
    EXPECT_FALSE(record.PowUp);

    // A receive-only channel offers no transmit control.
    const ChannelRef rxOnly = e.Enabled(kGroupUsa, "15");
    RecordOf(e.Data, rxOnly).RxOnly = RecordOf(e.Data, rxOnly).TxEnable = true;
    const ChannelPage page = FillPage(e.Data, rxOnly);
    EXPECT_EQ(page.txFrequency, "---.---");
    EXPECT_EQ(page.txEnable, (CheckControl{false, false}));
    EXPECT_FALSE(page.txOnly.enabled);
    EXPECT_FALSE(SetTxEnable(e.Ctx, rxOnly, true) || SetTxOnly(e.Ctx, rxOnly, true));
}

TEST(SetDuplex, TheShownReceiveFrequencyFollowsTheDuplexBox)
{
    ChannelEditing e;
    const ChannelRef ch = e.Enabled(kGroupUsa, "24");
    RecordOf(e.Data, ch).DuplexAllowed = true;
    RecordOf(e.Data, ch).Duplex = false;
    EXPECT_EQ(FillPage(e.Data, ch).rxFrequency, "157.200");
    EXPECT_TRUE(SetDuplex(e.Ctx, ch, true));
    EXPECT_EQ(FillPage(e.Data, ch).rxFrequency, "161.800");
    EXPECT_EQ(FillPage(e.Data, ch).txFrequency, "157.200");

    const ChannelRef simplex = e.Enabled(kGroupUsa, "24A");
    EXPECT_FALSE(FillPage(e.Data, simplex).duplex.enabled || SetDuplex(e.Ctx, simplex, true));
    // Duplex set on a slot without a duplex frequency, as a file can set it: it receives on its own.
    RecordOf(e.Data, simplex).Duplex = true;
    EXPECT_EQ(FillPage(e.Data, simplex).rxFrequency, FillPage(e.Data, simplex).txFrequency);
}

TEST(SetCtcss, ToneAndCodeExcludeEachOtherPerDirection)
{
    ChannelEditing e;
    const ChannelRef ch{kGroupBankE, 0};
    ChannelRecord& record = RecordOf(e.Data, ch);
    record.Enable = record.RxComp = true;
    record.TxDCS = 12;
    record.RxDCS = 23;

    EXPECT_TRUE(SetCtcss(e.Ctx, ch, 1, 8));
    EXPECT_EQ(FillPage(e.Data, ch).dcs, (std::array<int, 2>{12, 0}));
    EXPECT_FALSE(record.RxComp);  // no receive code, no compander
    EXPECT_FALSE(FillPage(e.Data, ch).compander.enabled || SetRxComp(e.Ctx, ch, true));

    EXPECT_TRUE(SetCtcss(e.Ctx, ch, 0, 3));
    EXPECT_EQ(record.TxDCS, 0);
    EXPECT_TRUE(SetDcs(e.Ctx, ch, 0, 7));
    EXPECT_EQ(FillPage(e.Data, ch).ctcss, (std::array<int, 2>{0, 8}));
    EXPECT_TRUE(SetCtcss(e.Ctx, ch, 0, 0));  // "Off" leaves the code
    EXPECT_EQ(record.TxDCS, 7);

    EXPECT_TRUE(SetDcs(e.Ctx, ch, 1, 20));
    EXPECT_EQ(record.RxCTCSS, 0);
    EXPECT_TRUE(SetRxComp(e.Ctx, ch, true));
    EXPECT_FALSE(SetCtcss(e.Ctx, ch, 1, kCtcssLast + 1));
    EXPECT_FALSE(SetCtcss(e.Ctx, {kGroupUsa, kSlot16}, 0, 1));  // marine channels have no tones
}

TEST(FillPage, PanelsByBankAndModel)
{
    // model, tone panel, channel name, scrambler
    const std::array<std::array<int, 4>, 4> cases{{{0, 0, 1, 1}, {1, 0, 0, 1}, {3, 0, 1, 0}, {5, 1, 1, 1}}};
    for (const auto& [model, tones, names, scrambler] : cases) {
        const RadioData data = ResetData(model);
        const ChannelPage extra = FillExtraChannelPage(data, 1);
        EXPECT_TRUE(extra.extraBank && !extra.transmitPanel && !extra.duplexPanel);
        EXPECT_EQ(extra.tonePanel, tones == 1) << model;
        EXPECT_EQ(extra.nameShown, names == 1) << model;
        EXPECT_EQ(extra.scramblerShown, scrambler == 1) << model;
        const ChannelPage marine = FillChannelPage(data, kGroupIntl, kSlot16);
        EXPECT_TRUE(marine.transmitPanel && marine.duplexPanel && !marine.tonePanel);
    }
}

TEST(FillPage, PlanLabelSplitAndScramblerEntries)
{
    ChannelEditing e;
    for (auto& ch : e.Data.UsaChannels) {
        ch.Enable = ch.ScramblerOption = true;
        ch.Scramble = 6;
    }
    const ChannelRef ch22a = e.Enabled(kGroupUsa, "22A");
    const ChannelPage page = FillPage(e.Data, ch22a);
    EXPECT_EQ(page.channelNumber, (std::array<std::string, 2>{"22", "A"}));
    EXPECT_EQ(page.scrambleIndex, 3);
    EXPECT_TRUE(page.scrambleEnabled);
    EXPECT_EQ(FillPage(e.Data, e.Enabled(kGroupUsa, "06")).channelNumber,
              (std::array<std::string, 2>{"06", ""}));

    for (int slot : {kSlot16, kSlot70}) {
        EXPECT_FALSE(FillChannelPage(e.Data, kGroupUsa, slot).scrambleEnabled);
        EXPECT_FALSE(SetScramble(e.Ctx, {kGroupUsa, slot}, 4));
    }
    EXPECT_TRUE(SetScramble(e.Ctx, ch22a, 4));
    EXPECT_EQ(FillPage(e.Data, ch22a).scrambleIndex, 1);
    EXPECT_TRUE(SetScramble(e.Ctx, ch22a, 0));
    EXPECT_FALSE(SetScramble(e.Ctx, ch22a, 3));

    // Without the option the combo stands on "Off" and the stored setting stays.
    e.Data.UsaChannels[10].ScramblerOption = false;
    EXPECT_EQ(FillChannelPage(e.Data, kGroupUsa, 10).scrambleIndex, 0);
    EXPECT_FALSE(FillChannelPage(e.Data, kGroupUsa, 10).scrambleEnabled);
    EXPECT_EQ(e.Data.UsaChannels[10].Scramble, 6);
}

TEST(ChannelLeaveText, AnEnabledExtraChannelNeedsAFrequencyAndTwoDisplayCharacters)
{
    ChannelEditing e;
    ChannelRecord& record = e.Data.ExpChannels[6];
    const ChannelRef ch{kGroupBankE, 6};
    const std::string rx = RuleText(FieldId::RxFreq, 5);
    const std::string number = RuleText(FieldId::ChannelLeft, 5);
    // RX frequency, channel number, what is missing
    const std::tuple<double, const char*, std::string> cases[] = {
        {0.0, "07", "no RX frequency.\n" + rx + "\nEnter it"},
        {0.0, "7", "no RX frequency and no channel number.\n" + rx + "\n" + number + "\nEnter them"},
        {150.0, "7", "no channel number.\n" + number + "\nEnter it"},
    };
    record.Enable = true;
    for (const auto& [frequency, display, missing] : cases) {
        record.Rxfreq = frequency;
        record.CHDisplayL = display;
        EXPECT_EQ(ChannelLeaveText(e.Data, ch),
                  "Data Error!!\nLMR7 is switched on but has " + missing + ", or switch the channel off.");
    }
    record.Rxfreq = 150.0125;
    record.CHDisplayL = "07";
    EXPECT_EQ(ChannelLeaveText(e.Data, ch), "");
    EXPECT_EQ(FillExtraChannelPage(e.Data, 7).rxFrequency, "150.0125");
    record.CHDisplayL = "7";
    record.Enable = false;
    EXPECT_EQ(ChannelLeaveText(e.Data, ch), "");
    EXPECT_FALSE(e.Shell.DataChanged);  // filling is no edit
}

TEST(WeatherPage, RowsFollowTheirEnableBoxAndNamesAreHiddenOnTheMv240)
{
    ChannelEditing e;
    EXPECT_EQ(FillWeatherPage(e.Data).rows[0].caption, "WX01[162.550MHz]");
    EXPECT_TRUE(FillWeatherPage(e.Data).namesShown);
    EXPECT_FALSE(FillWeatherPage(ResetData(1)).namesShown);

    for (int row = 0; row < kWxChannelCount; ++row) {
        EXPECT_TRUE(SetWeatherEnable(e.Ctx, row, false));
    }
    const WeatherRow off = FillWeatherPage(e.Data).rows[4];
    EXPECT_FALSE(off.enable || off.scan.enabled || off.nameEnabled || SetWeatherScan(e.Ctx, 4, true));
    EXPECT_TRUE(SetWeatherEnable(e.Ctx, 4, true) && SetWeatherScan(e.Ctx, 4, true));
    EXPECT_TRUE(e.Data.WxChannels[4].ScanMemory);
}

}  // namespace
}  // namespace kelpie
