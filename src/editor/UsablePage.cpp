// UsablePage.cpp — the usable groups page laid out as the listing prints it: a column per group,
// a row per setting.
#include "editor/UsablePage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "edit/SettingsEdit.h"
#include "editor/FieldBox.h"
#include "editor/FocusHint.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"
#include "model/Models.h"
#include "model/SettingsFields.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kUsableTopic = 1104;

}  // namespace

UsablePage::UsablePage(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell)
{
    setObjectName(u"UsablePage"_s);
    const QStringList offOn{tr("Off"), tr("On")};
    SetHelpTopic(this, kUsableTopic);
    auto* grid = new QGridLayout;
    // A row per setting, captioned as the listing names its line.
    auto addLabel = [&](const char* member, const QString& name, int row) {
        auto* label = new QLabel(TableCaption(*this, SettingsFieldOf(member).Label), this);
        label->setObjectName(name);
        grid->addWidget(label, row, 0);
        return label;
    };
    addLabel("UsableGroups[g].Enable", u"lblUsableEnable"_s, 0);
    lblUsableTot = addLabel("UsableGroups[g].TxTot", u"lblUsableTot"_s, 1);
    lblUsablePri = addLabel("UsableGroups[g].PriorityCh", u"lblUsablePri"_s, 2);
    lblUsableSts = addLabel("UsableGroups[g].StatusIcon", u"lblUsableSts"_s, 3);
    lblUsable = addLabel("UsableGroups[g].StatusName", u"lblUsable"_s, 4);

    for (int g = 0; g < kGroupCount; ++g) {
        const auto at = static_cast<std::size_t>(g);
        chkUsable[at] = new QCheckBox(this);
        chkUsable[at]->setObjectName(ArrayName(u"chkUsable"_s, g));
        SetFocusHint(chkUsable[at], HintFamily::CheckBox);
        connect(chkUsable[at], &QCheckBox::clicked, this, [this, g](bool on) { OnUsableClicked(g, on); });

        cmbUsableTot[at] = MakeCombo(this, ArrayName(u"cmbUsableTot"_s, g), offOn);
        connect(cmbUsableTot[at], &QComboBox::activated, this,
                [this, g](int index) { SetGroupTot(m_ctx, g, index == 1); });

        cmbUsablePri[at] = MakeCombo(this, ArrayName(u"cmbUsablePri"_s, g), {});
        cmbUsablePri[at]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        cmbUsablePri[at]->setMinimumContentsLength(5);
        connect(cmbUsablePri[at], &QComboBox::activated, this, [this, g](int index) {
            SetGroupPriority(m_ctx, g, cmbUsablePri[static_cast<std::size_t>(g)]->itemData(index).toInt());
        });

        cmbUsableSts[at] = MakeCombo(this, ArrayName(u"cmbUsableSts"_s, g), offOn);
        connect(cmbUsableSts[at], &QComboBox::activated, this,
                [this, g](int index) { OnStatusChosen(g, index); });

        txtUsable[at] = new FieldBox(FieldId::StatusName, m_input, m_ctx, this);
        txtUsable[at]->setObjectName(ArrayName(u"txtUsable"_s, g));
        txtUsable[at]->SetRecord(0, g);
        txtUsable[at]->setMaximumWidth(txtUsable[at]->fontMetrics().horizontalAdvance(u"WWWWW"_s));
        connect(txtUsable[at], &FieldBox::StatusText, this, &PageView::StatusText);
        connect(txtUsable[at], &FieldBox::Committed, this, [this](const FieldCommit& commit) {
            if (commit.captionsChanged)
                emit NodeTextsChanged();
        });

        int row = 0;
        for (QWidget* control : std::initializer_list<QWidget*>{
                 chkUsable[at], cmbUsableTot[at], cmbUsablePri[at], cmbUsableSts[at], txtUsable[at]})
            grid->addWidget(control, row++, g + 1);
    }
    // The radio keeps a priority channel for the marine groups only.
    cmbUsablePri[kGroupBankE]->hide();
    grid->setColumnStretch(kGroupCount + 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void UsablePage::Fill(const PageChoice&)
{
    FillUsablePage();
}

void UsablePage::FillUsablePage()
{
    const FillGuard guard(m_shell);
    const int model = m_data.ModelIndex;
    chkUsable[0]->setText(tr("USA"));
    chkUsable[1]->setText(tr("INTL"));
    chkUsable[2]->setText(tr("Canada"));
    chkUsable[kGroupBankE]->setText(HasLmrBank(model) ? tr("LMR CH") : tr("EXP CH"));
    // No transfer sends a status name to the radio: the names a file holds name the groups in the
    // tree, but no box offers them for editing.
    lblUsable->setVisible(false);
    const std::array<UsableRow, kGroupCount> rows = kelpie::FillUsablePage(m_data);
    for (int g = 0; g < kGroupCount; ++g) {
        txtUsable[static_cast<std::size_t>(g)]->setVisible(false);
        ShowRow(g, rows[static_cast<std::size_t>(g)]);
    }
}

void UsablePage::ShowRow(int group, const UsableRow& row)
{
    const auto at = static_cast<std::size_t>(group);
    chkUsable[at]->setChecked(row.usable);
    cmbUsableTot[at]->setCurrentIndex(row.tot);
    cmbUsablePri[at]->clear();
    for (const PriorityItem& item : row.priorityItems)
        cmbUsablePri[at]->addItem(ShownText(item.label), item.itemData);
    cmbUsablePri[at]->setCurrentIndex(row.priorityIndex);
    cmbUsableSts[at]->setCurrentIndex(row.statusIcon);
    txtUsable[at]->Show(ShownText(row.statusName));
    for (QWidget* control :
         std::initializer_list<QWidget*>{cmbUsableTot[at], cmbUsablePri[at], cmbUsableSts[at]})
        control->setEnabled(row.combosEnabled);
    txtUsable[at]->setEnabled(false);
}

void UsablePage::RefreshRow(int group)
{
    const FillGuard guard(m_shell);
    ShowRow(group, kelpie::FillUsablePage(m_data)[static_cast<std::size_t>(group)]);
}

void UsablePage::OnUsableClicked(int group, bool on)
{
    if (!SetGroupUsable(m_ctx, group, on))
        return;
    RefreshRow(group);
    emit TreeChanged();
}

void UsablePage::OnStatusChosen(int group, int index)
{
    if (!SetGroupStatusIcon(m_ctx, group, index == 1))
        return;
    RefreshRow(group);
    emit NodeTextsChanged();
}

bool UsablePage::Commit()
{
    for (FieldBox* box : txtUsable)
        box->FinishInput();
    return true;
}

}  // namespace kelpie
