// Port.h — opening the port, and every transmission with its pause and echo check.
#pragma once

#include <cstdint>
#include <string_view>

#include "link/Framing.h"
#include "link/LinkContext.h"

namespace kelpie {

constexpr std::string_view kLineSettings = "9600,N,8,1";
// Every transmission waits this long before it starts.
constexpr int kSendPauseMs = 10;

// Closes the port if open, opens it on CommPort and shows its settings on the monitor. PortInit and
// PortInitCP are one operation under two names; they differ only in the place they log failures at.
bool PortInit(LinkContext& link);
bool PortInitCP(LinkContext& link);
// Opens the port unless it is open already.
bool PortOpen(LinkContext& link);
void PortClose(LinkContext& link);
// Discards every waiting byte.
void FlushInput(LinkContext& link);

// Each transmission pauses, transmits and checks the echo (outcome in ErrorFlag). Once the run was
// cancelled nothing is transmitted, and ErrorFlag is raised.
// True when the frame went out.
bool SendFrame(LinkContext& link, const Bytes& frame);
// The text followed by CR LF.
void SendText(LinkContext& link, std::string_view text);
// The adapter command: sent only when the text is exactly eight characters long.
void SendText8(LinkContext& link, std::string_view text);
// A single byte, after discarding what is waiting.
void SendByte(LinkContext& link, std::uint8_t byte);
// The one byte a cancelled run still sends, after discarding what is waiting: it tells the radio
// of the cancel. Its echo is left to the wait for the radio's answer.
void SendCancelByte(LinkContext& link, std::uint8_t byte);

// In debug mode: the text on the monitor line, then a 500 ms pause. Otherwise nothing.
void ShowMonitor(LinkContext& link, std::string_view text);

// A message box with an OK button.
void ShowMessage(LinkContext& link, std::string_view text, std::string_view title,
                 MessageIcon icon = MessageIcon::Critical);
// A critical message titled with the dialog's caption.
void ShowCritical(LinkContext& link, std::string_view text);
// "cancel!!" for a cancelled wait, "time out!!" for one that timed out; nothing otherwise.
void ShowWaitFailure(LinkContext& link, int result);

}  // namespace kelpie
