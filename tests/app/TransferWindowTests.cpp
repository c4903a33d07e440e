// The transfer dialog against the simulated radio in the same process: its buttons drive the real
// link, and what the user sees (the bar, the buttons, the messages) follows the run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <tuple>

#include "app/RadioPictures.h"
#include "app/frmRadio_102.h"
#include "editor/Dialogs.h"
#include "link/Handshake.h"
#include "link/LinkTestSupport.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct TransferWindow : ::testing::Test
{
    explicit TransferWindow(SimulatorFaults faults = {}) : radio(5, std::move(faults)), port(radio, clock)
    {
        Dialogs::ResetHooks();
        test::Holds(radio, ResetData(5).RadioImage);
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

// That OK then starts again from the port is the dialog's own rule, pinned with the link.
TEST_F(SilentRadio, FailedHandshakeSaysWhatToCheckAndKeepsTheDialogOpenForAnotherTry)
{
    Open(kTransferRead);
    QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);

    EXPECT_GT(port.OpenCount(), 0);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Button("cmdOK")->isEnabled());
    EXPECT_TRUE(Button("cmdHelp")->isEnabled());
    EXPECT_FALSE(shell.BusyFlag);
    EXPECT_FALSE(shell.TransferDone);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(std::string(kNothingAnsweredText)));
    EXPECT_EQ(Dialogs::Shown()[0].title, "Read from Radio");
}

TEST_F(TransferWindow, CancelWhileIdleClosesWithoutTalkingToTheRadio)
{
    Open(kTransferProgram);
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);

    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(port.OpenCount(), 0);
    EXPECT_TRUE(radio.Lines().empty());
}

// The radio stands left when the programming comes from it and right when it goes to it; the cable's
// arrow points the way the programming travels.
TEST_F(TransferWindow, TheRadioStandsWhereTheProgrammingComesFromAndTheArrowPointsWhereItGoes)
{
    const std::tuple<int, bool, int, int> modes[] = {{kTransferRead, true, 70, 280},
                                                     {kTransferVerify, true, 70, 280},
                                                     {kTransferProgram, false, 320, 30},
                                                     {kTransferClearDistress, false, 320, 30}};
    for (const auto& [mode, toPc, radioLeft, pcLeft] : modes) {
        SCOPED_TRACE(mode);
        Open(mode);
        EXPECT_EQ(test::Child<QWidget>(*dialog, "pictHandy")->x(), radioLeft);
        EXPECT_EQ(test::Child<QWidget>(*dialog, "pictB")->x(), pcLeft);
        EXPECT_EQ(test::Child<TransferPicture>(*dialog, "pictA")->FlowsRight(), toPc == (pcLeft > radioLeft));
        EXPECT_FALSE(test::Child<QLabel>(*dialog, "lblmon")->isVisible());
    }
    EXPECT_EQ(dialog->windowTitle(), "Clear Distress Log Data");
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
