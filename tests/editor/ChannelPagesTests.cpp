// ChannelPagesTests.cpp — the channel and weather pages as a user drives them through the editor.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include "editor/Dialogs.h"
#include "editor/FieldBox.h"
#include "editor/PageEditor.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/ImagePasses.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

// The editor's share of the default window of 607 x 444 pixels.
constexpr QSize kEditorSize(607, 400);

// The file procedures' questions, counted and answered OK.
struct CountingUi : FileUi
{
    void SetBusy(bool) override {}
    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons) override
    {
        ++messages;
        return MessageAnswer::Ok;
    }
    void Pause(int) override {}

    int messages = 0;
};

class ChannelPagesTest : public testing::Test
{
protected:
    // The editor of a model's reset data, as big as in the default window, on the node `key`.
    void Start(int model, const QString& key)
    {
        m_editor = std::make_unique<PageEditor>(m_data, m_shell);
        m_editor->resize(kEditorSize);
        m_editor->show();
        m_editor->BuildPageTree();
        Select(key);
        Dialogs::ResetHooks();
        ASSERT_EQ(m_data.ModelIndex, model);
        ASSERT_FALSE(m_shell.DataChanged) << "filling a page is no edit";
    }

    // A click on the node: the tree takes the focus, the page is committed and the node's shown.
    void Select(const QString& key)
    {
        Tree()->setFocus();
        Tree()->setCurrentItem(Node(key));
        QCoreApplication::processEvents();
    }

    template <typename T = QWidget>
    T* Child(const QString& name) const
    {
        T* child = m_editor->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name.toStdString();
        return child;
    }
    QTreeWidget* Tree() const { return Child<QTreeWidget>(u"tvTreeView"_qs); }
    QTreeWidgetItem* Node(const QString& key) const
    {
        const QList<QTreeWidgetItem*> found =
            Tree()->findItems(u"*"_qs, Qt::MatchWildcard | Qt::MatchRecursive);
        const auto node = std::find_if(found.begin(), found.end(), [&key](const QTreeWidgetItem* item) {
            return item->data(0, Qt::UserRole).toString() == key;
        });
        return node == found.end() ? nullptr : *node;
    }
    void Type(const QString& box, const QString& text)
    {
        auto* edit = Child<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // Down-arrow presses on a closed combo box choose the entries below, as the keyboard does.
    void ChooseDown(const QString& combo, int steps)
    {
        auto* box = Child<QComboBox>(combo);
        box->setFocus();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(box, Qt::Key_Down);
    }

    RadioData m_data = ResetData(5);
    ShellState m_shell;
    std::unique_ptr<PageEditor> m_editor;
};

TEST_F(ChannelPagesTest, EnabledBankEChannelWithoutReceiveFrequencyOrNumberCannotBeLeft)
{
    ChannelRecord& lmr = m_data.ExpChannels[0];
    lmr.Enable = true;
    lmr.CHDisplayL = "01";
    lmr.Rxfreq = 0.0;
    Start(5, u"E 1"_qs);
    EXPECT_EQ(Child<QLineEdit>(u"txtCRF"_qs)->text(), u"---.----"_qs);

    Select(u"PU 32"_qs);
    ASSERT_EQ(Dialogs::Shown().size(), 1U);
    EXPECT_EQ(Dialogs::Shown()[0].text, u"Data Error!!\r\nPlease input correct data."_qs);
    EXPECT_EQ(Dialogs::Shown()[0].title, u"PC Program for MV230 Series"_qs);
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    QTRY_COMPARE(Tree()->currentItem()->data(0, Qt::UserRole).toString(), u"E 1"_qs);
    EXPECT_EQ(m_editor->CurrentKey(), u"E 1"_qs);

    // A frequency out of the band typed before the click is refused quietly: still no leaving.
    Type(u"txtCRF"_qs, u"180"_qs);
    Select(u"PU 32"_qs);
    EXPECT_EQ(Dialogs::Shown().size(), 2U);
    EXPECT_EQ(m_data.ExpChannels[0].Rxfreq, 0.0);

    Type(u"txtCRF"_qs, u"150.5"_qs);
    Type(u"txtCN_0"_qs, u"7"_qs);  // a one-character number
    Select(u"PU 32"_qs);
    EXPECT_EQ(Dialogs::Shown().size(), 3U);
    EXPECT_EQ(m_data.ExpChannels[0].Rxfreq, 150.5);

    Type(u"txtCN_0"_qs, u"M7"_qs);
    EXPECT_EQ(m_data.ExpChannels[0].CHDisplayL, "M7");
    Select(u"PU 32"_qs);
    EXPECT_EQ(Dialogs::Shown().size(), 3U);
    EXPECT_EQ(m_editor->CurrentKey(), u"PU 32"_qs);
}

TEST_F(ChannelPagesTest, DuplexBoxChangesTheShownReceiveFrequency)
{
    Start(5, u"PU 40"_qs);  // channel 20: ship 157.000, coast 161.600
    auto* duplex = Child<QCheckBox>(u"chkCDup"_qs);
    auto* rx = Child<QLineEdit>(u"txtCRF"_qs);
    ASSERT_TRUE(duplex->isChecked() && duplex->isEnabled());
    EXPECT_EQ(rx->text(), u"161.600"_qs);
    EXPECT_TRUE(rx->isReadOnly());
    EXPECT_EQ(Child<QLineEdit>(u"txtCN_0"_qs)->text(), u"20"_qs);

    duplex->click();
    EXPECT_FALSE(m_data.UsaChannels[40].Duplex);
    EXPECT_EQ(rx->text(), u"157.000"_qs);
    EXPECT_TRUE(m_shell.DataChanged);
    duplex->click();
    EXPECT_EQ(rx->text(), u"161.600"_qs);
}

TEST_F(ChannelPagesTest, EnableBoxKeepsTheLastEnabledChannelAndRewritesTheNode)
{
    for (ChannelRecord& record : m_data.UsaChannels)
        record.Enable = false;
    m_data.UsaChannels[32].Enable = true;
    Start(5, u"PU 32"_qs);
    auto* enable = Child<QCheckBox>(u"chkCEnable"_qs);

    enable->click();
    EXPECT_TRUE(enable->isChecked());
    EXPECT_TRUE(m_data.UsaChannels[32].Enable);
    EXPECT_FALSE(m_shell.DataChanged);

    Select(u"PU 34"_qs);
    EXPECT_FALSE(Child<QCheckBox>(u"chkCScan"_qs)->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(u"txtCTag"_qs)->isEnabled());
    Child<QCheckBox>(u"chkCEnable"_qs)->click();
    EXPECT_TRUE(m_data.UsaChannels[34].Enable);
    EXPECT_TRUE(Child<QCheckBox>(u"chkCScan"_qs)->isEnabled());
    EXPECT_EQ(Node(u"PU 34"_qs)->text(0), u"CH17[Enable]"_qs);

    Select(u"PU 32"_qs);
    Child<QCheckBox>(u"chkCEnable"_qs)->click();
    EXPECT_FALSE(m_data.UsaChannels[32].Enable);
    EXPECT_EQ(Node(u"PU 32"_qs)->text(0), u"CH16"_qs);
}

TEST_F(ChannelPagesTest, ToneChosenForOneDirectionClearsOnlyThatDirectionsOtherKind)
{
    ChannelRecord& lmr = m_data.ExpChannels[1];
    lmr.Enable = true;
    lmr.CHDisplayL = "02";
    lmr.Rxfreq = 150.5;
    lmr.TxCTCSS = 7;
    lmr.RxDCS = 5;
    lmr.RxComp = true;
    Start(5, u"E 2"_qs);
    EXPECT_TRUE(Child<QWidget>(u"cmbCTCSS_0"_qs)->isVisible());
    EXPECT_TRUE(Child<QCheckBox>(u"chkComp"_qs)->isEnabled());

    ChooseDown(u"cmbCTCSS_1"_qs, 3);
    EXPECT_EQ(lmr.RxCTCSS, 3);
    EXPECT_EQ(lmr.RxDCS, 0);
    EXPECT_FALSE(lmr.RxComp);
    EXPECT_EQ(Child<QComboBox>(u"cmbDCS_1"_qs)->currentIndex(), 0);
    EXPECT_FALSE(Child<QCheckBox>(u"chkComp"_qs)->isEnabled());
    EXPECT_EQ(lmr.TxCTCSS, 7);

    ChooseDown(u"cmbDCS_0"_qs, 2);
    EXPECT_EQ(lmr.TxDCS, 2);
    EXPECT_EQ(lmr.TxCTCSS, 0);
    EXPECT_EQ(Child<QComboBox>(u"cmbCTCSS_0"_qs)->currentText(), u"Off"_qs);
    EXPECT_EQ(lmr.RxCTCSS, 3);
}

TEST_F(ChannelPagesTest, WeatherRowSwitchedOffDisablesItsScanAndName)
{
    m_data.WxChannels[3].Enable = true;
    Start(5, u"PW"_qs);
    EXPECT_EQ(Child<QLabel>(u"lblWX_0"_qs)->text().left(5), u"WX01["_qs);
    auto* enable = Child<QCheckBox>(u"chkDEnable_3"_qs);
    ASSERT_TRUE(enable->isChecked());
    EXPECT_TRUE(Child<QCheckBox>(u"chkDScan_3"_qs)->isEnabled());
    enable->setFocus();
    EXPECT_EQ(enable->text(), u">"_qs);

    enable->click();
    EXPECT_FALSE(m_data.WxChannels[3].Enable);
    EXPECT_FALSE(Child<QCheckBox>(u"chkDScan_3"_qs)->isEnabled());
    EXPECT_FALSE(Child<QLineEdit>(u"txtDTagName_3"_qs)->isEnabled());
    EXPECT_TRUE(m_shell.DataChanged);
    Child<QLineEdit>(u"txtDTagName_4"_qs)->setFocus();
    EXPECT_EQ(enable->text(), u" "_qs);
}

TEST_F(ChannelPagesTest, ChannelEditedOnThePageReachesTheDataFileAndTheImage)
{
    Start(5, u"E 3"_qs);
    Child<QCheckBox>(u"chkCEnable"_qs)->click();
    Type(u"txtCN_0"_qs, u"03"_qs);
    Type(u"txtCRF"_qs, u"151.25"_qs);
    Type(u"txtCTF"_qs, u"152.5"_qs);
    Type(u"txtCTag"_qs, u"dock"_qs);
    Child<QRadioButton>(u"optCWide_1"_qs)->click();
    Select(u"E 4"_qs);
    ASSERT_EQ(m_editor->CurrentKey(), u"E 4"_qs);
    const ChannelRecord& edited = m_data.ExpChannels[2];
    EXPECT_EQ(edited.Txfreq, 152.5);
    EXPECT_EQ(edited.ChTag, "DOCK");

    QTemporaryDir folder;
    const std::filesystem::path file = folder.filePath(u"edited.dat"_qs).toStdString();
    CountingUi ui;
    SaveFileAs(m_data, m_shell, ui, file);
    RadioData loaded = ResetData(5);
    FileRead2(loaded, m_shell, ui, file);
    ASSERT_EQ(ui.messages, 0);
    const ChannelRecord& read = loaded.ExpChannels[2];
    EXPECT_TRUE(read.Enable);
    EXPECT_EQ(read.CHDisplayL, "03");
    EXPECT_EQ(read.Rxfreq, 151.25);
    EXPECT_EQ(read.Txfreq, 152.5);
    EXPECT_EQ(read.ChTag, "DOCK");
    EXPECT_TRUE(read.Narrow);

    EncodeImage(loaded);
    const int record = 0x0900 + 16 * 2;
    EXPECT_EQ(loaded.RadioImage[record] & 1, 1);  // narrow
    EXPECT_EQ(loaded.RadioImage[record + 5], 0x51);
    EXPECT_EQ(loaded.RadioImage[record + 6], 0x25);
    EXPECT_EQ(loaded.RadioImage[record + 7], 0x00);
    EXPECT_EQ(loaded.RadioImage[record + 8], 0x52);
    EXPECT_EQ(loaded.RadioImage[record + 9], 0x50);
}

TEST_F(ChannelPagesTest, PagesFitTheDefaultWindowWithoutClippedOrOverlappingControls)
{
    const struct
    {
        int model;
        QString key;
    } pages[] = {{5, u"PU 40"_qs}, {5, u"E 2"_qs}, {1, u"E 2"_qs},
                 {3, u"E 2"_qs},   {5, u"PW"_qs},  {1, u"PW"_qs}};
    for (const auto& page : pages) {
        m_data = ResetData(page.model);
        m_data.UsableGroups[kGroupBankE].Enable = true;
        Start(page.model, page.key);
        // A top-level widget grows to what its layout needs: the pages must not need more.
        EXPECT_EQ(m_editor->size(), kEditorSize);
        auto* panel = Child<QWidget>(page.key == u"PW"_qs ? u"pictD"_qs : u"pictC"_qs);
        std::vector<QRect> placed;
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            const bool leaf = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
                              qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
            if (!leaf || !control->isVisible() || control->parentWidget()->inherits("QComboBox"))
                continue;
            const QRect rect(control->mapTo(m_editor.get(), QPoint(0, 0)), control->size());
            const std::string where = page.key.toStdString() + " " + control->objectName().toStdString();
            EXPECT_TRUE(QRect(QPoint(0, 0), kEditorSize).contains(rect)) << where;
            EXPECT_GE(control->width(), control->minimumSizeHint().width()) << where;
            for (const QRect& other : placed)
                EXPECT_FALSE(rect.intersects(other)) << where;
            placed.push_back(rect);
        }
    }
}

}  // namespace
}  // namespace kelpie
