// PageControls.cpp — combo boxes, scrolling pages and tab sheets of the setting pages.
#include "editor/PageControls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "editor/FocusHint.h"

namespace kelpie {

QStringList ChoiceList(const std::vector<std::string>& choices)
{
    QStringList list;
    for (const std::string& choice : choices)
        list << ShownText(choice);
    return list;
}

QString TableCaption(const QObject& page, const std::string& text)
{
    return QCoreApplication::translate(page.metaObject()->className(), text.c_str());
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const QStringList& choices)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(choices);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    SetFocusHint(combo, HintFamily::ComboBox);
    return combo;
}

QComboBox* FlagControls::AddCombo(QWidget* parent, const QString& name, const QStringList& choices, Flag flag)
{
    QComboBox* combo = MakeCombo(parent, name, choices);
    connect(combo, &QComboBox::activated, this,
            [this, flag](int index) { EditField(m_ctx, flag(m_ctx.data), index == 1); });
    m_controls.push_back({combo, nullptr, std::move(flag)});
    return combo;
}

QCheckBox* FlagControls::AddCheck(QWidget* parent, const QString& name, Flag flag)
{
    auto* check = new QCheckBox(parent);
    check->setObjectName(name);
    SetFocusHint(check, HintFamily::CheckBox);
    connect(check, &QCheckBox::clicked, this,
            [this, flag](bool on) { EditField(m_ctx, flag(m_ctx.data), on); });
    m_controls.push_back({nullptr, check, std::move(flag)});
    return check;
}

void FlagControls::Fill()
{
    for (const Control& control : m_controls) {
        const bool on = control.flag(m_ctx.data);
        if (control.combo)
            control.combo->setCurrentIndex(on ? 1 : 0);
        else
            control.check->setChecked(on);
    }
}

QWidget* ScrollingContent(QWidget* page)
{
    auto* scroll = new QScrollArea(page);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return content;
}

QTabBar* AddTabStrip(QWidget* page, const QString& name, const QStringList& captions, QStackedWidget*& sheets)
{
    auto* strip = new QTabBar(page);
    strip->setObjectName(name);
    strip->setExpanding(false);
    for (const QString& caption : captions)
        strip->addTab(caption);
    sheets = new QStackedWidget(page);
    QObject::connect(strip, &QTabBar::currentChanged, sheets,
                     [sheets](int index) { ShowSheet(sheets, index); });
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(strip);
    layout->addWidget(sheets, 1);
    return strip;
}

QVBoxLayout* AddSheet(QStackedWidget* sheets, const QString& name)
{
    auto* sheet = new QWidget(sheets);
    sheet->setObjectName(name);
    sheets->addWidget(sheet);
    return new QVBoxLayout(ScrollingContent(sheet));
}

void ShowSheet(QStackedWidget* sheets, int index)
{
    for (int i = 0; i < sheets->count(); ++i)
        sheets->widget(i)->setEnabled(i == index);
    sheets->setCurrentIndex(index);
}

}  // namespace kelpie
