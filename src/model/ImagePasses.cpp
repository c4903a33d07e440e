// ImagePasses.cpp — decode, encode and reset over the whole model, in the radio's fixed order.
#include "model/ImagePasses.h"

#include <algorithm>

#include "model/ChannelCodec.h"
#include "model/ChannelFields.h"
#include "model/DefaultBanks.h"
#include "model/DirectoryCodec.h"
#include "model/FreshImage.h"
#include "model/Models.h"
#include "model/SettingsCodec.h"
#include "model/UnsentEntries.h"

namespace kelpie {

namespace {

// A group without a single enabled channel is not offered as usable.
void ClearUnusedGroups(RadioData& data)
{
    for (int g = 0; g < kGroupCount; ++g) {
        const ChannelBank& bank = data.*GroupLayout(g).Records;
        if (std::ranges::none_of(bank, &ChannelRecord::Enable)) {
            data.UsableGroups[static_cast<std::size_t>(g)].Enable = false;
        }
    }
}

void EncodeAll(RadioData& data)
{
    const int model = data.ModelIndex;
    if (ClearsUnusedGroups(model)) {
        ClearUnusedGroups(data);
    }
    // The usable groups go before the DSC setup: on the DSC models the User MMSI then overwrites
    // the Backup bytes it shares.
    EncodeUsableGroups(data);
    EncodeCommonSetup(data);
    if (HasDsc(model)) {
        EncodeDscBasic(data);
        EncodeDscAdvanced(data);
        EncodeDscDisplay(data);
    }
    EncodeAtisCommon(data);
    if (HasAtisCallSigns(model)) {
        EncodeAtisCallSigns(data);
    }
    EncodeUsaBank(data);
    EncodeIntlBank(data);
    EncodeCanadaBank(data);
    EncodeWxBank(data);
    if (HasDsc(model)) {
        EncodeDirectory(data.RadioImage, data.IndividualDirectory, kIndividualDirectoryStart);
        EncodeDirectory(data.RadioImage, data.GroupDirectory, kGroupDirectoryStart);
    }
    EncodeExpBank(data);
}

}  // namespace

void BuildFreshImage(RadioData& data)
{
    WriteFreshImage(data);
    DecodeSettings(data);
}

void DecodeSettings(RadioData& data)
{
    const int model = data.ModelIndex;
    DecodeUsableGroups(data);
    DecodeCommonSetup(data);
    if (HasDsc(model)) {
        DecodeDscBasic(data);
        DecodeDscAdvanced(data);
        DecodeDscDisplay(data);
    }
    DecodeAtisCommon(data);
    if (HasAtisCallSigns(model)) {
        DecodeAtisCallSigns(data);
    }
}

void DecodeImage(RadioData& data)
{
    DecodeSettings(data);
    DecodeUsaBank(data);
    DecodeIntlBank(data);
    DecodeCanadaBank(data);
    DecodeWxBank(data);
    if (HasDsc(data.ModelIndex)) {
        DecodeDirectory(data.RadioImage, data.IndividualDirectory, kIndividualDirectoryStart);
        DecodeDirectory(data.RadioImage, data.GroupDirectory, kGroupDirectoryStart);
    }
    DecodeExpBank(data);
    KeepEntriesAsLoaded(data);
}

void EncodeImage(RadioData& data)
{
    // Encode into the image, but put it back as it was if a value does not fit: a half-encoded
    // image must never reach a radio or a file.
    const RadioImage before = data.RadioImage;
    try {
        EncodeAll(data);
    } catch (...) {
        data.RadioImage = before;
        throw;
    }
}

void ResetEditModel(RadioData& data)
{
    // Every record starts from scratch, so nothing of a previous model or file survives a reset.
    data = RadioData(data.ModelIndex);
    data.UsaChannels = BuildMarineBank(UsaRegionTable());
    data.IntlChannels = BuildMarineBank(IntlRegionTable());
    data.CanadaChannels = BuildMarineBank(CanadaRegionTable());
    data.WxChannels = BuildWxBank();
    ClearDirectory(data.IndividualDirectory);
    ClearDirectory(data.GroupDirectory);
    BuildFreshImage(data);
    DecodeExpBank(data);
    EncodeImage(data);
    KeepEntriesAsLoaded(data);
}

}  // namespace kelpie
