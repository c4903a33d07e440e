// The main window's start-up, menus, toolbar, model, destination and port commands, Enter, help,
// the About box, and shut-down with the place, size and split it keeps; the start options.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "AppTestSupport.h"
#include "app/StartOptions.h"
#include "link/PortDevices.h"

namespace kelpie {
namespace {

using AppStart = AppTest;

// The first start's size, within the screen.
QSize FirstSize()
{
    return QSize(1000, 700).boundedTo(QGuiApplication::primaryScreen()->availableSize());
}

TEST_F(AppStart, FirstStartGivesModel5Com1UsaTheFirstSizeAndItsToolbarAndWritesNoSettings)
{
    frmMain& window = Start();
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_EQ(window.size(), FirstSize());
    // Every caption of the opened tree fits in its view.
    auto* tree = test::Child<QTreeWidget>(window, QStringLiteral("tvTreeView"));
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if (tree->visualItemRect(*it).isValid()) {
            EXPECT_LE(tree->visualItemRect(*it).x() + tree->fontMetrics().horizontalAdvance((*it)->text(0)),
                      tree->viewport()->width())
                << (*it)->text(0).toStdString();
        }
    }
    EXPECT_EQ(window.windowTitle(), Caption());
    EXPECT_TRUE(ImageIs(Program / "USA_00E6.ini"));
    // The destination list reaches the menu: its three names, USA checked, the fourth entry hidden.
    for (const auto& [k, text, checked] :
         {std::tuple{0, "CANADA", false}, {2, "USA", true}, {3, "", false}}) {
        QAction* entry = Action(QStringLiteral("mnuDestinationChild_%1").arg(k));
        EXPECT_EQ(entry->text(), text);
        EXPECT_EQ(entry->isChecked(), checked);
        EXPECT_EQ(entry->isVisible(), k < 3);
    }
    EXPECT_TRUE(Action("mnuOptionsSerialPort1_0")->isChecked());
    EXPECT_TRUE(Action("mnuEditModel5")->isChecked());
    EXPECT_EQ(Action("mnuEditModel0")->text(), "MF7500S");
    // The current model's entry asks nothing.
    Action("mnuEditModel5")->trigger();
    EXPECT_TRUE(Dialogs::Shown().empty());
    EXPECT_TRUE(Settings.Values.empty());
    // One program and one read button show, and a button follows its menu entry.
    const QList<QAction*> buttons = window.findChild<QToolBar*>("tbToolBar")->actions();
    ASSERT_EQ(buttons.size(), 12);
    EXPECT_FALSE(buttons[8]->isVisible() || buttons[11]->isVisible());
    EXPECT_TRUE(buttons[9]->isVisible() && buttons[10]->isVisible());
    Action("mnuTransferRead")->setEnabled(false);
    EXPECT_FALSE(buttons[10]->isEnabled());
}

TEST_F(AppStart, ModelMenuSwitchesToTheMf7500sUnlessTheSaveQuestionIsCancelled)
{
    frmMain& window = Start();
    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Cancel);
    Action("mnuEditModel0")->trigger();
    EXPECT_EQ(ShownTexts(), QStringList{"Save the changes to the new data?"});  // no file yet
    EXPECT_TRUE(Action("mnuEditModel5")->isChecked() && !Action("mnuEditModel0")->isChecked());

    Dialogs::AnswerNext(MessageAnswer::Discard);
    Action("mnuEditModel0")->trigger();
    EXPECT_EQ(window.Data().ModelIndex, 0);
    EXPECT_EQ(Settings.Value("ModelPath/ModelNum"), "0");
    EXPECT_TRUE(Action("mnuEditModel0")->isChecked());
    EXPECT_TRUE(ImageIs(Program / "USA_1D4C.ini"));
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_EQ(window.windowTitle(), "Kelpie  PC Program for MF7500S[*]");
    // The tree is the MF7500S's: the DSC setup, which the MV230 lacks.
    EXPECT_EQ(
        test::Child<QTreeWidget>(window, "tvTreeView")->findItems("DSC Setup", Qt::MatchRecursive).size(), 1);
}

TEST_F(AppStart, FirstStartAsksWhichRadioAndAStoredModelDoesNot)
{
    frmMain& window = Start();
    const QWidget* question = test::Child<QWidget>(window, "fraGeneralModel");
    EXPECT_TRUE(question->isVisible());
    test::Child<QPushButton>(window, "cmdGeneralModel3")->click();
    EXPECT_EQ(window.Data().ModelIndex, 3);
    EXPECT_EQ(Settings.Value("ModelPath/ModelNum"), "3");
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
        EXPECT_TRUE(intl->isChecked() && !Action("mnuDestinationChild_2")->isChecked());
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
    EXPECT_FALSE(Action("mnuOptionsSerialPort1_0")->isChecked());
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

// The grids' cell editors commit with Enter (the grid itself takes the key on the same way up);
// everywhere else on the form it is swallowed.
TEST_F(AppStart, EnterIsSwallowedOnTheFormButReachesTheGridsCellEditors)
{
    frmMain& window = Start();
    EXPECT_EQ(EntersReaching(new QLineEdit(window.centralWidget())), 0);
    EXPECT_EQ(EntersReaching(new QLineEdit(test::Child<QTableWidget>(window, "MSFlexGrid1")->viewport())), 2);
}

TEST_F(AppStart, UnloadAsksAboutChangedDataAndStoresTheGeometryWhenItClosesUnminimised)
{
    // Name, data changed, the answer, a file name given to Save, minimised, closes.
    const std::tuple<const char*, bool, MessageAnswer, bool, bool, bool> cases[] = {
        {"unchanged", false, MessageAnswer::Cancel, false, false, true},
        {"Cancel", true, MessageAnswer::Cancel, false, false, false},
        {"No", true, MessageAnswer::No, false, false, true},
        {"Yes, saved", true, MessageAnswer::Yes, true, false, true},
        {"Yes, dialog cancelled", true, MessageAnswer::Yes, false, false, false},
        {"minimised", false, MessageAnswer::Cancel, false, true, true},
    };
    for (const auto& [name, changed, answer, giveFileName, minimised, closes] : cases) {
        SCOPED_TRACE(name);
        Settings.Values = {{"Settings/MainWidth", "1"}};  // never read back
        Dialogs::ResetHooks();
        frmMain& window = Start();
        window.Shell().DataChanged = changed;
        if (minimised) {
            window.showMinimized();
        }
        Dialogs::AnswerNext(answer);
        const std::filesystem::path file = Files / "unload.dat";
        std::filesystem::remove(file);
        Dialogs::GiveNextFileName(giveFileName ? Name(file) : QString());
        EXPECT_EQ(window.close(), closes);
        EXPECT_EQ(ShownTexts(), changed ? QStringList{"JMB data has changed.\r\nDo you want to save changes?"}
                                        : QStringList{});
        if (changed) {
            EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNoCancel);
        }
        EXPECT_EQ(std::filesystem::exists(file), giveFileName);
        const bool stored = closes && !minimised;
        EXPECT_EQ(Settings.Value("Settings/MainWidth"),
                  stored ? std::to_string(FirstSize().width() * 15) : "1");
        EXPECT_EQ(Settings.Value("Settings/MainHeight"),
                  stored ? std::to_string(FirstSize().height() * 15) : "");
    }
}

TEST_F(AppStart, TheWindowOpensWithThePlaceSizeAndSplitItWasClosedWith)
{
    frmMain& first = Start();
    const QRect place(40, 30, 700, 500);
    first.setGeometry(place);
    auto* splitter = test::Child<QSplitter>(first, "splitter");
    splitter->setSizes({260, splitter->width() - 260 - splitter->handleWidth()});
    const QList<int> split = splitter->sizes();
    ASSERT_TRUE(first.close());

    frmMain& again = Start();
    EXPECT_EQ(again.geometry(), place);
    EXPECT_EQ(test::Child<QSplitter>(again, "splitter")->sizes(), split);
}

QTextBrowser* OpenHelp(frmMain& window)
{
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() == "frmHelp" && top->isVisible() && top->parentWidget() == &window) {
            return top->findChild<QTextBrowser*>("txtHelp");
        }
    }
    return nullptr;
}

TEST_F(AppStart, F1OnTheTreeOpensItsTopicAndUnloadClosesHelpEvenWhenCancelled)
{
    frmMain& window = Start();
    // Without a help file: the error, titled with the caption.
    Action("mnuHelpContents")->trigger();
    EXPECT_EQ(OpenHelp(window), nullptr);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(ShownTexts()[0].contains("Kelpie.html"));
    EXPECT_EQ(Dialogs::Shown()[0].title, window.windowTitle().remove("[*]"));

    WriteFileAtomically(Program / "Kelpie.html",
                        "<html><body><h2><a name=\"topic1054\"></a>The page tree</h2></body></html>");
    auto* tree = test::Child<QTreeWidget>(window, "tvTreeView");
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F1);
    QTextBrowser* help = OpenHelp(window);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fragment(), "topic1054");
    // Help Contents does what F1 does.
    help->setSource(QUrl());
    Action("mnuHelpContents")->trigger();
    EXPECT_EQ(help->source().fragment(), "topic1054");

    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(test::WaitUntil([&] { return OpenHelp(window) == nullptr; }, "the help window closes"));
}

TEST_F(AppStart, AboutCommandShowsTheTitleAndVersionUntilOk)
{
    Start();
    bool closedByOk = false;
    {
        const test::ModalDriver aboutBox("frmAbout", [&closedByOk](QWidget& about) {
            EXPECT_EQ(test::Child<QLabel>(about, "lblTitle")->text(), Caption().remove("[*]"));
            EXPECT_EQ(test::Child<QLabel>(about, "lblVersion")->text(), "Version " KELPIE_VERSION);
            EXPECT_TRUE(test::Child<QLabel>(about, "lblDescription")->text().contains("without warranty"));
            QTest::mouseClick(test::Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
            closedByOk = !about.isVisible();
        });
        Action("mnuHelpAbout")->trigger();
    }
    EXPECT_TRUE(closedByOk);
}

TEST(StartOptions, DebugSwitchIsAWholePieceInAnyCaseAndPortTakesTheNextArgument)
{
    const std::pair<QStringList, bool> debugCases[] = {
        {{}, false},      {{"/D"}, true},   {{"/d"}, true}, {{"file.dat", "/D"}, true}, {{"a /d b"}, true},
        {{"/DX"}, false}, {{"x/D"}, false}, {{"D"}, false}, {{"--port", "/D"}, false},  {{"--debug"}, true},
    };
    QString error;
    for (const auto& [arguments, debugMode] : debugCases) {
        const auto options = ParseStartOptions(arguments, error);
        ASSERT_TRUE(options) << arguments.join(u' ').toStdString();
        EXPECT_EQ(options->DebugMode, debugMode) << arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(ParseStartOptions({"--port", "/dev/ttyUSB0", "/D"}, error)->PortDevice, "/dev/ttyUSB0");
    EXPECT_FALSE(ParseStartOptions({"--port"}, error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace kelpie
