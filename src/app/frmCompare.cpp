#include "app/frmCompare.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "link/Verify.h"

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 420;
constexpr int kKeyRole = Qt::UserRole;

// "USA 16: name DISTRESS → DIST16" as its place and its change; a text without a place is all
// change.
std::pair<QString, QString> SplitDifference(const std::string& text)
{
    const QString line = QString::fromStdString(text);
    const qsizetype colon = line.indexOf(u": "_s);
    if (colon < 0) {
        return {QString(), line};
    }
    return {line.left(colon), line.mid(colon + 2)};
}

}  // namespace

namespace {

QString CountSummary(const CompareSubject& subject, std::size_t differences)
{
    // A verify's result reads as kelpie-cli prints it.
    if (subject.Radio) {
        return QString::fromStdString(VerifyResultText(differences));
    }
    if (differences == 0) {
        return frmCompare::tr("This data and %1 hold the same programming.").arg(subject.Name);
    }
    const QString count =
        differences == 1 ? frmCompare::tr("1 difference") : frmCompare::tr("%1 differences").arg(differences);
    return frmCompare::tr("%1 between this data and %2.").arg(count, subject.Name);
}

}  // namespace

QString CompareSummary(const CompareSubject& subject, std::size_t differences)
{
    const QString summary = CountSummary(subject, differences);
    return subject.NotCompared.isEmpty() ? summary : summary + QLatin1Char('\n') + subject.NotCompared;
}

frmCompare::frmCompare(const std::vector<Difference>& differences, const CompareSubject& subject,
                       QWidget* parent)
    : QDialog(parent)
{
    setObjectName(u"frmCompare"_s);
    setWindowTitle(subject.Radio ? tr("Verify Radio") : tr("Compare With %1").arg(subject.Name));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(kWidth, kHeight);

    lblSummary = new QLabel(CompareSummary(subject, differences.size()), this);
    lblSummary->setObjectName(u"lblSummary"_s);
    lblSummary->setWordWrap(true);
    QFont bold = lblSummary->font();
    bold.setBold(true);
    lblSummary->setFont(bold);

    lblHint = new QLabel(tr("Double-click a row, or press Enter on it, to show its channel or page."), this);
    lblHint->setObjectName(u"lblHint"_s);
    lblHint->setVisible(!differences.empty());

    tvDifferences = new QTreeWidget(this);
    tvDifferences->setObjectName(u"tvDifferences"_s);
    tvDifferences->setRootIsDecorated(false);
    tvDifferences->setUniformRowHeights(true);
    tvDifferences->setAlternatingRowColors(true);
    tvDifferences->setSelectionBehavior(QAbstractItemView::SelectRows);
    tvDifferences->setHeaderLabels({tr("Where"), tr("This data → %1").arg(subject.Name)});
    tvDifferences->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tvDifferences->header()->setStretchLastSection(true);
    const QString jumpTip = tr("Double-click or press Enter to show this on its page");
    const QString rawTip = tr("Bytes of the image that no page shows");
    for (const Difference& difference : differences) {
        const auto [where, change] = SplitDifference(difference.Text);
        auto* row = new QTreeWidgetItem(tvDifferences, {where, change});
        const bool hasPage = !difference.Key.empty();
        row->setData(0, kKeyRole, QString::fromStdString(difference.Key));
        // Image bytes have no page to go to: their rows are set apart in italics.
        QFont font = row->font(0);
        font.setItalic(!hasPage);
        for (int column = 0; column < 2; ++column) {
            row->setToolTip(column, hasPage ? jumpTip : rawTip);
            row->setFont(column, font);
        }
    }
    tvDifferences->setVisible(!differences.empty());
    if (!differences.empty()) {
        tvDifferences->setCurrentItem(tvDifferences->topLevelItem(0));
    }
    // Enter on a row and a double click both activate it.
    connect(tvDifferences, &QTreeWidget::itemActivated, this, &frmCompare::OnRowActivated);

    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(u"cmdClose"_s);
    // Enter belongs to the list's rows, never to the button.
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lblHint);
    layout->addWidget(tvDifferences, 1);
    layout->addLayout(buttons);
    if (differences.empty()) {
        resize(kWidth, sizeHint().height());
    }
    tvDifferences->setFocus();
}

void frmCompare::OnRowActivated(const QTreeWidgetItem* row)
{
    const QString key = row->data(0, kKeyRole).toString();
    if (!key.isEmpty()) {
        emit JumpRequested(key);
    }
}

}  // namespace kelpie
