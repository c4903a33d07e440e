// PageEditorTests.cpp — the page tree, the page switcher and both list grids as a user drives them.
#include <gtest/gtest.h>

#include <QCheckBox>
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

namespace kelpie {
namespace {

class PageEditorTest : public testing::Test
{
protected:
    void Start(int model, std::array<bool, kGroupCount> usable = {true, true, true, true})
    {
        m_data = ResetData(model);
        for (std::size_t g = 0; g < usable.size(); ++g)
            m_data.UsableGroups[g].Enable = usable[g];
        m_editor = std::make_unique<PageEditor>(m_data, m_shell);
        m_editor->resize(607, 360);  // the editor's share of the default window
        m_editor->show();
        m_editor->BuildPageTree();
        m_editor->SelectNodeByKey("General");
        Dialogs::ResetHooks();
    }

    template <typename T = QWidget>
    T* Child(const char* name) const
    {
        return m_editor->findChild<T*>(name);
    }
    QTreeWidget* Tree() const { return Child<QTreeWidget>("tvTreeView"); }
    QTableWidget* Grid(const char* name) const { return Child<QTableWidget>(name); }

    QTreeWidgetItem* Node(const QString& key) const
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it) {
            if ((*it)->data(0, Qt::UserRole).toString() == key)
                return *it;
        }
        return nullptr;
    }
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

    RadioData m_data;
    ShellState m_shell;
    std::unique_ptr<PageEditor> m_editor;
};

TEST_F(PageEditorTest, TreeAndGridsOfAnMv240)
{
    Start(1);
    EXPECT_EQ(Texts(Tree()->invisibleRootItem()),
              (QStringList{"General", "Programmable Channel", "EXP Channel"}));
    EXPECT_EQ(Texts(Node("General")),
              (QStringList{"Available CH Group Setup", "Common Setup", "ATIS Setup"}));
    EXPECT_EQ(Texts(Node("Program")), (QStringList{"USA", "INTL", "CANADA", "Weather"}));
    EXPECT_EQ(Node("PI 32")->text(0).left(4), "CH16");
    EXPECT_EQ(Node("ExpChannel")->childCount(), 40);
    EXPECT_EQ(FrontPanel(), "pictGeneral");
    EXPECT_EQ(Tree()->property("helpTopic").toInt(), 1054);
    EXPECT_EQ(Grid("MSFlexGrid1")->property("helpTopic").toInt(), 1022);

    m_editor->SelectNodeByKey("PU");
    EXPECT_EQ(FrontPanel(), "pictB");
    EXPECT_EQ(Grid("MSFlexGrid1")->columnCount(), 8);
    EXPECT_EQ(Grid("MSFlexGrid1")->rowCount(), 240);
    EXPECT_EQ(Grid("MSFlexGrid1")->item(32, 0)->text(), "16");
    EXPECT_EQ(Grid("MSFlexGrid1")->item(32, 1)->text(), "156.800");
    EXPECT_EQ(Grid("MSFlexGrid1")->columnWidth(0), 800 / 15);
    m_editor->SelectNodeByKey("ExpChannel");
    EXPECT_EQ(Headers("MSFlexGrid1"),
              (QStringList{"CH", "ENABLE", "DISP", "RX[MHz]", "TX[MHz]", "LOW", "UP", "MEM"}));
    EXPECT_EQ(Grid("MSFlexGrid1")->item(39, 0)->text(), "40");
}

TEST_F(PageEditorTest, TreeAndGridsOfAnMv230WithInternationalSwitchedOff)
{
    Start(5, {true, false, true, true});
    EXPECT_EQ(Texts(Tree()->invisibleRootItem()),
              (QStringList{"General", "Programmable Channel", "LMR Channel"}));
    EXPECT_EQ(Texts(Node("General")), (QStringList{"Available CH Group Setup", "Common Setup"}));
    EXPECT_EQ(Texts(Node("Program")), (QStringList{"USA", "CANADA", "Weather"}));
    m_data.UsableGroups[kGroupUsa].StatusName = "SHIP";
    m_editor->RefreshGroupCaptions();
    m_editor->RefreshGroupCaptions();
    EXPECT_EQ(Node("PU")->text(0), "USA(SHIP)");

    m_data.CanadaChannels[2].ChTag = "CCG";
    ChannelRecord& lmr3 = m_data.ExpChannels[2];
    lmr3.Enable = true;
    lmr3.ChTag = "YARD";
    lmr3.TxCTCSS = 9;
    lmr3.Rxfreq = 151.82;
    m_editor->SelectNodeByKey("PC");
    EXPECT_EQ(Grid("MSFlexGrid1")->columnCount(), 10);
    EXPECT_EQ(Grid("MSFlexGrid1")->item(2, 9)->text(), "CCG");
    m_editor->SelectNodeByKey("ExpChannel");
    EXPECT_EQ(Grid("MSFlexGrid1")->columnCount(), 14);
    const std::pair<int, QString> cells[] = {
        {0, "3"}, {1, "[Enable]"}, {3, "151.8200"}, {9, "YARD"}, {13, "88.5Hz"}};
    for (const auto& [column, text] : cells)
        EXPECT_EQ(Grid("MSFlexGrid1")->item(2, column)->text(), text) << column;
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

TEST_F(PageEditorTest, ClickOnTheCurrentNodeRunsNeitherCommitNorFillAndARefusedCommitJumpsBack)
{
    Start(5);
    ClickNode("E 1");
    ASSERT_EQ(m_editor->CurrentKey(), "E 1");
    // The channel page's own controls arrive with the channel page; these stand in for the three
    // that decide whether an extra-bank channel may be left.
    auto* enable = new QCheckBox(Child("pictC"));
    enable->setObjectName("chkCEnable");
    enable->setChecked(true);
    auto* rx = new QLineEdit("---.----", Child("pictC"));
    rx->setObjectName("txtCRF");
    auto* number = new QLineEdit("1", Child("pictC"));
    number->setObjectName("txtCN_0");
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

    rx->setText("151.8200");
    number->setText("12");
    ClickNode("E 2");
    ASSERT_EQ(shown.count(), 1);
    EXPECT_EQ(shown[0][0].toString(), "E 2");
}

TEST_F(PageEditorTest, ShowingAPageNeverSetsDataChanged)
{
    Start(0);
    // A page's controls fire change events while they are filled; the grid's model stands in here.
    QObject::connect(Grid("MSFlexGrid1")->model(), &QAbstractItemModel::rowsInserted,
                     [this] { m_shell.DataChanged = true; });
    for (const bool before : {false, true}) {
        for (const char* key :
             {"Usable", "DSC", "PU", "PU 5", "PW", "ExpChannel", "E 3", "SM", "SM 1", "General"}) {
            m_shell.DataChanged = before;
            m_editor->SelectNodeByKey(key);
            EXPECT_EQ(m_editor->CurrentKey(), key);
            EXPECT_EQ(m_shell.DataChanged, before) << key;
            EXPECT_FALSE(m_shell.CancelFlag) << key;
        }
    }
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
