// The main window's file commands: Open, Save, Save As and the debug-mode hex file keys.
#include "AppTestSupport.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

using AppFiles = AppTest;

TEST_F(AppFiles, SaveAsksForANameOnceAndSaveAsCancelledKeepsIt)
{
    frmMain& window = Start();
    const std::filesystem::path first = Files / "Radio1.DAT";
    Dialogs::GiveNextFileName(Name(first));
    Action("mnuFileSave")->trigger();
    EXPECT_EQ(window.Shell().CurrentFileName, first.string());
    EXPECT_EQ(window.windowTitle(), Caption("radio1.dat"));

    // The second save writes the same file without a dialog, and clears DataChanged.
    const std::filesystem::path other = Files / "other.dat";
    Dialogs::GiveNextFileName(Name(other));
    window.Shell().DataChanged = true;
    std::filesystem::remove(first);
    Action("Save")->trigger();
    EXPECT_EQ(FileBytes(first).toStdString(), DataFileText(window.Data(), window.Shell()));
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_FALSE(window.Shell().DataChanged);

    Dialogs::ResetHooks();
    Action("mnuFileSaveAs")->trigger();  // cancelled
    EXPECT_TRUE(window.Shell().CancelFlag);
    EXPECT_EQ(window.Shell().CurrentFileName, first.string());
    EXPECT_EQ(window.windowTitle(), Caption("radio1.dat"));
}

// A data file of the MF7500S with a channel name of its own.
std::filesystem::path Mf7500sFile(const std::filesystem::path& folder)
{
    RadioData data = ResetData(0);
    data.UsaChannels[16].ChTag = "OFFSHORE";
    ShellState shell;
    shell.ModelName = ModelNameOf(0);
    const std::filesystem::path file = folder / "mf7500s.dat";
    WriteFileAtomically(file, DataFileText(data, shell));
    return file;
}

constexpr const char* kMf7500sQuestion =
    "This file is for the MF7500S; Kelpie is set for the MV230. Switch to the MF7500S and open it?";

TEST_F(AppFiles, OpenLoadsTheFileAndAnotherRadiosFileIsNamedAndLeftOnNo)
{
    RadioData data = ResetData(5);
    data.UsaChannels[16].ChTag = "HARBOUR";
    const std::filesystem::path good = Files / "Good.dat";
    WriteFileAtomically(good, DataFileText(data, ShellState()));
    const std::filesystem::path wrong = Mf7500sFile(Files.Path);
    const std::filesystem::path unnamed = Files / "unnamed.dat";
    WriteFileAtomically(unnamed, "[JMB]\r\nSEL1=1\r\n");

    frmMain& window = Start();
    Dialogs::GiveNextFileName(Name(good));
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");

    Dialogs::GiveNextFileName(Name(wrong));
    Dialogs::AnswerNext(MessageAnswer::No);
    Action("Open")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, kMf7500sQuestion);
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_FALSE(Settings.GetSetting("ModelPath", "ModelNum").has_value());

    // A file that names no model is refused as before.
    Dialogs::GiveNextFileName(Name(unnamed));
    Action("Open")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 2u);
    EXPECT_EQ(Dialogs::Shown()[1].text, "different model!!");
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(AppFiles, YesSwitchesToTheFilesRadioAfterTheSaveQuestionAndOpensIt)
{
    const std::filesystem::path file = Mf7500sFile(Files.Path);
    frmMain& window = Start();
    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Dialogs::AnswerNext(MessageAnswer::Yes);
    Dialogs::GiveNextFileName(Name(file));
    Action("Open")->trigger();

    ASSERT_EQ(Dialogs::Shown().size(), 2u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "Save the changes to the new data?");
    EXPECT_EQ(Dialogs::Shown()[1].text, kMf7500sQuestion);
    EXPECT_EQ(window.Data().ModelIndex, 0);
    EXPECT_EQ(Settings.Value("ModelPath/ModelNum"), "0");
    EXPECT_TRUE(Action("mnuEditModel0")->isChecked());
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "OFFSHORE");
    EXPECT_EQ(window.Shell().CurrentFileName, file.string());
    EXPECT_EQ(window.windowTitle(), "mf7500s.dat - Kelpie  PC Program for MF7500S[*]");
    EXPECT_FALSE(window.Shell().DataChanged);
}

TEST_F(AppFiles, HexKeysDoNothingWithoutDebugModeAndSaveAndLoadWithIt)
{
    const std::filesystem::path file = Files / "Image.HEX";
    for (const bool debugMode : {false, true}) {
        SCOPED_TRACE(debugMode);
        frmMain& window = Start(debugMode);
        Dialogs::GiveNextFileName(Name(file));
        QTest::keyClick(window.centralWidget(), Qt::Key_F3, Qt::ControlModifier);
        ASSERT_EQ(std::filesystem::exists(file), debugMode);
        if (!debugMode) {
            QTest::keyClick(window.centralWidget(), Qt::Key_F2, Qt::ControlModifier);
            // Neither key asked for a name: the next dialog still gets it.
            EXPECT_EQ(Dialogs::OpenFileName(nullptr, {}, {}, {}), Name(file));
            continue;
        }
        EXPECT_EQ(std::filesystem::file_size(file), 16384u);
        EXPECT_EQ(window.windowTitle(), Caption());  // saving the image names no data file

        window.Data().RadioImage[0x0100] ^= 0xFF;
        window.Shell().DataChanged = true;
        Dialogs::GiveNextFileName(Name(file));
        QTest::keyClick(window.centralWidget(), Qt::Key_F2, Qt::ControlModifier);
        EXPECT_TRUE(ImageIs(file));
        EXPECT_EQ(window.windowTitle(), Caption("image.hex"));
        EXPECT_FALSE(window.Shell().DataChanged);
        EXPECT_TRUE(Dialogs::Shown().empty());
    }
}

}  // namespace
}  // namespace kelpie
