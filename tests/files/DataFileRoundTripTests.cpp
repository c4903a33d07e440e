#include <gtest/gtest.h>

#include <algorithm>

#include "FileTestSupport.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {
namespace {

// A reset model with something changed in every kind of record the file carries.
RadioData EditedData(int model)
{
    RadioData data(model);
    ResetEditModel(data);
    const bool names = HasChannelNames(model);
    data.UsableGroups[1].Enable = !data.UsableGroups[1].Enable;
    data.UsableGroups[2].TxTot = data.UsableGroups[2].StatusIcon = true;
    data.UsableGroups[2].PriorityCh = 17;
    data.UsableGroups[1].PriorityCh = -1;
    data.UsableGroups[2].Backup = 200;
    data.UsableGroups[0].StatusName = names ? "HOME" : "";
    data.RadioImage[0x0074] = 33;
    data.RadioImage[0x0075] = 0;
    data.CommonSetup = {.Sql = 7, .LastDisplayCh = 245, .ResumeTime = 1, .DualWatch = true};
    data.AtisCommonSetup.AtisCode = "9211234560";
    data.AtisCommonSetup.UsableAtis[2] = true;
    data.AtisCommonSetup.UsableAtisKiller[1] = DecodesAtisKillers(model);
    ChannelRecord& usa = data.UsaChannels[44];
    usa.Enable = usa.ScanMemory = true;
    usa.TXPower = 2;
    usa.Duplex = usa.DuplexAllowed;
    usa.ChTag = names ? "Harbour 1" : usa.ChTag;
    usa.Scramble = names ? 5 : usa.Scramble;
    data.CanadaChannels[239].DispayA = true;
    data.WxChannels[3].ScanMemory = true;
    data.WxChannels[3].ChTag = "WX ALT";
    ChannelRecord& exp = data.ExpChannels[39];
    exp.Enable = exp.ClockShift = true;
    exp.CHDisplayL = "E4";
    exp.Rxfreq = 155.1125;
    exp.Txfreq = 160.0 + 1.0 / 3.0;
    if (HasLmrBank(model)) {
        exp.ChTag = "WORK";
        exp.Narrow = exp.RxComp = true;
        exp.TxDCS = 110;
        exp.RxCTCSS = 12;
    }
    data.RadioImage[0x00A3] = 0x1C;
    data.RadioImage[0x00A8] = static_cast<std::uint8_t>((data.RadioImage[0x00A8] & ~0x30) | 0x10);
    return data;
}

TEST(DataFileRoundTrip, SaveLoadSaveGivesTheSameFileAndRestoresEveryRecordForEveryModel)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        TempFolder folder;
        ShellState shell;
        shell.ModelName = ModelNameOf(model);
        RecordingUi ui;
        const RadioData saved = EditedData(model);
        SaveFileAs(saved, shell, ui, folder.Path() / "first.dat");

        RadioData loaded(model);
        ResetEditModel(loaded);
        FileRead2(loaded, shell, ui, folder.Path() / "first.dat");
        ASSERT_FALSE(shell.ErrorFlag);
        SaveFileAs(loaded, shell, ui, folder.Path() / "second.dat");
        EXPECT_EQ(ReadFileText(folder.Path() / "first.dat"), ReadFileText(folder.Path() / "second.dat"));
        EXPECT_TRUE(ui.Messages.empty());

        EXPECT_EQ(loaded.UsableGroups, saved.UsableGroups);
        EXPECT_EQ(loaded.CommonSetup, saved.CommonSetup);
        EXPECT_EQ(loaded.AtisCommonSetup, saved.AtisCommonSetup);
        EXPECT_EQ(loaded.UsaChannels, saved.UsaChannels);
        EXPECT_EQ(loaded.IntlChannels, saved.IntlChannels);
        EXPECT_EQ(loaded.CanadaChannels, saved.CanadaChannels);
        EXPECT_EQ(loaded.WxChannels, saved.WxChannels);
        // Frequencies travel with 15 significant digits.
        ChannelBank expected = saved.ExpChannels;
        expected[39].Txfreq = 160.333333333333;
        EXPECT_EQ(loaded.ExpChannels, expected);
        EXPECT_TRUE(
            std::ranges::equal(loaded.RadioImage.Bytes(0x0060, 0x49), saved.RadioImage.Bytes(0x0060, 0x49)));
    }
}

TEST(DataFileRoundTrip, AFileOfOneModelIsRefusedOnEveryOtherModel)
{
    const std::string text = DataFileText(EditedData(5), ShellState());
    for (int model = 0; model < kModelCount; ++model) {
        if (model == 5) {
            continue;
        }
        RadioData data(model);
        ResetEditModel(data);
        const RadioData before = data;
        ShellState shell;
        RecordingUi ui;
        ReadDataFile(data, shell, ui, text);
        EXPECT_TRUE(shell.ErrorFlag) << model;
        EXPECT_TRUE(SameData(data, before)) << model;
        EXPECT_EQ(ui.Messages, OkBox("different model!!", MessageIcon::Critical));
    }
}

}  // namespace
}  // namespace kelpie
