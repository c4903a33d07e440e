#include "link/Transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "LinkTestSupport.h"
#include "link/Handshake.h"
#include "link/Maintenance.h"
#include "link/Port.h"
#include "link/TransferMaps.h"
#include "model/Models.h"

namespace kelpie {
namespace {

using test::SimulatedLink;

// A radio whose memory differs from the program's image in every byte it is asked about.
void FillRadioMemory(RadioSimulator& radio)
{
    for (int a = 0; a <= radio.LastAddress(); ++a) {
        radio.Memory()[a] = static_cast<std::uint8_t>(a * 7 + 3);
    }
    radio.WriteModelCode(ModelOf(radio.ModelIndex()).Code);
}

std::vector<int> Addresses(const RadioSimulator& radio, std::string_view word)
{
    std::vector<int> addresses;
    for (const SimulatorCommand& c : radio.Commands()) {
        if (c.Word == word) {
            addresses.push_back(c.Address);
        }
    }
    return addresses;
}

bool IsRead(int address)
{
    return address >= 0x0040 && (address <= 0x34FF || address >= 0x3FB0);
}

TEST(Transfer, FullReadSends849RequestsInOrderAndTakesTheRadiosMemory)
{
    SimulatedLink s;
    FillRadioMemory(s.radio);
    s.data.RadioImage[0x0000] = 0x12;
    s.data.RadioImage[0x0001] = 0x34;
    const RadioImage before = s.data.RadioImage;
    s.port.Open(1, kLineSettings);

    EXPECT_TRUE(RunRead(s.link));

    std::vector<int> reads = Addresses(s.radio, "#CEPRD");
    ASSERT_EQ(reads.size(), 2u + 849u);
    EXPECT_EQ(reads[0], 0x0040);  // the model check
    EXPECT_EQ(reads[1], 0x3FFE);
    reads.erase(reads.begin(), reads.begin() + 2);
    EXPECT_EQ(reads.front(), 0x0040);
    const auto gap = std::find(reads.begin(), reads.end(), 0x34F0);
    ASSERT_NE(gap, reads.end());
    EXPECT_EQ(*(gap + 1), 0x3FB0);
    EXPECT_EQ(reads.back(), 0x3FF0);
    EXPECT_TRUE(std::is_sorted(reads.begin(), reads.end()));
    for (int a = 0; a < kImageSize; ++a) {
        ASSERT_EQ(s.data.RadioImage[a], IsRead(a) ? s.radio.Memory()[a] : before[a]) << a;
    }
    EXPECT_TRUE(s.shell.TransferDone);
    EXPECT_EQ(s.ui.MessageTexts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(s.ui.Messages[0].Icon, MessageIcon::Information);
    EXPECT_FALSE(s.port.IsOpen());
    EXPECT_FALSE(s.shell.BusyFlag);
    EXPECT_EQ(s.ui.Progress.front(), 0);
    EXPECT_EQ(s.ui.Progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(s.ui.Progress.begin(), s.ui.Progress.end()));
}

TEST(Transfer, EightKilobyteModelReads508Blocks)
{
    SimulatedLink s(1);
    FillRadioMemory(s.radio);
    s.port.Open(1, kLineSettings);
    EXPECT_TRUE(RunRead(s.link));
    const std::vector<int> reads = Addresses(s.radio, "#CEPRD");
    EXPECT_EQ(reads.size(), 2u + 508u);
    EXPECT_EQ(reads[1], 0x1FFE);
    EXPECT_EQ(reads.back(), 0x1FF0);
    for (int a = 0x0040; a <= 0x1FFF; ++a) {
        ASSERT_EQ(s.data.RadioImage[a], s.radio.Memory()[a]) << a;
    }
}

TEST(Transfer, MapsCountTheCommandsOfEachImage)
{
    RadioImage all;
    all[0x005D] = 0x0F;
    RadioImage usaOnly;
    usaOnly[0x005D] = 0x08;
    EXPECT_EQ(CommandCount(ReadMap(0x3FFF)), 849);
    EXPECT_EQ(CommandCount(ReadMap(0x1FFF)), 508);
    EXPECT_EQ(CommandCount(WriteMap(all, 0x3FFF)), 778);
    EXPECT_EQ(CommandCount(WriteMap(usaOnly, 0x3FFF)), 288);
    EXPECT_EQ(CommandCount(WriteMap(all, 0x1FFF)), 513);
    EXPECT_EQ(ReadMap(0x3FFF).size(), 849u + 171u);
}

bool Excluded(int address)
{
    return address == 0x0040 || address == 0x0041 || address == 0x00AE || address == 0x00AF ||
           (address >= 0x00B0 && address <= 0x00FF) || (address >= 0x0200 && address <= 0x02FF) ||
           address >= 0x3090;
}

TEST(Transfer, WriteSendsTheUsableBanksAndNeverWhatTheRadioKeeps)
{
    struct Case
    {
        std::uint8_t usable;
        std::size_t commands;
    };
    for (const Case c : {Case{0x0F, 778}, Case{0x08, 288}}) {
        SCOPED_TRACE(c.commands);
        SimulatedLink s;
        s.link.Caption = "Program to Radio";
        s.data.RadioImage[0x005D] = static_cast<std::uint8_t>((s.data.RadioImage[0x005D] & 0xF0) | c.usable);
        for (int a = 0x0300; a < 0x3090; ++a) {
            s.data.RadioImage[a] = static_cast<std::uint8_t>(a);
        }
        s.port.Open(1, kLineSettings);
        EXPECT_TRUE(RunWrite(s.link));
        EXPECT_TRUE(s.shell.TransferDone);
        std::size_t writes = 0;
        for (const SimulatorCommand& command : s.radio.Commands()) {
            if (command.Word != "#CEPWR") {
                continue;
            }
            ++writes;
            for (int a = command.Address; a < command.Address + command.Length; ++a) {
                ASSERT_FALSE(Excluded(a)) << a;
                ASSERT_EQ(s.radio.Memory()[a], s.data.RadioImage[a]) << a;
            }
        }
        EXPECT_EQ(writes, c.commands);
        EXPECT_EQ(Addresses(s.radio, "#CEPRD"), (std::vector<int>{0x0040, 0x3FFE, 0x005A, 0x00A8}));
        EXPECT_EQ(s.ui.MessageTexts(), std::vector<std::string>{"Complete!!"});
    }
}

TEST(Transfer, WriteTakesTheRadiosOwnBytesIntoTheImage)
{
    struct Case
    {
        std::uint8_t radio;
        std::uint8_t image;
        std::uint8_t merged;
    };
    const Case cases[] = {{0x04, 0xF0, 0xF4}, {0x00, 0xF0, 0xF0}, {0xFB, 0x04, 0x00}, {0xFF, 0x00, 0x04}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.radio) << " " << int(c.image));
        SimulatedLink s;
        s.radio.Memory()[0x00A8] = c.radio;
        s.radio.Memory()[0x005A] = 0x5C;
        s.data.RadioImage[0x00A8] = c.image;
        s.port.Open(1, kLineSettings);
        WriteData(s.link);
        EXPECT_FALSE(s.shell.ErrorFlag);
        EXPECT_EQ(s.data.RadioImage[0x00A8], c.merged);
        EXPECT_EQ(s.data.RadioImage[0x005A], 0x5C);
        EXPECT_EQ(s.radio.Memory()[0x00A8], c.merged);
    }
}

TEST(Transfer, ClearSends27BlocksOfErasedDistressLog)
{
    SimulatedLink s;
    FillRadioMemory(s.radio);
    s.link.Caption = "Clear Distress Log Data";
    s.port.Open(1, kLineSettings);
    EXPECT_TRUE(RunClearDistress(s.link));
    std::vector<int> expected;
    for (int a = 0x1E00; a <= 0x1FA0; a += 16) {
        expected.push_back(a);
    }
    EXPECT_EQ(expected.size(), 27u);
    EXPECT_EQ(Addresses(s.radio, "#CEPWR"), expected);
    for (int a = 0x1E00; a <= 0x1FDF; ++a) {
        ASSERT_EQ(s.data.RadioImage[a], 0xFF);
        ASSERT_EQ(s.radio.Memory()[a], a <= 0x1FAF ? 0xFF : static_cast<std::uint8_t>(a * 7 + 3));
    }
    EXPECT_TRUE(s.shell.TransferDone);
    EXPECT_EQ(s.ui.MessageTexts(), std::vector<std::string>{"Complete!!"});
    EXPECT_EQ(s.ui.Messages[0].Title, "Clear Distress Log Data");
}

// What a run that went wrong shows and leaves in ErrorFlag. A radio that is not ready leaves the
// flag as the last echo check did: lowered.
struct FaultCase
{
    const char* name;
    SimulatorFaults faults;
    std::vector<std::string> messages;
    bool errorFlag;
};

std::vector<FaultCase> ReadFaults()
{
    const std::vector<std::string> commError = {"Communication Error!!"};
    const std::vector<std::string> notReady = {"Radio not ready!!"};
    const std::string question = "confirm the synchronization of the communication";
    return {
        {"reply never comes", {.NoReplyBlock = 10}, {"time out!!", "Communication Error!!"}, true},
        {"reply too slow", {.ReplyDelay = 11}, notReady, false},
        {"wrong address", {.BadAddressBlock = 10}, {"address error!!", "Communication Error!!"}, true},
        {"short data", {.ShortDataBlock = 10}, {"data error!!", "Communication Error!!"}, true},
        {"non-hexadecimal data", {.BadHexBlock = 10}, {"data error!!", "Communication Error!!"}, true},
        {"bad checksum", {.BadSumBlock = 10}, commError, true},
        {"wrong reply word", {.BadWordBlock = 10}, commError, true},
        {"not acknowledged", {.NoAckBlock = 10}, commError, true},
        {"hang-up", {.HangUpBlock = 300}, commError, true},
        {"refused", {.RefuseBlock = 10}, {question, "Communication Error!!"}, true},
        // Byte 100 is in the PC's "#CMDOK" after the first data reply.
        {"wrong echo", {.BadEchoAt = 100}, commError, true},
        {"no echo", {.NoEcho = true}, notReady, true},
        {"silence", {.Silent = true}, notReady, true},
        {"busy", {.BusyReplies = 1}, {"Radio is busy!!", "Radio not ready!!"}, false},
        {"model code", {.ModelCode = 0x00E7}, {"ModelType Error !!"}, true},
        {"status refused", {.StatusRefusals = 1}, {question, "Radio not ready!!"}, false},
        {"model check fails", {.NoAckBlock = 1}, commError, true},
    };
}

TEST(Transfer, EveryFaultEndsTheReadWithItsMessageAndTheImageUntouched)
{
    for (const FaultCase& c : ReadFaults()) {
        SCOPED_TRACE(c.name);
        SimulatedLink s(5, c.faults);
        FillRadioMemory(s.radio);
        if (c.faults.ModelCode) {
            s.radio.WriteModelCode(*c.faults.ModelCode);
        }
        const RadioImage before = s.data.RadioImage;
        s.port.Open(1, kLineSettings);
        const double start = s.clock.Now();
        EXPECT_FALSE(RunRead(s.link));
        EXPECT_EQ(s.ui.MessageTexts(), c.messages);
        EXPECT_EQ(s.data.RadioImage, before);
        EXPECT_FALSE(s.shell.TransferDone);
        EXPECT_EQ(s.shell.ErrorFlag, c.errorFlag);
        EXPECT_FALSE(s.shell.CancelFlag);
        EXPECT_LT(s.clock.Now() - start, 1000.0);  // every wait ended within its limit
    }
}

TEST(Transfer, ReadFailureIsReportedUnderTheReadTitleAndLogged)
{
    SimulatedLink s(5, SimulatorFaults{.NoAckBlock = 20});
    const std::string log = testing::TempDir() + "/transfer-err.log";
    std::remove(log.c_str());
    s.shell.DebugMode = true;
    s.shell.ErrorLogPath = log;
    s.link.Caption = "Program to Radio";
    s.port.Open(1, kLineSettings);
    EXPECT_FALSE(RunRead(s.link));
    ASSERT_FALSE(s.ui.Messages.empty());
    EXPECT_EQ(s.ui.Messages.back().Title, "Read from Radio");
    EXPECT_EQ(s.ui.Messages.back().Icon, MessageIcon::Critical);
    std::ifstream file(log);
    std::string line;
    std::getline(file, line);
    EXPECT_NE(line.find(":frmRadio102.ReadData -> Communication Error!!"), std::string::npos) << line;
    EXPECT_EQ(Addresses(s.radio, "#CEPRD").size(), 20u);  // the walk stopped at the failing block
}

TEST(Transfer, SlowRepliesWithinTheLimitStillComplete)
{
    SimulatedLink s(1, SimulatorFaults{.ReplyDelay = 2});
    FillRadioMemory(s.radio);
    s.port.Open(1, kLineSettings);
    EXPECT_TRUE(RunRead(s.link));
}

TEST(Transfer, RefusedBlockIsReadAfterASecondSynchronisation)
{
    SimulatedLink s(5, SimulatorFaults{.RefuseBlock = 10});
    FillRadioMemory(s.radio);
    s.ui.Answers = {MessageAnswer::Ok};
    s.port.Open(1, kLineSettings);
    EXPECT_TRUE(RunRead(s.link));
    EXPECT_EQ(s.radio.CountLines("#CMDSY"), 2);
    EXPECT_EQ(s.data.RadioImage[0x3000], s.radio.Memory()[0x3000]);
}

TEST(Transfer, CancelledReadSendsCanAndLeavesTheImage)
{
    SimulatedLink s;
    FillRadioMemory(s.radio);
    const RadioImage before = s.data.RadioImage;
    s.port.Open(1, kLineSettings);
    s.CancelAtCommand(100);
    EXPECT_FALSE(RunRead(s.link));
    EXPECT_EQ(s.radio.CanCount(), 1);
    EXPECT_EQ(s.radio.Commands().size(), 100u);
    EXPECT_TRUE(s.shell.CancelFlag);
    EXPECT_TRUE(s.ui.Messages.empty());
    EXPECT_EQ(s.data.RadioImage, before);
    EXPECT_FALSE(s.shell.TransferDone);
}

TEST(Transfer, WriteStopsAtTheFirstUnacknowledgedCommandEvenInsideASingleByteBlock)
{
    // Commands: model check 1–2, own bytes 3–4, then 0x0042 is the fifth.
    for (int block : {5, 100}) {
        SCOPED_TRACE(block);
        SimulatedLink s(5, SimulatorFaults{.NoAckBlock = block});
        s.link.Caption = "Read from Radio";
        s.port.Open(1, kLineSettings);
        EXPECT_FALSE(RunWrite(s.link));
        EXPECT_EQ(s.radio.Commands().size(), static_cast<std::size_t>(block));
        EXPECT_EQ(s.ui.MessageTexts(), std::vector<std::string>{"Communication Error!!"});
        EXPECT_EQ(s.ui.Messages[0].Title, "Program to Radio");
        EXPECT_FALSE(s.shell.TransferDone);
    }
}

TEST(Transfer, CancelledWriteStopsQuietly)
{
    SimulatedLink s;
    s.port.Open(1, kLineSettings);
    s.CancelAtCommand(50);
    EXPECT_FALSE(RunWrite(s.link));
    EXPECT_EQ(s.radio.Commands().size(), 50u);
    EXPECT_TRUE(s.ui.Messages.empty());
    EXPECT_EQ(s.radio.CanCount(), 0);
}

TEST(Transfer, FailedOrCancelledClearPutsTheImageBack)
{
    for (bool cancel : {false, true}) {
        SCOPED_TRACE(cancel);
        SimulatedLink s(5, SimulatorFaults{.NoAckBlock = cancel ? 0 : 2 + 5});
        const RadioImage before = s.data.RadioImage;
        s.port.Open(1, kLineSettings);
        if (cancel) {
            s.CancelAtCommand(2 + 5);
        }
        EXPECT_FALSE(RunClearDistress(s.link));
        EXPECT_EQ(s.data.RadioImage, before);
        EXPECT_EQ(Addresses(s.radio, "#CEPWR").size(), 5u);
        EXPECT_EQ(s.ui.MessageTexts(),
                  cancel ? std::vector<std::string>{} : std::vector<std::string>{"Communication Error!!"});
        EXPECT_FALSE(s.shell.TransferDone);
    }
}

TEST(Transfer, ModelCheckOnAPortThatCannotBeOpenedFailsAndSaysWhy)
{
    SimulatedLink s;
    s.port.FailOpens(13, "Permission denied");
    ReadDataChkModel(s.link);
    EXPECT_TRUE(s.shell.ErrorFlag);
    EXPECT_EQ(s.ui.MessageTexts(),
              std::vector<std::string>{"port inicialize error!!\nCOM1: Permission denied"});
}

}  // namespace
}  // namespace kelpie
