// Maintenance.h — clearing the radio's distress log.
#pragma once

#include "link/LinkContext.h"

namespace kelpie {

// The distress log in the image.
constexpr int kDistressLogFirst = 0x1E00;
constexpr int kDistressLogLast = 0x1FDF;

// Writes the distress-log blocks 0x1E00..0x1FAF of the image to the radio.
void ClearDataDistress(LinkContext& link);
// The clear run: the image's distress log erased and written; on failure the image is put back.
bool RunClearDistress(LinkContext& link);

}  // namespace kelpie
