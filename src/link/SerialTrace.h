// SerialTrace.h — the debug-mode record of every byte that crossed the serial port, as a
// hexadecimal and text dump with direction and millisecond time stamps, kept for the last runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <string_view>

#include "link/Clock.h"
#include "link/SerialPort.h"

namespace kelpie {

// Trace files kept: the current run's and those of the runs before it.
constexpr int kSerialTraceRuns = 5;

// "serial-trace.log" in the folder of the error log.
std::filesystem::path SerialTracePath(const std::string& errorLogPath);

class SerialTrace
{
public:
    enum class Direction {
        Sent,
        Received
    };

    explicit SerialTrace(Clock& clock) : m_clock(clock) {}
    ~SerialTrace();

    // Starts the trace of a new run at path, after moving the older traces up one place (path.1 is
    // the previous run's) and dropping the oldest. Nothing is traced when the file cannot be made.
    void Start(const std::filesystem::path& path);
    bool Active() const { return m_file.is_open(); }

    // A line of its own, such as the opening of the port.
    void Note(std::string_view text);
    void Record(Direction direction, std::span<const std::uint8_t> bytes);
    // Writes out the line being collected.
    void Flush();

private:
    void Stamp(double now);

    Clock& m_clock;
    std::ofstream m_file;
    double m_start = 0;
    Direction m_direction = Direction::Sent;
    std::string m_pending;  // bytes of the line being collected
    double m_pendingAt = 0;
    double m_lastAt = 0;
};

// A port that records its traffic in a trace while the trace is active.
class TracingPort : public SerialPort
{
public:
    TracingPort(SerialPort& port, SerialTrace& trace) : m_port(port), m_trace(trace) {}

    bool Open(int portNumber, std::string_view settings) override;
    void Close() override;
    bool IsOpen() const override { return m_port.IsOpen(); }
    int BytesWaiting() override { return m_port.BytesWaiting(); }
    std::vector<std::uint8_t> Read(int count) override;
    void Write(std::span<const std::uint8_t> bytes) override;
    bool WaitReadable(int milliseconds) override { return m_port.WaitReadable(milliseconds); }
    std::string SettingsText() const override { return m_port.SettingsText(); }
    std::string DeviceName() const override { return m_port.DeviceName(); }
    int LastErrorNumber() const override { return m_port.LastErrorNumber(); }
    std::string LastErrorText() const override { return m_port.LastErrorText(); }

private:
    SerialPort& m_port;
    SerialTrace& m_trace;
};

}  // namespace kelpie
