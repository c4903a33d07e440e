// FocusHint.h — the status-bar hint a page's check boxes, combo boxes and option buttons show while
// they have the focus.
#pragma once

#include <QString>

class QFocusEvent;
class QWidget;

namespace kelpie {

class PageView;

enum class HintFamily {
    CheckBox,      // "[Space]: switches it on or off."
    ComboBox,      // "[Up]/[Down]:Change of a Selection item."
    OptionButton,  // "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."
};

QString HintText(HintFamily family);
// When the control gets the focus, the page it stands on puts `hint` into the status bar; when the
// control is left (the focus moves on, the page is left), the hint goes again.
void SetFocusHint(QWidget* control, const QString& hint);
void SetFocusHint(QWidget* control, HintFamily family);
// A hinted control lost the focus: the page's hint is cleared, unless the focus only went to
// another window or a popup for a while.
void ClearFocusHint(PageView* page, const QFocusEvent* event);

}  // namespace kelpie
