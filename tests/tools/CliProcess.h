// CliProcess.h — kelpie-cli run from the program folder with its own per-user data folder.
#pragma once

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

// The built kelpie-cli.
std::filesystem::path CliProgram();

// Runs kelpie-cli with the arguments to its end; its per-user data lands in dataHome.
CliResult RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                 const CliPlace& place = {});

}  // namespace kelpie::test
