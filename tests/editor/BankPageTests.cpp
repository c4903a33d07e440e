// "Programmable Channel" shows the channel banks with the channels enabled in each, and follows
// the records each time it is shown.
#include <QStackedWidget>
#include <QTableWidget>

#include "EditorTest.h"

namespace kelpie {
namespace {

using BankPage = EditorTest;

QStringList Column(const QTableWidget& grid, int column)
{
    QStringList cells;
    for (int r = 0; r < grid.rowCount(); ++r) {
        cells << (grid.item(r, column) ? grid.item(r, column)->text() : QString());
    }
    return cells;
}

TEST_F(BankPage, ProgrammableChannelListsTheBanksWithTheirEnabledChannels)
{
    m_data = ResetData(5);
    for (ChannelRecord& ch : m_data.UsaChannels) {
        ch.Enable = false;
    }
    m_data.UsaChannels[16].Enable = true;
    m_data.UsaChannels[22].Enable = true;
    m_data.UsableGroups[kGroupCanada].Enable = false;
    Show("Program");

    auto* grid = Child<QTableWidget>("grdBanks");
    EXPECT_EQ(Child<QStackedWidget>("pages")->currentWidget()->objectName(), "pictBanks");
    EXPECT_TRUE(grid->isVisibleTo(m_editor.get()));
    ASSERT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "ENABLED");
    EXPECT_EQ(Column(*grid, 0), (QStringList{"USA", "INTL", "CANADA", "Weather", "LMR"}));
    EXPECT_EQ(Column(*grid, 1)[0], "2 of 240");
    EXPECT_EQ(Column(*grid, 2)[2], "No");
    EXPECT_EQ(Column(*grid, 2)[0], "Yes");

    m_data.UsaChannels[16].Enable = false;
    Select("PW");
    Select("Program");
    EXPECT_EQ(Column(*grid, 1)[0], "1 of 240");
}

}  // namespace
}  // namespace kelpie
