#include <QCheckBox>
#include <QMenu>
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
    auto* enable = test::Child<QCheckBox>(window, "chkCEnable");
    window.Editor().SelectNodeByKey("E 7");
    const bool was = window.Data().ExpChannels[6].Enable;
    enable->click();
    EXPECT_EQ(window.Data().ExpChannels[6].Enable, !was);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), "&Undo LMR 7 enable");
    EXPECT_TRUE(window.isWindowModified());

    window.Editor().SelectNodeByKey("General");
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Data().ExpChannels[6].Enable, was);
    EXPECT_EQ(window.Editor().CurrentKey(), "E 7");  // the page of the step undone
    EXPECT_EQ(tree->currentItem()->text(0), was ? "LMR7[Enable]" : "LMR7");
    EXPECT_EQ(enable->isChecked(), was);
    EXPECT_FALSE(window.isWindowModified());  // back to the records as loaded
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(redo->text(), "&Redo LMR 7 enable");

    QTest::keyClick(tree, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window.Data().ExpChannels[6].Enable, !was);
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(tree, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(window.Data().ExpChannels[6].Enable, !was);
    EXPECT_EQ(enable->isChecked(), !was);
    EXPECT_TRUE(window.isWindowModified());

    // New replaces the data as a whole: nothing is left to undo.
    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuFileNew")->trigger();
    EXPECT_TRUE(test::WaitUntil([&] { return !window.Shell().DataChanged; }, "New clears DataChanged"));
    EXPECT_FALSE(undo->isEnabled() || redo->isEnabled());
}

}  // namespace
}  // namespace kelpie
