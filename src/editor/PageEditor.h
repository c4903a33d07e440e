// PageEditor.h — the editor side of the main window: the page tree on the left, the page stack on
// the right with the general page, the panels of the setting pages and both list grids.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "edit/GridEdit.h"
#include "edit/PageTree.h"
#include "editor/PageView.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

class QLabel;
class QLineEdit;
class QSplitter;
class QStackedWidget;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelpie {

class PageEditor : public QWidget
{
    Q_OBJECT
public:
    PageEditor(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void BuildPageTree();
    void RefreshGroupCaptions();
    void ShowPage(QTreeWidgetItem* node);
    bool CommitPage();
    void SelectNodeByKey(const QString& key);
    void PrepareForNewData();                      // panels and lists ready for new data
    void ShowCurrentPageAgain();                   // show the selected node's page again
    QString CurrentKey() const;                    // key of the current node, empty when none
    void SetDestinationName(const QString& name);  // shown on the general page
    void RefreshGeneralPage();  // model, destination, data file (or unsaved) on the start page
    // The start page's question which radio is to be programmed, shown on the very first start.
    void SetModelQuestionVisible(bool visible);
    // Puts a setting page into the panel of its page kind; the editor fills it when one of its
    // nodes is shown and asks it before the page is left.
    void SetPageView(Page page, PageView* view);
    // Captions of every node again from the records, the tree's structure kept.
    void RefreshNodeTexts();
    // The bank whose channel list is in view (kGroupUsa … kGroupBankE), or -1; and the list indexes
    // of its selected rows, in order.
    int ChannelGridGroup() const;
    std::vector<int> SelectedChannelRows() const;
    // The channel list and the tree captions again after rows were written, the rows selected.
    void ShowChannelRowsChanged(const std::vector<int>& rows);
    // After the records changed under the pages (an undo): the tree and its captions rebuilt, and
    // the page of the key shown filled from the records (the page in view when the key has none).
    void ShowRecordsAgain(const QString& key);

    // The split between the tree and the pages, as the window keeps it between runs. A state that
    // does not restore leaves the split the editor puts when it first shows.
    QByteArray SplitterState() const;
    void RestoreSplitterState(const QByteArray& state);

signals:
    void StatusText(const QString& text);  // the first status-bar panel
    void ReadRadioRequested();             // start-page buttons
    void OpenFileRequested();
    void NewImageRequested();
    void ModelChosen(int model);         // a radio chosen in the start page's question
    void PageShown(const QString& key);  // a node's page was shown (filled) by ShowPage

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kPanelCount = 12;

    QWidget* AddPanel(const QString& name, const QString& title);
    QWidget* BuildGeneralPage();
    QWidget* BuildModelQuestion(QWidget* page);
    QTableWidget* AddGrid(QWidget* panel, const QString& name);
    QWidget* PanelOf(Page page) const;
    void BringForward(QWidget* panel);
    void OnNodeSelected(QTreeWidgetItem* node);
    void OnNodeExpanded(QTreeWidgetItem* node);
    void FillChannelGrid(int group);
    void FillDirectoryGrid(DirectoryKind kind);
    void FillBankGrid();
    void JumpFromGrid(QTableWidget* grid);

    // The channel grid edited in place: each change goes through the edit layer, a flag or a
    // choice to every selected row when the edited row is one of them, and the rows show the
    // records again.
    void SetUpChannelGridEditing();
    ChannelRef GridRef(int row) const;
    GridField GridFieldAt(int column) const;
    std::vector<int> RecordsToEdit(int row) const;
    void CommitGridValue(int row, GridField field, int value);
    void CommitGridText(int row, GridField field, const QString& text);
    void AfterGridEdit(const std::vector<int>& records, const CellOutcome& outcome, GridField field);
    void RefreshGridRows(const std::vector<int>& records);
    bool ChannelGridKey(QKeyEvent* event);
    void FilterChannelGrid();

    RadioData& m_data;
    ShellState& m_shell;
    QString m_destinationName;

    QSplitter* m_splitter = nullptr;
    bool m_splitterPlaced = false;
    QTreeWidget* tvTreeView = nullptr;
    QStackedWidget* m_pages = nullptr;
    std::array<QWidget*, kPanelCount> m_panels{};  // pictGeneral … pictBanks, in the order of Page
    std::array<PageView*, kPanelCount> m_views{};  // the setting page in each panel, if any
    QTableWidget* MSFlexGrid1 = nullptr;
    QTableWidget* MSFlexGrid2 = nullptr;
    QTableWidget* grdBanks = nullptr;       // the channel banks on the Programmable Channel page
    QLineEdit* txtGridFilter = nullptr;     // finds rows of the channel grid by text
    std::vector<GridColumn> m_gridColumns;  // the channel grid's columns as filled
    int m_gridGroup = kGroupUsa;            // the bank the channel grid (MSFlexGrid1) shows
    QLabel* m_generalModel = nullptr;
    QLabel* m_generalDestination = nullptr;
    QLabel* m_generalFile = nullptr;
    QLabel* m_generalCable = nullptr;
    QWidget* m_modelQuestion = nullptr;  // fraGeneralModel

    std::vector<QTreeWidgetItem*> m_nodes;                     // in the order they were added
    std::array<QTreeWidgetItem*, kGroupCount> m_groupNodes{};  // USA, INTL, CANADA, extra bank
    QTreeWidgetItem* m_current = nullptr;                      // the current node
};

}  // namespace kelpie
