// DscPage.cpp — the DSC sheets. Row labels are the listing's, so that a row reads the same on the
// page and on paper; the rows the MB6000 does not keep are disabled for it.
#include "editor/DscPage.h"

#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "edit/SettingsEdit.h"
#include "editor/FieldBox.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kDscTopic = 1106;
const QString kClearHint = u"A Click Inicializes the number of User MMSI setting permission"_s;

const QStringList kOffOn{u"Off"_s, u"On"_s};
const QStringList kLowHi{u"Low"_s, u"Hi"_s};

const QStringList kPosRequestLabels{u"Distress Cancel Call"_s, u"Stanby Mode"_s, u"POS Request"_s,
                                    u"POS Send"_s};
const QStringList kCategoryLabels{u"Distress"_s, u"Urgency"_s, u"Safty"_s, u"Routine"_s};

// The call types of the advanced sheet: the call flag and its TX power flag per category.
struct CallType
{
    const char16_t* name;
    const char16_t* title;
    std::array<bool, 4> DscAdvancedSetup::*call;
    std::array<bool, 4> DscAdvancedSetup::*tx;
};
constexpr std::array<CallType, 3> kCallTypes{{
    {u"AllShipsCall", u"All Ships Call", &DscAdvancedSetup::AllShipsCall, &DscAdvancedSetup::AllShipsCallTX},
    {u"GroupCall", u"Group Call", &DscAdvancedSetup::GroupCall, &DscAdvancedSetup::GroupCallTX},
    {u"IndividualCall", u"Individual Call", &DscAdvancedSetup::IndividualCall,
     &DscAdvancedSetup::IndividualCallTX},
}};

struct DisplayRow
{
    const char16_t* label;
    bool DscDisplaySetup::*flag;
};
constexpr std::array<DisplayRow, 3> kDisplayRows{{
    {u"Individual ACK Menu", &DscDisplaySetup::IndividualAckMenu},
    {u"Individual ACK Message Menu", &DscDisplaySetup::IndividualAckMessageMenu},
    {u"POS Request ACK Menu", &DscDisplaySetup::PosRequestAckMenu},
}};

QLabel* NamedLabel(const QString& caption, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

DscPage::DscPage(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell), m_flags(new FlagControls({data, shell}, this))
{
    setObjectName(u"DscPage"_s);
    SetHelpTopic(this, kDscTopic);
    tbsDSC =
        AddTabStrip(this, u"tbsDSC"_s, {u"Basic Setup"_s, u"Advanced Setup"_s, u"Display Setup"_s}, m_sheets);
    BuildBasicSheet();
    BuildAdvancedSheet();
    BuildDisplaySheet();
}

void DscPage::BuildBasicSheet()
{
    QVBoxLayout* layout = AddSheet(m_sheets, ArrayName(u"pictDSCChild"_s, 0));
    QWidget* content = layout->parentWidget();

    auto* groups = new QGroupBox(u"Available DSC CH Group"_s, content);
    auto* groupRow = new QHBoxLayout(groups);
    const QStringList groupNames{u"USA"_s, u"INTL"_s, u"Canada"_s};
    for (int g = 0; g < groupNames.size(); ++g) {
        groupRow->addWidget(NamedLabel(groupNames[g], ArrayName(u"lblUsableDsc"_s, g), groups));
        groupRow->addWidget(
            m_flags->AddCombo(groups, ArrayName(u"cmbUsableDsc"_s, g), kOffOn,
                              [g](RadioData& d) -> bool& { return d.DscBasicSetup.UsableDsc[g]; }));
    }
    groupRow->addStretch(1);
    layout->addWidget(groups);

    auto* mmsi = new QGroupBox(u"User MMSI"_s, content);
    auto* mmsiRow = new QHBoxLayout(mmsi);
    txtUserMMSI = new FieldBox(FieldId::UserMmsi, m_input, {m_data, m_shell}, mmsi);
    txtUserMMSI->setObjectName(u"txtUserMMSI"_s);
    txtUserMMSI->setMaximumWidth(txtUserMMSI->fontMetrics().horizontalAdvance(u"0000000000"_s) + 12);
    connect(txtUserMMSI, &FieldBox::StatusText, this, &PageView::StatusText);
    txtFCount = new QLineEdit(mmsi);
    txtFCount->setObjectName(u"txtFCount"_s);
    txtFCount->setReadOnly(true);
    txtFCount->setMaximumWidth(txtFCount->fontMetrics().horizontalAdvance(u"0000"_s) + 12);
    cmdFClear = new QPushButton(u"Clear"_s, mmsi);
    cmdFClear->setObjectName(u"cmdFClear"_s);
    cmdFClear->installEventFilter(this);
    connect(cmdFClear, &QPushButton::clicked, this, [this] {
        // A user MMSI refused on leaving its box keeps the page's input open: no clear runs.
        if (Commit() && !m_input.FieldChanged())
            emit ClearDistressRequested();
    });
    mmsiRow->addWidget(txtUserMMSI);
    mmsiRow->addWidget(NamedLabel(u"Count"_s, u"lblFCount"_s, mmsi));
    mmsiRow->addWidget(txtFCount);
    mmsiRow->addWidget(cmdFClear);
    mmsiRow->addStretch(1);
    layout->addWidget(mmsi);

    auto* calls = new QGroupBox(u"DSC Call"_s, content);
    auto* callGrid = new QGridLayout(calls);
    for (int row = 0; row < kPosRequestLabels.size(); ++row) {
        auto& widgets = m_posRequestRows[static_cast<std::size_t>(row)];
        widgets.push_back(
            NamedLabel(kPosRequestLabels[row], ArrayName(u"lblUsableDscPosRequest"_s, row), calls));
        widgets.push_back(
            m_flags->AddCombo(calls, ArrayName(u"cmbUsableDscPosRequest"_s, row), kOffOn,
                              [row](RadioData& d) -> bool& { return d.DscBasicSetup.PosRequest[row]; }));
        if (PosRequestTxRowShown(row)) {
            widgets.push_back(m_flags->AddCombo(
                calls, ArrayName(u"cmbUsableDscPosRequestTX"_s, row), kLowHi,
                [row](RadioData& d) -> bool& { return d.DscBasicSetup.PosRequestTX[row]; }));
        }
        for (int c = 0; c < static_cast<int>(widgets.size()); ++c)
            callGrid->addWidget(widgets[static_cast<std::size_t>(c)], row, c);
    }
    callGrid->setColumnStretch(3, 1);
    layout->addWidget(calls);

    auto* beeps = new QGroupBox(u"DSC Beep Output"_s, content);
    auto* beepForm = new QFormLayout(beeps);
    for (const BeepOutRow& row : kBeepOutRows) {
        const int element = row.element;
        QLabel* label = NamedLabel(ShownText(row.label), ArrayName(u"lblUsableDscBeepOut"_s, element), beeps);
        QComboBox* combo =
            m_flags->AddCombo(beeps, ArrayName(u"cmbUsableDscBeepOut"_s, element), kOffOn,
                              [element](RadioData& d) -> bool& { return d.DscBasicSetup.BeepOut[element]; });
        beepForm->addRow(label, combo);
        m_beepOutRows.push_back({label, combo});
    }
    layout->addWidget(beeps);
    layout->addStretch(1);
}

void DscPage::BuildAdvancedSheet()
{
    // One table: a row per call category, a column pair (call, TX power) per call type.
    QVBoxLayout* layout = AddSheet(m_sheets, ArrayName(u"pictDSCChild"_s, 1));
    auto* box = new QGroupBox(u"Call Categories"_s, layout->parentWidget());
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < kCategoryLabels.size(); ++c)
        grid->addWidget(new QLabel(kCategoryLabels[c], box), c + 1, 0);
    for (int t = 0; t < static_cast<int>(kCallTypes.size()); ++t) {
        const CallType& type = kCallTypes[static_cast<std::size_t>(t)];
        const QString name = QString::fromUtf16(type.name);
        const int column = 1 + 2 * t;
        grid->addWidget(new QLabel(QString::fromUtf16(type.title), box), 0, column, 1, 2);
        for (int c = 0; c < kCategoryLabels.size(); ++c) {
            const auto call = type.call;
            const auto tx = type.tx;
            grid->addWidget(
                m_flags->AddCombo(box, ArrayName(u"cmbUsableDsc"_s + name, c), kOffOn,
                                  [call, c](RadioData& d) -> bool& { return (d.DscAdvancedSetup.*call)[c]; }),
                c + 1, column);
            grid->addWidget(
                m_flags->AddCombo(box, ArrayName(u"cmbUsableDsc"_s + name + u"TX"_s, c), kLowHi,
                                  [tx, c](RadioData& d) -> bool& { return (d.DscAdvancedSetup.*tx)[c]; }),
                c + 1, column + 1);
        }
    }
    grid->setColumnStretch(1 + 2 * static_cast<int>(kCallTypes.size()), 1);
    layout->addWidget(box);
    layout->addStretch(1);
}

void DscPage::BuildDisplaySheet()
{
    QVBoxLayout* layout = AddSheet(m_sheets, ArrayName(u"pictDSCChild"_s, 2));
    QWidget* content = layout->parentWidget();
    auto* box = new QGroupBox(u"Display Setup"_s, content);
    auto* form = new QFormLayout(box);
    for (int i = 0; i < static_cast<int>(kDisplayRows.size()); ++i) {
        const auto flag = kDisplayRows[static_cast<std::size_t>(i)].flag;
        form->addRow(QString::fromUtf16(kDisplayRows[static_cast<std::size_t>(i)].label),
                     m_flags->AddCombo(box, ArrayName(u"cmbDscDisplay"_s, i), kOffOn,
                                       [flag](RadioData& d) -> bool& { return d.DscDisplaySetup.*flag; }));
    }
    layout->addWidget(box);
    layout->addStretch(1);
}

void DscPage::Fill(const PageChoice&)
{
    FillDscPage();
}

void DscPage::FillDscPage()
{
    const FillGuard guard(m_shell);
    const int model = m_data.ModelIndex;
    ShowSheet(m_sheets, tbsDSC->currentIndex());
    m_flags->Fill();
    txtUserMMSI->Show(ShownText(MmsiBoxText(m_data.DscBasicSetup.UserMmsi, 9)));
    RefreshFCount();
    for (int row = 0; row < static_cast<int>(m_posRequestRows.size()); ++row) {
        for (QWidget* widget : m_posRequestRows[static_cast<std::size_t>(row)])
            widget->setEnabled(PosRequestRowEnabled(model, row));
    }
    for (int row = 0; row < static_cast<int>(m_beepOutRows.size()); ++row) {
        for (QWidget* widget : m_beepOutRows[static_cast<std::size_t>(row)])
            widget->setEnabled(BeepOutRowEnabled(model, row));
    }
}

void DscPage::RefreshFCount()
{
    txtFCount->setText(QString::number(UserMmsiPermissionCount(m_data)));
}

bool DscPage::Commit()
{
    txtUserMMSI->FinishInput();
    return true;
}

bool DscPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == cmdFClear && event->type() == QEvent::FocusIn)
        emit StatusText(kClearHint);
    return PageView::eventFilter(watched, event);
}

}  // namespace kelpie
