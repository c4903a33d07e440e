// CliInProcess.h — kelpie-cli's radio commands run in the test's own process against the simulated
// radio, on a clock that moves only when the link waits or pauses: the protocol's pauses and time
// limits cost no real time.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "CliProcess.h"
#include "link/RadioSimulator.h"

namespace kelpie::test {

class InProcessRadio
{
public:
    // A radio of the model holding the model's fresh programming, as kelpie-radiosim starts.
    explicit InProcessRadio(int model, SimulatorFaults faults = {});

    RadioSimulator& Radio() { return m_radio; }
    // Ctrl+C, as the user presses it, once `when` says so; it is asked before the run starts (with
    // 0) and before each transmission to the radio (with the number of transmissions made so far).
    void InterruptWhen(std::function<bool(int sent)> when) { m_interruptWhen = std::move(when); }
    // Runs the command with the radio on its --port, to its end; per-user data lands in dataHome.
    CliResult Run(std::vector<std::string> arguments, const std::filesystem::path& dataHome);

private:
    RadioSimulator m_radio;
    std::function<bool(int sent)> m_interruptWhen;
};

// Runs a command that needs no radio (files only) in this process, to its end.
CliResult RunInProcess(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome);

}  // namespace kelpie::test
