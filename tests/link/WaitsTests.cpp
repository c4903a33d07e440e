#include "link/Waits.h"

#include <gtest/gtest.h>

#include <utility>

#include "LinkTestSupport.h"

namespace kelpie {
namespace {

Bytes B(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// The port open with nothing on the other end but what a test injects.
struct ScriptedLink : test::OpenLink
{
    explicit ScriptedLink(std::string_view received = "") : OpenLink(5, SimulatorFaults{.Silent = true})
    {
        port.Inject(B(received));
    }
};

TEST(Waits, CharactersEndOnErrorInAnyCaseOrOnTheCountAndAReplyLineAtItsLineFeed)
{
    const std::tuple<bool, std::string_view, int, std::string, int> cases[] = {
        {false, "ErrorX", kWaitRefused, "Error", 1},
        {false, "#CMDOK\r\n", kWaitDone, "#CMDOK", 2},
        {false, "#CEPDT\t0040", kWaitDone, "#CEPDT", 5},
        {true, "\t0040\t10\tAB\r junk\n#", kWaitDone, "\t0040\t10\tAB", 1},  // up to the LF is dropped
    };
    for (const auto& [replyLine, received, result, text, leftOver] : cases) {
        SCOPED_TRACE(received);
        ScriptedLink s(received);
        const WaitText got =
            replyLine ? ReadReplyLine(s.link, kReplyLimit) : ReadChars(s.link, 6, kReplyLimit);
        EXPECT_EQ(got.Result, result);
        EXPECT_EQ(got.Text, text);
        EXPECT_EQ(s.port.BytesWaiting(), leftOver);
    }
}

TEST(Waits, AcknowledgementSkipsOtherBytesBeforeItsLineEnd)
{
    const std::pair<std::string_view, int> cases[] = {
        {"#CMDOK\r\n", kWaitDone},    {"#CMDOKxy\rz\n", kWaitDone},
        {"#CMDOK", kWaitInvalid},    // CR never comes
        {"#CMDOK\r", kWaitInvalid},  // LF never comes
        {"#cmdok\r\n", kWaitInvalid}, {"#CMDER\r\n", kWaitInvalid},
        {"ERROR", kWaitRefused},      {"", kWaitTimedOut},
    };
    for (const auto& [received, result] : cases) {
        SCOPED_TRACE(received);
        ScriptedLink s(received);
        s.shell.ErrorFlag = true;
        EXPECT_EQ(WaitCmdOk(s.link), result);
        EXPECT_EQ(s.shell.ErrorFlag, result != kWaitDone);
    }
}

TEST(Waits, SilentRadioTimesOutAtTheLimitAndAByteWithinItEndsTheWait)
{
    ScriptedLink s;
    const double start = s.clock.Now();
    EXPECT_EQ(WaitCmdOk(s.link), kWaitTimedOut);
    const double waited = s.clock.Now() - start;
    EXPECT_GT(waited, kReplyLimit);
    EXPECT_LT(waited, kReplyLimit + 0.1);

    ScriptedLink arrives("xyP");
    EXPECT_EQ(WaitByte(arrives.link, 'P', 1), kWaitDone);
    ScriptedLink never("xy");
    EXPECT_EQ(WaitByte(never.link, 'P', 1), kWaitTimedOut);
}

TEST(Waits, EchoStopsAtTheFirstDifferingByteAndLeavesTheRestWaiting)
{
    ScriptedLink s("#CMXY\r\n");
    WaitEcho(s.link, B("#CMDSY\r\n"));
    EXPECT_TRUE(s.shell.ErrorFlag);
    EXPECT_EQ(s.port.BytesWaiting(), 3);  // "Y" CR LF, after the differing "X"
}

TEST(Waits, RaisedCancelEndsEveryWaitInItsFirstPassAndStaysRaised)
{
    ScriptedLink s("#CMDOK\r\n");
    s.shell.CancelFlag = true;
    EXPECT_EQ(ReadChars(s.link, 6, kReplyLimit).Result, kWaitCancelled);
    EXPECT_EQ(s.ui.Pumps, 1);

    ScriptedLink echo("#CMDOK\r\n");
    echo.shell.CancelFlag = true;
    WaitEcho(echo.link, B("#CMDOK\r\n"));
    EXPECT_TRUE(echo.shell.CancelFlag);
    EXPECT_TRUE(echo.shell.ErrorFlag);
    EXPECT_EQ(echo.ui.Pumps, 1);

    // Only the wait for the radio's answer to the cancel goes on to its byte.
    ScriptedLink answer("x\x06");
    answer.shell.CancelFlag = true;
    EXPECT_EQ(WaitCancelAnswer(answer.link, kAck, kCancelAnswerLimit), kWaitDone);
    EXPECT_TRUE(answer.shell.CancelFlag);
}

TEST(Waits, EightCharacterTextOfAnotherLengthIsNotSent)
{
    test::OpenLink s;
    SendText8(s.link, "ACMD:02");
    EXPECT_EQ(s.ui.PausedMs, 0);
    EXPECT_TRUE(s.radio.Lines().empty());
}

}  // namespace
}  // namespace kelpie
