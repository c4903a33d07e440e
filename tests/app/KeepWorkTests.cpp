// Work is never replaced without the save question, the title bar marks unsaved work, a save
// notices another program's change and writes the format its name says, and a read started on an
// LMR page ends on General.
#include <QLineEdit>
#include <QPushButton>

#include "AppTestSupport.h"
#include "command/DocumentCommands.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "link/LinkTestSupport.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "printing/PrintCommands.h"
#include "support/ResetData.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

class KeepWork : public AppWithRadio
{
protected:
    KeepWork()
    {
        RadioData radioData = ResetData(5);
        radioData.UsaChannels[7].ChTag = "RADIO7";
        // An LMR channel the radio holds enabled without a channel number display.
        radioData.ExpChannels[0].Enable = true;
        radioData.ExpChannels[0].CHDisplayL.clear();
        radioData.ExpChannels[0].CHDisplayR.clear();
        RadioHolds(radioData);
    }

    // The window with its data saved as work.dat, then edited.
    frmMain& StartEdited()
    {
        Settings.SaveSetting("ModelPath", "ModelNum", "5");
        Settings.SaveSetting("IniFilePath", "IniFileName_5", "USA");
        frmMain& window = Start(false, {&m_port, &m_clock});
        Dialogs::ResetHooks();
        Dialogs::GiveNextFileName(Name(Work));
        Action("mnuFileSave")->trigger();
        window.Data().UsaChannels[7].ChTag = "EDITED";
        window.Shell().DataChanged = true;
        Dialogs::ResetHooks();
        return window;
    }

    const std::filesystem::path Work = Files / "work.dat";
};

TEST_F(KeepWork, EveryCommandThatReplacesTheDataAsksToSaveItFirst)
{
    const std::filesystem::path other = Files / "other.dat";
    WriteFileAtomically(other, DataFileText(ResetData(5), ShellState()));
    struct Command
    {
        const char* name;
        std::function<void()> run;
    };
    const std::vector<Command> commands{
        {"New", [&] { Action("New")->trigger(); }},
        {"Open",
         [&] {
             Dialogs::GiveNextFileName(Name(other));
             Action("mnuFileOpen")->trigger();
         }},
        {"mnuTransferRead", [&] { Action("mnuTransferRead")->trigger(); }},
        {"mnuDestinationChild_1", [&] { Action("mnuDestinationChild_1")->trigger(); }},
        {"mnuEditModel4", [&] { Action("mnuEditModel4")->trigger(); }},
    };
    // Every command must stop on Cancel and go on otherwise; what Save and Discard do is the one
    // question's own, so each command takes one of them in turn.
    for (const Command& command : commands) {
        const bool saving = (&command - commands.data()) % 2 == 1;
        for (const MessageAnswer answer :
             {MessageAnswer::Cancel, saving ? MessageAnswer::Save : MessageAnswer::Discard}) {
            SCOPED_TRACE(std::string(command.name) + " answered " + std::to_string(static_cast<int>(answer)));
            std::filesystem::remove(Work);
            frmMain& window = StartEdited();
            const bool confirmed = std::string(command.name).starts_with("mnuDest");
            if (confirmed) {
                Dialogs::AnswerNext(MessageAnswer::Ok);  // the destination's own question comes first
            }
            Dialogs::AnswerNext(answer);
            if (answer != MessageAnswer::Cancel && std::string(command.name) == "mnuTransferRead") {
                Pressing("cmdOK", command.run);
            } else {
                command.run();
            }
            const std::vector<ShownMessage>& shown = Dialogs::Shown();
            const auto question = static_cast<std::size_t>(confirmed);
            ASSERT_GT(shown.size(), question);
            EXPECT_EQ(shown[question].text, "Save the changes to work.dat?");
            EXPECT_EQ(shown[question].buttons, MessageButtons::SaveDiscardCancel);
            EXPECT_EQ(FileBytes(Work).contains("EDITED"), answer == MessageAnswer::Save);
            if (answer == MessageAnswer::Cancel) {
                EXPECT_EQ(window.Data().UsaChannels[7].ChTag, "EDITED");
                EXPECT_TRUE(window.Shell().DataChanged);
            } else {
                EXPECT_TRUE(test::WaitUntil([&] { return window.Data().UsaChannels[7].ChTag != "EDITED"; },
                                            "the command replaces the data"));
            }
        }
    }
}

TEST_F(KeepWork, TheTitleMarksUnsavedWorkAndExitAfterSaveAsksNothing)
{
    frmMain& window = StartEdited();
    window.Shell().DataChanged = false;
    window.Editor().SelectNodeByKey(u"PU 32"_s);
    auto* name = test::Child<QLineEdit>(window, u"txtCTag"_s);
    name->setFocus();
    EXPECT_FALSE(window.isWindowModified());
    QTest::keyClicks(name, u"X"_s);
    EXPECT_TRUE(test::WaitUntil([&] { return window.isWindowModified(); }, "the title shows the edit"));
    EXPECT_TRUE(window.windowTitle().endsWith(u"[*]"_s));

    Action("mnuFileSave")->trigger();
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_FALSE(window.Shell().DataChanged);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(Dialogs::Shown().empty());
}

TEST_F(KeepWork, ASaveOverAFileChangedOnDiskAsksFirst)
{
    frmMain& window = StartEdited();
    WriteFileAtomically(Work, "written by another window");
    Dialogs::AnswerNext(MessageAnswer::No);
    Action("mnuFileSave")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(Dialogs::Shown()[0].text.startsWith(u"work.dat has changed on disk"_s));
    EXPECT_EQ(FileBytes(Work), "written by another window");
    EXPECT_TRUE(window.Shell().DataChanged);

    Dialogs::AnswerNext(MessageAnswer::Yes);
    Action("mnuFileSave")->trigger();
    EXPECT_TRUE(FileBytes(Work).contains("EDITED"));
    // Saved by this window: the next save asks nothing.
    Action("mnuFileSave")->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 2u);
}

TEST_F(KeepWork, SaveAsWritesTheFormatItsNameSays)
{
    frmMain& window = StartEdited();
    const std::filesystem::path hex = Files / "x.hex";
    Dialogs::GiveNextFileName(Name(hex));
    Action("mnuFileSaveAs")->trigger();
    EXPECT_EQ(window.Shell().CurrentFileName, hex.string());
    RadioData loaded(5);
    ShellState shell;
    RecordingUi ui;
    ASSERT_TRUE(LoadProgrammingFile(loaded, shell, ui, hex).IsDone());
    EXPECT_EQ(loaded.UsaChannels[7].ChTag, "EDITED");

    const std::filesystem::path text = Files / "x.txt";
    Dialogs::GiveNextFileName(Name(text));
    Action("mnuFileSaveAs")->trigger();
    EXPECT_FALSE(std::filesystem::exists(text));
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_TRUE(Dialogs::Shown()[0].text.contains(u"x.txt is neither a data file (.dat) nor a hex image"_s));
    EXPECT_EQ(window.Shell().CurrentFileName, hex.string());
}

TEST_F(KeepWork, AReadStartedOnAnLmrPageEndsOnGeneralWithoutAnError)
{
    frmMain& window = StartEdited();
    window.Shell().DataChanged = false;
    window.Editor().SelectNodeByKey(u"E 1"_s);
    ASSERT_EQ(window.Editor().CurrentKey(), u"E 1"_s);
    Pressing("cmdOK", [&] { Action("mnuTransferRead")->trigger(); });
    EXPECT_EQ(window.Editor().CurrentKey(), u"General"_s);
    EXPECT_TRUE(window.Data().ExpChannels[0].Enable);
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "Complete!!");
}

// A PDF export lands where the data file's save would put it: through a symbolic link into the file
// it names, refused on a read-only file, seen through every hard link.
TEST(SafeSaves, ThePdfExportWritesAsTheDataFileSaveDoes)
{
    TempFolder folder;
    const RadioData data = ResetData(5);
    using Saver = std::function<Outcome(const std::filesystem::path&)>;
    const std::vector<std::pair<const char*, Saver>> savers{
        {"data file",
         [&](const std::filesystem::path& file) {
             ShellState shell;
             RecordingUi ui;
             return SaveDataFile(data, shell, ui, file);
         }},
        {"PDF",
         [&](const std::filesystem::path& file) { return ExportListingPdf(data, ShellState{}, "", file); }},
    };
    for (const auto& [kind, save] : savers) {
        SCOPED_TRACE(kind);
        const std::filesystem::path target = folder / (std::string(kind) + "-target");
        const std::filesystem::path link = folder / (std::string(kind) + "-link");
        const std::filesystem::path hard = folder / (std::string(kind) + "-hard");
        const std::filesystem::path readOnly = folder / (std::string(kind) + "-readonly");
        for (const auto& file : {target, readOnly}) {
            WriteFileAtomically(file, "old");
        }
        std::filesystem::create_symlink(target, link);
        std::filesystem::create_hard_link(target, hard);
        std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);

        EXPECT_TRUE(save(link).IsDone());
        EXPECT_TRUE(std::filesystem::is_symlink(link));
        EXPECT_NE(FileBytes(target), "old");
        EXPECT_EQ(FileBytes(hard), FileBytes(target));

        EXPECT_EQ(save(readOnly).Kind, OutcomeKind::Failed);
        EXPECT_EQ(FileBytes(readOnly), "old");
        EXPECT_EQ(std::filesystem::status(readOnly).permissions(), std::filesystem::perms::owner_read);
    }
}

}  // namespace
}  // namespace kelpie
