#include <gtest/gtest.h>

#include <algorithm>

#include "edit/SettingsEdit.h"
#include "model/ImagePasses.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct Settings
{
    explicit Settings(int model = 5) : Data(ResetData(model)) {}

    RadioData Data;
    ShellState Shell;
    EditContext Ctx{Data, Shell};
};

TEST(SetGroupUsable, AGroupSwitchedOnKeepsAnEnabledChannelAndOffChangesNone)
{
    Settings s;
    for (auto& ch : s.Data.CanadaChannels) {
        ch.Enable = false;
    }
    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupCanada, false));
    EXPECT_TRUE(std::none_of(s.Data.CanadaChannels.begin(), s.Data.CanadaChannels.end(),
                             [](const ChannelRecord& r) { return r.Enable; }));
    EXPECT_FALSE(FillUsablePage(s.Data)[kGroupCanada].combosEnabled);

    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupCanada, true));
    EXPECT_TRUE(s.Data.UsableGroups[kGroupCanada].Enable);
    EXPECT_TRUE(s.Data.CanadaChannels[0].Enable);
    EXPECT_EQ(std::count_if(s.Data.CanadaChannels.begin(), s.Data.CanadaChannels.end(),
                            [](const ChannelRecord& r) { return r.Enable; }),
              1);
    EncodeImage(s.Data);
    EXPECT_EQ(s.Data.RadioImage[0x180] & 0x80, 0x80);

    // A group that already has an enabled channel keeps its channels as they are.
    const ChannelBank usa = s.Data.UsaChannels;
    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupUsa, false));
    ASSERT_TRUE(SetGroupUsable(s.Ctx, kGroupUsa, true));
    EXPECT_EQ(s.Data.UsaChannels, usa);
}

TEST(PriorityItems, BuiltFromTheEnabledChannelsOnEveryFill)
{
    Settings s;
    for (auto& ch : s.Data.IntlChannels) {
        ch.Enable = false;
    }
    s.Data.IntlChannels[32].Enable = true;
    s.Data.IntlChannels[12].Enable = true;
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
}

TEST(SetGroupStatusIcon, TheStatusNameIsOfferedOnlyWhileTheIconIsOff)
{
    Settings s;
    EXPECT_TRUE(FillUsablePage(s.Data)[kGroupUsa].statusNameEnabled);
    EXPECT_TRUE(SetGroupStatusIcon(s.Ctx, kGroupUsa, true));
    EXPECT_FALSE(FillUsablePage(s.Data)[kGroupUsa].statusNameEnabled);
    EXPECT_EQ(FillUsablePage(s.Data)[kGroupUsa].statusIcon, 1);
    EXPECT_TRUE(SetGroupTot(s.Ctx, kGroupUsa, true));
    EXPECT_TRUE(s.Data.UsableGroups[kGroupUsa].TxTot);
}

TEST(CommonChoices, WeatherAlertOffsetsAndTheScanRule)
{
    Settings s;
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Weater, 1));
    EXPECT_EQ(s.Data.CommonSetup.Weater, 3);
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Weater, 0));
    EXPECT_EQ(s.Data.CommonSetup.Weater, 0);
    s.Data.CommonSetup.Weater = 2;
    EXPECT_EQ(CommonChoice(s.Data.CommonSetup, CommonCombo::Weater), -1);

    const auto offsets = CommonChoices(CommonCombo::Offset);
    ASSERT_EQ(offsets.size(), 25U);
    EXPECT_EQ(offsets.front(), "-12:00");
    EXPECT_EQ(offsets[12], " 0:00");
    EXPECT_EQ(offsets.back(), "+12:00");
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Offset, 0));
    EXPECT_EQ(s.Data.CommonSetup.OffsetTime, 0);
    EXPECT_FALSE(SetCommonChoice(s.Ctx, CommonCombo::Offset, 25));

    s.Data.CommonSetup.ResumeTime = 2;
    s.Data.CommonSetup.PttScanClear = true;
    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::Scan, 0));
    EXPECT_FALSE(ScanRowsEnabled(s.Data.CommonSetup));
    EXPECT_EQ(s.Data.CommonSetup.ResumeTime, 2);
    EXPECT_TRUE(s.Data.CommonSetup.PttScanClear);
    EXPECT_FALSE(SetCommonChoice(s.Ctx, CommonCombo::Resume, 1));
    EXPECT_FALSE(SetCommonChoice(s.Ctx, CommonCombo::PttScan, 0));
    EXPECT_EQ(CommonChoice(s.Data.CommonSetup, CommonCombo::Resume), 2);

    EXPECT_TRUE(SetCommonChoice(s.Ctx, CommonCombo::TxPo, 2));
    EXPECT_EQ(CommonChoice(s.Data.CommonSetup, CommonCombo::TxPo), 2);
    EXPECT_EQ(CommonChoices(CommonCombo::TxPo).back(), "Last TX Po");
}

TEST(DscRows, TheMb6000OffersNoPositionRows)
{
    for (int model : {0, 3}) {
        const bool positions = model == 0;
        for (int row = 0; row < 4; ++row) {
            EXPECT_EQ(PosRequestRowEnabled(model, row), positions);
        }
        for (int row = 0; row < 7; ++row) {
            EXPECT_EQ(BeepOutRowEnabled(model, row), positions || row < 4) << kBeepOutRows[row].label;
        }
    }
}

}  // namespace
}  // namespace kelpie
