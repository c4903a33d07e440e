#include "link/PortDevices.h"

namespace kelpie {

namespace {

constexpr std::string_view kSection = "ComPath";

std::string DeviceKey(int comPort)
{
    return "Device" + std::to_string(comPort);
}

bool IsComNumber(int comPort)
{
    return comPort >= 1 && comPort <= kComPortCount;
}

}  // namespace

std::string DefaultPortDevice(int comPort)
{
#ifdef _WIN32
    return "COM" + std::to_string(comPort);
#else
    return "/dev/ttyS" + std::to_string(comPort - 1);
#endif
}

std::string PortDevices::DeviceFor(int comPort) const
{
    if (!Override.empty()) {
        return Override;
    }
    if (IsComNumber(comPort) && !Assigned[static_cast<std::size_t>(comPort - 1)].empty()) {
        return Assigned[static_cast<std::size_t>(comPort - 1)];
    }
    return DefaultPortDevice(comPort);
}

PortDevices LoadPortDevices(const SettingsStore& store, std::string override)
{
    PortDevices devices;
    devices.Override = std::move(override);
    for (int comPort = 1; comPort <= kComPortCount; ++comPort) {
        devices.Assigned[static_cast<std::size_t>(comPort - 1)] =
            store.GetSetting(kSection, DeviceKey(comPort)).value_or("");
    }
    return devices;
}

void SavePortDevice(SettingsStore& store, int comPort, const std::string& device)
{
    if (IsComNumber(comPort)) {
        store.SaveSetting(kSection, DeviceKey(comPort), device);
    }
}

}  // namespace kelpie
