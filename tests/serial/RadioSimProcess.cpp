#include "RadioSimProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelpie::test {

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::function<void()>& inChild)
{
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        inChild();
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    return pid;
}

int WaitFor(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

RadioSimProcess::RadioSimProcess(const std::vector<std::string>& options)
{
    int output[2];
    if (pipe(output) != 0) {
        return;
    }
    m_pid = Spawn(std::string(KELPIE_BIN_DIR) + "/kelpie-radiosim", options, [&] {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
    });
    close(output[1]);
    char c;
    while (read(output[0], &c, 1) == 1 && c != '\n') {
        m_device += c;
    }
    close(output[0]);
}

RadioSimProcess::~RadioSimProcess()
{
    Stop();
}

bool RadioSimProcess::Stop()
{
    if (m_pid <= 0) {
        return false;
    }
    kill(m_pid, SIGTERM);
    const int status = WaitFor(m_pid);
    m_pid = -1;
    return status == 0;
}

}  // namespace kelpie::test
