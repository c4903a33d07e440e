// SettingsPagesTests.cpp — the settings pages and the directory entry page driven by objectName, as a
// user would: the tree following the usable groups, the delete question, the MB6000's rows, and
// every setting edited on a page reaching its record.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>

#include "EditorTest.h"
#include "edit/FieldRules.h"
#include "edit/SettingsEdit.h"
#include "editor/DscPage.h"
#include "editor/FocusHint.h"
#include "model/ImageLayout.h"
#include "report/Compare.h"

namespace kelpie {
namespace {

using SettingsPagesTest = EditorTest;

TEST_F(SettingsPagesTest, SwitchingAGroupOnAddsItsBankToTheTreeAndOffRemovesIt)
{
    Start(5);
    m_data.UsableGroups[1].Enable = false;
    for (ChannelRecord& ch : m_data.IntlChannels)
        ch.Enable = false;
    m_editor->BuildPageTree();
    m_editor->SelectNodeByKey("Usable");
    ASSERT_EQ(Node("PI"), nullptr);
    EXPECT_FALSE(Child("cmbUsablePri_1")->isEnabled());

    Toggle("chkUsable_1");
    EXPECT_TRUE(m_data.UsableGroups[1].Enable);
    EXPECT_TRUE(m_shell.DataChanged);
    ASSERT_NE(Node("PI"), nullptr);
    EXPECT_TRUE(Node("PI 0")->text(0).endsWith("[Enable]"));
    EXPECT_EQ(m_editor->CurrentKey(), "Usable");
    // The priority list follows: "Off" and the channel just enabled.
    EXPECT_TRUE(Child("cmbUsablePri_1")->isEnabled());
    EXPECT_EQ(Child<QComboBox>("cmbUsablePri_1")->count(), 2);

    Toggle("chkUsable_1");
    EXPECT_EQ(Node("PI"), nullptr);
    Toggle("chkUsable_3");
    EXPECT_EQ(Node("ExpChannel"), nullptr);
    EXPECT_EQ(Child<QCheckBox>("chkUsable_3")->text(), "LMR CH");

    // No status name is offered for editing; the status icon hides a stored one from the caption.
    EXPECT_FALSE(Child("txtUsable_0")->isVisible() || Child("txtUsable_0")->isEnabled());
    m_data.UsableGroups[0].StatusName = "SHIP";
    Choose("cmbUsableSts_0", 1);
    EXPECT_EQ(Node("PU")->text(0), "USA");
}

TEST_F(SettingsPagesTest, TheSettingsAndEntryPagesHintTheirControlsInTheStatusBar)
{
    Start(0);
    QSignalSpy status(m_editor.get(), &PageEditor::StatusText);
    const QString check = HintText(HintFamily::CheckBox);
    const QString combo = HintText(HintFamily::ComboBox);
    // One control of each place that gives a control its hint; every page's hints reach the editor alike.
    const std::pair<const char*, std::vector<std::pair<QString, QString>>> pages[] = {
        {"Usable", {{"chkUsable_1", check}, {"cmbUsableTot_0", combo}}},
        {"ATIS", {{"chkATISKiller_0", check}}},
        {"SM 1", {{"chkGEnable", check}}},
    };
    for (const auto& [node, controls] : pages) {
        m_editor->SelectNodeByKey(node);
        for (const auto& [name, hint] : controls) {
            SCOPED_TRACE(name.toStdString());
            Child(name)->setFocus();
            QCoreApplication::processEvents();
            ASSERT_FALSE(status.isEmpty());
            EXPECT_EQ(status.last()[0].toString(), hint);
            status.clear();
        }
    }
}

TEST_F(SettingsPagesTest, DeleteQuestionAnsweredNoKeepsTheEntryAndYesClosesTheGap)
{
    Start(0);
    for (int i = 0; i < 3; ++i)
        m_data.IndividualDirectory[static_cast<std::size_t>(i)] = {true, "BOAT" + std::to_string(i + 1),
                                                                   "36612345" + std::to_string(i + 1) + "0"};
    m_editor->BuildPageTree();
    m_editor->SelectNodeByKey("SM 5");
    EXPECT_FALSE(Child("chkGEnable")->isEnabled() || Child("txtGMMSI")->isEnabled());

    m_editor->SelectNodeByKey("SM 2");
    EXPECT_EQ(Child<QLineEdit>("txtGMMSI")->text(), "366123452");
    // A refused MMSI keeps the input open: ticking delete does nothing until it is put right.
    auto* mmsi = Child<QLineEdit>("txtGMMSI");
    mmsi->setFocus();
    mmsi->selectAll();
    QTest::keyClicks(mmsi, "12");
    QTest::mouseClick(Child<QCheckBox>("chkGDelete"), Qt::LeftButton, {}, QPoint(8, 8));
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(RefusalText(FieldId::IndividualMmsi, 0)));
    EXPECT_FALSE(Child<QCheckBox>("chkGDelete")->isChecked());
    EXPECT_EQ(m_data.IndividualDirectory[1].TagName, "BOAT2");
    QCoreApplication::processEvents();
    QTest::keyClicks(mmsi, "366123452");
    m_editor->CommitPage();
    Dialogs::ResetHooks();
    m_shell.DataChanged = false;
    Dialogs::AnswerNext(MessageAnswer::No);
    Toggle("chkGDelete");
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "Delete Memory ID 2, BOAT2?");
    EXPECT_EQ(Dialogs::Shown()[0].title, QString::fromStdString(m_shell.ProgramTitle));
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(Child<QCheckBox>("chkGDelete")->isChecked());
    EXPECT_EQ(m_data.IndividualDirectory[1].TagName, "BOAT2");
    EXPECT_FALSE(m_shell.DataChanged);

    Dialogs::AnswerNext(MessageAnswer::Yes);
    Toggle("chkGDelete");
    EXPECT_EQ(m_data.IndividualDirectory[1].TagName, "BOAT3");
    EXPECT_EQ(m_data.IndividualDirectory[2], DirectoryEntry{});
    EXPECT_EQ(Child<QLineEdit>("txtGPosi")->text(), "BOAT3");
    EXPECT_TRUE(m_shell.DataChanged);
    EXPECT_FALSE(Node("SM 3")->text(0).contains("[Enable]"));
    m_editor->SelectNodeByKey("SM");
    auto* grid = Child<QTableWidget>("MSFlexGrid2");
    EXPECT_TRUE(grid->item(1, 1)->text().contains("BOAT3") || grid->item(1, 2)->text().contains("BOAT3"));
}

// The rows each model offers follow the edit layer's row rules, pinned there; here they reach the page.
TEST_F(SettingsPagesTest, TheMb6000DisablesItsPositionRowsAndShowsNmeaFirst)
{
    for (const int model : {0, 3}) {
        Start(model);
        m_editor->SelectNodeByKey("DSC");
        for (int row = 0; row < 7; ++row)
            EXPECT_EQ(Child(QString("cmbUsableDscBeepOut_%1").arg(row))->isEnabled(),
                      BeepOutRowEnabled(model, row))
                << row;
        EXPECT_EQ(Child("cmbUsableDscPosRequest_3")->isEnabled(), PosRequestRowEnabled(model, 3));

        m_editor->SelectNodeByKey("Common");
        EXPECT_EQ(Child("cmbCommonTXPo")->isVisibleTo(m_editor.get()),
                  CommonRowShown(model, CommonCombo::TxPo));
        EXPECT_TRUE(Child("pictNMEA")->isVisibleTo(m_editor.get()));
        EXPECT_LT(Child("pictNMEA")->y(), Child("fraCommonWeather")->y());
    }
    // Scanning off disables its rows and keeps their values.
    Start(0);
    m_data.CommonSetup.Scan = true;
    m_data.CommonSetup.ResumeTime = 2;
    m_editor->SelectNodeByKey("Common");
    EXPECT_TRUE(Child("cmbCommonResume")->isEnabled());
    Choose("cmbCommonScan", 0);
    EXPECT_FALSE(m_data.CommonSetup.Scan);
    EXPECT_FALSE(Child("cmbCommonResume")->isEnabled());
    EXPECT_EQ(m_data.CommonSetup.ResumeTime, 2);
}

TEST_F(SettingsPagesTest, SheetsAndTheClearButton)
{
    Start(0);
    m_editor->SelectNodeByKey("DSC");
    auto* sheets = Child("pictDSCChild_1")->parentWidget();
    Child<QTabBar>("tbsDSC")->setCurrentIndex(1);
    EXPECT_TRUE(Child("pictDSCChild_1")->isEnabled());
    EXPECT_FALSE(Child("pictDSCChild_0")->isEnabled());
    EXPECT_EQ(static_cast<QStackedWidget*>(sheets)->currentIndex(), 1);
    Child<QTabBar>("tbsDSC")->setCurrentIndex(0);

    auto* page = m_editor->findChild<DscPage*>();
    QSignalSpy clear(page, &DscPage::ClearDistressRequested);
    m_data.RadioImage[kPermissionCountByte] = 7;
    auto* mmsi = Child<QLineEdit>("txtUserMMSI");
    mmsi->setFocus();
    QTest::keyClicks(mmsi, "123");
    QTest::mouseClick(Child<QPushButton>("cmdFClear"), Qt::LeftButton);
    EXPECT_EQ(clear.count(), 0) << "a refused MMSI keeps the input open";
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(RefusalText(FieldId::UserMmsi, 0)));
    QCoreApplication::processEvents();
    QTest::keyClicks(mmsi, "366123456");
    QTest::mouseClick(Child<QPushButton>("cmdFClear"), Qt::LeftButton);
    EXPECT_EQ(clear.count(), 1);
    EXPECT_EQ(m_data.DscBasicSetup.UserMmsi, "3661234560");
    page->RefreshFCount();
    EXPECT_EQ(Child<QLineEdit>("txtFCount")->text(), "7");

    // The MF7500S keeps a call-sign table: the strip offers its sheet. The MV240 keeps none.
    m_editor->SelectNodeByKey("ATIS");
    EXPECT_TRUE(Child("tbsATIS")->isVisibleTo(m_editor.get()));
    EXPECT_TRUE(Child("pictATISKiller")->isVisibleTo(m_editor.get()));
    Start(1);
    m_editor->SelectNodeByKey("ATIS");
    EXPECT_FALSE(Child("tbsATIS")->isVisibleTo(m_editor.get()));
    EXPECT_FALSE(Child("pictATISKiller")->isVisibleTo(m_editor.get()));
    EXPECT_TRUE(Child("pictATISChild_0")->isEnabled());
}

// The directory pages and the call-sign sheet say on the page what a transfer does with their entries.
TEST_F(SettingsPagesTest, EachDirectoryPageAndTheCallSignSheetSayWhatATransferDoesWithTheirEntries)
{
    const auto shown = [this](const char* name) {
        auto* label = Child<QLabel>(name);
        return label->isVisible() ? label->text() : QString();
    };
    Start(0, "SM 1");
    EXPECT_EQ(shown("lblTransferNote"),
              "Read from the radio; Kelpie does not write the directory to the radio "
              "\u2014 enter new entries on the radio.");
    m_editor->SelectNodeByKey("SG 3");
    EXPECT_EQ(shown("lblTransferNote"),
              "Not read from the radio and not written to it: kept in the data file only.");
    m_editor->SelectNodeByKey("ATIS");
    Child<QTabBar>("tbsATIS")->setCurrentIndex(1);
    EXPECT_EQ(shown("lblCallSignNote"),
              "Read from the radio; Kelpie does not write the call signs to the radio "
              "\u2014 enter new ones on the radio.");
}

TEST_F(SettingsPagesTest, EverySettingEditedOnAPageReachesItsRecord)
{
    Start(0);
    // Every group usable with its status icon off, no channel given priority yet, every setting off.
    m_data.UsableGroups = {};
    m_data.CommonSetup = {};
    m_data.DscBasicSetup = {};
    m_data.DscAdvancedSetup = {};
    m_data.DscDisplaySetup = {};
    m_data.AtisCommonSetup = {};
    for (UsableGroup& g : m_data.UsableGroups)
        g.Enable = true;
    m_editor->BuildPageTree();
    // One edit of each control: a combo entry chosen, a box ticked or a text typed, and the one
    // difference it makes, on the control's own page (the status icon combo is driven by the first
    // test); the edit layer's tests pin the rules. A directory entry taken shows once it has an MMSI.
    const std::tuple<const char*, QString, QString, std::string> rows[] = {
        {"Usable", "cmbUsableTot_2", "1", "Usable CH Group Setup: Canada TX TOT Off → On"},
        {"Usable", "cmbUsablePri_0", "2", "Usable CH Group Setup: USA Priority CH 00 → 03A"},
        {"Usable", "cmbUsableSts_1", "1", "Usable CH Group Setup: INTL Status Icon Off → On"},
        {"Common", "cmbCommonTXPo", "2", "Common Setup: TX Po Display Lo Po Only → Last TX Po"},
        {"Common", "cmbCommonScan", "1", "Common Setup: SCAN Off → On"},
        {"Common", "cmbCommonResume", "3", "Common Setup: Resume Time -- → 3Sec"},
        {"Common", "cmbCommonPTTSCAN", "1", "Common Setup: PTT SCAN Clear Off → On"},
        {"Common", "cmbCommonDual", "1", "Common Setup: Dual Watch Off → On"},
        {"Common", "cmbCommonOffset", "3", "Common Setup: Offset Time  0:00 → -9:00"},
        {"Common", "cmbCommonMag", "1", "Common Setup: Magnetic Variation True → Mag"},
        {"Common", "cmbCommonWeater", "1", "Common Setup: Weather Alert Off → On"},
        {"Common", "cmbCommonRotary", "1", "Common Setup: Rotary Beep Off → On"},
        {"DSC", "cmbUsableDsc_2", "1", "DSC Setup: Canada Off → On"},
        {"DSC", "txtUserMMSI", "366123456", "DSC Setup: User MMSI ---- → 366123456"},
        {"DSC", "cmbUsableDscPosRequest_1", "1", "DSC Setup: Standby Mode Off → On"},
        {"DSC", "cmbUsableDscPosRequestTX_3", "1", "DSC Setup: POS Send TX Low → Hi"},
        {"DSC", "cmbUsableDscBeepOut_6", "1", "DSC Setup: Received Geographic Off → On"},
        {"DSC", "cmbUsableDscAllShipsCall_1", "1", "DSC Setup: All Ships Call Urgency Off → On"},
        {"DSC", "cmbUsableDscGroupCallTX_3", "1", "DSC Setup: Group Call Routine TX Low → Hi"},
        {"DSC", "cmbUsableDscIndividualCall_2", "1", "DSC Setup: Individual Call Safety Off → On"},
        {"DSC", "cmbDscDisplay_1", "1", "DSC Setup: Individual ACK Message Menu Off → On"},
        {"ATIS", "txtATIScode", "0123456789", "ATIS Setup: ATIS Code ---- → 0123456789"},
        {"ATIS", "chkATISChGroup_3", "", "ATIS Setup: EXP usable Off → On"},
        {"ATIS", "chkATISKiller_1", "", "ATIS Setup: INTL killer Off → On"},
        {"ATIS", "txtATISMid_4", "12", "ATIS Call Sign 5: MID ---- → 012"},
        {"ATIS", "txtATISDisp_17", "ABC", "ATIS Call Sign 18: Display ---- → ABC"},
        {"SM 1", "chkGEnable", "", ""},
        {"SM 1", "txtGMMSI", "232001234", "Individual Directory 1: MMSI ---- → 232001234"},
        {"SM 1", "txtGPosi", "ALBA", "Individual Directory 1: name ---- → ALBA"},
    };
    for (const auto& [node, control, input, difference] : rows) {
        SCOPED_TRACE(control.toStdString());
        m_editor->SelectNodeByKey(node);
        // A control on a sheet of a tab strip is edited with its sheet in front.
        for (QWidget* w = Child(control); w; w = w->parentWidget()) {
            if (auto* sheets = qobject_cast<QStackedWidget*>(w->parentWidget());
                sheets && sheets->objectName().isEmpty()) {
                if (auto* tabs = sheets->parentWidget()->findChild<QTabBar*>())
                    tabs->setCurrentIndex(sheets->indexOf(w));
            }
        }
        const RadioData before = m_data;
        if (qobject_cast<QComboBox*>(Child(control)))
            Choose(control, input.toInt());
        else if (qobject_cast<QCheckBox*>(Child(control)))
            Toggle(control);
        else
            Enter(control, input);
        const std::vector<Difference> made = CompareData(before, m_data);
        EXPECT_EQ(made.size(), difference.empty() ? 0u : 1u);
        for (const Difference& d : made)
            EXPECT_EQ(d, (Difference{node, difference})) << d.Text;
    }
}

}  // namespace
}  // namespace kelpie
