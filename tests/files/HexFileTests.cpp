#include "files/HexFile.h"

#include <gtest/gtest.h>

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
        Shell.ErrorLogPath = (Folder.Path() / "err.log").string();
    }
    std::filesystem::path File(const char* name) const { return Folder.Path() / name; }
};

// An image of the given length with the model's code at 0x0040 and at tail.
std::string ImageOfModel(int model, int length, int tail)
{
    std::string bytes(static_cast<std::size_t>(length), '\xFF');
    for (const int address : {0x0040, tail}) {
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
        SaveHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("a.hex"));
        SaveHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("b.hex"));
        EXPECT_FALSE(hex.Shell.ErrorFlag);
        const std::string file = ReadFileText(hex.File("a.hex"));
        ASSERT_EQ(file.size(), model == 1 ? 8192u : 16384u);
        const unsigned sum =
            std::accumulate(file.begin() + 0x42, file.begin() + 0x5F, 0u,
                            [](unsigned s, char c) { return s + static_cast<std::uint8_t>(c); });
        EXPECT_EQ(static_cast<std::uint8_t>(file[0x5F]), sum & 0xFF);
        EXPECT_EQ(file, ReadFileText(hex.File("b.hex")));
        EXPECT_TRUE(LoadHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("a.hex")));  // and it loads again
        EXPECT_TRUE(hex.Ui.Messages.empty());
    }
}

TEST(HexFile, LoadRefusesAWrongSizeAndAWrongModelCodeAndKeepsTheImage)
{
    HexFixture hex(5);
    const RadioImage before = hex.Data.RadioImage;
    WriteFileText(hex.File("short.hex"), ImageOfModel(5, 8192, 0x1FFE));
    std::string wrongTail = ImageOfModel(5, 16384, 0x3FFE);
    wrongTail[0x3FFE] = wrongTail[0x3FFF] = 0;
    WriteFileText(hex.File("tail.hex"), wrongTail);
    EXPECT_FALSE(LoadHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("short.hex")));
    EXPECT_FALSE(hex.Shell.ErrorFlag);
    EXPECT_FALSE(LoadHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("tail.hex")));
    EXPECT_TRUE(hex.Shell.ErrorFlag);
    std::vector<ShownMessage> boxes = OkBox("bad file!!", MessageIcon::Critical);
    boxes.push_back(OkBox("ModelType Error !!", MessageIcon::Critical, "Read from Radio")[0]);
    EXPECT_EQ(hex.Ui.Messages, boxes);
    EXPECT_TRUE(hex.Data.RadioImage == before);
    EXPECT_EQ(hex.Shell.CurrentFileName, "");
}

// Models 0 and 3 also take their true last word: an encoded image no longer holds 0x1FFE.
TEST(HexFile, ModelCheckReadsTheTailWordAt1FFEOnModelsZeroOneAndThree)
{
    const std::tuple<int, int, bool> cases[] = {
        {0, 0x1FFE, true},  {0, 0x3FFE, true},  {1, 0x1FFE, true},  {2, 0x3FFE, true}, {3, 0x1FFE, true}, {3, 0x3FFE, true},
        {2, 0x1FFE, false},
        {4, 0x1FFE, false}, {5, 0x3FFE, true},  {5, 0x1FFE, false}, {6, 0x3FFE, true},
    };
    for (const auto& [model, tail, loads] : cases) {
        SCOPED_TRACE(testing::Message() << model << " " << tail);
        HexFixture hex(model);
        hex.Data.CommonSetup.Sql = 3;
        hex.Shell.DataChanged = true;
        WriteFileText(hex.File("image.hex"), ImageOfModel(model, model == 1 ? 8192 : 16384, tail));
        EXPECT_EQ(LoadHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("image.hex")), loads);
        EXPECT_EQ(hex.Shell.CurrentFileName.empty(), !loads);
        EXPECT_EQ(hex.Shell.DataChanged, !loads);
        EXPECT_EQ(hex.Data.CommonSetup.Sql, loads ? 15 : 3);
    }
}

TEST(HexFile, AValueThatDoesNotFitTheImageFailsTheSaveAndWritesNothing)
{
    HexFixture hex(5);
    hex.Data.CommonSetup.LastTxPower = 300;
    const RadioImage before = hex.Data.RadioImage;
    SaveHexCommand(hex.Data, hex.Shell, hex.Ui, hex.File("a.hex"));
    EXPECT_TRUE(hex.Shell.ErrorFlag && hex.Shell.CancelFlag);
    EXPECT_FALSE(std::filesystem::exists(hex.File("a.hex")));
    EXPECT_TRUE(hex.Data.RadioImage == before);
    EXPECT_EQ(hex.Ui.Messages, OkBox("FileSave Error!!", MessageIcon::Exclamation));
    EXPECT_NE(ReadFileText(hex.Shell.ErrorLogPath).find(":frmMain.SaveHexFileAs -> 75"), std::string::npos);
}

}  // namespace
}  // namespace kelpie
