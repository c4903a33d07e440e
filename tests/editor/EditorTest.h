// EditorTest.h — a page editor on a model's reset data, as big as its share of the default window,
// driven as a user drives it: a click on a node, typing, the arrow keys of a closed combo, the space
// bar on a check box.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include <memory>

#include "editor/Dialogs.h"
#include "editor/PageEditor.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

namespace kelpie {

class EditorTest : public testing::Test
{
protected:
    static constexpr QSize kEditorSize{607, 400};

    // The editor of `m_data`, on the node `key`, with no box shown yet.
    void Show(const QString& key = "General")
    {
        m_editor = std::make_unique<PageEditor>(m_data, m_shell);
        m_editor->resize(kEditorSize);
        m_editor->show();
        QApplication::setActiveWindow(m_editor.get());
        m_editor->BuildPageTree();
        m_editor->SelectNodeByKey(key);
        Dialogs::ResetHooks();
    }
    void Start(int model, const QString& key = "General")
    {
        m_data = ResetData(model);
        Show(key);
    }

    template <typename T = QWidget>
    T* Child(const QString& name, std::source_location where = std::source_location::current()) const
    {
        return test::Child<T>(*m_editor, name, where);
    }
    QTreeWidget* Tree() const { return Child<QTreeWidget>("tvTreeView"); }
    QTreeWidgetItem* Node(const QString& key) const { return test::TreeNode(*Tree(), key); }

    // A click on the node: the tree takes the focus, the page is committed and the node's shown.
    void Select(const QString& key)
    {
        Tree()->setFocus();
        Tree()->setCurrentItem(Node(key));
        QCoreApplication::processEvents();
    }
    // Typing over a box's text, the page left uncommitted.
    void Type(const QString& name, const QString& text)
    {
        auto* box = Child<QLineEdit>(name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    // Typing, then the page's input committed.
    void Enter(const QString& name, const QString& text)
    {
        Type(name, text);
        m_editor->CommitPage();
    }
    // A combo entry chosen with the arrow keys, as a user does without opening its list.
    void Choose(const QString& name, int index)
    {
        auto* combo = Child<QComboBox>(name);
        ASSERT_TRUE(combo->isEnabled() && combo->isVisibleTo(m_editor.get())) << name.toStdString();
        combo->setFocus();
        // As a user presses the arrow keys, at most once per entry: a combo that does not follow
        // them fails here instead of holding the test in this loop.
        for (int presses = 0; combo->currentIndex() != index && presses < combo->count(); ++presses)
            QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
        EXPECT_EQ(combo->currentIndex(), index) << name.toStdString() << " does not follow the arrow keys";
    }
    void Toggle(const QString& name) { QTest::keyClick(Child<QCheckBox>(name), Qt::Key_Space); }

    RadioData m_data = ResetData(5);
    ShellState m_shell;
    std::unique_ptr<PageEditor> m_editor;
};

}  // namespace kelpie
