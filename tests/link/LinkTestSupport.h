// LinkTestSupport.h — a link to the simulated radio for tests: a clock that only moves when the
// link waits, a window that records what it was asked and answers message boxes from a script.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "link/Clock.h"
#include "link/LinkContext.h"
#include "link/LinkUi.h"
#include "link/Port.h"
#include "link/RadioSimulator.h"
#include "link/SimulatorPort.h"
#include "link/TransferDialog.h"
#include "model/FreshImage.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie::test {

// Time moves by a hair on every reading and by the full amount on every sleep: the longest time
// limit costs no real time.
struct FakeClock : Clock
{
    double Now() override { return Seconds += 1e-6; }
    void Sleep(int milliseconds) override { Seconds += milliseconds / 1000.0; }

    double Seconds = 1000;
};

// A message box the link showed; most are critical, under the read's caption.
struct RecordedMessage
{
    std::string Text;
    std::string Title = "Read from Radio";
    MessageIcon Icon = MessageIcon::Critical;
    MessageButtons Buttons = MessageButtons::Ok;

    bool operator==(const RecordedMessage&) const = default;
    friend void PrintTo(const RecordedMessage& m, std::ostream* os)
    {
        *os << '"' << m.Text << "\" in \"" << m.Title << "\" icon " << int(m.Icon) << " buttons "
            << int(m.Buttons);
    }
};

struct RecordingUi : LinkUi
{
    void ShowMonitor(std::string_view text) override { Monitor.emplace_back(text); }
    void ShowProgress(int percent) override { Progress.push_back(percent); }
    void PumpEvents() override
    {
        ++Pumps;
        OnPump();
    }
    void Pause(int milliseconds) override { PausedMs += milliseconds; }
    MessageAnswer Message(std::string_view text, std::string_view title, MessageIcon icon,
                          MessageButtons buttons) override
    {
        Messages.push_back({std::string(text), std::string(title), icon, buttons});
        if (Answers.empty()) {
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        }
        const MessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void SetRunning(bool running) override { Running.push_back(running); }
    void ShowWaiting(std::string_view text) override
    {
        Waiting.emplace_back(text);
        OnWaiting();
    }

    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const RecordedMessage& m : Messages) {
            texts.push_back(m.Text);
        }
        return texts;
    }

    std::vector<std::string> Monitor;
    std::vector<int> Progress;
    std::vector<RecordedMessage> Messages;
    std::deque<MessageAnswer> Answers;  // for the boxes that ask; Cancel when the script has ended
    std::vector<bool> Running;
    std::vector<std::string> Waiting;  // every waiting text, "" when it went
    std::function<void()> OnPump = [] {};
    std::function<void()> OnWaiting = [] {};
    long Pumps = 0;
    long PausedMs = 0;
};

// The radio holds the image with its model's code, as a reset or a program run leaves it.
inline void Holds(RadioSimulator& radio, const RadioImage& image)
{
    radio.Memory() = image;
    radio.WriteModelCode(ModelOf(radio.ModelIndex()).Code);
}

// A program image and a radio of the same model, connected through the simulated port.
struct SimulatedLink
{
    explicit SimulatedLink(int model = 5, SimulatorFaults faults = {})
        : data(model), radio(model, std::move(faults)), port(radio, clock), link{port,  ui,
                                                                                 clock, shell,
                                                                                 data,  "Read from Radio"}
    {
        WriteFreshImage(data);
    }

    FakeClock clock;
    RecordingUi ui;
    ShellState shell;
    RadioData data;
    RadioSimulator radio;
    SimulatorPort port;
    LinkContext link;
};

// The same with the port open, as the handshake leaves it for the status check and the transfer.
struct OpenLink : SimulatedLink
{
    explicit OpenLink(int model = 5, SimulatorFaults faults = {}) : SimulatedLink(model, std::move(faults))
    {
        port.Open(1, kLineSettings);
    }
};

// The main window's data after a reset, a radio that holds it, and the transfer dialog in a mode as
// the main window opens it. Run opens a fresh dialog in a mode, presses OK and keeps what a verify found.
struct DialogRun : SimulatedLink
{
    explicit DialogRun(int mode, int model = 5, SimulatorFaults faults = {})
        : SimulatedLink(model, std::move(faults))
    {
        ResetEditModel(data);
        Holds(radio, data.RadioImage);
        Open(mode);
    }

    TransferDialog& Open(int mode)
    {
        shell.TransferMode = mode;
        shell.TransferDone = false;
        ui.Messages.clear();
        return dialog.emplace(port, ui, clock, shell, data);
    }

    bool Run(int mode, VerifyOutcome* verified = nullptr)
    {
        const bool done = Open(mode).OkPressed();
        if (verified) {
            *verified = dialog->Verified();
        }
        return done;
    }

    std::optional<TransferDialog> dialog;
};

// Debug mode with an error log in a fresh file of the test folder.
struct ErrorLog
{
    ErrorLog(ShellState& shell, const std::string& name) : Path(testing::TempDir() + "/" + name)
    {
        std::remove(Path.c_str());
        shell.DebugMode = true;
        shell.ErrorLogPath = Path;
    }
    std::string FirstLine() const
    {
        std::ifstream file(Path);
        std::string line;
        std::getline(file, line);
        return line;
    }

    std::string Path;
};

}  // namespace kelpie::test
