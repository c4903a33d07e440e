#include "link/PortDevices.h"

#include <gtest/gtest.h>

#include <map>

namespace kelpie {
namespace {

class MemoryStore : public SettingsStore
{
public:
    std::optional<std::string> GetSetting(std::string_view section, std::string_view key) const override
    {
        const auto found = m_values.find(std::string(section) + "/" + std::string(key));
        return found == m_values.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    void SaveSetting(std::string_view section, std::string_view key, std::string_view value) override
    {
        m_values[std::string(section) + "/" + std::string(key)] = value;
    }

private:
    std::map<std::string, std::string> m_values;
};

TEST(PortDevices, ComNumbersOpenTheirAssignedDeviceOrTheDefaultAndTheOverrideWins)
{
    MemoryStore store;
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
