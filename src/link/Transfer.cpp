#include "link/Transfer.h"

#include <cmath>

#include "files/ErrorLog.h"
#include "link/Handshake.h"
#include "link/Port.h"
#include "link/TransferMaps.h"
#include "link/Waits.h"
#include "model/DirectoryCodec.h"
#include "model/FreshImage.h"
#include "model/ImageLayout.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {

namespace {

constexpr int kCompletePauseMs = 500;
// Bytes the radio keeps to itself: the image takes them from the radio before a write.
constexpr auto kAccessCodeOnOff = static_cast<std::uint8_t>(1u << kAccessCodeOnOffBit);
// The progress shown after the radio's own bytes were read.
constexpr int kAfterOwnBytesProgress = 32;
// A read leaves the first two image bytes alone: they are not the radio's programming.
constexpr int kFirstReadCopied = 0x0002;

}  // namespace

namespace {

// The port closed; true when the walk failed for another reason than a cancel, which is then
// logged under place.
bool EndWalk(LinkContext& link, std::string_view place)
{
    PortClose(link);
    if (link.Shell.CancelFlag) {
        return false;
    }
    if (!link.Shell.ErrorFlag) {
        link.Ui.Pause(kCompletePauseMs);
        return false;
    }
    LogError(link.Shell, place, "Communication Error!!");
    return true;
}

}  // namespace

void FinishWalk(LinkContext& link, std::string_view place, std::string_view title)
{
    if (EndWalk(link, place)) {
        ShowMessage(link, CommunicationErrorText(link.Port.DeviceName()), title);
    }
}

std::string_view ReadTitle(const LinkContext& link)
{
    return link.Shell.TransferMode == kTransferVerify ? std::string_view(link.Caption) : "Read from Radio";
}

bool TransferFailed(const LinkContext& link)
{
    return link.Shell.ErrorFlag || link.Shell.CancelFlag;
}

bool OpenForTransfer(LinkContext& link)
{
    if (PortOpen(link)) {
        return true;
    }
    link.Shell.ErrorFlag = true;
    ShowPortError(link);
    return false;
}

void ReadBlock(LinkContext& link, RadioImage& buffer, int address, int length)
{
    FlushInput(link);
    const Bytes request = BuildFrame("#CEPRD", HexDigits(static_cast<unsigned>(address), 4),
                                     HexDigits(static_cast<unsigned>(length), 2));
    const bool acknowledged = RunCommand(link, [&] {
        link.Shell.ErrorFlag = true;
        SendFrame(link, request);
    });
    if (!acknowledged) {
        link.Shell.ErrorFlag = true;
        return;
    }
    ReceiveBlockData(link, buffer, address, length);
}

void ReceiveBlockData(LinkContext& link, RadioImage& buffer, int address, int length)
{
    link.Shell.ErrorFlag = true;
    const WaitText word = ReadChars(link, 6, kReplyLimit);
    ShowWaitFailure(link, word.Result);
    if (word.Result != kWaitDone) {
        return;
    }
    if (word.Text != "#CEPDT") {
        SendText(link, "#CMDER");
        link.Shell.ErrorFlag = true;
        return;
    }
    const WaitText line = ReadReplyLine(link, kReplyLimit);
    if (line.Result == kWaitTimedOut) {
        ShowWaitFailure(link, line.Result);
    }
    if (line.Result != kWaitDone) {
        return;
    }
    const std::string reply = word.Text + line.Text;
    if (!CheckLineSum(reply)) {
        SendText(link, "#CMDSM");
        link.Shell.ErrorFlag = true;
        return;
    }
    std::vector<std::string> pieces = SplitAtTabs(reply);
    pieces.resize(std::max<std::size_t>(pieces.size(), 4));
    const std::optional<unsigned> replyAddress = ParseHex(pieces[1], 4);
    if (!replyAddress || *replyAddress != static_cast<unsigned>(address)) {
        ShowCritical(link, "address error!!");
        return;
    }
    const std::optional<unsigned> replyLength = ParseHex(pieces[2], 2);
    const std::string& data = pieces[3];
    if (!replyLength || *replyLength != static_cast<unsigned>(length) ||
        data.size() != 2 * static_cast<std::size_t>(length) || !HexToBytes(data, buffer, address, length)) {
        ShowCritical(link, "data error!!");
        return;
    }
    link.Shell.ErrorFlag = false;
    SendText(link, "#CMDOK");
}

bool WriteBlock(LinkContext& link, int address, int length)
{
    bool sent = false;
    const bool acknowledged = RunCommand(link, [&] {
        link.Shell.ErrorFlag = true;
        FlushInput(link);
        sent = SendFrame(link, BuildFrame("#CEPWR", HexDigits(static_cast<unsigned>(address), 4),
                                          HexDigits(static_cast<unsigned>(length), 2),
                                          ImageHex(link.Data.RadioImage, address, length))) ||
               sent;
    });
    if (!acknowledged) {
        link.Shell.ErrorFlag = true;
    }
    return sent;
}

void AbortRead(LinkContext& link)
{
    SendCancelByte(link, kCan);
    WaitCancelAnswer(link, kAck, kCancelAnswerLimit);
    link.Shell.CancelFlag = true;
}

void ReadData(LinkContext& link, RadioImage& buffer)
{
    if (!OpenForTransfer(link)) {
        return;
    }
    ShowProgress(link, 0);
    bool cancelled = false;
    for (const MapEntry& entry : ReadMap(link.Data.ImageLastAddress)) {
        ReportProgress(link, entry.Start);
        for (const BlockSend& send : entry.Sends) {
            ReadBlock(link, buffer, send.Address, send.Length);
        }
        if (link.Shell.ErrorFlag) {
            break;
        }
        if (link.Shell.CancelFlag) {
            cancelled = true;
            break;
        }
    }
    if (cancelled || link.Shell.CancelFlag) {
        AbortRead(link);
    }
    FinishWalk(link, "frmRadio102.ReadData", ReadTitle(link));
}

void WriteData(LinkContext& link)
{
    if (!OpenForTransfer(link)) {
        return;
    }
    RadioImage& image = link.Data.RadioImage;
    ShowProgress(link, 0);
    ReadBlock(link, image, kRadioOwnedByte, 1);
    const std::uint8_t pcByte = image[kOptionByte];
    ReadBlock(link, image, kOptionByte, 1);
    const std::uint8_t radioByte = image[kOptionByte];
    ReportProgress(link, kAfterOwnBytesProgress);
    link.Ui.Pause(kSendPauseMs);
    image[kOptionByte] =
        static_cast<std::uint8_t>((pcByte & ~kAccessCodeOnOff) | (radioByte & kAccessCodeOnOff));
    for (const MapEntry& entry : WriteMap(image, link.Data.ImageLastAddress)) {
        ReportProgress(link, entry.Start);
        // A failed single byte ends the walk there: the next byte's command would clear the flags.
        for (const BlockSend& send : entry.Sends) {
            // A block that went out may have been written even when it was not acknowledged.
            if (WriteBlock(link, send.Address, send.Length)) {
                link.WrittenUpTo = send.Address + send.Length - 1;
            }
            if (TransferFailed(link)) {
                break;
            }
        }
        if (TransferFailed(link)) {
            break;
        }
    }
    // The run reports the failure together with what the radio now holds.
    EndWalk(link, "frmRadio102.WriteData");
}

std::string PartlyProgrammedText(int writtenUpTo, int lastAddress)
{
    const long percent = std::lround(100.0 * writtenUpTo / lastAddress);
    return "The radio now holds a mix of its old and the new programming, up to 0x" +
           HexDigits(static_cast<unsigned>(writtenUpTo), 4) + " (" + std::to_string(std::min(percent, 100L)) +
           " %). Program it again before using it.";
}

void ReportUnfinishedWrite(LinkContext& link)
{
    constexpr std::string_view kTitle = "Program to Radio";
    if (link.WrittenUpTo < 0) {
        if (link.Shell.CancelFlag) {
            ShowMessage(link,
                        "Programming was cancelled before anything was sent: the radio was not changed.",
                        kTitle, MessageIcon::Information);
        }
        return;
    }
    link.Shell.PartlyProgrammed = PartlyProgrammedText(link.WrittenUpTo, link.Data.ImageLastAddress);
    if (link.Shell.CancelFlag) {
        ShowMessage(link, "Programming was cancelled.\n" + link.Shell.PartlyProgrammed, kTitle,
                    MessageIcon::Exclamation);
    } else {
        ShowMessage(link, CommunicationErrorText(link.Port.DeviceName(), link.Shell.PartlyProgrammed),
                    kTitle);
    }
}

void ReportProgress(LinkContext& link, int address)
{
    ShowProgress(link, std::round(100.0 * address / link.Data.ImageLastAddress));
}

void ShowProgress(LinkContext& link, double percent)
{
    link.Ui.ShowProgress(static_cast<int>(std::min(percent, 100.0)));
}

bool RunChecked(LinkContext& link, std::string_view monitorText, const std::function<bool()>& transfer,
                std::string_view completeText)
{
    link.Shell.BusyFlag = true;
    link.Ui.SetRunning(true);
    if (!StatusCheck(link)) {
        // A cancelled check is not the radio's fault: the run ends quietly.
        if (!link.Shell.CancelFlag) {
            ShowCritical(link, "Radio not ready!!");
        }
        link.Ui.SetRunning(false);
        return false;
    }
    bool completed = false;
    ReadDataChkModel(link);
    if (!link.Shell.ErrorFlag) {
        ShowMonitor(link, monitorText);
        completed = transfer();
        if (completed) {
            link.Shell.TransferDone = true;
            ShowMonitor(link, "");
            if (!completeText.empty()) {
                ShowMessage(link, completeText, link.Caption, MessageIcon::Information);
            }
        }
    }
    link.Ui.SetRunning(false);
    link.Shell.BusyFlag = false;
    return completed;
}

bool ReadImageInto(LinkContext& link, RadioData& target)
{
    RadioImage buffer = target.RadioImage;
    ReadData(link, buffer);
    if (TransferFailed(link)) {
        return false;
    }
    const int count = target.ImageLastAddress - kFirstReadCopied + 1;
    const auto read = buffer.Bytes(kFirstReadCopied, count);
    std::copy(read.begin(), read.end(), target.RadioImage.Bytes(kFirstReadCopied, count).begin());
    // The group directory lies where the read map does not reach: the PC's old entries there must
    // not pass for the radio's.
    if (HasDsc(target.ModelIndex)) {
        target.RadioImage.Fill(kGroupDirectoryStart,
                               kGroupDirectoryStart + kDirectoryEntrySize * kGroupDirectorySize - 1, 0xFF);
    }
    SetModelCodeWords(target);
    DecodeImage(target);
    return true;
}

bool RunRead(LinkContext& link)
{
    return RunChecked(link, "radio reading...", [&] { return ReadImageInto(link, link.Data); });
}

bool RunWrite(LinkContext& link)
{
    link.WrittenUpTo = -1;
    const bool completed = RunChecked(link, "radio writing...", [&] {
        WriteData(link);
        return !TransferFailed(link);
    });
    if (completed) {
        link.Shell.PartlyProgrammed.clear();
    } else {
        ReportUnfinishedWrite(link);
    }
    return completed;
}

}  // namespace kelpie
