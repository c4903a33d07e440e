#include "link/Waits.h"

#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "link/Port.h"

namespace kelpie {
namespace {

using test::SimulatedLink;

Bytes B(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

// The port open with nothing on the other end but what a test injects.
struct ScriptedLink : SimulatedLink
{
    ScriptedLink() : SimulatedLink(5, SimulatorFaults{.Silent = true}) { port.Open(1, kLineSettings); }
};

TEST(Waits, ReadCharsEndsOnErrorInAnyCaseOrOnTheCount)
{
    struct Case
    {
        std::string_view received;
        int result;
        std::string text;
        int leftOver;
    };
    const Case cases[] = {
        {"ErrorX", kWaitRefused, "Error", 1},
        {"#CMDOK\r\n", kWaitDone, "#CMDOK", 2},
        {"#CEPDT\t0040", kWaitDone, "#CEPDT", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.received);
        ScriptedLink s;
        s.port.Inject(B(c.received));
        const WaitText got = ReadChars(s.link, 6, kReplyLimit);
        EXPECT_EQ(got.Result, c.result);
        EXPECT_EQ(got.Text, c.text);
        EXPECT_EQ(s.port.BytesWaiting(), c.leftOver);
    }
}

TEST(Waits, AcknowledgementSkipsOtherBytesBeforeItsLineEnd)
{
    struct Case
    {
        std::string_view received;
        int result;
    };
    const Case cases[] = {
        {"#CMDOK\r\n", kWaitDone},    {"#CMDOKxy\rz\n", kWaitDone},
        {"#CMDOK", kWaitInvalid},    // CR never comes
        {"#CMDOK\r", kWaitInvalid},  // LF never comes
        {"#cmdok\r\n", kWaitInvalid}, {"#CMDER\r\n", kWaitInvalid},
        {"ERROR", kWaitRefused},      {"", kWaitTimedOut},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.received);
        ScriptedLink s;
        s.shell.ErrorFlag = true;
        s.port.Inject(B(c.received));
        EXPECT_EQ(WaitCmdOk(s.link), c.result);
        EXPECT_EQ(s.shell.ErrorFlag, c.result != kWaitDone);
    }
}

TEST(Waits, SilentRadioTimesOutAtTheLimit)
{
    ScriptedLink s;
    const double start = s.clock.Now();
    EXPECT_EQ(WaitCmdOk(s.link), kWaitTimedOut);
    const double waited = s.clock.Now() - start;
    EXPECT_GT(waited, kReplyLimit);
    EXPECT_LT(waited, kReplyLimit + 0.1);
}

TEST(Waits, ByteArrivingWithinTheLimitEndsTheWaitAndOthersAreSkipped)
{
    ScriptedLink s;
    s.port.Inject(B("xyP"));
    EXPECT_EQ(WaitByte(s.link, 'P', 1), kWaitDone);
    ScriptedLink late;
    late.port.Inject(B("xy"));
    EXPECT_EQ(WaitByte(late.link, 'P', 1), kWaitTimedOut);
}

TEST(Waits, LineEndsWithCrLfAndAnythingElseAfterTheCrIsInvalid)
{
    struct Case
    {
        std::string_view received;
        int result;
        std::string text;
    };
    const Case cases[] = {
        {"OK\r\n", kWaitDone, "OK"},
        {"#CMDUN\r\n", kWaitDone, "#CMDUN"},
        {"OK\rX", kWaitInvalid, "OK"},
        {"OK", kWaitTimedOut, "OK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.received);
        ScriptedLink s;
        s.port.Inject(B(c.received));
        const WaitText got = ReadLine(s.link, 1);
        EXPECT_EQ(got.Result, c.result);
        EXPECT_EQ(got.Text, c.text);
    }
}

TEST(Waits, ReplyLineDropsWhateverFollowsTheCrUpToTheLf)
{
    ScriptedLink s;
    s.port.Inject(B("\t0040\t10\tAB\r junk\n#"));
    const WaitText got = ReadReplyLine(s.link, kReplyLimit);
    EXPECT_EQ(got.Result, kWaitDone);
    EXPECT_EQ(got.Text, "\t0040\t10\tAB");
    EXPECT_EQ(s.port.BytesWaiting(), 1);
}

TEST(Waits, EchoStopsAtTheFirstDifferingByteAndLeavesTheRestWaiting)
{
    ScriptedLink s;
    s.port.Inject(B("#CMXY\r\n"));
    WaitEcho(s.link, B("#CMDSY\r\n"));
    EXPECT_TRUE(s.shell.ErrorFlag);
    EXPECT_EQ(s.port.BytesWaiting(), 3);  // "Y" CR LF, after the differing "X"
}

TEST(Waits, CompleteEchoLowersErrorFlag)
{
    ScriptedLink s;
    s.port.Inject(B("#CMDSY\r\n"));
    WaitEcho(s.link, B("#CMDSY\r\n"));
    EXPECT_FALSE(s.shell.ErrorFlag);
}

TEST(Waits, RaisedCancelEndsAWaitInItsFirstPassButTheEchoLowersItFirst)
{
    ScriptedLink s;
    s.port.Inject(B("#CMDOK\r\n"));
    s.shell.CancelFlag = true;
    EXPECT_EQ(ReadChars(s.link, 6, kReplyLimit).Result, kWaitCancelled);
    EXPECT_EQ(s.ui.Pumps, 1);

    ScriptedLink echo;
    echo.port.Inject(B("#CMDOK\r\n"));
    echo.shell.CancelFlag = true;
    WaitEcho(echo.link, B("#CMDOK\r\n"));
    EXPECT_FALSE(echo.shell.CancelFlag);
    EXPECT_FALSE(echo.shell.ErrorFlag);
}

TEST(Waits, TransmissionPausesTenMillisecondsAndChecksItsEcho)
{
    SimulatedLink s;
    s.port.Open(1, kLineSettings);
    SendText(s.link, "#CMDOK");
    EXPECT_EQ(s.ui.PausedMs, kSendPauseMs);
    EXPECT_FALSE(s.shell.ErrorFlag);
    SendText8(s.link, "ACMD:02");
    EXPECT_EQ(s.ui.PausedMs, kSendPauseMs);  // not eight characters: nothing sent
    EXPECT_EQ(s.radio.Lines(), (std::vector<std::string>{"#CMDOK"}));
}

}  // namespace
}  // namespace kelpie
