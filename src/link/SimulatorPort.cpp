#include "link/SimulatorPort.h"

#include <algorithm>
#include <cmath>

namespace kelpie {

void SimulatorPort::FailOpens(int number, std::string text)
{
    m_failOpens = true;
    m_errorNumber = number;
    m_errorText = std::move(text);
}

void SimulatorPort::Inject(const Bytes& bytes)
{
    const double now = m_clock.Now();
    for (std::uint8_t byte : bytes) {
        m_pending.push_back({now, byte});
    }
}

bool SimulatorPort::Open(int portNumber, std::string_view settings)
{
    m_portNumber = portNumber;
    if (m_failOpens) {
        return false;
    }
    m_open = true;
    ++m_openCount;
    m_settings = settings;
    return true;
}

void SimulatorPort::Close()
{
    m_open = false;
    m_pending.clear();
}

int SimulatorPort::BytesWaiting()
{
    const double now = m_clock.Now();
    const auto ready =
        std::find_if(m_pending.begin(), m_pending.end(), [now](const Pending& p) { return p.ReadyAt > now; });
    return static_cast<int>(ready - m_pending.begin());
}

std::vector<std::uint8_t> SimulatorPort::Read(int count)
{
    std::vector<std::uint8_t> bytes;
    const int ready = std::min(count, BytesWaiting());
    for (int i = 0; i < ready; ++i) {
        bytes.push_back(m_pending.front().Byte);
        m_pending.pop_front();
    }
    return bytes;
}

void SimulatorPort::Write(std::span<const std::uint8_t> bytes)
{
    if (!m_open) {
        return;
    }
    for (std::uint8_t byte : bytes) {
        for (const SimulatorOutput& out : m_radio.Receive(byte)) {
            m_lastReadyAt = std::max(m_lastReadyAt, m_clock.Now()) + out.Delay;
            for (std::uint8_t answer : out.Data) {
                m_pending.push_back({m_lastReadyAt, answer});
            }
        }
    }
}

bool SimulatorPort::WaitReadable(int milliseconds)
{
    if (BytesWaiting() > 0) {
        return true;
    }
    int sleep = milliseconds;
    if (!m_pending.empty()) {
        const double untilReady = (m_pending.front().ReadyAt - m_clock.Now()) * 1000;
        sleep = std::clamp(static_cast<int>(std::ceil(untilReady)), 1, milliseconds);
    }
    m_clock.Sleep(sleep);
    return BytesWaiting() > 0;
}

}  // namespace kelpie
