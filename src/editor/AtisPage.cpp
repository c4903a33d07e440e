// AtisPage.cpp — the ATIS sheets. The call-sign sheet and its tab strip are offered only to the
// radios that keep a call-sign table, the killer groups only to those that keep killer flags.
#include "editor/AtisPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "edit/DirectoryEdit.h"
#include "edit/SettingsEdit.h"
#include "editor/FieldBox.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"
#include "model/Models.h"
#include "model/SettingsFields.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kAtisTopic = 1107;

}  // namespace

AtisPage::AtisPage(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell), m_flags(new FlagControls({data, shell}, this))
{
    setObjectName(u"AtisPage"_s);
    SetHelpTopic(this, kAtisTopic);
    tbsATIS = AddTabStrip(this, u"tbsATIS"_s, {tr("Common"), tr("CallSign")}, m_sheets);
    QVBoxLayout* common = AddSheet(m_sheets, ArrayName(u"pictATISChild"_s, 0));
    QWidget* content = common->parentWidget();
    auto groupBox = [&](const QString& title, const QString& name,
                        std::array<QCheckBox*, kGroupCount>& checks,
                        std::array<bool, kGroupCount> AtisCommonSetup::*flags) {
        auto* box = new QGroupBox(title, content);
        box->setObjectName(name);
        auto* row = new QHBoxLayout(box);
        for (int g = 0; g < kGroupCount; ++g) {
            checks[static_cast<std::size_t>(g)] = m_flags->AddCheck(
                box, ArrayName(u"chk"_s + name.mid(4), g), [flags, g](RadioData& d) -> bool& {
                    return (d.AtisCommonSetup.*flags)[static_cast<std::size_t>(g)];
                });
            row->addWidget(checks[static_cast<std::size_t>(g)]);
        }
        row->addStretch(1);
        common->addWidget(box);
        return box;
    };
    // The frames are captioned as the settings table names their lines.
    const auto caption = [this](const char* member) {
        const SettingsField& field = SettingsFieldOf(member);
        return TableCaption(*this, field.ListLabel.empty() ? field.Label : field.ListLabel);
    };
    groupBox(caption("AtisCommonSetup.UsableAtis[g]"), u"pictATISChGroup"_s, chkATISChGroup,
             &AtisCommonSetup::UsableAtis);

    auto* code = new QGroupBox(caption("AtisCommonSetup.AtisCode"), content);
    auto* codeRow = new QHBoxLayout(code);
    txtATIScode = new FieldBox(FieldId::AtisCode, m_input, {m_data, m_shell}, code);
    txtATIScode->setObjectName(u"txtATIScode"_s);
    txtATIScode->setMaximumWidth(txtATIScode->fontMetrics().horizontalAdvance(u"00000000000"_s) + 12);
    connect(txtATIScode, &FieldBox::StatusText, this, &PageView::StatusText);
    codeRow->addWidget(txtATIScode);
    codeRow->addStretch(1);
    common->addWidget(code);

    pictATISKiller = groupBox(caption("AtisCommonSetup.UsableAtisKiller[g]"), u"pictATISKiller"_s,
                              chkATISKiller, &AtisCommonSetup::UsableAtisKiller);
    common->addStretch(1);

    // The call signs in two halves, as the listing prints them.
    QVBoxLayout* signs = AddSheet(m_sheets, ArrayName(u"pictATISChild"_s, 1));
    auto* grid = new QGridLayout;
    constexpr int kHalf = kAtisCallSignCount / 2;
    const QStringList headers{tr("No."), tr("MID"), tr("Display")};
    for (int half = 0; half < 2; ++half) {
        for (int c = 0; c < headers.size(); ++c)
            grid->addWidget(new QLabel(headers[c], signs->parentWidget()), 0, half * 3 + c);
    }
    for (int i = 0; i < kAtisCallSignCount; ++i) {
        const int row = i % kHalf + 1;
        const int column = i / kHalf * 3;
        grid->addWidget(new QLabel(tr("No.%1").arg(i + 1), signs->parentWidget()), row, column);
        for (const auto& [field, name, width] :
             {std::tuple{FieldId::AtisMid, u"txtATISMid"_s, u"0000"_s},
              std::tuple{FieldId::AtisDisp, u"txtATISDisp"_s, u"WWWW"_s}}) {
            auto* box = new FieldBox(field, m_input, {m_data, m_shell}, signs->parentWidget());
            box->setObjectName(ArrayName(name, i));
            box->SetRecord(0, i);
            box->setMaximumWidth(box->fontMetrics().horizontalAdvance(width) + 12);
            connect(box, &FieldBox::StatusText, this, &PageView::StatusText);
            grid->addWidget(box, row, column + (field == FieldId::AtisMid ? 1 : 2));
            m_callSignBoxes.push_back(box);
        }
    }
    grid->setColumnStretch(6, 1);
    signs->addLayout(grid);
    auto* note = new QLabel(QString::fromUtf8(CallSignTransferNote()), signs->parentWidget());
    note->setObjectName(u"lblCallSignNote"_s);
    note->setWordWrap(true);
    signs->addWidget(note);
    signs->addStretch(1);
}

void AtisPage::Fill(const PageChoice&)
{
    FillAtisPage();
}

void AtisPage::FillAtisPage()
{
    const FillGuard guard(m_shell);
    const int model = m_data.ModelIndex;
    // Short names beside the check boxes, where the listing's column headings say "LMR CH".
    const QStringList captions{tr("USA"), tr("INTL"), tr("Canada"),
                               HasLmrBank(model) ? tr("LMR") : tr("EXP")};
    for (int g = 0; g < kGroupCount; ++g) {
        chkATISChGroup[static_cast<std::size_t>(g)]->setText(captions[g]);
        chkATISKiller[static_cast<std::size_t>(g)]->setText(captions[g]);
    }
    m_flags->Fill();
    txtATIScode->Show(ShownText(m_data.AtisCommonSetup.AtisCode));
    for (std::size_t i = 0; i < m_callSignBoxes.size(); ++i) {
        const AtisCallSign& sign = m_data.AtisCallSigns[i / 2];
        m_callSignBoxes[i]->Show(ShownText(i % 2 == 0 ? sign.MID : sign.DISP));
    }
    pictATISKiller->setVisible(AtisKillersShown(model));
    // Only the radios with a call-sign table get the strip and the second sheet.
    const bool callSigns = HasAtisCallSigns(model);
    tbsATIS->setVisible(callSigns);
    if (!callSigns)
        tbsATIS->setCurrentIndex(0);
    ShowSheet(m_sheets, tbsATIS->currentIndex());
}

bool AtisPage::Commit()
{
    txtATIScode->FinishInput();
    for (FieldBox* box : m_callSignBoxes)
        box->FinishInput();
    return true;
}

}  // namespace kelpie
