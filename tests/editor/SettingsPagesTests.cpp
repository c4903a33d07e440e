// SettingsPagesTests.cpp — the settings pages and the directory entry page driven by objectName, as a
// user would: the tree following the usable groups, the delete question, the MB6000's rows, and
// every setting edited on a page reaching its record.
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTableWidget>
#include <functional>

#include "EditorTest.h"
#include "edit/FieldRules.h"
#include "edit/SettingsEdit.h"
#include "editor/DscPage.h"
#include "editor/FocusHint.h"
#include "model/ImageLayout.h"

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

TEST_F(SettingsPagesTest, ARefusedAtisCodeSaysItTakesTenDigits)
{
    Start(0, "ATIS");
    auto* code = Child<QLineEdit>("txtATIScode");
    code->setFocus();
    QTest::keyClicks(code, "12345");
    QTest::keyClick(code, Qt::Key_Tab);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, QString::fromStdString(RefusalText(FieldId::AtisCode, 0)));
    EXPECT_EQ(Dialogs::Shown()[0].title, "ATISNo");
    EXPECT_EQ(m_data.AtisCommonSetup.AtisCode, "");
}

TEST_F(SettingsPagesTest, TheSettingsAndEntryPagesHintTheirControlsInTheStatusBar)
{
    Start(0);
    QSignalSpy status(m_editor.get(), &PageEditor::StatusText);
    const QString check = HintText(HintFamily::CheckBox);
    const QString combo = HintText(HintFamily::ComboBox);
    const std::pair<const char*, std::vector<std::pair<QString, QString>>> pages[] = {
        {"Usable", {{"chkUsable_1", check}, {"cmbUsableTot_0", combo}, {"cmbUsableSts_2", combo}}},
        {"Common", {{"cmbCommonScan", combo}, {"cmbCommonWeater", combo}}},
        {"DSC", {{"cmbUsableDsc_0", combo}, {"cmbUsableDscBeepOut_1", combo}}},
        {"ATIS", {{"chkATISChGroup_3", check}, {"chkATISKiller_0", check}}},
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
    m_editor->SelectNodeByKey("SM 4");
    EXPECT_TRUE(Child("chkGEnable")->isEnabled());
    m_editor->SelectNodeByKey("SM 5");
    EXPECT_FALSE(Child("chkGEnable")->isEnabled());
    EXPECT_FALSE(Child("txtGMMSI")->isEnabled());

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
        m_editor->SelectNodeByKey("ATIS");
        EXPECT_FALSE(m_shell.DataChanged) << "showing the pages is no edit";
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

std::string Flag(bool on)
{
    return on ? "1" : "0";
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
    // One edit of each control and the record field it reaches (the status icon combo is driven by the
    // first test); the edit layer's tests pin the rules.
    struct Row
    {
        const char* node;
        QString control;
        int choice;  // the combo entry; kToggle ticks a check box, kType types `text`
        QString text;
        std::string expected;
        std::function<std::string(const RadioData&)> value;
    };
    constexpr int kToggle = -1;
    constexpr int kType = -2;
    using D = const RadioData&;
    const std::string priority = std::to_string(PriorityItems(m_data, 0).at(2).itemData);
    const std::vector<Row> rows{
        {"Usable", "cmbUsableTot_2", 1, "", "1", [](D d) { return Flag(d.UsableGroups[2].TxTot); }},
        {"Usable", "cmbUsablePri_0", 2, "", priority,
         [](D d) { return std::to_string(d.UsableGroups[0].PriorityCh); }},
        {"Usable", "cmbUsableSts_1", 1, "", "1", [](D d) { return Flag(d.UsableGroups[1].StatusIcon); }},
        {"Common", "cmbCommonTXPo", 2, "", "2",
         [](D d) { return std::to_string(d.CommonSetup.TxPoDisplay); }},
        {"Common", "cmbCommonScan", 1, "", "1", [](D d) { return Flag(d.CommonSetup.Scan); }},
        {"Common", "cmbCommonResume", 3, "", "3",
         [](D d) { return std::to_string(d.CommonSetup.ResumeTime); }},
        {"Common", "cmbCommonPTTSCAN", 1, "", "1", [](D d) { return Flag(d.CommonSetup.PttScanClear); }},
        {"Common", "cmbCommonDual", 1, "", "1", [](D d) { return Flag(d.CommonSetup.DualWatch); }},
        {"Common", "cmbCommonOffset", 3, "", "3",
         [](D d) { return std::to_string(d.CommonSetup.OffsetTime); }},
        {"Common", "cmbCommonMag", 1, "", "1",
         [](D d) { return std::to_string(d.CommonSetup.MagneticVariation); }},
        {"Common", "cmbCommonWeater", 1, "", "3", [](D d) { return std::to_string(d.CommonSetup.Weater); }},
        {"Common", "cmbCommonRotary", 1, "", "1", [](D d) { return Flag(d.CommonSetup.RotaryBeep); }},
        {"DSC", "cmbUsableDsc_2", 1, "", "1", [](D d) { return Flag(d.DscBasicSetup.UsableDsc[2]); }},
        {"DSC", "txtUserMMSI", kType, "366123456", "3661234560",
         [](D d) { return d.DscBasicSetup.UserMmsi; }},
        {"DSC", "cmbUsableDscPosRequest_1", 1, "", "1",
         [](D d) { return Flag(d.DscBasicSetup.PosRequest[1]); }},
        {"DSC", "cmbUsableDscPosRequestTX_3", 1, "", "1",
         [](D d) { return Flag(d.DscBasicSetup.PosRequestTX[3]); }},
        {"DSC", "cmbUsableDscBeepOut_6", 1, "", "1", [](D d) { return Flag(d.DscBasicSetup.BeepOut[6]); }},
        {"DSC", "cmbUsableDscAllShipsCall_1", 1, "", "1",
         [](D d) { return Flag(d.DscAdvancedSetup.AllShipsCall[1]); }},
        {"DSC", "cmbUsableDscGroupCallTX_3", 1, "", "1",
         [](D d) { return Flag(d.DscAdvancedSetup.GroupCallTX[3]); }},
        {"DSC", "cmbUsableDscIndividualCall_2", 1, "", "1",
         [](D d) { return Flag(d.DscAdvancedSetup.IndividualCall[2]); }},
        {"DSC", "cmbDscDisplay_1", 1, "", "1",
         [](D d) { return Flag(d.DscDisplaySetup.IndividualAckMessageMenu); }},
        {"ATIS", "chkATISChGroup_3", kToggle, "", "1",
         [](D d) { return Flag(d.AtisCommonSetup.UsableAtis[3]); }},
        {"ATIS", "chkATISKiller_1", kToggle, "", "1",
         [](D d) { return Flag(d.AtisCommonSetup.UsableAtisKiller[1]); }},
        {"ATIS", "txtATIScode", kType, "0123456789", "0123456789",
         [](D d) { return d.AtisCommonSetup.AtisCode; }},
        {"ATIS", "txtATISMid_4", kType, "12", "012", [](D d) { return d.AtisCallSigns[4].MID; }},
        {"ATIS", "txtATISDisp_17", kType, "ABC", "ABC", [](D d) { return d.AtisCallSigns[17].DISP; }},
        {"SM 1", "chkGEnable", kToggle, "", "1", [](D d) { return Flag(d.IndividualDirectory[0].Enabled); }},
        {"SM 1", "txtGPosi", kType, "ALBA", "ALBA", [](D d) { return d.IndividualDirectory[0].TagName; }},
        {"SM 1", "txtGMMSI", kType, "232001234", "2320012340",
         [](D d) { return d.IndividualDirectory[0].Mmsid; }},

    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.control.toStdString());
        m_editor->SelectNodeByKey(row.node);
        if (QWidget* control = Child(row.control)) {
            for (QWidget* w = control; w; w = w->parentWidget()) {
                if (auto* sheets = qobject_cast<QStackedWidget*>(w->parentWidget());
                    sheets && sheets->objectName().isEmpty()) {
                    if (auto* tabs = sheets->parentWidget()->findChild<QTabBar*>())
                        tabs->setCurrentIndex(sheets->indexOf(w));
                }
            }
        }
        ASSERT_NE(row.value(m_data), row.expected);
        if (row.choice >= 0)
            Choose(row.control, row.choice);
        else if (row.choice == kToggle)
            Toggle(row.control);
        else
            Enter(row.control, row.text);
        EXPECT_EQ(row.value(m_data), row.expected);
    }
}

}  // namespace
}  // namespace kelpie
