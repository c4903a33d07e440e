#include "link/Port.h"

#include <string>

#include "files/ErrorLog.h"
#include "link/Waits.h"

namespace kelpie {

namespace {

constexpr int kMonitorPauseMs = 500;

bool OpenPort(LinkContext& link, std::string_view place)
{
    if (link.Port.Open(link.Shell.CommPort, kLineSettings)) {
        return true;
    }
    LogError(link.Shell, place, std::to_string(link.Port.LastErrorNumber()) + link.Port.LastErrorText());
    return false;
}

bool ReopenPort(LinkContext& link, std::string_view place)
{
    PortClose(link);
    if (!OpenPort(link, place)) {
        return false;
    }
    ShowMonitor(link, link.Port.SettingsText());
    return true;
}

// After the pause, a cancel asked meanwhile is taken before anything reaches the radio: a
// cancelled run sends nothing more (the transmission fails as an echo that never came would).
// True when the bytes went out.
bool Transmit(LinkContext& link, const Bytes& bytes)
{
    link.Ui.Pause(kSendPauseMs);
    link.Ui.PumpEvents();
    if (link.Shell.CancelFlag) {
        link.Shell.ErrorFlag = true;
        return false;
    }
    link.Port.Write(bytes);
    WaitEcho(link, bytes);
    return true;
}

}  // namespace

bool PortInit(LinkContext& link)
{
    return ReopenPort(link, "frmRadio102.PortInit");
}

bool PortInitCP(LinkContext& link)
{
    return ReopenPort(link, "frmRadio102.PortInitCP");
}

bool PortOpen(LinkContext& link)
{
    return link.Port.IsOpen() || OpenPort(link, "frmRadio102.PortOpen");
}

void PortClose(LinkContext& link)
{
    if (link.Port.IsOpen()) {
        link.Port.Close();
    }
}

void FlushInput(LinkContext& link)
{
    const int waiting = link.Port.BytesWaiting();
    if (waiting > 0) {
        link.Port.Read(waiting);
    }
}

bool SendFrame(LinkContext& link, const Bytes& frame)
{
    return Transmit(link, frame);
}

void SendText(LinkContext& link, std::string_view text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(kCr);
    bytes.push_back(kLf);
    Transmit(link, bytes);
}

void SendText8(LinkContext& link, std::string_view text)
{
    if (text.size() == 8) {
        SendText(link, text);
    }
}

void SendByte(LinkContext& link, std::uint8_t byte)
{
    FlushInput(link);
    Transmit(link, Bytes{byte});
}

void SendCancelByte(LinkContext& link, std::uint8_t byte)
{
    FlushInput(link);
    link.Ui.Pause(kSendPauseMs);
    link.Port.Write(Bytes{byte});
}

void ShowMonitor(LinkContext& link, std::string_view text)
{
    if (!link.Shell.DebugMode) {
        return;
    }
    link.Ui.ShowMonitor(text);
    link.Ui.Pause(kMonitorPauseMs);
}

void ShowMessage(LinkContext& link, std::string_view text, std::string_view title, MessageIcon icon)
{
    link.Ui.Message(text, title, icon, MessageButtons::Ok);
}

void ShowCritical(LinkContext& link, std::string_view text)
{
    ShowMessage(link, text, link.Caption);
}

void ShowWaitFailure(LinkContext& link, int result)
{
    if (result == kWaitCancelled) {
        ShowCritical(link, "cancel!!");
    } else if (result == kWaitTimedOut) {
        ShowCritical(link, "time out!!");
    }
}

}  // namespace kelpie
