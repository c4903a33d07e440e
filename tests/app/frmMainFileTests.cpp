// The main window's file commands: Open, Save, Save As and the debug-mode hex file keys.
#include "AppTestSupport.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "model/ImagePasses.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

using AppFiles = AppTest;

QString Name(const std::filesystem::path& file)
{
    return QString::fromStdString(file.string());
}

TEST_F(AppFiles, SaveWithoutANameAsksAndASecondSaveDoesNot)
{
    frmMain& window = Start();
    const std::filesystem::path first = Files / "Radio1.DAT";
    Dialogs::GiveNextFileName(Name(first));
    Action("mnuFileSave")->trigger();
    EXPECT_TRUE(std::filesystem::exists(first));
    EXPECT_EQ(window.Shell().CurrentFileName, first.string());
    EXPECT_EQ(window.windowTitle(), Caption("radio1.dat"));

    // The second save writes the same file; a name offered to a dialog is not taken.
    const std::filesystem::path other = Files / "other.dat";
    Dialogs::GiveNextFileName(Name(other));
    window.Shell().DataChanged = true;
    std::filesystem::remove(first);
    Action("Save")->trigger();
    EXPECT_TRUE(std::filesystem::exists(first));
    EXPECT_FALSE(std::filesystem::exists(other));
    // A save leaves DataChanged as it was, so leaving still asks.
    EXPECT_TRUE(window.Shell().DataChanged);
    EXPECT_EQ(FileBytes(first).toStdString(), DataFileText(window.Data(), window.Shell()));
}

TEST_F(AppFiles, SaveAsCancelledKeepsTheNameAndCaption)
{
    frmMain& window = Start();
    const std::filesystem::path file = Files / "kept.dat";
    Dialogs::GiveNextFileName(Name(file));
    Action("mnuFileSaveAs")->trigger();
    ASSERT_EQ(window.Shell().CurrentFileName, file.string());

    Dialogs::GiveNextFileName(QString());
    EXPECT_FALSE(window.SaveData(false));
    EXPECT_TRUE(window.Shell().CancelFlag);
    EXPECT_EQ(window.Shell().CurrentFileName, file.string());
    EXPECT_EQ(window.windowTitle(), Caption("kept.dat"));
}

TEST_F(AppFiles, OpenLoadsTheFileAndAWrongModelFileKeepsNameAndCaption)
{
    // A file of this model with one channel changed, and one of the MV220.
    RadioData data = ResetData(5);
    data.UsaChannels[16].ChTag = "HARBOUR";
    ShellState shell;
    const std::filesystem::path good = Files / "Good.dat";
    WriteFileAtomically(good, DataFileText(data, shell));
    RadioData other = ResetData(4);
    ShellState otherShell;
    otherShell.ModelName = "MV220";
    const std::filesystem::path wrong = Files / "wrong.dat";
    WriteFileAtomically(wrong, DataFileText(other, otherShell));

    frmMain& window = Start();
    window.Shell().DataChanged = true;
    Dialogs::GiveNextFileName(Name(good));
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");
    EXPECT_TRUE(window.Shell().DataChanged);  // an open leaves it as it was
    EXPECT_TRUE(window.isEnabled());

    Dialogs::GiveNextFileName(Name(wrong));
    Action("Open")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "different model!!");
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");

    // A cancelled dialog changes nothing either.
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());
    EXPECT_TRUE(window.Shell().CancelFlag);
}

TEST_F(AppFiles, HexKeysDoNothingWithoutDebugMode)
{
    frmMain& window = Start();
    const std::filesystem::path file = Files / "image.hex";
    Dialogs::GiveNextFileName(Name(file));
    QTest::keyClick(&window, Qt::Key_F3, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_F2, Qt::ControlModifier);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_TRUE(Dialogs::Shown().empty());
    // The name was never asked for: the next dialog still gets it.
    EXPECT_EQ(Dialogs::OpenFileName(nullptr, {}, {}, {}), Name(file));
}

TEST_F(AppFiles, HexKeysSaveAndLoadTheImageInDebugMode)
{
    frmMain& window = Start(true);
    const std::filesystem::path file = Files / "Image.HEX";
    Dialogs::GiveNextFileName(Name(file));
    QTest::keyClick(window.centralWidget(), Qt::Key_F3, Qt::ControlModifier);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 16384u);
    // Saving names no data file.
    EXPECT_TRUE(window.Shell().CurrentFileName.empty());
    EXPECT_EQ(window.windowTitle(), Caption());

    window.Data().RadioImage[0x0100] ^= 0xFF;
    window.Shell().DataChanged = true;
    Dialogs::GiveNextFileName(Name(file));
    QTest::keyClick(window.centralWidget(), Qt::Key_F2, Qt::ControlModifier);
    EXPECT_TRUE(ImageIs(file));
    EXPECT_EQ(window.Shell().CurrentFileName, file.string());
    EXPECT_EQ(window.windowTitle(), Caption("image.hex"));
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_TRUE(Dialogs::Shown().empty());

    // A file of the wrong size is refused and changes nothing.
    const std::filesystem::path shortFile = Files / "short.hex";
    WriteFileAtomically(shortFile, std::string(100, '\0'));
    Dialogs::GiveNextFileName(Name(shortFile));
    QTest::keyClick(window.centralWidget(), Qt::Key_F2, Qt::ControlModifier);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "bad file!!");
    EXPECT_EQ(window.Shell().CurrentFileName, file.string());
}

}  // namespace
}  // namespace kelpie
