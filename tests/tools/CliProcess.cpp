#include "CliProcess.h"

#include <fcntl.h>
#include <unistd.h>

#include "RadioSimProcess.h"
#include "files/FileTestSupport.h"

namespace kelpie::test {

std::filesystem::path CliProgram()
{
    return std::filesystem::path(KELPIE_BIN_DIR) / "kelpie-cli";
}

CliResult RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                 const CliPlace& place)
{
    const std::filesystem::path out = place.Out.empty() ? dataHome / "cli.out" : place.Out;
    const std::filesystem::path err = dataHome / "cli.err";
    const std::string program = (place.Program.empty() ? CliProgram() : place.Program).string();
    const int status = WaitFor(Spawn(program, arguments, [&] {
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    }));
    return {status, place.Out.empty() ? ReadFileText(out) : std::string(), ReadFileText(err)};
}

}  // namespace kelpie::test
