// RadioSimProcess.h — kelpie-radiosim started for a test or a benchmark, stopped when dropped.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace kelpie::test {

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
