#include "CliInProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>
#include <optional>

#include "CliCommands.h"
#include "ConsoleUi.h"
#include "link/LinkTestSupport.h"
#include "support/ResetData.h"

namespace kelpie::test {

namespace {

// The test's one clock, handed to each run the command makes.
class SharedClock : public Clock
{
public:
    explicit SharedClock(Clock& clock) : m_clock(clock) {}
    double Now() override { return m_clock.Now(); }
    void Sleep(int milliseconds) override { m_clock.Sleep(milliseconds); }

private:
    Clock& m_clock;
};

// The simulated radio's port, which lets the test act just before each transmission.
class WatchedPort : public SimulatorPort
{
public:
    WatchedPort(RadioSimulator& radio, Clock& clock, std::function<void()> beforeWrite)
        : SimulatorPort(radio, clock), m_beforeWrite(std::move(beforeWrite))
    {}
    void Write(std::span<const std::uint8_t> bytes) override
    {
        m_beforeWrite();
        SimulatorPort::Write(bytes);
    }

private:
    std::function<void()> m_beforeWrite;
};

// kelpie-cli's Ctrl+C handler for the length of one run; the test program's own comes back after.
// A Ctrl+C pressed before waits, blocked, until the handler takes it, as one pressed while the
// program starts does.
class InterruptHandler
{
public:
    explicit InterruptHandler(const std::function<void()>& beforeInstall)
    {
        sigaction(SIGINT, nullptr, &m_previous);
        sigset_t interrupt;
        sigemptyset(&interrupt);
        sigaddset(&interrupt, SIGINT);
        sigprocmask(SIG_BLOCK, &interrupt, &m_mask);
        beforeInstall();
        InstallInterruptHandler();
    }
    ~InterruptHandler()
    {
        // A Ctrl+C still blocked goes to kelpie-cli's handler, not to the test program's.
        sigprocmask(SIG_SETMASK, &m_mask, nullptr);
        sigaction(SIGINT, &m_previous, nullptr);
    }

private:
    struct sigaction m_previous = {};
    sigset_t m_mask = {};
};

std::optional<CliArguments> Parsed(const std::vector<std::string>& arguments)
{
    std::string error;
    auto parsed = ParseCliArguments(arguments, error);
    EXPECT_TRUE(parsed) << error;
    return parsed;
}

// The program folder of the build and the per-user data under dataHome.
CliEnvironment FilesEnvironment(const std::filesystem::path& dataHome)
{
    return {KELPIE_BIN_DIR, dataHome / "Kelpie", {}, {}};
}

// The command's run with what it prints; a braced list runs its parts in order.
CliResult Captured(const CliArguments& parsed, const CliEnvironment& environment)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    return {RunCliCommand(parsed, environment), testing::internal::GetCapturedStdout(),
            testing::internal::GetCapturedStderr()};
}

}  // namespace

InProcessRadio::InProcessRadio(int model, SimulatorFaults faults) : m_radio(model, std::move(faults))
{
    Holds(m_radio, ResetData(model).RadioImage);
}

CliResult InProcessRadio::Run(std::vector<std::string> arguments, const std::filesystem::path& dataHome)
{
    arguments.insert(arguments.end(), {"--port", "simulated-radio"});
    const auto parsed = Parsed(arguments);
    if (!parsed) {
        return {};
    }
    FakeClock clock;
    int sent = 0;
    bool interrupted = false;
    const auto interruptWhenAsked = [&] {
        if (m_interruptWhen && !interrupted && m_interruptWhen(sent)) {
            interrupted = true;
            std::raise(SIGINT);
        }
    };
    CliEnvironment environment = FilesEnvironment(dataHome);
    environment.OpenPort = [&](const std::string&) {
        return std::make_unique<WatchedPort>(m_radio, clock, [&] {
            interruptWhenAsked();
            ++sent;
        });
    };
    environment.MakeClock = [&] { return std::make_unique<SharedClock>(clock); };

    const InterruptHandler handler(interruptWhenAsked);
    return Captured(*parsed, environment);
}

CliResult RunInProcess(const std::vector<std::string>& arguments, const std::filesystem::path& dataHome)
{
    const auto parsed = Parsed(arguments);
    return parsed ? Captured(*parsed, FilesEnvironment(dataHome)) : CliResult{};
}

}  // namespace kelpie::test
