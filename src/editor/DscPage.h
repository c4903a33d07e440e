// DscPage.h — the DSC setup page (pictDSC): three sheets on tbsDSC — the basic setup with the user
// MMSI and its permission count, the call categories, and the acknowledgement menus.
#pragma once

#include <array>
#include <vector>

#include "edit/EditContext.h"
#include "edit/FieldInput.h"
#include "editor/PageView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTabBar;

namespace kelpie {

class FieldBox;
class FlagControls;

class DscPage : public PageView
{
    Q_OBJECT
public:
    DscPage(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;
    bool Commit() override;
    // txtFCount from the image, after the distress-log clear has run.
    void RefreshFCount();

signals:
    // cmdFClear: the open input is committed; the main window runs the clear through the transfer
    // dialog and then refreshes the count.
    void ClearDistressRequested();

private:
    void BuildBasicSheet();
    void BuildAdvancedSheet();
    void BuildDisplaySheet();
    void FillDscPage();

    RadioData& m_data;
    ShellState& m_shell;
    FieldInput m_input;
    FlagControls* m_flags = nullptr;
    QTabBar* tbsDSC = nullptr;
    QStackedWidget* m_sheets = nullptr;  // pictDSCChild_0 … _2
    FieldBox* txtUserMMSI = nullptr;
    QLineEdit* txtFCount = nullptr;
    QPushButton* cmdFClear = nullptr;
    // The rows a model may not offer: the position rows and the beep rows, each with its label.
    std::array<std::vector<QWidget*>, 4> m_posRequestRows{};
    std::vector<std::vector<QWidget*>> m_beepOutRows;
};

}  // namespace kelpie
