// FocusHint.cpp — one event filter per control, owned by the control.
#include "editor/FocusHint.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

#include "editor/PageView.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

// The page is looked up when the focus arrives: a control may be built before its page takes it.
class FocusHintFilter : public QObject
{
public:
    FocusHintFilter(const QString& hint, QWidget* control)
        : QObject(control), m_control(control), m_hint(hint)
    {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            for (QWidget* w = m_control->parentWidget(); w; w = w->parentWidget()) {
                if (auto* page = qobject_cast<PageView*>(w)) {
                    if (event->type() == QEvent::FocusIn)
                        emit page->StatusText(m_hint);
                    else
                        ClearFocusHint(page, static_cast<QFocusEvent*>(event));
                    break;
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_control;
    QString m_hint;
};

}  // namespace

void ClearFocusHint(PageView* page, const QFocusEvent* event)
{
    // Another window or a popup taking the focus for a while is no leaving of the control.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit page->StatusText(QString());
}

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

void SetFocusHint(QWidget* control, const QString& hint)
{
    control->installEventFilter(new FocusHintFilter(hint, control));
}

void SetFocusHint(QWidget* control, HintFamily family)
{
    SetFocusHint(control, HintText(family));
}

}  // namespace kelpie
