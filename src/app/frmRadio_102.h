// frmRadio_102.h — the transfer dialog: tells the user how to put the radio into programming mode,
// runs the handshake and the read, program or distress-log clear when OK is pressed, shows the
// progress, and lets Cancel stop a running transfer. The link's rules are the core's TransferDialog;
// this window draws and forwards its buttons.
#pragma once

#include <QDialog>
#include <functional>

#include "link/TransferDialog.h"

class QLabel;
class QPushButton;
class QFrame;

namespace kelpie {

class TransferPicture;

// What to do after a program run: the radio is read back with Verify Radio to check it.
QString VerifyAdvice();

class frmRadio_102 : public QDialog, public LinkUi
{
public:
    // Opens help at a topic; false with the reason when it could not.
    using HelpOpener = std::function<bool(int topic, QString& error)>;

    // The mode is shell.TransferMode, set by the opener. Without pauses (tests against the simulated
    // radio) the waits the link asks for only let the window paint.
    frmRadio_102(SerialPort& port, Clock& clock, ShellState& shell, RadioData& data, bool pauses,
                 QWidget* parent);

    // Without one, Help says that there is no help for the program.
    void SetHelpOpener(HelpOpener opener) { m_help = std::move(opener); }

    // What the last verify run found.
    const VerifyOutcome& Verified() const { return m_dialog.Verified(); }

    // LinkUi
    void ShowMonitor(std::string_view text) override;
    void ShowProgress(int percent) override;
    void PumpEvents() override;
    void Pause(int milliseconds) override;
    MessageAnswer Message(std::string_view text, std::string_view title, MessageIcon icon,
                          MessageButtons buttons) override;
    void SetRunning(bool running) override;
    void ShowWaiting(std::string_view text) override;

    // Escape acts as the Cancel button.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnOk();
    void OnCancel();
    void OnHelp();
    void PlacePictures();

    ShellState& m_shell;
    TransferDialog m_dialog;
    HelpOpener m_help;
    bool m_pauses;
    int m_percent = 0;  // on the bar now; placed again once the bar has its real width

    QLabel* lblmess;
    QLabel* lblWaiting;  // in place of the instructions while the radio does not answer
    QLabel* lblmon;
    TransferPicture* pictHandy;
    TransferPicture* pictB;
    TransferPicture* pictA;
    QFrame* pictProgress;
    QLabel* lblPercent;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;
};

}  // namespace kelpie
