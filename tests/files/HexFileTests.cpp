#include "files/HexFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "FileTestSupport.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {
namespace {

struct HexFixture
{
    TempFolder Folder;
    RadioData Data;
    ShellState Shell;
    RecordingUi Ui;

    explicit HexFixture(int model) : Data(model)
    {
        ResetEditModel(Data);
        Shell.DebugMode = true;
        Shell.ErrorLogPath = (Folder / "err.log").string();
    }
};

// An image of the given length with the model's code at 0x0040 and at 0x1FFE.
std::string ImageOfModel(int model, int length)
{
    std::string bytes(static_cast<std::size_t>(length), '\xFF');
    for (const int address : {0x0040, 0x1FFE}) {
        bytes[static_cast<std::size_t>(address)] = static_cast<char>(ModelOf(model).Code >> 8);
        bytes[static_cast<std::size_t>(address) + 1] = static_cast<char>(ModelOf(model).Code & 0xFF);
    }
    return bytes;
}

TEST(HexFile, ASavedFileIsTheImageOfTheModelWithItsChecksumByte)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        HexFixture hex(model);
        SaveHexCommand(hex.Data, hex.Shell, hex.Ui, hex.Folder / "a.hex");
        SaveHexCommand(hex.Data, hex.Shell, hex.Ui, hex.Folder / "b.hex");
        EXPECT_FALSE(hex.Shell.ErrorFlag);
        const std::string file = ReadFileText(hex.Folder / "a.hex");
        ASSERT_EQ(file.size(), model == 1 ? 8192u : 16384u);
        const unsigned sum =
            std::accumulate(file.begin() + 0x42, file.begin() + 0x5F, 0u,
                            [](unsigned s, char c) { return s + static_cast<std::uint8_t>(c); });
        EXPECT_EQ(static_cast<std::uint8_t>(file[0x5F]), sum & 0xFF);
        EXPECT_EQ(file, ReadFileText(hex.Folder / "b.hex"));
        EXPECT_TRUE(LoadHexCommand(hex.Data, hex.Shell, hex.Ui, hex.Folder / "a.hex"));  // and it loads again
        EXPECT_TRUE(hex.Ui.Messages.empty());
    }
}

// The code at 0x1FFE is the MV240's last word and the tail word the MF7500S and the MB6000 take
// beside their true last one (which an encoded image holds: the saved files load); the other
// models look at 0x3FFE. A refused file leaves the image as it was.
TEST(HexFile, LoadChecksTheSizeAndTheModelCodeAtTheTailWordOfTheModel)
{
    const std::vector<RecordedMessage> loads;
    const auto badModel = OkBox("ModelType Error !!", MessageIcon::Critical, "Read from Radio");
    const std::tuple<int, int, std::vector<RecordedMessage>> cases[] = {
        {0, 16384, loads},    {1, 8192, loads},
        {2, 16384, badModel}, {3, 16384, loads},
        {4, 16384, badModel}, {5, 16384, badModel},
        {6, 16384, badModel}, {5, 8192, OkBox("bad file!!", MessageIcon::Critical)},
    };
    for (const auto& [model, length, messages] : cases) {
        SCOPED_TRACE(testing::Message() << model << " " << length);
        HexFixture hex(model);
        hex.Data.CommonSetup.Sql = 3;
        hex.Shell.DataChanged = true;
        const RadioImage before = hex.Data.RadioImage;
        WriteFileText(hex.Folder / "image.hex", ImageOfModel(model, length));
        const bool loaded = messages.empty();
        EXPECT_EQ(LoadHexCommand(hex.Data, hex.Shell, hex.Ui, hex.Folder / "image.hex"), loaded);
        EXPECT_EQ(hex.Ui.Messages, messages);
        EXPECT_EQ(hex.Shell.ErrorFlag, messages == badModel);
        EXPECT_EQ(hex.Shell.CurrentFileName.empty(), !loaded);
        EXPECT_EQ(hex.Shell.DataChanged, !loaded);
        EXPECT_EQ(hex.Data.RadioImage == before, !loaded);
        EXPECT_EQ(hex.Data.CommonSetup.Sql, loaded ? 15 : 3);
    }
}

TEST(HexFile, AValueThatDoesNotFitTheImageFailsTheSaveAndWritesNothing)
{
    HexFixture hex(5);
    hex.Data.CommonSetup.LastTxPower = 300;
    const RadioImage before = hex.Data.RadioImage;
    SaveHexCommand(hex.Data, hex.Shell, hex.Ui, hex.Folder / "a.hex");
    EXPECT_TRUE(hex.Shell.ErrorFlag && hex.Shell.CancelFlag);
    EXPECT_FALSE(std::filesystem::exists(hex.Folder / "a.hex"));
    EXPECT_TRUE(hex.Data.RadioImage == before);
    EXPECT_EQ(hex.Ui.Messages,
              OkBox("FileSave Error!!\r\nLast TX Power 300 does not fit a byte", MessageIcon::Exclamation));
    EXPECT_NE(ReadFileText(hex.Shell.ErrorLogPath).find(":frmMain.SaveHexFileAs -> 75"), std::string::npos);
}

// Two radios read in the same second, or of models that share a display name, keep a backup each.
TEST(SaveReadBackup, EveryReadKeepsItsOwnBackupNamedAfterTheRadiosModelAndCode)
{
    TempFolder folder;
    const std::time_t when = 1'796'000'000;
    const std::pair<int, std::string> reads[] = {
        {0, "MF7500S-1D4C-"}, {1, "MV240-00F0-"}, {3, "MB6000-1770-"}, {3, "MB6000-1770-"}};
    std::vector<std::filesystem::path> names;
    for (const auto& [model, prefix] : reads) {
        HexFixture hex(model);
        const std::filesystem::path file = SaveReadBackup(hex.Data, folder / "backups", when);
        EXPECT_TRUE(file.filename().string().starts_with(prefix)) << file;
        EXPECT_EQ(std::filesystem::file_size(file), static_cast<std::uintmax_t>(ModelOf(model).ImageSize));
        EXPECT_EQ(std::ranges::count(names, file), 0) << file;
        names.push_back(file);
    }
    EXPECT_TRUE(names[3].filename().string().ends_with("-2.hex")) << names[3];
}

}  // namespace
}  // namespace kelpie
