#include "files/DataFileReader.h"

#include <gtest/gtest.h>

#include "FileTestSupport.h"

namespace kelpie {
namespace {

std::string Main(int model, const std::string& lines = "")
{
    return "[MAIN]\r\nMODEL=#MV230\r\nMODELTYPE=" + std::to_string(model) + "\r\n" + lines;
}

struct Load
{
    RadioData Data;
    ShellState Shell;
    RecordingUi Ui;

    explicit Load(int model) : Data(model) {}
    void Read(const std::string& text) { ReadDataFile(Data, Shell, Ui, text); }
    int PresetEntry(int group, int entry) const
    {
        return Data.RadioImage[0x0060 + 20 * group + 2 * entry] |
               Data.RadioImage[0x0061 + 20 * group + 2 * entry] << 8;
    }
};

TEST(ReadDataFile, AFileOfAnotherModelOrWithoutAModelNumberChangesNothing)
{
    for (const std::string& header : {Main(5), std::string("[MAIN]\nMODELTYPE=\n"),
                                      std::string("[MAIN]\nMODELTYPE=abc\n"), std::string()}) {
        Load load(2);
        const RadioData before = load.Data;
        load.Read(header + "SEL1=0\r\n[Common Setup]\r\nSQL=3\r\n[CHUSA0]\r\nPosition=0\r\nEnable=1\r\n");
        EXPECT_TRUE(load.Shell.ErrorFlag && !load.Shell.CancelFlag);
        EXPECT_TRUE(SameData(load.Data, before));
        EXPECT_EQ(load.Ui.Messages, OkBox("different model!!", MessageIcon::Critical));
    }
}

TEST(ReadDataFile, SelTextsSetAndClearTheOptionBitsAndLeaveTheOthers)
{
    const std::tuple<std::string, std::uint8_t, std::uint8_t> cases[] = {{"SEL1=\r\nSEL2=\r\n", 0x10, 0x20},
                                                                         {"SEL1=0\r\nSEL2=1\r\n", 0x2F, 0x1F},
                                                                         {"SEL1=2\r\nSEL2=x\r\n", 0xDF, 0xEF},
                                                                         {"", 0x00, 0x20}};
    for (const auto& [lines, before, after] : cases) {
        Load load(5);
        load.Data.RadioImage[0x00A8] = before;
        load.Read(Main(5, lines));
        EXPECT_EQ(load.Data.RadioImage[0x00A8], after) << lines;
    }
}

TEST(ReadDataFile, MarineBanksStopAtTheFirstMissingSectionAndSkipPositionsOutsideTheBank)
{
    Load load(5);
    load.Data.UsaChannels[2].ChTag = "KEEP";
    load.Data.IntlChannels[7].DuplexAllowed = true;
    load.Read(Main(5) +
              "[chusa0]\r\nposition=1\r\nENABLE=1\r\nChTag=##ONE\r\nTXPower=4\r\n"
              "[CHUSA2]\r\nPosition=2\r\nChTag=#TWO\r\n"
              "[CHINT0]\r\nPosition=240\r\nEnable=1\r\n"
              "[CHINT1]\r\nPosition=7.4\r\nDuplex=1\r\nTXPower=2\r\n"
              "[CHINT2]\r\nPosition=abc\r\nChTag=ZERO\r\n"
              "[CHINT3]\r\nPosition=8\r\nDuplex=1\r\nScanMemory=maybe\r\n"
              "[CHCAN0]\r\nPosition=\r\nEnable=1\r\n");
    const ChannelRecord& usa = load.Data.UsaChannels[1];
    EXPECT_TRUE(usa.Enable && usa.Position == 1 && usa.ChTag == "#ONE" && usa.TXPower == 0);
    EXPECT_EQ(load.Data.UsaChannels[2].ChTag, "KEEP");
    EXPECT_TRUE(load.Data.IntlChannels[7].Duplex);
    EXPECT_EQ(load.Data.IntlChannels[7].TXPower, 2);
    EXPECT_EQ(load.Data.IntlChannels[0].ChTag, "ZERO");
    EXPECT_FALSE(load.Data.IntlChannels[8].Duplex || load.Data.IntlChannels[8].ScanMemory);
    EXPECT_FALSE(load.Data.CanadaChannels[0].Enable);
}

TEST(ReadDataFile, PresetListsAreWrittenIntoTheImageAndMissingEntriesBecomeEmpty)
{
    Load load(5);
    load.Data.RadioImage.Fill(0x0060, 0x00A7, 0x00);
    load.Read(Main(5) +
              "[Usable CH Group Setup]\r\nPriority CH 1-Cmb 1=17\r\nPriority CH 1-Cmb 2=289\r\n"
              "Priority CH 1-Cmb 4=-1\r\nPriority CH 1-Cmb 5=65535\r\nPriority CH 1-Cmb 6=65536\r\n"
              "Priority CH 1-Cmb 7=abc\r\nPriority CH 1=70000\r\nPriority CH 1Backup=256\r\n"
              "[PRISETCH]\r\nA0=&HFF\r\nA1=28\r\nA2=&H1C\r\nA3=300\r\nA4=12abc\r\nA5=abc\r\n");
    const int expected[10] = {17, 289, 0xFFFF, 0xFFFF, 65535, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(load.PresetEntry(1, j), expected[j]) << j;
    }
    EXPECT_EQ(load.Data.RadioImage[0x0076], 0x21);
    EXPECT_EQ(load.PresetEntry(0, 0), 0xFFFF);
    EXPECT_EQ(load.Data.UsableGroups[1].PriorityCh, 0);
    EXPECT_EQ(load.Data.UsableGroups[1].Backup, 0);
    const std::uint8_t bytes[] = {255, 28, 28, 0, 12, 0, 0, 0};
    EXPECT_TRUE(std::ranges::equal(load.Data.RadioImage.Bytes(0x00A0, 8), bytes));
}

TEST(ReadDataFile, ValuesThatDoNotFitTheirFieldsKeepTheFieldAndTextsAreAlwaysAssigned)
{
    Load load(5);
    CommonSetup& common = load.Data.CommonSetup;
    common = {.LastTxPower = 7, .Sql = 9, .LastDisplayCh = 30, .Scan = true};
    ChannelRecord& exp = load.Data.ExpChannels[0];
    exp.ChTag = "OLD";
    exp.TxDCS = 5;
    exp.Rxfreq = 150.0;
    load.Data.UsableGroups[2].StatusName = "OLD";
    load.Read(Main(5) +
              "[Common Setup]\r\nLast TX Power=300\r\nSQL=40000\r\nSCAN=\r\nLast Display CH=-1\r\n"
              "Marine_LMR CH=65536\r\nOffset Time=-3\r\n"
              "[CHEXP1]\r\nRxfreq=250\r\nTxfreq=157.5\r\nTxDCS=abc\r\nCHDisplayL=A1\r\n");
    EXPECT_EQ(common,
              (CommonSetup{.LastTxPower = 7, .Sql = 9, .LastDisplayCh = -1, .Scan = true, .OffsetTime = -3}));
    EXPECT_TRUE(exp.Rxfreq == 150.0 && exp.Txfreq == 157.5 && exp.TxDCS == 5 && exp.CHDisplayL == "A1");
    EXPECT_EQ(exp.ChTag, "");
    EXPECT_EQ(load.Data.UsableGroups[2].StatusName, "");
}

TEST(ReadDataFile, DirectorySectionsFillTheirEntriesAndMissingOnesLeaveThemAlone)
{
    Load load(0);
    load.Data.IndividualDirectory[1] = {true, "HOME", "1234567890"};
    load.Data.GroupDirectory[0] = {true, "FLEET", "0123456780"};
    load.Read(Main(0) +
              "[CHMMSID1]\r\nEnable=1\r\nTagName=#BOAT\r\nMmsid=2345678900\r\n[CHGRPID1]\r\nEnable=0\r\n");
    EXPECT_EQ(load.Data.IndividualDirectory[0], (DirectoryEntry{true, "BOAT", "2345678900"}));
    EXPECT_EQ(load.Data.IndividualDirectory[1], (DirectoryEntry{true, "HOME", "1234567890"}));
    EXPECT_EQ(load.Data.GroupDirectory[0], (DirectoryEntry{false, "", ""}));
}

TEST(FileRead2, AFileThatCannotBeReadIsLoggedAndReported)
{
    TempFolder folder;
    Load load(5);
    load.Shell.DebugMode = true;
    load.Shell.ErrorLogPath = (folder.Path() / "err.log").string();
    FileRead2(load.Data, load.Shell, load.Ui, folder.Path() / "missing.dat");
    EXPECT_TRUE(load.Shell.ErrorFlag && load.Shell.CancelFlag && !load.Shell.BusyFlag);
    EXPECT_EQ(load.Ui.Messages, OkBox("FileRead Error!!", MessageIcon::Exclamation));
    EXPECT_NE(
        ReadFileText(load.Shell.ErrorLogPath).find(":frmMain.FileRead2 -> 2No such file or directory\r\n"),
        std::string::npos);
}

}  // namespace
}  // namespace kelpie
