#include "link/Waits.h"

#include <optional>

namespace kelpie {

namespace {

// A pass with no byte waiting blocks on the port this long at most, so that a wait costs almost
// no processor time and answers a byte almost as soon as it arrives.
constexpr int kPollMs = 2;

// Whether a raised CancelFlag ends the wait: every wait but the one for the answer to the cancel.
enum class OnCancel {
    End,
    GoOn
};

// One wait: every pass lets the window handle its events, reads at most one byte and hands it to
// onByte (which may end the wait at once), then tests cancel, the deadline and completion, in
// that order.
template <typename OnByte, typename Completion>
int WaitLoop(LinkContext& link, double limit, OnByte onByte, Completion completion,
             OnCancel onCancel = OnCancel::End)
{
    const double deadline = link.Clock.Now() + limit;
    for (;;) {
        link.Ui.PumpEvents();
        if (link.Port.BytesWaiting() > 0 || link.Port.WaitReadable(kPollMs)) {
            const Bytes byte = link.Port.Read(1);
            if (!byte.empty()) {
                if (const std::optional<int> end = onByte(byte.front())) {
                    return *end;
                }
            }
        }
        if (link.Shell.CancelFlag && onCancel == OnCancel::End) {
            return kWaitCancelled;
        }
        if (link.Clock.Now() > deadline) {
            return kWaitTimedOut;
        }
        if (const std::optional<int> end = completion()) {
            return *end;
        }
    }
}

bool IsError(const std::string& text)
{
    if (text.size() != 5) {
        return false;
    }
    for (std::size_t i = 0; i < 5; ++i) {
        if ((text[i] & ~0x20) != "ERROR"[i]) {
            return false;
        }
    }
    return true;
}

const std::optional<int> kGoOn = std::nullopt;

// Characters up to a CR, which is not kept; each byte after it goes to afterCr, whose first answer
// ends the wait at the completion test.
template <typename AfterCr>
WaitText CollectLine(LinkContext& link, double limit, AfterCr afterCr)
{
    WaitText got{{}, kWaitDone};
    bool sawCr = false;
    std::optional<int> end;
    got.Result = WaitLoop(
        link, limit,
        [&](std::uint8_t byte) {
            if (sawCr) {
                end = end ? end : afterCr(byte);
            } else if (byte == kCr) {
                sawCr = true;
            } else {
                got.Text += static_cast<char>(byte);
            }
            return kGoOn;
        },
        [&]() { return end; });
    return got;
}

}  // namespace

void WaitEcho(LinkContext& link, const Bytes& sent)
{
    link.Shell.ErrorFlag = true;
    std::size_t matched = 0;
    const int result = WaitLoop(
        link, kEchoLimit,
        [&](std::uint8_t byte) -> std::optional<int> {
            if (matched < sent.size() && byte == sent[matched]) {
                ++matched;
                return kGoOn;
            }
            return kWaitInvalid;
        },
        [&]() -> std::optional<int> {
            return matched == sent.size() ? std::optional<int>(kWaitDone) : kGoOn;
        });
    if (result == kWaitDone) {
        link.Shell.ErrorFlag = false;
    }
}

namespace {

int WaitForByte(LinkContext& link, std::uint8_t expected, double limit, OnCancel onCancel)
{
    std::optional<std::uint8_t> last;
    return WaitLoop(
        link, limit,
        [&](std::uint8_t byte) {
            last = byte;
            return kGoOn;
        },
        [&]() { return last == expected ? std::optional<int>(kWaitDone) : kGoOn; }, onCancel);
}

}  // namespace

int WaitByte(LinkContext& link, std::uint8_t expected, double limit)
{
    return WaitForByte(link, expected, limit, OnCancel::End);
}

int WaitCancelAnswer(LinkContext& link, std::uint8_t expected, double limit)
{
    return WaitForByte(link, expected, limit, OnCancel::GoOn);
}

WaitText ReadChars(LinkContext& link, int count, double limit)
{
    WaitText got{{}, kWaitDone};
    got.Result = WaitLoop(
        link, limit,
        [&](std::uint8_t byte) {
            got.Text += static_cast<char>(byte);
            return kGoOn;
        },
        [&]() -> std::optional<int> {
            if (IsError(got.Text)) {
                return kWaitRefused;
            }
            return got.Text.size() >= static_cast<std::size_t>(count) ? std::optional<int>(kWaitDone) : kGoOn;
        });
    return got;
}

WaitText ReadReplyLine(LinkContext& link, double limit)
{
    return CollectLine(link, limit,
                       [](std::uint8_t byte) { return byte == kLf ? std::optional<int>(kWaitDone) : kGoOn; });
}

WaitText ReadLine(LinkContext& link, double limit)
{
    return CollectLine(link, limit, [](std::uint8_t byte) {
        return std::optional<int>(byte == kLf ? kWaitDone : kWaitInvalid);
    });
}

int WaitCmdOk(LinkContext& link)
{
    const WaitText reply = ReadChars(link, 6, kReplyLimit);
    if (reply.Result != kWaitDone) {
        return reply.Result;
    }
    if (reply.Text == "#CMDOK" && WaitByte(link, kCr, kLineEndLimit) == kWaitDone &&
        WaitByte(link, kLf, kLineEndLimit) == kWaitDone) {
        link.Shell.ErrorFlag = false;
        return kWaitDone;
    }
    return kWaitInvalid;
}

}  // namespace kelpie
