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

// Where a run differs from the built program writing into dataHome.
struct CliPlace
{
    std::filesystem::path Program;  // a copy of kelpie-cli beside other default images, or another program
    std::filesystem::path Out;      // standard output goes there instead, and is not collected
};

class CliProcess
{
public:
    // Starts kelpie-cli with the arguments; its per-user data lands in dataHome.
    CliProcess(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
               const CliPlace& place = {});
    ~CliProcess();

    CliProcess(const CliProcess&) = delete;
    CliProcess& operator=(const CliProcess&) = delete;

    // Waits for the end and collects what it printed.
    CliResult Wait();

private:
    pid_t m_pid = -1;
    std::filesystem::path m_out;
    std::filesystem::path m_err;
    bool m_outCollected;  // standard output went to a file of the run's own
};

// The built kelpie-cli.
std::filesystem::path CliProgram();

// Runs kelpie-cli to its end.
CliResult RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                 const CliPlace& place = {});

}  // namespace kelpie::test
