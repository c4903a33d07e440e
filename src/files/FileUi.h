// FileUi.h — what the file procedures ask of the main window: the busy state, message boxes and
// pauses. The windows implement it; tests record the calls and answer the boxes.
#pragma once

#include <string_view>

#include "model/MessageBox.h"

namespace kelpie {

class FileUi
{
public:
    virtual ~FileUi() = default;

    // While busy the main window is disabled and shows the wait cursor.
    virtual void SetBusy(bool busy) = 0;
    virtual MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                                      MessageButtons buttons) = 0;
    // Lets pending window events run, then waits; the windows wait, a test does not.
    virtual void Pause(int milliseconds) = 0;
};

}  // namespace kelpie
