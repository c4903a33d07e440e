#include "link/Maintenance.h"

#include "link/Port.h"
#include "link/Transfer.h"
#include "link/TransferMaps.h"
#include "model/Models.h"

namespace kelpie {

namespace {

// The blocks the clear sends: those that start inside the log, up to 0x1FA0.
constexpr int kLastClearedBlock = 0x1FA0;

}  // namespace

bool ConfirmDistressClear(LinkContext& link)
{
    if (!HasDistressLog(link.Data.ModelIndex)) {
        link.Shell.ErrorFlag = true;
        ShowMessage(link,
                    std::string("The ") + ModelOf(link.Data.ModelIndex).Model +
                        " has no DSC and no distress log to clear. Nothing was sent to the radio.",
                    link.Caption, MessageIcon::Exclamation);
        return false;
    }
    if (link.Ui.Message(kDistressClearQuestion, link.Caption, MessageIcon::Question,
                        MessageButtons::OkCancel) != MessageAnswer::Ok) {
        link.Shell.CancelFlag = true;
        return false;
    }
    return true;
}

void ClearDataDistress(LinkContext& link)
{
    if (!OpenForTransfer(link)) {
        return;
    }
    ShowProgress(link, 0);
    for (int start = 0; start <= link.Data.ImageLastAddress; start += kBlockLength) {
        link.Ui.PumpEvents();
        // A click on Cancel handled just now ends the walk before the next block.
        if (link.Shell.CancelFlag) {
            break;
        }
        ReportProgress(link, start);
        if (start >= kDistressLogFirst && start <= kLastClearedBlock) {
            WriteBlock(link, start, kBlockLength);
            if (TransferFailed(link)) {
                break;
            }
        } else {
            link.Ui.Pause(kSendPauseMs);
        }
        if (link.Shell.CancelFlag) {
            break;
        }
    }
    FinishWalk(link, "frmRadio102.ClearDataDistress", "Program to Radio");
}

bool RunClearDistress(LinkContext& link)
{
    return RunChecked(
        link, "radio clear Distress...",
        [&] {
            const RadioImage before = link.Data.RadioImage;
            link.Data.RadioImage.Fill(kDistressLogFirst, kDistressLogLast, 0xFF);
            ClearDataDistress(link);
            link.Data.RadioImage = before;
            return !TransferFailed(link);
        },
        kDistressClearedText);
}

}  // namespace kelpie
