#include "files/DataFileReader.h"

#include <gtest/gtest.h>

#include "FileTestSupport.h"
#include "TempFolder.h"
#include "files/DataFileLayout.h"

namespace kelpie {
namespace {

std::string Main(int model, const std::string& extra = "")
{
    return "[MAIN]\r\nMODEL=#MV230\r\nTYPE=#JMB\r\nVERSION=#2.00\r\nMODELTYPE=" + std::to_string(model) +
           "\r\n" + extra;
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
        const int address = PresetEntryAddress(group, entry);
        return Data.RadioImage[address] | Data.RadioImage[address + 1] << 8;
    }
};

TEST(ReadDataFile, AFileOfAnotherModelOrWithoutAModelNumberChangesNothing)
{
    for (const std::string& header :
         {Main(5), std::string("[MAIN]\nMODELTYPE=\n"), std::string("[MAIN]\nMODELTYPE=abc\n"),
          std::string("[COMMON SETUP]\nSQL=3\n")}) {
        Load load(2);
        load.Data.UsaChannels[0].Position = 0;
        const RadioData before = load.Data;
        load.Read(header + "SEL1=0\r\n[Common Setup]\r\nSQL=3\r\n[CHUSA0]\r\nPosition=0\r\nEnable=1\r\n");
        EXPECT_TRUE(load.Shell.ErrorFlag);
        EXPECT_FALSE(load.Shell.CancelFlag);
        EXPECT_TRUE(SameData(load.Data, before));
        ASSERT_EQ(load.Ui.Messages.size(), 1u);
        EXPECT_EQ(load.Ui.Messages[0].Text, "different model!!");
        EXPECT_EQ(load.Ui.Messages[0].Title, load.Shell.ProgramTitle);
        EXPECT_EQ(load.Ui.Messages[0].Icon, MessageIcon::Stop);
    }
}

TEST(ReadDataFile, SelTextsSetAndClearTheOptionBitsAndLeaveTheOthers)
{
    const std::tuple<std::string, std::uint8_t, std::uint8_t> cases[] = {
        {"SEL1=\r\nSEL2=\r\n", 0x10, 0x20},
        {"SEL1=0\r\nSEL2=1\r\n", 0x2F, 0x1F},
        {"SEL1=1\r\nSEL2=0\r\n", 0x00, 0x20},
        {"SEL1=2\r\nSEL2=x\r\n", 0xDF, 0xEF},
        {"", 0x00, 0x20},
    };
    for (const auto& [lines, before, after] : cases) {
        Load load(5);
        load.Data.RadioImage[0x00A8] = before;
        load.Read(Main(5, lines));
        EXPECT_EQ(load.Data.RadioImage[0x00A8], after) << lines;
        EXPECT_FALSE(load.Shell.ErrorFlag);
    }
}

TEST(ReadDataFile, MarineBanksStopAtTheFirstMissingSectionAndSkipPositionsOutsideTheBank)
{
    Load load(5);
    load.Data.UsaChannels[2].ChTag = "KEEP";
    load.Data.IntlChannels[7].DuplexAllowed = true;
    load.Data.IntlChannels[8].ScanMemory = true;
    load.Read(Main(5) +
              "[CHUSA0]\r\nPosition=1\r\nEnable=1\r\nChTag=#ONE\r\nTXPower=4\r\n"
              "[CHUSA2]\r\nPosition=2\r\nChTag=#TWO\r\n"
              "[CHINT0]\r\nPosition=240\r\nEnable=1\r\n"
              "[CHINT1]\r\nPosition=7.4\r\nDuplex=1\r\nTXPower=2\r\n"
              "[CHINT2]\r\nPosition=abc\r\nChTag=#ZERO\r\n"
              "[CHINT3]\r\nPosition=8\r\nDuplex=1\r\nScanMemory=maybe\r\n"
              "[CHCAN0]\r\nPosition=\r\nEnable=1\r\n");
    EXPECT_TRUE(load.Data.UsaChannels[1].Enable);
    EXPECT_EQ(load.Data.UsaChannels[1].Position, 1);
    EXPECT_EQ(load.Data.UsaChannels[1].ChTag, "ONE");
    EXPECT_EQ(load.Data.UsaChannels[1].TXPower, 0);
    EXPECT_EQ(load.Data.UsaChannels[2].ChTag, "KEEP");
    EXPECT_TRUE(load.Data.IntlChannels[7].Duplex);
    EXPECT_EQ(load.Data.IntlChannels[7].TXPower, 2);
    EXPECT_EQ(load.Data.IntlChannels[0].ChTag, "ZERO");
    EXPECT_FALSE(load.Data.IntlChannels[8].Duplex);
    EXPECT_TRUE(load.Data.IntlChannels[8].ScanMemory);
    EXPECT_FALSE(load.Data.CanadaChannels[0].Enable);
}

TEST(ReadDataFile, PresetListsAreWrittenIntoTheImageAndMissingEntriesBecomeEmpty)
{
    Load load(5);
    load.Data.RadioImage.Fill(0x0060, 0x009B, 0x00);
    load.Read(Main(5) +
              "[Usable CH Group Setup]\r\nPriority CH 1-Cmb 1=17\r\nPriority CH 1-Cmb 2=289\r\n"
              "Priority CH 1-Cmb 4=-1\r\nPriority CH 1-Cmb 5=65535\r\nPriority CH 1-Cmb 6=65536\r\n"
              "Priority CH 1-Cmb 7=abc\r\nPriority CH 1=70000\r\nPriority CH 1Backup=256\r\n");
    EXPECT_EQ(load.PresetEntry(1, 0), 17);
    EXPECT_EQ(load.PresetEntry(1, 1), 289);
    EXPECT_EQ(load.Data.RadioImage[0x0060 + 20 + 2], 0x21);
    EXPECT_EQ(load.Data.RadioImage[0x0060 + 20 + 3], 0x01);
    for (const int missing : {2, 3, 5, 6, 7, 8, 9}) {
        EXPECT_EQ(load.PresetEntry(1, missing), 0xFFFF) << missing;
    }
    EXPECT_EQ(load.PresetEntry(1, 4), 65535);
    EXPECT_EQ(load.PresetEntry(0, 0), 0xFFFF);
    EXPECT_EQ(load.Data.UsableGroups[1].PriorityCh, 0);
    EXPECT_EQ(load.Data.UsableGroups[1].Backup, 0);
}

TEST(ReadDataFile, ValuesThatDoNotFitTheirFieldsKeepTheFieldAndTextsAreAlwaysAssigned)
{
    Load load(5);
    load.Data.CommonSetup.LastTxPower = 7;
    load.Data.CommonSetup.Sql = 9;
    load.Data.CommonSetup.Scan = true;
    load.Data.CommonSetup.LastDisplayCh = 30;
    load.Data.ExpChannels[0].Rxfreq = 150.0;
    load.Data.ExpChannels[0].TxDCS = 5;
    load.Data.ExpChannels[0].ChTag = "OLD";
    load.Data.UsableGroups[2].StatusName = "OLD";
    load.Read(Main(5) +
              "[Common Setup]\r\nLast TX Power=300\r\nSQL=40000\r\nSCAN=\r\nLast Display CH=-1\r\n"
              "Marine_LMR CH=65536\r\nOffset Time=-3\r\nDual Watch=1\r\n"
              "[CHEXP1]\r\nRxfreq=250\r\nTxfreq=157.5\r\nTxDCS=abc\r\nCHDisplayL=A1\r\n");
    EXPECT_EQ(load.Data.CommonSetup.LastTxPower, 7);
    EXPECT_EQ(load.Data.CommonSetup.Sql, 9);
    EXPECT_TRUE(load.Data.CommonSetup.Scan);
    EXPECT_EQ(load.Data.CommonSetup.LastDisplayCh, -1);
    EXPECT_EQ(load.Data.CommonSetup.MarineLmrCh, 0);
    EXPECT_EQ(load.Data.CommonSetup.OffsetTime, -3);
    EXPECT_TRUE(load.Data.CommonSetup.DualWatch);
    EXPECT_EQ(load.Data.ExpChannels[0].Rxfreq, 150.0);
    EXPECT_EQ(load.Data.ExpChannels[0].Txfreq, 157.5);
    EXPECT_EQ(load.Data.ExpChannels[0].TxDCS, 5);
    EXPECT_EQ(load.Data.ExpChannels[0].CHDisplayL, "A1");
    EXPECT_EQ(load.Data.ExpChannels[0].ChTag, "");
    EXPECT_EQ(load.Data.UsableGroups[2].StatusName, "");
}

TEST(ReadDataFile, PresetBytesTakeTheLeadingNumberAndMissingOnesGiveZero)
{
    Load load(5);
    load.Data.RadioImage.Fill(0x00A0, 0x00A7, 0x55);
    load.Read(Main(5) + "[PRISETCH]\r\nA0=&HFF\r\nA1=28\r\nA2=&H1C\r\nA3=300\r\nA4=12abc\r\nA5=abc\r\n");
    const std::uint8_t expected[] = {255, 28, 28, 0x55, 12, 0, 0, 0};
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(load.Data.RadioImage[0x00A0 + k], expected[k]) << k;
    }
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

TEST(ReadDataFile, KillerGroupsAreReadOnModelsZeroAndThreeOnly)
{
    for (const int model : {0, 3, 5}) {
        Load load(model);
        load.Read(Main(model) +
                  "[ATIS Setup (Common)]\r\nUsable ATIS Kikker CH Group2=1\r\nAtis Code=#9123456789\r\n");
        EXPECT_EQ(load.Data.AtisCommonSetup.UsableAtisKiller[2], model != 5) << model;
        EXPECT_EQ(load.Data.AtisCommonSetup.AtisCode, "9123456789");
    }
}

TEST(FileRead2, AFileThatCannotBeReadIsLoggedAndReported)
{
    TempFolder folder;
    Load load(5);
    load.Shell.DebugMode = true;
    load.Shell.ErrorLogPath = (folder.Path() / "err.log").string();
    FileRead2(load.Data, load.Shell, load.Ui, folder.Path() / "missing.dat");
    EXPECT_TRUE(load.Shell.ErrorFlag);
    EXPECT_TRUE(load.Shell.CancelFlag);
    EXPECT_FALSE(load.Shell.BusyFlag);
    ASSERT_EQ(load.Ui.Messages.size(), 1u);
    EXPECT_EQ(load.Ui.Messages[0].Text, "FileRead Error!!");
    EXPECT_EQ(load.Ui.Messages[0].Icon, MessageIcon::Warning);
    EXPECT_NE(
        ReadFileText(load.Shell.ErrorLogPath).find(":frmMain.FileRead2 -> 2No such file or directory\r\n"),
        std::string::npos);
}

}  // namespace
}  // namespace kelpie
