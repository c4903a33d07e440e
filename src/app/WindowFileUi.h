// WindowFileUi.h — the main window's side of the file procedures: the busy state (window disabled,
// wait cursor), message boxes through the dialog wrapper, and the waits after a file operation.
#pragma once

#include <QWidget>

#include "files/FileUi.h"

namespace kelpie {

class WindowFileUi : public FileUi
{
public:
    // Without pauses (tests) a wait only lets pending events run.
    WindowFileUi(QWidget& window, bool pauses) : m_window(window), m_pauses(pauses) {}

    // Busy states nest: the window comes back when the outermost one ends.
    void SetBusy(bool busy) override;
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override;
    // The wait lets the user see that an operation ended; before the window shows (start-up)
    // there is nothing to see, so the program does not wait then.
    void Pause(int milliseconds) override;

private:
    QWidget& m_window;
    bool m_pauses;
    int m_busyDepth = 0;
};

// The window busy for the lifetime of the scope.
class BusyScope
{
public:
    explicit BusyScope(FileUi& ui) : m_ui(ui) { m_ui.SetBusy(true); }
    ~BusyScope() { m_ui.SetBusy(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    FileUi& m_ui;
};

}  // namespace kelpie
