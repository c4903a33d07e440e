// F1 and Help Contents, the help window at unload and from the keyboard, and the About box.
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/HelpWindow.h"

namespace kelpie {
namespace {

using AppHelp = AppTest;

void WriteHelpFile(const std::filesystem::path& folder)
{
    QFile file(QString::fromStdString((folder / "Kelpie.html").string()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<html><body><h1>Kelpie</h1>"
        "<h2><a name=\"topic1012\"></a>Connecting the radio</h2><p>Cable.</p>"
        "<h2><a name=\"topic1054\"></a>The page tree</h2><p>Pages.</p></body></html>");
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

TEST_F(AppHelp, F1OnTheTreeOpensItsTopicAndUnloadClosesHelpEvenWhenCancelled)
{
    frmMain& window = Start();
    // Without a help file: the error, titled with the caption.
    Action("mnuHelpContents")->trigger();
    EXPECT_EQ(OpenHelp(window), nullptr);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(ShownTexts()[0].contains("Kelpie.html"));
    EXPECT_EQ(Dialogs::Shown()[0].title, window.windowTitle().remove("[*]"));
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::Ok);

    WriteHelpFile(Program.Path);
    auto* tree = test::Child<QTreeWidget>(window, "tvTreeView");
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_F1);
    QTextBrowser* help = OpenHelp(window);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source().fragment(), "topic1054");
    EXPECT_TRUE(help->source().path().endsWith("Kelpie.html"));

    // Help Contents does what F1 does.
    help->setSource(QUrl());
    Action("mnuHelpContents")->trigger();
    EXPECT_EQ(help->source().fragment(), "topic1054");

    window.Shell().DataChanged = true;
    Dialogs::AnswerNext(MessageAnswer::Cancel);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(test::WaitUntil([&] { return OpenHelp(window) == nullptr; }, "the help window closes"));
}

TEST(HelpWindowKeys, EscapeAndCtrlWCloseTheHelpWindow)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Escape, Qt::NoModifier},
                                                              {Qt::Key_W, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        QPointer<HelpWindow> help = new HelpWindow(nullptr);
        help->show();
        QApplication::setActiveWindow(help);
        ASSERT_TRUE(test::WaitUntil([&] { return help->isActiveWindow(); }, "the help window is active"));
        QTest::keyClick(test::Child<QTextBrowser>(*help, "txtHelp"), key, modifiers);
        EXPECT_TRUE(test::WaitUntil([&] { return help.isNull(); }, "the help window closes"));
        delete help.data();
    }
}

TEST_F(AppHelp, AboutCommandShowsCaptionSizeTitleVersionAndLegalNoticeUntilOk)
{
    Start();
    bool closedByOk = false;
    {
        const test::ModalDriver aboutBox("frmAbout", [&closedByOk](QWidget& about) {
            EXPECT_EQ(about.windowTitle(), "Version Information");
            EXPECT_EQ(about.size(), QSize(375, 251));
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

}  // namespace
}  // namespace kelpie
