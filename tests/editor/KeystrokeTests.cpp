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

TEST_F(Keystrokes, ARefusedKeyOrPasteOverTheSelectionKeepsTextSelectionAndValue)
{
    struct Row
    {
        int model;
        QString node, box;
        std::function<void(RadioData&)> set;
        std::function<std::string(const RadioData&)> value;
    };
    const std::vector<Row> rows{
        {5, u"E 3"_s, u"txtCTF"_s,
         [](RadioData& d) {
             ChannelRecord& lmr = d.ExpChannels[2];
             lmr.Enable = true;
             lmr.CHDisplayL = "03";
             lmr.Rxfreq = lmr.Txfreq = 151.25;
         },
         [](const RadioData& d) { return std::to_string(d.ExpChannels[2].Txfreq); }},
        {0, u"DSC"_s, u"txtUserMMSI"_s, [](RadioData& d) { d.DscBasicSetup.UserMmsi = "3661234560"; },
         [](const RadioData& d) { return d.DscBasicSetup.UserMmsi; }},
        {0, u"ATIS"_s, u"txtATIScode"_s, [](RadioData& d) { d.AtisCommonSetup.AtisCode = "9123456789"; },
         [](const RadioData& d) { return d.AtisCommonSetup.AtisCode; }},
        {0, u"SM 1"_s, u"txtGMMSI"_s,
         [](RadioData& d) {
             d.IndividualDirectory[0] = {true, "BOAT", "3661234510"};
         },
         [](const RadioData& d) { return d.IndividualDirectory[0].Mmsid; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.box.toStdString());
        m_data = ResetData(row.model);
        row.set(m_data);
        const std::string stored = row.value(m_data);
        Show(row.node);
        QLineEdit* box = Focus(row.box);
        const QString shown = box->text();
        for (const QString& stray : {u"q"_s, u","_s, u"Ж"_s, u"😀"_s}) {
            Press(box, stray);
            QGuiApplication::clipboard()->setText(u"x,y"_s + stray);
            box->paste();
            EXPECT_EQ(box->text(), shown) << stray.toStdString();
            EXPECT_EQ(box->selectedText(), shown) << stray.toStdString();
        }
        EXPECT_TRUE(m_editor->CommitPage());
        EXPECT_EQ(row.value(m_data), stored);
        EXPECT_TRUE(Dialogs::Shown().empty());
    }
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
