// The main window's start-up, menus, toolbar, model, destination and port commands, keys and
// shut-down.
#include <QLineEdit>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

#include "AppTestSupport.h"
#include "app/frmPortDevice.h"

namespace kelpie {
namespace {

using AppStart = AppTest;

TEST_F(AppStart, FirstStartWithEmptySettingsGivesModel5Com1FixedSizeAndUsaChecked)
{
    frmMain& window = Start();
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_EQ(window.Shell().ModelName, "MV230");
    EXPECT_EQ(window.Shell().CommPort, 1);
    EXPECT_EQ(window.Shell().RetryCount, 1);
    EXPECT_EQ(window.size(), QSize(607, 444));
    EXPECT_EQ(window.windowTitle(), Caption());
    EXPECT_TRUE(window.isEnabled());
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_TRUE(window.Shell().CurrentFileName.empty());
    EXPECT_TRUE(Dialogs::Shown().empty());

    // Destination menu: the supplied files of the model, sorted, USA loaded and checked.
    const char* const destinations[] = {"CANADA", "INTL", "USA"};
    for (int k = 0; k < kDestinationEntryCount; ++k) {
        QAction* entry = Action(("mnuDestinationChild_" + std::to_string(k)).c_str());
        EXPECT_EQ(entry->isVisible(), k < 3) << k;
        EXPECT_EQ(entry->text(), k < 3 ? destinations[k] : "") << k;
        EXPECT_EQ(entry->isChecked(), k == 2) << k;
    }
    EXPECT_TRUE(ImageIs(Program / "USA_00E6.ini"));

    EXPECT_TRUE(Action("mnuOptionsSerialPort1_0")->isChecked());
    EXPECT_TRUE(Action("mnuOptionsSerialPort1_0")->text().startsWith("COM&1"));
    EXPECT_TRUE(Action("mnuOptionsSerialPort1_0")->text().contains("/dev/ttyS0"));
    EXPECT_FALSE(Action("mnuOptionsSerialPort1_1")->isChecked());
    EXPECT_TRUE(Action("mnuEditModel1")->isChecked());

    // The selection made at start-up is not written back; nothing else is written either.
    EXPECT_TRUE(Settings.Values.empty());
}

TEST_F(AppStart, MenusCarryTheirCaptionsAndPendingCommandsAreDisabled)
{
    Start();
    const std::pair<const char*, const char*> captions[] = {
        {"mnuFile", "&File"},
        {"mnuFileNew", "&New"},
        {"mnuFileOpen", "&Open"},
        {"mnuFileSave", "&Save"},
        {"mnuFileSaveAs", "Save &As..."},
        {"mnuFileSaveAsDefault", "Save As &Default"},
        {"mnuFilePrint", "&Print"},
        {"mnuFilePrintToFile", "P&rint to File"},
        {"mnuFileExit", "E&xit"},
        {"mnuEdit", "&Edit"},
        {"mnuEditModel", "&Model"},
        {"mnuEditModel1", "&MV230 Series"},
        {"mnuTransfer", "&Transfer"},
        {"mnuTransferProgram", "&Program to Radio"},
        {"mnuTransferRead", "&Read from Radio"},
        {"mnuDestination", "&Destination"},
        {"mnuOptions", "&Options"},
        {"mnuOptionsSerialPort", "&SerialPort"},
        {"mnuHelp", "&Help"},
        {"mnuHelpContents", "&Contents"},
        {"mnuHelpAbout", "&About JMB Version"},
    };
    for (const auto& [name, caption] : captions) {
        EXPECT_EQ(Action(name)->text(), caption) << name;
    }
    for (const char* separator : {"mnuFileBar1", "mnuFileBar2", "mnuFileBar3", "mnuHelpBar0"}) {
        EXPECT_TRUE(Action(separator)->isSeparator()) << separator;
    }
    for (const char* hidden : {"mnuEditModel2", "mnuEditModel3", "mnuEditModel4"}) {
        EXPECT_FALSE(Action(hidden)->isVisible() || Action(hidden)->isEnabled()) << hidden;
    }
    for (const char* pending :
         {"mnuFilePrint", "mnuFilePrintToFile", "mnuTransferProgram", "mnuTransferRead"}) {
        EXPECT_FALSE(Action(pending)->isEnabled()) << pending;
    }
    EXPECT_EQ(Action("mnuFileNew")->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_EQ(Action("mnuFileOpen")->shortcut(), QKeySequence(QKeySequence::Open));
    EXPECT_EQ(Action("mnuFileSave")->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(Action("mnuFilePrint")->shortcut(), QKeySequence(QKeySequence::Print));
}

TEST_F(AppStart, ToolbarHasTwelveButtonsWithOneProgramAndOneReadShown)
{
    Start();
    const QList<QAction*> buttons = Window().findChild<QToolBar*>("tbToolBar")->actions();
    ASSERT_EQ(buttons.size(), 12);
    const std::pair<const char*, const char*> keys[] = {
        {"New", "New"},
        {"Open", "Open..."},
        {"Save", "Save"},
        {nullptr, nullptr},
        {"SaveAsDefault", "Save As Default"},
        {nullptr, nullptr},
        {"Print", "Print"},
        {nullptr, nullptr},
        {"Program", "Program to Radio"},
        {"Program2", "Program to Radio"},
        {"Read", "Read from Radio"},
        {"Read2", "Read from Radio"},
    };
    for (int i = 0; i < 12; ++i) {
        if (!keys[i].first) {
            EXPECT_TRUE(buttons[i]->isSeparator()) << i;
            continue;
        }
        EXPECT_EQ(buttons[i]->objectName(), keys[i].first) << i;
        EXPECT_EQ(buttons[i]->toolTip(), keys[i].second) << i;
        EXPECT_FALSE(buttons[i]->icon().isNull()) << i;
    }
    EXPECT_FALSE(buttons[8]->isVisible());
    EXPECT_TRUE(buttons[9]->isVisible());
    EXPECT_TRUE(buttons[10]->isVisible());
    EXPECT_FALSE(buttons[11]->isVisible());
    // A button of a disabled menu entry does nothing and looks it.
    EXPECT_FALSE(buttons[10]->isEnabled());
    EXPECT_TRUE(buttons[0]->isEnabled());
}

TEST_F(AppStart, NewDiscardsEditsWithoutAQuestionAfterItsTimer)
{
    frmMain& window = Start();
    window.Data().RadioImage[0x0100] ^= 0xFF;
    window.Shell().DataChanged = true;
    Action("New")->trigger();
    EXPECT_TRUE(window.Shell().DataChanged);  // the timer carries the command out
    QTRY_VERIFY(!window.Shell().DataChanged);
    EXPECT_TRUE(ImageIs(Program / "USA_00E6.ini"));
    EXPECT_TRUE(Dialogs::Shown().empty());
    EXPECT_TRUE(window.isEnabled());
}

TEST_F(AppStart, ModelEntrySwitchesAStoredModel2ToTheMv220AndDoesNothingOnModel5)
{
    Settings.SaveSetting("ModelPath", "ModelNum", "2");
    frmMain& window = Start();
    EXPECT_EQ(window.Data().ModelIndex, 2);
    EXPECT_TRUE(Action("mnuEditModel1")->isChecked());

    Dialogs::AnswerNext(MessageAnswer::Cancel);
    Action("mnuEditModel1")->trigger();
    EXPECT_EQ(window.Data().ModelIndex, 2);
    EXPECT_TRUE(Action("mnuEditModel1")->isChecked());

    Action("mnuEditModel1")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 2u);
    const ShownMessage& question = Dialogs::Shown().back();
    EXPECT_EQ(question.text, "Do yo want to program the MV220 series?");
    EXPECT_EQ(question.title, "PC Program for MV230 Series");
    EXPECT_EQ(question.icon, MessageIcon::Exclamation);
    EXPECT_EQ(question.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(window.Data().ModelIndex, 4);
    EXPECT_EQ(window.Shell().ModelName, "MV220");
    EXPECT_EQ(Settings.Values.value("ModelPath/ModelNum"), "4");
    QTRY_VERIFY(ImageIs(Program / "USA_00DC.ini"));
    EXPECT_TRUE(Action("mnuEditModel1")->isChecked());

    // Model 4 is one of the series: a second click asks nothing and changes nothing.
    Action("mnuEditModel1")->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 2u);
    EXPECT_EQ(window.Data().ModelIndex, 4);
    EXPECT_TRUE(Action("mnuEditModel1")->isChecked());
}

TEST_F(AppStart, ModelEntryOnModel5AsksNothing)
{
    frmMain& window = Start();
    Action("mnuEditModel1")->trigger();
    EXPECT_TRUE(Dialogs::Shown().empty());
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_TRUE(Action("mnuEditModel1")->isChecked());
    EXPECT_TRUE(Settings.Values.empty());
}

TEST_F(AppStart, DestinationSwitchAsksCancelsAndReloadsTheCheckedEntryAtOnce)
{
    frmMain& window = Start();
    QAction* intl = Action("mnuDestinationChild_1");
    QAction* usa = Action("mnuDestinationChild_2");

    Dialogs::AnswerNext(MessageAnswer::Cancel);
    intl->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "Do yo want to change to INTL?");
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::OkCancel);
    EXPECT_FALSE(intl->isChecked());
    EXPECT_TRUE(usa->isChecked());
    EXPECT_TRUE(ImageIs(Program / "USA_00E6.ini"));

    window.Shell().DataChanged = true;
    intl->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 2u);
    EXPECT_TRUE(intl->isChecked());
    EXPECT_FALSE(usa->isChecked());
    EXPECT_TRUE(ImageIs(Program / "INTL_00E6.ini"));
    EXPECT_EQ(Settings.Values.value("IniFilePath/IniFileName_5"), "INTL");
    EXPECT_FALSE(window.Shell().DataChanged);

    // The checked entry: no question, its image again at once.
    window.Data().RadioImage[0x0100] ^= 0xFF;
    window.Shell().DataChanged = true;
    intl->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 2u);
    EXPECT_TRUE(intl->isChecked());
    EXPECT_TRUE(ImageIs(Program / "INTL_00E6.ini"));
    EXPECT_FALSE(window.Shell().DataChanged);
}

TEST_F(AppStart, RememberedDestinationLoadsAtStart)
{
    Settings.SaveSetting("IniFilePath", "IniFileName_5", "canada");
    Start();
    EXPECT_TRUE(Action("mnuDestinationChild_0")->isChecked());
    EXPECT_TRUE(ImageIs(Program / "CANADA_00E6.ini"));
}

TEST_F(AppStart, PickingCom3StoresItAndMovesTheCheckMark)
{
    frmMain& window = Start();
    Action("mnuOptionsSerialPort1_2")->trigger();
    EXPECT_EQ(window.Shell().CommPort, 3);
    EXPECT_EQ(Settings.Values.value("ComPath/ComNum"), "3");
    for (int k = 0; k < kComPortCount; ++k) {
        EXPECT_EQ(Action(("mnuOptionsSerialPort1_" + std::to_string(k)).c_str())->isChecked(), k == 2) << k;
    }
    EXPECT_EQ(Action("mnuOptionsSerialPortDevice")->text(), "Assign &Device to COM3...");
}

TEST_F(AppStart, StoredPortOpensItsCheckedEntryAndItsAssignedDevice)
{
    Settings.SaveSetting("ComPath", "ComNum", "2");
    Settings.SaveSetting("ComPath", "Device2", "/dev/ttyUSB0");
    frmMain& window = Start();
    EXPECT_EQ(window.Shell().CommPort, 2);
    EXPECT_TRUE(Action("mnuOptionsSerialPort1_1")->isChecked());
    EXPECT_EQ(Action("mnuOptionsSerialPort1_1")->text(), "COM&2  (/dev/ttyUSB0)");
}

TEST_F(AppStart, DeviceDialogAssignsATypedDeviceToTheCheckedComNumber)
{
    Start();
    Action("mnuOptionsSerialPort1_2")->trigger();
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<frmPortDevice*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QComboBox*>("cmbDevice")->setCurrentText("  /dev/ttyUSB3 ");
        dialog->accept();
    });
    Action("mnuOptionsSerialPortDevice")->trigger();
    EXPECT_EQ(Settings.Values.value("ComPath/Device3"), "/dev/ttyUSB3");
    EXPECT_EQ(Action("mnuOptionsSerialPort1_2")->text(), "COM&3  (/dev/ttyUSB3)");

    // Cancel keeps the assignment.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    Action("mnuOptionsSerialPortDevice")->trigger();
    EXPECT_EQ(Settings.Values.value("ComPath/Device3"), "/dev/ttyUSB3");
}

TEST_F(AppStart, EnterIsSwallowedOnTheFormButReachesTheGrids)
{
    frmMain& window = Start();
    auto* edit = new QLineEdit(window.centralWidget());
    edit->show();
    bool returned = false;
    QObject::connect(edit, &QLineEdit::returnPressed, [&returned] { returned = true; });
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_FALSE(returned);

    struct EnterCounter : QObject
    {
        int Count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            Count +=
                event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return;
            return false;
        }
    } counter;
    auto* grid = window.findChild<QTableWidget*>("MSFlexGrid1");
    ASSERT_NE(grid, nullptr);
    grid->installEventFilter(&counter);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(counter.Count, 1);
}

struct UnloadCase
{
    const char* Name;
    std::vector<MessageAnswer> Answers;
    bool GiveFileName;
    bool Closes;
    bool Saved;
};

TEST_F(AppStart, UnloadAsksAboutChangedDataAndStoresTheGeometryOnlyWhenItCloses)
{
    const UnloadCase cases[] = {
        {"Cancel", {MessageAnswer::Cancel}, false, false, false},
        {"No", {MessageAnswer::No}, false, true, false},
        {"Yes, saved", {MessageAnswer::Yes}, true, true, true},
        {"Yes, dialog cancelled", {MessageAnswer::Yes}, false, false, false},
    };
    for (const UnloadCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Settings.Values.clear();
        Dialogs::ResetHooks();
        frmMain& window = Start();
        window.Shell().DataChanged = true;
        for (MessageAnswer answer : c.Answers) {
            Dialogs::AnswerNext(answer);
        }
        const std::filesystem::path file = Files / "unload.dat";
        std::filesystem::remove(file);
        Dialogs::GiveNextFileName(c.GiveFileName ? QString::fromStdString(file.string()) : QString());
        EXPECT_EQ(window.close(), c.Closes);
        ASSERT_FALSE(Dialogs::Shown().empty());
        EXPECT_EQ(Dialogs::Shown()[0].text, "JMB data has changed.\r\nDo you want to save changes?");
        EXPECT_EQ(Dialogs::Shown()[0].title, "PC Program for MV230 Series");
        EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
        EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(std::filesystem::exists(file), c.Saved);
        EXPECT_EQ(Settings.Values.count("Settings/MainWidth"), c.Closes ? 1 : 0);
        if (c.Closes) {
            EXPECT_EQ(Settings.Values.value("Settings/MainWidth"), QString::number(607 * 15));
            EXPECT_EQ(Settings.Values.value("Settings/MainHeight"), QString::number(444 * 15));
        }
    }
}

TEST_F(AppStart, ClosingMinimisedLeavesTheStoredGeometry)
{
    frmMain& window = Start();
    window.showMinimized();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(Settings.Values.contains("Settings/MainWidth"));
}

TEST_F(AppStart, UnchangedDataClosesWithoutAQuestionAndStoredGeometryIsNotReadBack)
{
    Settings.SaveSetting("Settings", "MainWidth", "3000");
    Settings.SaveSetting("Settings", "MainHeight", "3000");
    frmMain& window = Start();
    EXPECT_EQ(window.size(), QSize(607, 444));
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(Dialogs::Shown().empty());
}

}  // namespace
}  // namespace kelpie
