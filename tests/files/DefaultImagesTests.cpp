#include "files/DefaultImages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FileTestSupport.h"
#include "TempFolder.h"
#include "files/ProgramSettings.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {
namespace {

// A default image of the model whose SQL byte tells the files apart.
std::string DefaultImage(int model, std::uint8_t sql)
{
    std::string bytes(static_cast<std::size_t>(ExpectedImageFileLength(model)), '\xFF');
    const auto code = ModelOf(model).Code;
    for (const int address : {0x0040, ModelOf(model).LastAddress - 1, 0x1FFE}) {
        bytes[static_cast<std::size_t>(address)] = static_cast<char>(code >> 8);
        bytes[static_cast<std::size_t>(address) + 1] = static_cast<char>(code & 0xFF);
    }
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
        WriteFileText(Folder.Path() / name, DefaultImage(5, sql));
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
    int CheckedEntry() const
    {
        for (int k = 0; k < kDestinationEntryCount; ++k) {
            if (Menu.Entries[k].Checked) {
                return k;
            }
        }
        return -1;
    }
};

TEST(DestinationList, NamesAreUpperCasedSortedAndTheDefaultUsaIsLoaded)
{
    Destinations d;
    d.Add("USA_00E6.ini", 1);
    d.Add("intl_00E6.ini", 2);
    d.Add("Canada_00e6.INI", 3);
    d.Add("XX00E6.ini", 4);
    d.Add("USA_00E7.ini", 5);
    EXPECT_TRUE(d.Build());
    EXPECT_TRUE(d.Menu.Enabled);
    EXPECT_EQ(d.Captions(), (std::vector<std::string>{"CANADA", "INTL", "USA"}));
    EXPECT_EQ(d.CheckedEntry(), 2);
    EXPECT_EQ(d.Data.CommonSetup.Sql, 1);
    for (int k = 3; k < kDestinationEntryCount; ++k) {
        EXPECT_EQ(d.Menu.Entries[k].Caption, "");
    }
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
    EXPECT_FALSE(d.Menu.Entries[10].Visible);
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

TEST(DestinationList, NoFileForTheModelLeavesTheMenuDisabledAndUnchanged)
{
    Destinations d;
    d.Add("USA_00E7.ini", 1);
    d.Menu.Entries[0] = {"OLD", true, true};
    EXPECT_FALSE(d.Build());
    EXPECT_FALSE(d.Menu.Enabled);
    EXPECT_EQ(d.Menu.Entries[0].Caption, "OLD");
}

TEST(DestinationList, ChangingTheDestinationRemembersItAndAFailureGivesTheMarkBack)
{
    Destinations d;
    d.Add("USA_00E6.ini", 1);
    d.Add("intl_00E6.ini", 2);
    d.Add("BAD_00E6.ini", 3);
    std::filesystem::resize_file(d.Folder.Path() / "BAD_00E6.ini", 100);
    d.Build();
    ASSERT_EQ(d.Captions(), (std::vector<std::string>{"BAD", "INTL", "USA"}));

    EXPECT_TRUE(LoadDestination(d.Menu, 1, d.Data, d.Shell, d.Store, d.Ui));
    EXPECT_EQ(d.CheckedEntry(), 1);
    EXPECT_EQ(d.Data.CommonSetup.Sql, 2);
    EXPECT_EQ(RememberedDestination(d.Store, 5), "INTL");

    EXPECT_FALSE(LoadDestination(d.Menu, 0, d.Data, d.Shell, d.Store, d.Ui));
    EXPECT_EQ(d.CheckedEntry(), 1);
    EXPECT_EQ(RememberedDestination(d.Store, 5), "INTL");
    ASSERT_EQ(d.Ui.Messages.size(), 1u);
    EXPECT_EQ(d.Ui.Messages[0].Text, "IniFileRead Error!!");
    EXPECT_EQ(d.Ui.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_EQ(d.Ui.Messages[0].Title, d.Shell.ProgramTitle);
}

TEST(LoadDefaultImage, RefusesAWrongLengthOrModelCodeAndLogsAMissingFile)
{
    Destinations d;
    d.Shell.DebugMode = true;
    d.Shell.ErrorLogPath = (d.Folder.Path() / "err.log").string();
    std::string wrongModel = DefaultImage(5, 1);
    wrongModel[0x3FFF] = 0;
    WriteFileText(d.Folder.Path() / "model.ini", wrongModel);
    WriteFileText(d.Folder.Path() / "short.ini", DefaultImage(1, 1));
    const RadioImage before = d.Data.RadioImage;
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder.Path() / "model.ini"));
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder.Path() / "short.ini"));
    EXPECT_FALSE(std::filesystem::exists(d.Shell.ErrorLogPath));
    EXPECT_FALSE(LoadDefaultImage(d.Data, d.Shell, d.Ui, d.Folder.Path() / "missing.ini"));
    EXPECT_TRUE(d.Data.RadioImage == before);
    EXPECT_FALSE(d.Shell.BusyFlag);
    EXPECT_NE(ReadFileText(d.Shell.ErrorLogPath).find(":frmMain.FileReadIni -> 2"), std::string::npos);
}

TEST(DefaultImageFileName, DestinationUnderscoreCodeDigits)
{
    EXPECT_EQ(DefaultImageFileName("USA", 5), "USA_00E6.ini");
    EXPECT_EQ(DefaultImageFileName("INTL", 0), "INTL_1D4C.ini");
    EXPECT_EQ(ModelCodeDigits(1), "00F0");
}

}  // namespace
}  // namespace kelpie
