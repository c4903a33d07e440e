// HelpTopic.h — the help topic a control opens on F1: a property of the control, found by walking
// from the focused control up to the first one that has it.
#pragma once

#include <QWidget>

namespace kelpie {

inline constexpr const char* kHelpTopicProperty = "helpTopic";

inline void SetHelpTopic(QWidget* control, int topic)
{
    control->setProperty(kHelpTopicProperty, topic);
}

// The topic of the control or of its nearest parent that has one; 0 when none has.
inline int HelpTopicOf(const QWidget* control)
{
    for (const QWidget* widget = control; widget; widget = widget->parentWidget()) {
        if (const int topic = widget->property(kHelpTopicProperty).toInt(); topic != 0) {
            return topic;
        }
    }
    return 0;
}

}  // namespace kelpie
