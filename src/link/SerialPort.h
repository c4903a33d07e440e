// SerialPort.h — the serial port the radio link talks through: a real port or a simulated radio.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelpie {

class SerialPort
{
public:
    virtual ~SerialPort() = default;

    // Opens COM number portNumber (1..4) with line settings such as "9600,N,8,1"; false when the
    // port cannot be opened (LastErrorNumber and LastErrorText then say why).
    virtual bool Open(int portNumber, std::string_view settings) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Received bytes waiting to be read.
    virtual int BytesWaiting() = 0;
    // Up to count waiting bytes, oldest first.
    virtual std::vector<std::uint8_t> Read(int count) = 0;
    virtual void Write(std::span<const std::uint8_t> bytes) = 0;
    // Blocks until a byte is waiting or milliseconds have passed; true when a byte is waiting.
    virtual bool WaitReadable(int milliseconds) = 0;

    // The line settings in force, as given to Open.
    virtual std::string SettingsText() const = 0;
    // The device behind the last port number given to Open ("COM1", "/dev/ttyS0" ...).
    virtual std::string DeviceName() const = 0;
    virtual int LastErrorNumber() const = 0;
    virtual std::string LastErrorText() const = 0;
};

}  // namespace kelpie
