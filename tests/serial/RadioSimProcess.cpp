#include "RadioSimProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace kelpie::test {

RadioSimProcess::RadioSimProcess(const std::vector<std::string>& options)
{
    int output[2];
    if (pipe(output) != 0) {
        return;
    }
    const std::string program = std::string(KELPIE_BIN_DIR) + "/kelpie-radiosim";
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& option : options) {
        argv.push_back(const_cast<char*>(option.c_str()));
    }
    argv.push_back(nullptr);
    m_pid = fork();
    if (m_pid == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
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
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = -1;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace kelpie::test
