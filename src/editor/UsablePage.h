// UsablePage.h — the usable channel groups page (pictUsable): per group the usable box, the TX
// time-out, the priority channel, the status icon and the status name.
#pragma once

#include <array>

#include "edit/EditContext.h"
#include "edit/FieldInput.h"
#include "editor/PageView.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace kelpie {

class FieldBox;
struct UsableRow;

class UsablePage : public PageView
{
    Q_OBJECT
public:
    UsablePage(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;
    bool Commit() override;

private:
    void FillUsablePage();
    void ShowRow(int group, const UsableRow& row);
    void RefreshRow(int group);  // the row again after an edit
    void OnUsableClicked(int group, bool on);
    void OnStatusChosen(int group, int index);

    RadioData& m_data;
    ShellState& m_shell;
    EditContext m_ctx{m_data, m_shell};
    FieldInput m_input;
    std::array<QCheckBox*, kGroupCount> chkUsable{};
    std::array<QComboBox*, kGroupCount> cmbUsableTot{};
    std::array<QComboBox*, kGroupCount> cmbUsablePri{};
    std::array<QComboBox*, kGroupCount> cmbUsableSts{};
    std::array<FieldBox*, kGroupCount> txtUsable{};
    QLabel* lblUsableTot = nullptr;
    QLabel* lblUsablePri = nullptr;
    QLabel* lblUsableSts = nullptr;
    QLabel* lblUsable = nullptr;
};

}  // namespace kelpie
