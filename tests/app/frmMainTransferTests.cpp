// Read from Radio and Program to Radio from the main window's menu, against the simulated radio in
// the same process: the transfer dialog is answered as a user would, and the window follows.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "AppTestSupport.h"
#include "model/ImageLayout.h"

namespace kelpie {
namespace {

class AppTransfer : public AppWithRadio
{
protected:
    AppTransfer()
    {
        RadioData radioData = WithUsaName(5, 7, "RADIO7");
        // An LMR channel the radio holds enabled without a channel number display.
        radioData.ExpChannels[0].Enable = true;
        radioData.ExpChannels[0].CHDisplayL.clear();
        radioData.ExpChannels[0].CHDisplayR.clear();
        RadioHolds(radioData);
    }

    // Runs Verify Radio with OK pressed; the records of the data being edited must not change.
    void Verify(frmMain& window)
    {
        const std::string before = DataFileText(window.Data(), window.Shell());
        Dialogs::ResetHooks();
        RunTransfer("mnuTransferVerify");
        // The compare window is the verify's one window: no box before it says the same.
        EXPECT_TRUE(Dialogs::Shown().empty()) << Dialogs::Shown().front().text.toStdString();
        EXPECT_EQ(DataFileText(window.Data(), window.Shell()), before);
        EXPECT_TRUE(StatusShown().startsWith("Verify complete."));
    }
};

// A first start with an MV230 on the cable: the read answers which radio it is. A read started on
// an LMR page ends on General without an error; one cancelled before it starts changes nothing.
TEST_F(AppTransfer, ReadFromRadioRefreshesTheWindowClearsDataChangedAndKeepsABackup)
{
    frmMain& window = StartWithRadio();
    const QWidget* question = test::Child<QWidget>(window, "fraGeneralModel");
    ASSERT_TRUE(question->isVisible());
    // Cancelled before it starts: nothing changes and no backup is kept.
    const RadioImage before = window.Data().RadioImage;
    Pressing("cmdCancel", [&] { Action("mnuTransferRead")->trigger(); });
    EXPECT_TRUE(window.Data().RadioImage == before);
    EXPECT_TRUE(m_radio.Lines().empty());
    EXPECT_FALSE(std::filesystem::exists(Program / "data" / "backups"));

    window.Shell().DataChanged = true;
    window.Shell().CurrentFileName = (Files / "old.dat").string();
    window.SetCaption();
    window.Editor().SelectNodeByKey("E 1");
    ASSERT_EQ(window.Editor().CurrentKey(), "E 1");

    Dialogs::AnswerNext(MessageAnswer::Discard);
    RunTransfer("mnuTransferRead");

    EXPECT_EQ(window.Data().UsaChannels[7].ChTag, "RADIO7");
    EXPECT_TRUE(window.Data().ExpChannels[0].Enable);
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_FALSE(window.Shell().TransferDone);
    EXPECT_EQ(window.windowTitle(), Caption());
    EXPECT_EQ(window.Editor().CurrentKey(), "General");
    EXPECT_EQ(ShownTexts(), (QStringList{"Save the changes to old.dat?", "Complete!!"}));
    EXPECT_EQ(Settings.GetSetting("ModelPath", "ModelNum"), "5");
    EXPECT_FALSE(question->isVisible());

    const std::filesystem::path backups = Program / "data" / "backups";
    ASSERT_TRUE(std::filesystem::is_directory(backups));
    const auto backup = std::filesystem::directory_iterator(backups)->path();
    EXPECT_TRUE(ImageIs(backup));
    EXPECT_TRUE(StatusShown().contains(Name(backup)));
}

TEST_F(AppTransfer, ProgramCarriesAnEditIntoTheRadioOffersTheVerifyAndTheVerifyFindsItEqual)
{
    const QString advice =
        "Turn the radio off and on in programming mode, then choose Verify Radio to check it";
    frmMain& window = StartWithRadio();
    window.Data().UsaChannels[9].ChTag = "HARBOUR";
    RunTransfer("mnuTransferProgram");
    RadioData inRadio(5);
    inRadio.RadioImage = m_radio.Memory();
    DecodeImage(inRadio);
    EXPECT_EQ(inRadio.UsaChannels[9].ChTag, "HARBOUR");
    ASSERT_FALSE(Dialogs::Shown().empty());
    EXPECT_EQ(Dialogs::Shown().back().text, "Complete!!\n\n" + advice);
    EXPECT_EQ(StatusShown(), "The radio was programmed. " + advice);

    Verify(window);
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(CompareSummaryShown(), "The radio holds exactly this programming.");
    EXPECT_EQ(CompareWindow()->findChild<QTreeWidget*>("tvDifferences")->topLevelItemCount(), 0);
    // The advice belongs to a program run only.
    for (const ShownMessage& shown : Dialogs::Shown()) {
        EXPECT_FALSE(shown.text.contains(advice));
    }
    // The read the verify made is kept, as every read is.
    const auto backup = std::filesystem::directory_iterator(Program / "data" / "backups")->path();
    EXPECT_EQ(FileBytes(backup).size(), ExpectedImageFileLength(5));
    EXPECT_TRUE(StatusShown().contains(Name(backup)));
}

TEST_F(AppTransfer, VerifyListsTheChangedChannelAndItsRowShowsTheChannel)
{
    frmMain& window = StartWithRadio();
    ASSERT_EQ(window.Data().ModelIndex, 5);
    window.Data().UsaChannels[20].ChTag = "HARBOR";
    RadioData inRadio = window.Data();
    inRadio.UsaChannels[20].ChTag = "RADIO20";
    RadioHolds(inRadio);

    Verify(window);
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(CompareSummaryShown(), "The radio's programming differs from this data: 1 difference.");
    auto* list = CompareWindow()->findChild<QTreeWidget*>("tvDifferences");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    QTreeWidgetItem* row = list->topLevelItem(0);
    EXPECT_TRUE(row->text(0).startsWith("USA "));
    EXPECT_EQ(row->text(1), "name HARBOR → RADIO20");

    ASSERT_TRUE(QTest::qWaitForWindowExposed(CompareWindow()));
    // Through the window, as the window system delivers a double click.
    QTest::mouseDClick(CompareWindow()->windowHandle(), Qt::LeftButton, {},
                       list->viewport()->mapTo(CompareWindow(), list->visualItemRect(row).center()));
    EXPECT_EQ(window.Editor().CurrentKey(), "PU 20");

    // Enter on the row jumps too, and leaves the list open.
    window.Editor().SelectNodeByKey("General");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window.Editor().CurrentKey(), "PU 20");
    EXPECT_TRUE(CompareWindow()->isVisible());
}

// The DSC page's clear button runs the distress-log clear through the transfer dialog on a radio
// with DSC, and the page shows the count again afterwards.
TEST_F(AppTransfer, DscClearButtonErasesTheRadiosDistressLog)
{
    RadioSimulator radio(0);
    test::Holds(radio, ResetData(0).RadioImage);
    radio.Memory()[0x1E10] = 0x42;  // a logged distress call
    SimulatorPort port(radio, m_clock);
    frmMain& window = StartOn(0, {&port, &m_clock});
    window.Data().RadioImage[kPermissionCountByte] = 3;
    window.Editor().SelectNodeByKey("DSC");

    Pressing("cmdOK", [&] { window.findChild<QPushButton*>("cmdFClear")->click(); });

    EXPECT_EQ(radio.Memory()[0x1E10], 0xFF);
    EXPECT_EQ(window.Data().RadioImage[0x1E10], ResetData(0).RadioImage[0x1E10]);  // the names stay
    EXPECT_EQ(window.findChild<QLineEdit*>("txtFCount")->text(), "3");
    EXPECT_EQ(window.Editor().CurrentKey(), "DSC");
}

}  // namespace
}  // namespace kelpie
