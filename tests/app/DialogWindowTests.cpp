// The windows the main window opens, on their own: the transfer dialog against the simulated radio
// in the same process, the listing window, the help window, and a record's Windows-1252 byte in
// every view of the records.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest/QTest>

#include <memory>

#include "app/HelpWindow.h"
#include "app/RadioPictures.h"
#include "app/frmCompare.h"
#include "app/frmPrn.h"
#include "app/frmRadio_102.h"
#include "editor/Dialogs.h"
#include "editor/PageEditor.h"
#include "files/FileAccess.h"
#include "link/LinkTestSupport.h"
#include "printing/PrintCommands.h"
#include "report/Compare.h"
#include "report/TextImage.h"
#include "support/Fakes.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

struct TransferWindow : ::testing::Test
{
    TransferWindow() : radio(5), port(radio, clock)
    {
        Dialogs::ResetHooks();
        test::Holds(radio, ResetData(5).RadioImage);
    }

    void Open(int mode)
    {
        shell.TransferMode = mode;
        dialog = std::make_unique<frmRadio_102>(port, clock, shell, data, false, nullptr);
        dialog->show();
    }

    QPushButton* Button(const char* name) { return test::Child<QPushButton>(*dialog, name); }

    test::FakeClock clock;
    RadioSimulator radio;
    SimulatorPort port;
    ShellState shell;
    RadioData data = ResetData(5);
    std::unique_ptr<frmRadio_102> dialog;
};

// Where the bar stands and when a close is refused are the dialog's own rules, pinned with the link;
// here the bar follows the progress, a close from the title bar is refused while the radio is being
// read, and Cancel then stops the read with nothing the radio sent reaching the data.
TEST_F(TransferWindow, TheBarFollowsTheRunAndACancelledReadLeavesTheDataAndTheDialogOpen)
{
    radio.Memory()[0x0A00] ^= 0x5A;
    const RadioData before = data;
    Open(kTransferRead);
    const int width = test::Child<QWidget>(*dialog, "pictProgress")->width();
    dialog->ShowProgress(50);
    EXPECT_EQ(test::Child<QWidget>(*dialog, "lblPercent")->x(), width / 2 - width);
    // While the radio does not answer, the waiting text stands in place of the instructions.
    auto* waiting = test::Child<QLabel>(*dialog, "lblWaiting");
    dialog->ShowWaiting("Waiting for the radio");
    EXPECT_TRUE(waiting->isVisible() && !test::Child<QLabel>(*dialog, "lblmess")->isVisible());
    EXPECT_EQ(waiting->text(), "Waiting for the radio");
    dialog->ShowWaiting("");
    EXPECT_TRUE(!waiting->isVisible() && test::Child<QLabel>(*dialog, "lblmess")->isVisible());
    bool stayedOpen = false;
    QTimer::singleShot(0, dialog.get(), [&] {
        dialog->close();
        stayedOpen = dialog->isVisible();
        QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(Button("cmdOK"), Qt::LeftButton);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(shell.CancelFlag);
    EXPECT_EQ(data, before);
    EXPECT_TRUE(Button("cmdOK")->isEnabled() && Button("cmdHelp")->isEnabled());
}

// The radio stands left when the programming comes from it and right when it goes to it; the cable's
// arrow points the way the programming travels.
TEST_F(TransferWindow, TheRadioStandsWhereTheProgrammingComesFromAndIdleCancelCloses)
{
    for (const auto& [mode, toPc] : {std::pair{kTransferVerify, true}, {kTransferClearDistress, false}}) {
        SCOPED_TRACE(mode);
        Open(mode);
        const int radioLeft = test::Child<QWidget>(*dialog, "pictHandy")->x();
        EXPECT_EQ(radioLeft < test::Child<QWidget>(*dialog, "pictB")->x(), toPc);
        EXPECT_TRUE(test::Child<TransferPicture>(*dialog, "pictA")->FlowsRight());
        EXPECT_FALSE(test::Child<QLabel>(*dialog, "lblmon")->isVisible());
    }
    // Cancel while idle closes without a word to the radio.
    EXPECT_EQ(dialog->windowTitle(), "Clear Distress Log Data");
    QTest::mouseClick(Button("cmdCancel"), Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(radio.Lines().empty());
}

TEST(HelpWindowKeys, EscapeAndCtrlWCloseTheHelpWindow)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Escape, Qt::NoModifier},
                                                              {Qt::Key_W, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        QPointer<HelpWindow> help = new HelpWindow(nullptr);
        help->show();
        QApplication::setActiveWindow(help);
        ASSERT_TRUE(test::WaitUntil([&] { return help->isActiveWindow(); }, "the help window is active"));
        QTest::keyClick(test::Child<QTextBrowser>(*help, "txtHelp"), key, modifiers);
        EXPECT_TRUE(test::WaitUntil([&] { return help.isNull(); }, "the help window closes"));
        delete help.data();
    }
}

// How the file is written is the listing's own rule, pinned where it is built; here the listing
// shows a name's Windows-1252 byte as its letter, the save gives the byte back to the chosen file,
// and a failed save says why.
TEST(ListingWindow, ShowsTheWaitTextThenTheListingWhichSaveWritesToTheChosenFile)
{
    Dialogs::ResetHooks();
    RadioData data = ResetData(5);
    data.UsaChannels[32].ChTag = "CAF\xE9";
    ShellState shell;
    MemorySettingsStore settings;
    FileFolders folders{settings};
    frmPrn window{data, shell, folders, false, nullptr};
    const QTemporaryDir folder;
    auto* text = test::Child<QPlainTextEdit>(window, "txtPrn");
    EXPECT_EQ(text->toPlainText(), "Now, making text image. Please wait...");
    ASSERT_TRUE(test::WaitUntil([&] { return !text->toPlainText().startsWith("Now, making"); },
                                "the listing replaces the wait text"));
    EXPECT_TRUE(text->toPlainText().contains(u"CAF\u00E9"_s));

    const QString path = folder.filePath("radio.txt");
    Dialogs::GiveNextFileName(path);
    ASSERT_TRUE(window.SaveListing());
    const std::vector<std::uint8_t> saved = ReadWholeFile(path.toStdString());
    RadioData copy = data;
    EXPECT_EQ(std::string(saved.begin(), saved.end()), BuildTextImage(copy) + "\r\n");

    // The second save starts in the folder of the first.
    Dialogs::GiveNextFileName(folder.filePath("no-such-folder/radio.txt"));
    EXPECT_FALSE(window.SaveListing());
    EXPECT_EQ(Dialogs::FileRequests().back().folder, folder.path());
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Dialogs::Shown()[0].title, "MV230 PC Program for MV230");
}

// The printed listing's text as pdftotext reads it out of the exported PDF.
QString PrintedText(const RadioData& data, const QString& pdf)
{
    EXPECT_TRUE(ExportListingPdf(data, ShellState{}, "", pdf.toStdString()).IsDone());
    QProcess pdftotext;
    pdftotext.start("pdftotext", {pdf, "-"});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST(RecordText, ANameHoldingByteE9ShowsEAcuteInTheGridTheTreeThePageThePrintedListingAndTheCompare)
{
    RadioData data = ResetData(5);
    data.UsaChannels[32].ChTag = "CAF\xE9";  // USA 16
    data.UsableGroups[kGroupUsa].StatusName = "\xE9T\xE9";
    ShellState shell;

    PageEditor editor(data, shell);
    editor.show();
    editor.BuildPageTree();
    editor.RefreshGroupCaptions();
    auto* tree = editor.findChild<QTreeWidget*>("tvTreeView");
    EXPECT_EQ(test::TreeNode(*tree, "PU")->text(0).toStdString(), "USA(\u00E9T\u00E9)");
    editor.SelectNodeByKey("PU");
    EXPECT_EQ(
        editor.findChild<QTableWidget*>("MSFlexGrid1")->findItems(u"CAF\u00E9"_s, Qt::MatchExactly).size(),
        1);
    editor.SelectNodeByKey("PU 32");
    EXPECT_EQ(editor.findChild<QLineEdit*>("txtCTag")->text().toStdString(), "CAF\u00E9");

    frmCompare compare(CompareData(data, ResetData(5)), {u"radio.dat"_s, false}, nullptr);
    EXPECT_FALSE(compare.findChild<QTreeWidget*>("tvDifferences")
                     ->findItems(u"\u00E9T\u00E9"_s, Qt::MatchContains, 1)
                     .isEmpty());

    const QTemporaryDir folder;
    const QString printed = PrintedText(data, folder.filePath("listing.pdf"));
    EXPECT_TRUE(printed.contains(u"CAF\u00E9"_s)) << printed.toStdString();
}

}  // namespace
}  // namespace kelpie
