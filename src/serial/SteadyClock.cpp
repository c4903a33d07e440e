#include "serial/SteadyClock.h"

#include <chrono>
#include <thread>

namespace kelpie {

double SteadyClock::Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void SteadyClock::Sleep(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace kelpie
