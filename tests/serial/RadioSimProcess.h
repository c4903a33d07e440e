// RadioSimProcess.h — kelpie-radiosim started for a test or a benchmark, stopped when dropped.
#pragma once

#include <sys/types.h>

#include <functional>
#include <string>
#include <vector>

namespace kelpie::test {

// Starts the program with the arguments in a process of its own; inChild runs there first, to set
// its environment and standard streams. The new process's id.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::function<void()>& inChild);

// Waits for the process to end: its exit status, -1 when it did not exit normally.
int WaitFor(pid_t pid);

class RadioSimProcess
{
public:
    // Starts the simulator from the program folder with these options and reads its device path.
    explicit RadioSimProcess(const std::vector<std::string>& options);
    ~RadioSimProcess();

    RadioSimProcess(const RadioSimProcess&) = delete;
    RadioSimProcess& operator=(const RadioSimProcess&) = delete;

    // Empty when the simulator did not start.
    const std::string& Device() const { return m_device; }
    // Stops the simulator and waits for it, so that the memory it saves is complete. True when it
    // ended normally.
    bool Stop();

private:
    pid_t m_pid = -1;
    std::string m_device;
};

}  // namespace kelpie::test
