#include "link/SerialTrace.h"

#include <cstdio>
#include <system_error>

namespace kelpie {

namespace {

constexpr std::size_t kBytesPerLine = 16;
// Received bytes further apart than this start a new line, so that each reply stands apart.
constexpr double kLineGap = 0.020;

std::filesystem::path NumberedTrace(const std::filesystem::path& path, int run)
{
    std::filesystem::path numbered = path;
    numbered += "." + std::to_string(run);
    return numbered;
}

}  // namespace

std::filesystem::path SerialTracePath(const std::string& errorLogPath)
{
    return std::filesystem::path(errorLogPath).parent_path() / "serial-trace.log";
}

SerialTrace::~SerialTrace()
{
    Flush();
}

void SerialTrace::Start(const std::filesystem::path& path)
{
    Flush();
    m_file.close();
    std::error_code ignored;
    std::filesystem::remove(NumberedTrace(path, kSerialTraceRuns - 1), ignored);
    for (int run = kSerialTraceRuns - 2; run >= 1; --run) {
        std::filesystem::rename(NumberedTrace(path, run), NumberedTrace(path, run + 1), ignored);
    }
    std::filesystem::rename(path, NumberedTrace(path, 1), ignored);
    m_file.open(path, std::ios::binary | std::ios::trunc);
    m_start = m_clock.Now();
    m_lastAt = m_start;
}

void SerialTrace::Note(std::string_view text)
{
    if (!Active()) {
        return;
    }
    Flush();
    Stamp(m_clock.Now());
    m_file << "   " << text << '\n';
    m_file.flush();
}

void SerialTrace::Record(Direction direction, std::span<const std::uint8_t> bytes)
{
    if (!Active() || bytes.empty()) {
        return;
    }
    const double now = m_clock.Now();
    if (direction != m_direction || now - m_lastAt > kLineGap) {
        Flush();
    }
    m_direction = direction;
    m_lastAt = now;
    for (std::uint8_t byte : bytes) {
        if (m_pending.empty()) {
            m_pendingAt = now;
        }
        m_pending += static_cast<char>(byte);
        if (m_pending.size() == kBytesPerLine) {
            Flush();
        }
    }
    if (direction == Direction::Sent) {
        Flush();
    }
}

void SerialTrace::Flush()
{
    if (!Active() || m_pending.empty()) {
        return;
    }
    Stamp(m_pendingAt);
    m_file << (m_direction == Direction::Sent ? " PC> " : " <RD ");
    std::string text;
    for (char c : m_pending) {
        const auto byte = static_cast<unsigned char>(c);
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02X ", byte);
        m_file << hex;
        text += byte >= 0x20 && byte < 0x7F ? c : '.';
    }
    m_file << std::string(3 * (kBytesPerLine - m_pending.size()), ' ') << ' ' << text << '\n';
    m_file.flush();
    m_pending.clear();
}

void SerialTrace::Stamp(double now)
{
    char stamp[24];
    std::snprintf(stamp, sizeof stamp, "%10.3f", now - m_start);
    m_file << stamp;
}

bool TracingPort::Open(int portNumber, std::string_view settings)
{
    const bool opened = m_port.Open(portNumber, settings);
    std::string note = "open COM" + std::to_string(portNumber) + " (" + m_port.DeviceName() + ") ";
    note += settings;
    note += opened ? std::string(": ok") : ": failed, " + m_port.LastErrorText();
    m_trace.Note(note);
    return opened;
}

void TracingPort::Close()
{
    m_port.Close();
    m_trace.Note("close");
}

std::vector<std::uint8_t> TracingPort::Read(int count)
{
    std::vector<std::uint8_t> bytes = m_port.Read(count);
    m_trace.Record(SerialTrace::Direction::Received, bytes);
    return bytes;
}

void TracingPort::Write(std::span<const std::uint8_t> bytes)
{
    m_trace.Record(SerialTrace::Direction::Sent, bytes);
    m_port.Write(bytes);
}

}  // namespace kelpie
