// File › Compare With: a file loaded beside the data being edited, never into it, and the window
// that lists the differences.
#include <QTreeWidget>

#include "AppTestSupport.h"

namespace kelpie {
namespace {

class AppCompare : public AppTest
{
protected:
    // Compare With the file; the data being edited, its file name and its caption must not change.
    void CompareWith(frmMain& window, const std::filesystem::path& file)
    {
        const std::string before = DataFileText(window.Data(), window.Shell());
        const QString caption = window.windowTitle();
        Dialogs::ResetHooks();
        TriggerWith("mnuFileCompare", file);
        EXPECT_EQ(DataFileText(window.Data(), window.Shell()), before);
        EXPECT_EQ(window.windowTitle(), caption);
        EXPECT_TRUE(window.Shell().CurrentFileName.empty());
        EXPECT_FALSE(window.Shell().DataChanged);
        EXPECT_TRUE(window.isEnabled());
    }

    std::vector<QString> Rows() const
    {
        std::vector<QString> rows;
        const auto* list = CompareWindow()->findChild<QTreeWidget*>("tvDifferences");
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            rows.push_back(list->topLevelItem(i)->text(0) + " | " + list->topLevelItem(i)->text(1));
        }
        return rows;
    }
};

// Either kind of file loads beside the data (the loaders are pinned with the files); the one change shows.
TEST_F(AppCompare, AFileWithOneChangedChannelShowsThatChannelAndNothingElse)
{
    frmMain& window = Start();
    window.Data().IntlChannels[5].ChTag = "PILOT";
    RadioData changed = window.Data();
    changed.IntlChannels[5].ChTag = "FERRY";
    EncodeImage(changed);
    const std::filesystem::path hex = Files / "ferry.hex";
    const auto image = changed.RadioImage.Bytes(0, ExpectedImageFileLength(changed.ModelIndex));
    WriteFileAtomically(hex, std::string(image.begin(), image.end()));
    const std::filesystem::path same = WriteDataFile("same.dat", window.Data());

    CompareWith(window, hex);
    ASSERT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(CompareSummaryShown(), "1 difference between this data and ferry.hex.");
    ASSERT_EQ(Rows().size(), 1u);
    EXPECT_TRUE(Rows()[0].startsWith("INTL ") && Rows()[0].endsWith(" | name PILOT → FERRY"))
        << Rows()[0].toStdString();
    EXPECT_TRUE(Dialogs::Shown().empty());
    // One compare window at a time.
    EXPECT_EQ(window.findChildren<frmCompare*>().size(), 1);

    CompareWith(window, same);
    EXPECT_EQ(CompareSummaryShown(), "This data and same.dat hold the same programming.");
    EXPECT_TRUE(Rows().empty());
}

TEST_F(AppCompare, AFileOfAnotherModelShowsOnlyTheLoadersMessage)
{
    frmMain& window = Start();
    CompareWith(window, WriteDataFile("wrong.dat", ResetData(4)));
    EXPECT_EQ(ShownTexts(), QStringList{"different model!!"});
    EXPECT_EQ(CompareWindow(), nullptr);
}

}  // namespace
}  // namespace kelpie
