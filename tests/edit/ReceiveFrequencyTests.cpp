// A marine channel with duplex set shows one RX frequency in the grid and on its page: the duplex
// frequency where the slot has one, its simplex frequency where it has none.
#include <gtest/gtest.h>

#include "edit/Banks.h"
#include "edit/ChannelEdit.h"
#include "edit/ListGrids.h"
#include "model/ValueTables.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

TEST(ReceiveFrequency, GridAndPageAgreeOnEveryDuplexSlot)
{
    RadioData data = ResetData(5);
    for (int group = kGroupUsa; group <= kGroupCanada; ++group) {
        ChannelBank& bank = BankOf(data, group);
        for (std::size_t slot = 0; slot < bank.size(); ++slot) {
            SCOPED_TRACE(testing::Message() << "group " << group << " slot " << slot);
            bank[slot].Duplex = true;
            const int index = static_cast<int>(slot);
            const std::string grid = ChannelGridRow(data, group, index)[2];
            EXPECT_EQ(grid, FillChannelPage(data, group, index).rxFrequency);
            const PlanEntry& plan = ChannelPlan()[slot];
            if (plan.RxFreq > 0 && plan.RxFreqDuplex <= 0) {
                EXPECT_NE(grid, "---.---");
            }
        }
    }
}

}  // namespace
}  // namespace kelpie
