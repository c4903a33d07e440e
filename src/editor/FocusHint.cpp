// FocusHint.cpp — one event filter per control, owned by the control.
#include "editor/FocusHint.h"

#include <QEvent>
#include <QWidget>

#include "editor/PageView.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

class FocusHintFilter : public QObject
{
public:
    FocusHintFilter(PageView* page, const QString& hint, QObject* owner)
        : QObject(owner), m_page(page), m_hint(hint)
    {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            emit m_page->StatusText(m_hint);
        return QObject::eventFilter(watched, event);
    }

private:
    PageView* m_page;
    QString m_hint;
};

}  // namespace

QString HintText(HintFamily family)
{
    switch (family) {
        case HintFamily::CheckBox:
            return PageView::tr("[Space]: switches it on or off.");
        case HintFamily::ComboBox:
            return PageView::tr("[Up]/[Down]:Change of a Selection item.");
        case HintFamily::OptionButton:
            break;
    }
    return PageView::tr("[Up]/[Down]/[Left]/[Right]:Change of a Selection item.");
}

void SetFocusHint(PageView* page, QWidget* control, const QString& hint)
{
    control->installEventFilter(new FocusHintFilter(page, hint, control));
}

void SetFocusHint(PageView* page, QWidget* control, HintFamily family)
{
    SetFocusHint(page, control, HintText(family));
}

}  // namespace kelpie
