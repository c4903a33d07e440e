// The main window's file commands: Open, Save, Save As and the debug-mode hex file keys.
#include "AppTestSupport.h"

namespace kelpie {
namespace {

class AppFiles : public AppTest
{
protected:
    // A data file of the MF7500S with a channel name of its own.
    std::filesystem::path Mf7500sFile() const
    {
        return WriteDataFile("mf7500s.dat", WithUsaName(0, 16, "OFFSHORE"));
    }

    static constexpr const char* kMf7500sQuestion =
        "This file is for the MF7500S; Kelpie is set for the MV230. Switch to the MF7500S and open it?";
};

TEST_F(AppFiles, SaveAsksForANameOnceAndSaveAsCancelledKeepsIt)
{
    frmMain& window = Start();
    const std::filesystem::path first = Files / "Radio1.DAT";
    TriggerWith("mnuFileSave", first);
    EXPECT_EQ(window.Shell().CurrentFileName, first.string());
    EXPECT_EQ(window.windowTitle(), Caption("radio1.dat"));

    // The second save writes the same file without a dialog, and clears DataChanged and the title's
    // mark of unsaved work.
    const std::filesystem::path other = Files / "other.dat";
    Dialogs::GiveNextFileName(Name(other));
    window.Shell().DataChanged = true;
    window.SetCaption();
    ASSERT_TRUE(window.isWindowModified());
    std::filesystem::remove(first);
    Action("Save")->trigger();
    EXPECT_EQ(FileBytes(first).toStdString(), DataFileText(window.Data(), window.Shell()));
    EXPECT_FALSE(std::filesystem::exists(other));
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_FALSE(window.isWindowModified());

    Dialogs::ResetHooks();
    Action("mnuFileSaveAs")->trigger();  // cancelled
    EXPECT_TRUE(window.Shell().CancelFlag);
    EXPECT_EQ(window.Shell().CurrentFileName, first.string());
    EXPECT_EQ(window.windowTitle(), Caption("radio1.dat"));
}

TEST_F(AppFiles, OpenLoadsTheFileAndAnotherRadiosFileIsNamedAndLeftOnNo)
{
    const std::filesystem::path good = WriteDataFile("Good.dat", WithUsaName(5, 16, "HARBOUR"));
    const std::filesystem::path unnamed = Files / "unnamed.dat";
    WriteFileAtomically(unnamed, "[JMB]\r\nSEL1=1\r\n");

    frmMain& window = Start();
    TriggerWith("mnuFileOpen", good);
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");

    Dialogs::AnswerNext(MessageAnswer::No);
    TriggerWith("Open", Mf7500sFile());
    EXPECT_EQ(ShownTexts(), QStringList{kMf7500sQuestion});
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_FALSE(Settings.GetSetting("ModelPath", "ModelNum").has_value());

    // A file that names no model is refused as before.
    TriggerWith("Open", unnamed);
    EXPECT_EQ(ShownTexts(), (QStringList{kMf7500sQuestion, "different model!!"}));
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(AppFiles, YesSwitchesToTheFilesRadioAfterTheSaveQuestionAndOpensIt)
{
    const std::filesystem::path file = Mf7500sFile();
    frmMain& window = Start();
    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Dialogs::AnswerNext(MessageAnswer::Yes);
    TriggerWith("Open", file);

    EXPECT_EQ(ShownTexts(), (QStringList{"Save the changes to the new data?", kMf7500sQuestion}));
    // The switch itself is the model menu's.
    EXPECT_EQ(window.Data().ModelIndex, 0);
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "OFFSHORE");
    EXPECT_EQ(window.Shell().CurrentFileName, file.string());
    EXPECT_EQ(window.windowTitle(), "mf7500s.dat - Kelpie  PC Program for MF7500S[*]");
    EXPECT_FALSE(window.Shell().DataChanged);
}

TEST_F(AppFiles, HexKeysDoNothingWithoutDebugModeAndSaveAndLoadWithIt)
{
    const std::filesystem::path file = Files / "Image.HEX";
    const auto press = [&](frmMain& window, Qt::Key key) {
        Dialogs::GiveNextFileName(Name(file));
        QTest::keyClick(window.centralWidget(), key, Qt::ControlModifier);
    };
    frmMain& plain = Start();
    press(plain, Qt::Key_F3);
    press(plain, Qt::Key_F2);
    EXPECT_FALSE(std::filesystem::exists(file));
    // Neither key asked for a name: the dialogs still hold both.
    EXPECT_EQ(Dialogs::OpenFileName(nullptr, {}, {}, {}), Name(file));
    EXPECT_EQ(Dialogs::OpenFileName(nullptr, {}, {}, {}), Name(file));

    frmMain& window = Start(true);
    press(window, Qt::Key_F3);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 16384u);
    EXPECT_EQ(window.windowTitle(), Caption());  // saving the image names no data file

    window.Data().RadioImage[0x0100] ^= 0xFF;
    window.Shell().DataChanged = true;
    press(window, Qt::Key_F2);
    EXPECT_TRUE(ImageIs(file));
    EXPECT_EQ(window.windowTitle(), Caption("image.hex"));
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_TRUE(Dialogs::Shown().empty());
}

}  // namespace
}  // namespace kelpie
