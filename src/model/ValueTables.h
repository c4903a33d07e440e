// ValueTables.h — the fixed vocabulary of the radio: channel plan, weather channels, tone and code
// tables, offsets, region default channels and character sets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelpie {

// One entry of the marine channel plan or of the weather plan.
struct PlanEntry
{
    bool Present = false;       // weather entries: true; marine entries: false
    std::string Label;          // "16", "22A", "WX01[162.550MHz]"
    double TxFreq = 0.0;        // marine: the channel frequency; weather: 0
    double RxFreq = 0.0;        // receive frequency on simplex
    double RxFreqDuplex = 0.0;  // marine plain slots: TxFreq + 4.6; "A" slots: 0; weather: the frequency
    bool IsPlain = false;       // marine: the plain slot "nn"; weather: true
    std::int16_t Spare = 0;
    std::string Name;  // weather: "162.550MHZ"; marine: empty
};

constexpr int kChannelPlanSize = 240;
constexpr int kWxPlanLast = 10;

// Slot 2n is channel n, slot 2n + 1 its "A" channel.
std::array<PlanEntry, kChannelPlanSize> BuildChannelPlan();
// Entries 1..10; element 0 is not present.
std::array<PlanEntry, kWxPlanLast + 1> BuildWxPlan();

// The frequency a marine channel receives on: the slot's duplex frequency when duplex is set and
// the slot has one, its simplex receive frequency otherwise.
double ReceiveFrequency(const PlanEntry& plan, bool duplex);

// The tables above, built once and read-only afterwards.
const std::array<PlanEntry, kChannelPlanSize>& ChannelPlan();
const std::array<PlanEntry, kWxPlanLast + 1>& WxPlan();

constexpr int kCtcssLast = 50;   // 1 = 67.0 Hz … 50 = 254.1 Hz
constexpr int kDcsLast = 104;    // 1 = "023" … 104 = "754"; a value above 104 is that code inverted
constexpr int kOffsetLast = 24;  // index i stands for i - 12 hours

std::vector<std::string> BuildCtcssNames();
std::vector<std::string> BuildDcsNames();
std::vector<std::string> BuildOffsetNames();
const std::vector<std::string>& CtcssNames();
const std::vector<std::string>& DcsNames();
const std::vector<std::string>& OffsetNames();

// One row of a region's default channels: the plan slot, its label (the plan's own), the default
// name and the flags; every listed channel is enabled.
struct RegionChannel
{
    int Slot;
    const char* Label;
    const char* Name;
    bool LowPower;
    bool Duplex;
    bool RxOnly;
    bool PowUp;
};

std::span<const RegionChannel> UsaRegionTable();
std::span<const RegionChannel> IntlRegionTable();
std::span<const RegionChannel> CanadaRegionTable();

// Characters a channel name, bank E display digits or a directory name may hold; also the set a
// stored byte is read back through.
constexpr std::string_view kNameCharacters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ,_";
// Characters of the ATIS call-sign fields; the blank is not among them.
constexpr std::string_view kCallSignCharacters =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-/_,";

// The stored byte of a character: its code when in the set, else 0xFF.
std::uint8_t NameByte(char c);
std::uint8_t CallSignByte(char c);
// The character a stored byte stands for, or nothing (0xFF among others).
std::optional<char> ReadCharacter(std::uint8_t byte);

// Splits at commas, trimming blanks around each item; a text without a comma is one item.
std::vector<std::string> SplitList(std::string_view text);

}  // namespace kelpie
