// PageEditor.h — the editor side of the main window: the page tree on the left, the page stack on
// the right with the general page, the panels of the setting pages and both list grids.
#pragma once

#include <QString>
#include <QWidget>

#include "model/RadioData.h"
#include "model/ShellState.h"

class QLabel;
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
    void PrepareForNewData();     // panels and lists ready for new data
    void ShowCurrentPageAgain();  // show the selected node's page again
    QString CurrentKey() const;   // key of the current node, empty when none
    void SetDestinationName(const QString& name);  // shown on the general page
    void RefreshGeneralPage();  // model, destination, data file (or unsaved) on the start page

signals:
    void StatusText(const QString& text);  // the first status-bar panel
    void ReadRadioRequested();             // start-page buttons
    void OpenFileRequested();
    void NewImageRequested();

private:
    RadioData& m_data;
    ShellState& m_shell;
    QString m_destinationName;

    QSplitter* m_splitter = nullptr;
    QTreeWidget* tvTreeView = nullptr;
    QStackedWidget* m_pages = nullptr;
    QTableWidget* MSFlexGrid1 = nullptr;
    QTableWidget* MSFlexGrid2 = nullptr;
};

}  // namespace kelpie
