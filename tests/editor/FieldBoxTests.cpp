// FieldBoxTests.cpp — the editor's text boxes as a user types, pastes and leaves them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "editor/Dialogs.h"
#include "editor/FieldBox.h"
#include "editor/FocusHint.h"
#include "editor/PageView.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

class HostPage : public PageView
{
public:
    using PageView::PageView;
    void Fill(const PageChoice&) override {}
};

// A window with a page holding the extra bank's frequency boxes and one box outside the page.
class FieldBoxTest : public testing::Test
{
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&m_window);
        auto* page = new HostPage(&m_window);
        auto* pageLayout = new QVBoxLayout(page);
        m_rx = new FieldBox(FieldId::RxFreq, m_input, m_ctx, page);
        m_tx = new FieldBox(FieldId::TxFreq, m_input, m_ctx, page);
        m_rx->SetRecord(kGroupBankE, 0);
        m_tx->SetRecord(kGroupBankE, 0);
        pageLayout->addWidget(m_rx);
        pageLayout->addWidget(m_tx);
        m_outside = new QLineEdit(&m_window);
        layout->addWidget(page);
        layout->addWidget(m_outside);
        m_window.show();
        QApplication::setActiveWindow(&m_window);
        Dialogs::ResetHooks();
    }

    RadioData m_data = ResetData(5);
    ShellState m_shell;
    EditContext m_ctx{m_data, m_shell};
    FieldInput m_input;
    QWidget m_window;
    FieldBox* m_rx = nullptr;
    FieldBox* m_tx = nullptr;
    QLineEdit* m_outside = nullptr;
};

TEST_F(FieldBoxTest, AHintGoesWhenItsControlIsLeftAndARefusedKeySaysTheRule)
{
    auto* page = static_cast<PageView*>(m_rx->parentWidget());
    auto* check = new QCheckBox(page);
    page->layout()->addWidget(check);
    check->show();
    SetFocusHint(check, HintFamily::CheckBox);
    QSignalSpy pageStatus(page, &PageView::StatusText);
    QSignalSpy boxStatus(m_rx, &FieldBox::StatusText);
    check->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(pageStatus.count(), 1);
    EXPECT_EQ(pageStatus.last()[0].toString(), HintText(HintFamily::CheckBox));
    m_outside->setFocus();
    ASSERT_EQ(pageStatus.count(), 2);
    EXPECT_EQ(pageStatus.last()[0].toString(), QString()) << "the hint goes with its control";

    m_rx->setFocus();
    QTest::keyClick(m_rx, Qt::Key_X);
    ASSERT_FALSE(boxStatus.isEmpty());
    EXPECT_EQ(boxStatus.last()[0].toString(), QString::fromStdString(RuleText(FieldId::RxFreq, 5)));
    EXPECT_EQ(m_rx->text(), QString());
    m_outside->setFocus();
    EXPECT_EQ(boxStatus.last()[0].toString(), QString());

    // Left for a control that does not validate, a refused value is put back and the status bar
    // says why.
    m_rx->setFocus();
    QTest::keyClicks(m_rx, u"180"_qs);
    m_outside->setFocus();
    EXPECT_EQ(m_rx->text(), u"---.----"_qs);  // the frequency the channel holds
    EXPECT_EQ(m_data.ExpChannels[0].Rxfreq, 0.0);
    EXPECT_TRUE(Dialogs::Shown().empty());
    EXPECT_EQ(boxStatus.last()[0].toString(),
              QString::fromStdString(RefusalText(FieldId::RxFreq, 5)).replace(u'\n', u' '));
}

// Typed keys and pasted text pass the edit layer's filter, whose rules it pins.
TEST_F(FieldBoxTest, TypedAndPastedTextKeepWhatTheRuleAllowsAndFocusShowsTheHintWithTheTextSelected)
{
    FieldBox name(FieldId::ChannelName, m_input, m_ctx, &m_window);
    name.SetRecord(kGroupBankE, 0);
    name.show();
    QTest::keyClicks(&name, u"ab-1;c"_qs);
    EXPECT_EQ(name.text(), u"AB-1C"_qs);
    QTest::keyClicks(m_tx, u"1a56.x8"_qs);
    EXPECT_EQ(m_tx->text(), u"156.8"_qs);
    name.selectAll();
    QApplication::clipboard()->setText(u"harbour;1"_qs);
    name.paste();
    EXPECT_EQ(name.text(), u"HARBOUR1"_qs);
    EXPECT_EQ(m_data.ExpChannels[0].ChTag, "HARBOUR1");
    EXPECT_TRUE(m_shell.DataChanged);

    m_tx->setText(u"156.8000"_qs);
    QSignalSpy hints(m_tx, &FieldBox::StatusText);
    m_tx->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(hints.count(), 1);
    EXPECT_EQ(hints.at(0).at(0).toString(), u"Tx frequency"_qs);
    EXPECT_EQ(m_tx->selectedText(), u"156.8000"_qs);
}

}  // namespace
}  // namespace kelpie
