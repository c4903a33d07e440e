// ChannelGridTests.cpp — the channel grid edited in place, sorted and searched as a user does it.
#include <QHeaderView>
#include <QTableWidget>

#include "EditorTest.h"
#include "edit/FieldRules.h"

namespace kelpie {
namespace {

class ChannelGridTest : public EditorTest
{
protected:
    QTableWidget* Grid() const { return Child<QTableWidget>("MSFlexGrid1"); }
    int Column(const QString& header) const
    {
        for (int c = 0; c < Grid()->columnCount(); ++c) {
            if (Grid()->horizontalHeaderItem(c)->text() == header)
                return c;
        }
        ADD_FAILURE() << "no column " << header.toStdString();
        return 0;
    }
    std::string Cell(int row, const QString& header) const
    {
        return Grid()->item(row, Column(header))->text().toStdString();
    }
    // The cell made current, as a click on it does.
    void Go(int row, const QString& header)
    {
        Grid()->setFocus();
        Grid()->setCurrentCell(row, Column(header));
    }
    // Keys to whatever has the focus: the grid, or the cell's editor once one is open.
    static void Key(Qt::Key key)
    {
        QTest::keyClick(QApplication::focusWidget(), key);
        QCoreApplication::processEvents();
    }
    // Each key to the widget with the focus then: the first opens the cell's editor.
    static void Keys(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClicks(QApplication::focusWidget(), QString(c));
    }
    std::string LastMessage() const
    {
        return Dialogs::Shown().empty() ? std::string() : Dialogs::Shown().back().text.toStdString();
    }
};

TEST_F(ChannelGridTest, AnEditInACellReachesTheRecordsAndTheChannelPage)
{
    Start(5, "ExpChannel");
    ChannelRecord& lmr7 = m_data.ExpChannels[6];
    ASSERT_FALSE(lmr7.Enable);
    Go(6, "ENABLE");
    Key(Qt::Key_Space);
    EXPECT_TRUE(lmr7.Enable);
    EXPECT_EQ(Cell(6, "ENABLE"), "[Enable]");
    EXPECT_EQ(Node("E 7")->text(0).toStdString(), "LMR7[Enable]");
    EXPECT_TRUE(m_shell.DataChanged);

    // Typing starts the name's editor with the page's rule; Enter commits and moves down a row.
    Go(6, "CH Name");
    Keys("yard!");
    EXPECT_EQ(lmr7.ChTag, "") << "nothing is written while the cell is typed in";
    Key(Qt::Key_Return);
    EXPECT_EQ(lmr7.ChTag, "YARD");
    EXPECT_EQ(Cell(6, "CH Name"), "YARD");
    EXPECT_EQ(Grid()->currentRow(), 7);

    // F2 opens the frequency; Tab commits it.
    Go(6, "RX[MHz]");
    Key(Qt::Key_F2);
    Keys("151.82");
    Key(Qt::Key_Tab);
    EXPECT_DOUBLE_EQ(lmr7.Rxfreq, 151.82);
    EXPECT_EQ(Cell(6, "RX[MHz]"), "151.8200");
    // A refused value shows the rule and the cell keeps its value.
    Go(6, "RX[MHz]");
    Key(Qt::Key_F2);
    Keys("450");
    Key(Qt::Key_Return);
    EXPECT_EQ(LastMessage(), RefusalText(FieldId::RxFreq, 5));
    EXPECT_DOUBLE_EQ(lmr7.Rxfreq, 151.82);
    EXPECT_EQ(Cell(6, "RX[MHz]"), "151.8200");

    // A choice: the tone combo with the value table, committed with Enter.
    Go(6, "RxTone");
    Key(Qt::Key_F2);
    auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(combo, nullptr);
    combo->setCurrentIndex(combo->findText("100.0Hz"));
    Key(Qt::Key_Return);
    EXPECT_EQ(Cell(6, "RxTone"), "100.0Hz");
    EXPECT_EQ(lmr7.RxCTCSS, 13);
}

TEST_F(ChannelGridTest, SeveralSelectedRowsTakeAToggleAndAChoiceAndTheRefusedAreNamed)
{
    Start(5, "PU");
    ChannelBank& usa = m_data.UsaChannels;
    for (const int slot : {32, 33, 34, 35}) {
        ChannelRecord& ch = usa[static_cast<std::size_t>(slot)];
        ch.Enable = ch.TxEnable = slot != 33;  // 16A cannot take scanning while off
        ch.RxOnly = false;
    }
    Go(32, "MEM");
    const bool before = usa[32].ScanMemory;
    Grid()->selectionModel()->select(
        QItemSelection(Grid()->model()->index(32, 0), Grid()->model()->index(35, 0)),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    Key(Qt::Key_Space);
    for (const int slot : {32, 34, 35})
        EXPECT_EQ(usa[static_cast<std::size_t>(slot)].ScanMemory, !before) << slot;
    EXPECT_EQ(usa[33].ScanMemory, false);
    EXPECT_EQ(LastMessage(), "The channel does not offer this setting: CH16A");
    EXPECT_EQ(Cell(34, "MEM"), before ? "---" : "MEM");

    // A choice made on one of them reaches every selected row.
    usa[33].Enable = true;
    Grid()->setCurrentCell(32, Column("LOW"), QItemSelectionModel::NoUpdate);
    Grid()->selectionModel()->select(
        QItemSelection(Grid()->model()->index(32, 0), Grid()->model()->index(35, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    Key(Qt::Key_F2);
    auto* check = qobject_cast<QCheckBox*>(QApplication::focusWidget());
    ASSERT_NE(check, nullptr);
    check->setChecked(!usa[32].LowPower);
    const bool low = check->isChecked();
    Key(Qt::Key_Return);
    for (const int slot : {32, 33, 34, 35})
        EXPECT_EQ(usa[static_cast<std::size_t>(slot)].LowPower, low) << slot;
}

TEST_F(ChannelGridTest, AHeaderClickSortsTheViewAndTheFilterFindsRows)
{
    m_data = ResetData(5);
    const std::array<int, 3> tones{13, 9, 0};  // 100.0 Hz, 88.5 Hz, none
    for (std::size_t i = 0; i < tones.size(); ++i) {
        m_data.ExpChannels[i].Enable = true;
        m_data.ExpChannels[i].CHDisplayL = "0" + std::to_string(i + 1);
        m_data.ExpChannels[i].Rxfreq = 151.82;
        m_data.ExpChannels[i].RxCTCSS = static_cast<std::int16_t>(tones[i]);
    }
    const RadioData records = m_data;
    Show("ExpChannel");
    QHeaderView* header = Grid()->horizontalHeader();
    const int column = Column("RxTone");
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, 5});
    QCoreApplication::processEvents();
    ASSERT_EQ(header->sortIndicatorSection(), column);
    const bool ascending = header->sortIndicatorOrder() == Qt::AscendingOrder;
    EXPECT_EQ(Cell(ascending ? 38 : 0, "RxTone"), "88.5Hz");
    EXPECT_EQ(Cell(ascending ? 39 : 1, "RxTone"), "100.0Hz");
    EXPECT_TRUE(m_data == records) << "a sort orders the view, not the records";

    // Enter on the channel number of a sorted row opens that row's own channel.
    Go(ascending ? 38 : 0, "CH");
    Key(Qt::Key_Return);
    EXPECT_EQ(m_editor->CurrentKey().toStdString(), "E 2");

    Select("PU");
    Child<QLineEdit>("txtGridFilter")->setText("156.8");
    std::vector<std::string> shown;
    for (int row = 0; row < Grid()->rowCount(); ++row) {
        if (!Grid()->isRowHidden(row))
            shown.push_back(Cell(row, "CH"));
    }
    // 16 and 17 transmit on 156.800, 76 and 77 on 156.825 and 156.875.
    EXPECT_EQ(shown, (std::vector<std::string>{"16", "16A", "17", "17A", "76", "76A", "77", "77A"}));
    Child<QLineEdit>("txtGridFilter")->setText("wx");
    EXPECT_EQ(Grid()->isRowHidden(0), Cell(0, "CH Name").find("WX") == std::string::npos);
}

// The columns and cells of each bank and model are the edit layer's, as the page editor's test shows.
TEST_F(ChannelGridTest, AToneColumnIsAsWideAsItsWidestCellNeeds)
{
    m_data = ResetData(5);
    m_data.ExpChannels[0].TxCTCSS = 13;
    Show("ExpChannel");
    const int tone = Column("TxTone");
    ASSERT_EQ(Cell(0, "TxTone"), "100.0Hz");
    // The column is as wide as its widest cell needs with its margins, so no tone is cut short.
    QStyleOptionViewItem option;
    option.initFrom(Grid());
    EXPECT_GE(Grid()->columnWidth(tone),
              Grid()->itemDelegate()->sizeHint(option, Grid()->model()->index(0, tone)).width());
}

}  // namespace
}  // namespace kelpie
