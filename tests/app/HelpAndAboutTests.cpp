// F1 and Help Contents, the help window at unload, and the About box.
#include <QLabel>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "app/frmAbout.h"

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
    WriteHelpFile(Program.Path);
    frmMain& window = Start();
    auto* tree = window.findChild<QTreeWidget*>("tvTreeView");
    ASSERT_NE(tree, nullptr);
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
    QTRY_COMPARE(OpenHelp(window), nullptr);
}

TEST_F(AppHelp, HelpContentsWithoutAHelpFileShowsTheErrorTitledWithTheCaption)
{
    frmMain& window = Start();
    Action("mnuHelpContents")->trigger();
    EXPECT_EQ(OpenHelp(window), nullptr);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(Dialogs::Shown()[0].text.contains("Kelpie.html"));
    EXPECT_EQ(Dialogs::Shown()[0].title, window.windowTitle());
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::Ok);
}

TEST_F(AppHelp, HelpFileIsFoundInTheInstalledSharedFolder)
{
    const std::filesystem::path bin = Program / "bin";
    const std::filesystem::path shared = Program / "share" / "kelpie";
    std::filesystem::create_directories(bin);
    std::filesystem::create_directories(shared);
    WriteHelpFile(shared);
    HelpSystem help(DefaultImageFolders(bin));
    QWidget owner;
    QString error;
    ASSERT_TRUE(help.ShowHelpTopic(&owner, 1012, error)) << error.toStdString();
    auto* browser = owner.findChild<QTextBrowser*>("txtHelp");
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->source().fragment(), "topic1012");
    // The same owner's window is reused.
    ASSERT_TRUE(help.ShowHelpTopic(&owner, 1054, error));
    EXPECT_EQ(owner.findChildren<QTextBrowser*>().size(), 1);
    EXPECT_EQ(browser->source().fragment(), "topic1054");
}

TEST_F(AppHelp, AboutBoxShowsCaptionTitleVersionAndLegalNotice)
{
    ShellState shell;
    frmAbout about(shell, QIcon(), nullptr);
    EXPECT_EQ(about.windowTitle(), "Version Infomation");
    EXPECT_EQ(about.size(), QSize(375, 251));
    EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), "Kelpie  PC Program for MV230 Series");
    EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), "Version " KELPIE_VERSION);
    EXPECT_TRUE(about.findChild<QLabel*>("lblDescription")->text().contains("without warranty"));
    for (const char* name : {"picIcon", "Frame1", "cmdOK"}) {
        EXPECT_NE(about.findChild<QWidget*>(name), nullptr) << name;
    }
}

TEST_F(AppHelp, AboutCommandOpensTheBoxModalOverTheWindowAndOkClosesIt)
{
    frmMain& window = Start();
    QString title;
    QTimer::singleShot(0, [&title] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    Action("mnuHelpAbout")->trigger();
    EXPECT_EQ(title, "Version Infomation");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window.isVisible());
}

}  // namespace
}  // namespace kelpie
