// GridEditTests.cpp — the channel grid's cells: which take an edit, and a change on several rows.
#include <gtest/gtest.h>

#include "Editing.h"
#include "edit/EditHistory.h"
#include "edit/GridEdit.h"
#include "edit/PageTree.h"

namespace kelpie {
namespace {

TEST(GridEdit, SeveralRowsTakeAFlagEachByTheRulesAndTheRefusedAreNamed)
{
    Editing e;
    ChannelBank& usa = e.Data.UsaChannels;
    for (ChannelRecord& ch : usa)
        ch.Enable = false;
    usa[32].Enable = usa[34].Enable = true;  // 16 and 17
    usa[2].Enable = false;                   // 01: its controls are off
    EditHistory steps;
    e.Shell.History = &steps;

    const CellOutcome scan = SetRowsValue(e.Ctx, kGroupUsa, {32, 2, 34}, GridField::ScanMemory, 1);
    EXPECT_FALSE(scan.ok);
    EXPECT_EQ(scan.message, "The channel does not offer this setting: CH01");
    EXPECT_TRUE(usa[32].ScanMemory && usa[34].ScanMemory);
    EXPECT_FALSE(usa[2].ScanMemory);
    EXPECT_TRUE(e.Shell.DataChanged);
    // The rows changed together are one step (its undo is the history's, pinned with it).
    EXPECT_EQ(steps.NextUndo(), (StepLabel{"MEM of 3 channels", GroupNodeKey(kGroupUsa)}));

    // The enable cell takes an edit on a row whose other controls are off; the bank's
    // last-enabled-channel rule is the page's, pinned with it.
    EXPECT_TRUE(SetRowsValue(e.Ctx, kGroupUsa, {2}, GridField::Enable, 1).ok);
    EXPECT_TRUE(usa[2].Enable);

    e.Shell.BusyFlag = true;  // a busy shell takes no edit, and the rows say so
    EXPECT_FALSE(SetRowsValue(e.Ctx, kGroupUsa, {2}, GridField::Duplex, 1).ok);
}

TEST(GridEdit, ChoicesAndTextsGoThroughThePageRules)
{
    Editing e;
    ChannelRecord& lmr7 = e.Data.ExpChannels[6];
    lmr7.Enable = true;
    const ChannelRef ref{kGroupBankE, 6};

    ASSERT_TRUE(SetCellValue(e.Ctx, ref, GridField::RxTone, kDcsChoiceBase + 1).ok);
    EXPECT_EQ(lmr7.RxDCS, 1);
    EXPECT_TRUE(SetCellValue(e.Ctx, ref, GridField::Compander, 1).ok);
    ASSERT_TRUE(SetCellValue(e.Ctx, ref, GridField::RxTone, 9).ok);  // 88.5 Hz: the code and the compander go
    EXPECT_EQ(std::tuple(lmr7.RxCTCSS, lmr7.RxDCS, lmr7.RxComp), std::tuple(9, 0, false));
    EXPECT_EQ(CellValue(e.Data, ref, GridField::RxTone), 9);
    EXPECT_TRUE(SetCellValue(e.Ctx, ref, GridField::RxTone, 0).ok);
    EXPECT_EQ(CellValue(e.Data, ref, GridField::RxTone), 0);
    const std::vector<CellChoice> tones = CellChoices(GridField::TxTone);
    EXPECT_EQ(tones.size(), 1u + 50u + 208u);
    EXPECT_EQ(tones[9].text, "88.5Hz");

    EditHistory steps;
    e.Shell.History = &steps;
    EXPECT_TRUE(SetCellText(e.Ctx, ref, GridField::Name, "yard 2!").ok);
    EXPECT_EQ(steps.NextUndo(), ChannelStep(e.Data, ref, "name"));  // named as the page names it
    EXPECT_EQ(lmr7.ChTag, "YARD 2");
    EXPECT_TRUE(SetCellText(e.Ctx, ref, GridField::RxFreq, "151.82").ok);
    EXPECT_DOUBLE_EQ(lmr7.Rxfreq, 151.82);
    const CellOutcome far = SetCellText(e.Ctx, ref, GridField::RxFreq, "450.0");
    EXPECT_FALSE(far.ok);
    EXPECT_EQ(far.message, RefusalText(FieldId::RxFreq, e.Data.ModelIndex));
    EXPECT_DOUBLE_EQ(lmr7.Rxfreq, 151.82);

    // The plan's frequencies and the display digits are shown only; a disabled channel takes no text.
    EXPECT_EQ(CellEditorOf(GridField::RxFreq, kGroupUsa), CellEditor::None);
    EXPECT_EQ(CellEditorOf(GridField::Display, kGroupBankE), CellEditor::None);
    lmr7.Enable = false;
    EXPECT_FALSE(SetCellText(e.Ctx, ref, GridField::Name, "X").ok);
    EXPECT_EQ(lmr7.ChTag, "YARD 2");
}

}  // namespace
}  // namespace kelpie
