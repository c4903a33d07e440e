#include "files/DefaultImages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FileTestSupport.h"
#include "files/ProgramSettings.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {
namespace {

// A model 5 default image whose SQL tells the files apart.
std::string DefaultImage(std::uint8_t sql)
{
    std::string bytes(16384, '\xFF');
    bytes[0x0040] = bytes[0x3FFE] = 0x00;
    bytes[0x0041] = bytes[0x3FFF] = static_cast<char>(0xE6);
    bytes[0x004A] = static_cast<char>(sql << 4);
    return bytes;
}

struct Destinations
{
    TempFolder Folder;
    RadioData Data{5};
    ShellState Shell;
    RecordingUi Ui;
    MemorySettingsStore Store;
    DestinationMenu Menu;

    void Add(const std::string& name, std::uint8_t sql = 1)
    {
        WriteFileText(Folder / name, DefaultImage(sql));
    }
    bool Build() { return BuildDestinationList(Menu, Data, Shell, Store, Ui, Folder.Path); }
    // The visible entries, the checked one marked "*".
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const DestinationEntry& e : Menu.Entries) {
            if (e.Visible) {
                captions.push_back((e.Checked ? "*" : "") + e.Caption);
            }
        }
        return captions;
    }
};

TEST(DestinationList, NamesAreUpperCasedSortedAndTheDefaultUsaIsLoaded)
{
    Destinations d;
    for (const char* name : {"intl_00E6.ini", "Canada_00e6.INI", "XX00E6.ini", "USA_00E7.ini"}) {
        d.Add(name);
    }
    d.Add("USA_00E6.ini", 4);
    EXPECT_TRUE(d.Build());
    EXPECT_TRUE(d.Menu.Enabled);
    EXPECT_EQ(d.Captions(), (std::vector<std::string>{"CANADA", "INTL", "*USA"}));
    EXPECT_EQ(d.Data.CommonSetup.Sql, 4);
    EXPECT_EQ(d.Menu.Entries[3].Caption, "");
    EXPECT_TRUE(d.Ui.Messages.empty());
}

TEST(DestinationList, OnlyTheFirstTenFilesAreListed)
{
    Destinations d;
    for (int i = 0; i < 12; ++i) {
        d.Add("D" + std::to_string(10 + i) + "_00E6.ini");
    }
    d.Build();
    EXPECT_EQ(d.Captions().size(), 10u);
    EXPECT_TRUE(std::ranges::is_sorted(d.Captions()));
}

TEST(DestinationList, ARememberedDestinationWithoutAFileLeavesTheResetImage)
{
    Destinations d;
    d.Add("USA_00E6.ini");
    d.Store.SaveSetting("IniFilePath", "IniFileName_5", "Intl");
    const RadioImage before = d.Data.RadioImage;
    EXPECT_FALSE(d.Build());
    EXPECT_EQ(d.Captions(), std::vector<std::string>{"USA"});
    EXPECT_TRUE(d.Data.RadioImage == before);
}

TEST(DestinationList, ChangingTheDestinationRemembersItAndAFailureGivesTheMarkBack)
{
    Destinations d;
    d.Add("USA_00E6.ini");
    d.Add("intl_00E6.ini", 2);
    WriteFileText(d.Folder / "BAD_00E6.ini", "short");
    d.Build();
    ASSERT_EQ(d.Captions(), (std::vector<std::string>{"BAD", "INTL", "*USA"}));
    EXPECT_TRUE(LoadDestination(d.Menu, 1, d.Data, d.Shell, d.Store, d.Ui));
    EXPECT_EQ(d.Data.CommonSetup.Sql, 2);
    EXPECT_FALSE(LoadDestination(d.Menu, 0, d.Data, d.Shell, d.Store, d.Ui));
    EXPECT_EQ(d.Captions(), (std::vector<std::string>{"BAD", "*INTL", "USA"}));
    EXPECT_EQ(RememberedDestination(d.Store, 5), "INTL");
    EXPECT_EQ(d.Ui.Messages, OkBox("IniFileRead Error!!", MessageIcon::Exclamation));
}

TEST(LoadDefaultImage, RefusesAWrongModelCodeSilentlyAndLogsAMissingFile)
{
    Destinations d;
    d.Shell.DebugMode = true;
    d.Shell.ErrorLogPath = (d.Folder / "err.log").string();
    std::string wrongModel = DefaultImage(1);
    wrongModel[0x0041] = 0;  // at its tail the model's code, which the hex load test checks
    WriteFileText(d.Folder / "model.ini", wrongModel);
    const RadioImage before = d.Data.RadioImage;
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder / "model.ini"));
    EXPECT_FALSE(std::filesystem::exists(d.Shell.ErrorLogPath));
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder / "missing.ini"));
    EXPECT_TRUE(d.Data.RadioImage == before);
    EXPECT_FALSE(d.Shell.BusyFlag);
    EXPECT_NE(ReadFileText(d.Shell.ErrorLogPath).find(":frmMain.FileReadIni -> 2"), std::string::npos);
}

// The files the build writes into the program folder.
TEST(SuppliedDefaultImages, EveryModelListsItsThreeDestinationsAndLoadsEachWithItsRegion)
{
    // The entry; the USA, International and Canada groups usable; the weather setting.
    const std::tuple<int, std::array<bool, 3>, int> regions[] = {
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
        EXPECT_EQ((std::vector{menu.Entries[0].Caption, menu.Entries[1].Caption, menu.Entries[2].Caption}),
                  (std::vector<std::string>{"CANADA", "INTL", "USA"}));
        EXPECT_FALSE(menu.Entries[3].Visible);
        for (const auto& [entry, usable, weather] : regions) {
            ASSERT_TRUE(LoadDestination(menu, entry, data, shell, store, ui));
            const auto& groups = data.UsableGroups;
            EXPECT_EQ((std::array{groups[0].Enable, groups[1].Enable, groups[2].Enable}), usable);
            EXPECT_EQ(groups[3].Enable, HasLmrBank(model));
            EXPECT_EQ(data.CommonSetup.Weater, weather);
            EXPECT_EQ(data.RadioImage.Word(ModelOf(model).LastAddress - 1), ModelOf(model).Code);
        }
        EXPECT_TRUE(ui.Messages.empty());
    }
}

}  // namespace
}  // namespace kelpie
