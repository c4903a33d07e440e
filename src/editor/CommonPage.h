// CommonPage.h — the common setup page (pictCommon): TX power display, scanning, dual watch, the
// NMEA offset time and magnetic variation, the weather alert and the rotary beep.
#pragma once

#include <array>

#include "edit/EditContext.h"
#include "editor/PageView.h"

class QComboBox;
class QFormLayout;
class QGroupBox;

namespace kelpie {

class CommonPage : public PageView
{
    Q_OBJECT
public:
    CommonPage(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;

private:
    static constexpr int kComboCount = 9;  // in the order of CommonCombo

    void FillCommonPage();
    void OnChosen(int combo, int index);
    void ShowScanRows();

    RadioData& m_data;
    ShellState& m_shell;
    EditContext m_ctx{m_data, m_shell};
    std::array<QComboBox*, kComboCount> m_combos{};  // cmbCommonTXPo … cmbCommonRotary
    std::array<QFormLayout*, kComboCount> m_rows{};  // the form each combo is a row of
    std::array<QGroupBox*, 4> m_frames{};            // TX mode, scanning, NMEA, weather
};

}  // namespace kelpie
