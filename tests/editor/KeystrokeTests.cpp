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

TEST_F(Keystrokes, AWeatherNameTakesTheChannelNamesSetTypedOrPasted)
{
    Start(5, u"PW"_s);
    QLineEdit* name = Focus(u"txtDTagName_0"_s);
    const QString shown = name->text();
    for (const QString& key : {u"Ä"_s, u"Ö"_s, u"é"_s})
        Press(name, key);
    EXPECT_EQ(name->text(), shown);
    QGuiApplication::clipboard()->setText(u"a=b[c]~x"_s);
    name->paste();
    EXPECT_EQ(name->text(), u"ABCX"_s);
    EXPECT_TRUE(m_editor->CommitPage());
    EXPECT_EQ(m_data.WxChannels[0].ChTag, "ABCX");
}

TEST_F(Keystrokes, AWrongLengthDirectoryMmsiIsRefusedLeftByTabOrByTheTree)
{
    for (const QString& node : {u"SM 1"_s, u"SG 1"_s}) {
        for (const bool byTree : {false, true}) {
            SCOPED_TRACE(node.toStdString() + (byTree ? " by the tree" : " by Tab"));
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
            const FieldId field = node == u"SM 1"_s ? FieldId::IndividualMmsi : FieldId::GroupMmsi;
            EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(RefusalText(field, 0)));
            EXPECT_EQ(Dialogs::Shown()[0].title,
                      node == u"SM 1"_s ? "Individual Directory MMSI" : "Group Directory MMSI");
            EXPECT_EQ(m_editor->CurrentKey(), node);
            EXPECT_EQ(mmsi->text(), u"12345"_s);
            EXPECT_EQ(m_data.IndividualDirectory[0].Mmsid, "3661234510");
            EXPECT_EQ(m_data.GroupDirectory[0].Mmsid, "0366123450");
        }
    }
}

}  // namespace
}  // namespace kelpie
