// ChannelPageView.h — the channel page (pictC): one channel of the USA, International or Canada
// bank, whose number and frequencies come from the channel plan, or of the extra bank, whose
// number, frequencies, tones and width are free. Every control writes its field at once.
#pragma once

#include <array>
#include <functional>

#include "edit/ChannelEdit.h"
#include "edit/FieldInput.h"
#include "editor/PageView.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QRadioButton;

namespace kelpie {

class FieldBox;

class ChannelPageView : public PageView
{
    Q_OBJECT
public:
    ChannelPageView(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;
    // Finishes a frequency being typed; an enabled extra-bank channel without a receive frequency
    // or a two-character channel number keeps the page.
    bool Commit() override;

private:
    QWidget* BuildNumberRow();
    QWidget* BuildPanels();
    QWidget* BuildTonePanel();
    QWidget* BuildScramblerPanel();
    FieldBox* AddBox(FieldId field, const QString& name);
    QCheckBox* AddCheck(const QString& caption, const QString& name, int helpTopic = 0);

    // The controls show the page the records give now; filling never edits.
    void ShowState();
    // A control's event: only with the page in view and the shell not busy, the edit layer makes
    // the edit and the page shows the result. True when the edit was made.
    bool Edit(const std::function<bool()>& edit);

    RadioData& m_data;
    ShellState& m_shell;
    EditContext m_ctx;
    FieldInput m_input;
    ChannelRef m_ref;

    std::array<QLabel*, 2> m_frequencyLabels{};
    QLabel* m_numberLabel = nullptr;
    std::array<FieldBox*, 2> txtCN{};
    FieldBox* txtCRF = nullptr;
    FieldBox* txtCTF = nullptr;
    QCheckBox* chkCEnable = nullptr;
    QWidget* m_powerPanel = nullptr;
    QCheckBox* chkCTXOnly = nullptr;
    QCheckBox* chkCTXPower = nullptr;
    QFrame* m_transmitLine = nullptr;
    QWidget* m_transmitPanel = nullptr;
    QCheckBox* chkCTXEnable = nullptr;
    QWidget* m_duplexPanel = nullptr;
    QCheckBox* chkCDup = nullptr;
    QFrame* m_tonePanel = nullptr;
    std::array<QRadioButton*, 2> optCWide{};
    std::array<QComboBox*, 2> cmbCTCSS{};
    std::array<QComboBox*, 2> cmbDCS{};
    QCheckBox* chkComp = nullptr;
    std::array<QLabel*, 5> m_toneLabels{};  // width, TX, RX, CTCSS, DCS
    QLabel* lblCScramble = nullptr;
    QComboBox* cmbScramble = nullptr;
    QCheckBox* chkCScan = nullptr;
    QLabel* m_nameLabel = nullptr;
    FieldBox* txtCTag = nullptr;
};

}  // namespace kelpie
