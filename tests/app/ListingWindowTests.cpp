// The listing window: the wait text first, the listing once its timer has fired, and its save.
#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "app/frmPrn.h"
#include "editor/Dialogs.h"
#include "files/FileAccess.h"
#include "report/TextImage.h"
#include "support/Fakes.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct ListingWindow : ::testing::Test
{
    ListingWindow() { Dialogs::ResetHooks(); }

    QPlainTextEdit* Text() { return test::Child<QPlainTextEdit>(window, "txtPrn"); }
    bool ListingShown()
    {
        return test::WaitUntil([this] { return !Text()->toPlainText().startsWith("Now, making"); },
                               "the listing replaces the wait text");
    }

    RadioData data = ResetData(5);
    ShellState shell;
    MemorySettingsStore settings;
    FileFolders folders{settings};
    frmPrn window{data, shell, folders, false, nullptr};
    QTemporaryDir folder;
};

// How the file is written is the listing's own rule, pinned where it is built; here the save reaches
// the chosen file, and a cancelled or failed one reports through the flags.
TEST_F(ListingWindow, ShowsTheWaitTextThenTheListingWhichSaveWritesToTheChosenFile)
{
    EXPECT_EQ(Text()->toPlainText(), "Now, making text image. Please wait...");
    EXPECT_TRUE(Text()->isReadOnly());
    EXPECT_TRUE(QFontInfo(Text()->font()).fixedPitch());
    EXPECT_EQ(window.size(), QSize(558, 409));

    ASSERT_TRUE(ListingShown());
    RadioData copy = ResetData(5);
    const std::string listing = BuildTextImage(copy);
    EXPECT_EQ(Text()->toPlainText(), QString::fromLatin1(listing).replace("\r\n", "\n"));

    const QString path = folder.filePath("radio.txt");
    Dialogs::GiveNextFileName(path);
    ASSERT_TRUE(window.SaveListing());
    const std::vector<std::uint8_t> saved = ReadWholeFile(path.toStdString());
    EXPECT_EQ(std::string(saved.begin(), saved.end()), listing + "\r\n");

    Dialogs::GiveNextFileName(QString());
    EXPECT_FALSE(window.SaveListing());
    EXPECT_TRUE(shell.CancelFlag);
    // The second save starts in the folder of the first.
    ASSERT_EQ(Dialogs::FileRequests().size(), 2u);
    EXPECT_EQ(Dialogs::FileRequests()[1].folder, folder.path());
    EXPECT_TRUE(Dialogs::Shown().empty());

    shell.CancelFlag = false;
    Dialogs::GiveNextFileName(folder.filePath("no-such-folder/radio.txt"));
    EXPECT_FALSE(window.SaveListing());
    EXPECT_TRUE(shell.ErrorFlag && shell.CancelFlag);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].title, "MV230 PC Program for MV230");
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(window.isEnabled());
}

}  // namespace
}  // namespace kelpie
