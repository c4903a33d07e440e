// MessageBox.h — the message boxes every operation shows through its window's seam: the icon, the
// buttons offered and the answer given.
#pragma once

namespace kelpie {

enum class MessageIcon {
    Critical,
    Question,
    Exclamation,
    Information
};
enum class MessageButtons {
    Ok,
    OkCancel,
    RetryCancel,
    YesNo,
    YesNoCancel,
    SaveDiscardCancel  // the question before work is replaced
};
enum class MessageAnswer {
    Ok,
    Cancel,
    Retry,
    Yes,
    No,
    Save,
    Discard
};

}  // namespace kelpie
