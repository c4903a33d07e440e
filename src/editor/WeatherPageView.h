// WeatherPageView.h — the weather page (pictD): the ten weather channels as rows of caption, enable
// box, scan box and name.
#pragma once

#include <array>

#include "edit/ChannelEdit.h"
#include "edit/FieldInput.h"
#include "editor/PageView.h"

class QCheckBox;
class QLabel;

namespace kelpie {

class FieldBox;

class WeatherPageView : public PageView
{
    Q_OBJECT
public:
    WeatherPageView(RadioData& data, ShellState& shell, QWidget* parent = nullptr);

    void Fill(const PageChoice& choice) override;

protected:
    // The enable box with the focus shows ">" as its caption.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row
    {
        QLabel* lblWX = nullptr;
        QCheckBox* chkDEnable = nullptr;
        QCheckBox* chkDScan = nullptr;
        FieldBox* txtDTagName = nullptr;
    };

    void ShowRows();

    RadioData& m_data;
    ShellState& m_shell;
    EditContext m_ctx;
    FieldInput m_input;
    QLabel* lblDTagName = nullptr;
    std::array<Row, kWxChannelCount> m_rows;
};

}  // namespace kelpie
