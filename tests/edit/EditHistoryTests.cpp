#include "edit/EditHistory.h"

#include <gtest/gtest.h>

#include <functional>

#include "Editing.h"
#include "edit/ChannelEdit.h"
#include "edit/DirectoryEdit.h"
#include "edit/SettingsEdit.h"

namespace kelpie {
namespace {

constexpr int kSlot16 = 32;

// A model 0 radio (DSC, directories, the EXP bank) edited with a history.
struct History : Editing
{
    History() : Editing(0)
    {
        Shell.History = &Steps;
        for (int n = 0; n < 3; ++n) {
            Data.IndividualDirectory[static_cast<std::size_t>(n)] = {true, "SHIP" + std::to_string(n),
                                                                     "36612345" + std::to_string(n) + "0"};
        }
        Data.UsableGroups[kGroupCanada].Enable = false;
        for (ChannelRecord& record : Data.CanadaChannels)
            record.Enable = false;
    }

    EditHistory Steps;
};

// Typing into a box and leaving it, as a page does.
void Type(History& h, const FieldRef& box, std::string_view text)
{
    h.Input.Change(h.Ctx, box, "");
    for (std::size_t n = 1; n <= text.size(); ++n)
        h.Input.Change(h.Ctx, box, text.substr(0, n));
    h.Input.LostFocus(h.Ctx, box, text);
}

// A name typed into bank E channel k's name box: one step.
void Name(History& h, int k, std::string_view text)
{
    Type(h, {FieldId::ChannelName, kGroupBankE, k}, text);
}

struct Operation
{
    const char* name;
    std::function<void(History&)> run;
    StepLabel label;
};

TEST(EditHistory, UndoAndRedoOfEveryKindOfEditRestoreTheWholeData)
{
    const ChannelRef exp7{kGroupBankE, 6};
    const auto typed = [](FieldRef box, const char* text) { return [=](History& h) { Type(h, box, text); }; };
    const std::vector<Operation> operations{
        {"check box",
         [&](History& h) { SetChannelEnable(h.Ctx, exp7, !RecordOf(h.Data, exp7).Enable); },
         {"EXP 7 enable", "E 7"}},
        {"low power with its transmit mode",
         [](History& h) {
             SetTxOnly(h.Ctx, {kGroupUsa, kSlot16}, !RecordOf(h.Data, {kGroupUsa, kSlot16}).LowPower);
         },
         {"USA CH16 low power only", "PU 32"}},
        {"group on with its first channel",
         [](History& h) { SetGroupUsable(h.Ctx, kGroupCanada, true); },
         {"CANADA usable", "Usable"}},
        {"common choice",
         [](History& h) { SetCommonChoice(h.Ctx, CommonCombo::Dual, h.Data.CommonSetup.DualWatch ? 0 : 1); },
         {"Common dual watch", "Common"}},
        {"directory delete with its compaction",
         [](History& h) { DeleteEntry(h.Ctx, DirectoryKind::Individual, 1); },
         {"Station 1 deleted", "SM 1"}},
        {"MMSI emptied deletes its entry",
         typed({FieldId::IndividualMmsi, 0, 1}, ""),
         {"Station 2 MMSI", "SM 2"}},
        {"name typed in one box", typed({FieldId::WeatherName, 0, 4}, "NOAA5"), {}},
        {"frequency committed",
         typed({FieldId::RxFreq, kGroupBankE, 6}, "156.0500"),
         {"EXP 7 RX frequency", "E 7"}},
        {"status name", typed({FieldId::StatusName, 0, 0}, "SHIP"), {"USA status name", "Usable"}},
        {"bare field edit on the page in view",
         [](History& h) {
             h.Steps.SetPageInView({"DSC Setup", "DSC"});
             EditField(h.Ctx, h.Data.DscBasicSetup.BeepOut[2], !h.Data.DscBasicSetup.BeepOut[2]);
         },
         {"DSC Setup", "DSC"}},
    };
    for (const Operation& operation : operations) {
        SCOPED_TRACE(operation.name);
        History h;
        operation.run(h);
        const RadioData after = h.Data;
        ASSERT_EQ(h.Steps.UndoCount(), 1u);
        if (!operation.label.caption.empty()) {
            EXPECT_EQ(h.Steps.NextUndo(), operation.label);
        }

        History fresh;
        EXPECT_TRUE(h.Steps.Undo(h.Ctx));
        EXPECT_EQ(h.Data, fresh.Data);
        EXPECT_TRUE(h.Steps.Redo(h.Ctx));
        EXPECT_EQ(h.Data, after);
        EXPECT_FALSE(h.Steps.Redo(h.Ctx));
    }
}

TEST(EditHistory, AWrappedMultiRecordChangeIsOneStepAndAnEmptyOneNone)
{
    History h;
    const RadioData before = h.Data;
    {
        EditStep step(h.Ctx, {"Paste 40 channels", "ExpChannel"});
        for (int k = 0; k < kExpChannelCount; ++k) {
            SetChannelEnable(h.Ctx, {kGroupBankE, k}, true);
            Type(h, {FieldId::ChannelName, kGroupBankE, k}, "CH" + std::to_string(k));
        }
    }
    {
        EditStep nothing(h.Ctx, {"Nothing", "General"});
    }
    ASSERT_EQ(h.Steps.UndoCount(), 1u);
    EXPECT_EQ(h.Steps.NextUndo()->caption, "Paste 40 channels");
    h.Steps.Undo(h.Ctx);
    EXPECT_EQ(h.Data, before);
}

TEST(EditHistory, TypingIsOneStepPerBoxUntilItIsLeft)
{
    History h;
    const FieldRef name{FieldId::ChannelName, kGroupUsa, kSlot16};
    Type(h, name, "HARBOUR");
    Type(h, name, "PORT");
    Type(h, {FieldId::ChannelName, kGroupUsa, 0}, "A");
    EXPECT_EQ(h.Steps.UndoCount(), 3u);

    // Typed and erased again before leaving: no step.
    const std::string weather = h.Data.WxChannels[1].ChTag;
    h.Input.Change(h.Ctx, {FieldId::WeatherName, 0, 1}, weather + "X");
    h.Input.Change(h.Ctx, {FieldId::WeatherName, 0, 1}, weather);
    EXPECT_EQ(h.Steps.UndoCount(), 3u);
}

TEST(EditHistory, KeepsTheLastStepsUpToItsLimitAndANewStepDropsTheUndoneOnes)
{
    History h;
    for (int k = 0; k < 5; ++k)
        Name(h, k, "FIRST");
    const RadioData afterFive = h.Data;
    for (int n = 0; n < static_cast<int>(EditHistory::kStepLimit); ++n)
        Name(h, 0, n % 2 == 0 ? "EVEN" : "ODD");
    EXPECT_EQ(h.Steps.UndoCount(), EditHistory::kStepLimit);
    while (h.Steps.Undo(h.Ctx)) {
    }
    EXPECT_EQ(h.Data, afterFive);

    Name(h, 9, "NEW");
    EXPECT_EQ(h.Steps.RedoCount(), 0u);
    EXPECT_EQ(h.Steps.UndoCount(), 1u);
}

TEST(EditHistory, UndoBackToTheSavedRecordsClearsTheChangedMark)
{
    History h;
    Name(h, 0, "SAVED");
    h.Shell.DataChanged = false;  // saved
    Name(h, 1, "AFTER");
    EXPECT_TRUE(h.Shell.DataChanged);

    h.Steps.Undo(h.Ctx);
    EXPECT_FALSE(h.Shell.DataChanged);
    h.Steps.Undo(h.Ctx);
    EXPECT_TRUE(h.Shell.DataChanged);
    h.Steps.Redo(h.Ctx);
    EXPECT_FALSE(h.Shell.DataChanged);

    // Saved, then a step undone and another made instead: the saved records are out of reach.
    h.Steps.Redo(h.Ctx);
    h.Shell.DataChanged = false;
    h.Steps.Undo(h.Ctx);
    EXPECT_TRUE(h.Shell.DataChanged);
    Name(h, 2, "OTHER");
    h.Steps.Undo(h.Ctx);
    EXPECT_TRUE(h.Shell.DataChanged);
    h.Steps.Undo(h.Ctx);
    EXPECT_TRUE(h.Shell.DataChanged);
}

// Every edit refuses while the shell is busy, so only an undo or redo can be asked then.
TEST(EditHistory, NothingIsUndoneWhileTheShellIsBusyNorRecordedWithoutAHistory)
{
    History h;
    Name(h, 1, "GONE");
    h.Shell.BusyFlag = true;
    EXPECT_FALSE(h.Steps.Undo(h.Ctx));
    EXPECT_EQ(h.Data.ExpChannels[1].ChTag, "GONE");
    h.Shell.BusyFlag = false;
    h.Shell.History = nullptr;
    EXPECT_TRUE(SetChannelEnable(h.Ctx, {kGroupBankE, 0}, true));
    EXPECT_EQ(h.Steps.UndoCount(), 1u);
    h.Shell.History = &h.Steps;
    DataReplaced(h.Shell);
    EXPECT_FALSE(h.Steps.NextUndo());
}

}  // namespace
}  // namespace kelpie
