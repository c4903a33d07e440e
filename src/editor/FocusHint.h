// FocusHint.h — the status-bar hint a page's check boxes, combo boxes and option buttons show while
// they have the focus.
#pragma once

#include <QString>

class QWidget;

namespace kelpie {

enum class HintFamily {
    CheckBox,      // "[Space]: switches it on or off."
    ComboBox,      // "[Up]/[Down]:Change of a Selection item."
    OptionButton,  // "[Up]/[Down]/[Left]/[Right]:Change of a Selection item."
};

QString HintText(HintFamily family);
// When the control gets the focus, the page it stands on puts `hint` into the status bar.
void SetFocusHint(QWidget* control, const QString& hint);
void SetFocusHint(QWidget* control, HintFamily family);

}  // namespace kelpie
