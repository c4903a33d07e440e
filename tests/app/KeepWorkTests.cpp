// Work is never replaced without the save question, and a save notices another program's change and
// writes the format its name says.
#include "AppTestSupport.h"
#include "command/DocumentCommands.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

class KeepWork : public AppWithRadio
{
protected:
    KeepWork() { RadioHolds(WithUsaName(5, 7, "RADIO7")); }

    // The window with its data saved as work.dat, then edited.
    frmMain& StartEdited()
    {
        frmMain& window = StartWithRadioOn(5);
        Dialogs::ResetHooks();
        TriggerWith("mnuFileSave", Work);
        window.Data().UsaChannels[7].ChTag = "EDITED";
        window.Shell().DataChanged = true;
        Dialogs::ResetHooks();
        return window;
    }

    const std::filesystem::path Work = Files / "work.dat";
};

TEST_F(KeepWork, EveryCommandThatReplacesTheDataAsksToSaveItFirst)
{
    const std::filesystem::path other = WriteDataFile("other.dat", ResetData(5));
    const std::vector<QString> commands{"New", "mnuFileOpen", "mnuTransferRead", "mnuDestinationChild_1",
                                        "mnuEditModel4"};
    // Every command must stop on Cancel and go on otherwise; what Save and Discard do is the one
    // question's own, so each command takes one of them in turn.
    for (const QString& command : commands) {
        const bool saving = (&command - commands.data()) % 2 == 1;
        for (const MessageAnswer answer :
             {MessageAnswer::Cancel, saving ? MessageAnswer::Save : MessageAnswer::Discard}) {
            SCOPED_TRACE(command.toStdString() + " answered " + std::to_string(static_cast<int>(answer)));
            std::filesystem::remove(Work);
            frmMain& window = StartEdited();
            const bool confirmed = command.startsWith("mnuDest");
            if (confirmed) {
                Dialogs::AnswerNext(MessageAnswer::Ok);  // the destination's own question comes first
            }
            Dialogs::AnswerNext(answer);
            Dialogs::GiveNextFileName(Name(other));  // for Open; the other commands ask for no file
            if (answer != MessageAnswer::Cancel && command == "mnuTransferRead") {
                RunTransfer("mnuTransferRead");
            } else {
                Action(command)->trigger();
            }
            const std::vector<ShownMessage>& shown = Dialogs::Shown();
            const auto question = static_cast<std::size_t>(confirmed);
            ASSERT_GT(shown.size(), question);
            EXPECT_EQ(shown[question].text, "Save the changes to work.dat?");
            EXPECT_EQ(shown[question].buttons, MessageButtons::SaveDiscardCancel);
            EXPECT_EQ(FileBytes(Work).contains("EDITED"), answer == MessageAnswer::Save);
            if (answer == MessageAnswer::Cancel) {
                EXPECT_EQ(window.Data().UsaChannels[7].ChTag, "EDITED");
                EXPECT_TRUE(window.Shell().DataChanged);
            } else {
                EXPECT_TRUE(test::WaitUntil([&] { return window.Data().UsaChannels[7].ChTag != "EDITED"; },
                                            "the command replaces the data"));
            }
        }
    }
}

TEST_F(KeepWork, ASaveOverAFileChangedOnDiskAsksFirst)
{
    frmMain& window = StartEdited();
    WriteFileAtomically(Work, "written by another window");
    Dialogs::AnswerNext(MessageAnswer::No);
    Action("mnuFileSave")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(ShownTexts()[0].startsWith(u"work.dat has changed on disk"_s));
    EXPECT_EQ(FileBytes(Work), "written by another window");
    EXPECT_TRUE(window.Shell().DataChanged);

    Dialogs::AnswerNext(MessageAnswer::Yes);
    Action("mnuFileSave")->trigger();
    EXPECT_TRUE(FileBytes(Work).contains("EDITED"));
    // Saved by this window: the next save asks nothing.
    Action("mnuFileSave")->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 2u);
}

TEST_F(KeepWork, SaveAsWritesTheFormatItsNameSays)
{
    frmMain& window = StartEdited();
    const std::filesystem::path hex = Files / "x.hex";
    TriggerWith("mnuFileSaveAs", hex);
    EXPECT_EQ(window.Shell().CurrentFileName, hex.string());
    RadioData loaded(5);
    ShellState shell;
    RecordingUi ui;
    ASSERT_TRUE(LoadProgrammingFile(loaded, shell, ui, hex).IsDone());
    EXPECT_EQ(loaded.UsaChannels[7].ChTag, "EDITED");

    TriggerWith("mnuFileSaveAs", Files / "x.txt");
    EXPECT_FALSE(std::filesystem::exists(Files / "x.txt"));
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(ShownTexts()[0].contains(u"x.txt is neither a data file (.dat) nor a hex image"_s));
    EXPECT_EQ(window.Shell().CurrentFileName, hex.string());
}

}  // namespace
}  // namespace kelpie
