// GridCells.h — the channel grid's cells: an item that sorts as a reader expects ("9" before "10",
// "88.5Hz" before "100.0Hz") and keeps the record it shows, and the editors a cell opens.
#pragma once

#include <QStyledItemDelegate>
#include <QTableWidgetItem>
#include <functional>

#include "edit/GridEdit.h"

namespace kelpie {

class GridItem : public QTableWidgetItem
{
public:
    // The record's element in its bank (or directory) is kept in Qt::UserRole.
    GridItem(const QString& text, int record);
    static int RecordOf(const QTableWidgetItem* item);
    bool operator<(const QTableWidgetItem& other) const override;
};

// Opens the editor the edit layer names for the cell (a check box, a combo of the value table, a
// text box with the page's field rule) and hands what the user chose to the grid's owner, which
// commits it through the edit layer; the editor never writes the grid or the records itself.
class GridDelegate : public QStyledItemDelegate
{
public:
    struct Host
    {
        std::function<GridField(int column)> fieldOf;
        std::function<ChannelRef(int row)> refOf;
        std::function<void(int row, GridField field, int value)> commitValue;
        std::function<void(int row, GridField field, const QString& text)> commitText;
    };

    GridDelegate(const RadioData& data, Host host, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const RadioData& m_data;
    Host m_host;
};

}  // namespace kelpie
