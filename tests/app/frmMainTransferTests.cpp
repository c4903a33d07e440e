// Read from Radio, Program to Radio, Verify Radio and the distress-log clear from the main window,
// against the simulated radio in the same process: the transfer dialog is answered as a user would,
// and the window follows. Every command that replaces the data asks to save it first.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <optional>

#include "AppTestSupport.h"
#include "files/ProgramSettings.h"
#include "model/ImageLayout.h"

namespace kelpie {
namespace {

class AppTransfer : public AppWithRadio
{
protected:
    AppTransfer()
    {
        RadioData radioData = WithUsaName(5, 7, "RADIO7");
        // An LMR channel the radio holds enabled without a channel number display, which its page
        // would refuse to leave.
        radioData.ExpChannels[0].Enable = true;
        radioData.ExpChannels[0].CHDisplayL.clear();
        radioData.ExpChannels[0].CHDisplayR.clear();
        RadioHolds(radioData);
    }
};

// A first start with an MV230 on the cable: the read answers which radio it is. A read started on
// an LMR page ends on General without an error; one cancelled before it starts changes nothing.
TEST_F(AppTransfer, ReadFromRadioRefreshesTheWindowClearsDataChangedAndKeepsABackup)
{
    frmMain& window = StartWithRadio();
    const QWidget* question = test::Child<QWidget>(window, "fraGeneralModel");
    ASSERT_TRUE(question->isVisible());
    Pressing("cmdCancel", [&] { Action("mnuTransferRead")->trigger(); });
    EXPECT_TRUE(m_radio.Lines().empty());
    EXPECT_FALSE(std::filesystem::exists(Program / "data" / "backups"));

    // The save question before the read is asked with every command that replaces the data, below.
    window.Shell().CurrentFileName = (Files / "old.dat").string();
    window.SetCaption();
    window.Editor().SelectNodeByKey("E 1");
    RunTransfer("mnuTransferRead");

    EXPECT_EQ(window.Data().UsaChannels[7].ChTag, "RADIO7");
    EXPECT_EQ(window.windowTitle(), Caption());
    EXPECT_EQ(window.Editor().CurrentKey(), "General");
    EXPECT_EQ(ShownTexts(), QStringList{"Complete!!"});
    EXPECT_EQ(Settings.GetSetting("ModelPath", "ModelNum"), "5");
    EXPECT_FALSE(question->isVisible());
    // What the backup holds and the message naming it are the read's own; here the message shows.
    EXPECT_TRUE(
        StatusShown().contains(Name(*std::filesystem::directory_iterator(Program / "data" / "backups"))));
}

// The verify's one window lists the channel the radio holds otherwise (and only that: the program run
// carried the other edit); its row jumps to the channel's page on a double click and on Enter.
TEST_F(AppTransfer, ProgramCarriesAnEditIntoTheRadioAndTheVerifyListsAChangeMadeSince)
{
    const QString advice =
        "Turn the radio off and on in programming mode, then choose Verify Radio to check it";
    frmMain& window = StartWithRadio();
    window.Data().UsaChannels[9].ChTag = "HARBOUR";
    RunTransfer("mnuTransferProgram");
    EXPECT_EQ(ShownTexts(), QStringList{"Complete!!\n\n" + advice});
    EXPECT_EQ(StatusShown(), "The radio was programmed. " + advice);

    window.Data().UsaChannels[20].ChTag = "HARBOR";
    const std::string before = DataFileText(window.Data(), window.Shell());
    Dialogs::ResetHooks();
    RunTransfer("mnuTransferVerify");
    EXPECT_EQ(ShownTexts(), QStringList{});
    EXPECT_EQ(DataFileText(window.Data(), window.Shell()), before);
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(CompareSummaryShown(), "The radio's programming differs from this data: 1 difference.");
    auto* list = CompareWindow()->findChild<QTreeWidget*>("tvDifferences");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    QTreeWidgetItem* row = list->topLevelItem(0);
    EXPECT_TRUE(row->text(1).startsWith("name HARBOR → ")) << row->text(1).toStdString();

    ASSERT_TRUE(QTest::qWaitForWindowExposed(CompareWindow()));
    // Through the window, as the window system delivers a double click.
    QTest::mouseDClick(CompareWindow()->windowHandle(), Qt::LeftButton, {},
                       list->viewport()->mapTo(CompareWindow(), list->visualItemRect(row).center()));
    EXPECT_EQ(window.Editor().CurrentKey(), "PU 20");
    window.Editor().SelectNodeByKey("General");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window.Editor().CurrentKey(), "PU 20");
    EXPECT_TRUE(CompareWindow()->isVisible());
}

// The error's text and title are the verify's, pinned with it; here it shows, and no compare window.
TEST_F(AppTransfer, AVerifyWhoseReadFailsShowsTheErrorAndNoCompareWindow)
{
    StartWithRadio();
    m_radio.Faults().HangUpBlock = 40;
    // OK starts the run, which fails and leaves the dialog open; the driver then closes it.
    RunTransfer("mnuTransferVerify");
    ASSERT_FALSE(Dialogs::Shown().empty());
    EXPECT_EQ(Dialogs::Shown().back().title.toStdString(), "Verify Radio");
    EXPECT_EQ(CompareWindow(), nullptr);
}

TEST_F(AppTransfer, AWriteCutHalfwayStaysInTheStatusBarUntilAProgramCompletes)
{
    frmMain& window = StartWithRadio();
    m_radio.Faults().HangUpBlock = 400;
    RunTransfer("mnuTransferProgram");
    auto* warning = test::Child<QLabel>(window, "sbStatusBar_2");
    EXPECT_TRUE(warning->isVisible());
    EXPECT_TRUE(warning->text().startsWith("The radio now holds a mix of its old and the new programming"));
    window.Editor().SelectNodeByKey("General");
    EXPECT_TRUE(warning->isVisible());
    m_radio.Faults() = {};
    RunTransfer("mnuTransferProgram");
    EXPECT_FALSE(warning->isVisible());
}

TEST_F(AppTransfer, EveryCommandThatReplacesTheDataAsksToSaveItFirst)
{
    const std::filesystem::path work = Files / "work.dat";
    const std::filesystem::path other = WriteDataFile("other.dat", ResetData(5));
    AddRecentFile(Settings, other.string());
    const std::vector<QString> commands{"New",           "mnuFileOpen",           "mnuTransferRead",
                                        "mnuEditModel4", "mnuDestinationChild_1", "mnuFileRecent2"};
    // Every command must stop on Cancel and go on otherwise; what Save and Discard do is the one
    // question's own, so each command takes one of them in turn.
    for (const QString& command : commands) {
        const bool saving = (&command - commands.data()) % 2 == 1;
        for (const MessageAnswer answer :
             {MessageAnswer::Cancel, saving ? MessageAnswer::Save : MessageAnswer::Discard}) {
            SCOPED_TRACE(command.toStdString() + " answered " + std::to_string(static_cast<int>(answer)));
            std::filesystem::remove(work);
            frmMain& window = StartEdited(work, {&m_port, &m_clock});
            const bool confirmed = command.startsWith("mnuDest");
            if (confirmed) {
                Dialogs::AnswerNext(MessageAnswer::Ok);  // the destination's own question comes first
            }
            Dialogs::AnswerNext(answer);
            Dialogs::GiveNextFileName(Name(other));  // for Open; the other commands ask for no file
            if (answer != MessageAnswer::Cancel && command == "mnuTransferRead") {
                RunTransfer("mnuTransferRead");
            } else {
                Action(command)->trigger();
            }
            const auto question = static_cast<qsizetype>(confirmed);
            ASSERT_GT(ShownTexts().size(), question);
            EXPECT_EQ(ShownTexts()[question], "Save the changes to work.dat?");
            EXPECT_EQ(Dialogs::Shown()[static_cast<std::size_t>(question)].buttons,
                      MessageButtons::SaveDiscardCancel);
            EXPECT_EQ(FileBytes(work).contains("EDITED"), answer == MessageAnswer::Save);
            if (answer == MessageAnswer::Cancel) {
                EXPECT_EQ(window.Data().UsaChannels[7].ChTag, "EDITED");
            } else {
                EXPECT_TRUE(test::WaitUntil([&] { return window.Data().UsaChannels[7].ChTag != "EDITED"; },
                                            "the command replaces the data"));
            }
        }
    }
}

// A radio of another model: the window names it and offers to switch to its model and read it.
class AppModelSwitch : public AppWithRadio
{
protected:
    AppModelSwitch() : AppWithRadio(1) {}
};

TEST_F(AppModelSwitch, NoEndsTheReadAsItWasAndYesSwitchesToTheRadiosModelAndReadsIt)
{
    const QString question =
        "This radio is an MV240; Kelpie is set for the MV230.\nSwitch to the MV240 and read it?";
    frmMain& window = StartWithRadio();
    const RadioImage before = window.Data().RadioImage;
    m_radio.Memory()[0x0100] = 0x5A;
    Dialogs::AnswerNext(MessageAnswer::No);
    RunTransfer("mnuTransferRead");
    EXPECT_EQ(ShownTexts(), QStringList{question});
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_TRUE(window.Data().ModelIndex == 5 && window.Data().RadioImage == before);

    Dialogs::ResetHooks();
    Dialogs::AnswerNext(MessageAnswer::Yes);
    {
        // The second read's dialog comes once the first has closed.
        std::optional<test::ModalDriver> second;
        const test::ModalDriver first("frmRadio_102", [&](QWidget& dialog) {
            test::Child<QPushButton>(dialog, "cmdOK")->click();
            second.emplace("frmRadio_102",
                           [](QWidget& next) { test::Child<QPushButton>(next, "cmdOK")->click(); });
        });
        Action("mnuTransferRead")->trigger();
    }
    EXPECT_EQ(ShownTexts(), (QStringList{question, "Complete!!"}));
    EXPECT_EQ(window.Data().ModelIndex, 1);
    EXPECT_EQ(window.Data().RadioImage[0x0100], 0x5A);
    EXPECT_EQ(Settings.GetSetting("ModelPath", "ModelNum"), "1");
}

// A radio of the DSC model.
class AppDscRadio : public AppWithRadio
{
protected:
    AppDscRadio() : AppWithRadio(0) { RadioHolds(ResetData(0)); }
};

// The question's text and when it is asked are pinned with the link; here it reaches the window
// and its answer decides. The verify then finds the radio equal, and says what it left out.
TEST_F(AppDscRadio, ProgramAsksBeforeItLeavesDirectoryEntriesBehindAndVerifySaysItSkipsThem)
{
    frmMain& window = StartWithRadioOn(0);
    window.Editor().SelectNodeByKey("SM 1");
    test::Child<QCheckBox>(window, "chkGEnable")->click();
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::Ok}) {
        Dialogs::ResetHooks();
        Dialogs::AnswerNext(answer);
        RunTransfer("mnuTransferProgram");
        ASSERT_FALSE(Dialogs::Shown().empty());
        EXPECT_TRUE(ShownTexts()[0].startsWith("Your changes to the individual directory"));
        EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::OkCancel);
        EXPECT_EQ(m_radio.CountLines("#CEPWR") > 0, answer == MessageAnswer::Ok);
    }
    RunTransfer("mnuTransferVerify");
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(
        CompareSummaryShown(),
        "The radio holds exactly this programming.\nThe MMSI directories and the ATIS call signs are not "
        "compared with the radio: Kelpie does not write them to it.");
}

// The DSC page's clear button runs the distress-log clear through the transfer dialog, and the page
// shows the count again afterwards.
TEST_F(AppDscRadio, DscClearButtonErasesTheRadiosDistressLog)
{
    m_radio.Memory()[0x1E10] = 0x42;  // a logged distress call
    frmMain& window = StartWithRadioOn(0);
    window.Data().RadioImage[kPermissionCountByte] = 3;
    window.Editor().SelectNodeByKey("DSC");
    Pressing("cmdOK", [&] { window.findChild<QPushButton*>("cmdFClear")->click(); });
    EXPECT_EQ(m_radio.Memory()[0x1E10], 0xFF);
    EXPECT_EQ(window.findChild<QLineEdit*>("txtFCount")->text(), "3");
}

}  // namespace
}  // namespace kelpie
