// TransferDialog.h — what the transfer dialog frmRadio_102 does, apart from drawing itself: its
// caption and texts by mode, the handshake and the run of its mode when OK is pressed, Cancel and
// the close request. The window forwards its buttons here and shows what LinkUi asks.
#pragma once

#include <string>
#include <string_view>

#include "link/LinkContext.h"
#include "link/SerialTrace.h"
#include "link/Verify.h"

namespace kelpie {

// The caption of each TransferMode; empty for an unknown mode.
std::string_view TransferCaption(int transferMode);
// The connection instructions, lines separated by CR LF.
std::string TransferInstructions();

// The left edge of lblPercent inside pictProgress for a percentage: 0 leaves the frame empty, 100
// fills it.
int ProgressBarLeft(int frameWidth, int percent);

// Where the two pictures stand, in twips from the dialog's left and top: the radio on the left
// when reading, on the right when sending.
struct TransferPictures
{
    int HandyLeft;
    int BLeft;
    int Top;
};
TransferPictures TransferPicturesFor(int transferMode);

// What must be settled before anything is sent for a mode: the distress-log clear refused or
// confirmed; a program run confirmed when directory or call-sign entries changed that it cannot
// write. False when nothing is to be sent.
bool ConfirmBeforeSending(LinkContext& link);

// What the handshake leads to for a mode: a read, an encoded and checked write, the clear, or a
// verify, whose findings go to verified.
bool RunTransferMode(LinkContext& link, VerifyOutcome& verified);

class TransferDialog
{
public:
    TransferDialog(SerialPort& port, LinkUi& ui, Clock& clock, ShellState& shell, RadioData& data);
    ~TransferDialog();

    TransferDialog(const TransferDialog&) = delete;
    TransferDialog& operator=(const TransferDialog&) = delete;

    const std::string& Caption() const { return m_link.Caption; }

    // The dialog was loaded: the debug monitor greets, the bar is empty.
    void Load();
    // What the mode needs confirmed, the handshake, then the run of the mode. True when the run
    // completed and the dialog closes.
    bool OkPressed();
    // True when the dialog closes: nothing was running. Otherwise the running wait is cancelled.
    bool CancelPressed();
    // The title bar's close is refused while a transfer runs.
    bool CloseAllowed() const { return !m_link.Shell.BusyFlag; }

    LinkContext& Link() { return m_link; }
    // What the last verify run found.
    const VerifyOutcome& Verified() const { return m_verified; }

private:
    SerialTrace m_trace;
    TracingPort m_port;
    LinkContext m_link;
    VerifyOutcome m_verified;
};

}  // namespace kelpie
