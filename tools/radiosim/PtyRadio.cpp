#include "PtyRadio.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kelpie {

namespace {

// One byte of 8 data bits with its start and stop bit at 9600 baud.
constexpr double kByteTime = 10.0 / 9600;
// How long a pass may sleep when nothing is due, so that a stop is seen soon.
constexpr int kIdlePollMs = 200;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

PtyRadio::~PtyRadio()
{
    if (m_slave >= 0) {
        close(m_slave);
    }
    if (m_master >= 0) {
        close(m_master);
    }
}

bool PtyRadio::Create(std::string& error)
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        error = std::string("cannot make a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ptsname(m_master);
    if (name == nullptr) {
        error = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    m_devicePath = name;
    m_slave = open(name, O_RDWR | O_NOCTTY);
    if (m_slave < 0) {
        error = "cannot open " + m_devicePath + ": " + std::strerror(errno);
        return false;
    }
    // A raw line: no echo, no line editing, no translation of CR and LF.
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    return true;
}

void PtyRadio::Schedule(const std::vector<SimulatorOutput>& outputs, double now)
{
    const double byteTime = m_pace ? kByteTime : 0;
    for (const SimulatorOutput& output : outputs) {
        double at = std::max(now, m_lineFreeAt) + output.Delay;
        for (std::uint8_t byte : output.Data) {
            at += byteTime;
            m_pending.push_back({at, byte});
        }
        m_lineFreeAt = at;
    }
}

void PtyRadio::WriteDue(double now)
{
    std::vector<std::uint8_t> due;
    for (const Pending& p : m_pending) {
        if (p.ReadyAt > now) {
            break;
        }
        due.push_back(p.Byte);
    }
    if (due.empty()) {
        return;
    }
    const ssize_t written = write(m_master, due.data(), due.size());
    if (written > 0) {
        m_pending.erase(m_pending.begin(), m_pending.begin() + written);
    }
}

void PtyRadio::Serve(const volatile std::sig_atomic_t& stop)
{
    std::uint8_t buffer[256];
    while (!stop) {
        double now = Now();
        WriteDue(now);
        int timeout = kIdlePollMs;
        if (!m_pending.empty()) {
            const double untilDue = (m_pending.front().ReadyAt - now) * 1000;
            timeout = std::clamp(static_cast<int>(std::ceil(untilDue)), 0, kIdlePollMs);
        }
        pollfd watch{m_master, POLLIN, 0};
        if (poll(&watch, 1, timeout) <= 0 || (watch.revents & POLLIN) == 0) {
            continue;
        }
        const ssize_t count = read(m_master, buffer, sizeof buffer);
        now = Now();
        for (ssize_t i = 0; i < count; ++i) {
            Schedule(m_radio.Receive(buffer[i]), now);
        }
    }
}

}  // namespace kelpie
