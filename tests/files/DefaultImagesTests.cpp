#include "files/DefaultImages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FileTestSupport.h"
#include "files/ProgramSettings.h"
#include "model/ImagePasses.h"

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

    Destinations() { ResetEditModel(Data); }
    void Add(const std::string& name, std::uint8_t sql)
    {
        WriteFileText(Folder.Path() / name, DefaultImage(sql));
    }
    bool Build() { return BuildDestinationList(Menu, Data, Shell, Store, Ui, Folder.Path()); }
    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (const DestinationEntry& entry : Menu.Entries) {
            if (entry.Visible) {
                captions.push_back(entry.Caption);
            }
        }
        return captions;
    }
    long CheckedEntry() const
    {
        const auto checked = std::ranges::find_if(Menu.Entries, [](const auto& e) { return e.Checked; });
        return checked == Menu.Entries.end() ? -1 : checked - Menu.Entries.begin();
    }
};

TEST(DestinationList, NamesAreUpperCasedSortedAndTheDefaultUsaIsLoaded)
{
    Destinations d;
    for (const char* name : {"intl_00E6.ini", "Canada_00e6.INI", "XX00E6.ini", "USA_00E7.ini"}) {
        d.Add(name, 1);
    }
    d.Add("USA_00E6.ini", 4);
    EXPECT_TRUE(d.Build());
    EXPECT_TRUE(d.Menu.Enabled);
    EXPECT_EQ(d.Captions(), (std::vector<std::string>{"CANADA", "INTL", "USA"}));
    EXPECT_EQ(d.CheckedEntry(), 2);
    EXPECT_EQ(d.Data.CommonSetup.Sql, 4);
    EXPECT_EQ(d.Menu.Entries[3].Caption, "");
    EXPECT_TRUE(d.Ui.Messages.empty());
}

TEST(DestinationList, OnlyTheFirstTenFilesAreListed)
{
    Destinations d;
    for (int i = 0; i < 12; ++i) {
        d.Add("D" + std::to_string(10 + i) + "_00E6.ini", 1);
    }
    d.Build();
    EXPECT_EQ(d.Captions().size(), 10u);
    EXPECT_TRUE(std::ranges::is_sorted(d.Captions()));
}

TEST(DestinationList, ARememberedDestinationWithoutAFileLeavesTheResetImage)
{
    Destinations d;
    d.Add("USA_00E6.ini", 1);
    d.Store.SaveSetting("IniFilePath", "IniFileName_5", "Intl");
    const RadioImage before = d.Data.RadioImage;
    EXPECT_FALSE(d.Build());
    EXPECT_EQ(d.CheckedEntry(), -1);
    EXPECT_TRUE(d.Data.RadioImage == before);
}

TEST(DestinationList, ChangingTheDestinationRemembersItAndAFailureGivesTheMarkBack)
{
    Destinations d;
    d.Add("USA_00E6.ini", 1);
    d.Add("intl_00E6.ini", 2);
    WriteFileText(d.Folder.Path() / "BAD_00E6.ini", "short");
    d.Build();
    ASSERT_EQ(d.Captions(), (std::vector<std::string>{"BAD", "INTL", "USA"}));
    EXPECT_TRUE(LoadDestination(d.Menu, 1, d.Data, d.Shell, d.Store, d.Ui));
    EXPECT_EQ(d.Data.CommonSetup.Sql, 2);
    EXPECT_FALSE(LoadDestination(d.Menu, 0, d.Data, d.Shell, d.Store, d.Ui));
    EXPECT_EQ(d.CheckedEntry(), 1);
    EXPECT_EQ(RememberedDestination(d.Store, 5), "INTL");
    EXPECT_EQ(d.Ui.Messages, OkBox("IniFileRead Error!!", MessageIcon::Exclamation));
}

TEST(LoadDefaultImage, RefusesAWrongModelCodeSilentlyAndLogsAMissingFile)
{
    Destinations d;
    d.Shell.DebugMode = true;
    d.Shell.ErrorLogPath = (d.Folder.Path() / "err.log").string();
    std::string wrongModel = DefaultImage(1);
    wrongModel[0x3FFF] = 0;
    WriteFileText(d.Folder.Path() / "model.ini", wrongModel);
    const RadioImage before = d.Data.RadioImage;
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder.Path() / "model.ini"));
    EXPECT_FALSE(std::filesystem::exists(d.Shell.ErrorLogPath));
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder.Path() / "missing.ini"));
    EXPECT_TRUE(d.Data.RadioImage == before);
    EXPECT_FALSE(d.Shell.BusyFlag);
    EXPECT_NE(ReadFileText(d.Shell.ErrorLogPath).find(":frmMain.FileReadIni -> 2"), std::string::npos);
}

}  // namespace
}  // namespace kelpie
