// A stray keystroke or paste never erases a value; a directory entry's wrong MMSI is refused
// however its box is left.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "EditorTest.h"
#include "edit/FieldRules.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

class Keystrokes : public EditorTest
{
protected:
    // The box with the focus and its text selected, as Tab leaves it.
    QLineEdit* Focus(const QString& name)
    {
        auto* box = Child<QLineEdit>(name);
        box->setFocus();
        QCoreApplication::processEvents();
        EXPECT_TRUE(box->hasSelectedText()) << name.toStdString();
        return box;
    }
    // A key whose text is `text`, as a keyboard layout delivers any character.
    static void Press(QLineEdit* box, const QString& text)
    {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(box, &key);
    }
};

// Every box is a FieldBox whose field the other tests pin; the channel page's TX frequency stands for them.
TEST_F(Keystrokes, ARefusedKeyOrPasteOverTheSelectionKeepsTextSelectionAndValue)
{
    ChannelRecord& lmr = m_data.ExpChannels[2];
    lmr.Enable = true;
    lmr.CHDisplayL = "03";
    lmr.Rxfreq = lmr.Txfreq = 151.25;
    Show(u"E 3"_s);
    QLineEdit* box = Focus(u"txtCTF"_s);
    const QString shown = box->text();
    for (const QString& stray : {u"q"_s, u","_s, u"Ж"_s, u"😀"_s}) {
        Press(box, stray);
        QGuiApplication::clipboard()->setText(u"x,y"_s + stray);
        box->paste();
        EXPECT_EQ(box->text(), shown) << stray.toStdString();
        EXPECT_EQ(box->selectedText(), shown) << stray.toStdString();
    }
    EXPECT_TRUE(m_editor->CommitPage());
    EXPECT_EQ(lmr.Txfreq, 151.25);
    EXPECT_TRUE(Dialogs::Shown().empty());
}

// Left by Tab the box validates itself; left by the tree the page is committed.
TEST_F(Keystrokes, AWrongLengthDirectoryMmsiIsRefusedLeftByTabOrByTheTree)
{
    for (const auto& [node, byTree] : {std::pair{u"SM 1"_s, false}, {u"SG 1"_s, true}}) {
        SCOPED_TRACE(node.toStdString());
        m_data = ResetData(0);
        m_data.IndividualDirectory[0] = {true, "BOAT", "3661234510"};
        m_data.GroupDirectory[0] = {true, "FLEET", "0366123450"};
        Show(node);
        QLineEdit* mmsi = Focus(u"txtGMMSI"_s);
        QTest::keyClicks(mmsi, u"12345"_s);
        if (byTree) {
            Select(u"General"_s);
        } else {
            QTest::keyClick(mmsi, Qt::Key_Tab);
        }
        ASSERT_TRUE(test::WaitUntil([&] { return mmsi->hasFocus(); }, "the focus comes back"));
        ASSERT_EQ(Dialogs::Shown().size(), 1u);
        const FieldId field = byTree ? FieldId::GroupMmsi : FieldId::IndividualMmsi;
        EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(RefusalText(field, 0)));
        EXPECT_EQ(Dialogs::Shown()[0].title, byTree ? "Group Directory MMSI" : "Individual Directory MMSI");
        EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(m_editor->CurrentKey(), node);
        EXPECT_EQ(mmsi->text(), u"12345"_s);
        EXPECT_EQ(m_data.IndividualDirectory[0].Mmsid, "3661234510");
        EXPECT_EQ(m_data.GroupDirectory[0].Mmsid, "0366123450");
    }
}

}  // namespace
}  // namespace kelpie
