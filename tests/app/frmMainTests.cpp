// The main window's start-up, menus, toolbar, model, destination and port commands, Enter, and
// shut-down.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "AppTestSupport.h"
#include "link/PortDevices.h"

namespace kelpie {
namespace {

using AppStart = AppTest;

// The first start's size, within the screen.
QSize FirstSize()
{
    return QSize(1000, 700).boundedTo(QGuiApplication::primaryScreen()->availableSize());
}

TEST_F(AppStart, FirstStartWithEmptySettingsGivesModel5Com1FixedSizeAndUsaChecked)
{
    frmMain& window = Start();
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_EQ(window.Shell().CommPort, 1);
    EXPECT_EQ(window.size(), FirstSize());
    // Every caption of the opened tree fits in its view.
    auto* tree = test::Child<QTreeWidget>(window, QStringLiteral("tvTreeView"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (!tree->visualItemRect(*it).isValid())
            continue;
        EXPECT_LE(tree->visualItemRect(*it).x() + tree->fontMetrics().horizontalAdvance((*it)->text(0)),
                  tree->viewport()->width())
            << (*it)->text(0).toStdString();
    }
    EXPECT_EQ(window.windowTitle(), Caption());
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_TRUE(ImageIs(Program / "USA_00E6.ini"));
    const QString destinations[] = {"CANADA", "INTL", "USA", ""};
    for (int k = 0; k < kDestinationEntryCount; ++k) {
        QAction* entry = Action(QStringLiteral("mnuDestinationChild_%1").arg(k));
        EXPECT_EQ(entry->text(), destinations[std::min(k, 3)]) << k;
        EXPECT_EQ(entry->isVisible(), k < 3) << k;
        EXPECT_EQ(entry->isChecked(), k == 2) << k;
    }
    EXPECT_TRUE(Action("mnuOptionsSerialPort1_0")->isChecked());
    EXPECT_EQ(Action("mnuOptionsSerialPort1_0")->text(), "COM&1  (/dev/ttyS0)");
    const char* const radios[] = {"MF7500S", "MV240", "MV210", "MB6000", "MV220", "MV230", "MV230E"};
    for (int model = 0; model < kModelCount; ++model) {
        QAction* entry = Action(QStringLiteral("mnuEditModel%1").arg(model));
        EXPECT_EQ(entry->text(), radios[model]);
        EXPECT_TRUE(entry->isVisible() && entry->isEnabled());
        EXPECT_EQ(entry->isChecked(), model == 5) << model;
    }
    for (const char* command : {"mnuFilePrint", "mnuFilePrintPreview", "mnuFileExportPdf",
                                "mnuFilePrintToFile", "mnuTransferProgram", "mnuTransferRead"}) {
        EXPECT_TRUE(Action(command)->isEnabled()) << command;
    }
    // The current model's entry asks nothing; and nothing was written to the settings.
    Action("mnuEditModel5")->trigger();
    EXPECT_TRUE(Dialogs::Shown().empty());
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_TRUE(Settings.Values.empty());
}

TEST_F(AppStart, ToolbarHasTwelveButtonsWithOneProgramAndOneReadShown)
{
    frmMain& window = Start();
    const QList<QAction*> buttons = window.findChild<QToolBar*>("tbToolBar")->actions();
    ASSERT_EQ(buttons.size(), 12);
    const char* const keys[] = {"New",   "Open",  "Save",    nullptr,    "SaveAsDefault", nullptr,
                                "Print", nullptr, "Program", "Program2", "Read",          "Read2"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(buttons[i]->isSeparator(), keys[i] == nullptr) << i;
        EXPECT_EQ(buttons[i]->objectName(), keys[i] ? keys[i] : "") << i;
    }
    EXPECT_EQ(buttons[8]->toolTip(), "Program to Radio");  // a button's tip is its menu entry's text
    EXPECT_FALSE(buttons[8]->isVisible() || buttons[11]->isVisible());
    EXPECT_TRUE(buttons[9]->isVisible() && buttons[10]->isVisible());
    Action("mnuTransferRead")->setEnabled(false);
    EXPECT_FALSE(buttons[10]->isEnabled());  // a button follows its menu entry
}

TEST_F(AppStart, ModelMenuSwitchesToTheMf7500sAfterTheSaveQuestion)
{
    frmMain& window = Start();
    window.Shell().DataChanged = true;
    // Cancelled, the menu keeps the model's check.
    Dialogs::AnswerNext(MessageAnswer::Cancel);
    Action("mnuEditModel0")->trigger();
    EXPECT_TRUE(Action("mnuEditModel5")->isChecked() && !Action("mnuEditModel0")->isChecked());

    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuEditModel0")->trigger();
    EXPECT_EQ(ShownTexts().value(1), "Save the changes to the new data?");
    EXPECT_EQ(window.Data().ModelIndex, 0);
    EXPECT_EQ(Settings.Value("ModelPath/ModelNum"), "0");
    EXPECT_TRUE(Action("mnuEditModel0")->isChecked() && !Action("mnuEditModel5")->isChecked());
    EXPECT_TRUE(ImageIs(Program / "USA_1D4C.ini"));
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_EQ(window.windowTitle(), "Kelpie  PC Program for MF7500S[*]");
    EXPECT_EQ(test::Child<QLabel>(window, "lblGeneralModel")->text(), "MF7500S");
    // The tree is the MF7500S's: the DSC setup and the DSC directories, which the MV230 lacks.
    const auto* tree = test::Child<QTreeWidget>(window, "tvTreeView");
    EXPECT_EQ(tree->findItems("DSC Setup", Qt::MatchRecursive).size(), 1);
    EXPECT_EQ(tree->findItems("DSC Setting", Qt::MatchRecursive).size(), 1);
}

TEST_F(AppStart, FirstStartAsksWhichRadioAndAStoredModelDoesNot)
{
    frmMain& window = Start();
    const QWidget* question = test::Child<QWidget>(window, "fraGeneralModel");
    EXPECT_TRUE(question->isVisible());
    EXPECT_TRUE(
        test::Child<QLabel>(window, "lblGeneralModelNote")->text().contains("Read from Radio recognises"));
    QPushButton* mb6000 = test::Child<QPushButton>(window, "cmdGeneralModel3");
    EXPECT_EQ(mb6000->text(), "MB6000");
    mb6000->click();
    EXPECT_EQ(window.Data().ModelIndex, 3);
    EXPECT_EQ(Settings.Value("ModelPath/ModelNum"), "3");
    EXPECT_TRUE(Action("mnuEditModel3")->isChecked());
    EXPECT_FALSE(question->isVisible());
    EXPECT_TRUE(Dialogs::Shown().empty());

    frmMain& again = Start();
    EXPECT_EQ(again.Data().ModelIndex, 3);
    EXPECT_FALSE(test::Child<QWidget>(again, "fraGeneralModel")->isVisible());
}

TEST_F(AppStart, DestinationSwitchAsksCancelsAndReloadsTheCheckedEntryAtOnce)
{
    frmMain& window = Start();
    QAction* intl = Action("mnuDestinationChild_1");
    Dialogs::AnswerNext(MessageAnswer::Cancel);
    intl->trigger();
    EXPECT_EQ(ShownTexts(), QStringList{"Do you want to change to INTL?\r\nAll programming is replaced by "
                                        "that destination's defaults."});
    EXPECT_FALSE(intl->isChecked());
    EXPECT_TRUE(Action("mnuDestinationChild_2")->isChecked());
    EXPECT_TRUE(ImageIs(Program / "USA_00E6.ini"));

    // Confirmed, and then the checked entry again, which asks only the save question.
    for (const int questions : {2, 1}) {
        window.Data().RadioImage[0x0100] ^= 0xFF;
        window.Shell().DataChanged = true;
        Dialogs::ResetHooks();
        if (questions == 2) {
            Dialogs::AnswerNext(MessageAnswer::Ok);
        }
        Dialogs::AnswerNext(MessageAnswer::Discard);
        intl->trigger();
        EXPECT_EQ(Dialogs::Shown().size(), static_cast<std::size_t>(questions));
        EXPECT_TRUE(intl->isChecked());
        EXPECT_FALSE(Action("mnuDestinationChild_2")->isChecked());
        EXPECT_TRUE(ImageIs(Program / "INTL_00E6.ini"));
        EXPECT_EQ(Settings.Value("IniFilePath/IniFileName_5"), "INTL");
        EXPECT_FALSE(window.Shell().DataChanged);
    }
}

TEST_F(AppStart, Com3IsStoredAndTheDeviceDialogAssignsToTheCheckedNumber)
{
    frmMain& window = Start();
    Action("mnuOptionsSerialPort1_2")->trigger();
    EXPECT_EQ(window.Shell().CommPort, 3);
    EXPECT_EQ(Settings.Value("ComPath/ComNum"), "3");
    for (int k = 0; k < kComPortCount; ++k) {
        EXPECT_EQ(Action(QStringLiteral("mnuOptionsSerialPort1_%1").arg(k))->isChecked(), k == 2) << k;
    }
    EXPECT_EQ(Action("mnuOptionsSerialPortDevice")->text(), "Assign &Device to COM3...");

    {
        const test::ModalDriver assign("frmPortDevice", [](QWidget& dialog) {
            test::Child<QComboBox>(dialog, "cmbDevice")->setCurrentText(" /dev/ttyUSB3 ");
            QTest::mouseClick(test::Child<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        });
        Action("mnuOptionsSerialPortDevice")->trigger();
    }
    EXPECT_EQ(Settings.Value("ComPath/Device3"), "/dev/ttyUSB3");
    EXPECT_EQ(Action("mnuOptionsSerialPort1_2")->text(), "COM&3  (/dev/ttyUSB3)");
}

// How many of a Return and an Enter pressed on the widget reach it.
int EntersReaching(QWidget* widget)
{
    struct EnterCounter : QObject
    {
        int Count = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::KeyPress) {
                const int key = static_cast<QKeyEvent*>(event)->key();
                Count += key == Qt::Key_Return || key == Qt::Key_Enter;
            }
            return false;
        }
    } counter;
    widget->installEventFilter(&counter);
    QTest::keyClick(widget, Qt::Key_Return);
    QTest::keyClick(widget, Qt::Key_Enter);
    widget->removeEventFilter(&counter);
    return counter.Count;
}

TEST_F(AppStart, EnterIsSwallowedOnTheFormButReachesTheGrids)
{
    frmMain& window = Start();
    EXPECT_EQ(EntersReaching(new QLineEdit(window.centralWidget())), 0);
    auto* grid = test::Child<QTableWidget>(window, "MSFlexGrid1");
    EXPECT_EQ(EntersReaching(grid), 2);
    // A cell's editor inside the grid commits with Enter: the key reaches it.
    EXPECT_EQ(EntersReaching(new QLineEdit(grid->viewport())), 2);
}

struct UnloadCase
{
    const char* Name;
    bool Changed;
    MessageAnswer Answer;
    bool GiveFileName;
    bool Minimised;
    bool Closes;
};

TEST_F(AppStart, UnloadAsksAboutChangedDataAndStoresTheGeometryWhenItClosesUnminimised)
{
    const UnloadCase cases[] = {
        {"unchanged", false, MessageAnswer::Cancel, false, false, true},
        {"Cancel", true, MessageAnswer::Cancel, false, false, false},
        {"No", true, MessageAnswer::No, false, false, true},
        {"Yes, saved", true, MessageAnswer::Yes, true, false, true},
        {"Yes, dialog cancelled", true, MessageAnswer::Yes, false, false, false},
        {"minimised", false, MessageAnswer::Cancel, false, true, true},
    };
    for (const UnloadCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Settings.Values = {{"Settings/MainWidth", "1"}};  // never read back
        Dialogs::ResetHooks();
        frmMain& window = Start();
        EXPECT_EQ(window.size(), FirstSize());
        window.Shell().DataChanged = c.Changed;
        if (c.Minimised) {
            window.showMinimized();
        }
        Dialogs::AnswerNext(c.Answer);
        const std::filesystem::path file = Files / "unload.dat";
        std::filesystem::remove(file);
        Dialogs::GiveNextFileName(c.GiveFileName ? Name(file) : QString());
        EXPECT_EQ(window.close(), c.Closes);
        EXPECT_EQ(Dialogs::Shown().size(), c.Changed ? 1u : 0u);
        if (c.Changed) {
            EXPECT_EQ(ShownTexts()[0], "JMB data has changed.\r\nDo you want to save changes?");
            EXPECT_EQ(Dialogs::Shown()[0].title, "PC Program for MV230");
            EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNoCancel);
        }
        EXPECT_EQ(std::filesystem::exists(file), c.GiveFileName);
        const bool stored = c.Closes && !c.Minimised;
        EXPECT_EQ(Settings.Value("Settings/MainWidth"),
                  stored ? std::to_string(FirstSize().width() * 15) : "1");
        EXPECT_EQ(Settings.Value("Settings/MainHeight"),
                  stored ? std::to_string(FirstSize().height() * 15) : "");
    }
}

}  // namespace
}  // namespace kelpie
