// CommonPage.cpp — the common setup in the listing's sections; rows a model does not keep are
// hidden, so that the MB6000 shows its NMEA panel at the top.
#include "editor/CommonPage.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "edit/SettingsEdit.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"
#include "model/SettingsFields.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kCommonTopic = 1105;

// Each combo's caption is its setting's label in the settings table; a frame takes the heading its
// first setting opens in the listing.
struct CommonControl
{
    CommonCombo combo;
    const char16_t* name;
    const char* member;
    int frame;  // fraCommonTX, fraCommonScan, pictNMEA, fraCommonWeather
};
constexpr std::array<CommonControl, 9> kControls{{
    {CommonCombo::TxPo, u"cmbCommonTXPo", "CommonSetup.TxPoDisplay", 0},
    {CommonCombo::Scan, u"cmbCommonScan", "CommonSetup.Scan", 1},
    {CommonCombo::Resume, u"cmbCommonResume", "CommonSetup.ResumeTime", 1},
    {CommonCombo::PttScan, u"cmbCommonPTTSCAN", "CommonSetup.PttScanClear", 1},
    {CommonCombo::Dual, u"cmbCommonDual", "CommonSetup.DualWatch", 1},
    {CommonCombo::Offset, u"cmbCommonOffset", "CommonSetup.OffsetTime", 2},
    {CommonCombo::Mag, u"cmbCommonMag", "CommonSetup.MagneticVariation", 2},
    {CommonCombo::Weater, u"cmbCommonWeater", "CommonSetup.Weater", 3},
    {CommonCombo::Rotary, u"cmbCommonRotary", "CommonSetup.RotaryBeep", 3},
}};
constexpr std::array<const char16_t*, 4> kFrames{u"fraCommonTX", u"fraCommonScan", u"pictNMEA",
                                                 u"fraCommonWeather"};

QString Text(const char16_t* text)
{
    return QString::fromUtf16(text);
}

}  // namespace

CommonPage::CommonPage(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell)
{
    setObjectName(u"CommonPage"_s);
    SetHelpTopic(this, kCommonTopic);
    QWidget* content = ScrollingContent(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    std::array<QFormLayout*, kFrames.size()> forms{};
    for (std::size_t f = 0; f < kFrames.size(); ++f) {
        m_frames[f] = new QGroupBox(content);
        m_frames[f]->setObjectName(Text(kFrames[f]));
        forms[f] = new QFormLayout(m_frames[f]);
        layout->addWidget(m_frames[f]);
    }
    layout->addStretch(1);

    for (std::size_t c = 0; c < kControls.size(); ++c) {
        const CommonControl& control = kControls[c];
        const SettingsField& field = SettingsFieldOf(control.member);
        const auto frame = static_cast<std::size_t>(control.frame);
        if (field.ListHeading != nullptr)
            m_frames[frame]->setTitle(TableCaption(*this, field.ListHeading));
        const QString name = Text(control.name);
        QFormLayout* form = forms[frame];
        m_combos[c] = MakeCombo(content, name, ChoiceList(CommonChoices(control.combo)));
        auto* label = new QLabel(TableCaption(*this, field.Label), content);
        label->setObjectName(u"lbl"_s + name.mid(3));
        form->addRow(label, m_combos[c]);
        m_rows[c] = form;
        connect(m_combos[c], &QComboBox::activated, this,
                [this, c](int index) { OnChosen(static_cast<int>(c), index); });
    }
}

void CommonPage::Fill(const PageChoice&)
{
    FillCommonPage();
}

void CommonPage::FillCommonPage()
{
    const FillGuard guard(m_shell);
    const int model = m_data.ModelIndex;
    std::array<bool, kFrames.size()> frameShown{};
    for (std::size_t c = 0; c < kControls.size(); ++c) {
        const bool shown = CommonRowShown(model, kControls[c].combo);
        m_rows[c]->setRowVisible(m_combos[c], shown);
        frameShown[static_cast<std::size_t>(kControls[c].frame)] |= shown;
        m_combos[c]->setCurrentIndex(CommonChoice(m_data.CommonSetup, kControls[c].combo));
    }
    for (std::size_t f = 0; f < kFrames.size(); ++f)
        m_frames[f]->setVisible(frameShown[f]);
    ShowScanRows();
}

void CommonPage::OnChosen(int combo, int index)
{
    const CommonCombo which = kControls[static_cast<std::size_t>(combo)].combo;
    if (SetCommonChoice(m_ctx, which, index) && which == CommonCombo::Scan)
        ShowScanRows();
}

void CommonPage::ShowScanRows()
{
    const bool on = ScanRowsEnabled(m_data.CommonSetup);
    for (const CommonCombo combo : {CommonCombo::Resume, CommonCombo::PttScan}) {
        QComboBox* box = m_combos[static_cast<std::size_t>(combo)];
        box->setEnabled(on);
        m_rows[static_cast<std::size_t>(combo)]->labelForField(box)->setEnabled(on);
    }
}

}  // namespace kelpie
