// PageEditorTests.cpp — the page tree, the page switcher and both list grids as a user drives them.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "editor/Dialogs.h"
#include "editor/PageEditor.h"
#include "support/ResetData.h"

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace kelpie {
namespace {

class PageEditorTest : public testing::Test
{
protected:
    void Start(int model, std::array<bool, kGroupCount> usable = {true, true, true, true})
    {
        m_data = ResetData(model);
        for (int g = 0; g < kGroupCount; ++g)
            m_data.UsableGroups[static_cast<std::size_t>(g)].Enable = usable[static_cast<std::size_t>(g)];
        m_editor = std::make_unique<PageEditor>(m_data, m_shell);
        m_editor->resize(607, 360);  // the editor's share of the default window
        m_editor->show();
        m_editor->BuildPageTree();
        m_editor->SelectNodeByKey("General");
        Dialogs::ResetHooks();
    }

    template <typename T>
    T* Child(const char* name)
    {
        T* child = m_editor->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QTreeWidget* Tree() { return Child<QTreeWidget>("tvTreeView"); }
    QTableWidget* Grid1() { return Child<QTableWidget>("MSFlexGrid1"); }
    QTableWidget* Grid2() { return Child<QTableWidget>("MSFlexGrid2"); }

    QTreeWidgetItem* Node(const QString& key)
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == key)
                return *it;
        }
        ADD_FAILURE() << "no node " << key.toStdString();
        return nullptr;
    }

    static QStringList Texts(const QTreeWidgetItem* parent)
    {
        QStringList texts;
        for (int i = 0; i < parent->childCount(); ++i)
            texts << parent->child(i)->text(0);
        return texts;
    }
    QStringList RootTexts()
    {
        QStringList texts;
        for (int i = 0; i < Tree()->topLevelItemCount(); ++i)
            texts << Tree()->topLevelItem(i)->text(0);
        return texts;
    }
    static QStringList Headers(QTableWidget* grid)
    {
        QStringList headers;
        for (int c = 0; c < grid->columnCount(); ++c)
            headers << grid->horizontalHeaderItem(c)->text();
        return headers;
    }

    // The panel in front, checked to be the only one enabled.
    QString FrontPanel()
    {
        auto* pages = Child<QStackedWidget>("pages");
        for (int i = 0; i < pages->count(); ++i) {
            QWidget* panel = pages->widget(i);
            EXPECT_EQ(panel->isEnabled(), panel == pages->currentWidget()) << panel->objectName().toStdString();
        }
        return pages->currentWidget()->objectName();
    }

    void ClickNode(const QString& key)
    {
        QTreeWidgetItem* node = Node(key);
        Tree()->scrollToItem(node);
        QCoreApplication::processEvents();
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, Tree()->visualItemRect(node).center());
        QCoreApplication::processEvents();
    }

    // The channel page's own controls arrive with the channel page; these stand in for the three
    // that decide whether an extra-bank channel may be left.
    void PutChannelControls(bool enable, const QString& rx, const QString& number)
    {
        QWidget* page = Child<QWidget>("pictC");
        auto* check = new QCheckBox(page);
        check->setObjectName("chkCEnable");
        check->setChecked(enable);
        auto* rxBox = new QLineEdit(rx, page);
        rxBox->setObjectName("txtCRF");
        auto* numberBox = new QLineEdit(number, page);
        numberBox->setObjectName("txtCN_0");
    }

    RadioData m_data;
    ShellState m_shell;
    std::unique_ptr<PageEditor> m_editor;
};

TEST_F(PageEditorTest, TreeOfAnMv240)
{
    Start(1);
    EXPECT_EQ(RootTexts(), (QStringList{"General", "Programmable Channel", "EXP Channel"}));
    EXPECT_EQ(Texts(Node("General")), (QStringList{"Available CH Group Setup", "Common Setup", "ATIS Setup"}));
    EXPECT_EQ(Texts(Node("Program")), (QStringList{"USA", "INTL", "CANADA", "Weather"}));
    EXPECT_EQ(Node("PU")->childCount(), 240);
    EXPECT_EQ(Node("ExpChannel")->childCount(), 40);
    EXPECT_EQ(Node("PI 32")->text(0).left(4), "CH16");
    EXPECT_EQ(m_editor->CurrentKey(), "General");
    EXPECT_EQ(FrontPanel(), "pictGeneral");
    EXPECT_EQ(Tree()->property("helpTopic").toInt(), 1054);
    EXPECT_EQ(Grid1()->property("helpTopic").toInt(), 1022);
}

TEST_F(PageEditorTest, TreeOfAnMv230WithInternationalSwitchedOffAndGroupCaptions)
{
    Start(5, {true, false, true, true});
    EXPECT_EQ(RootTexts(), (QStringList{"General", "Programmable Channel", "LMR Channel"}));
    EXPECT_EQ(Texts(Node("General")), (QStringList{"Available CH Group Setup", "Common Setup"}));
    EXPECT_EQ(Texts(Node("Program")), (QStringList{"USA", "CANADA", "Weather"}));

    m_data.UsableGroups[kGroupUsa].StatusName = "SHIP";
    m_data.UsableGroups[kGroupBankE].StatusName = "WORK";
    m_data.UsableGroups[kGroupBankE].StatusIcon = true;
    m_editor->RefreshGroupCaptions();
    m_editor->RefreshGroupCaptions();
    EXPECT_EQ(Node("PU")->text(0), "USA(SHIP)");
    EXPECT_EQ(Node("ExpChannel")->text(0), "LMR Channel");
}

TEST_F(PageEditorTest, DirectoryNodesAndTheirGridOnAModelWithDsc)
{
    Start(0);
    EXPECT_EQ(RootTexts().last(), "DSC Setting");
    EXPECT_EQ(Texts(Node("DSCSETTING")), (QStringList{"Memory ID", "Group ID"}));
    m_data.IndividualDirectory[1] = {true, "HARBOUR", "2345678900"};
    Node("SM")->setExpanded(true);
    EXPECT_EQ(Node("SM 2")->text(0), "Station 2[Enable]");

    m_editor->SelectNodeByKey("SM");
    EXPECT_EQ(FrontPanel(), "pictE");
    EXPECT_EQ(Headers(Grid2()), (QStringList{"No.", "STATION NAME", "MMSI"}));
    EXPECT_EQ(Grid2()->rowCount(), 40);
    EXPECT_EQ(Grid2()->item(1, 1)->text(), "HARBOUR");
    EXPECT_EQ(Grid2()->item(1, 2)->text(), "2345678900");
    EXPECT_EQ(Grid2()->columnWidth(2), 2150 / 15);
    m_editor->SelectNodeByKey("SG");
    EXPECT_EQ(Headers(Grid2())[1], "GROUP NAME");
    EXPECT_EQ(Grid2()->rowCount(), 10);

    m_editor->SelectNodeByKey("DSC");
    EXPECT_EQ(FrontPanel(), "pictDSC");
    m_editor->SelectNodeByKey("SG 4");
    EXPECT_EQ(FrontPanel(), "pictG");
}

TEST_F(PageEditorTest, GridColumnsAndCellsOfAnMv240)
{
    Start(1);
    m_data.UsaChannels[32].TxEnable = true;
    m_data.UsaChannels[32].Duplex = false;
    m_editor->SelectNodeByKey("PU");
    EXPECT_EQ(FrontPanel(), "pictB");
    EXPECT_EQ(Grid1()->columnCount(), 8);
    EXPECT_EQ(Grid1()->rowCount(), 240);
    EXPECT_EQ(Grid1()->item(32, 0)->text(), "16");
    EXPECT_EQ(Grid1()->item(32, 1)->text(), "156.800");
    EXPECT_EQ(Grid1()->item(32, 3)->text(), "TX");
    EXPECT_EQ(Grid1()->columnWidth(0), 800 / 15);

    m_editor->SelectNodeByKey("ExpChannel");
    EXPECT_EQ(Grid1()->columnCount(), 8);
    EXPECT_EQ(Grid1()->rowCount(), 40);
    EXPECT_EQ(Headers(Grid1()), (QStringList{"CH", "ENABLE", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM"}));
    EXPECT_EQ(Grid1()->item(39, 0)->text(), "40");
}

TEST_F(PageEditorTest, GridColumnsAndCellsOfAnLmrModel)
{
    Start(5);
    ChannelRecord& lmr = m_data.ExpChannels[2];
    lmr.Enable = true;
    lmr.Rxfreq = 151.82;
    lmr.Txfreq = 0;
    lmr.TxCTCSS = 9;
    lmr.ChTag = "YARD";
    m_data.CanadaChannels[2].ChTag = "CCG";

    m_editor->SelectNodeByKey("PC");
    EXPECT_EQ(Grid1()->columnCount(), 10);
    EXPECT_EQ(Headers(Grid1()).mid(8), (QStringList{"VS", "CH Name"}));
    EXPECT_EQ(Grid1()->item(2, 0)->text(), "01");
    EXPECT_EQ(Grid1()->item(2, 9)->text(), "CCG");
    EXPECT_EQ(Grid1()->columnWidth(9), 2000 / 15);

    m_editor->SelectNodeByKey("ExpChannel");
    EXPECT_EQ(Grid1()->columnCount(), 14);
    EXPECT_EQ(Headers(Grid1()).last(), "TxTone");
    const QStringList expected{"3", "[Enable]", "151.8200", "---.----", "YARD", "88.5Hz"};
    const int columns[] = {0, 1, 3, 4, 9, 13};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Grid1()->item(2, columns[i])->text(), expected[i]) << columns[i];
    EXPECT_EQ(Grid1()->horizontalHeader()->defaultAlignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(PageEditorTest, GridJumpByDoubleClickAndByEnter)
{
    Start(5);
    m_editor->SelectNodeByKey("PU");
    QTableWidgetItem* ch16 = Grid1()->item(32, 0);
    Grid1()->scrollToItem(ch16);
    QCoreApplication::processEvents();
    const QPoint at = Grid1()->visualItemRect(ch16).center();
    QTest::mouseClick(Grid1()->viewport(), Qt::LeftButton, {}, at);  // a double click's first press
    QTest::mouseDClick(Grid1()->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(m_editor->CurrentKey(), "PU 32");
    EXPECT_EQ(Tree()->currentItem(), Node("PU 32"));
    EXPECT_EQ(FrontPanel(), "pictC");

    m_editor->SelectNodeByKey("ExpChannel");
    Grid1()->setFocus();
    Grid1()->setCurrentCell(4, 2);
    QTest::keyClick(Grid1(), Qt::Key_Return);
    EXPECT_EQ(m_editor->CurrentKey(), "E 5");
    EXPECT_EQ(FrontPanel(), "pictC");

    Start(3);
    m_editor->SelectNodeByKey("SG");
    Grid2()->setCurrentCell(6, 0);
    QTest::keyClick(Grid2(), Qt::Key_Enter);
    EXPECT_EQ(m_editor->CurrentKey(), "SG 7");
    EXPECT_EQ(FrontPanel(), "pictG");
}

TEST_F(PageEditorTest, ClickOnTheCurrentNodeRunsNeitherCommitNorFillAndARefusedCommitJumpsBack)
{
    Start(5);
    ClickNode("E 1");
    ASSERT_EQ(m_editor->CurrentKey(), "E 1");
    PutChannelControls(true, "---.----", "1");
    QSignalSpy shown(m_editor.get(), &PageEditor::PageShown);

    ClickNode("E 1");
    EXPECT_EQ(shown.count(), 0);
    EXPECT_TRUE(Dialogs::Shown().empty());

    ClickNode("E 2");
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "Data Error!!\r\nPlease input correct data.");
    EXPECT_EQ(Dialogs::Shown()[0].title, "PC Program for MV230 Series");
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(shown.count(), 0);
    EXPECT_EQ(m_editor->CurrentKey(), "E 1");
    EXPECT_EQ(Tree()->currentItem(), Node("E 1"));

    m_editor->findChild<QLineEdit*>("txtCRF")->setText("151.8200");
    m_editor->findChild<QLineEdit*>("txtCN_0")->setText("12");
    ClickNode("E 2");
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].toString(), "E 2");
    EXPECT_EQ(Dialogs::Shown().size(), 1u);
}

TEST_F(PageEditorTest, ShowingAPageNeverSetsDataChanged)
{
    Start(0);
    // A page's controls fire change events while they are filled; the grid's model stands in here.
    QObject::connect(Grid1()->model(), &QAbstractItemModel::dataChanged, [this] { m_shell.DataChanged = true; });
    QObject::connect(Grid1()->model(), &QAbstractItemModel::rowsInserted, [this] { m_shell.DataChanged = true; });
    for (const bool before : {false, true}) {
        for (const char* key : {"General", "Usable", "DSC", "PU", "PU 5", "PW", "ExpChannel", "E 3", "SM", "SM 1"}) {
            m_shell.DataChanged = before;
            m_editor->SelectNodeByKey(key);
            EXPECT_EQ(m_editor->CurrentKey(), key);
            EXPECT_EQ(m_shell.DataChanged, before) << key;
            EXPECT_FALSE(m_shell.CancelFlag) << key;
        }
    }
}

TEST_F(PageEditorTest, StatusTextsOfTreeAndGrids)
{
    Start(5);
    QSignalSpy status(m_editor.get(), &PageEditor::StatusText);
    m_editor->SelectNodeByKey("PU");
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last()[0].toString(), "[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
    m_editor->activateWindow();
    Grid1()->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(status.last()[0].toString(), "[Double click],[Enter]:Jump the Setting screen.");
}

TEST_F(PageEditorTest, GeneralPageNamesModelDestinationAndFileAndOffersTheFirstSteps)
{
    m_shell.ModelName = "MV240";
    Start(0);
    EXPECT_EQ(Child<QLabel>("lblGeneralModel")->text(), "MV240 series, for the MF7500S radio");
    EXPECT_TRUE(Child<QLabel>("lblGeneralFile")->text().startsWith("not saved"));
    m_editor->SetDestinationName("CANADA");
    m_shell.CurrentFileName = "/home/skipper/Radio1.dat";
    m_editor->RefreshGeneralPage();
    EXPECT_EQ(Child<QLabel>("lblGeneralDestination")->text(), "CANADA");
    EXPECT_EQ(Child<QLabel>("lblGeneralFile")->text(), "Radio1.dat");
    EXPECT_EQ(Child<QLabel>("lblGeneralCable")->text().count('\n'), 1);

    QSignalSpy read(m_editor.get(), &PageEditor::ReadRadioRequested);
    QSignalSpy open(m_editor.get(), &PageEditor::OpenFileRequested);
    QSignalSpy fresh(m_editor.get(), &PageEditor::NewImageRequested);
    Child<QPushButton>("cmdGeneralRead")->click();
    Child<QPushButton>("cmdGeneralOpen")->click();
    Child<QPushButton>("cmdGeneralNew")->click();
    EXPECT_EQ(read.count() + open.count() + fresh.count(), 3);
    EXPECT_EQ(open.count(), 1);

    // The page fits beside the tree in the default 607 x 444 window (menus, toolbar and status
    // bar take about 90 pixels of its height).
    const QSize needed = Child<QWidget>("pictGeneral")->minimumSizeHint();
    EXPECT_LE(needed.width(), 607 - 2500 / 15 - 10);
    EXPECT_LE(needed.height(), 444 - 90);
}

}  // namespace
}  // namespace kelpie
