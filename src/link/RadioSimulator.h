// RadioSimulator.h — the radio's side of the protocol, bytes in and bytes out: it echoes every byte
// as the one-wire cable does, answers the probe, the adapter command, synchronisation, status, read
// and write requests and CAN from a memory of its own, and can be told to misbehave.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "link/Framing.h"
#include "model/RadioImage.h"

namespace kelpie {

// The ways the simulated radio can fail. Block numbers count the read and write requests received,
// from 1; 0 means never.
struct SimulatorFaults
{
    bool Silent = false;                   // nothing comes back, not even the echo: no cable
    bool NoEcho = false;                   // the cable gives no echo; the radio still answers
    int BadEchoAt = 0;                     // the echo of the nth byte received comes back wrong
    bool NoProbeAnswer = false;            // "P" is not answered
    std::string AdapterAnswer = "OK\r\n";  // sent as it stands after "ACMD:002"; empty: silence
    int SyncRefusals = 0;                  // the first n "#CMDSY" are answered "ERROR"
    bool SyncSilent = false;               // "#CMDSY" is never answered
    int StatusRefusals = 0;                // the first n status requests are answered "ERROR"
    int BusyReplies = 0;                   // the first n status replies say "01", busy
    bool StatusBadWord = false;            // the status reply starts with another command word
    bool StatusBadSum = false;             // the status reply carries a wrong checksum
    bool StatusNoAck = false;              // the status request is never acknowledged
    bool StatusNoReply = false;            // the status request is acknowledged but never answered
    int RefuseBlock = 0;                   // the block's request is answered "ERROR"
    int RefuseCount = 1;                   // ... this many times in a row
    int NoAckBlock = 0;                    // the block's request is never acknowledged
    int NoReplyBlock = 0;                  // the block's read request is acknowledged, its data never comes
    int BadWordBlock = 0;                  // the block's data reply starts with another command word
    int BadSumBlock = 0;                   // the block's data reply carries a wrong checksum
    int BadAddressBlock = 0;               // the block's data reply names another address
    int ShortDataBlock = 0;                // the block's data reply carries one byte too few
    int BadHexBlock = 0;                   // the block's data reply holds a character that is not hexadecimal
    int HangUpBlock = 0;                   // from this block on the radio answers nothing (the echo goes on)
    bool NoCanAck = false;                 // CAN is not answered with ACK
    double ReplyDelay = 0;                 // seconds before each answer of the radio
    std::optional<std::uint16_t> ModelCode = std::nullopt;  // a code other than the model's in every place
};

// Reads one fault option, "name", "name=N" or "name=TEXT" (see the radio simulator's usage);
// false when the option is not known.
bool ParseSimulatorFault(std::string_view option, SimulatorFaults& faults);

// A stretch of bytes the radio side sends, after a pause of Delay seconds.
struct SimulatorOutput
{
    double Delay;
    Bytes Data;
};

// One read or write request the radio accepted or refused.
struct SimulatorCommand
{
    std::string Word;  // "#CEPRD" or "#CEPWR"
    int Address;
    int Length;
};

class RadioSimulator
{
public:
    explicit RadioSimulator(int modelIndex, SimulatorFaults faults = {});

    // One byte from the PC; what the radio side sends in return, echo first.
    std::vector<SimulatorOutput> Receive(std::uint8_t byte);

    int ModelIndex() const { return m_modelIndex; }
    int LastAddress() const { return m_lastAddress; }
    // The radio's memory; addresses above LastAddress do not exist in the radio.
    RadioImage& Memory() { return m_memory; }
    const RadioImage& Memory() const { return m_memory; }
    // Writes the model code of the radio where the radio keeps it: 0x0000, 0x0040, the last two.
    void WriteModelCode(std::uint16_t code);

    SimulatorFaults& Faults() { return m_faults; }
    // Every line received, without CR LF, and every read and write request.
    const std::vector<std::string>& Lines() const { return m_lines; }
    const std::vector<SimulatorCommand>& Commands() const { return m_commands; }
    int CountLines(std::string_view word) const;
    int CanCount() const { return m_canCount; }
    int ProbeCount() const { return m_probeCount; }

private:
    void Answer(std::vector<SimulatorOutput>& out, std::string_view text);
    void Answer(std::vector<SimulatorOutput>& out, Bytes bytes);
    void HandleLine(std::vector<SimulatorOutput>& out, const std::string& line);
    void HandleStatus(std::vector<SimulatorOutput>& out);
    void HandleBlock(std::vector<SimulatorOutput>& out, const std::vector<std::string>& pieces);
    bool Refuses(int block);

    int m_modelIndex;
    int m_lastAddress;
    SimulatorFaults m_faults;
    RadioImage m_memory;
    std::string m_line;
    long m_bytesReceived = 0;
    int m_blockCount = 0;
    int m_refusedOfBlock = 0;
    int m_canCount = 0;
    int m_probeCount = 0;
    std::vector<std::string> m_lines;
    std::vector<SimulatorCommand> m_commands;
};

}  // namespace kelpie
