// DscPage.cpp — the DSC sheets. Row labels are the listing's, so that a row reads the same on the
// page and on paper; the rows the MB6000 does not keep are disabled for it.
#include "editor/DscPage.h"

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
#include "editor/FocusHint.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"
#include "model/SettingsFields.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kDscTopic = 1106;
QString ClearHint()
{
    return DscPage::tr("A click resets the count of User MMSI settings the radio still allows");
}

QStringList OffOn()
{
    return {DscPage::tr("Off"), DscPage::tr("On")};
}

QStringList LowHi()
{
    return {DscPage::tr("Low"), DscPage::tr("Hi")};
}

// The call types of the advanced sheet: the call flag and its TX power flag per category. The
// settings table names them: the call's heading in the listing, each category's line.
struct CallType
{
    const char16_t* name;
    const char* member;
    std::array<bool, 4> DscAdvancedSetup::*call;
    std::array<bool, 4> DscAdvancedSetup::*tx;
};
constexpr std::array<CallType, 3> kCallTypes{{
    {u"AllShipsCall", "DscAdvancedSetup.AllShipsCall[c]", &DscAdvancedSetup::AllShipsCall,
     &DscAdvancedSetup::AllShipsCallTX},
    {u"GroupCall", "DscAdvancedSetup.GroupCall[c]", &DscAdvancedSetup::GroupCall,
     &DscAdvancedSetup::GroupCallTX},
    {u"IndividualCall", "DscAdvancedSetup.IndividualCall[c]", &DscAdvancedSetup::IndividualCall,
     &DscAdvancedSetup::IndividualCallTX},
}};
constexpr int kCategoryCount = 4;

struct DisplayRow
{
    const char* member;
    bool DscDisplaySetup::*flag;
};
constexpr std::array<DisplayRow, 3> kDisplayRows{{
    {"DscDisplaySetup.IndividualAckMenu", &DscDisplaySetup::IndividualAckMenu},
    {"DscDisplaySetup.IndividualAckMessageMenu", &DscDisplaySetup::IndividualAckMessageMenu},
    {"DscDisplaySetup.PosRequestAckMenu", &DscDisplaySetup::PosRequestAckMenu},
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
    tbsDSC = AddTabStrip(this, u"tbsDSC"_s, {tr("Basic Setup"), tr("Advanced Setup"), tr("Display Setup")},
                         m_sheets);
    BuildBasicSheet();
    BuildAdvancedSheet();
    BuildDisplaySheet();
}

void DscPage::BuildBasicSheet()
{
    QVBoxLayout* layout = AddSheet(m_sheets, ArrayName(u"pictDSCChild"_s, 0));
    QWidget* content = layout->parentWidget();

    // The captions are the settings table's: each frame the heading that opens it in the listing,
    // each row its setting's label.
    const auto caption = [this](const std::string& text) { return TableCaption(*this, text); };
    auto* groups = new QGroupBox(caption(SettingsFieldOf("DscBasicSetup.UsableDsc[g]").ListHeading), content);
    auto* groupRow = new QHBoxLayout(groups);
    for (int g = kGroupUsa; g <= kGroupCanada; ++g) {
        const std::string group =
            FieldLabel(SettingsFieldOf("DscBasicSetup.UsableDsc[g]", g), m_data.ModelIndex);
        groupRow->addWidget(NamedLabel(caption(group), ArrayName(u"lblUsableDsc"_s, g), groups));
        groupRow->addWidget(
            m_flags->AddCombo(groups, ArrayName(u"cmbUsableDsc"_s, g), OffOn(),
                              [g](RadioData& d) -> bool& { return d.DscBasicSetup.UsableDsc[g]; }));
    }
    groupRow->addStretch(1);
    layout->addWidget(groups);

    auto* mmsi = new QGroupBox(caption(SettingsFieldOf("DscBasicSetup.UserMmsi").Label), content);
    auto* mmsiRow = new QHBoxLayout(mmsi);
    txtUserMMSI = new FieldBox(FieldId::UserMmsi, m_input, {m_data, m_shell}, mmsi);
    txtUserMMSI->setObjectName(u"txtUserMMSI"_s);
    txtUserMMSI->setMaximumWidth(txtUserMMSI->fontMetrics().horizontalAdvance(u"0000000000"_s) + 12);
    connect(txtUserMMSI, &FieldBox::StatusText, this, &PageView::StatusText);
    txtFCount = new QLineEdit(mmsi);
    txtFCount->setObjectName(u"txtFCount"_s);
    txtFCount->setReadOnly(true);
    txtFCount->setMaximumWidth(txtFCount->fontMetrics().horizontalAdvance(u"0000"_s) + 12);
    cmdFClear = new QPushButton(tr("Clear"), mmsi);
    cmdFClear->setObjectName(u"cmdFClear"_s);
    SetFocusHint(cmdFClear, ClearHint());
    connect(cmdFClear, &QPushButton::clicked, this, [this] {
        // A user MMSI refused on leaving its box keeps the page's input open: no clear runs.
        if (Commit() && !m_input.FieldChanged())
            emit ClearDistressRequested();
    });
    mmsiRow->addWidget(txtUserMMSI);
    mmsiRow->addWidget(NamedLabel(tr("Count"), u"lblFCount"_s, mmsi));
    mmsiRow->addWidget(txtFCount);
    mmsiRow->addWidget(cmdFClear);
    mmsiRow->addStretch(1);
    layout->addWidget(mmsi);

    // The page's own frames: the listing gives the requests no heading of their own.
    auto* calls = new QGroupBox(tr("DSC Call"), content);
    auto* callGrid = new QGridLayout(calls);
    for (int row = 0; row < static_cast<int>(m_posRequestRows.size()); ++row) {
        auto& widgets = m_posRequestRows[static_cast<std::size_t>(row)];
        widgets.push_back(NamedLabel(caption(SettingsFieldOf("DscBasicSetup.PosRequest[i]", row).Label),
                                     ArrayName(u"lblUsableDscPosRequest"_s, row), calls));
        widgets.push_back(
            m_flags->AddCombo(calls, ArrayName(u"cmbUsableDscPosRequest"_s, row), OffOn(),
                              [row](RadioData& d) -> bool& { return d.DscBasicSetup.PosRequest[row]; }));
        if (PosRequestTxRowShown(row)) {
            widgets.push_back(m_flags->AddCombo(
                calls, ArrayName(u"cmbUsableDscPosRequestTX"_s, row), LowHi(),
                [row](RadioData& d) -> bool& { return d.DscBasicSetup.PosRequestTX[row]; }));
        }
        for (int c = 0; c < static_cast<int>(widgets.size()); ++c)
            callGrid->addWidget(widgets[static_cast<std::size_t>(c)], row, c);
    }
    callGrid->setColumnStretch(3, 1);
    layout->addWidget(calls);

    auto* beeps = new QGroupBox(caption(SettingsFieldOf("DscBasicSetup.BeepOut[i]").ListHeading), content);
    auto* beepForm = new QFormLayout(beeps);
    for (const int element : kBeepOutElements) {
        QLabel* label = NamedLabel(caption(SettingsFieldOf("DscBasicSetup.BeepOut[i]", element).Label),
                                   ArrayName(u"lblUsableDscBeepOut"_s, element), beeps);
        QComboBox* combo =
            m_flags->AddCombo(beeps, ArrayName(u"cmbUsableDscBeepOut"_s, element), OffOn(),
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
    // The listing heads this sheet's settings by call; the page heads its table by category.
    auto* box = new QGroupBox(tr("Call Categories"), layout->parentWidget());
    auto* grid = new QGridLayout(box);
    for (int c = 0; c < kCategoryCount; ++c) {
        const std::string& category = SettingsFieldOf(kCallTypes[0].member, c).ListLabel;
        grid->addWidget(new QLabel(TableCaption(*this, category), box), c + 1, 0);
    }
    for (int t = 0; t < static_cast<int>(kCallTypes.size()); ++t) {
        const CallType& type = kCallTypes[static_cast<std::size_t>(t)];
        const QString name = QString::fromUtf16(type.name);
        const int column = 1 + 2 * t;
        grid->addWidget(new QLabel(TableCaption(*this, SettingsFieldOf(type.member).ListHeading), box), 0,
                        column, 1, 2);
        for (int c = 0; c < kCategoryCount; ++c) {
            const auto call = type.call;
            const auto tx = type.tx;
            grid->addWidget(
                m_flags->AddCombo(box, ArrayName(u"cmbUsableDsc"_s + name, c), OffOn(),
                                  [call, c](RadioData& d) -> bool& { return (d.DscAdvancedSetup.*call)[c]; }),
                c + 1, column);
            grid->addWidget(
                m_flags->AddCombo(box, ArrayName(u"cmbUsableDsc"_s + name + u"TX"_s, c), LowHi(),
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
    auto* box = new QGroupBox(tr("Display Setup"), content);
    auto* form = new QFormLayout(box);
    for (int i = 0; i < static_cast<int>(kDisplayRows.size()); ++i) {
        const auto flag = kDisplayRows[static_cast<std::size_t>(i)].flag;
        form->addRow(
            TableCaption(*this, SettingsFieldOf(kDisplayRows[static_cast<std::size_t>(i)].member).Label),
            m_flags->AddCombo(box, ArrayName(u"cmbDscDisplay"_s, i), OffOn(),
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

}  // namespace kelpie
