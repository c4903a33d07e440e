// ConsoleUi.cpp — console message boxes, questions and the progress bar.
#include "ConsoleUi.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <utility>

namespace kelpie {

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void OnSigint(int)
{
    g_interrupted = true;
}

// Message texts use CR LF between lines; a console wants one line per line.
std::string ConsoleText(std::string_view text)
{
    std::string line;
    for (char c : text) {
        if (c != '\r') {
            line += c;
        }
    }
    return line;
}

}  // namespace

void InstallInterruptHandler()
{
    struct sigaction action = {};
    action.sa_handler = OnSigint;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    // A parent may hand Ctrl+C over blocked; one that is pending arrives now, as a cancel.
    sigset_t interrupt;
    sigemptyset(&interrupt);
    sigaddset(&interrupt, SIGINT);
    sigprocmask(SIG_UNBLOCK, &interrupt, nullptr);
}

ConsoleUi::ConsoleUi(bool yes, bool debug)
    : m_yes(yes), m_debug(debug), m_terminal(isatty(STDERR_FILENO) == 1)
{}

void ConsoleUi::ShowMonitor(std::string_view text)
{
    if (m_debug && !text.empty()) {
        std::fprintf(stderr, "%s%s\n", m_terminal && m_percent >= 0 ? "\n" : "", ConsoleText(text).c_str());
    }
}

void ConsoleUi::ShowProgress(int percent)
{
    if (percent == m_percent) {
        return;
    }
    m_percent = percent;
    m_reached = std::max(m_reached, percent);
    if (!m_terminal) {
        return;
    }
    const auto seconds =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - m_started)
            .count();
    constexpr int kWidth = 40;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%%  %02lld:%02lld",
                 std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(kWidth - filled), '.').c_str(), percent,
                 static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
    std::fflush(stderr);
}

void ConsoleUi::FinishProgress(const std::string& what)
{
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - m_started).count();
    if (m_terminal && m_percent >= 0) {
        std::fprintf(stderr, "\n");
    }
    std::fprintf(stderr, "%s: %d%% in %.1f s\n", what.c_str(), m_reached, seconds);
}

void ConsoleUi::PumpEvents()
{
    if (m_cancel && g_interrupted.exchange(false)) {
        m_cancel();
    }
}

void ConsoleUi::Pause(int milliseconds)
{
    // In short steps, so that Ctrl+C during a long pause reaches the run at once.
    constexpr double kStepMs = 10;
    const double end = m_clock->Now() + milliseconds / 1000.0;
    for (double left = milliseconds; !g_interrupted && left > 0; left = (end - m_clock->Now()) * 1000) {
        m_clock->Sleep(static_cast<int>(std::ceil(std::min(kStepMs, left))));
    }
}

bool ConsoleUi::AnswerYes()
{
    if (!m_yes || m_automaticAnswers >= kAutomaticAnswerLimit) {
        return false;
    }
    ++m_automaticAnswers;
    return true;
}

MessageAnswer ConsoleUi::Message(std::string_view text, std::string_view title, MessageIcon,
                                 MessageButtons buttons)
{
    if (m_terminal && m_percent >= 0) {
        std::fprintf(stderr, "\n");
    }
    const std::string line = (m_subject.empty() ? "" : m_subject + ": ") + ConsoleText(text);
    if (buttons == MessageButtons::Ok) {
        std::fprintf(stderr, "%s\n", line.c_str());
        return MessageAnswer::Ok;
    }
    // The answer and the button's caption.
    std::pair<MessageAnswer, const char*> chosen{MessageAnswer::Cancel, "Cancel"};
    if (AnswerYes()) {
        chosen = buttons == MessageButtons::OkCancel      ? std::pair(MessageAnswer::Ok, "OK")
                 : buttons == MessageButtons::RetryCancel ? std::pair(MessageAnswer::Retry, "Retry")
                                                          : std::pair(MessageAnswer::Yes, "Yes");
    }
    const auto [answer, caption] = chosen;
    std::fprintf(stderr, "%s: %s [%s]\n", std::string(title).c_str(), line.c_str(), caption);
    return answer;
}

void ConsoleUi::ShowWaiting(std::string_view text)
{
    if (text.empty()) {
        return;
    }
    if (m_terminal && m_percent >= 0) {
        std::fprintf(stderr, "\n");
    }
    // On a console Ctrl+C is the Cancel button.
    std::string line = ConsoleText(text);
    if (const std::size_t cancel = line.find("Cancel stops."); cancel != std::string::npos) {
        line.replace(cancel, 6, "Ctrl+C");
    }
    std::fprintf(stderr, "%s\n", line.c_str());
}

void ConsoleUi::SetRunning(bool running)
{
    // The dialog and the run inside it both report running; the run's time starts with the first.
    if (running && !m_running) {
        m_started = std::chrono::steady_clock::now();
        m_percent = -1;
        m_reached = 0;
        m_automaticAnswers = 0;
    }
    m_running = running;
}

}  // namespace kelpie
