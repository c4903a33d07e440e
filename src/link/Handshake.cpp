#include "link/Handshake.h"

#include <array>
#include <string>

#include "files/ErrorLog.h"
#include "link/Port.h"
#include "link/Transfer.h"
#include "link/Waits.h"
#include "model/Models.h"

namespace kelpie {

namespace {

constexpr int kProbeAttempts = 3;
constexpr int kSyncPasses = 2;
constexpr int kAfterAdapterPauseMs = 1000;

// Models 4–6 keep the model code at 0x0040 at the head of their memory; the others at 0x0000.
constexpr std::array<int, kModelCount> kModelCheckHead = {0x0000, 0x0000, 0x0000, 0x0000,
                                                          0x0040, 0x0040, 0x0040};

// How the radio answered a status request.
enum class RadioStatus {
    Ready,
    Busy,
    NotReady,
    CommandFailed
};

RadioStatus QueryStatus(LinkContext& link)
{
    const Bytes request = BuildFrame("#CEPSR", "00");
    if (!RunCommand(link, [&] { SendFrame(link, request); })) {
        return RadioStatus::CommandFailed;
    }
    const WaitText word = ReadChars(link, 6, kReplyLimit);
    ShowWaitFailure(link, word.Result);
    if (word.Result != kWaitDone) {
        return RadioStatus::NotReady;
    }
    if (word.Text != "#CEPSD") {
        SendText(link, "#CMDUN");
        return RadioStatus::NotReady;
    }
    const WaitText line = ReadReplyLine(link, kReplyLimit);
    ShowWaitFailure(link, line.Result);
    if (line.Result != kWaitDone) {
        return RadioStatus::NotReady;
    }
    const std::string reply = word.Text + line.Text;
    if (!CheckLineSum(reply)) {
        SendText(link, "#CMDSM");
        return RadioStatus::NotReady;
    }
    SendText(link, "#CMDOK");
    const std::vector<std::string> pieces = SplitAtTabs(reply);
    const std::string status = pieces.size() > 1 ? pieces[1] : std::string();
    if (status == "00") {
        return RadioStatus::Ready;
    }
    return status == "01" ? RadioStatus::Busy : RadioStatus::NotReady;
}

}  // namespace

namespace {

std::string WhatToCheck(std::string_view device)
{
    return "Check the cable, the port (" + std::string(device) +
           "), and that the radio was switched on in programming mode "
           "([PRESET]+[DOWN]+[SQL] held while turning on).";
}

}  // namespace

std::string WaitingText(std::string_view device, int attempts)
{
    return "Nothing answers on " + std::string(device) + " yet (attempt " + std::to_string(attempts) +
           " unanswered).\n" + WhatToCheck(device) + "\nKelpie keeps trying; Cancel stops.";
}

std::string CommunicationErrorText(std::string_view device, std::string_view radioState)
{
    const std::string state = radioState.empty() ? "" : std::string(radioState) + "\n";
    return "Communication Error!!\n" + state + WhatToCheck(device);
}

void NoteUnanswered(LinkContext& link)
{
    ++link.UnansweredAttempts;
    link.Ui.ShowWaiting(WaitingText(link.Port.DeviceName(), link.UnansweredAttempts));
}

void ClearWaiting(LinkContext& link)
{
    if (link.UnansweredAttempts > 0) {
        link.UnansweredAttempts = 0;
        link.Ui.ShowWaiting({});
    }
}

namespace {

// A time-out is an attempt left unanswered; anything the radio said ends the wait for it.
void NoteAnswer(LinkContext& link, int result)
{
    if (result == kWaitTimedOut) {
        NoteUnanswered(link);
    } else if (result != kWaitCancelled) {
        ClearWaiting(link);
    }
}

}  // namespace

void ShowPortError(LinkContext& link)
{
    ShowCritical(link,
                 "Port initialization error!!\n" + link.Port.DeviceName() + ": " + link.Port.LastErrorText());
}

bool ProbeRadio(LinkContext& link)
{
    SendByte(link, kProbe);
    if (WaitByte(link, kProbe, 1) != kWaitDone) {
        return false;
    }
    SendByte(link, kProbeFollow);
    return true;
}

bool StartSync(LinkContext& link)
{
    link.Shell.CancelFlag = false;
    if (!PortInit(link)) {
        ShowPortError(link);
        return false;
    }
    bool answered = false;
    for (int attempt = 0; attempt < kProbeAttempts && !answered && !link.Shell.CancelFlag; ++attempt) {
        answered = ProbeRadio(link);
        if (answered) {
            ClearWaiting(link);
        } else if (!link.Shell.CancelFlag) {
            NoteUnanswered(link);
        }
    }
    if (!answered) {
        ShowMonitor(link, "sync failed!!");
    }
    ShowMonitor(link, "sending 'ACMD:002'...");
    SendText8(link, "ACMD:002");
    const WaitText answer = ReadLine(link, kLineEndLimit);
    switch (answer.Result) {
        case kWaitCancelled:
            return false;
        case kWaitTimedOut:
            break;
        case kWaitDone:
            if (answer.Text == "ERROR") {
                ShowCritical(link, "ACMD Command error!!");
                return false;
            }
            if (answer.Text != "OK" && answer.Text != "#CMDUN") {
                ShowCritical(link, "error!!");
                return false;
            }
            break;
        default:
            ShowCritical(link, "error!!");
            break;
    }
    if (!PortInitCP(link)) {
        ShowPortError(link);
        return false;
    }
    link.Ui.Pause(kAfterAdapterPauseMs);
    if (SyncCmdSy(link)) {
        return true;
    }
    // The echo of the last "#CMDSY" tells the two failures apart: without it nothing is connected
    // that answers; with it the cable works and the radio is not in its programming state.
    if (!link.Shell.CancelFlag) {
        ShowCritical(link, link.Shell.ErrorFlag ? kNothingAnsweredText : kNotSynchronisedText);
    }
    return false;
}

bool SyncCmdSy(LinkContext& link)
{
    int succeeded = 0;
    for (int pass = 1; pass <= kSyncPasses; ++pass) {
        int budget = link.Shell.RetryCount;
        int result;
        do {
            ShowMonitor(link, "sending '#CMDSY'...(" + std::to_string(pass) + ")");
            SendText(link, "#CMDSY");
            result = WaitCmdOk(link);
            NoteAnswer(link, result);
        } while ((result == kWaitTimedOut || result == kWaitRefused) && --budget > 0);
        if (result == kWaitDone) {
            ++succeeded;
        } else if (result != kWaitTimedOut && result != kWaitRefused) {
            break;
        }
    }
    if (succeeded == kSyncPasses) {
        return true;
    }
    ShowMonitor(link, "can'not Receive '#CMDOK' !!");
    return false;
}

bool RunCommand(LinkContext& link, const std::function<void()>& transmit)
{
    int budget = link.Shell.RetryCount;
    for (;;) {
        transmit();
        const int result = WaitCmdOk(link);
        // The waiting text tells of an attempt that is tried again; a last one fails the run at once.
        if (result != kWaitTimedOut || budget > 1) {
            NoteAnswer(link, result);
        }
        if (result == kWaitDone) {
            return true;
        }
        if (result != kWaitTimedOut && result != kWaitRefused) {
            return false;
        }
        if (--budget > 0) {
            continue;
        }
        if (result == kWaitTimedOut) {
            return false;
        }
        const MessageAnswer answer =
            link.Ui.Message("confirm the synchronization of the communication", link.Caption,
                            MessageIcon::Question, MessageButtons::OkCancel);
        if (answer != MessageAnswer::Ok || !SyncCmdSy(link)) {
            return false;
        }
        budget = 1;
    }
}

bool StatusCheck(LinkContext& link)
{
    for (;;) {
        ShowMonitor(link, "status check..");
        const RadioStatus status = QueryStatus(link);
        if (status == RadioStatus::CommandFailed) {
            return false;
        }
        if (status == RadioStatus::Ready) {
            ShowMonitor(link, "status check.. OK");
            return true;
        }
        if (status == RadioStatus::Busy &&
            link.Ui.Message("Radio is busy!!", link.Caption, MessageIcon::Exclamation,
                            MessageButtons::RetryCancel) == MessageAnswer::Retry) {
            continue;
        }
        ShowMonitor(link, "status check.. NG!!");
        return false;
    }
}

int ModelCheckHeadAddress(int modelIndex)
{
    return kModelCheckHead.at(static_cast<std::size_t>(modelIndex));
}

namespace {

// The model whose code is word and whose head word lies at address; -1 when no model's is.
int ModelWithHeadWord(int address, std::uint16_t word)
{
    for (int model = 0; model < kModelCount; ++model) {
        if (ModelCheckHeadAddress(model) == address && ModelOf(model).Code == word) {
            return model;
        }
    }
    return -1;
}

}  // namespace

std::string OtherModelText(int radioModel, int setModel)
{
    return std::string("This radio is an ") + ModelOf(radioModel).Model + "; Kelpie is set for the " +
           ModelOf(setModel).Model + ".";
}

void ReadDataChkModel(LinkContext& link)
{
    constexpr std::string_view kPlace = "frmRadio102.ReadDataChkModel";
    link.Shell.RadioModelIndex = -1;
    link.Shell.RadioModelText.clear();
    if (!OpenForTransfer(link)) {
        return;
    }
    ShowMonitor(link, "model check...");
    RadioImage buffer;
    buffer.Fill(0, kImageSize - 1, 0x00);
    // The head word comes first: the tail address of this model may not exist in a radio of another
    // model, whose own head word then tells which model it is.
    const int setModel = link.Data.ModelIndex;
    int head = ModelCheckHeadAddress(setModel);
    ReadBlock(link, buffer, head, 2);
    int model = setModel;
    if (!link.Shell.ErrorFlag && buffer.Word(head) != ModelOf(setModel).Code) {
        model = ModelWithHeadWord(head, buffer.Word(head));
        if (model < 0) {
            head = head == kModelCheckHead.front() ? kModelCheckHead.back() : kModelCheckHead.front();
            ReadBlock(link, buffer, head, 2);
            model = ModelWithHeadWord(head, buffer.Word(head));
        }
    }
    const int tail = (model < 0 ? link.Data.ImageLastAddress : ModelOf(model).LastAddress) - 1;
    if (!link.Shell.ErrorFlag && model >= 0) {
        ReadBlock(link, buffer, tail, 2);
    }
    if (link.Shell.CancelFlag) {
        return;
    }
    if (link.Shell.ErrorFlag) {
        LogError(link.Shell, kPlace, "Communication Error!!");
        ShowMessage(link, CommunicationErrorText(link.Port.DeviceName()), "Model Check");
        return;
    }
    const bool known = model >= 0 && buffer.Word(tail) == ModelOf(model).Code;
    if (known && model == setModel) {
        return;
    }
    link.Shell.ErrorFlag = true;
    if (known) {
        // The front end says it, and may offer to switch to the radio's model.
        link.Shell.RadioModelIndex = model;
        link.Shell.RadioModelText = OtherModelText(model, setModel);
        LogError(link.Shell, kPlace, link.Shell.RadioModelText);
        return;
    }
    LogError(link.Shell, kPlace, "ModelType Error !!");
    ShowMessage(link, "ModelType Error !!", ReadTitle(link));
}

}  // namespace kelpie
