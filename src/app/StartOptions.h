// StartOptions.h — what the command line of the desktop program asks for: debug mode ("/D" or
// "--debug") and the serial device of this run (--port DEVICE).
#pragma once

#include <QStringList>

#include <optional>

namespace kelpie {

struct StartOptions
{
    bool DebugMode = false;  // error log, debug monitor texts, hex image file keys
    QString PortDevice;      // every COM number opens this device for the run; empty: as assigned
};

// The arguments after the program name. Each is split at blanks; a piece that is "/D" in any
// letter case turns on debug mode ("/DX" does not), as "--debug" does. "--port" takes the next argument as
// the device. Nothing with an error message when "--port" has no device.
std::optional<StartOptions> ParseStartOptions(const QStringList& arguments, QString& error);

}  // namespace kelpie
