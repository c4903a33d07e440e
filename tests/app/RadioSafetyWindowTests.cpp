// RadioSafetyWindowTests.cpp — the main window against a radio of the DSC model in the same process:
// Program asks before it leaves changed directory entries behind, Verify says what it does not
// compare, a port where nothing answers says so while the dialog waits, and a write that stopped
// halfway stays in the status bar.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "AppTestSupport.h"
#include "link/Handshake.h"
#include "link/LinkTestSupport.h"
#include "model/Models.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

class RadioSafetyWindow : public AppWithRadio
{
protected:
    explicit RadioSafetyWindow(SimulatorFaults faults = {}) : AppWithRadio(0, std::move(faults))
    {
        RadioHolds(ResetData(0));
    }

    frmMain& StartOnModelZero()
    {
        Settings.Values["ModelPath/ModelNum"] = "0";
        return StartWithRadio();
    }

    void RunTransfer(const char* command)
    {
        Pressing("cmdOK", [&] { Action(command)->trigger(); });
    }
};

// The question's text and when it is asked are pinned with the link; here it reaches the window
// and its answer decides.
TEST_F(RadioSafetyWindow, ProgramAsksBeforeItLeavesChangedDirectoryEntriesBehindAndCancelSendsNothing)
{
    frmMain& window = StartOnModelZero();
    window.Editor().SelectNodeByKey("SM 1");
    test::Child<QCheckBox>(window, "chkGEnable")->click();
    ASSERT_TRUE(window.Data().IndividualDirectory[0].Enabled);

    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        Dialogs::ResetHooks();
        Dialogs::AnswerNext(answer);
        RunTransfer("mnuTransferProgram");
        ASSERT_FALSE(Dialogs::Shown().empty());
        EXPECT_TRUE(Dialogs::Shown()[0].text.startsWith("Your changes to the individual directory"));
        EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(m_radio.CountLines("#CEPWR") > 0, answer == MessageAnswer::Ok);
    }
    EXPECT_TRUE(Dialogs::Shown().back().text.startsWith("Complete!!"));
}

TEST_F(RadioSafetyWindow, VerifySaysThatTheDirectoriesAreNotComparedWithTheRadio)
{
    StartOnModelZero();
    RunTransfer("mnuTransferVerify");
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(
        CompareSummaryShown(),
        "The radio holds exactly this programming.\nThe MMSI directories and the ATIS call signs are not "
        "compared with the radio: Kelpie does not write them to it.");
}

class SilentRadioWindow : public RadioSafetyWindow
{
protected:
    SilentRadioWindow() : RadioSafetyWindow(SimulatorFaults{.Silent = true}) {}
};

TEST_F(SilentRadioWindow, AfterTheFirstUnansweredAttemptTheDialogSaysNothingAnswersAndCancelStops)
{
    StartOnModelZero();
    QString seen;
    // Watches the running dialog; the first waiting text is read and Cancel pressed.
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* waiting = dialog ? dialog->findChild<QLabel*>("lblWaiting") : nullptr;
        if (waiting && waiting->isVisible() && seen.isEmpty()) {
            seen = waiting->text();
            EXPECT_FALSE(dialog->findChild<QLabel*>("lblmess")->isVisible());
            dialog->findChild<QPushButton*>("cmdCancel")->click();
        }
    });
    watch.start();
    RunTransfer("mnuTransferRead");
    watch.stop();
    // When it shows is pinned with the link.
    EXPECT_EQ(seen, QString::fromStdString(WaitingText("COM1", 1)));
}

class HangingRadioWindow : public RadioSafetyWindow
{
protected:
    HangingRadioWindow() : RadioSafetyWindow(SimulatorFaults{.HangUpBlock = 400}) {}
};

TEST_F(HangingRadioWindow, AWriteCutHalfwayStaysInTheStatusBarUntilAProgramCompletes)
{
    frmMain& window = StartOnModelZero();
    RunTransfer("mnuTransferProgram");
    auto* warning = window.findChild<QLabel*>("sbStatusBar_2");
    ASSERT_NE(warning, nullptr);
    EXPECT_TRUE(warning->isVisible());
    EXPECT_TRUE(
        warning->text().startsWith("The radio now holds a mix of its old and the new programming, up to 0x"))
        << warning->text().toStdString();
    EXPECT_TRUE(Dialogs::Shown().back().text.startsWith("Communication Error!!\nThe radio now holds a mix"));

    window.Editor().SelectNodeByKey("General");
    EXPECT_TRUE(warning->isVisible());
    m_radio.Faults() = {};
    Dialogs::ResetHooks();
    RunTransfer("mnuTransferProgram");
    EXPECT_FALSE(warning->isVisible());
}

}  // namespace
}  // namespace kelpie
