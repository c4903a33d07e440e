// PageEditorTests.cpp — the page tree, the page switcher and both list grids as a user drives them.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>

#include "EditorTest.h"
#include "edit/ListGrids.h"
#include "edit/PageTree.h"

namespace kelpie {
namespace {

class PageEditorTest : public EditorTest
{
protected:
    void Start(int model, std::array<bool, kGroupCount> usable = {true, true, true, true})
    {
        m_data = ResetData(model);
        for (std::size_t g = 0; g < usable.size(); ++g)
            m_data.UsableGroups[g].Enable = usable[g];
        Show();
    }

    QTableWidget* Grid(const char* name) const { return Child<QTableWidget>(name); }
    static QStringList Texts(const QTreeWidgetItem* parent)
    {
        QStringList texts;
        for (int i = 0; i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
        return texts;
    }
    QStringList Headers(const char* name) const
    {
        QStringList headers;
        for (int c = 0; c < Grid(name)->columnCount(); ++c)
            headers << Grid(name)->horizontalHeaderItem(c)->text();
        return headers;
    }

    // The panel in front, checked to be the only one enabled.
    QString FrontPanel() const
    {
        auto* pages = Child<QStackedWidget>("pages");
        for (int i = 0; i < pages->count(); ++i)
            EXPECT_EQ(pages->widget(i)->isEnabled(), i == pages->currentIndex()) << i;
        return pages->currentWidget()->objectName();
    }

    void ClickNode(const QString& key)
    {
        Tree()->scrollToItem(Node(key));
        QCoreApplication::processEvents();
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(Node(key)).center());
        QCoreApplication::processEvents();
    }
};

// The tree and the grids show what the edit layer builds for the data, whose rules it pins.
TEST_F(PageEditorTest, TreeAndGridsShowWhatTheEditLayerBuilds)
{
    // One model: the widgets show whatever the edit layer builds, the same way for each.
    const int model = 5;
    Start(model, {true, false, true, true});
    m_data.CanadaChannels[2].ChTag = "CCG";
    m_data.ExpChannels[2].Enable = true;
    m_data.ExpChannels[2].TxCTCSS = 9;
    m_editor->BuildPageTree();
    const std::vector<PageNode> nodes = BuildPageNodes(m_data);
    int shown = 0;
    for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
        ++shown;
    EXPECT_EQ(shown, static_cast<int>(nodes.size()));
    for (const PageNode& node : nodes) {
        QTreeWidgetItem* item = Node(QString::fromStdString(node.Key));
        ASSERT_NE(item, nullptr) << node.Key;
        EXPECT_EQ(item->text(0).toStdString(), node.Text);
        EXPECT_EQ(item->parent() ? item->parent()->data(0, Qt::UserRole).toString().toStdString() : "",
                  node.ParentKey);
    }
    EXPECT_EQ(FrontPanel(), "pictGeneral");
    EXPECT_EQ(Grid("MSFlexGrid1")->property("helpTopic").toInt(), 1022);

    for (const auto& [key, group, row] :
         {std::tuple("PC", kGroupCanada, 2), std::tuple("ExpChannel", kGroupBankE, 2)}) {
        m_editor->SelectNodeByKey(key);
        EXPECT_EQ(FrontPanel(), "pictB");
        const std::vector<GridColumn> columns = ChannelGridColumns(group, model);
        const std::vector<std::string> cells = ChannelGridRow(m_data, group, row);
        ASSERT_EQ(Grid("MSFlexGrid1")->columnCount(), static_cast<int>(columns.size()));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int column = static_cast<int>(c);
            EXPECT_EQ(Headers("MSFlexGrid1")[column].toStdString(), columns[c].Header);
            // As wide as the twips width, or wider for the widest text.
            EXPECT_GE(Grid("MSFlexGrid1")->columnWidth(column), columns[c].WidthTwips / 15);
            EXPECT_EQ(Grid("MSFlexGrid1")->item(row, column)->text().toStdString(), cells[c]);
        }
    }
}

TEST_F(PageEditorTest, GridJumpByDoubleClickAndByEnter)
{
    Start(5);
    QSignalSpy status(m_editor.get(), &PageEditor::StatusText);
    m_editor->SelectNodeByKey("PU");
    QTableWidget* grid = Grid("MSFlexGrid1");
    grid->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(status.last()[0].toString(), "[Double click],[Enter]:Jump the Setting screen.");
    grid->scrollToItem(grid->item(32, 0));
    QCoreApplication::processEvents();
    const QPoint ch16 = grid->visualItemRect(grid->item(32, 0)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, ch16);  // a double click's first press
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, ch16);
    EXPECT_EQ(m_editor->CurrentKey(), "PU 32");
    EXPECT_EQ(Tree()->currentItem(), Node("PU 32"));
    EXPECT_EQ(FrontPanel(), "pictC");
    EXPECT_EQ(status.last()[0].toString(), "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");

    m_editor->SelectNodeByKey("ExpChannel");
    grid->setCurrentCell(4, 2);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(m_editor->CurrentKey(), "E 5");

    Start(3);
    m_data.IndividualDirectory[1] = {true, "HARBOUR", "2345678900"};
    Node("SM")->setExpanded(true);
    EXPECT_EQ(Node("SM 2")->text(0), "Station 2[Enable]");
    m_editor->SelectNodeByKey("SG");
    EXPECT_EQ(Headers("MSFlexGrid2"), (QStringList{"No.", "GROUP NAME", "MMSI"}));
    Grid("MSFlexGrid2")->setCurrentCell(6, 0);
    QTest::keyClick(Grid("MSFlexGrid2"), Qt::Key_Enter);
    EXPECT_EQ(m_editor->CurrentKey(), "SG 7");
    EXPECT_EQ(FrontPanel(), "pictG");
}

TEST_F(PageEditorTest, ProgrammableChannelListsTheBanksWithTheirEnabledChannelsAsTheyAreWhenShown)
{
    Start(5, {true, true, false, true});
    for (ChannelRecord& ch : m_data.UsaChannels)
        ch.Enable = false;
    m_data.UsaChannels[16].Enable = m_data.UsaChannels[22].Enable = true;
    m_editor->SelectNodeByKey("Program");
    EXPECT_EQ(FrontPanel(), "pictBanks");
    auto* grid = Grid("grdBanks");
    const auto column = [grid](int c) {
        QStringList cells;
        for (int r = 0; r < grid->rowCount(); ++r)
            cells << (grid->item(r, c) ? grid->item(r, c)->text() : QString());
        return cells;
    };
    EXPECT_EQ(Headers("grdBanks"), (QStringList{"BANK", "ENABLED", "AVAILABLE"}));
    EXPECT_EQ(column(0), (QStringList{"USA", "INTL", "CANADA", "Weather", "LMR"}));
    EXPECT_EQ(column(1)[0], "2 of 240");
    EXPECT_EQ(column(2)[0], "Yes");
    EXPECT_EQ(column(2)[2], "No");

    m_data.UsaChannels[16].Enable = false;
    Select("PW");
    Select("Program");
    EXPECT_EQ(column(1)[0], "1 of 240");
}

// A channel page that refuses to be left while told so, and counts its fills.
struct StandInChannelPage : PageView
{
    void Fill(const PageChoice&) override { ++fills; }
    bool Commit() override { return !refuse; }
    int fills = 0;
    bool refuse = false;
};

TEST_F(PageEditorTest, ClickOnTheCurrentNodeRunsNeitherCommitNorFillAndARefusedCommitJumpsBack)
{
    Start(5);
    auto* page = new StandInChannelPage;
    m_editor->SetPageView(Page::Channel, page);
    ClickNode("E 1");
    ASSERT_EQ(m_editor->CurrentKey(), "E 1");
    ASSERT_EQ(page->fills, 1);
    page->refuse = true;
    QSignalSpy shown(m_editor.get(), &PageEditor::PageShown);

    ClickNode("E 1");
    EXPECT_EQ(shown.count(), 0);

    ClickNode("E 2");
    EXPECT_EQ(shown.count(), 0);
    EXPECT_TRUE(test::WaitUntil([this] { return Tree()->currentItem() == Node("E 1"); },
                                "the tree goes back to the page that refused"));
    EXPECT_EQ(m_editor->CurrentKey(), "E 1");
    EXPECT_EQ(page->fills, 1);

    page->refuse = false;
    ClickNode("E 2");
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].toString(), "E 2");
    EXPECT_EQ(page->fills, 2);
}

TEST_F(PageEditorTest, ShowingAPageNeverSetsDataChanged)
{
    Start(0);
    // A page's controls fire change events while they are filled; the grid's model stands in here.
    QObject::connect(Grid("MSFlexGrid1")->model(), &QAbstractItemModel::rowsInserted,
                     [this] { m_shell.DataChanged = true; });
    for (const bool before : {false, true}) {
        for (const char* key : {"Usable", "Common", "DSC", "ATIS", "PU", "PU 5", "PW", "ExpChannel", "E 3",
                                "SM", "SM 1", "General"}) {
            m_shell.DataChanged = before;
            m_editor->SelectNodeByKey(key);
            EXPECT_EQ(m_editor->CurrentKey(), key);
            EXPECT_EQ(m_shell.DataChanged, before) << key;
            EXPECT_FALSE(m_shell.CancelFlag) << key;
        }
    }
}

// The file's name once saved is checked by the main window's save test.
TEST_F(PageEditorTest, GeneralPageNamesModelDestinationAndFileAndOffersTheFirstSteps)
{
    m_shell.ModelName = "MV240";
    Start(0);
    EXPECT_EQ(Child<QLabel>("lblGeneralModel")->text(), "MF7500S");
    EXPECT_TRUE(Child<QLabel>("lblGeneralFile")->text().startsWith("not saved"));
    m_editor->SetDestinationName("CANADA");
    EXPECT_EQ(Child<QLabel>("lblGeneralDestination")->text(), "CANADA");
    EXPECT_EQ(Child<QLabel>("lblGeneralCable")->text().count('\n'), 1);

    QSignalSpy read(m_editor.get(), &PageEditor::ReadRadioRequested);
    QSignalSpy open(m_editor.get(), &PageEditor::OpenFileRequested);
    QSignalSpy fresh(m_editor.get(), &PageEditor::NewImageRequested);
    for (const char* button : {"cmdGeneralRead", "cmdGeneralOpen", "cmdGeneralNew"})
        Child<QPushButton>(button)->click();
    EXPECT_EQ(std::tuple(read.count(), open.count(), fresh.count()), std::tuple(1, 1, 1));

    // The page fits beside the tree in the default 607 x 444 window, whose menus, toolbar and
    // status bar take about 90 pixels of its height.
    const QSize needed = Child("pictGeneral")->minimumSizeHint();
    EXPECT_LE(needed.width(), 607 - 2500 / 15 - 10);
    EXPECT_LE(needed.height(), 444 - 90);
}

}  // namespace
}  // namespace kelpie
