#include "app/RadioActions.h"

#include <QAction>
#include <QMenu>

#include <ctime>

#include "app/DocumentActions.h"
#include "app/frmMain.h"
#include "app/frmPortDevice.h"
#include "app/frmRadio_102.h"
#include "command/RadioCommands.h"
#include "editor/Dialogs.h"
#include "files/ProgramSettings.h"
#include "model/Models.h"
#include "serial/QtSerialPort.h"
#include "serial/SteadyClock.h"

namespace kelpie {

using namespace Qt::StringLiterals;

RadioActions::RadioActions(frmMain& window, QMenu& portMenu)
    : QObject(&window),
      m_window(window),
      m_ports(LoadPortDevices(window.Environment().Settings,
                              window.Environment().Options.PortDevice.toStdString()))
{
    for (int k = 0; k < kComPortCount; ++k) {
        mnuOptionsSerialPort1[k] = portMenu.addAction(QString());
        mnuOptionsSerialPort1[k]->setObjectName(u"mnuOptionsSerialPort1_"_s + QString::number(k));
        mnuOptionsSerialPort1[k]->setCheckable(true);
        connect(mnuOptionsSerialPort1[k], &QAction::triggered, this, [this, k] { SelectCommPort(k, true); });
    }
    portMenu.addSeparator();
    mnuOptionsSerialPortDevice = portMenu.addAction(QString());
    mnuOptionsSerialPortDevice->setObjectName(u"mnuOptionsSerialPortDevice"_s);
    connect(mnuOptionsSerialPortDevice, &QAction::triggered, this, &RadioActions::OnAssignPortDevice);
}

void RadioActions::SelectCommPort(int entry, bool store)
{
    m_window.Shell().CommPort = entry + 1;
    SyncPortMenu();
    if (store) {
        StoreCommPort(m_window.Environment().Settings, m_window.Shell());
    }
}

void RadioActions::SyncPortMenu()
{
    const int commPort = m_window.Shell().CommPort;
    for (int k = 0; k < kComPortCount; ++k) {
        mnuOptionsSerialPort1[k]->setText(
            u"COM&%1  (%2)"_s.arg(k + 1).arg(QString::fromStdString(m_ports.DeviceFor(k + 1))));
        mnuOptionsSerialPort1[k]->setChecked(k + 1 == commPort);
    }
    mnuOptionsSerialPortDevice->setText(tr("Assign &Device to COM%1...").arg(commPort));
}

void RadioActions::OnAssignPortDevice()
{
    QStringList offered;
    for (const std::string& device : AvailableSerialDevices()) {
        offered << QString::fromStdString(device);
    }
    const int comPort = m_window.Shell().CommPort;
    frmPortDevice dialog(comPort, QString::fromStdString(m_ports.DeviceFor(comPort)), offered, &m_window);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const std::string device = dialog.Device().toStdString();
    SavePortDevice(m_window.Environment().Settings, comPort, device);
    m_ports.Assigned[comPort - 1] = device;
    SyncPortMenu();
}

bool RadioActions::RunTransfer(VerifyOutcome* verified)
{
    const RadioConnection& radio = m_window.Environment().Radio;
    std::unique_ptr<SerialPort> ownPort;
    std::unique_ptr<Clock> ownClock;
    SerialPort* port = radio.Port;
    Clock* clock = radio.Clock;
    if (!port) {
        ownPort = std::make_unique<QtSerialPort>(m_ports);
        port = ownPort.get();
    }
    if (!clock) {
        ownClock = std::make_unique<SteadyClock>();
        clock = ownClock.get();
    }
    frmRadio_102 dialog(*port, *clock, m_window.Shell(), m_window.Data(), m_window.Environment().Pauses,
                        &m_window);
    dialog.SetHelpOpener([this, &dialog](int topic, QString& error) {
        return m_window.Help().ShowHelpTopic(&dialog, topic, error);
    });
    const bool completed = dialog.exec() == QDialog::Accepted;
    m_window.ShowRadioWarning();
    if (verified) {
        *verified = dialog.Verified();
    }
    return completed;
}

void RadioActions::OnProgram()
{
    if (!m_window.Editor().CommitPage()) {
        return;
    }
    const Outcome programmed =
        ProgramRadio(m_window.Shell(), [this](VerifyOutcome*) { return RunTransfer(nullptr); });
    if (programmed.IsDone()) {
        m_window.ShowStatus(tr("The radio was programmed. %1").arg(VerifyAdvice()));
    }
    m_window.ShowOutcome(programmed, {});
}

void RadioActions::OnRead()
{
    if (!m_window.Editor().CommitPage() || !m_window.MayReplaceData()) {
        return;
    }
    Outcome read = ReadOnce();
    if (read.RadioModel >= 0) {
        if (!OfferModelSwitch(read)) {
            return;
        }
        read = ReadOnce();
    }
    m_window.ShowOutcome(read, {});
}

Outcome RadioActions::ReadOnce()
{
    const BackupPlace backup{m_window.Environment().DataFolder / "backups", std::time(nullptr)};
    const Outcome read = ReadRadio(
        m_window.Data(), m_window.Shell(), [this](VerifyOutcome*) { return RunTransfer(nullptr); }, backup);
    if (read.IsDone()) {
        // The page in view was checked before the read; the radio's data is not checked against
        // it again on the way to General.
        m_window.Editor().PrepareForNewData();
        m_window.Editor().SelectNodeByKey(QString::fromLatin1(kGeneralKey));
        m_window.RefreshAfterLoad();
        m_window.SetCaption();
        m_window.Shell().DataChanged = false;
        // The radio on the cable answers the first start's question: its model is kept.
        StoreModelIndex(m_window.Environment().Settings, m_window.Data());
        m_window.Editor().SetModelQuestionVisible(false);
    }
    return read;
}

bool RadioActions::OfferModelSwitch(const Outcome& read)
{
    const int model = read.RadioModel;
    const QString text = QString::fromStdString(read.Message) + u"\n"_s +
                         tr("Switch to the %1 and read it?").arg(QString::fromStdString(RadioNameOf(model)));
    if (Dialogs::Message(&m_window, text, QString::fromStdString(m_window.Shell().ProgramTitle),
                         MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes) {
        return false;
    }
    return m_window.ChooseModel(model);
}

void RadioActions::OnVerify()
{
    if (!m_window.Editor().CommitPage()) {
        return;
    }
    const BackupPlace backup{m_window.Environment().DataFolder / "backups", std::time(nullptr)};
    std::vector<Difference> differences;
    const Outcome verified = VerifyRadio(
        m_window.Shell(), [this](VerifyOutcome* findings) { return RunTransfer(findings); }, backup,
        differences);
    if (verified.IsDone()) {
        m_window.Documents().ShowCompare(differences, tr("the radio"), true);
    }
    m_window.ShowOutcome(verified, {});
}

bool RadioActions::ClearDistressLog()
{
    if (!m_window.Editor().CommitPage()) {
        return false;
    }
    const Outcome cleared =
        kelpie::ClearDistressLog(m_window.Shell(), [this](VerifyOutcome*) { return RunTransfer(nullptr); });
    if (cleared.IsDone()) {
        m_window.Editor().ShowCurrentPageAgain();
    }
    m_window.ShowOutcome(cleared, {});
    return cleared.IsDone();
}

}  // namespace kelpie
