#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "files/DefaultImages.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {
namespace {

// The files the build writes into the program folder.
TEST(SuppliedDefaultImages, EveryModelListsItsThreeDestinationsAndLoadsEachWithItsRegion)
{
    struct Expected
    {
        int Entry;
        std::array<bool, 3> Usable;
        int Weater;
    };
    const Expected regions[] = {
        {2, {true, true, true}, 3}, {1, {false, true, false}, 0}, {0, {true, true, true}, 3}};
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        RadioData data(model);
        ResetEditModel(data);
        ShellState shell;
        RecordingUi ui;
        MemorySettingsStore store;
        DestinationMenu menu;
        ASSERT_TRUE(BuildDestinationList(menu, data, shell, store, ui, KELPIE_BIN_DIR));
        EXPECT_EQ(menu.Entries[0].Caption, "CANADA");
        EXPECT_EQ(menu.Entries[1].Caption, "INTL");
        EXPECT_EQ(menu.Entries[2].Caption, "USA");
        EXPECT_FALSE(menu.Entries[3].Visible);
        for (const Expected& region : regions) {
            ASSERT_TRUE(LoadDestination(menu, region.Entry, data, shell, store, ui));
            for (int g = 0; g < 3; ++g) {
                EXPECT_EQ(data.UsableGroups[g].Enable, region.Usable[g]) << g;
            }
            EXPECT_EQ(data.UsableGroups[3].Enable, HasLmrBank(model));
            EXPECT_EQ(data.CommonSetup.Weater, region.Weater);
            EXPECT_EQ(data.RadioImage.Word(0x0040), ModelOf(model).Code);
            EXPECT_EQ(data.RadioImage.Word(ModelOf(model).LastAddress - 1), ModelOf(model).Code);
        }
        EXPECT_TRUE(ui.Messages.empty());
    }
}

}  // namespace
}  // namespace kelpie
