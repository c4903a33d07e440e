// frmCompare.h — the window that lists what differs between the data being edited and another set
// of programming (a file, or what the radio holds): a summary line, one row a difference, and a
// double click (or Enter) on a row asks the main window to show the row's channel or page.
#pragma once

#include <QDialog>
#include <vector>

#include "report/Compare.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kelpie {

// What the data being edited was compared with.
struct CompareSubject
{
    QString Name;              // "the radio", or the file's name, as the window names the other side
    bool Radio;                // a verify: what the radio holds after a program run
    QString NotCompared = {};  // what a verify leaves out, said under the summary
};

// The line above the list: the radio holds exactly this programming, the two are the same, or how
// many differences there are; then what was not compared.
QString CompareSummary(const CompareSubject& subject, std::size_t differences);

class frmCompare : public QDialog
{
    Q_OBJECT
public:
    frmCompare(const std::vector<Difference>& differences, const CompareSubject& subject, QWidget* parent);

signals:
    // A row with a page was activated: the page tree's key of its channel or page.
    void JumpRequested(const QString& key);

private:
    void OnRowActivated(const QTreeWidgetItem* row);

    QLabel* lblSummary;
    QLabel* lblHint;
    QTreeWidget* tvDifferences;
    QPushButton* cmdClose;
};

}  // namespace kelpie
