// PageEditor.cpp — tree, page stack and list grids of the main window. What a node is called,
// which page it shows and what a grid cell says come from the edit layer; this file draws it.
#include "editor/PageEditor.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "edit/EditHistory.h"
#include "edit/ListGrids.h"
#include "editor/AtisPage.h"
#include "editor/ChannelPageView.h"
#include "editor/CommonPage.h"
#include "editor/Dialogs.h"
#include "editor/DirectoryEntryPage.h"
#include "editor/DscPage.h"
#include "editor/GridCells.h"
#include "editor/HelpTopic.h"
#include "editor/RecordText.h"
#include "editor/UsablePage.h"
#include "editor/WeatherPageView.h"
#include "model/Models.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

QString TreeHint()
{
    return PageEditor::tr("[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
}

QString GridHint()
{
    return PageEditor::tr("[Double click],[Enter]:Jump the Setting screen.");
}

constexpr int kTreeWidthTwips = 2500;
constexpr int kTreeTopic = 1054;
constexpr int kChannelGridTopic = 1022;
constexpr int kDirectoryTopic = 1049;
constexpr int kConnectionTopic = 1012;

QString KeyOf(const QTreeWidgetItem* node)
{
    return node->data(0, Qt::UserRole).toString();
}

QString ParentKeyOf(const QTreeWidgetItem* node)
{
    return node->parent() ? KeyOf(node->parent()) : QString();
}

void SetColumns(QTableWidget* grid, const std::vector<GridColumn>& columns)
{
    grid->setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const GridColumn& column : columns)
        headers << ShownText(column.Header);
    grid->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c)
        grid->setColumnWidth(c, columns[static_cast<std::size_t>(c)].WidthTwips / kTwipsPerPixel);
}

// Every column as wide as its widest text, and never narrower than its twips width.
void FitColumns(QTableWidget* grid, const std::vector<GridColumn>& columns)
{
    grid->resizeColumnsToContents();
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        grid->setColumnWidth(c, std::max(grid->columnWidth(c),
                                         columns[static_cast<std::size_t>(c)].WidthTwips / kTwipsPerPixel));
    }
}

// The row of record `row`; a cell that opens no editor is not editable, so that Tab passes it.
void SetRow(QTableWidget* grid, int row, const std::vector<std::string>& cells,
            const std::vector<bool>& editable = {})
{
    for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
        auto* item = new GridItem(ShownText(cells[static_cast<std::size_t>(c)]), row);
        if (static_cast<std::size_t>(c) >= editable.size() || !editable[static_cast<std::size_t>(c)])
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        grid->setItem(row, c, item);
    }
}

}  // namespace

PageEditor::PageEditor(RadioData& data, ShellState& shell, QWidget* parent)
    : QWidget(parent), m_data(data), m_shell(shell)
{
    setObjectName(u"PageEditor"_s);
    m_splitter = new QSplitter(this);
    m_splitter->setObjectName(u"splitter"_s);
    m_splitter->setChildrenCollapsible(false);

    tvTreeView = new QTreeWidget(m_splitter);
    tvTreeView->setObjectName(u"tvTreeView"_s);
    tvTreeView->setHeaderHidden(true);
    tvTreeView->setUniformRowHeights(true);
    // Long captions scroll sideways instead of being cut short in the narrow tree.
    tvTreeView->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tvTreeView->header()->setStretchLastSection(false);
    SetHelpTopic(tvTreeView, kTreeTopic);
    tvTreeView->installEventFilter(this);
    connect(tvTreeView, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnNodeSelected(current); });
    connect(tvTreeView, &QTreeWidget::itemExpanded, this, &PageEditor::OnNodeExpanded);

    m_pages = new QStackedWidget(m_splitter);
    m_pages->setObjectName(u"pages"_s);
    m_panels = {BuildGeneralPage(),
                AddPanel(u"pictGrey"_s, QString()),
                AddPanel(u"pictUsable"_s, tr("Available CH Group Setup")),
                AddPanel(u"pictCommon"_s, tr("Common Setup")),
                AddPanel(u"pictDSC"_s, tr("DSC Setup")),
                AddPanel(u"pictATIS"_s, tr("ATIS Setup")),
                AddPanel(u"pictB"_s, QString()),
                AddPanel(u"pictC"_s, tr("Channel")),
                AddPanel(u"pictD"_s, tr("Weather Channels")),
                AddPanel(u"pictE"_s, QString()),
                AddPanel(u"pictG"_s, tr("Directory Entry")),
                AddPanel(u"pictBanks"_s, QString())};
    MSFlexGrid1 = AddGrid(PanelOf(Page::ChannelList), u"MSFlexGrid1"_s);
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);  // rows to copy and paste
    SetHelpTopic(MSFlexGrid1, kChannelGridTopic);
    SetUpChannelGridEditing();
    MSFlexGrid2 = AddGrid(PanelOf(Page::DirectoryList), u"MSFlexGrid2"_s);
    SetHelpTopic(MSFlexGrid2, kDirectoryTopic);
    grdBanks = AddGrid(PanelOf(Page::Banks), u"grdBanks"_s);
    SetPageView(Page::Channel, new ChannelPageView(m_data, m_shell));
    SetPageView(Page::Weather, new WeatherPageView(m_data, m_shell));
    BringForward(PanelOf(Page::General));
    SetPageView(Page::Usable, new UsablePage(m_data, m_shell));
    SetPageView(Page::Common, new CommonPage(m_data, m_shell));
    SetPageView(Page::Dsc, new DscPage(m_data, m_shell));
    SetPageView(Page::Atis, new AtisPage(m_data, m_shell));
    SetPageView(Page::DirectoryEntry, new DirectoryEntryPage(m_data, m_shell));

    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
}

QWidget* PageEditor::AddPanel(const QString& name, const QString& title)
{
    auto* panel = new QWidget(m_pages);
    panel->setObjectName(name);
    auto* layout = new QVBoxLayout(panel);
    if (!title.isEmpty()) {
        auto* heading = new QLabel(title, panel);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        layout->addWidget(heading);
        layout->addStretch(1);
    }
    panel->setEnabled(false);
    m_pages->addWidget(panel);
    return panel;
}

QTableWidget* PageEditor::AddGrid(QWidget* panel, const QString& name)
{
    auto* grid = new QTableWidget(panel);
    grid->setObjectName(name);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 4);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->installEventFilter(this);
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid](int row, int column) {
        // A cell of the channel grid that takes an edit opens its editor instead.
        if (grid != MSFlexGrid1 || !CellEditable(m_data, GridRef(row), GridFieldAt(column)))
            JumpFromGrid(grid);
    });
    panel->layout()->setContentsMargins(0, 0, 0, 0);
    panel->layout()->addWidget(grid);
    return grid;
}

QWidget* PageEditor::BuildGeneralPage()
{
    auto* page = new QWidget(m_pages);
    page->setObjectName(u"pictGeneral"_s);
    SetHelpTopic(page, kConnectionTopic);
    auto* layout = new QVBoxLayout(page);

    auto* title = new QLabel(
        tr("%1 – marine radio programming").arg(QString::fromStdString(m_shell.ProductName)), page);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    title->setFont(titleFont);
    layout->addWidget(title);

    auto* facts = new QFormLayout;
    auto addFact = [&](const QString& caption, const QString& name) {
        auto* value = new QLabel(page);
        value->setObjectName(name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        facts->addRow(caption, value);
        return value;
    };
    m_generalModel = addFact(tr("Model:"), u"lblGeneralModel"_s);
    m_generalDestination = addFact(tr("Destination:"), u"lblGeneralDestination"_s);
    m_generalFile = addFact(tr("Data file:"), u"lblGeneralFile"_s);
    layout->addLayout(facts);
    layout->addWidget(BuildModelQuestion(page));

    auto* steps = new QGroupBox(tr("First steps"), page);
    steps->setObjectName(u"fraGeneralSteps"_s);
    auto* stepLayout = new QFormLayout(steps);
    auto addStep = [&](const QString& caption, const QString& name, const QString& explanation,
                       void (PageEditor::*requested)()) {
        auto* button = new QPushButton(caption, steps);
        button->setObjectName(name);
        connect(button, &QPushButton::clicked, this, requested);
        auto* text = new QLabel(explanation, steps);
        text->setWordWrap(true);
        stepLayout->addRow(button, text);
    };
    addStep(tr("Read from Radio..."), u"cmdGeneralRead"_s, tr("Copy the programming out of the radio."),
            &PageEditor::ReadRadioRequested);
    addStep(tr("Open File..."), u"cmdGeneralOpen"_s, tr("Load a data file (.dat) saved earlier."),
            &PageEditor::OpenFileRequested);
    addStep(tr("New"), u"cmdGeneralNew"_s, tr("Start again from the default programming of this model."),
            &PageEditor::NewImageRequested);
    layout->addWidget(steps);

    m_generalCable = new QLabel(page);
    m_generalCable->setObjectName(u"lblGeneralCable"_s);
    m_generalCable->setWordWrap(true);
    layout->addWidget(m_generalCable);
    layout->addStretch(1);

    m_pages->addWidget(page);
    RefreshGeneralPage();
    return page;
}

QWidget* PageEditor::BuildModelQuestion(QWidget* page)
{
    auto* question = new QGroupBox(tr("Which radio do you program?"), page);
    question->setObjectName(u"fraGeneralModel"_s);
    auto* layout = new QVBoxLayout(question);
    // Four buttons a row, so that the question fits the window's first width.
    constexpr int kPerRow = 4;
    auto* buttons = new QGridLayout;
    for (int model = 0; model < kModelCount; ++model) {
        auto* button = new QPushButton(QString::fromStdString(RadioNameOf(model)), question);
        button->setObjectName(u"cmdGeneralModel%1"_s.arg(model));
        connect(button, &QPushButton::clicked, this, [this, model] { emit ModelChosen(model); });
        buttons->addWidget(button, model / kPerRow, model % kPerRow);
    }
    layout->addLayout(buttons);
    auto* note = new QLabel(tr("Not sure? Read from Radio recognises the radio on the cable and offers to "
                               "switch to it. Edit › Model changes the radio later."),
                            question);
    note->setObjectName(u"lblGeneralModelNote"_s);
    note->setWordWrap(true);
    layout->addWidget(note);
    question->hide();
    m_modelQuestion = question;
    return question;
}

void PageEditor::SetModelQuestionVisible(bool visible)
{
    m_modelQuestion->setVisible(visible);
}

QWidget* PageEditor::PanelOf(Page page) const
{
    return m_panels.at(static_cast<std::size_t>(page));
}

void PageEditor::BringForward(QWidget* panel)
{
    for (QWidget* each : m_panels)
        each->setEnabled(false);
    m_pages->setCurrentWidget(panel);
    panel->setEnabled(true);
}

void PageEditor::BuildPageTree()
{
    const QSignalBlocker blocker(tvTreeView);
    const QString currentKey = CurrentKey();
    tvTreeView->clear();
    m_nodes.clear();
    m_groupNodes.fill(nullptr);
    m_current = nullptr;

    QHash<QString, QTreeWidgetItem*> byKey;
    QList<QTreeWidgetItem*> roots;
    for (const PageNode& node : BuildPageNodes(m_data)) {
        const QString key = ShownText(node.Key);
        const QString parentKey = ShownText(node.ParentKey);
        auto* item = parentKey.isEmpty() ? new QTreeWidgetItem : new QTreeWidgetItem(byKey.value(parentKey));
        item->setText(0, ShownText(node.Text));
        item->setData(0, Qt::UserRole, key);
        if (parentKey.isEmpty())
            roots << item;
        byKey.insert(key, item);
        m_nodes.push_back(item);
    }
    for (int group = 0; group < kGroupCount; ++group)
        m_groupNodes[static_cast<std::size_t>(group)] = byKey.value(ShownText(GroupNodeKey(group)));
    tvTreeView->addTopLevelItems(roots);
    for (const QString& open : {u"General"_s, u"Program"_s}) {
        if (QTreeWidgetItem* item = byKey.value(open))
            item->setExpanded(true);
    }
    // The page on show stays the current node when the new tree still has it.
    if (QTreeWidgetItem* current = byKey.value(currentKey)) {
        m_current = current;
        tvTreeView->setCurrentItem(current);
    }
}

void PageEditor::RefreshGroupCaptions()
{
    for (int group = 0; group < kGroupCount; ++group) {
        if (QTreeWidgetItem* node = m_groupNodes[static_cast<std::size_t>(group)]) {
            node->setText(0, ShownText(GroupCaption(RecordText(node->text(0)),
                                                    m_data.UsableGroups[static_cast<std::size_t>(group)])));
        }
    }
}

void PageEditor::OnNodeExpanded(QTreeWidgetItem* node)
{
    const std::optional<PageChoice> list = ChoosePage(RecordText(KeyOf(node)), RecordText(ParentKeyOf(node)));
    if (!list || list->page != Page::DirectoryList)
        return;
    const std::span<const DirectoryEntry> entries = DirectoryOf(m_data, list->directory);
    for (int i = 0; i < node->childCount() && i < static_cast<int>(entries.size()); ++i) {
        QTreeWidgetItem* child = node->child(i);
        child->setText(0, ShownText(EnableCaption(RecordText(child->text(0)),
                                                  entries[static_cast<std::size_t>(i)].Enabled)));
    }
}

void PageEditor::ShowPage(QTreeWidgetItem* node)
{
    // Filling a page fires its controls' change events; showing must never mark the data changed.
    const bool dataChanged = m_shell.DataChanged;
    m_shell.CancelFlag = true;

    const QString key = KeyOf(node);
    if (const std::optional<PageChoice> choice = ChoosePage(RecordText(key), RecordText(ParentKeyOf(node)))) {
        switch (choice->page) {
            case Page::General:
                RefreshGeneralPage();
                break;
            case Page::ChannelList:
                FillChannelGrid(choice->group);
                break;
            case Page::DirectoryList:
                FillDirectoryGrid(choice->directory);
                break;
            case Page::Banks:
                FillBankGrid();
                break;
            default:
                if (PageView* view = m_views.at(static_cast<std::size_t>(choice->page)))
                    view->Fill(*choice);
                break;
        }
        BringForward(PanelOf(choice->page));
    }

    emit StatusText(TreeHint());
    m_shell.CancelFlag = false;
    m_shell.DataChanged = dataChanged;
    if (m_shell.History)
        m_shell.History->SetPageInView({EnableCaption(RecordText(node->text(0)), false), RecordText(key)});
    emit PageShown(key);
}

void PageEditor::FillChannelGrid(int group)
{
    MSFlexGrid1->hide();
    MSFlexGrid1->clearContents();
    m_gridGroup = group;
    m_gridColumns = ChannelGridColumns(group, m_data.ModelIndex);
    SetColumns(MSFlexGrid1, m_gridColumns);
    std::vector<bool> editable;
    for (const GridColumn& column : m_gridColumns)
        editable.push_back(CellEditorOf(column.Field, group) != CellEditor::None);
    // The rows come in the records' order; a sort is the user's, one click at a time.
    MSFlexGrid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    const int rows = static_cast<int>(BankOf(m_data, group).size());
    MSFlexGrid1->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        SetRow(MSFlexGrid1, r, ChannelGridRow(m_data, group, r), editable);
    MSFlexGrid1->setCurrentCell(0, 0);
    MSFlexGrid1->show();
    FitColumns(MSFlexGrid1, m_gridColumns);
    FilterChannelGrid();
}

void PageEditor::FillBankGrid()
{
    grdBanks->clearContents();
    SetColumns(grdBanks, BankGridColumns());
    const std::vector<std::vector<std::string>> rows = BankGridRows(m_data);
    grdBanks->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r)
        SetRow(grdBanks, static_cast<int>(r), rows[r]);
    FitColumns(grdBanks, BankGridColumns());
}

void PageEditor::FillDirectoryGrid(DirectoryKind kind)
{
    MSFlexGrid2->hide();
    MSFlexGrid2->clearContents();
    SetColumns(MSFlexGrid2, DirectoryGridColumns(kind));
    const int rows = static_cast<int>(DirectoryOf(m_data, kind).size());
    MSFlexGrid2->setRowCount(rows);
    for (int n = 1; n <= rows; ++n)
        SetRow(MSFlexGrid2, n - 1, DirectoryGridRow(m_data, kind, n));
    MSFlexGrid2->setCurrentCell(0, 0);
    MSFlexGrid2->show();
    FitColumns(MSFlexGrid2, DirectoryGridColumns(kind));
}

bool PageEditor::CommitPage()
{
    for (std::size_t p = 0; p < m_panels.size(); ++p) {
        if (m_panels[p]->isEnabled() && m_views[p])
            return m_views[p]->Commit();
    }
    return true;
}

void PageEditor::SetPageView(Page page, PageView* view)
{
    QWidget* panel = PanelOf(page);
    auto* layout = static_cast<QVBoxLayout*>(panel->layout());
    // The view takes the place of the stretch below the panel's heading.
    if (QLayoutItem* stretch = layout->itemAt(layout->count() - 1); stretch && stretch->spacerItem())
        delete layout->takeAt(layout->count() - 1);
    layout->addWidget(view, 1);
    m_views.at(static_cast<std::size_t>(page)) = view;
    connect(view, &PageView::StatusText, this, &PageEditor::StatusText);
    connect(view, &PageView::NodeTextsChanged, this, &PageEditor::RefreshNodeTexts);
    connect(view, &PageView::TreeChanged, this, [this] {
        BuildPageTree();
        RefreshGroupCaptions();
    });
}

void PageEditor::RefreshNodeTexts()
{
    const std::vector<PageNode> nodes = BuildPageNodes(m_data);
    for (std::size_t i = 0; i < nodes.size() && i < m_nodes.size(); ++i)
        m_nodes[i]->setText(0, ShownText(nodes[i].Text));
    RefreshGroupCaptions();
}

void PageEditor::ShowRecordsAgain(const QString& key)
{
    BuildPageTree();
    RefreshGroupCaptions();
    SelectNodeByKey(key);
    if (!m_current)
        SelectNodeByKey(u"General"_s);
    ShowCurrentPageAgain();
}

void PageEditor::OnNodeSelected(QTreeWidgetItem* node)
{
    emit StatusText(TreeHint());
    if (!node || node == m_current)
        return;
    if (!CommitPage()) {
        // The click's own selection update comes after this event; jump back once it is done.
        QTimer::singleShot(0, this, [this] {
            const QSignalBlocker blocker(tvTreeView);
            tvTreeView->setCurrentItem(m_current);
        });
        return;
    }
    m_current = node;
    if (tvTreeView->currentItem() != node) {
        const QSignalBlocker blocker(tvTreeView);
        tvTreeView->setCurrentItem(node);
        tvTreeView->scrollToItem(node);
    }
    ShowPage(node);
}

void PageEditor::SelectNodeByKey(const QString& key)
{
    for (QTreeWidgetItem* node : m_nodes) {
        if (KeyOf(node) == key) {
            OnNodeSelected(node);
            return;
        }
    }
}

void PageEditor::JumpFromGrid(QTableWidget* grid)
{
    const int row = grid->currentRow();
    if (row < 0)
        return;
    const QTableWidgetItem* chCell = grid->item(row, 0);
    const int record = chCell ? GridItem::RecordOf(chCell) : row;
    const std::string key = GridJumpKey(RecordText(CurrentKey()), record + 1,
                                        chCell ? RecordText(chCell->text()) : std::string());
    if (!key.empty())
        SelectNodeByKey(ShownText(key));
}

QByteArray PageEditor::SplitterState() const
{
    return m_splitter->saveState();
}

void PageEditor::RestoreSplitterState(const QByteArray& state)
{
    if (m_splitter->restoreState(state))
        m_splitterPlaced = true;
}

void PageEditor::showEvent(QShowEvent* event)
{
    // The tree starts 2500 twips wide, or as wide as its longest caption with room for the scroll
    // bar an opened bank brings; the pages take the rest, and later the user's own split.
    if (!m_splitterPlaced) {
        tvTreeView->resizeColumnToContents(0);
        const int treeWidth = std::max(kTreeWidthTwips / kTwipsPerPixel,
                                       tvTreeView->columnWidth(0) + 2 * tvTreeView->frameWidth() +
                                           style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);
        m_splitter->setSizes(
            {treeWidth, std::max(1, m_splitter->width() - treeWidth - m_splitter->handleWidth())});
        m_splitterPlaced = true;
    }
    QWidget::showEvent(event);
}

bool PageEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn)
        emit StatusText(watched == tvTreeView ? TreeHint() : GridHint());
    if (event->type() == QEvent::KeyPress && watched == MSFlexGrid1)
        return ChannelGridKey(static_cast<QKeyEvent*>(event)) || QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && watched != tvTreeView) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            JumpFromGrid(static_cast<QTableWidget*>(watched));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PageEditor::SetUpChannelGridEditing()
{
    MSFlexGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    MSFlexGrid1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked);
    auto* delegate = new GridDelegate(
        m_data,
        {[this](int column) { return GridFieldAt(column); }, [this](int row) { return GridRef(row); },
         [this](int row, GridField field, int value) { CommitGridValue(row, field, value); },
         [this](int row, GridField field, const QString& text) { CommitGridText(row, field, text); }},
        MSFlexGrid1);
    MSFlexGrid1->setItemDelegate(delegate);
    // Enter commits and moves down a row, as in a spreadsheet; Tab moves on along the row.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this,
            [this](QWidget*, QAbstractItemDelegate::EndEditHint hint) {
                if (hint != QAbstractItemDelegate::SubmitModelCache)
                    return;
                const QModelIndex at = MSFlexGrid1->currentIndex();
                for (int row = at.row() + 1; row < MSFlexGrid1->rowCount(); ++row) {
                    if (!MSFlexGrid1->isRowHidden(row)) {
                        MSFlexGrid1->setCurrentCell(row, at.column());
                        return;
                    }
                }
            });

    QHeaderView* header = MSFlexGrid1->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this](int column, Qt::SortOrder order) {
        if (column >= 0)
            MSFlexGrid1->sortItems(column, order);
    });

    txtGridFilter = new QLineEdit(PanelOf(Page::ChannelList));
    txtGridFilter->setObjectName(u"txtGridFilter"_s);
    txtGridFilter->setPlaceholderText(tr("Find: channel, name or frequency"));
    txtGridFilter->setClearButtonEnabled(true);
    connect(txtGridFilter, &QLineEdit::textChanged, this, &PageEditor::FilterChannelGrid);
    static_cast<QVBoxLayout*>(PanelOf(Page::ChannelList)->layout())->insertWidget(0, txtGridFilter);
}

ChannelRef PageEditor::GridRef(int row) const
{
    const QTableWidgetItem* item = MSFlexGrid1->item(row, 0);
    return {m_gridGroup, item ? GridItem::RecordOf(item) : row};
}

GridField PageEditor::GridFieldAt(int column) const
{
    return column >= 0 && column < static_cast<int>(m_gridColumns.size())
               ? m_gridColumns[static_cast<std::size_t>(column)].Field
               : GridField::None;
}

std::vector<int> PageEditor::RecordsToEdit(int row) const
{
    std::vector<int> records;
    const QModelIndexList selected = MSFlexGrid1->selectionModel()->selectedRows();
    const bool inSelection =
        std::any_of(selected.begin(), selected.end(), [row](const QModelIndex& i) { return i.row() == row; });
    if (!inSelection)
        return {GridRef(row).index};
    for (const QModelIndex& index : selected)
        records.push_back(GridRef(index.row()).index);
    std::sort(records.begin(), records.end());
    return records;
}

void PageEditor::CommitGridValue(int row, GridField field, int value)
{
    const std::vector<int> records = RecordsToEdit(row);
    EditContext ctx{m_data, m_shell};
    AfterGridEdit(records, SetRowsValue(ctx, m_gridGroup, records, field, value), field);
}

void PageEditor::CommitGridText(int row, GridField field, const QString& text)
{
    const ChannelRef ref = GridRef(row);
    EditContext ctx{m_data, m_shell};
    AfterGridEdit({ref.index}, SetCellText(ctx, ref, field, RecordText(text)), field);
}

void PageEditor::AfterGridEdit(const std::vector<int>& records, const CellOutcome& outcome, GridField field)
{
    RefreshGridRows(records);
    if (field == GridField::Enable)
        RefreshNodeTexts();
    if (!outcome.ok) {
        Dialogs::Message(this, QString::fromStdString(outcome.message),
                         QString::fromStdString(m_shell.ProgramTitle), MessageIcon::Exclamation,
                         MessageButtons::Ok);
    }
}

void PageEditor::RefreshGridRows(const std::vector<int>& records)
{
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row) {
        const int record = GridRef(row).index;
        if (!std::binary_search(records.begin(), records.end(), record))
            continue;
        const std::vector<std::string> cells = ChannelGridRow(m_data, m_gridGroup, record);
        for (int c = 0; c < static_cast<int>(cells.size()); ++c)
            MSFlexGrid1->item(row, c)->setText(ShownText(cells[static_cast<std::size_t>(c)]));
    }
}

bool PageEditor::ChannelGridKey(QKeyEvent* event)
{
    const QModelIndex at = MSFlexGrid1->currentIndex();
    if (!at.isValid())
        return false;
    const GridField field = GridFieldAt(at.column());
    const bool editable = CellEditable(m_data, GridRef(at.row()), field);
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter on the channel number, or on a cell that takes no edit now, opens the page.
            if (editable)
                MSFlexGrid1->edit(at);
            else
                JumpFromGrid(MSFlexGrid1);
            return true;
        case Qt::Key_Space:
            // The space bar toggles a flag on every selected row at once.
            if (!editable || CellEditorOf(field, m_gridGroup) != CellEditor::Check)
                return false;
            CommitGridValue(at.row(), field, CellValue(m_data, GridRef(at.row()), field) == 0 ? 1 : 0);
            return true;
        default:
            return false;
    }
}

void PageEditor::FilterChannelGrid()
{
    const QString text = txtGridFilter->text().trimmed();
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row) {
        bool shown = text.isEmpty();
        for (std::size_t c = 0; c < m_gridColumns.size() && !shown; ++c) {
            const GridField field = m_gridColumns[c].Field;
            if (field == GridField::Label || field == GridField::Name || field == GridField::RxFreq ||
                field == GridField::TxFreq) {
                shown =
                    MSFlexGrid1->item(row, static_cast<int>(c))->text().contains(text, Qt::CaseInsensitive);
            }
        }
        MSFlexGrid1->setRowHidden(row, !shown);
    }
}

void PageEditor::PrepareForNewData()
{
    MSFlexGrid1->setRowCount(0);
    MSFlexGrid2->setRowCount(0);
    BringForward(PanelOf(Page::General));
    RefreshGeneralPage();
}

int PageEditor::ChannelGridGroup() const
{
    return m_pages->currentWidget() == PanelOf(Page::ChannelList) ? m_gridGroup : -1;
}

std::vector<int> PageEditor::SelectedChannelRows() const
{
    std::vector<int> rows;
    for (const QModelIndex& index : MSFlexGrid1->selectionModel()->selectedRows())
        rows.push_back(GridRef(index.row()).index);
    std::ranges::sort(rows);
    return rows;
}

void PageEditor::ShowChannelRowsChanged(const std::vector<int>& rows)
{
    ShowCurrentPageAgain();
    RefreshNodeTexts();
    // The grid may be sorted: the rows written are found by their records.
    for (int row = 0; row < MSFlexGrid1->rowCount(); ++row) {
        if (std::ranges::find(rows, GridRef(row).index) != rows.end())
            MSFlexGrid1->selectionModel()->select(MSFlexGrid1->model()->index(row, 0),
                                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void PageEditor::ShowCurrentPageAgain()
{
    if (m_current)
        ShowPage(m_current);
}

QString PageEditor::CurrentKey() const
{
    return m_current ? KeyOf(m_current) : QString();
}

void PageEditor::SetDestinationName(const QString& name)
{
    m_destinationName = name;
    RefreshGeneralPage();
}

void PageEditor::RefreshGeneralPage()
{
    m_generalModel->setText(QString::fromStdString(RadioNameOf(m_data.ModelIndex)));
    m_generalDestination->setText(m_destinationName.isEmpty() ? tr("none loaded (built-in defaults)")
                                                              : m_destinationName);
    const QString file = QString::fromStdString(m_shell.CurrentFileName);
    m_generalFile->setText(file.isEmpty() ? tr("not saved yet: the data exists only in this window")
                                          : QFileInfo(file).fileName());
    m_generalFile->setToolTip(file);
    m_generalCable->setText(tr("Connect the JMB cable between serial port COM%1 and the radio.\n"
                               "Then hold [PRESET]+[DOWN]+[SQL] while turning the radio on.")
                                .arg(m_shell.CommPort));
}

}  // namespace kelpie
