#include "files/ProgramSettings.h"

#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "model/Models.h"

namespace kelpie {
namespace {

TEST(ProgramSettings, MissingOrUnusableValuesGiveTheDefaults)
{
    const std::tuple<const char*, const char*, int, int> cases[] = {
        {nullptr, nullptr, 5, 1}, {"2", "3", 2, 3},  {" 0 ", "4", 0, 4},  {"7", "5", 5, 1},
        {"-1", "0", 5, 1},        {"abc", "", 5, 1}, {"6x", "2.0", 5, 1}, {"6", "1", 6, 1},
    };
    for (const auto& [model, port, expectedModel, expectedPort] : cases) {
        MemorySettingsStore store;
        if (model != nullptr) {
            store.SaveSetting("ModelPath", "ModelNum", model);
            store.SaveSetting("ComPath", "ComNum", port);
        }
        RadioData data(3);
        ShellState shell;
        ReadSettings(store, data, shell);
        EXPECT_EQ(data.ModelIndex, expectedModel) << (model ? model : "missing");
        EXPECT_EQ(shell.CommPort, expectedPort) << (port ? port : "missing");
        EXPECT_EQ(shell.ModelName, ModelNameOf(expectedModel));
        // Any stored value, even one not taken, means the radio was chosen before.
        EXPECT_EQ(HasStoredModel(store), model != nullptr) << (model ? model : "missing");
    }
}

TEST(ProgramSettings, StoresWriteTheirSectionsAndKeysAsDecimalText)
{
    MemorySettingsStore store;
    ShellState shell;
    shell.CommPort = 3;
    StoreCommPort(store, shell);
    StoreModelIndex(store, RadioData(4));
    StoreDestination(store, 4, "CANADA");
    StoreWindowGeometry(store, {1500, -30, 9105, 6660});
    EXPECT_EQ(store.Values, (std::map<std::string, std::string>{
                                {"ComPath/ComNum", "3"},
                                {"ModelPath/ModelNum", "4"},
                                {"IniFilePath/IniFileName_4", "CANADA"},
                                {"Settings/MainLeft", "1500"},
                                {"Settings/MainTop", "-30"},
                                {"Settings/MainWidth", "9105"},
                                {"Settings/MainHeight", "6660"},
                            }));
}

TEST(ProgramSettings, RecentFilesKeepTheLastEightNewestFirstEachOnce)
{
    MemorySettingsStore store;
    EXPECT_TRUE(RecentFiles(store).empty());
    for (int i = 1; i <= 9; ++i) {
        AddRecentFile(store, "/boat/" + std::to_string(i) + ".dat");
    }
    AddRecentFile(store, "/boat/5.dat");  // used again: moves to the front, not listed twice
    EXPECT_EQ(RecentFiles(store),
              (std::vector<std::string>{"/boat/5.dat", "/boat/9.dat", "/boat/8.dat", "/boat/7.dat",
                                        "/boat/6.dat", "/boat/4.dat", "/boat/3.dat", "/boat/2.dat"}));

    RemoveRecentFile(store, "/boat/9.dat");
    EXPECT_EQ(RecentFiles(store).size(), 7u);
    EXPECT_EQ(RecentFiles(store)[1], "/boat/8.dat");
    EXPECT_EQ(store.Value("RecentFiles/File8"), "");

    ClearRecentFiles(store);
    EXPECT_TRUE(RecentFiles(store).empty());
}

}  // namespace
}  // namespace kelpie
