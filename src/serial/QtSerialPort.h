// QtSerialPort.h — the real serial port behind the radio link, on QSerialPort.
#pragma once

#include <QSerialPort>

#include "link/PortDevices.h"
#include "link/SerialPort.h"

namespace kelpie {

// The serial devices the system offers, for assigning one to a COM number.
std::vector<std::string> AvailableSerialDevices();

class QtSerialPort : public SerialPort
{
public:
    explicit QtSerialPort(PortDevices devices) : m_devices(std::move(devices)) {}

    bool Open(int portNumber, std::string_view settings) override;
    void Close() override;
    bool IsOpen() const override { return m_port.isOpen(); }
    int BytesWaiting() override;
    std::vector<std::uint8_t> Read(int count) override;
    void Write(std::span<const std::uint8_t> bytes) override;
    bool WaitReadable(int milliseconds) override;
    std::string SettingsText() const override { return m_settings; }
    std::string DeviceName() const override { return m_device; }
    int LastErrorNumber() const override { return m_errorNumber; }
    std::string LastErrorText() const override { return m_errorText; }

private:
    bool Fail(int number, std::string text);

    PortDevices m_devices;
    QSerialPort m_port;
    std::string m_device;
    std::string m_settings;
    int m_errorNumber = 0;
    std::string m_errorText;
};

}  // namespace kelpie
