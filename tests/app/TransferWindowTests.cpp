// The transfer dialog against the simulated radio in the same process: its buttons drive the real
// link, and what the user sees (the bar, the buttons, the messages) follows the run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include "app/frmRadio_102.h"
#include "editor/Dialogs.h"
#include "link/Handshake.h"
#include "link/LinkTestSupport.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct TransferWindow : ::testing::Test
{
    explicit TransferWindow(SimulatorFaults faults = {}) : radio(5, std::move(faults)), port(radio, clock)
    {
        Dialogs::ResetHooks();
        RadioData reset = ResetData(5);
        radio.Memory() = reset.RadioImage;
        radio.WriteModelCode(ModelOf(5).Code);
    }

    frmRadio_102& Open(int mode)
    {
        shell.TransferMode = mode;
        shell.TransferDone = false;
        dialog = std::make_unique<frmRadio_102>(port, clock, shell, data, false, nullptr);
        dialog->show();
        return *dialog;
    }

    QPushButton* Button(const char* name) { return test::Child<QPushButton>(*dialog, name); }

    test::FakeClock clock;
    RadioSimulator radio;
    SimulatorPort port;
    ShellState shell;
    RadioData data = ResetData(5);
    std::unique_ptr<frmRadio_102> dialog;
};

// A close from the title bar is refused while the radio is being read; Cancel then stops the read
// and nothing the radio sent reaches the data.
TEST_F(TransferWindow, CancelledReadLeavesTheDataAsItWasAndTheDialogOpen)
{
    radio.Memory()[0x0A00] ^= 0x5A;
    const RadioData before = data;
    Open(kTransferRead);
    bool stayedOpen = false;
    QPushButton* cancel = Button("cmdCancel");
    QTimer::singleShot(0, dialog.get(), [&] {
        dialog->close();
        stayedOpen = dialog->isVisible();
        QTest::mouseClick(cancel, Qt::LeftButton);
    });

    QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);

    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(shell.TransferDone);
    EXPECT_TRUE(shell.CancelFlag);
    EXPECT_TRUE(data.RadioImage == before.RadioImage);
    EXPECT_TRUE(data.UsaChannels == before.UsaChannels);
    EXPECT_TRUE(Button("cmdOK")->isEnabled());
}

struct SilentRadio : TransferWindow
{
    SilentRadio() : TransferWindow(SimulatorFaults{.Silent = true}) {}
};

TEST_F(SilentRadio, FailedHandshakeKeepsTheDialogOpenAndOkTriesAgain)
{
    Open(kTransferRead);
    QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);

    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Button("cmdOK")->isEnabled());
    EXPECT_TRUE(Button("cmdHelp")->isEnabled());
    EXPECT_FALSE(shell.BusyFlag);
    // The user is told what to check, under the dialog's caption.
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(std::string(kNothingAnsweredText)));
    EXPECT_EQ(Dialogs::Shown()[0].title, "Read from Radio");
    const int opensOfOneHandshake = port.OpenCount();
    EXPECT_GT(opensOfOneHandshake, 0);

    QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(port.OpenCount(), 2 * opensOfOneHandshake);
    EXPECT_FALSE(shell.TransferDone);
}

TEST_F(TransferWindow, CancelWhileIdleClosesWithoutTalkingToTheRadio)
{
    Open(kTransferProgram);
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(port.OpenCount(), 0);
    EXPECT_TRUE(radio.Lines().empty());
}

TEST_F(TransferWindow, RadioStandsLeftWhenReadingAndRightWhenSending)
{
    Open(kTransferRead);
    const int readRadio = dialog->findChild<QWidget*>("pictHandy")->x();
    const int readPc = dialog->findChild<QWidget*>("pictB")->x();
    EXPECT_FALSE(dialog->findChild<QLabel*>("lblmon")->isVisible());

    Open(kTransferClearDistress);
    EXPECT_EQ(dialog->windowTitle(), "Clear Distress Log Data");
    EXPECT_EQ(std::pair(readRadio, readPc), std::pair(70, 280));
    EXPECT_EQ(
        std::pair(dialog->findChild<QWidget*>("pictHandy")->x(), dialog->findChild<QWidget*>("pictB")->x()),
        std::pair(320, 30));
}

TEST_F(TransferWindow, ProgressBarFillsWithTheRunAndEmptiesAtTheEnd)
{
    Open(kTransferRead);
    QWidget* frame = dialog->findChild<QWidget*>("pictProgress");
    QWidget* fill = dialog->findChild<QWidget*>("lblPercent");
    EXPECT_EQ(fill->x(), -frame->width());
    dialog->ShowProgress(50);
    EXPECT_EQ(fill->x(), frame->width() / 2 - frame->width());
    dialog->ShowProgress(130);
    EXPECT_EQ(fill->x(), 0);
}

}  // namespace
}  // namespace kelpie
