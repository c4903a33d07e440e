#include "files/DataFileWriter.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "FileTestSupport.h"
#include "model/Models.h"

namespace kelpie {
namespace {

std::string Text(const RadioData& data)
{
    ShellState shell;
    shell.ModelName = ModelNameOf(data.ModelIndex);
    return DataFileText(data, shell);
}

bool HasKey(const std::vector<std::string>& lines, const std::string& key)
{
    return std::ranges::any_of(lines, [&](const std::string& line) { return line.starts_with(key + "="); });
}

TEST(DataFileWriter, FileBeginsWithTheMainSectionAndSelFlagsComeFromBitsFiveAndFour)
{
    RadioData data(5);
    data.RadioImage[0x00A8] = 0x20;
    const std::string text = Text(data);
    EXPECT_TRUE(
        text.starts_with("[MAIN]\r\nMODEL=#MV230\r\nTYPE=#JMB\r\nVERSION=#2.00\r\nMODELTYPE=5\r\nSEL1=1\r\n"
                         "SEL2=0\r\n[Usable CH Group Setup]\r\nUSA=0\r\nINTL=0\r\nCanada=0\r\nEXP CH=0\r\n"
                         "TX TOT 0=0\r\n"));
    EXPECT_TRUE(
        text.ends_with("[PRISETCH]\r\nA0=&HFF\r\nA1=&HFF\r\nA2=&HFF\r\nA3=&HFF\r\nA4=&HFF\r\nA5=&HFF\r\n"
                       "A6=&HFF\r\nA7=&HFF\r\n"));
    EXPECT_EQ(std::ranges::count(text, '\n'), std::ranges::count(text, '\r'));
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
    data.RadioImage[0x00A8] = 0x30;
    EXPECT_EQ(SectionLines(Text(data), "MAIN")[5], "SEL2=1");
}

TEST(DataFileWriter, PresetListsAreWrittenWithoutGapsAndEmptyListsWriteOnlyPriorityAndBackup)
{
    RadioData data(5);
    data.UsableGroups[0].PriorityCh = -1;
    data.UsableGroups[0].Backup = 3;
    for (const auto& [entry, channel] : {std::pair{0, 17}, {3, 289}, {5, 290}, {9, 0}}) {
        data.RadioImage[0x0060 + 20 + 2 * entry] = static_cast<std::uint8_t>(channel & 0xFF);
        data.RadioImage[0x0061 + 20 + 2 * entry] = static_cast<std::uint8_t>(channel >> 8);
    }
    const auto lines = SectionLines(Text(data), "Usable CH Group Setup");
    const auto at = std::ranges::find(lines, "Priority CH 0=-1");
    ASSERT_LE(at + 7, lines.end());
    EXPECT_EQ(std::vector<std::string>(at, at + 7),
              (std::vector<std::string>{"Priority CH 0=-1", "Priority CH 0Backup=3", "Priority CH 1=0",
                                        "Priority CH 1-Cmb 1=17", "Priority CH 1-Cmb 2=289",
                                        "Priority CH 1-Cmb 3=0", "Priority CH 1Backup=0"}));
}

TEST(DataFileWriter, KeysFollowTheModel)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const std::string text = Text(RadioData(model));
        const auto usa = SectionLines(text, "CHUSA0");
        EXPECT_EQ(HasKey(SectionLines(text, "Usable CH Group Setup"), "Status name 0"), model != 1);
        EXPECT_EQ(HasKey(usa, "Scramble") && HasKey(usa, "ChTag"), model != 1);
        EXPECT_EQ(usa.size(), model == 1 ? 9u : 11u);
        EXPECT_EQ(SectionLines(text, "CHCAN239").size(), usa.size());
        EXPECT_EQ(HasKey(SectionLines(text, "ATIS Setup (Common)"), "Usable ATIS Kikker CH Group3"),
                  model == 0);
        EXPECT_EQ(SectionLines(text, "CHEXP40").size(), HasLmrBank(model) ? 18u : 10u);
        EXPECT_EQ(SectionLines(text, "Common Setup").size(), 13u);
        EXPECT_EQ(SectionLines(text, "CHWX9").size(), 3u);
    }
}

TEST(DataFileWriter, RecordFieldsUseTheirForms)
{
    RadioData data(5);
    ChannelRecord& exp = data.ExpChannels[0];
    exp.Enable = true;
    exp.TXPower = 3;
    exp.CHDisplayL = "A1";
    exp.Txfreq = 157.0;
    exp.Rxfreq = 156.05;
    data.CommonSetup.ResumeTime = -2;
    data.CommonSetup.TxPoDisplay = -2;
    const std::string text = Text(data);
    const auto lines = SectionLines(text, "CHEXP1");
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 8),
              (std::vector<std::string>{"Enable=1", "CHDisplayL=A1", "CHDisplayR=", "Rxfreq=156.05",
                                        "Txfreq=157", "LowPower=0", "TXPower=3", "PowUp=0"}));
    EXPECT_EQ(lines[11], "ChTag=#");
    const auto common = SectionLines(text, "Common Setup");
    EXPECT_EQ(common[0], "TX Po Display=2");
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
        ShellState shell;
        shell.DebugMode = true;
        shell.ErrorLogPath = log.string();
        RecordingUi ui;
        SaveFileAs(RadioData(5), shell, ui, target);
        return shell.ErrorFlag && shell.CancelFlag && !shell.BusyFlag &&
               ui.Messages == OkBox("FileSave Error!!", MessageIcon::Exclamation);
    });
    EXPECT_TRUE(reported);
    EXPECT_EQ(ReadFileText(target), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);
    EXPECT_NE(ReadFileText(log).find(":frmMain.SaveFileAs -> 13Permission denied\r\n"), std::string::npos);
}

}  // namespace
}  // namespace kelpie
