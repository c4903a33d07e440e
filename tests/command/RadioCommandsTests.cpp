#include "command/RadioCommands.h"

#include <gtest/gtest.h>

#include "command/DocumentCommands.h"
#include "files/FileTestSupport.h"
#include "link/Handshake.h"
#include "link/LinkTestSupport.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

// A transfer run that ends as the link would leave it: completed, cancelled or failed.
enum class RunEnd {
    Completed,
    Cancelled,
    Failed
};

TransferRunner Ending(ShellState& shell, RunEnd end, int* runs = nullptr)
{
    return [&shell, end, runs](VerifyOutcome*) {
        if (runs) {
            ++*runs;
        }
        shell.TransferDone = end == RunEnd::Completed;
        shell.CancelFlag = end == RunEnd::Cancelled;
        shell.ErrorFlag = end == RunEnd::Failed;
        return end == RunEnd::Completed;
    };
}

TEST(RadioCommands, EachCommandIsDoneCancelledOrFailedAsItsRunEnded)
{
    TempFolder folder;
    RadioData data = ResetData(5);
    for (auto [end, kind] : {std::pair{RunEnd::Completed, OutcomeKind::Done},
                             {RunEnd::Cancelled, OutcomeKind::Cancelled},
                             {RunEnd::Failed, OutcomeKind::Failed}}) {
        SCOPED_TRACE(static_cast<int>(kind));
        ShellState shell;
        shell.CurrentFileName = "radio.dat";
        std::vector<Difference> differences;
        EXPECT_EQ(ProgramRadio(shell, Ending(shell, end)).Kind, kind);
        EXPECT_EQ(shell.TransferMode, kTransferProgram);
        EXPECT_EQ(ClearDistressLog(shell, Ending(shell, end)).Kind, kind);
        EXPECT_EQ(shell.TransferMode, kTransferClearDistress);
        EXPECT_EQ(VerifyRadio(shell, Ending(shell, end), {folder.Path, 0}, differences).Kind, kind);
        EXPECT_EQ(shell.TransferMode, kTransferVerify);
        EXPECT_EQ(shell.CurrentFileName, "radio.dat");
        EXPECT_EQ(ReadRadio(data, shell, Ending(shell, end), {folder.Path, 0}).Kind, kind);
        EXPECT_EQ(shell.TransferMode, kTransferRead);
        EXPECT_EQ(shell.CurrentFileName, end == RunEnd::Completed ? "" : "radio.dat");
        EXPECT_FALSE(shell.TransferDone);
    }
    // A dialog closed with OK whose run did not raise TransferDone did not complete.
    ShellState shell;
    EXPECT_EQ(ProgramRadio(shell, [](VerifyOutcome*) { return true; }).Kind, OutcomeKind::Failed);
}

TEST(RadioCommands, ACompletedReadKeepsTheRadiosMemoryOrSaysWhyItCouldNot)
{
    TempFolder folder;
    RadioData data = ResetData(5);
    data.RadioImage[0x0100] = 0x5A;  // as the run read it
    ShellState shell;
    shell.DataChanged = true;
    const Outcome read = ReadRadio(data, shell, Ending(shell, RunEnd::Completed), {folder / "backups", 0});
    ASSERT_TRUE(read.IsDone());
    EXPECT_FALSE(shell.DataChanged);
    const auto backup = std::filesystem::directory_iterator(folder / "backups")->path();
    EXPECT_EQ(read.Message, "Read complete. The radio's memory as read is kept in " + backup.string());
    RadioData kept(5);
    RecordingUi ui;
    ASSERT_TRUE(LoadHexFile(kept, shell, ui, backup).IsDone());
    EXPECT_EQ(kept.RadioImage, data.RadioImage);

    WriteFileText(folder / "taken", "not a folder");
    const Outcome unkept = ReadRadio(data, shell, Ending(shell, RunEnd::Completed), {folder / "taken", 0});
    EXPECT_TRUE(unkept.IsDone());
    EXPECT_TRUE(unkept.Message.starts_with("Read complete, but no backup could be kept in " +
                                           (folder / "taken").string() + ": "))
        << unkept.Message;
}

// Through the transfer dialog's run on a simulated radio, as kelpie-cli runs it.
TransferRunner Runner(test::DialogRun& run)
{
    return [&run](VerifyOutcome* verified) { return run.Run(run.shell.TransferMode, verified); };
}

TEST(RadioCommands, VerifyListsWhatTheRadioHoldsOtherwiseAndAFailedReadIsTitledWithTheVerify)
{
    TempFolder folder;
    test::DialogRun run(kTransferProgram);
    ASSERT_TRUE(ProgramRadio(run.shell, Runner(run)).IsDone());
    run.data.UsaChannels[32].ChTag = "DIST16";
    std::vector<Difference> differences;
    const Outcome verified = VerifyRadio(run.shell, Runner(run), {folder.Path, 0}, differences);
    EXPECT_TRUE(verified.IsDone());
    ASSERT_EQ(differences.size(), 1u);
    EXPECT_EQ(differences[0].Text, "USA 16: name DIST16 → DISTRESS");
    EXPECT_EQ(run.data.UsaChannels[32].ChTag, "DIST16");
    // The radio's memory as the verify read it is kept, as a read's is.
    const auto backup = std::filesystem::directory_iterator(folder.Path)->path();
    EXPECT_EQ(verified.Message, "Verify complete. The radio's memory as read is kept in " + backup.string());
    RadioData kept(5);
    RecordingUi ui;
    ASSERT_TRUE(LoadHexFile(kept, run.shell, ui, backup).IsDone());
    EXPECT_EQ(kept.UsaChannels[32].ChTag, "DISTRESS");

    test::DialogRun broken(kTransferVerify, 5, {.HangUpBlock = 40});
    const Outcome failed = VerifyRadio(broken.shell, Runner(broken), {folder.Path, 0}, differences);
    EXPECT_EQ(failed.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(differences.empty());
    ASSERT_FALSE(broken.ui.Messages.empty());
    EXPECT_EQ(broken.ui.Messages.back(),
              (test::RecordedMessage{CommunicationErrorText("COM1"), "Verify Radio"}));
}

}  // namespace
}  // namespace kelpie
