#include "link/Handshake.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "LinkTestSupport.h"

namespace kelpie {
namespace {

using test::OpenLink;
using test::RecordedMessage;
using test::SimulatedLink;
using Texts = std::vector<std::string>;
using Boxes = std::vector<RecordedMessage>;

TEST(Handshake, RadioSynchronisesWhetherOrNotItAnswersTheProbe)
{
    SimulatedLink s(5, SimulatorFaults{.NoProbeAnswer = true});
    s.shell.DebugMode = true;
    EXPECT_TRUE(StartSync(s.link));
    EXPECT_EQ(s.radio.ProbeCount(), 3);
    EXPECT_EQ(s.radio.CountLines("#CMDSY"), 2);
    EXPECT_TRUE(s.port.IsOpen());
    EXPECT_EQ(s.port.OpenCount(), 2);  // PortInit and PortInitCP
    EXPECT_EQ(s.ui.Monitor, Texts({"9600,N,8,1", "sync failed!!", "sending 'ACMD:002'...", "9600,N,8,1",
                                   "sending '#CMDSY'...(1)", "sending '#CMDSY'...(2)"}));
    EXPECT_TRUE(s.ui.Messages.empty());

    SimulatedLink answered;  // the answer is followed by "0"
    EXPECT_TRUE(StartSync(answered.link));
    EXPECT_EQ(answered.radio.ProbeCount(), 1);
    EXPECT_EQ(answered.radio.Lines(), Texts({"ACMD:002", "#CMDSY", "#CMDSY"}));
    EXPECT_EQ(answered.ui.PausedMs, 5 * kSendPauseMs + 1000);  // P, 0, ACMD, two #CMDSY; the adapter pause
}

TEST(Handshake, EachAnswerToTheAdapterCommandAndEachSynchronisationThatFails)
{
    const std::tuple<SimulatorFaults, bool, Boxes, int> cases[] = {
        {{.AdapterAnswer = "OK\r\n"}, true, {}, 2},
        {{.AdapterAnswer = "#CMDUN\r\n"}, true, {}, 2},
        {{.AdapterAnswer = ""}, true, {}, 2},
        {{.AdapterAnswer = "OK\rX"}, true, {{"error!!"}}, 2},
        {{.AdapterAnswer = "ERROR\r\n"}, false, {{"ACMD Command error!!"}}, 0},
        {{.AdapterAnswer = "READY\r\n"}, false, {{"error!!"}}, 0},
        // A time-out fails one pass; the second is still made.
        {{.SyncSilent = true}, false, {{std::string(kNotSynchronisedText)}}, 2},
        {{.Silent = true}, false, {{std::string(kNothingAnsweredText)}}, 0},
    };
    for (const auto& [faults, synchronised, messages, syncs] : cases) {
        SCOPED_TRACE(testing::Message() << faults.AdapterAnswer << " " << syncs);
        SimulatedLink s(5, faults);
        s.shell.DebugMode = true;
        EXPECT_EQ(StartSync(s.link), synchronised);
        EXPECT_EQ(s.ui.Messages, messages);
        EXPECT_EQ(s.radio.CountLines("#CMDSY"), syncs);
        if (faults.SyncSilent) {
            EXPECT_EQ(s.ui.Monitor.back(), "can'not Receive '#CMDOK' !!");
        }
    }

    SimulatedLink refused(5, SimulatorFaults{.SyncRefusals = 1});  // retried with a second attempt allowed
    refused.shell.RetryCount = 2;
    EXPECT_TRUE(StartSync(refused.link));
    EXPECT_EQ(refused.radio.CountLines("#CMDSY"), 3);
}

TEST(Handshake, PortThatCannotBeOpenedNamesTheDeviceAndTheReason)
{
    SimulatedLink s;
    const test::ErrorLog log(s.shell, "handshake-err.log");
    s.shell.CommPort = 3;
    s.port.FailOpens(2, "No such file or directory");
    EXPECT_FALSE(StartSync(s.link));
    EXPECT_EQ(s.ui.MessageTexts(), Texts({"Port initialization error!!\nCOM3: No such file or directory"}));
    EXPECT_TRUE(s.radio.Lines().empty());
    EXPECT_THAT(log.FirstLine(), testing::HasSubstr(":frmRadio102.PortInit -> 2No such file or directory"));
}

TEST(Handshake, EachStatusReplyAndTheAnswersToItsQuestions)
{
    using enum MessageAnswer;
    const RecordedMessage busy = {"Radio is busy!!", "Read from Radio", MessageIcon::Exclamation,
                                  MessageButtons::RetryCancel};
    const RecordedMessage resync = {"confirm the synchronization of the communication", "Read from Radio",
                                    MessageIcon::Question, MessageButtons::OkCancel};
    const std::string request = "#CEPSR\t00\t74";
    // the reply's fault, the answer to the question asked if any, ready, the boxes, the last line sent,
    // the status requests and how the monitor's status line ends
    const std::tuple<SimulatorFaults, MessageAnswer, bool, Boxes, std::string, int, std::string> cases[] = {
        {{}, Cancel, true, {}, "#CMDOK", 1, " OK"},
        {{.BusyReplies = 1}, Retry, true, {busy}, "#CMDOK", 2, " OK"},
        {{.BusyReplies = 1}, Cancel, false, {busy}, "#CMDOK", 1, " NG!!"},
        // With RetryCount 1 a refusal asks at once whether to synchronise again.
        {{.StatusRefusals = 1}, Ok, true, {resync}, "#CMDOK", 2, " OK"},
        {{.StatusRefusals = 1}, Cancel, false, {resync}, request, 1, ""},
        {{.StatusNoAck = true}, Cancel, false, {}, request, 1, ""},
        {{.StatusNoReply = true}, Cancel, false, {{"time out!!"}}, request, 1, " NG!!"},
        {{.StatusBadWord = true}, Cancel, false, {}, "#CMDUN", 1, " NG!!"},
        {{.StatusBadSum = true}, Cancel, false, {}, "#CMDSM", 1, " NG!!"},
    };
    int row = 0;
    for (const auto& [faults, answer, ready, messages, lastSent, requests, monitorEnd] : cases) {
        SCOPED_TRACE(row++);
        OpenLink s(5, faults);
        s.shell.DebugMode = true;
        s.ui.Answers = {answer};
        EXPECT_EQ(StatusCheck(s.link), ready);
        EXPECT_EQ(s.ui.Messages, messages);
        EXPECT_EQ(s.radio.Lines().back(), lastSent);
        EXPECT_EQ(s.radio.CountLines("#CEPSR"), requests);
        EXPECT_EQ(s.radio.CountLines("#CMDSY"), faults.StatusRefusals && ready ? 2 : 0);
        EXPECT_EQ(s.ui.Monitor.back(), "status check.." + monitorEnd);
    }
}

TEST(Handshake, ModelCheckThatCannotReadOrIsCancelledStops)
{
    OpenLink failed(5, SimulatorFaults{.NoAckBlock = 2});
    ReadDataChkModel(failed.link);
    EXPECT_TRUE(failed.shell.ErrorFlag);
    EXPECT_EQ(failed.ui.Messages, (Boxes{{CommunicationErrorText("COM1"), "Model Check"}}));
    EXPECT_EQ(failed.radio.Commands().back().Address, 0x3FFE);

    SimulatedLink closed;  // the port cannot be opened
    closed.port.FailOpens(13, "Permission denied");
    ReadDataChkModel(closed.link);
    EXPECT_TRUE(closed.shell.ErrorFlag);
    EXPECT_EQ(closed.ui.MessageTexts(), Texts{"Port initialization error!!\nCOM1: Permission denied"});
}

}  // namespace
}  // namespace kelpie
