// RadioData.h — one radio's programming: the image and the edit model decoded from it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/RadioImage.h"

namespace kelpie {

// Channel groups, numbered alike in image bits, records, pages and data files.
enum ChannelGroup : int {
    kGroupUsa = 0,
    kGroupIntl = 1,
    kGroupCanada = 2,
    kGroupBankE = 3
};
constexpr int kGroupCount = 4;

constexpr int kMarineChannelCount = 240;  // one per channel-plan slot
constexpr int kWxChannelCount = 10;
constexpr int kExpChannelCount = 40;
constexpr int kAtisCallSignCount = 20;
constexpr int kIndividualDirectorySize = 40;
constexpr int kGroupDirectorySize = 10;

// Combined channel index: one number naming a channel of any bank.
constexpr int kFirstExpChannelIndex = 240;  // bank E channel 1
constexpr int kFirstWxChannelIndex = 280;   // weather channel 1
constexpr int kLastChannelIndex = 289;      // weather channel 10

// One channel of any bank. The field names are the data-file keys.
struct ChannelRecord
{
    std::int16_t Position = 0;  // marine: channel-plan slot 0..239; weather: plan entry 1..10
    bool Enable = false;
    bool LowPower = false;
    std::uint8_t TXPower = 0;  // transmit mode 0..3 as the image stores it
    bool ClockShift = false;   // bank E
    bool PowUp = false;
    bool Duplex = false;
    bool DuplexAllowed = false;  // marine: the slot has a duplex frequency and the channel transmits
    bool TxEnable = false;
    bool DispayA = false;  // the label carries the "A" suffix; not in the image
    bool ScanMemory = false;
    std::string ChTag;          // up to 12 characters
    std::int16_t Scramble = 0;  // 0..7: bit 2 on, bits 1–0 the code
    bool RxOnly = false;
    bool Narrow = false;     // bank E
    std::int16_t TxDCS = 0;  // 0 off, 1..104 normal, 105..208 inverted
    std::int16_t RxDCS = 0;
    bool RxComp = false;       // bank E: receive compander
    std::int16_t TxCTCSS = 0;  // 0 off, 1..50
    std::int16_t RxCTCSS = 0;
    std::string CHDisplayL;  // bank E: the two halves of the displayed channel number
    std::string CHDisplayR;
    double Txfreq = 0.0;  // bank E, MHz; 0 is none
    double Rxfreq = 0.0;
    bool ScramblerOption = false;  // marine: copy of image bit 0x00A8.5

    // The tone pairs by direction: 0 transmit, 1 receive.
    std::int16_t Ctcss(int direction) const { return direction == 0 ? TxCTCSS : RxCTCSS; }
    std::int16_t Dcs(int direction) const { return direction == 0 ? TxDCS : RxDCS; }

    bool operator==(const ChannelRecord&) const = default;
};

using ChannelBank = std::vector<ChannelRecord>;

struct UsableGroup
{
    bool Enable = false;
    bool TxTot = false;           // "TX TOT"
    std::int32_t PriorityCh = 0;  // "Priority CH", combined channel index; groups 0–2
    bool StatusIcon = false;      // "Status Icon"
    std::string StatusName;       // "Status name", up to 4 characters; not in the image
    std::int32_t Backup = 0;      // groups 0–2; shares its bytes with the User MMSI

    bool operator==(const UsableGroup&) const = default;
};

struct CommonSetup
{
    std::int16_t TxPoDisplay = 0;        // "TX Po Display" 0..2
    std::int16_t LastTxPower = 0;        // "Last TX Power"
    std::int16_t Sql = 0;                // "SQL" 0..15
    std::int16_t LastChGroup = 0;        // "Last CH Group"
    std::int32_t LastDisplayCh = 0;      // "Last Display CH", combined channel index
    std::int32_t MarineLmrCh = 0;        // "Marine_LMR CH", combined channel index
    bool Scan = false;                   // "SCAN"
    std::int16_t ResumeTime = 0;         // "Resume Time" 0..3
    bool PttScanClear = false;           // "PTT SCAN Clear"
    bool DualWatch = false;              // "Dual Watch"
    std::int16_t OffsetTime = 12;        // "Offset Time", index into the offset names
    std::int16_t MagneticVariation = 0;  // "Magnetic Variation", 0 True or 1 Mag
    std::int16_t Weater = 0;             // weather alert 0..3
    bool RotaryBeep = false;

    bool operator==(const CommonSetup&) const = default;
};

struct DscBasicSetup
{
    std::array<bool, 3> UsableDsc{};     // USA, INTL, Canada
    std::string UserMmsi;                // "User MMSI", up to 10 digits
    std::array<bool, 4> PosRequest{};    // Distress Cancel Call, Standby Mode, POS Request, POS Send
    std::array<bool, 4> PosRequestTX{};  // only elements 2 and 3 are stored
    std::array<bool, 8> BeepOut{};

    bool operator==(const DscBasicSetup&) const = default;
};

// Each array by call category: 0 Distress, 1 Urgency, 2 Safety, 3 Routine.
struct DscAdvancedSetup
{
    std::array<bool, 4> AllShipsCall{};
    std::array<bool, 4> AllShipsCallTX{};
    std::array<bool, 4> GroupCall{};
    std::array<bool, 4> GroupCallTX{};
    std::array<bool, 4> IndividualCall{};
    std::array<bool, 4> IndividualCallTX{};

    bool operator==(const DscAdvancedSetup&) const = default;
};

struct DscDisplaySetup
{
    bool IndividualAckMenu = false;
    bool IndividualAckMessageMenu = false;
    bool PosRequestAckMenu = false;

    bool operator==(const DscDisplaySetup&) const = default;
};

struct AtisCommonSetup
{
    std::array<bool, 4> UsableAtis{};        // one per channel group
    std::string AtisCode;                    // "Atis Code", 10 digits
    std::array<bool, 4> UsableAtisKiller{};  // one per channel group

    bool operator==(const AtisCommonSetup&) const = default;
};

// One entry of the ATIS call-sign table; texts of up to three characters.
struct AtisCallSign
{
    std::string MID;
    std::string DISP;

    bool operator==(const AtisCallSign&) const = default;
};

struct DirectoryEntry
{
    bool Enabled = false;
    std::string TagName;  // up to 11 characters in the image
    std::string Mmsid;    // up to 10 digits; empty when the entry is free

    bool operator==(const DirectoryEntry&) const = default;
};

// The entries no radio transfer writes, as one set.
struct UnsentEntries
{
    std::array<DirectoryEntry, kIndividualDirectorySize> IndividualDirectory{};
    std::array<DirectoryEntry, kGroupDirectorySize> GroupDirectory{};
    std::array<AtisCallSign, kAtisCallSignCount> AtisCallSigns{};

    bool operator==(const UnsentEntries&) const = default;
};

// The image and every record of the edit model. Arrays the radio numbers from 1 (call signs,
// directory entries) are held from index 0 here: entry i is element i - 1.
struct RadioData
{
    kelpie::RadioImage RadioImage;
    std::int32_t ImageLastAddress = 0x3FFF;
    std::int16_t ModelIndex = 5;

    ChannelBank UsaChannels = ChannelBank(kMarineChannelCount);
    ChannelBank IntlChannels = ChannelBank(kMarineChannelCount);
    ChannelBank CanadaChannels = ChannelBank(kMarineChannelCount);
    ChannelBank WxChannels = ChannelBank(kWxChannelCount);
    ChannelBank ExpChannels = ChannelBank(kExpChannelCount);

    std::array<UsableGroup, kGroupCount> UsableGroups{};
    kelpie::CommonSetup CommonSetup;
    kelpie::DscBasicSetup DscBasicSetup;
    kelpie::DscAdvancedSetup DscAdvancedSetup;
    kelpie::DscDisplaySetup DscDisplaySetup;
    kelpie::AtisCommonSetup AtisCommonSetup;
    std::array<AtisCallSign, kAtisCallSignCount> AtisCallSigns{};
    std::array<DirectoryEntry, kIndividualDirectorySize> IndividualDirectory{};
    std::array<DirectoryEntry, kGroupDirectorySize> GroupDirectory{};
    // The directories and call signs as last read from the radio or opened from a file.
    UnsentEntries EntriesAsLoaded;

    explicit RadioData(int modelIndex = 5) : ModelIndex(static_cast<std::int16_t>(modelIndex)) {}

    bool operator==(const RadioData&) const = default;
};

}  // namespace kelpie
