#include "link/PortDevices.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"

namespace kelpie {
namespace {

TEST(PortDevices, ComNumbersOpenTheirAssignedDeviceOrTheDefaultAndTheOverrideWins)
{
    MemorySettingsStore store;
    SavePortDevice(store, 2, "/dev/ttyUSB0");
    SavePortDevice(store, 5, "/dev/ttyUSB9");  // no such COM number: not kept
    EXPECT_EQ(store.GetSetting("ComPath", "Device2"), "/dev/ttyUSB0");
    EXPECT_FALSE(store.GetSetting("ComPath", "Device5"));

    const PortDevices devices = LoadPortDevices(store, "");
    EXPECT_EQ(devices.DeviceFor(2), "/dev/ttyUSB0");
    EXPECT_EQ(devices.DeviceFor(1), DefaultPortDevice(1));
    EXPECT_EQ(devices.DeviceFor(4), DefaultPortDevice(4));
#ifndef _WIN32
    EXPECT_EQ(DefaultPortDevice(1), "/dev/ttyS0");
    EXPECT_EQ(DefaultPortDevice(4), "/dev/ttyS3");
#endif

    const PortDevices overridden = LoadPortDevices(store, "/dev/pts/7");
    for (int com = 1; com <= kComPortCount; ++com) {
        EXPECT_EQ(overridden.DeviceFor(com), "/dev/pts/7");
    }
}

}  // namespace
}  // namespace kelpie
