// PreWriteCheck.h — makes the radio's current-channel pointers and preset lists in the image point
// at channels that exist, before the image is written to a radio or saved as a hex file.
#pragma once

#include "model/RadioData.h"

namespace kelpie {

// Runs on the image after EncodeImage.
void PreWriteCheck(RadioData& data);

}  // namespace kelpie
