// PtyRadio.h — the simulated radio at the far end of a pseudo-terminal: what the program writes to
// the terminal's device reaches the radio, and the radio's bytes come back on it, optionally
// paced at the 9600 baud of a real cable.
#pragma once

#include <csignal>
#include <cstdint>
#include <deque>
#include <string>

#include "link/RadioSimulator.h"

namespace kelpie {

class PtyRadio
{
public:
    PtyRadio(RadioSimulator& radio, bool pace) : m_radio(radio), m_pace(pace) {}
    ~PtyRadio();

    PtyRadio(const PtyRadio&) = delete;
    PtyRadio& operator=(const PtyRadio&) = delete;

    // Makes the pseudo-terminal; false with the reason in error.
    bool Create(std::string& error);
    // The device path a serial port opens to reach the radio.
    const std::string& DevicePath() const { return m_devicePath; }

    // Answers until stop is raised (by a signal).
    void Serve(const volatile std::sig_atomic_t& stop);

private:
    struct Pending
    {
        double ReadyAt;
        std::uint8_t Byte;
    };

    void Schedule(const std::vector<SimulatorOutput>& outputs, double now);
    void WriteDue(double now);

    RadioSimulator& m_radio;
    bool m_pace;
    int m_master = -1;
    // Kept open so that the program closing and reopening its port never hangs up the terminal.
    int m_slave = -1;
    std::string m_devicePath;
    std::deque<Pending> m_pending;
    double m_lineFreeAt = 0;
};

}  // namespace kelpie
