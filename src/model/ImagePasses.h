// ImagePasses.h — the whole-model passes that keep the image and the edit model in step.
#pragma once

#include "model/RadioData.h"

namespace kelpie {

// The fresh image of data.ModelIndex (see WriteFreshImage), then DecodeSettings over it.
void BuildFreshImage(RadioData& data);

// Usable groups, common setup, DSC (models with DSC) and ATIS records from the image.
void DecodeSettings(RadioData& data);

// Every record from the image, after the image was replaced (radio read, hex file, default image);
// the directories and call signs then count as loaded.
void DecodeImage(RadioData& data);

// Every record into the image, before the image leaves the program. A value that does not fit its
// field throws EncodeOverflowError and leaves the image exactly as it was.
void EncodeImage(RadioData& data);

// The starting contents for data.ModelIndex: region default channels, the weather bank from the
// plan, empty directories, the fresh image, bank E from it, and everything encoded.
void ResetEditModel(RadioData& data);

}  // namespace kelpie
