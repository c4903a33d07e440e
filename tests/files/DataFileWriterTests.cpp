#include "files/DataFileWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FileTestSupport.h"
#include "TempFolder.h"
#include "files/DataFileLayout.h"
#include "model/Models.h"

namespace kelpie {
namespace {

struct Written
{
    RadioData Data;
    ShellState Shell;

    explicit Written(int model) : Data(model) { Shell.ModelName = ModelNameOf(model); }
    std::string Text() const { return DataFileText(Data, Shell); }
};

bool HasLineStarting(const std::vector<std::string>& lines, const std::string& start)
{
    return std::ranges::any_of(lines, [&](const std::string& line) { return line.starts_with(start); });
}

void SetPresetEntry(RadioData& data, int group, int entry, int channel)
{
    data.RadioImage[PresetEntryAddress(group, entry)] = static_cast<std::uint8_t>(channel & 0xFF);
    data.RadioImage[PresetEntryAddress(group, entry) + 1] = static_cast<std::uint8_t>(channel >> 8);
}

TEST(DataFileWriter, FileBeginsWithTheMainSectionAndEveryLineEndsInCrLf)
{
    Written file(5);
    file.Data.RadioImage[0x00A8] = 0x20;
    const std::string text = file.Text();
    EXPECT_TRUE(
        text.starts_with("[MAIN]\r\nMODEL=#MV230\r\nTYPE=#JMB\r\nVERSION=#2.00\r\nMODELTYPE=5\r\nSEL1=1\r\n"
                         "SEL2=0\r\n[Usable CH Group Setup]\r\nUSA=0\r\nINTL=0\r\nCanada=0\r\nEXP CH=0\r\n"
                         "TX TOT 0=0\r\n"));
    EXPECT_TRUE(text.ends_with("A6=&HFF\r\nA7=&HFF\r\n"));
    EXPECT_EQ(std::ranges::count(text, '\n'), std::ranges::count(text, '\r'));
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
}

TEST(DataFileWriter, SelFlagsComeFromBitsFiveAndFourOfTheOptionByte)
{
    Written file(5);
    file.Data.RadioImage[0x00A8] = 0x30;
    EXPECT_TRUE(HasLineStarting(SectionLines(file.Text(), "MAIN"), "SEL2=1"));
    file.Data.RadioImage[0x00A8] = 0x10;
    const auto lines = SectionLines(file.Text(), "MAIN");
    EXPECT_TRUE(HasLineStarting(lines, "SEL1=0"));
    EXPECT_TRUE(HasLineStarting(lines, "SEL2=1"));
}

TEST(DataFileWriter, PresetListsAreWrittenWithoutGapsAndEmptyListsWriteOnlyPriorityAndBackup)
{
    Written file(5);
    file.Data.UsableGroups[0].PriorityCh = -32;
    file.Data.UsableGroups[0].Backup = 3;
    SetPresetEntry(file.Data, 1, 0, 17);
    SetPresetEntry(file.Data, 1, 3, 289);
    SetPresetEntry(file.Data, 1, 5, 290);
    SetPresetEntry(file.Data, 1, 9, 0);
    const auto lines = SectionLines(file.Text(), "Usable CH Group Setup");
    const auto at = std::ranges::find(lines, "Priority CH 0=32");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[1], "Priority CH 0Backup=3");
    EXPECT_EQ(at[2], "Priority CH 1=0");
    EXPECT_EQ(at[3], "Priority CH 1-Cmb 1=17");
    EXPECT_EQ(at[4], "Priority CH 1-Cmb 2=289");
    EXPECT_EQ(at[5], "Priority CH 1-Cmb 3=0");
    EXPECT_EQ(at[6], "Priority CH 1Backup=0");
    EXPECT_EQ(lines.back(), "Status name 3=");
}

TEST(DataFileWriter, KeysFollowTheModel)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const std::string text = Written(model).Text();
        const auto usable = SectionLines(text, "Usable CH Group Setup");
        const auto atis = SectionLines(text, "ATIS Setup (Common)");
        const auto usa = SectionLines(text, "CHUSA0");
        EXPECT_EQ(HasLineStarting(usable, "Status name 0="), model != 1);
        EXPECT_EQ(HasLineStarting(usa, "Scramble="), model != 1);
        EXPECT_EQ(HasLineStarting(usa, "ChTag=#"), model != 1);
        EXPECT_EQ(usa.size(), model == 1 ? 9u : 11u);
        EXPECT_EQ(atis.size(), model == 0 ? 9u : 5u);
        EXPECT_EQ(SectionLines(text, "CHEXP1").size(), HasLmrBank(model) ? 18u : 10u);
        EXPECT_EQ(SectionLines(text, "CHEXP40").size(), HasLmrBank(model) ? 18u : 10u);
        EXPECT_EQ(SectionLines(text, "Common Setup").size(), 13u);
        EXPECT_EQ(SectionLines(text, "PRISETCH").size(), 8u);
        EXPECT_EQ(SectionLines(text, "CHCAN239").size(), usa.size());
        EXPECT_EQ(SectionLines(text, "CHWX9").size(), 3u);
    }
}

TEST(DataFileWriter, RecordFieldsUseTheirForms)
{
    Written file(5);
    ChannelRecord& exp = file.Data.ExpChannels[0];
    exp.Enable = true;
    exp.CHDisplayL = "A1";
    exp.Rxfreq = 156.05;
    exp.Txfreq = 157.0;
    exp.TXPower = 3;
    exp.ChTag = "";
    file.Data.CommonSetup.ResumeTime = -2;
    file.Data.CommonSetup.TxPoDisplay = -2;
    file.Data.UsaChannels[5].Position = 5;
    file.Data.UsaChannels[5].ChTag = "Bridge";
    const std::string text = file.Text();
    const auto lines = SectionLines(text, "CHEXP1");
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
              (std::vector<std::string>{"Enable=1", "CHDisplayL=A1", "CHDisplayR=", "Rxfreq=156.05",
                                        "Txfreq=157", "LowPower=0", "TXPower=3", "PowUp=0"}));
    EXPECT_TRUE(HasLineStarting(lines, "ChTag=#") && !HasLineStarting(lines, "ChTag=#x"));
    EXPECT_EQ(SectionLines(text, "CHUSA5").front(), "Position=5");
    EXPECT_EQ(SectionLines(text, "CHUSA5").back(), "ChTag=#Bridge");
    const auto common = SectionLines(text, "Common Setup");
    EXPECT_EQ(common.front(), "TX Po Display=2");
    EXPECT_EQ(common[7], "Resume Time=-2");
}

TEST(SaveFileAs, AFolderThatCannotBeWrittenKeepsTheOldFileAndReportsTheError)
{
    TempFolder folder;
    TempFolder logFolder;
    std::filesystem::permissions(logFolder.Path(), std::filesystem::perms::all);
    const auto target = folder.Path() / "radio.dat";
    const auto log = logFolder.Path() / "err.log";
    WriteFileText(target, "old contents\r\n");
    const bool reported = RunWithoutWriteAccess(folder.Path(), [&] {
        Written file(5);
        file.Shell.DebugMode = true;
        file.Shell.ErrorLogPath = log.string();
        RecordingUi ui;
        SaveFileAs(file.Data, file.Shell, ui, target);
        return file.Shell.ErrorFlag && file.Shell.CancelFlag && !file.Shell.BusyFlag &&
               ui.Messages.size() == 1 && ui.Messages[0].Text == "FileSave Error!!" &&
               ui.Messages[0].Title == file.Shell.ProgramTitle &&
               ui.Messages[0].Icon == MessageIcon::Warning && ui.Messages[0].Buttons == MessageButtons::Ok;
    });
    EXPECT_TRUE(reported);
    EXPECT_EQ(ReadFileText(target), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    EXPECT_NE(ReadFileText(log).find(":frmMain.SaveFileAs -> 13Permission denied\r\n"), std::string::npos);
}

TEST(SaveFileAs, ASaveReplacesTheFileAndLogsNothing)
{
    TempFolder folder;
    const auto target = folder.Path() / "radio.dat";
    WriteFileText(target, "old contents\r\n");
    Written file(2);
    file.Shell.DebugMode = true;
    file.Shell.ErrorLogPath = (folder.Path() / "err.log").string();
    file.Shell.ErrorFlag = true;
    RecordingUi ui;
    SaveFileAs(file.Data, file.Shell, ui, target);
    EXPECT_FALSE(file.Shell.ErrorFlag);
    EXPECT_EQ(ReadFileText(target), file.Text());
    EXPECT_TRUE(ui.Messages.empty());
    EXPECT_EQ(ui.BusyCalls, (std::vector<bool>{true, false}));
    EXPECT_FALSE(std::filesystem::exists(file.Shell.ErrorLogPath));
}

}  // namespace
}  // namespace kelpie
