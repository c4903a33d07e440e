// CliCommands.h — kelpie-cli's commands over the same core procedures the desktop program runs.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "CliArguments.h"
#include "link/Clock.h"
#include "link/SerialPort.h"

namespace kelpie {

// What the commands need from the platform.
struct CliEnvironment
{
    std::filesystem::path ProgramFolder;  // where the default images are
    std::filesystem::path DataFolder;     // the per-user data folder: backups, and err.log when needed
    std::function<std::unique_ptr<SerialPort>(const std::string& device)> OpenPort;
    std::function<std::unique_ptr<Clock>()> MakeClock;
};

// Runs one parsed command; the exit status: 0 done, 1 failed or refused, 2 a usage error; diff and
// verify: 0 equal, 1 different, 2 they could not compare.
int RunCliCommand(const CliArguments& arguments, const CliEnvironment& environment);

// What the command printed went to standard output: a write that failed (a full disk, a closed
// pipe) fails the command with 1. Otherwise status.
int CheckedOutput(int status);

}  // namespace kelpie
