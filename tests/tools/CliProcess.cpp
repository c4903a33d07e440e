#include "CliProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

namespace kelpie::test {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

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
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
        const int out = open(m_out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(m_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
}

CliProcess::~CliProcess()
{
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
}

CliResult CliProcess::Wait()
{
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, m_outCollected ? Contents(m_out) : std::string(),
            Contents(m_err)};
}

CliResult RunCli(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome,
                 const CliPlace& place)
{
    return CliProcess(arguments, dataHome, place).Wait();
}

}  // namespace kelpie::test
