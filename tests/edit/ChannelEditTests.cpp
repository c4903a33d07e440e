#include <gtest/gtest.h>

#include <algorithm>

#include "edit/ChannelEdit.h"
#include "edit/FieldInput.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/FileTestSupport.h"
#include "model/ValueTables.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

constexpr int kSlot16 = 32;
constexpr int kSlot70 = 140;

struct Editing
{
    explicit Editing(int model = 5) : Data(ResetData(model)) {}

    RadioData Data;
    ShellState Shell;
    EditContext Ctx{Data, Shell};
};

// The plan slot of a channel label.
int SlotOf(const std::string& label)
{
    const auto& plan = ChannelPlan();
    return static_cast<int>(std::find_if(plan.begin(), plan.end(), [&](const PlanEntry& e) {
                                return e.Label == label;
                            }) - plan.begin());
}

TEST(SetChannelEnable, TheLastEnabledChannelOfABankStaysOn)
{
    Editing e;
    for (auto& ch : e.Data.UsaChannels) {
        ch.Enable = false;
    }
    e.Data.UsaChannels[kSlot16].Enable = true;
    const ChannelRef ch16{kGroupUsa, kSlot16};
    const ChannelRef ch6{kGroupUsa, SlotOf("06")};

    EXPECT_FALSE(SetChannelEnable(e.Ctx, ch16, false));
    EXPECT_TRUE(RecordOf(e.Data, ch16).Enable);
    EXPECT_TRUE(FillPage(e.Data, ch16).enable.checked);
    EXPECT_FALSE(e.Shell.DataChanged);
    EXPECT_EQ(ChannelNodeText(e.Data, ch16), "CH16[Enable]");

    EXPECT_TRUE(SetChannelEnable(e.Ctx, ch6, true));
    EXPECT_TRUE(SetChannelEnable(e.Ctx, ch16, false));
    EXPECT_FALSE(RecordOf(e.Data, ch16).Enable);
    EXPECT_TRUE(e.Shell.DataChanged);
    EXPECT_EQ(ChannelNodeText(e.Data, ch16), "CH16");
    EXPECT_FALSE(FillPage(e.Data, ch16).controlsEnabled);
    EXPECT_FALSE(FillPage(e.Data, ch16).scan.enabled);

    // Another bank's channels do not count.
    for (auto& ch : e.Data.ExpChannels) {
        ch.Enable = false;
    }
    e.Data.ExpChannels[6].Enable = true;
    EXPECT_FALSE(SetChannelEnable(e.Ctx, {kGroupBankE, 6}, false));
    EXPECT_EQ(ChannelNodeText(e.Data, {kGroupBankE, 6}), "LMR7[Enable]");
}

TEST(SetTxOnly, LowPowerOnlyWritesTheTransmitModeAndGatesThePowerUpBox)
{
    Editing e;
    const ChannelRef ch{kGroupUsa, SlotOf("06")};
    ChannelRecord& record = RecordOf(e.Data, ch);
    record.Enable = record.LowPower = record.PowUp = record.TxEnable = true;
    record.RxOnly = false;
    record.TXPower = 1;

    EXPECT_TRUE(FillPage(e.Data, ch).txPower.enabled);
    EXPECT_TRUE(SetTxOnly(e.Ctx, ch, false));
    EXPECT_EQ(record.TXPower, 3);
    EXPECT_FALSE(record.LowPower);
    EXPECT_TRUE(record.PowUp);
    const ChannelPage page = FillPage(e.Data, ch);
    EXPECT_FALSE(page.txPower.enabled);
    EXPECT_TRUE(page.txPower.checked);
    EXPECT_FALSE(SetPowUp(e.Ctx, ch, false));
    EXPECT_TRUE(record.PowUp);

    EXPECT_TRUE(SetTxOnly(e.Ctx, ch, true));
    EXPECT_EQ(record.TXPower, 1);
    EXPECT_TRUE(SetPowUp(e.Ctx, ch, false));
    EXPECT_FALSE(record.PowUp);

    // Transmitting switched off: the low-power box follows the transmit box's state.
    EXPECT_TRUE(SetTxEnable(e.Ctx, ch, false));
    EXPECT_FALSE(record.TxEnable);
    EXPECT_TRUE(FillPage(e.Data, ch).txOnly.enabled);
}

TEST(SetTxEnable, ReceiveOnlyChannelsOfferNoTransmitControls)
{
    Editing e;
    const ChannelRef ch{kGroupUsa, SlotOf("15")};
    ChannelRecord& record = RecordOf(e.Data, ch);
    record.Enable = true;
    record.RxOnly = true;
    record.TxEnable = true;
    const ChannelPage page = FillPage(e.Data, ch);
    EXPECT_EQ(page.txFrequency, "---.---");
    EXPECT_FALSE(page.txEnable.checked);
    EXPECT_FALSE(page.txEnable.enabled);
    EXPECT_FALSE(page.txOnly.enabled);
    EXPECT_FALSE(SetTxEnable(e.Ctx, ch, true));
    EXPECT_FALSE(SetTxOnly(e.Ctx, ch, true));
    EXPECT_FALSE(e.Shell.DataChanged);
}

TEST(SetDuplex, TheShownReceiveFrequencyFollowsTheDuplexBox)
{
    Editing e;
    const ChannelRef ch{kGroupUsa, SlotOf("24")};
    ChannelRecord& record = RecordOf(e.Data, ch);
    record.Enable = true;
    record.DuplexAllowed = true;
    record.Duplex = false;
    EXPECT_EQ(FillPage(e.Data, ch).rxFrequency, "157.200");
    EXPECT_TRUE(SetDuplex(e.Ctx, ch, true));
    EXPECT_EQ(FillPage(e.Data, ch).rxFrequency, "161.800");
    EXPECT_EQ(FillPage(e.Data, ch).txFrequency, "157.200");

    const ChannelRef simplex{kGroupUsa, SlotOf("24A")};
    RecordOf(e.Data, simplex).Enable = true;
    EXPECT_FALSE(FillPage(e.Data, simplex).duplex.enabled);
    EXPECT_FALSE(SetDuplex(e.Ctx, simplex, true));
}

TEST(SetCtcss, ToneAndCodeExcludeEachOtherPerDirection)
{
    Editing e;
    const ChannelRef ch{kGroupBankE, 0};
    ChannelRecord& record = RecordOf(e.Data, ch);
    record.Enable = true;
    record.TxDCS = 12;
    record.RxDCS = 23;
    record.RxComp = true;

    EXPECT_TRUE(SetCtcss(e.Ctx, ch, 1, 8));
    EXPECT_EQ(record.RxCTCSS, 8);
    EXPECT_EQ(record.RxDCS, 0);
    EXPECT_FALSE(record.RxComp);  // no receive code, no compander
    EXPECT_EQ(record.TxDCS, 12);
    EXPECT_EQ(FillPage(e.Data, ch).dcs, (std::array<int, 2>{12, 0}));
    EXPECT_FALSE(FillPage(e.Data, ch).compander.enabled);

    EXPECT_TRUE(SetDcs(e.Ctx, ch, 0, 5));
    EXPECT_TRUE(SetCtcss(e.Ctx, ch, 0, 3));
    EXPECT_EQ(record.TxDCS, 0);
    EXPECT_TRUE(SetDcs(e.Ctx, ch, 0, 7));
    EXPECT_EQ(record.TxCTCSS, 0);
    EXPECT_EQ(record.RxCTCSS, 8);

    // Choosing "Off" clears nothing on the other combo.
    EXPECT_TRUE(SetCtcss(e.Ctx, ch, 0, 0));
    EXPECT_EQ(record.TxDCS, 7);

    EXPECT_FALSE(SetRxComp(e.Ctx, ch, true));
    EXPECT_TRUE(SetDcs(e.Ctx, ch, 1, 20));
    EXPECT_EQ(record.RxCTCSS, 0);
    EXPECT_TRUE(FillPage(e.Data, ch).compander.enabled);
    EXPECT_TRUE(SetRxComp(e.Ctx, ch, true));
    EXPECT_TRUE(record.RxComp);

    EXPECT_FALSE(SetCtcss(e.Ctx, ch, 1, kCtcssLast + 1));
}

TEST(FillPage, PanelsAndControlsByBankAndModel)
{
    struct Case
    {
        int model;
        bool tonePanel;
        bool nameShown;
        bool scramblerShown;
    };
    const Case cases[] = {{0, false, true, true},  {1, false, false, true}, {2, true, true, true},
                          {3, false, true, false}, {4, true, true, true},   {5, true, true, true},
                          {6, true, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.model);
        const RadioData data = ResetData(c.model);
        const ChannelPage extra = FillExtraChannelPage(data, 1);
        EXPECT_TRUE(extra.extraBank);
        EXPECT_FALSE(extra.transmitPanel || extra.duplexPanel);
        EXPECT_EQ(extra.tonePanel, c.tonePanel);
        EXPECT_EQ(extra.nameShown, c.nameShown);
        EXPECT_EQ(extra.scramblerShown, c.scramblerShown);
        const ChannelPage marine = FillChannelPage(data, kGroupIntl, kSlot16);
        EXPECT_TRUE(marine.transmitPanel && marine.duplexPanel);
        EXPECT_FALSE(marine.tonePanel);
    }
}

TEST(FillPage, PlanLabelSplitAndScramblerEntries)
{
    Editing e;
    for (auto& ch : e.Data.UsaChannels) {
        ch.Enable = true;
        ch.ScramblerOption = true;
        ch.Scramble = 6;
    }
    const ChannelPage ch22a = FillChannelPage(e.Data, kGroupUsa, SlotOf("22A"));
    EXPECT_EQ(ch22a.channelNumber, (std::array<std::string, 2>{"22", "A"}));
    EXPECT_EQ(ch22a.channelNumberLimit, 2);
    EXPECT_EQ(ch22a.scrambleIndex, 3);
    EXPECT_TRUE(ch22a.scrambleEnabled);
    EXPECT_EQ(FillChannelPage(e.Data, kGroupUsa, SlotOf("06")).channelNumber,
              (std::array<std::string, 2>{"06", ""}));

    for (int slot : {kSlot16, kSlot70}) {
        EXPECT_FALSE(FillChannelPage(e.Data, kGroupUsa, slot).scrambleEnabled);
        EXPECT_FALSE(SetScramble(e.Ctx, {kGroupUsa, slot}, 4));
    }
    EXPECT_TRUE(SetScramble(e.Ctx, {kGroupUsa, SlotOf("06")}, 7));
    EXPECT_EQ(e.Data.UsaChannels[static_cast<std::size_t>(SlotOf("06"))].Scramble, 7);
    EXPECT_TRUE(SetScramble(e.Ctx, {kGroupUsa, SlotOf("06")}, 0));
    EXPECT_FALSE(SetScramble(e.Ctx, {kGroupUsa, SlotOf("06")}, 3));

    // Without the option the combo stands on "Off" and the stored setting stays.
    e.Data.UsaChannels[10].ScramblerOption = false;
    EXPECT_EQ(FillChannelPage(e.Data, kGroupUsa, 10).scrambleIndex, 0);
    EXPECT_FALSE(FillChannelPage(e.Data, kGroupUsa, 10).scrambleEnabled);
    EXPECT_EQ(e.Data.UsaChannels[10].Scramble, 6);

    EXPECT_EQ(std::vector<int>({0, 1, 1, 2, 3, 4}),
              std::vector<int>({ScrambleItemIndex(0), ScrambleItemIndex(4), ScrambleItemIndex(4),
                                ScrambleItemIndex(5), ScrambleItemIndex(6), ScrambleItemIndex(7)}));
}

TEST(FillPage, FillingNeverMarksTheDataChanged)
{
    Editing e;
    e.Data.ExpChannels[2].Enable = true;
    e.Data.ExpChannels[2].Rxfreq = 150.0125;
    e.Data.ExpChannels[2].Txfreq = 0.0;
    const ChannelPage page = FillExtraChannelPage(e.Data, 3);
    EXPECT_EQ(page.rxFrequency, "150.0125");
    EXPECT_EQ(page.txFrequency, "---.----");
    FillWeatherPage(e.Data);
    EXPECT_FALSE(e.Shell.DataChanged);
    EXPECT_DOUBLE_EQ(e.Data.ExpChannels[2].Rxfreq, 150.0125);
}

TEST(ChannelPageMayBeLeft, EnabledExtraChannelNeedsAFrequencyAndTwoDisplayCharacters)
{
    Editing e;
    ChannelRecord& record = e.Data.ExpChannels[0];
    const ChannelRef ch{kGroupBankE, 0};
    record.Enable = true;
    record.CHDisplayL = "01";
    record.Rxfreq = 0.0;
    EXPECT_FALSE(ChannelPageMayBeLeft(e.Data, ch));
    record.Rxfreq = 150.0;
    EXPECT_TRUE(ChannelPageMayBeLeft(e.Data, ch));
    record.CHDisplayL = "1";
    EXPECT_FALSE(ChannelPageMayBeLeft(e.Data, ch));
    record.Enable = false;
    EXPECT_TRUE(ChannelPageMayBeLeft(e.Data, ch));
    EXPECT_TRUE(ChannelPageMayBeLeft(e.Data, {kGroupUsa, kSlot16}));
}

TEST(WeatherPage, RowsFollowTheirEnableBoxAndNamesAreHiddenOnTheMv240)
{
    Editing e;
    EXPECT_EQ(FillWeatherPage(e.Data).rows[0].caption, "WX01[162.550MHz]");
    EXPECT_TRUE(FillWeatherPage(e.Data).namesShown);
    EXPECT_FALSE(FillWeatherPage(ResetData(1)).namesShown);

    for (int row = 0; row < kWxChannelCount; ++row) {
        EXPECT_TRUE(SetWeatherEnable(e.Ctx, row, false));
    }
    const WeatherRow off = FillWeatherPage(e.Data).rows[4];
    EXPECT_FALSE(off.enable || off.scan.enabled || off.nameEnabled);
    EXPECT_FALSE(SetWeatherScan(e.Ctx, 4, true));
    EXPECT_TRUE(SetWeatherEnable(e.Ctx, 4, true));
    EXPECT_TRUE(SetWeatherScan(e.Ctx, 4, true));
    EXPECT_TRUE(e.Data.WxChannels[4].ScanMemory);
}

TEST(ChannelEdit, AnEditReachesTheImageAndSurvivesADataFile)
{
    Editing e;
    FieldInput input;
    const ChannelRef ch{kGroupBankE, 2};
    ASSERT_TRUE(SetChannelEnable(e.Ctx, ch, true));
    const FieldRef rx{FieldId::RxFreq, kGroupBankE, 2};
    input.Change(e.Ctx, rx, "150.5");
    ASSERT_TRUE(input.Validate(e.Ctx, rx, "150.5").ok);
    input.Change(e.Ctx, {FieldId::ChannelLeft, kGroupBankE, 2}, "L3");
    input.Change(e.Ctx, {FieldId::ChannelName, kGroupBankE, 2}, "work");
    ASSERT_TRUE(SetCtcss(e.Ctx, ch, 1, 8));
    ASSERT_TRUE(SetTxOnly(e.Ctx, ch, true));

    EncodeImage(e.Data);
    const int record = 0x0900 + 16 * 2;
    EXPECT_EQ(e.Data.RadioImage[0x01C2] & 0x20, 0x20);  // enable bit of channel 3
    EXPECT_EQ(e.Data.RadioImage[record] >> 6, 1);        // low power only
    EXPECT_EQ(e.Data.RadioImage[record + 1], 'L');
    EXPECT_EQ(e.Data.RadioImage[record + 2], '3');
    EXPECT_EQ(e.Data.RadioImage[record + 5], 0x50);
    EXPECT_EQ(e.Data.RadioImage[record + 6], 0x50);

    const std::string file = DataFileText(e.Data, e.Shell);
    RadioData loaded = ResetData(5);
    RecordingUi ui;
    ShellState shell;
    ReadDataFile(loaded, shell, ui, file);
    EXPECT_FALSE(shell.ErrorFlag);
    EXPECT_EQ(loaded.ExpChannels[2], e.Data.ExpChannels[2]);
}

}  // namespace
}  // namespace kelpie
