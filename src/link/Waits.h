// Waits.h — everything the link waits for: its own echo, a byte, characters, lines, "#CMDOK".
#pragma once

#include <cstdint>
#include <string>

#include "link/Framing.h"
#include "link/LinkContext.h"

namespace kelpie {

// The result of every receive operation.
enum WaitResult : int {
    kWaitDone = 0,
    kWaitCancelled = 1,
    kWaitTimedOut = 3,
    kWaitRefused = 8,   // the characters so far read "ERROR"
    kWaitInvalid = -1,  // something else arrived
};

// What a receive operation collected, with its result.
struct WaitText
{
    std::string Text;
    int Result;
};

// Limits in seconds.
constexpr double kEchoLimit = 100;
constexpr double kReplyLimit = 10;
constexpr double kLineEndLimit = 1;
// How long a cancelled run waits for the radio to answer the cancel byte: a cancel ends the run
// within a second even when nothing answers.
constexpr double kCancelAnswerLimit = 0.5;

// A cancel request stays until the run has ended: no wait lowers CancelFlag, and every wait ends
// with kWaitCancelled in its first pass after it was raised.

// Raises ErrorFlag, then reads the transmitted bytes back; lowers ErrorFlag only when all of them
// came back in order. Stops at the first byte that differs.
void WaitEcho(LinkContext& link, const Bytes& sent);
// Discards bytes until the expected one arrives.
int WaitByte(LinkContext& link, std::uint8_t expected, double limit);
// The radio's answer to the cancel byte: the same as WaitByte, but the cancel it answers does not
// end the wait.
int WaitCancelAnswer(LinkContext& link, std::uint8_t expected, double limit);
// count characters, or "ERROR" in any letter case.
WaitText ReadChars(LinkContext& link, int count, double limit);
// Characters up to CR (not included), then anything up to LF.
WaitText ReadReplyLine(LinkContext& link, double limit);
// Characters up to CR (not included); the byte after the CR must be LF.
WaitText ReadLine(LinkContext& link, double limit);
// The radio's acknowledgement "#CMDOK" CR LF; lowers ErrorFlag when it came.
int WaitCmdOk(LinkContext& link);

}  // namespace kelpie
