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

namespace kelpie {
namespace {

class RadioSafetyWindow : public AppWithRadio
{
protected:
    explicit RadioSafetyWindow(SimulatorFaults faults = {}) : AppWithRadio(0, std::move(faults))
    {
        RadioHolds(ResetData(0));
    }
};

// The question's text and when it is asked are pinned with the link; here it reaches the window
// and its answer decides. The verify then finds the radio equal, and says what it left out.
TEST_F(RadioSafetyWindow, ProgramAsksBeforeItLeavesDirectoryEntriesBehindAndVerifySaysItSkipsThem)
{
    frmMain& window = StartWithRadioOn(0);
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

// When the waiting text shows, and that OK then starts again from the port, are the dialog's own
// rules, pinned with the link; here they reach the window.
TEST_F(SilentRadioWindow, TheDialogSaysNothingAnswersWhileItWaitsThenWhatToCheckAndStaysOpen)
{
    frmMain& window = StartWithRadioOn(0);
    QString seen;
    // Watches the running dialog for the first waiting text.
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        auto* waiting = dialog ? dialog->findChild<QLabel*>("lblWaiting") : nullptr;
        if (waiting && waiting->isVisible() && seen.isEmpty()) {
            seen = waiting->text();
            EXPECT_FALSE(dialog->findChild<QLabel*>("lblmess")->isVisible());
        }
    });
    watch.start();
    {
        const test::ModalDriver transfer("frmRadio_102", [](QWidget& dialog) {
            test::Child<QPushButton>(dialog, "cmdOK")->click();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(test::Child<QPushButton>(dialog, "cmdOK")->isEnabled());
            EXPECT_TRUE(test::Child<QPushButton>(dialog, "cmdHelp")->isEnabled());
        });
        Action("mnuTransferRead")->trigger();
    }
    watch.stop();
    EXPECT_EQ(seen, QString::fromStdString(WaitingText("COM1", 1)));
    EXPECT_GT(m_port.OpenCount(), 0);
    EXPECT_FALSE(window.Shell().BusyFlag);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(ShownTexts()[0], QString::fromStdString(std::string(kNothingAnsweredText)));
    EXPECT_EQ(Dialogs::Shown()[0].title, "Read from Radio");
}

class HangingRadioWindow : public RadioSafetyWindow
{
protected:
    HangingRadioWindow() : RadioSafetyWindow(SimulatorFaults{.HangUpBlock = 400}) {}
};

TEST_F(HangingRadioWindow, AWriteCutHalfwayStaysInTheStatusBarUntilAProgramCompletes)
{
    frmMain& window = StartWithRadioOn(0);
    RunTransfer("mnuTransferProgram");
    auto* warning = test::Child<QLabel>(window, "sbStatusBar_2");
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
