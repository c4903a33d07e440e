// WeatherPageView.cpp — the weather rows over the edit layer's weather page and edits.
#include "editor/WeatherPageView.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>

#include "editor/FieldBox.h"
#include "editor/FocusHint.h"
#include "editor/HelpTopic.h"
#include "editor/PageControls.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

constexpr int kWeatherPageTopic = 1102;
const QString kEnableCaption = u" "_s;
const QString kFocusedEnableCaption = u">"_s;

}  // namespace

WeatherPageView::WeatherPageView(RadioData& data, ShellState& shell, QWidget* parent)
    : PageView(parent), m_data(data), m_shell(shell), m_ctx{data, shell}
{
    setObjectName(u"WeatherPage"_s);
    SetHelpTopic(this, kWeatherPageTopic);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);

    const std::array<QString, 3> headings{tr("Channel"), tr("Enable"), tr("Scan")};
    const std::array<QString, 3> headingNames{u"lblDChannel"_s, u"lblDEnable"_s, u"lblDScan"_s};
    for (int c = 0; c < 3; ++c) {
        auto* heading = new QLabel(headings[static_cast<std::size_t>(c)], this);
        heading->setObjectName(headingNames[static_cast<std::size_t>(c)]);
        grid->addWidget(heading, 0, c);
    }
    lblDTagName = new QLabel(tr("Name"), this);
    lblDTagName->setObjectName(u"lblDTagName"_s);
    grid->addWidget(lblDTagName, 0, 3);

    for (int i = 0; i < kWxChannelCount; ++i) {
        Row& row = m_rows[static_cast<std::size_t>(i)];
        row.lblWX = new QLabel(this);
        row.lblWX->setObjectName(u"lblWX_%1"_s.arg(i));
        row.chkDEnable = new QCheckBox(kEnableCaption, this);
        row.chkDEnable->setObjectName(u"chkDEnable_%1"_s.arg(i));
        SetHelpTopic(row.chkDEnable, 1028);
        row.chkDEnable->installEventFilter(this);
        row.chkDScan = new QCheckBox(this);
        row.chkDScan->setObjectName(u"chkDScan_%1"_s.arg(i));
        SetHelpTopic(row.chkDScan, 1033);
        SetFocusHint(row.chkDScan, HintFamily::CheckBox);
        row.txtDTagName = new FieldBox(FieldId::WeatherName, m_input, m_ctx, this);
        row.txtDTagName->setObjectName(u"txtDTagName_%1"_s.arg(i));
        SetHelpTopic(row.txtDTagName, 1034);
        row.txtDTagName->SetRecord(0, i);
        row.txtDTagName->FitTo(u"NNNNNNNNNNNN"_s);
        connect(row.txtDTagName, &FieldBox::StatusText, this, &PageView::StatusText);

        // The weather page has no panel of its own to be out of view; only a busy shell stops an edit.
        connect(row.chkDEnable, &QCheckBox::clicked, this, [this, i](bool on) {
            SetWeatherEnable(m_ctx, i, on);
            ShowRows();
        });
        connect(row.chkDScan, &QCheckBox::clicked, this, [this, i](bool on) {
            SetWeatherScan(m_ctx, i, on);
            ShowRows();
        });

        grid->addWidget(row.lblWX, i + 1, 0);
        grid->addWidget(row.chkDEnable, i + 1, 1);
        grid->addWidget(row.chkDScan, i + 1, 2);
        grid->addWidget(row.txtDTagName, i + 1, 3);
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(kWxChannelCount + 1, 1);
}

void WeatherPageView::Fill(const PageChoice& /*choice*/)
{
    ShowRows();
}

void WeatherPageView::ShowRows()
{
    const WeatherPage page = FillWeatherPage(m_data);
    const FillGuard guard(m_shell);
    lblDTagName->setVisible(page.namesShown);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const WeatherRow& shown = page.rows[i];
        Row& row = m_rows[i];
        row.lblWX->setText(ShownText(shown.caption));
        row.chkDEnable->setChecked(shown.enable);
        row.chkDScan->setChecked(shown.scan.checked);
        row.chkDScan->setEnabled(shown.scan.enabled);
        row.txtDTagName->Show(ShownText(shown.name));
        row.txtDTagName->setEnabled(shown.nameEnabled);
        row.txtDTagName->setVisible(page.namesShown);
    }
}

bool WeatherPageView::eventFilter(QObject* watched, QEvent* event)
{
    if (auto* box = qobject_cast<QCheckBox*>(watched)) {
        if (event->type() == QEvent::FocusIn) {
            box->setText(kFocusedEnableCaption);
            emit StatusText(tr("Select[x]Enable/[]Disable."));
        } else if (event->type() == QEvent::FocusOut) {
            box->setText(kEnableCaption);
            ClearFocusHint(this, static_cast<QFocusEvent*>(event));
        }
    }
    return PageView::eventFilter(watched, event);
}

}  // namespace kelpie
