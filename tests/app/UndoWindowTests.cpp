#include <QCheckBox>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

#include "AppTestSupport.h"

namespace kelpie {
namespace {

using UndoWindow = AppTest;

TEST_F(UndoWindow, AnEditOnAPageIsUndoneByCtrlZOnItsPageAndRedoneByEitherRedoKey)
{
    frmMain& window = Start();
    QApplication::setActiveWindow(&window);
    QAction* undo = Action("mnuEditUndo");
    QAction* redo = Action("mnuEditRedo");
    EXPECT_EQ(test::Child<QMenu>(window, "mnuEdit")->actions().front(), undo);
    EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo");

    auto* tree = test::Child<QTreeWidget>(window, "tvTreeView");
    auto* scan = test::Child<QCheckBox>(window, "chkCScan");
    window.Editor().SelectNodeByKey("PU 32");
    const bool was = window.Data().UsaChannels[32].ScanMemory;
    scan->click();
    EXPECT_EQ(window.Data().UsaChannels[32].ScanMemory, !was);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo USA CH16 scan memory");
    EXPECT_TRUE(window.isWindowModified());

    // Undone from the channel list of another page; how steps group is the edit layer's own rule.
    window.Editor().SelectNodeByKey("PU");
    QTest::keyClick(test::Child<QTableWidget>(window, "MSFlexGrid1"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Data().UsaChannels[32].ScanMemory, was);
    EXPECT_EQ(window.Editor().CurrentKey(), "PU 32");  // the page of the step undone
    EXPECT_EQ(tree->currentItem()->text(0), "CH16[Enable]");
    EXPECT_EQ(scan->isChecked(), was);
    EXPECT_FALSE(window.isWindowModified());  // back to the records as loaded
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), "&Redo USA CH16 scan memory");

    QTest::keyClick(tree, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.Data().UsaChannels[32].ScanMemory, !was);
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.Data().UsaChannels[32].ScanMemory, !was);
    EXPECT_EQ(scan->isChecked(), !was);
    EXPECT_TRUE(window.isWindowModified());

    // New replaces the data as a whole: nothing is left to undo.
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuFileNew")->trigger();
    EXPECT_TRUE(test::WaitUntil([&] { return !window.Shell().DataChanged; }, "New clears DataChanged"));
    EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());
}

}  // namespace
}  // namespace kelpie
