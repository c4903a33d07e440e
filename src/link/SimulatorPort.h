// SimulatorPort.h — a serial port with the simulated radio at its other end, in the same process.
// Time passes only on the given clock, so with a test clock the longest wait costs no real time.
#pragma once

#include <deque>
#include <string>

#include "link/Clock.h"
#include "link/RadioSimulator.h"
#include "link/SerialPort.h"

namespace kelpie {

class SimulatorPort : public SerialPort
{
public:
    SimulatorPort(RadioSimulator& radio, Clock& clock) : m_radio(radio), m_clock(clock) {}

    // The next opens fail with this error, as a missing or busy port does.
    void FailOpens(int number, std::string text);
    // Bytes the radio side sends at once, as a line disturbance would.
    void Inject(const Bytes& bytes);

    bool Open(int portNumber, std::string_view settings) override;
    void Close() override;
    bool IsOpen() const override { return m_open; }
    int BytesWaiting() override;
    std::vector<std::uint8_t> Read(int count) override;
    void Write(std::span<const std::uint8_t> bytes) override;
    bool WaitReadable(int milliseconds) override;
    std::string SettingsText() const override { return m_settings; }
    std::string DeviceName() const override { return "COM" + std::to_string(m_portNumber); }
    int LastErrorNumber() const override { return m_errorNumber; }
    std::string LastErrorText() const override { return m_errorText; }

    int OpenCount() const { return m_openCount; }

private:
    struct Pending
    {
        double ReadyAt;
        std::uint8_t Byte;
    };

    RadioSimulator& m_radio;
    Clock& m_clock;
    bool m_open = false;
    int m_portNumber = 0;
    int m_openCount = 0;
    std::string m_settings;
    bool m_failOpens = false;
    int m_errorNumber = 0;
    std::string m_errorText;
    std::deque<Pending> m_pending;
    double m_lastReadyAt = 0;
};

}  // namespace kelpie
