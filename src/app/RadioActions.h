// RadioActions.h — the main window's radio half: Program to Radio, Read from Radio, Verify Radio,
// the DSC page's distress-log clear, and the serial-port menu. Each command runs its headless
// half with the transfer dialog as its front end and shows the outcome.
#pragma once

#include <QObject>

#include "link/PortDevices.h"
#include "link/Verify.h"
#include "model/Outcome.h"

class QAction;
class QMenu;

namespace kelpie {

class frmMain;

class RadioActions : public QObject
{
    Q_OBJECT
public:
    // The port menu's entries are added to portMenu.
    RadioActions(frmMain& window, QMenu& portMenu);

    void OnProgram();
    // A radio of another model is named, with the offer to switch to its model and read it.
    void OnRead();
    // Reads the radio into a separate image and lists how it differs from what a program run of
    // the data sends; the data being edited never changes.
    void OnVerify();
    // The DSC page's clear button. True when the radio's log was cleared.
    bool ClearDistressLog();

    // Checks the entry of CommPort (1..4) and, when store, remembers it.
    void SelectCommPort(int entry, bool store);

private:
    // Shows the transfer dialog for the shell's TransferMode; true when its run completed. A
    // verify's findings go to verified.
    bool RunTransfer(VerifyOutcome* verified);
    // One read run, and the editor refreshed when it completed.
    Outcome ReadOnce();
    // Asks whether to switch to the model of the radio the read met; Yes switches after the save
    // question (the model stored, a fresh image of it) and returns true.
    bool OfferModelSwitch(const Outcome& read);
    void SyncPortMenu();
    void OnAssignPortDevice();

    frmMain& m_window;
    PortDevices m_ports;
    std::array<QAction*, kComPortCount> mnuOptionsSerialPort1{};
    QAction* mnuOptionsSerialPortDevice = nullptr;
};

}  // namespace kelpie
