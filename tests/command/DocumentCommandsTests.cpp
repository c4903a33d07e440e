#include "command/DocumentCommands.h"

#include <gtest/gtest.h>

#include "edit/EditContext.h"
#include "files/FileTestSupport.h"
#include "model/Models.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

// A data file of the model holding one value its field cannot take.
std::string OutOfRangeFile(int model)
{
    return DataFileWith(model, {{"Priority CH 0", "99999"}, {"Priority CH 1", "3"}});
}

TEST(DocumentCommands, OpenTakesTheFileAndNamesTheValuesItDidNotTake)
{
    TempFolder folder;
    WriteFileText(folder / "odd.dat", OutOfRangeFile(5));
    RadioData data = ResetData(5);
    ShellState shell;
    RecordingUi ui;
    const Outcome opened = OpenDataFile(data, shell, ui, folder / "odd.dat");
    EXPECT_EQ(opened.Kind, OutcomeKind::Done);
    EXPECT_EQ(opened.NotTaken, std::vector<std::string>{"[Usable CH Group Setup] Priority CH 0=99999"});
    EXPECT_FALSE(opened.IsPlainSuccess());
    EXPECT_EQ(NotTakenText(opened),
              "values not taken (their fields keep the values they had):\n"
              "  [Usable CH Group Setup] Priority CH 0=99999");
    EXPECT_EQ(data.UsableGroups[1].PriorityCh, 3);
    EXPECT_EQ(shell.CurrentFileName, (folder / "odd.dat").string());
    EXPECT_TRUE(ui.Messages.empty());
}

TEST(DocumentCommands, AFileThatDoesNotLoadFailsAndLeavesDataAndNameAsTheyWere)
{
    TempFolder folder;
    WriteFileText(folder / "mv220.dat", OutOfRangeFile(4));
    WriteFileText(folder / "short.ini", "too short");
    WriteFileText(folder / "short.hex", "too short");
    RadioData data = ResetData(5);
    const RadioData before = data;
    ShellState shell;
    shell.CurrentFileName = "kept.dat";
    RecordingUi ui;

    const Outcome refused = OpenDataFile(data, shell, ui, folder / "mv220.dat");
    EXPECT_EQ(refused.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(refused.NotTaken.empty());
    EXPECT_TRUE(shell.ErrorFlag && shell.CancelFlag);
    EXPECT_EQ(ui.Messages.size(), 1u);  // the loader said why; the outcome has nothing to add
    EXPECT_EQ(refused.Message, "");

    // A damaged default image says nothing on its way: the outcome says it.
    const Outcome ini = LoadProgrammingFile(data, shell, ui, folder / "short.ini");
    EXPECT_EQ(ini.Kind, OutcomeKind::Failed);
    EXPECT_EQ(ini.Message, "IniFileRead Error!!");
    EXPECT_EQ(LoadProgrammingFile(data, shell, ui, folder / "short.hex").Kind, OutcomeKind::Failed);
    EXPECT_EQ(LoadProgrammingFile(data, shell, ui, folder / "missing.dat").Kind, OutcomeKind::Failed);

    EXPECT_EQ(data.RadioImage, before.RadioImage);
    EXPECT_EQ(data.UsableGroups[1].PriorityCh, before.UsableGroups[1].PriorityCh);
    EXPECT_EQ(shell.CurrentFileName, "kept.dat");
}

// One step in the shell's history.
void MakeStep(RadioData& data, ShellState& shell)
{
    EditContext ctx{data, shell};
    EditField(ctx, data.CommonSetup.DualWatch, !data.CommonSetup.DualWatch);
}

TEST(DocumentCommands, DataReplacedAsAWholeEmptiesTheEditHistoryAndARefusedLoadKeepsIt)
{
    TempFolder folder;
    WriteFileText(folder / "mv230.dat", DataFileWith(5, {}));
    WriteFileText(folder / "mv220.dat", OutOfRangeFile(4));
    RadioData data = ResetData(5);
    ShellState shell;
    EditHistory history;
    shell.History = &history;
    RecordingUi ui;

    MakeStep(data, shell);
    EXPECT_EQ(OpenDataFile(data, shell, ui, folder / "mv220.dat").Kind, OutcomeKind::Failed);
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_TRUE(OpenDataFile(data, shell, ui, folder / "mv230.dat").IsDone());
    EXPECT_EQ(history.UndoCount(), 0u);

    MakeStep(data, shell);
    EXPECT_TRUE(NewData(data, shell).IsDone());
    EXPECT_EQ(history.UndoCount(), 0u);
}

TEST(DocumentCommands, SaveNamesTheFileOnlyWhenItWasWrittenAndSaysWhyAListingWasNot)
{
    TempFolder folder;
    RadioData data = ResetData(5);
    ShellState shell;
    RecordingUi ui;
    EXPECT_TRUE(SaveDataFile(data, shell, ui, folder / "a.dat").IsPlainSuccess());
    EXPECT_EQ(shell.CurrentFileName, (folder / "a.dat").string());

    EXPECT_EQ(SaveDataFile(data, shell, ui, folder / "missing" / "b.dat").Kind, OutcomeKind::Failed);
    EXPECT_EQ(shell.CurrentFileName, (folder / "a.dat").string());

    for (const char* name : {"c.hex", "c.txt", "c.dat"}) {
        EXPECT_TRUE(SaveProgrammingFile(data, shell, ui, folder / name).IsDone()) << name;
        EXPECT_TRUE(std::filesystem::exists(folder / name)) << name;
    }
    const Outcome listing = SaveProgrammingFile(data, shell, ui, folder / "missing" / "c.txt");
    EXPECT_EQ(listing.Kind, OutcomeKind::Failed);
    EXPECT_EQ(listing.Message, "FileSave Error!!\r\nNo such file or directory");
}

TEST(DocumentCommands, CompareLoadsTheFileBesideTheDataAndCarriesWhatTheLoadLeftOut)
{
    TempFolder folder;
    WriteFileText(folder / "odd.dat", OutOfRangeFile(5));
    const RadioData data = ResetData(5);
    ShellState shell;
    shell.CurrentFileName = "mine.dat";
    RecordingUi ui;
    RadioData other = data;
    std::vector<Difference> differences;

    const Outcome compared = CompareWithFile(data, other, shell, ui, folder / "odd.dat", differences);
    EXPECT_EQ(compared.Kind, OutcomeKind::Done);
    EXPECT_EQ(compared.NotTaken, std::vector<std::string>{"[Usable CH Group Setup] Priority CH 0=99999"});
    ASSERT_FALSE(differences.empty());
    EXPECT_EQ(differences[0].Text, "Usable CH Group Setup: INTL Priority CH 16 → 01A");
    EXPECT_EQ(shell.CurrentFileName, "mine.dat");

    WriteFileText(folder / "mv220.dat", OutOfRangeFile(4));
    const Outcome refused = CompareWithFile(data, other, shell, ui, folder / "mv220.dat", differences);
    EXPECT_EQ(refused.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(differences.empty());
}

}  // namespace
}  // namespace kelpie
