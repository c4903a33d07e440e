// Maintenance.h — clearing the radio's distress log.
#pragma once

#include <string_view>

#include "link/LinkContext.h"

namespace kelpie {

// The distress log in the image.
constexpr int kDistressLogFirst = 0x1E00;
constexpr int kDistressLogLast = 0x1FDF;

// The radio keeps the names of International channels 72 to 88 in the memory the clear erases.
constexpr std::string_view kDistressClearQuestion =
    "Clearing the distress log also erases the names of International channels 72 to 88: the radio "
    "keeps them in the same memory as the log.\n"
    "This data keeps its copy of the names; Program to Radio puts them back afterwards.\n\n"
    "Clear the distress log?";
constexpr std::string_view kDistressClearedText =
    "Complete!!\n\n"
    "The names of International channels 72 to 88 were erased with the log. Choose Program to Radio "
    "to put them back from this data.";

// Before anything is sent: a radio without a distress log is refused, and the user confirms that
// the clear erases channel names. False when the clear must not run; nothing was sent then.
bool ConfirmDistressClear(LinkContext& link);
// Writes the distress-log blocks 0x1E00..0x1FAF of the image to the radio.
void ClearDataDistress(LinkContext& link);
// The clear run: erased blocks are sent from the image, which then holds its own bytes again, so
// that the channel names sharing the log's memory can be programmed back.
bool RunClearDistress(LinkContext& link);

}  // namespace kelpie
