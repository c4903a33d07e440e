#include "command/DocumentCommands.h"

#include <gtest/gtest.h>

#include "edit/EditContext.h"
#include "files/FileTestSupport.h"
#include "model/Models.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

// A reset MV230 with its shell, a folder holding a data file of it and one of the MV220 that
// each hold one value their field cannot take, and boxes that answer OK.
class DocumentCommands : public testing::Test
{
protected:
    DocumentCommands()
    {
        for (const auto& [model, name] : {std::pair{5, "odd.dat"}, {4, "mv220.dat"}}) {
            WriteFileText(m_folder / name,
                          DataFileWith(model, {{"Priority CH 0", "99999"}, {"Priority CH 1", "3"}}));
        }
    }

    TempFolder m_folder;
    RadioData m_data = ResetData(5);
    ShellState m_shell;
    RecordingUi m_ui;
    const std::vector<std::string> m_notTaken{"[Usable CH Group Setup] Priority CH 0=99999"};
};

TEST_F(DocumentCommands, OpenTakesTheFileAndNamesTheValuesItDidNotTake)
{
    const Outcome opened = OpenDataFile(m_data, m_shell, m_ui, m_folder / "odd.dat");
    EXPECT_EQ(opened.Kind, OutcomeKind::Done);
    EXPECT_EQ(opened.NotTaken, m_notTaken);
    EXPECT_FALSE(opened.IsPlainSuccess());
    EXPECT_EQ(NotTakenText(opened),
              "values not taken (their fields keep the values they had):\n"
              "  [Usable CH Group Setup] Priority CH 0=99999");
    EXPECT_EQ(m_data.UsableGroups[1].PriorityCh, 3);
    EXPECT_EQ(m_shell.CurrentFileName, (m_folder / "odd.dat").string());
    EXPECT_TRUE(m_ui.Messages.empty());
}

// Each kind of file by its name: the data file, the default image and the hex image.
TEST_F(DocumentCommands, AFileThatDoesNotLoadFailsAndLeavesDataAndNameAsTheyWere)
{
    WriteFileText(m_folder / "short.ini", "too short");
    WriteFileText(m_folder / "short.hex", "too short");
    const RadioData before = m_data;
    m_shell.CurrentFileName = "kept.dat";

    const Outcome refused = OpenDataFile(m_data, m_shell, m_ui, m_folder / "mv220.dat");
    EXPECT_EQ(refused.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(refused.NotTaken.empty());
    EXPECT_TRUE(m_shell.ErrorFlag && m_shell.CancelFlag);
    EXPECT_EQ(m_ui.Messages.size(), 1u);  // the loader said why; the outcome has nothing to add
    EXPECT_EQ(refused.Message, "");

    // A damaged default image says nothing on its way: the outcome says it.
    EXPECT_EQ(LoadProgrammingFile(m_data, m_shell, m_ui, m_folder / "short.ini").Message,
              "IniFileRead Error!!");
    EXPECT_EQ(LoadProgrammingFile(m_data, m_shell, m_ui, m_folder / "short.hex").Kind, OutcomeKind::Failed);
    EXPECT_EQ(m_data.RadioImage, before.RadioImage);
    EXPECT_EQ(m_data.UsableGroups[1].PriorityCh, before.UsableGroups[1].PriorityCh);
    EXPECT_EQ(m_shell.CurrentFileName, "kept.dat");
}

TEST_F(DocumentCommands, DataReplacedAsAWholeEmptiesTheEditHistoryAndARefusedLoadKeepsIt)
{
    EditHistory history;
    m_shell.History = &history;
    const auto makeStep = [this] {
        EditContext ctx{m_data, m_shell};
        EditField(ctx, m_data.CommonSetup.DualWatch, !m_data.CommonSetup.DualWatch);
    };
    makeStep();
    EXPECT_EQ(OpenDataFile(m_data, m_shell, m_ui, m_folder / "mv220.dat").Kind, OutcomeKind::Failed);
    EXPECT_EQ(history.UndoCount(), 1u);
    EXPECT_TRUE(OpenDataFile(m_data, m_shell, m_ui, m_folder / "odd.dat").IsDone());
    EXPECT_EQ(history.UndoCount(), 0u);

    makeStep();
    EXPECT_TRUE(NewData(m_data, m_shell).IsDone());
    EXPECT_EQ(history.UndoCount(), 0u);
}

TEST_F(DocumentCommands, SaveNamesTheFileOnlyWhenItWasWrittenAndSaysWhyAFileWasNot)
{
    EXPECT_TRUE(SaveDataFile(m_data, m_shell, m_ui, m_folder / "a.dat").IsPlainSuccess());
    EXPECT_EQ(m_shell.CurrentFileName, (m_folder / "a.dat").string());
    EXPECT_EQ(SaveDataFile(m_data, m_shell, m_ui, m_folder / "missing" / "b.dat").Kind, OutcomeKind::Failed);
    EXPECT_EQ(m_shell.CurrentFileName, (m_folder / "a.dat").string());

    for (const char* name : {"c.hex", "c.txt", "c.dat"}) {
        EXPECT_TRUE(SaveProgrammingFile(m_data, m_shell, m_ui, m_folder / name).IsDone()) << name;
        EXPECT_TRUE(std::filesystem::exists(m_folder / name)) << name;
    }
    EXPECT_EQ(SaveProgrammingFile(m_data, m_shell, m_ui, m_folder / "missing" / "c.txt").Message,
              "FileSave Error!!\r\nNo such file or directory");
    // The window's save writes only what it can open again.
    EXPECT_EQ(
        SaveDocument(m_data, m_shell, m_ui, m_folder / "d.txt").Message,
        "FileSave Error!!\r\nd.txt is neither a data file (.dat) nor a hex image (.hex), the two kinds a "
        "save writes");
    EXPECT_FALSE(std::filesystem::exists(m_folder / "d.txt"));
}

TEST_F(DocumentCommands, CompareLoadsTheFileBesideTheDataAndCarriesWhatTheLoadLeftOut)
{
    m_shell.CurrentFileName = "mine.dat";
    RadioData other = m_data;
    std::vector<Difference> differences;
    const Outcome compared = CompareWithFile(m_data, other, m_shell, m_ui, m_folder / "odd.dat", differences);
    EXPECT_EQ(compared.Kind, OutcomeKind::Done);
    EXPECT_EQ(compared.NotTaken, m_notTaken);
    ASSERT_FALSE(differences.empty());
    EXPECT_EQ(differences[0].Text, "Usable CH Group Setup: INTL Priority CH 16 → 01A");
    EXPECT_EQ(m_shell.CurrentFileName, "mine.dat");

    EXPECT_EQ(CompareWithFile(m_data, other, m_shell, m_ui, m_folder / "mv220.dat", differences).Kind,
              OutcomeKind::Failed);
    EXPECT_TRUE(differences.empty());
}

}  // namespace
}  // namespace kelpie
