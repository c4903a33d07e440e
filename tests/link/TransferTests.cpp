#include "link/Transfer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "LinkTestSupport.h"
#include "link/Handshake.h"
#include "link/Maintenance.h"
#include "link/TransferMaps.h"
#include "model/Models.h"

namespace kelpie {
namespace {

using test::OpenLink;
using Boxes = std::vector<test::RecordedMessage>;
using Texts = std::vector<std::string>;

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

// The image then carries the model code at 0x0040 and in its last word, as image files do, even
// from a radio of models 0–3 that holds another value at 0x0040.
TEST(Transfer, FullReadSendsItsRequestsInOrderAndTakesTheRadiosMemoryWithTheModelCode)
{
    for (auto [model, blocks] : {std::pair{5, 849u}, {1, 508u}}) {
        SCOPED_TRACE(model);
        OpenLink s(model);
        FillRadioMemory(s.radio);
        if (ModelCheckHeadAddress(model) != 0x0040) {
            s.radio.Memory()[0x0040] = 0x56;
        }
        s.data.RadioImage[0x0000] = 0x12;
        s.data.RadioImage[0x0001] = 0x34;
        const RadioImage before = s.data.RadioImage;
        const int last = s.radio.LastAddress();

        EXPECT_TRUE(RunRead(s.link));

        std::vector<int> expected = {ModelCheckHeadAddress(model), last - 1};
        for (int a = 0x0040; a < last; a += 16) {
            if (IsRead(a)) {
                expected.push_back(a);
            }
        }
        EXPECT_EQ(expected.size(), 2 + blocks);
        EXPECT_EQ(Addresses(s.radio, "#CEPRD"), expected);
        const std::uint16_t code = ModelOf(model).Code;
        for (int a = 0; a < kImageSize; ++a) {
            const bool codeWord = a == 0x0040 || a == 0x0041 || a == last - 1 || a == last;
            ASSERT_EQ(s.data.RadioImage[a], codeWord                 ? (a % 2 == 0 ? code >> 8 : code & 0xFF)
                                            : IsRead(a) && a <= last ? s.radio.Memory()[a]
                                                                     : before[a])
                << a;
        }
        EXPECT_TRUE(s.shell.TransferDone);
        EXPECT_EQ(s.ui.Messages, (Boxes{{"Complete!!", "Read from Radio", MessageIcon::Information}}));
        EXPECT_FALSE(s.port.IsOpen());
        EXPECT_FALSE(s.shell.BusyFlag);
        EXPECT_TRUE(std::ranges::is_sorted(s.ui.Progress));
        EXPECT_EQ(std::pair(s.ui.Progress.front(), s.ui.Progress.back()), std::pair(0, 100));
    }
}

bool Excluded(int address)
{
    return address == 0x0040 || address == 0x0041 || address == 0x00AE || address == 0x00AF ||
           (address >= 0x00B0 && address <= 0x00FF) || (address >= 0x0200 && address <= 0x02FF) ||
           address >= 0x3090;
}

TEST(Transfer, WriteSendsTheUsableBanksAndNeverWhatTheRadioKeeps)
{
    for (auto [model, usable, commands] : {std::tuple{5, 0x0F, 778}, {5, 0x08, 288}, {1, 0x0F, 513}}) {
        SCOPED_TRACE(commands);
        OpenLink s(model);
        s.link.Caption = "Program to Radio";
        s.data.RadioImage[0x005D] = static_cast<std::uint8_t>((s.data.RadioImage[0x005D] & 0xF0) | usable);
        for (int a = 0x0300; a < 0x3090; ++a) {
            s.data.RadioImage[a] = static_cast<std::uint8_t>(a);
        }
        EXPECT_TRUE(RunWrite(s.link));
        EXPECT_TRUE(s.shell.TransferDone);
        EXPECT_EQ(s.radio.CountLines("#CEPWR"), commands);
        for (const SimulatorCommand& command : s.radio.Commands()) {
            for (int a = command.Address; command.Word == "#CEPWR" && a < command.Address + command.Length;
                 ++a) {
                ASSERT_FALSE(Excluded(a)) << a;
                ASSERT_EQ(s.radio.Memory()[a], s.data.RadioImage[a]) << a;
            }
        }
        const int head = ModelCheckHeadAddress(model);
        EXPECT_EQ(Addresses(s.radio, "#CEPRD"),
                  (std::vector<int>{head, s.radio.LastAddress() - 1, 0x005A, 0x00A8}));
    }
}

TEST(Transfer, WriteTakesTheRadiosOwnBytesIntoTheImage)
{
    const std::tuple<std::uint8_t, std::uint8_t, std::uint8_t> cases[] = {{0x04, 0xF0, 0xF4},
                                                                          {0xFB, 0x04, 0x00}};
    for (const auto& [radio, image, merged] : cases) {
        SCOPED_TRACE(testing::Message() << int(radio) << " " << int(image));
        OpenLink s;
        s.radio.Memory()[0x00A8] = radio;
        s.radio.Memory()[0x005A] = 0x5C;
        s.data.RadioImage[0x00A8] = image;
        WriteData(s.link);
        EXPECT_FALSE(s.shell.ErrorFlag);
        EXPECT_EQ(s.data.RadioImage[0x00A8], merged);
        EXPECT_EQ(s.data.RadioImage[0x005A], 0x5C);
        EXPECT_EQ(s.radio.Memory()[0x00A8], merged);
    }
}

TEST(Transfer, ClearSends27BlocksOfErasedDistressLogAndTheImageKeepsItsBytes)
{
    OpenLink s(0);
    FillRadioMemory(s.radio);
    s.link.Caption = "Clear Distress Log Data";
    const RadioImage before = s.data.RadioImage;
    EXPECT_TRUE(RunClearDistress(s.link));
    std::vector<int> expected(27);
    std::ranges::generate(expected, [a = 0x1E00 - 16]() mutable { return a += 16; });
    EXPECT_EQ(Addresses(s.radio, "#CEPWR"), expected);
    for (int a = 0x1E00; a <= 0x1FDF; ++a) {
        ASSERT_EQ(s.radio.Memory()[a], a <= 0x1FAF ? 0xFF : static_cast<std::uint8_t>(a * 7 + 3));
    }
    EXPECT_EQ(s.data.RadioImage, before);
    EXPECT_TRUE(s.shell.TransferDone);
    EXPECT_EQ(
        s.ui.Messages,
        (Boxes{{std::string(kDistressClearedText), "Clear Distress Log Data", MessageIcon::Information}}));
}

TEST(Transfer, EveryFaultEndsTheReadWithItsMessageAndTheImageUntouched)
{
    const std::string failed = CommunicationErrorText("COM1");
    const std::string notReady = "Radio not ready!!";
    const std::string question = "confirm the synchronization of the communication";
    // What a run that went wrong shows and leaves in ErrorFlag. A radio that is not ready leaves
    // the flag as the last echo check did: lowered. The status replies and a failed model check are
    // pinned with the handshake.
    const std::tuple<const char*, SimulatorFaults, Texts, bool> cases[] = {
        {"reply never comes", {.NoReplyBlock = 10}, {"time out!!", failed}, true},
        {"reply too slow", {.ReplyDelay = 11}, {notReady}, false},
        {"wrong address", {.BadAddressBlock = 10}, {"address error!!", failed}, true},
        {"short data", {.ShortDataBlock = 10}, {"data error!!", failed}, true},
        {"non-hexadecimal data", {.BadHexBlock = 10}, {"data error!!", failed}, true},
        {"bad checksum", {.BadSumBlock = 10}, {failed}, true},
        {"wrong reply word", {.BadWordBlock = 10}, {failed}, true},
        {"not acknowledged", {.NoAckBlock = 10}, {failed}, true},
        {"hang-up", {.HangUpBlock = 300}, {failed}, true},
        {"refused", {.RefuseBlock = 10}, {question, failed}, true},
        // Byte 100 is in the PC's "#CMDOK" after the first data reply.
        {"wrong echo", {.BadEchoAt = 100}, {failed}, true},
        {"no echo", {.NoEcho = true}, {notReady}, true},
        {"silence", {.Silent = true}, {notReady}, true},
        {"model code", {.ModelCode = 0x1234}, {"ModelType Error !!"}, true},
    };
    for (const auto& [name, faults, messages, errorFlag] : cases) {
        SCOPED_TRACE(name);
        OpenLink s(5, faults);
        FillRadioMemory(s.radio);
        if (faults.ModelCode) {
            s.radio.WriteModelCode(*faults.ModelCode);
        }
        const RadioImage before = s.data.RadioImage;
        const double start = s.clock.Now();
        EXPECT_FALSE(RunRead(s.link));
        EXPECT_EQ(s.ui.MessageTexts(), messages);
        EXPECT_EQ(s.data.RadioImage, before);
        EXPECT_FALSE(s.shell.TransferDone);
        EXPECT_EQ(s.shell.ErrorFlag, errorFlag);
        EXPECT_FALSE(s.shell.CancelFlag);
        EXPECT_LT(s.clock.Now() - start, 1000.0);  // every wait ended within its limit
    }
}

TEST(Transfer, ReadFailureIsReportedUnderTheReadTitleAndLogged)
{
    OpenLink s(5, SimulatorFaults{.NoAckBlock = 20});
    const test::ErrorLog log(s.shell, "transfer-err.log");
    s.link.Caption = "Program to Radio";
    EXPECT_FALSE(RunRead(s.link));
    EXPECT_EQ(s.ui.Messages, Boxes{{CommunicationErrorText("COM1")}});
    EXPECT_THAT(log.FirstLine(), testing::HasSubstr(":frmRadio102.ReadData -> Communication Error!!"));
    EXPECT_EQ(Addresses(s.radio, "#CEPRD").size(), 20u);  // the walk stopped at the failing block
}

TEST(Transfer, SlowButTimelyRepliesStillComplete)
{
    OpenLink slow(1, SimulatorFaults{.ReplyDelay = 2});
    EXPECT_TRUE(RunRead(slow.link));
}

TEST(Transfer, CancelledOrFailedRunStopsAtItsCommandAndOnlyAReadSendsCan)
{
    using Run = bool (*)(LinkContext&);
    const Boxes failed = {{CommunicationErrorText("COM1"), "Program to Radio"}};
    // A write tells what the radio now holds after the first line.
    const auto broken = [](int upTo) {
        return Boxes{{CommunicationErrorText("COM1", PartlyProgrammedText(upTo, 0x3FFF)), "Program to Radio",
                      MessageIcon::Critical}};
    };
    const Boxes unchanged = {
        {"Programming was cancelled before anything was sent: the radio was not changed.", "Program to Radio",
         MessageIcon::Information}};
    const Boxes writeCancelled = {
        {"Programming was cancelled.\n" + PartlyProgrammedText(0x0100 + 16 * (50 - 38) + 15, 0x3FFF),
         "Program to Radio", MessageIcon::Exclamation}};
    // The command at which Cancel is clicked, or else the one that is never acknowledged; the
    // commands the radio saw, the CANs and the messages.
    const std::tuple<const char*, Run, int, int, int, Boxes> cases[] = {
        {"read cancelled", RunRead, 100, 100, 1, {}},
        // Commands 5–18 and 24–37 are single bytes, 19 is the block at 0x0050, 38 at 0x0100, 54 at 0x0300.
        {"write cancelled", RunWrite, 50, 50, 0, writeCancelled},
        // Cancelled at the radio's own bytes, before any block was sent.
        {"write cancelled at the radio's own bytes", RunWrite, 4, 4, 0, unchanged},
        // Commands: model check 1–2, own bytes 3–4, then 0x0042 is the fifth, in a single-byte block.
        {"write fails in a single-byte block", RunWrite, 0, 5, 0, broken(0x0042)},
        {"write fails", RunWrite, 0, 100, 0, broken(0x0300 + 16 * (100 - 54) + 15)},
        {"clear cancelled", RunClearDistress, 2 + 5, 2 + 5, 0, {}},
        {"clear fails", RunClearDistress, 0, 2 + 5, 0, failed},
    };
    for (const auto& [name, run, cancelAt, commands, cans, messages] : cases) {
        SCOPED_TRACE(name);
        OpenLink s(5, SimulatorFaults{.NoAckBlock = cancelAt ? 0 : commands});
        FillRadioMemory(s.radio);
        // Cancel is clicked once the radio has seen that many read or write requests.
        s.ui.OnPump = [&s, cancelAt] {
            s.shell.CancelFlag =
                s.shell.CancelFlag || (cancelAt && s.radio.Commands().size() >= std::size_t(cancelAt));
        };
        s.data.RadioImage[0x1E00] = 0x5A;  // a distress log entry that a clear erases
        const RadioImage before = s.data.RadioImage;
        EXPECT_FALSE(run(s.link));
        EXPECT_EQ(s.radio.Commands().size(), static_cast<std::size_t>(commands));
        EXPECT_EQ(s.radio.CanCount(), cans);
        EXPECT_EQ(s.ui.Messages, messages);
        EXPECT_EQ(s.shell.CancelFlag, cancelAt != 0);
        EXPECT_FALSE(s.shell.TransferDone);
        // Until a write completes, the shell keeps saying that the radio holds a mix.
        EXPECT_EQ(s.shell.PartlyProgrammed.empty(), run != RunWrite || commands <= 4);
        if (run != RunWrite) {  // a write has taken the radio's own bytes
            EXPECT_EQ(s.data.RadioImage, before);
        }
    }
}

}  // namespace
}  // namespace kelpie
