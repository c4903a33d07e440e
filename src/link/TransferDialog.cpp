#include "link/TransferDialog.h"

#include <array>

#include "link/Handshake.h"
#include "link/Maintenance.h"
#include "link/Port.h"
#include "link/Transfer.h"
#include "model/UnsentEntries.h"

namespace kelpie {

namespace {

constexpr std::array<std::string_view, 4> kCaptions = {"Read from Radio", "Program to Radio",
                                                       "Clear Distress Log Data", "Verify Radio"};

constexpr int kPictureTop = 1320;

}  // namespace

std::string_view TransferCaption(int transferMode)
{
    if (transferMode < 0 || transferMode >= static_cast<int>(kCaptions.size())) {
        return {};
    }
    return kCaptions[static_cast<std::size_t>(transferMode)];
}

std::string TransferInstructions()
{
    return "1.Connect the JMB cable between the PC serial port and the radio.\r\n"
           "2.On the radio, press and hold the [PRESET]+[DOWN]+[SQL] keys\r\n"
           "   while turning on.\r\n"
           "3.Press the [OK] button to start.";
}

int ProgressBarLeft(int frameWidth, int percent)
{
    return frameWidth * std::min(percent, 100) / 100 - frameWidth;
}

TransferPictures TransferPicturesFor(int transferMode)
{
    if (transferMode == kTransferRead || transferMode == kTransferVerify) {
        return {1050, 4200, kPictureTop};
    }
    return {4800, 450, kPictureTop};
}

namespace {

// Changed entries a program run cannot write: the user decides whether the rest goes.
bool ConfirmUnsentEntries(LinkContext& link)
{
    const std::vector<std::string> changed = ChangedUnsentTables(link.Data);
    if (changed.empty()) {
        return true;
    }
    std::string tables = changed.front();
    for (std::size_t i = 1; i < changed.size(); ++i) {
        tables += (i + 1 == changed.size() ? " and " : ", ") + changed[i];
    }
    const std::string question = "Your changes to " + tables +
                                 " will not reach the radio: Kelpie does not write them to it. Enter them on "
                                 "the radio itself.\n\nProgram the rest of the radio?";
    return link.Ui.Message(question, link.Caption, MessageIcon::Exclamation, MessageButtons::OkCancel) ==
           MessageAnswer::Ok;
}

}  // namespace

bool ConfirmBeforeSending(LinkContext& link)
{
    switch (link.Shell.TransferMode) {
        case kTransferClearDistress:
            return ConfirmDistressClear(link);
        case kTransferProgram:
            return ConfirmUnsentEntries(link);
        default:
            return true;
    }
}

bool RunTransferMode(LinkContext& link, VerifyOutcome& verified)
{
    switch (link.Shell.TransferMode) {
        case kTransferRead:
            return RunRead(link);
        case kTransferProgram:
            return PrepareProgramRun(link, link.Data) && RunWrite(link);
        case kTransferClearDistress:
            return RunClearDistress(link);
        case kTransferVerify:
            return RunVerify(link, verified);
        default:
            return false;
    }
}

TransferDialog::TransferDialog(SerialPort& port, LinkUi& ui, Clock& clock, ShellState& shell, RadioData& data)
    : m_trace(clock), m_port(port, m_trace), m_link{m_port, ui,
                                                    clock,  shell,
                                                    data,   std::string(TransferCaption(shell.TransferMode))}
{}

TransferDialog::~TransferDialog()
{
    PortClose(m_link);
}

void TransferDialog::Load()
{
    ShowMonitor(m_link, "starting at debug mode..");
    ShowProgress(m_link, 0);
}

bool TransferDialog::OkPressed()
{
    m_link.Shell.ErrorFlag = m_link.Shell.CancelFlag = false;
    if (!ConfirmBeforeSending(m_link)) {
        return false;
    }
    if (m_link.Shell.DebugMode && !m_link.Shell.ErrorLogPath.empty()) {
        m_trace.Start(SerialTracePath(m_link.Shell.ErrorLogPath));
    }
    m_link.Ui.SetRunning(true);
    m_link.Shell.BusyFlag = true;
    ShowMonitor(m_link, "startsync...");
    bool completed = false;
    if (StartSync(m_link)) {
        ShowMonitor(m_link, "sync ok");
        completed = RunTransferMode(m_link, m_verified);
        ShowProgress(m_link, 0);
    } else {
        ShowMonitor(m_link, "can not syncing!!");
        if (m_link.Shell.TransferMode == kTransferProgram) {
            ReportUnfinishedWrite(m_link);
        }
    }
    ClearWaiting(m_link);
    m_link.Ui.SetRunning(false);
    m_link.Shell.BusyFlag = false;
    m_trace.Flush();
    return completed;
}

bool TransferDialog::CancelPressed()
{
    if (!m_link.Shell.BusyFlag) {
        return true;
    }
    m_link.Shell.CancelFlag = true;
    return false;
}

}  // namespace kelpie
