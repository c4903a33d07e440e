#include "CliProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include "RadioSimProcess.h"
#include "files/FileTestSupport.h"

namespace kelpie::test {

std::filesystem::path CliProgram()
{
    return std::filesystem::path(KELPIE_BIN_DIR) / "kelpie-cli";
}

CliProcess::CliProcess(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                       const CliPlace& place)
    : m_out(place.Out.empty() ? dataHome / "cli.out" : place.Out),
      m_err(dataHome / "cli.err"),
      m_outCollected(place.Out.empty())
{
    const std::string program = (place.Program.empty() ? CliProgram() : place.Program).string();
    m_pid = Spawn(program, arguments, [&] {
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        dup2(open(m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        dup2(open(m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
    });
}

CliProcess::~CliProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        WaitFor(m_pid);
    }
}

CliResult CliProcess::Wait()
{
    const int status = WaitFor(m_pid);
    m_pid = -1;
    return {status, m_outCollected ? ReadFileText(m_out) : std::string(), ReadFileText(m_err)};
}

CliResult RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                 const CliPlace& place)
{
    return CliProcess(arguments, dataHome, place).Wait();
}

}  // namespace kelpie::test
