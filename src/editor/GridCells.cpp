// GridCells.cpp — sorting and editors of the channel grid's cells.
#include "editor/GridCells.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "editor/FieldBox.h"
#include "editor/RecordText.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

// Runs of digits compare by their number ("9" before "10", "88.5Hz" before "100.0Hz"), everything
// else character by character without regard to case.
int NaturalCompare(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype aStart = i;
            const qsizetype bStart = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            const qulonglong x = a.sliced(aStart, i - aStart).toULongLong();
            const qulonglong y = b.sliced(bStart, j - bStart).toULongLong();
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        if (const int order = QStringView(a).sliced(i, 1).compare(b.sliced(j, 1), Qt::CaseInsensitive))
            return order;
        ++i;
        ++j;
    }
    const qsizetype restA = a.size() - i;
    const qsizetype restB = b.size() - j;
    return restA == restB ? 0 : (restA < restB ? -1 : 1);
}

}  // namespace

GridItem::GridItem(const QString& text, int record) : QTableWidgetItem(text)
{
    setData(Qt::UserRole, record);
}

int GridItem::RecordOf(const QTableWidgetItem* item)
{
    return item->data(Qt::UserRole).toInt();
}

bool GridItem::operator<(const QTableWidgetItem& other) const
{
    // Equal texts keep the records' order, so that a sort never shuffles alike rows.
    const int order = NaturalCompare(QStringView(text()).trimmed(), QStringView(other.text()).trimmed());
    return order != 0 ? order < 0 : RecordOf(this) < RecordOf(&other);
}

GridDelegate::GridDelegate(const RadioData& data, Host host, QObject* parent)
    : QStyledItemDelegate(parent), m_data(data), m_host(std::move(host))
{}

QWidget* GridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const
{
    const GridField field = m_host.fieldOf(index.column());
    const ChannelRef ref = m_host.refOf(index.row());
    if (!CellEditable(m_data, ref, field))
        return nullptr;
    QWidget* editor = nullptr;
    switch (CellEditorOf(field, ref.group)) {
        case CellEditor::Check:
            editor = new QCheckBox(parent);
            editor->setAutoFillBackground(true);
            break;
        case CellEditor::Choice: {
            auto* combo = new QComboBox(parent);
            for (const CellChoice& choice : CellChoices(field))
                combo->addItem(ShownText(choice.text), choice.value);
            combo->setMaxVisibleItems(12);
            editor = combo;
            break;
        }
        case CellEditor::Text: {
            auto* box = new QLineEdit(parent);
            TakeTextByRule(box, CellFieldId(field));
            editor = box;
            break;
        }
        case CellEditor::None:
            return nullptr;
    }
    editor->setObjectName(u"gridEditor"_s);
    return editor;
}

void GridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const int value = CellValue(m_data, m_host.refOf(index.row()), m_host.fieldOf(index.column()));
    if (auto* check = qobject_cast<QCheckBox*>(editor))
        check->setChecked(value != 0);
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(combo->findData(value));
    else if (auto* box = qobject_cast<QLineEdit*>(editor)) {
        // "---.----" is no frequency: the box starts empty.
        const QString shown = index.data().toString().trimmed();
        box->setText(QString(shown).remove(u'-').remove(u'.').isEmpty() ? QString() : shown);
    }
}

void GridDelegate::setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const
{
    const GridField field = m_host.fieldOf(index.column());
    if (auto* check = qobject_cast<QCheckBox*>(editor))
        m_host.commitValue(index.row(), field, check->isChecked() ? 1 : 0);
    else if (auto* combo = qobject_cast<QComboBox*>(editor))
        m_host.commitValue(index.row(), field, combo->currentData().toInt());
    else if (auto* box = qobject_cast<QLineEdit*>(editor))
        m_host.commitText(index.row(), field, box->text());
}

}  // namespace kelpie
