// LinkContext.h — everything one conversation with the radio works on, passed to every step.
#pragma once

#include <string>

#include "link/Clock.h"
#include "link/LinkUi.h"
#include "link/SerialPort.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

struct LinkContext
{
    SerialPort& Port;
    LinkUi& Ui;
    kelpie::Clock& Clock;
    ShellState& Shell;
    RadioData& Data;
    std::string Caption;         // the transfer dialog's caption: the title of most of the link's messages
    int UnansweredAttempts = 0;  // attempts in a row that the radio left unanswered
    int WrittenUpTo = -1;        // the last address a write run has sent to the radio; -1: nothing
};

}  // namespace kelpie
