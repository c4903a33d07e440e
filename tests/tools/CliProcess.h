// CliProcess.h — kelpie-cli run from the program folder with its own per-user data folder.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace kelpie::test {

struct CliResult
{
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

class CliProcess
{
public:
    // Starts kelpie-cli (or another program of the program folder) with the arguments; its
    // per-user data lands in dataHome.
    CliProcess(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
               const std::string& program = "kelpie-cli");
    ~CliProcess();

    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Ctrl+C, as a user at the console would press it.
    void Interrupt();
    // Waits for the end and collects what it printed.
    CliResult Wait();

private:
    pid_t m_pid = -1;
    std::filesystem::path m_out;
    std::filesystem::path m_err;
};

// Runs kelpie-cli (or another program of the program folder) to its end.
CliResult RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                 const std::string& program = "kelpie-cli");

}  // namespace kelpie::test
