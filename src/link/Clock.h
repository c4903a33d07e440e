// Clock.h — the time the radio link's waits measure their limits against.
#pragma once

namespace kelpie {

class Clock
{
public:
    virtual ~Clock() = default;

    // Seconds since an arbitrary start, with sub-second resolution; never goes back.
    virtual double Now() = 0;
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace kelpie
