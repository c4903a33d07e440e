// The transfer dialog's cable arrow points the way the programming travels: from the radio to the
// PC when it is read or verified, from the PC to the radio when it is programmed or cleared.
#include <gtest/gtest.h>

#include "app/RadioPictures.h"
#include "app/frmRadio_102.h"
#include "link/LinkTestSupport.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

TEST(TransferPicture, TheArrowPointsFromWhereTheProgrammingComesToWhereItGoes)
{
    test::FakeClock clock;
    RadioSimulator radio(5);
    SimulatorPort port(radio, clock);
    RadioData data = ResetData(5);
    const std::pair<int, bool> modes[] = {{kTransferRead, true},
                                          {kTransferVerify, true},
                                          {kTransferProgram, false},
                                          {kTransferClearDistress, false}};
    for (const auto& [mode, toPc] : modes) {
        SCOPED_TRACE(mode);
        ShellState shell;
        shell.TransferMode = mode;
        frmRadio_102 dialog(port, clock, shell, data, false, nullptr);
        dialog.show();
        const QWidget* handy = test::Child<QWidget>(dialog, "pictHandy");
        const QWidget* pc = test::Child<QWidget>(dialog, "pictB");
        const auto* cable = test::Child<TransferPicture>(dialog, "pictA");
        const bool pcOnTheRight = pc->x() > handy->x();
        EXPECT_EQ(cable->FlowsRight(), toPc == pcOnTheRight);
    }
}

}  // namespace
}  // namespace kelpie
