#include "link/Verify.h"

#include "link/Port.h"
#include "link/Transfer.h"
#include "link/TransferMaps.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/PreWriteCheck.h"

namespace kelpie {

ImageBits ProgramRunBits(const RadioImage& image, int lastAddress)
{
    ImageBits bits{};
    for (const MapEntry& entry : WriteMap(image, lastAddress)) {
        for (const BlockSend& send : entry.Sends) {
            std::fill_n(bits.begin() + send.Address, send.Length, 0xFF);
        }
    }
    bits[kRadioOwnedByte] = 0x00;
    bits[kOptionByte] = SetBit(bits[kOptionByte], kAccessCodeOnOffBit, false);
    return bits;
}

bool PrepareProgramRun(LinkContext& link, RadioData& data)
{
    try {
        EncodeImage(data);
    } catch (const EncodeOverflowError& error) {
        // The image is as it was; nothing may reach the radio.
        link.Shell.ErrorFlag = true;
        PortClose(link);
        ShowMessage(link, std::string("Data Error!!\n") + error.what(), link.Caption);
        return false;
    }
    PreWriteCheck(data);
    return true;
}

std::string NotComparedWithRadio(int modelIndex)
{
    if (!HasDsc(modelIndex)) {
        return {};
    }
    return std::string("The MMSI directories") +
           (HasAtisCallSigns(modelIndex) ? " and the ATIS call signs" : "") +
           " are not compared with the radio: Kelpie does not write them to it.";
}

std::string VerifyResultText(std::size_t differences)
{
    if (differences == 0) {
        return "The radio holds exactly this programming.";
    }
    return "The radio's programming differs from this data: " + std::to_string(differences) +
           (differences == 1 ? " difference." : " differences.");
}

bool RunVerify(LinkContext& link, VerifyOutcome& outcome)
{
    RadioData sent = link.Data;
    if (!PrepareProgramRun(link, sent)) {
        return false;
    }
    // Blocks the read map leaves out keep the data's bytes, as a read keeps the image's.
    outcome.Radio = link.Data;
    outcome.Differences.clear();
    const bool completed =
        RunChecked(link, "radio reading...", [&] { return ReadImageInto(link, outcome.Radio); }, {});
    if (!completed) {
        return false;
    }
    outcome.Differences =
        CompareBits(sent, outcome.Radio, ProgramRunBits(sent.RadioImage, sent.ImageLastAddress));
    return true;
}

}  // namespace kelpie
