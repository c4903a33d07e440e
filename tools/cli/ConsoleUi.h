// ConsoleUi.h — the windows' part of the file and radio operations, on a console: message boxes
// become lines on standard error, questions are answered by --yes, progress is a bar.
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "files/FileUi.h"
#include "link/Clock.h"
#include "link/LinkUi.h"

namespace kelpie {

class ConsoleUi : public LinkUi
{
public:
    // yes: questions are answered OK or Retry instead of Cancel, a few times in a run (a radio that
    // stays busy or refusing ends the run); debug: monitor texts are shown.
    ConsoleUi(bool yes, bool debug);

    // The file or device the operation works on; messages name it.
    void SetSubject(std::string subject) { m_subject = std::move(subject); }
    // Called from PumpEvents once Ctrl+C was pressed, as the Cancel button would be.
    void OnInterrupt(std::function<void()> cancel) { m_cancel = std::move(cancel); }
    // The clock of the run the pauses belong to: they take its time, as the run's waits do.
    void PauseOn(Clock* clock) { m_clock = clock; }
    // The last line of a transfer: the bar's final state, or a plain line when not on a terminal.
    void FinishProgress(const std::string& what);

    // LinkUi
    void ShowMonitor(std::string_view text) override;
    void ShowProgress(int percent) override;
    void PumpEvents() override;
    void Pause(int milliseconds) override;
    MessageAnswer Message(std::string_view text, std::string_view title, MessageIcon icon,
                          MessageButtons buttons) override;
    void SetRunning(bool running) override;
    void ShowWaiting(std::string_view text) override;

private:
    // The automatic answers one run gets; after them every question is answered Cancel.
    static constexpr int kAutomaticAnswerLimit = 3;

    bool AnswerYes();

    bool m_yes;
    bool m_debug;
    bool m_terminal;
    int m_percent = -1;  // on the bar now
    int m_reached = 0;   // the most the run got to
    bool m_running = false;
    int m_automaticAnswers = 0;
    std::chrono::steady_clock::time_point m_started = std::chrono::steady_clock::now();
    std::function<void()> m_cancel;
    Clock* m_clock = nullptr;
    std::string m_subject;
};

// The file procedures' side of the console: their messages on standard error, and none of the
// waits the desktop program makes after a file operation.
class ConsoleFileUi : public FileUi
{
public:
    explicit ConsoleFileUi(ConsoleUi& console) : m_console(console) {}

    void SetBusy(bool) override {}
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override
    {
        return m_console.Message(text, title, icon, buttons);
    }
    void Pause(int) override {}

private:
    ConsoleUi& m_console;
};

// Installs the Ctrl+C handler that ConsoleUi::PumpEvents answers. A Ctrl+C before the run began
// stays pending and cancels the run at its first step, before anything is sent to the radio.
void InstallInterruptHandler();

}  // namespace kelpie
