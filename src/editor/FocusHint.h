// FocusHint.h — the status-bar hint a page's check boxes, combo boxes and option buttons show while
// they have the focus.
#pragma once

#include <QString>

class QWidget;

namespace kelpie {

class PageView;

enum class HintFamily {
    CheckBox,      // "[Space]: switches it on or off."
    ComboBox,      // "[Up]/[Down]:Change of a Selection item."
    OptionButton,  // "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."
};

QString HintText(HintFamily family);
// When the control gets the focus, the page puts `hint` into the status bar.
void SetFocusHint(PageView* page, QWidget* control, const QString& hint);
void SetFocusHint(PageView* page, QWidget* control, HintFamily family);

}  // namespace kelpie
