#include "link/TransferDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <tuple>

#include "LinkTestSupport.h"
#include "files/FileTestSupport.h"
#include "link/SerialTrace.h"

namespace kelpie {
namespace {

using test::DialogRun;

TEST(TransferDialog, ProgressBarFillsTheFrameFromTheLeft)
{
    for (auto [percent, left] : {std::pair{0, -300}, {50, -150}, {100, 0}, {140, 0}}) {
        EXPECT_EQ(ProgressBarLeft(300, percent), left) << percent;
    }
}

// The program run's dispatch and caption are seen by the verify and unsent-entry tests.
TEST(TransferDialog, AReadRunsUnderItsCaptionAndClosesOnSuccess)
{
    DialogRun run(kTransferRead);
    run.dialog->Load();
    EXPECT_TRUE(run.dialog->OkPressed());
    EXPECT_EQ(
        run.ui.Messages,
        (std::vector<test::RecordedMessage>{{"Complete!!", "Read from Radio", MessageIcon::Information}}));
    EXPECT_EQ(run.ui.Progress.back(), 0);
    EXPECT_EQ(run.ui.Running, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(run.radio.CountLines("#CEPRD"), 2 + 849);
}

TEST(TransferDialog, FailedHandshakeLeavesTheDialogOpenAndOkStartsAgainFromThePort)
{
    DialogRun run(kTransferRead, 5, {.SyncSilent = true});
    run.shell.DebugMode = true;
    EXPECT_FALSE(run.dialog->OkPressed());
    EXPECT_EQ(run.ui.Monitor.back(), "can not syncing!!");
    EXPECT_FALSE(run.shell.BusyFlag);
    EXPECT_EQ(run.ui.Running.back(), false);
    EXPECT_FALSE(run.dialog->OkPressed());
    EXPECT_EQ(run.port.OpenCount(), 4);
    EXPECT_EQ(run.radio.CountLines("ACMD:002"), 2);
}

TEST(TransferDialog, CancelWhileIdleCloses)
{
    DialogRun idle(kTransferRead);
    EXPECT_TRUE(idle.dialog->CloseAllowed());
    EXPECT_TRUE(idle.dialog->CancelPressed());
    EXPECT_TRUE(idle.radio.Lines().empty());
    EXPECT_EQ(idle.radio.ProbeCount(), 0);
}

// Cancel pressed at the nth event pump of a run, wherever in the handshake, the checks or the
// walk that falls: the run ends cancelled and quietly, and after the cancel the radio receives
// nothing but the CAN of a cancelled read. The dialog cannot be closed while the run goes on.
TEST(TransferDialog, CancelAtAnyStepEndsTheRunAndNothingButCanFollowsIt)
{
    for (int mode : {kTransferRead, kTransferProgram}) {
        for (long pump : {1L, 2L, 4L, 8L, 16L, 40L, 100L, 300L, 1000L, 2000L}) {
            SCOPED_TRACE(testing::Message() << "mode " << mode << ", pump " << pump);
            DialogRun run(mode);
            const RadioImage radioBefore = run.radio.Memory();
            std::size_t lines = 0;
            int probes = 0;
            run.ui.OnPump = [&] {
                if (run.ui.Pumps == pump) {
                    lines = run.radio.Lines().size();
                    probes = run.radio.ProbeCount();
                    EXPECT_FALSE(run.dialog->CloseAllowed());
                    EXPECT_FALSE(run.dialog->CancelPressed());
                }
            };
            EXPECT_FALSE(run.dialog->OkPressed());
            ASSERT_GE(run.ui.Pumps, pump);
            EXPECT_TRUE(run.shell.CancelFlag);
            EXPECT_TRUE(run.dialog->CloseAllowed());
            EXPECT_FALSE(run.shell.TransferDone);
            EXPECT_EQ(run.radio.Lines().size(), lines);  // every command is a line
            EXPECT_EQ(run.radio.ProbeCount(), probes);
            EXPECT_LE(run.radio.CanCount(), mode == kTransferRead ? 1 : 0);
            // A write says what the radio now holds.
            for (const std::string& text : run.ui.MessageTexts()) {
                EXPECT_TRUE(text == "cancel!!" ||
                            (mode == kTransferProgram && text.starts_with("Programming was cancelled")))
                    << text;
            }
            if (run.radio.Commands().empty()) {
                EXPECT_EQ(run.radio.Memory(), radioBefore);
            }
        }
    }
}

TEST(TransferDialog, CancelEndsARunAgainstASilentPortWithinASecond)
{
    DialogRun run(kTransferRead, 5, {.Silent = true});
    double cancelledAt = 0;
    long pausedAtCancel = 0;
    run.ui.OnPump = [&] {
        if (cancelledAt == 0 && run.clock.Seconds > 1002) {  // two seconds into the run
            cancelledAt = run.clock.Seconds;
            pausedAtCancel = run.ui.PausedMs;
            run.dialog->CancelPressed();
        }
    };
    EXPECT_FALSE(run.dialog->OkPressed());
    ASSERT_GT(cancelledAt, 0);
    EXPECT_LT(run.clock.Seconds - cancelledAt + (run.ui.PausedMs - pausedAtCancel) / 1000.0, 1.0);
    EXPECT_TRUE(run.ui.Messages.empty());
}

TEST(TransferDialog, DebugModeShowsMonitorTextsAtHalfASecondEachAndTracesEveryByte)
{
    DialogRun quiet(kTransferClearDistress, 0);
    quiet.ui.Answers = {MessageAnswer::Ok};
    quiet.dialog->Load();
    ASSERT_TRUE(quiet.dialog->OkPressed());
    EXPECT_TRUE(quiet.ui.Monitor.empty());

    const TempFolder folder;
    DialogRun debug(kTransferClearDistress, 0);
    debug.ui.Answers = {MessageAnswer::Ok};
    debug.shell.DebugMode = true;
    debug.shell.ErrorLogPath = (folder / "err.log").string();
    debug.dialog->Load();
    ASSERT_TRUE(debug.dialog->OkPressed());
    const std::vector<std::string>& monitor = debug.ui.Monitor;
    EXPECT_EQ(monitor.front(), "starting at debug mode..");
    EXPECT_EQ(monitor[1], "startsync...");
    EXPECT_THAT(monitor, testing::Contains("radio clear Distress..."));
    EXPECT_EQ(debug.ui.PausedMs - quiet.ui.PausedMs, 500 * static_cast<long>(monitor.size()));
    EXPECT_THAT(
        ReadFileText(folder / "serial-trace.log"),
        testing::AllOf(testing::HasSubstr("open COM1 (COM1) 9600,N,8,1: ok"),
                       testing::HasSubstr(" PC> 23 43 45 50 53 52 09 30 30 09 37 34 0D 0A"),  // #CEPSR
                       testing::HasSubstr(" <RD 23 43 4D 44 4F 4B 0D 0A"),                    // #CMDOK
                       testing::HasSubstr("#CEPWR.1E00.10.F\n")));
}

// Each run's trace moves the older ones up a place; only the last runs' are kept.
TEST(SerialTrace, KeepsTheTracesOfTheLastRuns)
{
    const TempFolder folder;
    test::FakeClock clock;
    for (int run = 0; run <= kSerialTraceRuns; ++run) {
        SerialTrace trace(clock);
        trace.Start(folder / "serial-trace.log");
        trace.Note("run " + std::to_string(run));
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), kSerialTraceRuns);
    EXPECT_THAT(ReadFileText(folder / "serial-trace.log.1"),
                testing::HasSubstr("run " + std::to_string(kSerialTraceRuns - 1)));
}

}  // namespace
}  // namespace kelpie
