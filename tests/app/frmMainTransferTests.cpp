// Read from Radio and Program to Radio from the main window's menu, against the simulated radio in
// the same process: the transfer dialog is answered as a user would, and the window follows.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "link/LinkTestSupport.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

class AppTransfer : public AppTest
{
protected:
    AppTransfer()
    {
        RadioData radioData = ResetData(5);
        radioData.UsaChannels[7].ChTag = "RADIO7";
        EncodeImage(radioData);
        m_radio.Memory() = radioData.RadioImage;
        m_radio.WriteModelCode(ModelOf(5).Code);
    }

    frmMain& StartWithRadio() { return Start(false, {&m_port, &m_clock}); }

    // Presses a button of the transfer dialog once it is up.
    static void PressWhenShown(const char* button)
    {
        QTimer::singleShot(0, [button] {
            QWidget* dialog = QApplication::activeModalWidget();
            ASSERT_NE(dialog, nullptr);
            ASSERT_EQ(dialog->objectName(), "frmRadio_102");
            dialog->findChild<QPushButton*>(button)->click();
        });
    }

    test::FakeClock m_clock;
    RadioSimulator m_radio{5};
    SimulatorPort m_port{m_radio, m_clock};
};

TEST_F(AppTransfer, ReadFromRadioRefreshesTheWindowClearsDataChangedAndKeepsABackup)
{
    frmMain& window = StartWithRadio();
    window.Shell().DataChanged = true;
    window.Shell().CurrentFileName = (Files / "old.dat").string();
    window.SetCaption();

    PressWhenShown("cmdOK");
    Action("mnuTransferRead")->trigger();

    EXPECT_EQ(window.Data().UsaChannels[7].ChTag, "RADIO7");
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_FALSE(window.Shell().TransferDone);
    EXPECT_EQ(window.windowTitle(), Caption());
    EXPECT_EQ(window.Editor().CurrentKey(), "General");
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "Complete!!");

    const std::filesystem::path backups = Program / "data" / "backups";
    ASSERT_TRUE(std::filesystem::is_directory(backups));
    const auto backup = std::filesystem::directory_iterator(backups)->path();
    EXPECT_TRUE(ImageIs(backup));
    EXPECT_TRUE(window.findChild<QLabel*>("sbStatusBar_1")->text().contains(Name(backup)));
}

TEST_F(AppTransfer, ProgramToRadioCarriesAnEditIntoTheRadio)
{
    frmMain& window = StartWithRadio();
    window.Data().UsaChannels[9].ChTag = "HARBOUR";

    PressWhenShown("cmdOK");
    Action("mnuTransferProgram")->trigger();

    RadioData inRadio(5);
    inRadio.RadioImage = m_radio.Memory();
    DecodeImage(inRadio);
    EXPECT_EQ(inRadio.UsaChannels[9].ChTag, "HARBOUR");
}

TEST_F(AppTransfer, ReadCancelledBeforeItStartsChangesNothingAndKeepsNoBackup)
{
    frmMain& window = StartWithRadio();
    const RadioImage before = window.Data().RadioImage;

    PressWhenShown("cmdCancel");
    Action("mnuTransferRead")->trigger();

    EXPECT_TRUE(window.Data().RadioImage == before);
    EXPECT_TRUE(m_radio.Lines().empty());
    EXPECT_FALSE(std::filesystem::exists(Program / "data" / "backups"));
}

}  // namespace
}  // namespace kelpie
