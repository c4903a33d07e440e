// The transfer dialog against the simulated radio in the same process: its buttons drive the real
// link, and what the user sees (the bar, the buttons, the pictures) follows the run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <tuple>

#include "app/RadioPictures.h"
#include "app/frmRadio_102.h"
#include "editor/Dialogs.h"
#include "link/LinkTestSupport.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct TransferWindow : ::testing::Test
{
    TransferWindow() : radio(5), port(radio, clock)
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

// The bar follows the run; a close from the title bar is refused while the radio is being read;
// Cancel then stops the read and nothing the radio sent reaches the data.
TEST_F(TransferWindow, TheBarFollowsTheRunAndACancelledReadLeavesTheDataAndTheDialogOpen)
{
    radio.Memory()[0x0A00] ^= 0x5A;
    const RadioData before = data;
    Open(kTransferRead);
    const int width = test::Child<QWidget>(*dialog, "pictProgress")->width();
    auto* fill = test::Child<QWidget>(*dialog, "lblPercent");
    EXPECT_EQ(fill->x(), -width);
    dialog->ShowProgress(50);
    EXPECT_EQ(fill->x(), width / 2 - width);
    dialog->ShowProgress(130);
    EXPECT_EQ(fill->x(), 0);
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
    EXPECT_EQ(data, before);
    EXPECT_TRUE(Button("cmdOK")->isEnabled());
}

// The radio stands left when the programming comes from it and right when it goes to it; the cable's
// arrow points the way the programming travels. Cancel while idle closes without a word to the radio.
TEST_F(TransferWindow, TheRadioStandsWhereTheProgrammingComesFromAndIdleCancelCloses)
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
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(port.OpenCount(), 0);
    EXPECT_TRUE(radio.Lines().empty());
}

}  // namespace
}  // namespace kelpie
