// AtisPage.h — the ATIS setup page (pictATIS): the usable ATIS groups, the ATIS code and the killer
// groups on the "Common" sheet, and the call-sign table on the "CallSign" sheet of tbsATIS.
#pragma once

#include <array>
#include <vector>

#include "edit/EditContext.h"
#include "edit/FieldInput.h"
#include "editor/PageView.h"

class QCheckBox;
class QGroupBox;
class QStackedWidget;
class QTabBar;

namespace kelpie {

class FieldBox;
class FlagControls;

class AtisPage : public PageView
{
    Q_OBJECT
public:
    AtisPage(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;
    bool Commit() override;

private:
    void FillAtisPage();

    RadioData& m_data;
    ShellState& m_shell;
    FieldInput m_input;
    FlagControls* m_flags = nullptr;
    QTabBar* tbsATIS = nullptr;
    QStackedWidget* m_sheets = nullptr;  // pictATISChild_0, _1
    QGroupBox* pictATISKiller = nullptr;
    std::array<QCheckBox*, kGroupCount> chkATISChGroup{};
    std::array<QCheckBox*, kGroupCount> chkATISKiller{};
    FieldBox* txtATIScode = nullptr;
    std::vector<FieldBox*> m_callSignBoxes;  // txtATISMid_i and txtATISDisp_i
};

}  // namespace kelpie
