#include "link/RadioSimulator.h"

#include <charconv>
#include <functional>
#include <map>

#include "model/ImageLayout.h"
#include "model/Models.h"

namespace kelpie {

namespace {

constexpr int kModelCodeHead = 0x0000;

std::optional<long> ParseNumber(std::string_view text, int base = 10)
{
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

using FaultSetter = std::function<bool(SimulatorFaults&, std::string_view)>;

FaultSetter Flag(bool SimulatorFaults::*field)
{
    return [field](SimulatorFaults& f, std::string_view value) {
        f.*field = true;
        return value.empty();
    };
}

FaultSetter Count(int SimulatorFaults::*field)
{
    return [field](SimulatorFaults& f, std::string_view value) {
        const std::optional<long> n = ParseNumber(value);
        if (n) {
            f.*field = static_cast<int>(*n);
        }
        return n.has_value();
    };
}

FaultSetter Answer(std::string text)
{
    return [text](SimulatorFaults& f, std::string_view value) {
        f.AdapterAnswer = text;
        return value.empty();
    };
}

const std::map<std::string, FaultSetter, std::less<>>& FaultOptions()
{
    static const std::map<std::string, FaultSetter, std::less<>> options = {
        {"silent", Flag(&SimulatorFaults::Silent)},
        {"no-echo", Flag(&SimulatorFaults::NoEcho)},
        {"bad-echo", Count(&SimulatorFaults::BadEchoAt)},
        {"no-probe", Flag(&SimulatorFaults::NoProbeAnswer)},
        {"acmd",
         [](SimulatorFaults& f, std::string_view value) {
             f.AdapterAnswer = std::string(value) + "\r\n";
             return true;
         }},
        {"acmd-none", Answer("")},
        {"acmd-cr", Answer("OK\rX")},
        {"sync-refuse", Count(&SimulatorFaults::SyncRefusals)},
        {"sync-silent", Flag(&SimulatorFaults::SyncSilent)},
        {"status-refuse", Count(&SimulatorFaults::StatusRefusals)},
        {"busy", Count(&SimulatorFaults::BusyReplies)},
        {"status-bad-word", Flag(&SimulatorFaults::StatusBadWord)},
        {"status-bad-sum", Flag(&SimulatorFaults::StatusBadSum)},
        {"status-no-ack", Flag(&SimulatorFaults::StatusNoAck)},
        {"status-no-reply", Flag(&SimulatorFaults::StatusNoReply)},
        {"refuse", Count(&SimulatorFaults::RefuseBlock)},
        {"refuse-count", Count(&SimulatorFaults::RefuseCount)},
        {"no-ack", Count(&SimulatorFaults::NoAckBlock)},
        {"no-reply", Count(&SimulatorFaults::NoReplyBlock)},
        {"bad-word", Count(&SimulatorFaults::BadWordBlock)},
        {"bad-sum", Count(&SimulatorFaults::BadSumBlock)},
        {"bad-address", Count(&SimulatorFaults::BadAddressBlock)},
        {"short-data", Count(&SimulatorFaults::ShortDataBlock)},
        {"bad-hex", Count(&SimulatorFaults::BadHexBlock)},
        {"hang-up", Count(&SimulatorFaults::HangUpBlock)},
        {"no-can-ack", Flag(&SimulatorFaults::NoCanAck)},
        {"slow",
         [](SimulatorFaults& f, std::string_view value) {
             const std::optional<long> ms = ParseNumber(value);
             if (ms) {
                 f.ReplyDelay = static_cast<double>(*ms) / 1000;
             }
             return ms.has_value();
         }},
        {"model-code",
         [](SimulatorFaults& f, std::string_view value) {
             const std::optional<long> code = ParseNumber(value, 16);
             if (code && *code <= 0xFFFF) {
                 f.ModelCode = static_cast<std::uint16_t>(*code);
                 return true;
             }
             return false;
         }},
    };
    return options;
}

Bytes Line(std::string_view text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(kCr);
    bytes.push_back(kLf);
    return bytes;
}

// A checksum that is valid hexadecimal but wrong, in place of the two digits before CR LF.
void CorruptChecksum(Bytes& frame)
{
    const std::string digits(frame.end() - 4, frame.end() - 2);
    const std::string wrong = HexDigits(ParseHex(digits, 2).value_or(0) ^ 0x5A, 2);
    std::copy(wrong.begin(), wrong.end(), frame.end() - 4);
}

// A reply naming the wrong address names the next block.
constexpr unsigned kBadAddressOffset = 0x10;
// A line longer than any request is noise: it is dropped.
constexpr std::size_t kLongestLine = 256;

// The answer the radio gives to a request it will not carry out: "ERROR" with no line end.
const std::string_view kRefusal = "ERROR";

}  // namespace

bool ParseSimulatorFault(std::string_view option, SimulatorFaults& faults)
{
    const std::size_t equals = option.find('=');
    const std::string_view name = option.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : option.substr(equals + 1);
    const auto found = FaultOptions().find(name);
    return found != FaultOptions().end() && found->second(faults, value);
}

RadioSimulator::RadioSimulator(int modelIndex, SimulatorFaults faults)
    : m_modelIndex(modelIndex), m_lastAddress(ModelOf(modelIndex).LastAddress), m_faults(std::move(faults))
{
    WriteModelCode(m_faults.ModelCode.value_or(ModelOf(modelIndex).Code));
}

void RadioSimulator::WriteModelCode(std::uint16_t code)
{
    m_memory.SetWord(kModelCodeHead, code);
    m_memory.SetWord(kModelCodeAddress, code);
    m_memory.SetWord(m_lastAddress - 1, code);
}

int RadioSimulator::CountLines(std::string_view word) const
{
    int count = 0;
    for (const std::string& line : m_lines) {
        count += line.starts_with(word) ? 1 : 0;
    }
    return count;
}

std::vector<SimulatorOutput> RadioSimulator::Receive(std::uint8_t byte)
{
    std::vector<SimulatorOutput> out;
    if (m_faults.Silent) {
        return out;
    }
    ++m_bytesReceived;
    if (!m_faults.NoEcho) {
        const bool wrong = m_bytesReceived == m_faults.BadEchoAt;
        out.push_back({0, Bytes{static_cast<std::uint8_t>(wrong ? byte ^ 0x01 : byte)}});
    }
    const bool hungUp = m_faults.HangUpBlock > 0 && m_blockCount >= m_faults.HangUpBlock;
    if (m_line.empty() && byte == kCan) {
        ++m_canCount;
        if (!m_faults.NoCanAck && !hungUp) {
            Answer(out, Bytes{kAck});
        }
        return out;
    }
    if (m_line.empty() && (byte == kProbe || byte == kProbeFollow)) {
        if (byte == kProbe) {
            ++m_probeCount;
            if (!m_faults.NoProbeAnswer && !hungUp) {
                Answer(out, Bytes{kProbe});
            }
        }
        return out;
    }
    if (byte != kLf) {
        m_line += static_cast<char>(byte);
        if (m_line.size() > kLongestLine) {
            m_line.clear();
        }
        return out;
    }
    std::string line = std::move(m_line);
    m_line.clear();
    if (!line.empty() && line.back() == static_cast<char>(kCr)) {
        line.pop_back();
    }
    m_lines.push_back(line);
    HandleLine(out, line);
    if (hungUp) {
        out.resize(m_faults.NoEcho ? 0 : 1);
    }
    return out;
}

void RadioSimulator::Answer(std::vector<SimulatorOutput>& out, std::string_view text)
{
    Answer(out, Bytes(text.begin(), text.end()));
}

void RadioSimulator::Answer(std::vector<SimulatorOutput>& out, Bytes bytes)
{
    out.push_back({m_faults.ReplyDelay, std::move(bytes)});
}

void RadioSimulator::HandleLine(std::vector<SimulatorOutput>& out, const std::string& line)
{
    if (line == "ACMD:002") {
        if (!m_faults.AdapterAnswer.empty()) {
            Answer(out, m_faults.AdapterAnswer);
        }
        return;
    }
    if (line == "#CMDSY") {
        if (m_faults.SyncSilent) {
            return;
        }
        if (m_faults.SyncRefusals > 0) {
            --m_faults.SyncRefusals;
            Answer(out, kRefusal);
        } else {
            Answer(out, Line("#CMDOK"));
        }
        return;
    }
    if (line.starts_with("#CMD")) {
        return;  // the PC's acknowledgements and complaints need no answer
    }
    const std::vector<std::string> pieces = SplitAtTabs(line);
    if (!CheckLineSum(line)) {
        Answer(out, kRefusal);
    } else if (pieces[0] == "#CEPSR") {
        HandleStatus(out);
    } else if (pieces[0] == "#CEPRD" || pieces[0] == "#CEPWR") {
        HandleBlock(out, pieces);
    } else {
        Answer(out, kRefusal);
    }
}

void RadioSimulator::HandleStatus(std::vector<SimulatorOutput>& out)
{
    if (m_faults.StatusRefusals > 0) {
        --m_faults.StatusRefusals;
        Answer(out, kRefusal);
        return;
    }
    if (m_faults.StatusNoAck) {
        return;
    }
    Answer(out, Line("#CMDOK"));
    if (m_faults.StatusNoReply) {
        return;
    }
    const bool busy = m_faults.BusyReplies > 0;
    if (busy) {
        --m_faults.BusyReplies;
    }
    Bytes reply = BuildFrame(m_faults.StatusBadWord ? "#CEPXX" : "#CEPSD", busy ? "01" : "00");
    if (m_faults.StatusBadSum) {
        CorruptChecksum(reply);
    }
    Answer(out, std::move(reply));
}

bool RadioSimulator::Refuses(int block)
{
    if (block != m_faults.RefuseBlock || m_refusedOfBlock >= m_faults.RefuseCount) {
        return false;
    }
    ++m_refusedOfBlock;
    return true;
}

void RadioSimulator::HandleBlock(std::vector<SimulatorOutput>& out, const std::vector<std::string>& pieces)
{
    const bool isWrite = pieces[0] == "#CEPWR";
    const std::optional<unsigned> address = pieces.size() > 2 ? ParseHex(pieces[1], 4) : std::nullopt;
    const std::optional<unsigned> length = pieces.size() > 2 ? ParseHex(pieces[2], 2) : std::nullopt;
    if (!address || !length || *length == 0 || static_cast<int>(*address + *length) > m_lastAddress + 1) {
        Answer(out, kRefusal);
        return;
    }
    const int start = static_cast<int>(*address);
    const int count = static_cast<int>(*length);
    m_commands.push_back({pieces[0], start, count});
    // A request refused or retried keeps its number until it is carried out.
    const int block = m_blockCount + 1;
    if (Refuses(block)) {
        Answer(out, kRefusal);
        return;
    }
    m_blockCount = block;
    if (m_faults.HangUpBlock > 0 && block >= m_faults.HangUpBlock) {
        return;
    }
    if (block == m_faults.NoAckBlock) {
        return;
    }
    if (isWrite) {
        if (pieces.size() < 5 || pieces[3].size() != 2 * static_cast<std::size_t>(count) ||
            !HexToBytes(pieces[3], m_memory, start, count)) {
            Answer(out, kRefusal);
            return;
        }
        Answer(out, Line("#CMDOK"));
        return;
    }
    Answer(out, Line("#CMDOK"));
    if (block == m_faults.NoReplyBlock) {
        return;
    }
    std::string data = ImageHex(m_memory, start, count);
    if (block == m_faults.ShortDataBlock) {
        data.resize(data.size() - 2);
    }
    if (block == m_faults.BadHexBlock) {
        data[0] = 'G';
    }
    const unsigned replyAddress = block == m_faults.BadAddressBlock ? *address + kBadAddressOffset : *address;
    Bytes reply = BuildFrame(block == m_faults.BadWordBlock ? "#CEPDX" : "#CEPDT", HexDigits(replyAddress, 4),
                             pieces[2], data);
    if (block == m_faults.BadSumBlock) {
        CorruptChecksum(reply);
    }
    Answer(out, std::move(reply));
}

}  // namespace kelpie
