#include "link/TransferDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "LinkTestSupport.h"
#include "link/TransferMaps.h"
#include "model/ImagePasses.h"

namespace kelpie {
namespace {

// The dialog's radio and image, as the main window opens it after a reset.
struct DialogRun : test::SimulatedLink
{
    explicit DialogRun(int mode, SimulatorFaults faults = {}) : SimulatedLink(5, std::move(faults))
    {
        ResetEditModel(data);
        shell.TransferMode = mode;
    }
};

TEST(TransferDialog, CaptionsInstructionsAndPicturesFollowTheMode)
{
    EXPECT_EQ(TransferCaption(kTransferRead), "Read from Radio");
    EXPECT_EQ(TransferCaption(kTransferProgram), "Program to Radio");
    EXPECT_EQ(TransferCaption(kTransferClearDistress), "Clear Distress Log Data");
    EXPECT_EQ(TransferInstructions(),
              "1.Connect the JMB cable between the PC serial port and the radio.\r\n"
              "2.On the radio, press and hold the [PRESET]+[DOWN]+[SQL] keys\r\n"
              "   while turning on.\r\n"
              "3.Press the [OK] button to start.");
    EXPECT_EQ(TransferPicturesFor(kTransferRead).HandyLeft, 1050);
    EXPECT_EQ(TransferPicturesFor(kTransferRead).BLeft, 4200);
    EXPECT_EQ(TransferPicturesFor(kTransferProgram).HandyLeft, 4800);
    EXPECT_EQ(TransferPicturesFor(kTransferClearDistress).BLeft, 450);
}

TEST(TransferDialog, ProgressBarFillsTheFrameFromTheLeft)
{
    EXPECT_EQ(ProgressBarLeft(300, 0), -300);
    EXPECT_EQ(ProgressBarLeft(300, 50), -150);
    EXPECT_EQ(ProgressBarLeft(300, 100), 0);
    EXPECT_EQ(ProgressBarLeft(300, 140), 0);
}

TEST(TransferDialog, EachModeRunsItsTransferAndClosesOnSuccess)
{
    for (int mode : {kTransferRead, kTransferProgram, kTransferClearDistress}) {
        SCOPED_TRACE(mode);
        DialogRun run(mode);
        TransferDialog dialog(run.port, run.ui, run.clock, run.shell, run.data);
        dialog.Load();
        EXPECT_TRUE(dialog.OkPressed());
        EXPECT_TRUE(run.shell.TransferDone);
        EXPECT_FALSE(run.shell.BusyFlag);
        EXPECT_EQ(run.ui.MessageTexts(), std::vector<std::string>{"Complete!!"});
        EXPECT_EQ(run.ui.Messages[0].Title, TransferCaption(mode));
        EXPECT_EQ(run.ui.Progress.back(), 0);
        EXPECT_EQ(run.ui.Running.front(), true);
        EXPECT_EQ(run.ui.Running.back(), false);
        EXPECT_FALSE(run.port.IsOpen());
        const std::string word = mode == kTransferRead ? "#CEPRD" : "#CEPWR";
        EXPECT_GT(run.radio.CountLines(word), 20);
    }
}

TEST(TransferDialog, ProgramRunWritesTheEncodedAndCheckedImage)
{
    DialogRun run(kTransferProgram);
    TransferDialog dialog(run.port, run.ui, run.clock, run.shell, run.data);
    ASSERT_TRUE(dialog.OkPressed());
    int writes = 0;
    for (const SimulatorCommand& command : run.radio.Commands()) {
        if (command.Word == "#CEPWR") {
            ++writes;
            for (int a = command.Address; a < command.Address + command.Length; ++a) {
                ASSERT_EQ(run.radio.Memory()[a], run.data.RadioImage[a]) << a;
            }
        }
    }
    EXPECT_EQ(writes, CommandCount(WriteMap(run.data.RadioImage, run.data.ImageLastAddress)));
    EXPECT_GT(writes, 288);
}

TEST(TransferDialog, FailedHandshakeLeavesTheDialogOpenAndOkStartsAgainFromThePort)
{
    DialogRun run(kTransferRead, SimulatorFaults{.SyncSilent = true});
    run.shell.DebugMode = true;
    TransferDialog dialog(run.port, run.ui, run.clock, run.shell, run.data);
    EXPECT_FALSE(dialog.OkPressed());
    EXPECT_EQ(run.ui.Monitor.back(), "can not syncing!!");
    EXPECT_FALSE(run.shell.BusyFlag);
    EXPECT_EQ(run.ui.Running.back(), false);
    EXPECT_FALSE(dialog.OkPressed());
    EXPECT_EQ(run.port.OpenCount(), 4);
    EXPECT_EQ(run.radio.CountLines("ACMD:002"), 2);
}

TEST(TransferDialog, CancelWhileIdleClosesWithoutTraffic)
{
    DialogRun run(kTransferRead);
    TransferDialog dialog(run.port, run.ui, run.clock, run.shell, run.data);
    EXPECT_TRUE(dialog.CloseAllowed());
    EXPECT_TRUE(dialog.CancelPressed());
    EXPECT_TRUE(run.radio.Lines().empty());
    EXPECT_EQ(run.radio.ProbeCount(), 0);
}

TEST(TransferDialog, CancelDuringARunCancelsItAndTheCloseIsRefused)
{
    DialogRun run(kTransferRead);
    TransferDialog dialog(run.port, run.ui, run.clock, run.shell, run.data);
    const RadioImage before = run.data.RadioImage;
    bool refused = false;
    run.ui.OnPump = [&] {
        if (run.radio.Commands().size() == 40 && !run.shell.CancelFlag) {
            refused = !dialog.CloseAllowed();
            EXPECT_FALSE(dialog.CancelPressed());
        }
    };
    EXPECT_FALSE(dialog.OkPressed());
    EXPECT_TRUE(refused);
    EXPECT_EQ(run.radio.CanCount(), 1);
    EXPECT_EQ(run.data.RadioImage, before);
    EXPECT_TRUE(dialog.CloseAllowed());
}

TEST(TransferDialog, DebugMonitorTextsCostHalfASecondEachAndAreHiddenOtherwise)
{
    DialogRun quiet(kTransferClearDistress);
    TransferDialog quietDialog(quiet.port, quiet.ui, quiet.clock, quiet.shell, quiet.data);
    quietDialog.Load();
    ASSERT_TRUE(quietDialog.OkPressed());
    EXPECT_TRUE(quiet.ui.Monitor.empty());

    DialogRun debug(kTransferClearDistress);
    debug.shell.DebugMode = true;
    TransferDialog debugDialog(debug.port, debug.ui, debug.clock, debug.shell, debug.data);
    debugDialog.Load();
    ASSERT_TRUE(debugDialog.OkPressed());
    EXPECT_EQ(debug.ui.Monitor.front(), "starting at debug mode..");
    EXPECT_EQ(debug.ui.Monitor[1], "startsync...");
    EXPECT_NE(std::find(debug.ui.Monitor.begin(), debug.ui.Monitor.end(), "radio clear Distress..."),
              debug.ui.Monitor.end());
    EXPECT_EQ(debug.ui.PausedMs - quiet.ui.PausedMs, 500 * static_cast<long>(debug.ui.Monitor.size()));
}

TEST(TransferDialog, DebugModeTracesEveryByteOfTheLastFiveRuns)
{
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "kelpie-trace-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (int runNumber = 0; runNumber < 7; ++runNumber) {
        DialogRun run(kTransferClearDistress);
        run.shell.DebugMode = true;
        run.shell.ErrorLogPath = (folder / "err.log").string();
        TransferDialog dialog(run.port, run.ui, run.clock, run.shell, run.data);
        ASSERT_TRUE(dialog.OkPressed());
    }
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        files += entry.path().filename().string().starts_with("serial-trace.log") ? 1 : 0;
    }
    EXPECT_EQ(files, kSerialTraceRuns);
    std::ifstream trace(folder / "serial-trace.log");
    std::stringstream text;
    text << trace.rdbuf();
    const std::string dump = text.str();
    EXPECT_NE(dump.find("open COM1 (COM1) 9600,N,8,1: ok"), std::string::npos);
    EXPECT_NE(dump.find(" PC> 23 43 45 50 53 52 09 30 30 09 37 34 0D 0A"), std::string::npos);  // #CEPSR
    EXPECT_NE(dump.find(" <RD 23 43 4D 44 4F 4B 0D 0A"), std::string::npos);                    // #CMDOK
    EXPECT_NE(dump.find("#CEPWR.1E00.10.F\n"), std::string::npos);
}

}  // namespace
}  // namespace kelpie
