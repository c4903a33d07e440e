// LinkUi.h — what the radio link asks of the window it runs in: the transfer dialog, or a console.
#pragma once

#include <string>
#include <string_view>

#include "model/MessageBox.h"

namespace kelpie {

class LinkUi
{
public:
    virtual ~LinkUi() = default;

    // The debug monitor line.
    virtual void ShowMonitor(std::string_view text) = 0;
    // The progress bar, 0..100.
    virtual void ShowProgress(int percent) = 0;
    // Lets the window system handle pending events: this is how Cancel reaches a running wait.
    virtual void PumpEvents() = 0;
    // Waits without dispatching window events; a click on Cancel meanwhile is taken by the next
    // transmission or wait. A console may cut the pause short when a cancel is pending.
    virtual void Pause(int milliseconds) = 0;
    // A modal message box. OK is the default button of Ok and OkCancel, Cancel that of RetryCancel.
    virtual MessageAnswer Message(std::string_view text, std::string_view title, MessageIcon icon,
                                  MessageButtons buttons) = 0;
    // Running: OK and Help disabled and the wait cursor shown; idle: the reverse.
    virtual void SetRunning(bool running) = 0;
    // What the run is waiting for while the radio does not answer; empty once it answers again.
    virtual void ShowWaiting(std::string_view text) = 0;
};

}  // namespace kelpie
