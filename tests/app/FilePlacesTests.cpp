// Where the main window keeps things: the folder its file dialogs start in, Recent Files, its own
// place, size and split between runs, and the debug logs.
#include <QSplitter>
#include <QStandardPaths>

#include "AppTestSupport.h"
#include "files/ProgramSettings.h"

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

TEST_F(FilePlaces, DialogsStartInDocumentsThenInTheFolderLastUsedSaveAsAddsDatAndCompareOffersBackups)
{
    frmMain& window = Start();
    Action("mnuFileOpen")->trigger();  // cancelled
    EXPECT_EQ(LastDialogFolder(), Documents());
    EXPECT_NE(LastDialogFolder(), Name(Program.Path));

    TriggerWith("mnuFileSaveAs", Files / "boat");
    EXPECT_EQ(window.Shell().CurrentFileName, (Files / "boat.dat").string());
    EXPECT_TRUE(std::filesystem::exists(Files / "boat.dat"));
    EXPECT_EQ(window.windowTitle(), Caption("boat.dat"));

    for (const char* command : {"mnuFileOpen", "mnuFileExportPdf", "mnuFileCompare", "mnuFileSaveAs"}) {
        Action(command)->trigger();
        EXPECT_EQ(LastDialogFolder(), Name(Files.Path)) << command;
    }
    // Compare With offers the backups folder in its sidebar.
    Action("mnuFileCompare")->trigger();
    EXPECT_EQ(Dialogs::FileRequests().back().places,
              QList<QUrl>{QUrl::fromLocalFile(Name(Program / "data" / "backups"))});
    // The next run starts where this one left off.
    Start();
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(LastDialogFolder(), Name(Files.Path));
}

class RecentFiles : public AppTest
{
protected:
    // A data file of the model whose USA 16 carries the name, added to Recent Files.
    std::filesystem::path RecentFile(const std::string& file, const std::string& name)
    {
        const std::filesystem::path written = WriteDataFile(file, WithUsaName(5, 16, name));
        AddRecentFile(Settings, written.string());
        return written;
    }

    // A Recent Files entry's text.
    QString Entry(int number, const std::string& file) const
    {
        return u"&%1 "_s.arg(number) + Name(Files / file);
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

// How many entries the list keeps is pinned with the settings; here the menu shows them.
TEST_F(RecentFiles, NewestFirstChoosingOneOpensItAndAMissingOneIsRemoved)
{
    RecentFile("old1.dat", "OLD");
    RecentFile("old2.dat", "OLD");
    frmMain& window = Start();
    EXPECT_EQ(Entries(window), (QStringList{Entry(1, "old2.dat"), Entry(2, "old1.dat")}));

    TriggerWith("mnuFileOpen", WriteDataFile("harbour.dat", WithUsaName(5, 16, "HARBOUR")));
    TriggerWith("mnuFileSaveAs", Files / "saved.dat");
    EXPECT_EQ(Entries(window), (QStringList{Entry(1, "saved.dat"), Entry(2, "harbour.dat"),
                                            Entry(3, "old2.dat"), Entry(4, "old1.dat")}));

    // Changed data: the save question comes first, as with Open.
    window.Data().UsaChannels[16].ChTag = "EDITED";
    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuFileRecent3")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::SaveDiscardCancel);
    EXPECT_EQ(window.Shell().CurrentFileName, (Files / "old2.dat").string());
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "OLD");
    EXPECT_EQ(Entries(window)[0], Entry(1, "old2.dat"));

    // A file no longer there is removed when chosen, with a message, and nothing is opened.
    std::filesystem::remove(Files / "old1.dat");
    Dialogs::ResetHooks();
    Action("mnuFileRecent4")->trigger();
    EXPECT_EQ(ShownTexts(), QStringList{Name(Files / "old1.dat") +
                                        " is no longer there; it was removed from Recent Files."});
    EXPECT_EQ(Entries(window).size(), 3);
    EXPECT_EQ(kelpie::RecentFiles(Settings).size(), 3u);
    EXPECT_EQ(window.Shell().CurrentFileName, (Files / "old2.dat").string());

    Action("mnuFileRecentClear")->trigger();
    EXPECT_TRUE(Entries(window).isEmpty());
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
