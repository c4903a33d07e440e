// ChannelPageView.cpp — the channel page's controls over the edit layer's channel page and edits.
#include "editor/ChannelPageView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "editor/Dialogs.h"
#include "editor/FieldBox.h"
#include "editor/FocusHint.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"
#include "model/ValueTables.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kChannelPageTopic = 1101;
constexpr int kExtraChannelPageTopic = 1103;

void ShowCheck(QCheckBox* box, const CheckControl& state)
{
    box->setChecked(state.checked);
    box->setEnabled(state.enabled);
}

void FillCombo(QComboBox* combo, const std::vector<std::string>& names)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        combo->addItem(ShownText(names[i]), static_cast<int>(i));
}

}  // namespace

ChannelPageView::ChannelPageView(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell), m_ctx{data, shell}
{
    setObjectName(u"ChannelPage"_s);
    SetHelpTopic(this, kChannelPageTopic);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildNumberRow());
    layout->addWidget(BuildPanels());
    layout->addWidget(BuildTonePanel());
    layout->addWidget(BuildScramblerPanel());
    layout->addStretch(1);
}

FieldBox* ChannelPageView::AddBox(FieldId field, const QString& name)
{
    auto* box = new FieldBox(field, m_input, m_ctx, this);
    box->setObjectName(name);
    connect(box, &FieldBox::StatusText, this, &PageView::StatusText);
    return box;
}

QCheckBox* ChannelPageView::AddCheck(const QString& caption, const QString& name, int helpTopic)
{
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    if (helpTopic != 0)
        SetHelpTopic(box, helpTopic);
    SetFocusHint(box, HintFamily::CheckBox);
    return box;
}

QWidget* ChannelPageView::BuildNumberRow()
{
    auto* row = new QWidget(this);
    auto* grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);

    m_numberLabel = new QLabel(tr("CH No."), row);
    m_numberLabel->setObjectName(u"lblCN"_s);
    txtCN = {AddBox(FieldId::ChannelLeft, u"txtCN_0"_s), AddBox(FieldId::ChannelRight, u"txtCN_1"_s)};
    for (FieldBox* box : txtCN)
        box->FitTo(u"000"_s);
    chkCEnable = AddCheck(tr("Enable"), u"chkCEnable"_s, 1028);
    connect(chkCEnable, &QCheckBox::clicked, this, [this](bool on) {
        if (Edit([&] { return SetChannelEnable(m_ctx, m_ref, on); }))
            emit NodeTextsChanged();
    });

    m_frequencyLabels = {new QLabel(tr("RX freq. (MHz)"), row), new QLabel(tr("TX freq. (MHz)"), row)};
    m_frequencyLabels[0]->setObjectName(u"lblCRF"_s);
    m_frequencyLabels[1]->setObjectName(u"lblCTF"_s);
    txtCRF = AddBox(FieldId::RxFreq, u"txtCRF"_s);
    txtCTF = AddBox(FieldId::TxFreq, u"txtCTF"_s);
    for (FieldBox* box : {txtCRF, txtCTF})
        box->FitTo(u"000.0000"_s);

    auto* number = new QHBoxLayout;
    number->addWidget(txtCN[0]);
    number->addWidget(txtCN[1]);
    number->addStretch(1);
    grid->addWidget(m_numberLabel, 0, 0);
    grid->addLayout(number, 0, 1);
    grid->addWidget(chkCEnable, 0, 2);
    grid->addWidget(m_frequencyLabels[0], 1, 0);
    grid->addWidget(txtCRF, 1, 1);
    grid->addWidget(m_frequencyLabels[1], 2, 0);
    grid->addWidget(txtCTF, 2, 1);
    grid->setColumnStretch(3, 1);
    return row;
}

QWidget* ChannelPageView::BuildPanels()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);

    m_powerPanel = new QWidget(row);
    auto* power = new QVBoxLayout(m_powerPanel);
    power->setContentsMargins(0, 0, 0, 0);
    chkCTXOnly = AddCheck(tr("Low power only"), u"chkCTXOnly"_s, 1031);
    chkCTXPower = AddCheck(tr("Power up allowed"), u"chkCTXPower"_s, 1032);
    power->addWidget(chkCTXOnly);
    power->addWidget(chkCTXPower);
    connect(chkCTXOnly, &QCheckBox::clicked, this,
            [this](bool on) { Edit([&] { return SetTxOnly(m_ctx, m_ref, on); }); });
    connect(chkCTXPower, &QCheckBox::clicked, this,
            [this](bool on) { Edit([&] { return SetPowUp(m_ctx, m_ref, on); }); });

    m_transmitLine = new QFrame(row);
    m_transmitLine->setObjectName(u"linCTX"_s);
    m_transmitLine->setFrameShape(QFrame::VLine);
    m_transmitLine->setFrameShadow(QFrame::Sunken);

    m_transmitPanel = new QWidget(row);
    auto* transmit = new QVBoxLayout(m_transmitPanel);
    transmit->setContentsMargins(0, 0, 0, 0);
    chkCTXEnable = AddCheck(tr("TX enable"), u"chkCTXEnable"_s, 1029);
    transmit->addWidget(chkCTXEnable);
    transmit->addStretch(1);
    connect(chkCTXEnable, &QCheckBox::clicked, this,
            [this](bool on) { Edit([&] { return SetTxEnable(m_ctx, m_ref, on); }); });

    m_duplexPanel = new QWidget(row);
    auto* duplex = new QVBoxLayout(m_duplexPanel);
    duplex->setContentsMargins(0, 0, 0, 0);
    chkCDup = AddCheck(tr("Duplex"), u"chkCDup"_s, 1030);
    duplex->addWidget(chkCDup);
    duplex->addStretch(1);
    connect(chkCDup, &QCheckBox::clicked, this,
            [this](bool on) { Edit([&] { return SetDuplex(m_ctx, m_ref, on); }); });

    layout->addWidget(m_powerPanel);
    layout->addWidget(m_transmitLine);
    layout->addWidget(m_transmitPanel);
    layout->addWidget(m_duplexPanel);
    layout->addStretch(1);
    return row;
}

QWidget* ChannelPageView::BuildTonePanel()
{
    m_tonePanel = new QFrame(this);
    m_tonePanel->setObjectName(u"fraCTone"_s);
    m_tonePanel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(m_tonePanel);

    const std::array<QString, 5> captions{tr("Width"), tr("TX"), tr("RX"), tr("CTCSS"), tr("DCS")};
    const std::array<QString, 5> names{u"lblCWide"_s, u"lblCTX"_s, u"lblCRX"_s, u"lblCTCSS"_s, u"lblDCS"_s};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        m_toneLabels[i] = new QLabel(captions[i], m_tonePanel);
        m_toneLabels[i]->setObjectName(names[i]);
    }

    const std::array<QString, 2> widths{tr("Wide"), tr("Narrow")};
    auto* width = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        QRadioButton*& option = optCWide[static_cast<std::size_t>(i)];
        option = new QRadioButton(widths[static_cast<std::size_t>(i)], m_tonePanel);
        option->setObjectName(u"optCWide_%1"_s.arg(i));
        SetFocusHint(option, HintFamily::OptionButton);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on)
                Edit([&] { return SetNarrow(m_ctx, m_ref, i); });
        });
        width->addWidget(option);
    }
    width->addStretch(1);

    for (int d = 0; d < 2; ++d) {
        QComboBox*& ctcss = cmbCTCSS[static_cast<std::size_t>(d)];
        QComboBox*& dcs = cmbDCS[static_cast<std::size_t>(d)];
        ctcss = new QComboBox(m_tonePanel);
        ctcss->setObjectName(u"cmbCTCSS_%1"_s.arg(d));
        FillCombo(ctcss, CtcssNames());
        dcs = new QComboBox(m_tonePanel);
        dcs->setObjectName(u"cmbDCS_%1"_s.arg(d));
        FillCombo(dcs, DcsNames());
        for (QComboBox* combo : {ctcss, dcs}) {
            combo->setMaxVisibleItems(12);
            SetFocusHint(combo, HintFamily::ComboBox);
        }
        connect(ctcss, &QComboBox::activated, this, [this, d](int item) {
            Edit([&] {
                return SetCtcss(m_ctx, m_ref, d,
                                cmbCTCSS[static_cast<std::size_t>(d)]->itemData(item).toInt());
            });
        });
        connect(dcs, &QComboBox::activated, this, [this, d](int item) {
            Edit([&] {
                return SetDcs(m_ctx, m_ref, d, cmbDCS[static_cast<std::size_t>(d)]->itemData(item).toInt());
            });
        });
        grid->addWidget(ctcss, 2, 1 + d);
        grid->addWidget(dcs, 3, 1 + d);
    }
    chkComp = AddCheck(tr("Compander"), u"chkComp"_s);
    connect(chkComp, &QCheckBox::clicked, this,
            [this](bool on) { Edit([&] { return SetRxComp(m_ctx, m_ref, on); }); });

    grid->addWidget(m_toneLabels[0], 0, 0);
    grid->addLayout(width, 0, 1, 1, 2);
    grid->addWidget(m_toneLabels[1], 1, 1);
    grid->addWidget(m_toneLabels[2], 1, 2);
    grid->addWidget(m_toneLabels[3], 2, 0);
    grid->addWidget(m_toneLabels[4], 3, 0);
    grid->addWidget(chkComp, 3, 3);
    grid->setColumnStretch(4, 1);
    return m_tonePanel;
}

QWidget* ChannelPageView::BuildScramblerPanel()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    lblCScramble = new QLabel(tr("Scrambler"), panel);
    lblCScramble->setObjectName(u"lblCScramble"_s);
    cmbScramble = new QComboBox(panel);
    cmbScramble->setObjectName(u"cmbScramble"_s);
    SetHelpTopic(cmbScramble, 1064);
    for (const ScrambleItem& item : kScrambleItems)
        cmbScramble->addItem(ShownText(item.text), item.itemData);
    SetFocusHint(cmbScramble, HintFamily::ComboBox);
    connect(cmbScramble, &QComboBox::activated, this, [this](int item) {
        Edit([&] { return SetScramble(m_ctx, m_ref, cmbScramble->itemData(item).toInt()); });
    });

    chkCScan = AddCheck(tr("Scan memory"), u"chkCScan"_s, 1033);
    connect(chkCScan, &QCheckBox::clicked, this,
            [this](bool on) { Edit([&] { return SetScanMemory(m_ctx, m_ref, on); }); });

    m_nameLabel = new QLabel(tr("Name"), panel);
    m_nameLabel->setObjectName(u"lblCTag"_s);
    txtCTag = AddBox(FieldId::ChannelName, u"txtCTag"_s);
    SetHelpTopic(txtCTag, 1034);
    txtCTag->FitTo(u"NNNNNNNNNNNN"_s);

    // A hidden scrambler leaves no gap before the scan box.
    auto* scrambler = new QHBoxLayout;
    scrambler->addWidget(lblCScramble);
    scrambler->addWidget(cmbScramble);
    scrambler->addWidget(chkCScan);
    scrambler->addStretch(1);
    grid->addLayout(scrambler, 0, 0, 1, 3);
    grid->addWidget(m_nameLabel, 1, 0);
    grid->addWidget(txtCTag, 1, 1);
    grid->setColumnStretch(2, 1);
    return panel;
}

void ChannelPageView::Fill(const PageChoice& choice)
{
    m_ref = {choice.group, choice.index};
    SetHelpTopic(this, choice.group == kGroupBankE ? kExtraChannelPageTopic : kChannelPageTopic);
    ShowState();
}

void ChannelPageView::ShowState()
{
    const ChannelPage page = FillPage(m_data, m_ref);
    const FillGuard guard(m_shell);

    // The plan's number and frequencies are shown, not edited, on the fixed-plan banks.
    const bool fixed = !page.extraBank;
    QPalette boxes;
    if (fixed)
        boxes.setColor(QPalette::Base, boxes.color(QPalette::Window));
    const std::array<std::string, 4> texts{page.channelNumber[0], page.channelNumber[1], page.rxFrequency,
                                           page.txFrequency};
    const std::array<FieldBox*, 4> plan{txtCN[0], txtCN[1], txtCRF, txtCTF};
    for (std::size_t i = 0; i < plan.size(); ++i) {
        plan[i]->SetRecord(m_ref.group, m_ref.index);
        plan[i]->setReadOnly(fixed);
        plan[i]->setPalette(boxes);
        if (i == 0 && fixed)
            plan[i]->setMaxLength(page.channelNumberLimit);
        plan[i]->Show(ShownText(texts[i]));
        plan[i]->setEnabled(page.controlsEnabled);
    }
    txtCTag->SetRecord(m_ref.group, m_ref.index);
    txtCTag->Show(ShownText(page.name));

    m_transmitLine->setVisible(page.transmitPanel);
    m_transmitPanel->setVisible(page.transmitPanel);
    m_duplexPanel->setVisible(page.duplexPanel);
    m_tonePanel->setVisible(page.tonePanel);
    // The models without channel names or without the scrambler never show them.
    m_nameLabel->setVisible(page.nameShown);
    txtCTag->setVisible(page.nameShown);
    lblCScramble->setVisible(page.scramblerShown);
    cmbScramble->setVisible(page.scramblerShown);

    ShowCheck(chkCEnable, page.enable);
    ShowCheck(chkCTXEnable, page.txEnable);
    ShowCheck(chkCTXOnly, page.txOnly);
    ShowCheck(chkCTXPower, page.txPower);
    ShowCheck(chkCDup, page.duplex);
    ShowCheck(chkCScan, page.scan);
    ShowCheck(chkComp, page.compander);
    m_transmitLine->setEnabled(page.txEnable.enabled);

    cmbScramble->setCurrentIndex(page.scrambleIndex);
    cmbScramble->setEnabled(page.scrambleEnabled);
    lblCScramble->setEnabled(page.scrambleEnabled);

    optCWide[static_cast<std::size_t>(page.wideOption)]->setChecked(true);
    for (std::size_t d = 0; d < 2; ++d) {
        cmbCTCSS[d]->setCurrentIndex(cmbCTCSS[d]->findData(page.ctcss[d]));
        cmbDCS[d]->setCurrentIndex(cmbDCS[d]->findData(page.dcs[d]));
    }
    for (QWidget* control : std::initializer_list<QWidget*>{
             m_numberLabel, m_frequencyLabels[0], m_frequencyLabels[1], m_nameLabel, txtCTag, optCWide[0],
             optCWide[1], cmbCTCSS[0], cmbCTCSS[1], cmbDCS[0], cmbDCS[1]})
        control->setEnabled(page.controlsEnabled);
    for (QLabel* label : m_toneLabels)
        label->setEnabled(page.controlsEnabled);
}

bool ChannelPageView::Edit(const std::function<bool()>& edit)
{
    if (m_shell.BusyFlag || !isEnabled())
        return false;
    const bool edited = edit();
    // A refused edit shows the record as it stayed (a last enabled channel ticked again).
    ShowState();
    return edited;
}

bool ChannelPageView::Commit()
{
    txtCRF->FinishInput();
    txtCTF->FinishInput();
    const std::string refusal = ChannelLeaveText(m_data, m_ref);
    if (refusal.empty())
        return true;
    Dialogs::Message(this, QString::fromStdString(refusal), QString::fromStdString(m_shell.ProgramTitle),
                     MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

}  // namespace kelpie
