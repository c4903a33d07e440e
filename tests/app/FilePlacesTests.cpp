// Where the main window keeps things: the folder its file dialogs start in, Recent Files, its own
// place, size and split between runs, and the debug logs.
#include <QSplitter>
#include <QStandardPaths>

#include "AppTestSupport.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "files/ProgramSettings.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

using namespace Qt::StringLiterals;

using FilePlaces = AppTest;

QString Documents()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

// The folder the last file dialog started in.
QString LastDialogFolder()
{
    return Dialogs::FileRequests().empty() ? QString() : Dialogs::FileRequests().back().folder;
}

TEST_F(FilePlaces, DialogsStartInDocumentsThenInTheFolderLastUsedAndSaveAsAddsDat)
{
    frmMain& window = Start();
    Action("mnuFileOpen")->trigger();  // cancelled
    EXPECT_EQ(LastDialogFolder(), Documents());
    EXPECT_NE(LastDialogFolder(), Name(Program.Path));

    Dialogs::GiveNextFileName(Name(Files / "boat"));
    Action("mnuFileSaveAs")->trigger();
    EXPECT_EQ(window.Shell().CurrentFileName, (Files / "boat.dat").string());
    EXPECT_TRUE(std::filesystem::exists(Files / "boat.dat"));
    EXPECT_EQ(window.windowTitle(), Caption("boat.dat"));

    for (const char* command : {"mnuFileOpen", "mnuFileExportPdf", "mnuFileCompare", "mnuFileSaveAs"}) {
        Action(command)->trigger();
        EXPECT_EQ(LastDialogFolder(), Name(Files.Path)) << command;
    }
    // The next run starts where this one left off.
    Start();
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(LastDialogFolder(), Name(Files.Path));
}

TEST_F(FilePlaces, CompareWithOffersTheBackupsFolderInItsSidebar)
{
    Start();
    Action("mnuFileCompare")->trigger();
    ASSERT_EQ(Dialogs::FileRequests().size(), 1u);
    EXPECT_EQ(Dialogs::FileRequests()[0].places,
              QList<QUrl>{QUrl::fromLocalFile(Name(Program / "data" / "backups"))});
}

class RecentFiles : public AppTest
{
protected:
    // A data file of the model whose USA 16 carries the name.
    std::filesystem::path DataFile(const std::string& file, const std::string& name)
    {
        RadioData data = ResetData(5);
        data.UsaChannels[16].ChTag = name;
        WriteFileAtomically(Files / file, DataFileText(data, ShellState()));
        return Files / file;
    }
};

// The texts of File › Recent Files' entries, in order.
QStringList Entries(const frmMain& window)
{
    QStringList texts;
    for (int i = 1; i <= 9; ++i) {
        if (auto* entry = window.findChild<QAction*>(u"mnuFileRecent%1"_s.arg(i))) {
            texts << entry->text();
        }
    }
    return texts;
}

TEST_F(RecentFiles, NewestFirstEightKeptAndChoosingOneOpensIt)
{
    for (int i = 1; i <= 8; ++i) {
        AddRecentFile(Settings, Name(DataFile("old" + std::to_string(i) + ".dat", "OLD")).toStdString());
    }
    frmMain& window = Start();
    ASSERT_EQ(Entries(window).size(), 8);
    EXPECT_EQ(Entries(window)[0], "&1 " + Name(Files / "old8.dat"));

    const std::filesystem::path harbour = DataFile("harbour.dat", "HARBOUR");
    Dialogs::GiveNextFileName(Name(harbour));
    Action("mnuFileOpen")->trigger();
    Dialogs::GiveNextFileName(Name(Files / "saved.dat"));
    Action("mnuFileSaveAs")->trigger();
    EXPECT_EQ(Entries(window),
              (QStringList{"&1 " + Name(Files / "saved.dat"), "&2 " + Name(harbour),
                           "&3 " + Name(Files / "old8.dat"), "&4 " + Name(Files / "old7.dat"),
                           "&5 " + Name(Files / "old6.dat"), "&6 " + Name(Files / "old5.dat"),
                           "&7 " + Name(Files / "old4.dat"), "&8 " + Name(Files / "old3.dat")}));

    // Changed data: the save question comes first, as with Open.
    window.Data().UsaChannels[16].ChTag = "EDITED";
    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuFileRecent3")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::SaveDiscardCancel);
    EXPECT_EQ(window.Shell().CurrentFileName, (Files / "old8.dat").string());
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "OLD");
    EXPECT_EQ(Entries(window)[0], "&1 " + Name(Files / "old8.dat"));

    Action("mnuFileRecentClear")->trigger();
    EXPECT_TRUE(Entries(window).isEmpty());
}

TEST_F(RecentFiles, AMissingFileIsRemovedWhenChosenWithAMessage)
{
    const std::filesystem::path gone = DataFile("gone.dat", "GONE");
    AddRecentFile(Settings, Name(gone).toStdString());
    AddRecentFile(Settings, Name(DataFile("kept.dat", "KEPT")).toStdString());
    std::filesystem::remove(gone);
    frmMain& window = Start();

    Action("mnuFileRecent2")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text,
              Name(gone) + " is no longer there; it was removed from Recent Files.");
    EXPECT_EQ(Entries(window), QStringList{"&1 " + Name(Files / "kept.dat")});
    EXPECT_EQ(kelpie::RecentFiles(Settings).size(), 1u);
    EXPECT_TRUE(window.Shell().CurrentFileName.empty());
}

TEST_F(FilePlaces, TheWindowOpensWithThePlaceSizeAndSplitItWasClosedWith)
{
    frmMain& first = Start();
    const QRect place(40, 30, 700, 500);
    first.setGeometry(place);
    auto* splitter = test::Child<QSplitter>(first, "splitter");
    splitter->setSizes({260, splitter->width() - 260 - splitter->handleWidth()});
    const QList<int> split = splitter->sizes();
    ASSERT_TRUE(first.close());

    frmMain& again = Start();
    EXPECT_EQ(again.geometry(), place);
    EXPECT_EQ(test::Child<QSplitter>(again, "splitter")->sizes(), split);
}

TEST_F(FilePlaces, DebugModeWritesItsLogsBesideTheBackupsAndSaysWhere)
{
    frmMain& window = Start(true);
    const std::filesystem::path data = Program / "data";
    EXPECT_EQ(window.Shell().ErrorLogPath, (data / "err.log").string());
    EXPECT_TRUE(std::filesystem::is_directory(data));
    EXPECT_TRUE(StatusShown().contains(Name(data)));
}

}  // namespace
}  // namespace kelpie
