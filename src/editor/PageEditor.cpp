// PageEditor.cpp — tree, page stack and list grids of the main window.
#include "editor/PageEditor.h"

#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kelpie {

PageEditor::PageEditor(RadioData& data, ShellState& shell, QWidget* parent)
    : QWidget(parent), m_data(data), m_shell(shell)
{
    setObjectName(u"PageEditor"_s);
    m_splitter = new QSplitter(this);
    tvTreeView = new QTreeWidget(m_splitter);
    tvTreeView->setObjectName(u"tvTreeView"_s);
    tvTreeView->setHeaderHidden(true);
    m_pages = new QStackedWidget(m_splitter);
    MSFlexGrid1 = new QTableWidget(m_pages);
    MSFlexGrid1->setObjectName(u"MSFlexGrid1"_s);
    MSFlexGrid2 = new QTableWidget(m_pages);
    MSFlexGrid2->setObjectName(u"MSFlexGrid2"_s);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);
}

void PageEditor::BuildPageTree()
{
    tvTreeView->clear();
}

void PageEditor::RefreshGroupCaptions() {}

void PageEditor::ShowPage(QTreeWidgetItem* node)
{
    Q_UNUSED(node);
}

bool PageEditor::CommitPage()
{
    return true;
}

void PageEditor::SelectNodeByKey(const QString& key)
{
    Q_UNUSED(key);
}

void PageEditor::PrepareForNewData() {}

void PageEditor::ShowCurrentPageAgain() {}

QString PageEditor::CurrentKey() const
{
    return QString();
}

void PageEditor::SetDestinationName(const QString& name)
{
    m_destinationName = name;
}

void PageEditor::RefreshGeneralPage() {}

}  // namespace kelpie
