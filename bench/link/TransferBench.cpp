// kelpie-transfer-bench — a full read and a full write through the real serial port against
// kelpie-radiosim --pace, timed against the least time the 9600-baud wire and the protocol's
// pauses need for the bytes that were exchanged, with the processor time the program used.
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "../../tests/serial/RadioSimProcess.h"
#include "link/Handshake.h"
#include "link/Transfer.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "serial/QtSerialPort.h"
#include "serial/SteadyClock.h"

namespace kelpie {
namespace {

constexpr double kByteTime = 10.0 / 9600;

// Counts what crosses the port; the radio's own bytes are those read beyond the echo.
class CountingPort : public SerialPort
{
public:
    explicit CountingPort(SerialPort& port) : m_port(port) {}

    bool Open(int portNumber, std::string_view settings) override
    {
        return m_port.Open(portNumber, settings);
    }
    void Close() override { m_port.Close(); }
    bool IsOpen() const override { return m_port.IsOpen(); }
    int BytesWaiting() override { return m_port.BytesWaiting(); }
    std::vector<std::uint8_t> Read(int count) override
    {
        std::vector<std::uint8_t> bytes = m_port.Read(count);
        Received += static_cast<long>(bytes.size());
        return bytes;
    }
    void Write(std::span<const std::uint8_t> bytes) override
    {
        Sent += static_cast<long>(bytes.size());
        m_port.Write(bytes);
    }
    bool WaitReadable(int milliseconds) override { return m_port.WaitReadable(milliseconds); }
    std::string SettingsText() const override { return m_port.SettingsText(); }
    std::string DeviceName() const override { return m_port.DeviceName(); }
    int LastErrorNumber() const override { return m_port.LastErrorNumber(); }
    std::string LastErrorText() const override { return m_port.LastErrorText(); }

    long Sent = 0;
    long Received = 0;

private:
    SerialPort& m_port;
};

// The dialog's part on a console: real pauses, window events pumped, questions answered Cancel.
class BenchUi : public LinkUi
{
public:
    void ShowMonitor(std::string_view) override {}
    void ShowProgress(int) override {}
    void ShowWaiting(std::string_view) override {}
    void PumpEvents() override { QCoreApplication::processEvents(); }
    void Pause(int milliseconds) override
    {
        PausedMs += milliseconds;
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
    MessageAnswer Message(std::string_view text, std::string_view, MessageIcon, MessageButtons) override
    {
        std::printf("  message: %.*s\n", static_cast<int>(text.size()), text.data());
        return MessageAnswer::Cancel;
    }
    void SetRunning(bool) override {}

    long PausedMs = 0;
};

double CpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One handshake and run, measured.
bool Measure(const char* what, LinkContext& link, CountingPort& port, BenchUi& ui,
             const std::function<bool(LinkContext&)>& run)
{
    port.Sent = port.Received = 0;
    ui.PausedMs = 0;
    const double cpu0 = CpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    const bool completed = StartSync(link) && run(link);
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = CpuSeconds() - cpu0;
    const long radioBytes = port.Received - port.Sent;
    const double wire = static_cast<double>(port.Sent + radioBytes) * kByteTime;
    const double floor = wire + static_cast<double>(ui.PausedMs) / 1000;
    std::printf("%s: %s\n", what, completed ? "completed" : "FAILED");
    std::printf("  bytes: %ld sent, %ld from the radio (echo excluded)\n", port.Sent, radioBytes);
    std::printf("  floor: %.2f s = wire %.2f s + pauses %.2f s\n", floor, wire, ui.PausedMs / 1000.0);
    std::printf("  time:  %.2f s, %+.2f %% over the floor (target within 5 %%)\n", elapsed,
                100 * (elapsed - floor) / floor);
    std::printf("  CPU:   %.3f s, %.2f %% of one core (target under 5 %%)\n", cpu, 100 * cpu / elapsed);
    return completed;
}

}  // namespace
}  // namespace kelpie

int main(int argc, char** argv)
{
    using namespace kelpie;
    const char* const usage =
        "usage: kelpie-transfer-bench [--model N]\n"
        "  a full read and a full write against kelpie-radiosim --pace, on model index N 0..6 (default 5)\n";
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::printf("%s", usage);
        return 0;
    }
    const bool modelGiven = args.size() == 2 && args[0] == "--model" && args[1].size() == 1 &&
                            IsValidModelIndex(args[1][0] - '0');
    if (!args.empty() && !modelGiven) {
        std::fprintf(stderr, "kelpie-transfer-bench: unknown arguments\n%s", usage);
        return 2;
    }
    const std::string model = modelGiven ? args[1] : "5";
    QCoreApplication app(argc, argv);
    test::RadioSimProcess sim({"--model", model, "--pace"});
    if (sim.Device().empty()) {
        std::fprintf(stderr, "kelpie-transfer-bench: kelpie-radiosim did not start\n");
        return 1;
    }
    QtSerialPort serial(PortDevices{{}, sim.Device()});
    CountingPort port(serial);
    SteadyClock clock;
    BenchUi ui;
    ShellState shell;
    RadioData data(model[0] - '0');
    ResetEditModel(data);
    LinkContext link{port, ui, clock, shell, data, "Read from Radio"};
    std::printf("model %s on %s, paced at 9600 baud\n", model.c_str(), sim.Device().c_str());
    const bool read = Measure("read", link, port, ui, RunRead);
    link.Caption = "Program to Radio";
    const bool written = Measure("write", link, port, ui, RunWrite);
    return read && written ? 0 : 1;
}
