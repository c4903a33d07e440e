// SteadyClock.h — the real time the radio link's limits are measured in.
#pragma once

#include "link/Clock.h"

namespace kelpie {

class SteadyClock : public Clock
{
public:
    double Now() override;
    void Sleep(int milliseconds) override;
};

}  // namespace kelpie
