// ChannelPagesTests.cpp — the channel and weather pages as a user drives them: each control reaches
// the channel's record, the page shows what the edit layer made of it, and the pages fit the window.
// The rules themselves are pinned by the edit layer's tests.
#include <QAbstractButton>
#include <QLabel>
#include <QRadioButton>

#include "EditorTest.h"
#include "edit/ChannelEdit.h"

namespace kelpie {
namespace {

using ChannelPagesTest = EditorTest;

TEST_F(ChannelPagesTest, EnabledBankEChannelWithoutReceiveFrequencyCannotBeLeft)
{
    ChannelRecord& lmr = m_data.ExpChannels[0];
    lmr.Enable = true;
    lmr.CHDisplayL = "01";
    lmr.Rxfreq = 0.0;
    Show(u"E 1"_qs);
    EXPECT_EQ(Child<QLineEdit>(u"txtCRF"_qs)->text(), u"---.----"_qs);

    Select(u"PU 32"_qs);
    ASSERT_EQ(Dialogs::Shown().size(), 1U);
    EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(ChannelLeaveText(m_data, {kGroupBankE, 0})));
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(test::WaitUntil([this] { return Tree()->currentItem() == Node(u"E 1"_qs); },
                                "the tree goes back to the channel that may not be left"));
    EXPECT_EQ(m_editor->CurrentKey(), u"E 1"_qs);

    Type(u"txtCRF"_qs, u"150.5"_qs);
    Select(u"PU 32"_qs);
    EXPECT_EQ(m_data.ExpChannels[0].Rxfreq, 150.5);
    EXPECT_EQ(m_editor->CurrentKey(), u"PU 32"_qs);
}

TEST_F(ChannelPagesTest, EveryKindOfControlReachesTheRecordAndThePageShowsTheResult)
{
    m_data.UsaChannels[34].Enable = false;
    m_data.ExpChannels[2].RxDCS = 5;
    m_data.WxChannels[3].Enable = true;
    Show(u"PU 40"_qs);  // channel 20: ship 157.000, coast 161.600
    auto* rx = Child<QLineEdit>(u"txtCRF"_qs);
    EXPECT_EQ(rx->text(), u"161.600"_qs);
    Child<QCheckBox>(u"chkCDup"_qs)->click();
    EXPECT_FALSE(m_data.UsaChannels[40].Duplex);
    EXPECT_EQ(rx->text(), u"157.000"_qs);
    EXPECT_TRUE(m_shell.DataChanged);

    Select(u"PU 34"_qs);
    Child<QCheckBox>(u"chkCEnable"_qs)->click();
    EXPECT_TRUE(m_data.UsaChannels[34].Enable);
    EXPECT_TRUE(Child<QCheckBox>(u"chkCScan"_qs)->isEnabled());
    EXPECT_EQ(Node(u"PU 34"_qs)->text(0), u"CH17[Enable]"_qs);

    ChannelRecord& lmr = m_data.ExpChannels[2];
    Select(u"E 3"_qs);
    Child<QCheckBox>(u"chkCEnable"_qs)->click();
    Type(u"txtCN_0"_qs, u"03"_qs);
    Type(u"txtCRF"_qs, u"151.25"_qs);
    Type(u"txtCTag"_qs, u"dock"_qs);
    Child<QRadioButton>(u"optCWide_1"_qs)->click();
    Choose(u"cmbCTCSS_1"_qs, 3);
    Select(u"E 4"_qs);
    EXPECT_EQ(lmr.CHDisplayL, "03");
    EXPECT_EQ(lmr.Rxfreq, 151.25);
    EXPECT_EQ(lmr.ChTag, "DOCK");
    EXPECT_TRUE(lmr.Narrow);
    EXPECT_EQ(lmr.RxCTCSS, 3);
    EXPECT_EQ(lmr.RxDCS, 0);
    Select(u"E 3"_qs);
    EXPECT_EQ(Child<QComboBox>(u"cmbDCS_1"_qs)->currentIndex(), 0);

    Select(u"PW"_qs);
    Enter(u"txtDTagName_3"_qs, u"noaa"_qs);
    EXPECT_EQ(m_data.WxChannels[3].ChTag, "NOAA");
    Child<QCheckBox>(u"chkDEnable_3"_qs)->click();
    EXPECT_FALSE(m_data.WxChannels[3].Enable);
    EXPECT_FALSE(Child<QCheckBox>(u"chkDScan_3"_qs)->isEnabled());
}

TEST_F(ChannelPagesTest, PagesFitTheDefaultWindowWithoutClippedOrOverlappingControls)
{
    const std::pair<int, QString> pages[] = {{5, u"PU 40"_qs}, {5, u"E 2"_qs}, {1, u"E 2"_qs},
                                             {3, u"E 2"_qs},   {5, u"PW"_qs},  {1, u"PW"_qs}};
    for (const auto& [model, key] : pages) {
        m_data = ResetData(model);
        m_data.UsableGroups[kGroupBankE].Enable = true;
        Show(key);
        // A top-level widget grows to what its layout needs: the pages must not need more.
        EXPECT_EQ(m_editor->size(), kEditorSize);
        auto* panel = Child<QWidget>(key == u"PW"_qs ? u"pictD"_qs : u"pictC"_qs);
        std::vector<QRect> placed;
        for (QWidget* control : panel->findChildren<QWidget*>()) {
            const bool leaf = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
                              qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control);
            if (!leaf || !control->isVisible() || control->parentWidget()->inherits("QComboBox"))
                continue;
            const QRect rect(control->mapTo(m_editor.get(), QPoint(0, 0)), control->size());
            const std::string where = key.toStdString() + " " + control->objectName().toStdString();
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
