// The main window's file and edit commands: Open, Save, Save As, Recent Files, Compare With, Print,
// the debug-mode hex file keys, the channel rows' keys and import, Undo and Redo, and the folder the
// file dialogs start in.
#include <QCheckBox>
#include <QClipboard>
#include <QMimeData>
#include <QPrinter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTreeWidget>

#include <fstream>

#include "AppTestSupport.h"
#include "files/FileTestSupport.h"
#include "files/ProgramSettings.h"
#include "printing/PrintCommands.h"

namespace kelpie {
namespace {

using namespace Qt::StringLiterals;

using AppFiles = AppTest;

TEST_F(AppFiles, SaveAsksForANameOnceAndSaveAsCancelledKeepsIt)
{
    frmMain& window = Start();
    const std::filesystem::path first = Files / "Radio1.DAT";
    TriggerWith("mnuFileSave", first);
    EXPECT_EQ(window.windowTitle(), Caption("radio1.dat"));
    EXPECT_EQ(test::Child<QLabel>(window, "lblGeneralFile")->text(), "Radio1.DAT");  // the start page too

    // The second save writes the same file without a dialog, and clears the title's mark.
    Dialogs::GiveNextFileName(Name(Files / "other.dat"));
    window.Shell().DataChanged = true;
    window.SetCaption();
    ASSERT_TRUE(window.isWindowModified());
    std::filesystem::remove(first);
    Action("Save")->trigger();
    EXPECT_EQ(FileBytes(first).toStdString(), DataFileText(window.Data(), window.Shell()));
    EXPECT_FALSE(std::filesystem::exists(Files / "other.dat"));
    EXPECT_FALSE(window.isWindowModified());

    Dialogs::ResetHooks();
    Action("mnuFileSaveAs")->trigger();  // cancelled
    EXPECT_EQ(window.Shell().CurrentFileName, first.string());
    // Which names a save refuses is the save's own rule; a hex name writes the image.
    TriggerWith("mnuFileSaveAs", Files / "x.hex");
    EXPECT_EQ(FileBytes(Files / "x.hex").size(), ExpectedImageFileLength(5));
}

TEST_F(AppFiles, AnotherRadiosFileIsNamedLeftOnNoAndOnYesOpenedAfterTheSwitchToItsModel)
{
    const std::filesystem::path good = WriteDataFile("Good.dat", WithUsaName(5, 16, "HARBOUR"));
    const std::filesystem::path mf7500s = WriteDataFile("mf7500s.dat", WithUsaName(0, 16, "OFFSHORE"));
    const QString question =
        "This file is for the MF7500S; Kelpie is set for the MV230. Switch to the MF7500S and open it?";
    frmMain& window = Start();
    TriggerWith("mnuFileOpen", good);
    EXPECT_EQ(window.windowTitle(), Caption("good.dat"));
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");

    Dialogs::AnswerNext(MessageAnswer::No);
    TriggerWith("Open", mf7500s);
    EXPECT_EQ(ShownTexts(), QStringList{question});
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "HARBOUR");
    EXPECT_EQ(window.Shell().CurrentFileName, good.string());

    Dialogs::ResetHooks();
    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Dialogs::AnswerNext(MessageAnswer::Yes);
    TriggerWith("Open", mf7500s);
    EXPECT_EQ(ShownTexts(), (QStringList{"Save the changes to Good.dat?", question}));
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "OFFSHORE");
    EXPECT_EQ(window.windowTitle(), "mf7500s.dat - Kelpie  PC Program for MF7500S[*]");
}

TEST_F(AppFiles, ASaveOverAFileChangedOnDiskAsksFirst)
{
    const std::filesystem::path work = Files / "work.dat";
    frmMain& window = StartEdited(work);
    WriteFileAtomically(work, "written by another window");
    Dialogs::AnswerNext(MessageAnswer::No);
    Action("mnuFileSave")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(ShownTexts()[0].startsWith(u"work.dat has changed on disk"_s));
    EXPECT_EQ(FileBytes(work), "written by another window");
    EXPECT_TRUE(window.Shell().DataChanged);

    Dialogs::AnswerNext(MessageAnswer::Yes);
    Action("mnuFileSave")->trigger();
    EXPECT_TRUE(FileBytes(work).contains("EDITED"));
    // Saved by this window: the next save asks nothing.
    Action("mnuFileSave")->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 2u);
}

TEST_F(AppFiles, HexKeysDoNothingWithoutDebugModeAndSaveAndLoadWithItBesideItsLogs)
{
    const std::filesystem::path file = Files / "Image.HEX";
    const auto press = [&](frmMain& window, Qt::Key key) {
        Dialogs::GiveNextFileName(Name(file));
        QTest::keyClick(window.centralWidget(), key, Qt::ControlModifier);
    };
    frmMain& plain = Start();
    press(plain, Qt::Key_F3);
    press(plain, Qt::Key_F2);
    EXPECT_EQ(Dialogs::FileRequests().size(), 0u);

    frmMain& window = Start(true);
    // Debug mode writes its logs beside the backups, and says where.
    EXPECT_EQ(window.Shell().ErrorLogPath, (Program / "data" / "err.log").string());
    EXPECT_TRUE(StatusShown().contains(Name(Program / "data")));
    EXPECT_TRUE(std::filesystem::is_directory(Program / "data"));
    press(window, Qt::Key_F3);
    ASSERT_TRUE(std::filesystem::exists(file));
    window.Data().RadioImage[0x0100] ^= 0xFF;
    press(window, Qt::Key_F2);
    EXPECT_TRUE(ImageIs(file));
    EXPECT_EQ(window.windowTitle(), Caption("image.hex"));
}

// The folder the last file dialog started in.
QString LastDialogFolder()
{
    return Dialogs::FileRequests().empty() ? QString() : Dialogs::FileRequests().back().folder;
}

TEST_F(AppFiles, DialogsStartInDocumentsThenInTheFolderLastUsedSaveAsAddsDatAndCompareOffersBackups)
{
    frmMain& window = Start();
    Action("mnuFileOpen")->trigger();  // cancelled
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    EXPECT_EQ(LastDialogFolder(), documents.isEmpty() ? QDir::homePath() : documents);

    TriggerWith("mnuFileSaveAs", Files / "boat");
    EXPECT_EQ(window.Shell().CurrentFileName, (Files / "boat.dat").string());
    EXPECT_TRUE(std::filesystem::exists(Files / "boat.dat"));
    for (const char* command : {"mnuFileOpen", "mnuFileExportPdf", "mnuFileCompare", "mnuFileSaveAs"}) {
        Action(command)->trigger();
        EXPECT_EQ(LastDialogFolder(), Name(Files.Path)) << command;
    }
    EXPECT_EQ(Dialogs::FileRequests().end()[-2].places,
              QList<QUrl>{QUrl::fromLocalFile(Name(Program / "data" / "backups"))});
    // The next run starts where this one left off.
    Start();
    Action("mnuFileOpen")->trigger();
    EXPECT_EQ(LastDialogFolder(), Name(Files.Path));
}

// The texts of File › Recent Files' entries, in order.
QStringList RecentEntries(const frmMain& window)
{
    QStringList texts;
    for (int i = 1; i <= 9; ++i) {
        if (auto* entry = window.findChild<QAction*>(u"mnuFileRecent%1"_s.arg(i))) {
            texts << entry->text();
        }
    }
    return texts;
}

// How many entries the list keeps and in which order is pinned with the settings; here the menu
// shows them, and opens, forgets and clears them.
TEST_F(AppFiles, RecentFilesAreNewestFirstChoosingOneOpensItAndAMissingOneIsRemoved)
{
    const std::filesystem::path old = WriteDataFile("old.dat", WithUsaName(5, 16, "OLD"));
    AddRecentFile(Settings, (Files / "gone.dat").string());
    AddRecentFile(Settings, old.string());
    frmMain& window = Start();
    TriggerWith("mnuFileSaveAs", Files / "saved.dat");
    EXPECT_EQ(RecentEntries(window), (QStringList{"&1 " + Name(Files / "saved.dat"), "&2 " + Name(old),
                                                  "&3 " + Name(Files / "gone.dat")}));

    Action("mnuFileRecent2")->trigger();
    EXPECT_EQ(window.Data().UsaChannels[16].ChTag, "OLD");
    EXPECT_EQ(RecentEntries(window)[0], "&1 " + Name(old));

    // A file no longer there is removed when chosen, with a message, and nothing is opened.
    Action("mnuFileRecent3")->trigger();
    EXPECT_EQ(ShownTexts(), QStringList{Name(Files / "gone.dat") +
                                        " is no longer there; it was removed from Recent Files."});
    EXPECT_EQ(kelpie::RecentFiles(Settings).size(), 2u);
    EXPECT_EQ(RecentEntries(window).size(), 2);
    EXPECT_EQ(window.Shell().CurrentFileName, old.string());

    Action("mnuFileRecentClear")->trigger();
    EXPECT_TRUE(RecentEntries(window).isEmpty());
}

// Either kind of file loads beside the data (the loaders are pinned with the files); the one change
// shows, and the data being edited stays as it was.
TEST_F(AppFiles, CompareWithShowsTheOneChangedChannelOfAFileNoneOfAnEqualOneAndNoWindowForARefusedOne)
{
    frmMain& window = Start();
    window.Data().IntlChannels[5].ChTag = "PILOT";
    RadioData changed = window.Data();
    changed.IntlChannels[5].ChTag = "FERRY";
    EncodeImage(changed);
    const std::filesystem::path hex = Files / "ferry.hex";
    const auto image = changed.RadioImage.Bytes(0, ExpectedImageFileLength(changed.ModelIndex));
    WriteFileAtomically(hex, std::string(image.begin(), image.end()));
    const std::filesystem::path same = WriteDataFile("same.dat", window.Data());
    const std::string before = DataFileText(window.Data(), window.Shell());
    // A file that does not load shows only the loader's message.
    TriggerWith("mnuFileCompare", WriteDataFile("wrong.dat", ResetData(4)));
    EXPECT_EQ(ShownTexts(), QStringList{"different model!!"});
    EXPECT_EQ(CompareWindow(), nullptr);

    Dialogs::ResetHooks();
    TriggerWith("mnuFileCompare", hex);
    EXPECT_EQ(DataFileText(window.Data(), window.Shell()), before);
    EXPECT_TRUE(window.Shell().CurrentFileName.empty());
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(CompareSummaryShown(), "1 difference between this data and ferry.hex.");
    const auto* list = CompareWindow()->findChild<QTreeWidget*>("tvDifferences");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "name PILOT → FERRY");
    EXPECT_TRUE(Dialogs::Shown().empty());

    TriggerWith("mnuFileCompare", same);
    EXPECT_EQ(window.findChildren<frmCompare*>().size(), 1);  // one compare window at a time
    EXPECT_EQ(CompareSummaryShown(), "This data and same.dat hold the same programming.");
}

TEST_F(AppFiles, OpenAndCompareWithNameTheValuesTheFileDidNotTake)
{
    const std::filesystem::path odd = Files / "odd.dat";
    WriteFileText(odd, DataFileWith(5, {{"Priority CH 0", "99999"}}));
    const QString notTaken =
        "odd.dat: values not taken (their fields keep the values they had):\n"
        "  [Usable CH Group Setup] Priority CH 0=99999";
    Start();
    TriggerWith("mnuFileOpen", odd);
    EXPECT_EQ(ShownTexts(), QStringList{notTaken});
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Dialogs::Shown()[0].title, "PC Program for MV230");

    TriggerWith("mnuFileCompare", odd);
    EXPECT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(ShownTexts(), (QStringList{notTaken, notTaken}));
}

TEST_F(AppFiles, PrintWithoutAPrinterSaysSoAndACancelledPrintSaysNothing)
{
    Start();
    // A printer that cannot begin: its output goes to a folder that does not exist.
    SetPrintDialogStandIn([this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Name(Files / "missing" / "listing.pdf"));
        return true;
    });
    Action("mnuFilePrint")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(ShownTexts()[0].startsWith("The listing was not printed"));
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Critical);

    SetPrintDialogStandIn([](QPrinter&) { return false; });
    Action("Print")->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 1u);
    SetPrintDialogStandIn({});
}

void SelectRows(QTableWidget* grid, int first)
{
    grid->clearSelection();
    for (const int row : {first, first + 1}) {
        grid->selectionModel()->select(grid->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

// What is copied and how it pastes is the edit layer's; here the keys reach the commands.
TEST_F(AppFiles, TwoLmrRowsCopiedWithTheKeysPasteIntoTwoOthers)
{
    frmMain& window = Start();
    RadioData& data = window.Data();
    for (std::size_t n = 0; n < 2; ++n) {
        ChannelRecord& record = data.ExpChannels[n];
        record.Enable = true;
        record.Rxfreq = 150.0 + static_cast<double>(n);
        record.Txfreq = 151.0;
        record.CHDisplayL = "0" + std::to_string(n + 1);
        record.ChTag = "CREW " + std::to_string(n);
    }
    window.Editor().SelectNodeByKey(u"ExpChannel"_s);
    auto* grid = test::Child<QTableWidget>(window, u"MSFlexGrid1"_s);
    grid->setFocus();
    SelectRows(grid, 0);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    // Other programs take the rows as CSV or as tab-separated text.
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(u"text/csv"_s));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(u"CH\tENABLE\tDISP\tRX[MHz]"_s));
    SelectRows(grid, 20);
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    for (std::size_t n = 0; n < 2; ++n) {
        EXPECT_EQ(data.ExpChannels[20 + n], data.ExpChannels[n]) << n;
        EXPECT_EQ(grid->item(20 + static_cast<int>(n), 9)->text().toStdString(), data.ExpChannels[n].ChTag);
    }
    EXPECT_TRUE(window.Shell().DataChanged);
}

TEST_F(AppFiles, AnImportWithABadRowIsRefusedWithItsReport)
{
    frmMain& window = Start();
    window.Editor().SelectNodeByKey(u"ExpChannel"_s);
    const RadioData before = window.Data();
    const std::filesystem::path csv = Files / "lmr.csv";
    std::ofstream(csv, std::ios::binary) << "Location,Name,Frequency\r\n1,GOOD,156.05\r\n2,FAR,190\r\n";
    Dialogs::AnswerNext(MessageAnswer::Yes);  // at their locations
    Dialogs::AnswerNext(MessageAnswer::No);   // the refused row is not skipped
    TriggerWith(u"mnuFileImportChannels"_s, csv);
    // The texts are the import's own, pinned with it; here the refusal and the report reach the screen.
    ASSERT_EQ(Dialogs::Shown().size(), 3u);
    EXPECT_TRUE(ShownTexts()[1].startsWith(u"Line 3: LMR2 refused"_s));
    EXPECT_TRUE(ShownTexts()[2].startsWith(u"Import Channels: nothing changed."_s));
    EXPECT_TRUE(window.Data() == before);
}

// How steps group and what they are called is the edit layer's own rule; here the menu and the keys
// reach the history, and the page of the step shows it.
TEST_F(AppFiles, AnEditOnAPageIsUndoneByCtrlZOnItsPageAndRedoneByEitherRedoKey)
{
    frmMain& window = Start();
    QApplication::setActiveWindow(&window);
    QAction* undo = Action("mnuEditUndo");
    QAction* redo = Action("mnuEditRedo");
    EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());

    auto* tree = test::Child<QTreeWidget>(window, "tvTreeView");
    auto* scan = test::Child<QCheckBox>(window, "chkCScan");
    window.Editor().SelectNodeByKey("PU 32");
    const bool was = window.Data().UsaChannels[32].ScanMemory;
    scan->click();
    EXPECT_EQ(undo->text(), "&Undo USA CH16 scan memory");
    EXPECT_TRUE(window.isWindowModified());

    window.Editor().SelectNodeByKey("PU");
    QTest::keyClick(test::Child<QTableWidget>(window, "MSFlexGrid1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Data().UsaChannels[32].ScanMemory, was);
    EXPECT_EQ(tree->currentItem()->text(0), "CH16[Enable]");  // the page of the step undone
    EXPECT_EQ(scan->isChecked(), was);
    EXPECT_FALSE(window.isWindowModified());  // back to the records as loaded
    EXPECT_EQ(redo->text(), "&Redo USA CH16 scan memory");

    QTest::keyClick(tree, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.Data().UsaChannels[32].ScanMemory, !was);
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(scan->isChecked(), !was);

    // New replaces the data as a whole: nothing is left to undo.
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuFileNew")->trigger();
    EXPECT_TRUE(test::WaitUntil([&] { return !window.Shell().DataChanged; }, "New clears DataChanged"));
    EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());
}

}  // namespace
}  // namespace kelpie
