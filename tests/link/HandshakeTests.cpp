#include "link/Handshake.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "LinkTestSupport.h"
#include "link/Port.h"

namespace kelpie {
namespace {

using test::SimulatedLink;

std::vector<std::string> Texts(std::initializer_list<const char*> texts)
{
    return std::vector<std::string>(texts.begin(), texts.end());
}

TEST(Handshake, RadioThatNeverAnswersTheProbeStillSynchronises)
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
}

TEST(Handshake, AnsweredProbeIsFollowedByZero)
{
    SimulatedLink s;
    EXPECT_TRUE(StartSync(s.link));
    EXPECT_EQ(s.radio.ProbeCount(), 1);
    EXPECT_EQ(s.radio.Lines(), Texts({"ACMD:002", "#CMDSY", "#CMDSY"}));
    EXPECT_EQ(s.ui.PausedMs, 5 * kSendPauseMs + 1000);  // P, 0, ACMD, two #CMDSY; the adapter pause
}

TEST(Handshake, EachAnswerToTheAdapterCommand)
{
    struct Case
    {
        std::string answer;
        bool synchronised;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"OK\r\n", true, {}},
        {"#CMDUN\r\n", true, {}},
        {"", true, {}},
        {"OK\rX", true, {"error!!"}},
        {"ERROR\r\n", false, {"ACMD Command error!!"}},
        {"READY\r\n", false, {"error!!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        SimulatedLink s(5, SimulatorFaults{.AdapterAnswer = c.answer});
        EXPECT_EQ(StartSync(s.link), c.synchronised);
        EXPECT_EQ(s.ui.MessageTexts(), c.messages);
        EXPECT_EQ(s.radio.CountLines("#CMDSY"), c.synchronised ? 2 : 0);
        for (const test::RecordedMessage& m : s.ui.Messages) {
            EXPECT_EQ(m.Title, "Read from Radio");
            EXPECT_EQ(m.Icon, MessageIcon::Critical);
        }
    }
}

TEST(Handshake, UnacknowledgedSynchronisationFailsQuietly)
{
    SimulatedLink s(5, SimulatorFaults{.SyncSilent = true});
    s.shell.DebugMode = true;
    EXPECT_FALSE(StartSync(s.link));
    EXPECT_EQ(s.radio.CountLines("#CMDSY"), 2);  // a time-out fails one pass; the second is still made
    EXPECT_EQ(s.ui.Monitor.back(), "can'not Receive '#CMDOK' !!");
    EXPECT_TRUE(s.ui.Messages.empty());
}

TEST(Handshake, RefusedSynchronisationIsRetriedWithinTheRetryCount)
{
    SimulatedLink s(5, SimulatorFaults{.SyncRefusals = 1});
    s.shell.RetryCount = 2;
    EXPECT_TRUE(StartSync(s.link));
    EXPECT_EQ(s.radio.CountLines("#CMDSY"), 3);
}

TEST(Handshake, PortThatCannotBeOpenedNamesTheDeviceAndTheReason)
{
    SimulatedLink s;
    const std::string log = testing::TempDir() + "/handshake-err.log";
    std::remove(log.c_str());
    s.shell.DebugMode = true;
    s.shell.ErrorLogPath = log;
    s.shell.CommPort = 3;
    s.port.FailOpens(2, "No such file or directory");
    EXPECT_FALSE(StartSync(s.link));
    EXPECT_EQ(s.ui.MessageTexts(), Texts({"port inicialize error!!\nCOM3: No such file or directory"}));
    EXPECT_TRUE(s.radio.Lines().empty());
    std::ifstream file(log);
    std::string line;
    std::getline(file, line);
    EXPECT_NE(line.find(":frmRadio102.PortInit -> 2No such file or directory"), std::string::npos) << line;
}

TEST(Handshake, ReadyStatusIsAcknowledged)
{
    SimulatedLink s;
    s.shell.DebugMode = true;
    s.port.Open(1, kLineSettings);
    EXPECT_TRUE(StatusCheck(s.link));
    EXPECT_EQ(s.ui.Monitor, Texts({"status check..", "status check.. OK"}));
    EXPECT_EQ(s.radio.Lines().back(), "#CMDOK");
}

TEST(Handshake, StatusRefusedOnceWithRetryCountOneAsksToSynchroniseAgain)
{
    struct Case
    {
        MessageAnswer answer;
        bool ready;
        int syncs;
    };
    const Case cases[] = {{MessageAnswer::Ok, true, 2}, {MessageAnswer::Cancel, false, 0}};
    for (const Case& c : cases) {
        SimulatedLink s(5, SimulatorFaults{.StatusRefusals = 1});
        s.port.Open(1, kLineSettings);
        s.ui.Answers = {c.answer};
        EXPECT_EQ(StatusCheck(s.link), c.ready);
        ASSERT_EQ(s.ui.Messages.size(), 1u);
        const test::RecordedMessage& question = s.ui.Messages[0];
        EXPECT_EQ(question.Text, "confirm the synchronization of the communication");
        EXPECT_EQ(question.Icon, MessageIcon::Question);
        EXPECT_EQ(question.Buttons, MessageButtons::OkCancel);
        EXPECT_EQ(question.Title, "Read from Radio");
        EXPECT_EQ(s.radio.CountLines("#CMDSY"), c.syncs);
        EXPECT_EQ(s.radio.CountLines("#CEPSR"), c.ready ? 2 : 1);
    }
}

TEST(Handshake, StatusTimeOutWithRetryCountOneFailsWithoutAQuestion)
{
    SimulatedLink s(5, SimulatorFaults{.StatusNoAck = true});
    s.port.Open(1, kLineSettings);
    EXPECT_FALSE(StatusCheck(s.link));
    EXPECT_TRUE(s.ui.Messages.empty());
    EXPECT_EQ(s.radio.CountLines("#CEPSR"), 1);
}

TEST(Handshake, StatusReplyThatNeverComesIsATimeOut)
{
    SimulatedLink s(5, SimulatorFaults{.StatusNoReply = true});
    s.port.Open(1, kLineSettings);
    EXPECT_FALSE(StatusCheck(s.link));
    EXPECT_EQ(s.ui.MessageTexts(), Texts({"time out!!"}));
}

TEST(Handshake, BusyRadioIsAskedAgainOnRetryAndNotReadyOnCancel)
{
    SimulatedLink s(5, SimulatorFaults{.BusyReplies = 1});
    s.shell.DebugMode = true;
    s.port.Open(1, kLineSettings);
    s.ui.Answers = {MessageAnswer::Retry};
    EXPECT_TRUE(StatusCheck(s.link));
    ASSERT_EQ(s.ui.Messages.size(), 1u);
    EXPECT_EQ(s.ui.Messages[0].Text, "Radio is busy!!");
    EXPECT_EQ(s.ui.Messages[0].Icon, MessageIcon::Exclamation);
    EXPECT_EQ(s.ui.Messages[0].Buttons, MessageButtons::RetryCancel);
    EXPECT_EQ(s.ui.Monitor, Texts({"status check..", "status check..", "status check.. OK"}));

    SimulatedLink cancelled(5, SimulatorFaults{.BusyReplies = 1});
    cancelled.shell.DebugMode = true;
    cancelled.port.Open(1, kLineSettings);
    EXPECT_FALSE(StatusCheck(cancelled.link));
    EXPECT_EQ(cancelled.ui.Monitor, Texts({"status check..", "status check.. NG!!"}));
}

TEST(Handshake, StatusReplyWithAWrongWordOrChecksumIsAnsweredAndNotReady)
{
    SimulatedLink word(5, SimulatorFaults{.StatusBadWord = true});
    word.port.Open(1, kLineSettings);
    EXPECT_FALSE(StatusCheck(word.link));
    EXPECT_EQ(word.radio.Lines().back(), "#CMDUN");

    SimulatedLink sum(5, SimulatorFaults{.StatusBadSum = true});
    sum.port.Open(1, kLineSettings);
    EXPECT_FALSE(StatusCheck(sum.link));
    EXPECT_EQ(sum.radio.Lines().back(), "#CMDSM");
    EXPECT_TRUE(sum.ui.Messages.empty());
}

TEST(Handshake, ModelCheckComparesBothCodeWordsWithTheModel)
{
    struct Case
    {
        int model;
        int headAddress;
        std::uint16_t head;
        std::uint16_t tail;
        bool fits;
    };
    const Case cases[] = {
        {5, 0x0040, 0x00E6, 0x00E6, true},
        {5, 0x0000, 0x00E6, 0x00E6, false},  // the right words where models 0..3 keep them
        {0, 0x0000, 0x1D4C, 0x1D4C, true},
        {1, 0x0000, 0x00F0, 0x00F0, true},
        {2, 0x0000, 0x00E6, 0x00E6, false},  // equal, but another model's
        {4, 0x0040, 0x00DC, 0x00E6, false},  // the tail is wrong
        {4, 0x0040, 0x00E6, 0x00DC, false},  // the head is wrong
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "model " << c.model << " head at " << c.headAddress);
        SimulatedLink s(c.model);
        s.radio.WriteModelCode(0xFFFF);
        s.radio.Memory().SetWord(c.headAddress, c.head);
        s.radio.Memory().SetWord(s.radio.LastAddress() - 1, c.tail);
        s.link.Caption = "Program to Radio";
        s.port.Open(1, kLineSettings);
        ReadDataChkModel(s.link);
        EXPECT_EQ(s.shell.ErrorFlag, !c.fits);
        if (c.fits) {
            EXPECT_TRUE(s.ui.Messages.empty());
        } else {
            ASSERT_EQ(s.ui.Messages.size(), 1u);
            EXPECT_EQ(s.ui.Messages[0].Text, "ModelType Error !!");
            EXPECT_EQ(s.ui.Messages[0].Title, "Read from Radio");
        }
        ASSERT_GE(s.radio.Commands().size(), 1u);
        EXPECT_EQ(s.radio.Commands()[0].Address, ModelCheckHeadAddress(c.model));
    }
}

TEST(Handshake, ModelCheckThatCannotReadSaysSoUnderItsOwnTitle)
{
    SimulatedLink s(5, SimulatorFaults{.NoAckBlock = 2});
    s.port.Open(1, kLineSettings);
    ReadDataChkModel(s.link);
    EXPECT_TRUE(s.shell.ErrorFlag);
    ASSERT_EQ(s.ui.Messages.size(), 1u);
    EXPECT_EQ(s.ui.Messages[0].Text, "Communication Error!!");
    EXPECT_EQ(s.ui.Messages[0].Title, "Model Check");
    EXPECT_EQ(s.radio.Commands().back().Address, 0x3FFE);
}

TEST(Handshake, ModelCheckCancelledEndsWithoutAMessage)
{
    SimulatedLink s;
    s.port.Open(1, kLineSettings);
    s.CancelAtCommand(1);
    ReadDataChkModel(s.link);
    EXPECT_TRUE(s.shell.CancelFlag);
    EXPECT_TRUE(s.ui.Messages.empty());
    EXPECT_EQ(s.radio.Commands().size(), 1u);
}

}  // namespace
}  // namespace kelpie
