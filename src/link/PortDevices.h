// PortDevices.h — which device each COM number of the program opens: the Windows name itself,
// elsewhere a device path assigned per user ("ComPath"/"Device1".."Device4") or /dev/ttyS0..3, and
// for one run the device given on the command line (--port).
#pragma once

#include <array>
#include <string>

#include "files/SettingsStore.h"

namespace kelpie {

constexpr int kComPortCount = 4;

struct PortDevices
{
    std::array<std::string, kComPortCount> Assigned;  // empty: the default device
    std::string Override;                             // --port DEVICE: every COM number opens it

    // The device COM number comPort (1..4) opens; a number outside 1..4 opens the default name.
    std::string DeviceFor(int comPort) const;
};

// "COM1".."COM4" on Windows, else /dev/ttyS0../dev/ttyS3.
std::string DefaultPortDevice(int comPort);

// The per-user assignments, with the run's override.
PortDevices LoadPortDevices(const SettingsStore& store, std::string override);
// Assigns device to COM number comPort for this user.
void SavePortDevice(SettingsStore& store, int comPort, const std::string& device);

}  // namespace kelpie
