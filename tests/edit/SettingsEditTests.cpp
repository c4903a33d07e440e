#include <gtest/gtest.h>

#include <algorithm>

#include "Editing.h"
#include "edit/SettingsEdit.h"
#include "model/ImageLayout.h"

namespace kelpie {
namespace {

long EnabledCount(const ChannelBank& bank)
{
    return std::count_if(bank.begin(), bank.end(), [](const ChannelRecord& r) { return r.Enable; });
}

TEST(SetGroupUsable, AGroupSwitchedOnKeepsAnEnabledChannelAndOffChangesNone)
{
    Editing s;
    for (auto& ch : s.Data.CanadaChannels) {
        ch.Enable = false;
    }
    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupCanada, false));
    EXPECT_EQ(EnabledCount(s.Data.CanadaChannels), 0);
    EXPECT_FALSE(FillUsablePage(s.Data)[kGroupCanada].combosEnabled);
    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupCanada, true));
    EXPECT_TRUE(s.Data.CanadaChannels[0].Enable);
    EXPECT_EQ(EnabledCount(s.Data.CanadaChannels), 1);

    const ChannelBank usa = s.Data.UsaChannels;
    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupUsa, false) && SetGroupUsable(s.Ctx, kGroupUsa, true));
    EXPECT_EQ(s.Data.UsaChannels, usa);
}

TEST(PriorityItems, BuiltFromTheEnabledChannelsOnEveryFill)
{
    Editing s;
    for (auto& ch : s.Data.IntlChannels) {
        ch.Enable = false;
    }
    s.Data.IntlChannels[32].Enable = s.Data.IntlChannels[12].Enable = true;
    s.Data.UsableGroups[kGroupIntl].PriorityCh = 32;
    const UsableRow row = FillUsablePage(s.Data)[kGroupIntl];
    EXPECT_EQ(row.priorityItems, (std::vector<PriorityItem>{{"Off", -1}, {"06", 12}, {"16", 32}}));
    EXPECT_EQ(row.priorityIndex, 2);
    EXPECT_FALSE(SetGroupPriority(s.Ctx, kGroupIntl, 14));  // not an enabled channel
    EXPECT_TRUE(SetGroupPriority(s.Ctx, kGroupIntl, -1));
    EXPECT_EQ(FillUsablePage(s.Data)[kGroupIntl].priorityIndex, 0);

    s.Data.ExpChannels[4].Enable = true;
    s.Data.ExpChannels[4].CHDisplayL = "BD";
    s.Data.ExpChannels[4].CHDisplayR = "05";
    const auto extra = PriorityItems(s.Data, kGroupBankE);
    EXPECT_NE(std::find(extra.begin(), extra.end(), PriorityItem{"bd05", 244}), extra.end());

    EXPECT_TRUE(SetGroupStatusIcon(s.Ctx, kGroupUsa, true));
    EXPECT_EQ(FillUsablePage(s.Data)[kGroupUsa].statusIcon, 1);
}

TEST(CommonChoices, WeatherAlertOffsetsAndTheScanRule)
{
    Editing s;
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Weater, 1));
    EXPECT_EQ(s.Data.CommonSetup.Weater, 3);
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Weater, 0));
    EXPECT_EQ(s.Data.CommonSetup.Weater, 0);

    const auto offsets = CommonChoices(CommonCombo::Offset);
    ASSERT_EQ(offsets.size(), 25U);
    EXPECT_EQ(offsets[0] + offsets[12] + offsets[24], "-12:00 0:00+12:00");
    EXPECT_FALSE(SetCommonChoice(s.Ctx, CommonCombo::Offset, 25));

    s.Data.CommonSetup.ResumeTime = 2;
    s.Data.CommonSetup.PttScanClear = true;
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Scan, 0));
    EXPECT_FALSE(ScanRowsEnabled(s.Data.CommonSetup));
    EXPECT_FALSE(SetCommonChoice(s.Ctx, CommonCombo::Resume, 1) ||
                 SetCommonChoice(s.Ctx, CommonCombo::PttScan, 0));
    EXPECT_EQ(CommonChoice(s.Data.CommonSetup, CommonCombo::Resume), 2);
    EXPECT_TRUE(s.Data.CommonSetup.PttScanClear);
}

TEST(SettingsRows, CommonRowsAndKillersFollowWhatTheRadioKeeps)
{
    // model: TX power and scanning, NMEA, rotary beep, ATIS killers
    const std::array<std::array<int, 5>, 4> cases{
        {{0, 1, 1, 1, 1}, {3, 0, 1, 0, 1}, {2, 1, 0, 0, 0}, {5, 1, 0, 0, 0}}};
    for (const auto& [model, scan, nmea, rotary, killers] : cases) {
        EXPECT_EQ(CommonRowShown(model, CommonCombo::TxPo), scan == 1) << model;
        EXPECT_EQ(CommonRowShown(model, CommonCombo::Dual), scan == 1) << model;
        EXPECT_EQ(CommonRowShown(model, CommonCombo::Offset), nmea == 1) << model;
        EXPECT_EQ(CommonRowShown(model, CommonCombo::Rotary), rotary == 1) << model;
        EXPECT_EQ(AtisKillersShown(model), killers == 1) << model;
        EXPECT_TRUE(CommonRowShown(model, CommonCombo::Weater));
    }
}

TEST(DscRows, TheMb6000OffersNoPositionRows)
{
    for (int row = 0; row < 7; ++row) {
        EXPECT_TRUE(BeepOutRowEnabled(0, row));
        EXPECT_EQ(BeepOutRowEnabled(3, row), row < 4)
            << "element " << kBeepOutElements[static_cast<std::size_t>(row)];
        EXPECT_EQ(PosRequestRowEnabled(3, row), false);
    }
    EXPECT_TRUE(PosRequestRowEnabled(0, 3));
    for (int model : {0, 1, 2, 3}) {
        EXPECT_EQ(PosRequestTxRowShown(model), model >= 2) << model;
    }
}

}  // namespace
}  // namespace kelpie
