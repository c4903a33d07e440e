// The radio link's reply handling on arbitrary replies: the transfer dialog's OK (the handshake,
// then a read, a write or the distress-log clear) against a port that echoes every transmission,
// as the cable does, and answers it with the next piece of the fuzzer's bytes. No reply may crash
// the link, reach outside the image, or keep it waiting for ever; a run that did not complete
// leaves the image as the run found it.
//
// Input: one byte choosing the run (read, program, clear) and the model, one byte choosing after
// how many event pumps Cancel is pressed (0: never), then the answers, separated by 0x00 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/TransferDialog.h"
#include "model/FreshImage.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace {

using namespace kelpie;

constexpr std::uint8_t kAnswerEnd = 0x00;
constexpr int kPumpsPerCancelStep = 8;

// The cable's echo of each transmission, then the fuzzer's answer to it.
class ReplyPort : public SerialPort
{
public:
    explicit ReplyPort(std::span<const std::uint8_t> answers) : m_answers(answers) {}

    bool Open(int portNumber, std::string_view settings) override
    {
        m_portNumber = portNumber;
        m_settings = settings;
        m_open = true;
        return true;
    }
    void Close() override { m_open = false; }
    bool IsOpen() const override { return m_open; }
    int BytesWaiting() override { return static_cast<int>(m_received.size()); }
    std::vector<std::uint8_t> Read(int count) override
    {
        std::vector<std::uint8_t> bytes;
        while (count-- > 0 && !m_received.empty()) {
            bytes.push_back(m_received.front());
            m_received.pop_front();
        }
        return bytes;
    }
    void Write(std::span<const std::uint8_t> bytes) override
    {
        m_received.insert(m_received.end(), bytes.begin(), bytes.end());
        while (!m_answers.empty()) {
            const std::uint8_t byte = m_answers.front();
            m_answers = m_answers.subspan(1);
            if (byte == kAnswerEnd) {
                break;
            }
            m_received.push_back(byte);
        }
    }
    bool WaitReadable(int) override { return !m_received.empty(); }
    std::string SettingsText() const override { return m_settings; }
    std::string DeviceName() const override { return "COM" + std::to_string(m_portNumber); }
    int LastErrorNumber() const override { return 0; }
    std::string LastErrorText() const override { return {}; }

private:
    std::span<const std::uint8_t> m_answers;
    std::deque<std::uint8_t> m_received;
    bool m_open = false;
    int m_portNumber = 0;
    std::string m_settings;
};

// Time moves a quarter of a second at every reading, so that every time limit is reached in a
// few dozen passes.
class StepClock : public Clock
{
public:
    double Now() override { return m_seconds += 0.25; }
    void Sleep(int milliseconds) override { m_seconds += milliseconds / 1000.0; }

private:
    double m_seconds = 0;
};

// Says yes to every question, and presses Cancel after the chosen number of event pumps.
class CancellingUi : public LinkUi
{
public:
    CancellingUi(ShellState& shell, long cancelAt) : m_shell(shell), m_cancelAt(cancelAt) {}

    void ShowMonitor(std::string_view) override {}
    void ShowProgress(int) override {}
    void ShowWaiting(std::string_view) override {}
    void PumpEvents() override
    {
        if (++m_pumps == m_cancelAt && m_shell.BusyFlag) {
            m_shell.CancelFlag = true;
        }
    }
    void Pause(int) override {}
    MessageAnswer Message(std::string_view, std::string_view, MessageIcon, MessageButtons buttons) override
    {
        // A bounded number of Retry and OK answers: a radio that is busy for ever ends the run.
        if (++m_questions > kQuestionLimit) {
            return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
        }
        return buttons == MessageButtons::RetryCancel ? MessageAnswer::Retry : MessageAnswer::Ok;
    }
    void SetRunning(bool) override {}

private:
    static constexpr int kQuestionLimit = 16;

    ShellState& m_shell;
    long m_cancelAt;
    long m_pumps = 0;
    int m_questions = 0;
};

const std::vector<RadioData>& FreshModels()
{
    static const std::vector<RadioData> models = [] {
        std::vector<RadioData> fresh;
        for (int model = 0; model < kModelCount; ++model) {
            fresh.emplace_back(model);
            WriteFreshImage(fresh.back());
            DecodeImage(fresh.back());
        }
        return fresh;
    }();
    return models;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const int mode = bytes[0] % 3;
    const int model = (bytes[0] / 3) % kModelCount;
    RadioData data = FreshModels()[static_cast<std::size_t>(model)];
    const RadioImage before = data.RadioImage;
    ShellState shell;
    shell.TransferMode = mode;
    CancellingUi ui(shell, static_cast<long>(bytes[1]) * kPumpsPerCancelStep);
    StepClock clock;
    ReplyPort port(std::span(bytes + 2, size - 2));
    TransferDialog dialog(port, ui, clock, shell, data);
    dialog.Load();
    const bool completed = dialog.OkPressed();
    if (!completed && mode != kTransferProgram && data.RadioImage != before) {
        std::abort();
    }
    return 0;
}
