// ChannelEdit.h — editing one channel of the USA, International, Canada or extra bank, and the
// weather channels: what the channel and weather pages show for a record, and every change their
// controls make to the records.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "edit/Banks.h"
#include "edit/EditContext.h"
#include "edit/EditHistory.h"

namespace kelpie {

// A channel of a bank: group 0..2 and its channel-plan slot 0..239, or group 3 (the extra bank)
// and its channel 1..40 as element 0..39.
struct ChannelRef
{
    int group = kGroupUsa;
    int index = 0;
};

// The record; a reference outside its bank throws std::out_of_range.
ChannelRecord& RecordOf(RadioData& data, ChannelRef ref);
const ChannelRecord& RecordOf(const RadioData& data, ChannelRef ref);

// The entries of cmbScramble: "Off", then the codes "0".."3" with bit 2 set in their item data.
struct ScrambleItem
{
    std::string_view text;
    int itemData;
};
inline constexpr std::array<ScrambleItem, 5> kScrambleItems{
    {{"Off", 0}, {"0", 4}, {"1", 5}, {"2", 6}, {"3", 7}}};
// The entry a stored Scramble value stands on.
int ScrambleItemIndex(int scramble);

// Everything the channel page shows for one record. Tone and DCS values are the combos' item
// data (the positions in the tone and DCS lists, 0 for none).
struct ChannelPage
{
    bool extraBank = false;  // the number and frequency boxes are editable
    // Panels and controls present for the bank and model.
    bool transmitPanel = false;
    bool duplexPanel = false;
    bool tonePanel = false;
    bool scramblerShown = false;
    bool nameShown = false;

    std::array<std::string, 2> channelNumber;  // txtCN(0), txtCN(1)
    int channelNumberLimit = 2;                // length limit of txtCN(0)
    std::string rxFrequency;
    std::string txFrequency;

    CheckControl enable;           // chkCEnable, always enabled
    bool controlsEnabled = false;  // every control without a rule of its own, and the labels
    CheckControl txEnable;         // chkCTXEnable
    CheckControl txOnly;           // chkCTXOnly
    CheckControl txPower;          // chkCTXPower
    CheckControl duplex;           // chkCDup
    CheckControl scan;             // chkCScan
    int scrambleIndex = 0;         // cmbScramble entry
    bool scrambleEnabled = false;  // cmbScramble and lblCScramble
    std::string name;              // txtCTag
    int wideOption = 0;            // optCWide: 0 wide, 1 narrow
    std::array<int, 2> ctcss{};    // cmbCTCSS(0) transmit, (1) receive
    std::array<int, 2> dcs{};      // cmbDCS(0), cmbDCS(1)
    CheckControl compander;        // chkComp

    bool operator==(const ChannelPage&) const = default;
};

// A channel of the USA, International or Canada bank by its plan slot.
ChannelPage FillChannelPage(const RadioData& data, int group, int slot);
// Channel n (1..40) of the extra bank.
ChannelPage FillExtraChannelPage(const RadioData& data, int n);
ChannelPage FillPage(const RadioData& data, ChannelRef ref);

// A step on the channel's page: "LMR 7 RX frequency", "USA CH16 scan memory".
StepLabel ChannelStep(const RadioData& data, ChannelRef ref, std::string_view what);

// The channel's tree node text: "CH16[Enable]", "LMR7".
std::string ChannelNodeText(const RadioData& data, ChannelRef ref);

// The controls' edits. Each does nothing and returns false while the shell is busy or when the
// control is not offered for the channel; otherwise it writes the record, sets DataChanged and
// returns true. The page then shows FillPage again.

// chkCEnable. Unticking the last enabled channel of a bank is refused: a bank always keeps one.
bool SetChannelEnable(EditContext& ctx, ChannelRef ref, bool on);
// chkCTXEnable (fixed-plan banks, not on receive-only channels) and chkCTXOnly: TxEnable,
// LowPower, and TXPower 1 for low power only, 3 otherwise.
bool SetTxEnable(EditContext& ctx, ChannelRef ref, bool on);
bool SetTxOnly(EditContext& ctx, ChannelRef ref, bool on);
// chkCTXPower: PowUp, offered only while low power only is ticked.
bool SetPowUp(EditContext& ctx, ChannelRef ref, bool on);
// chkCDup: only where the plan slot has a duplex frequency; the receive frequency shown follows.
bool SetDuplex(EditContext& ctx, ChannelRef ref, bool on);
bool SetScanMemory(EditContext& ctx, ChannelRef ref, bool on);
// cmbScramble: the item data of the chosen entry.
bool SetScramble(EditContext& ctx, ChannelRef ref, int itemData);
// optCWide(option): narrow for option 1 (extra bank).
bool SetNarrow(EditContext& ctx, ChannelRef ref, int option);
// cmbCTCSS(direction), cmbDCS(direction) (extra bank, models with tones): a direction never has
// both a tone and a code, so choosing one clears the other. A receive channel without a plain
// DCS code has no compander.
bool SetCtcss(EditContext& ctx, ChannelRef ref, int direction, int tone);
bool SetDcs(EditContext& ctx, ChannelRef ref, int direction, int code);
// chkComp: only with a plain receive DCS code, which shares the compander's place in the image.
bool SetRxComp(EditContext& ctx, ChannelRef ref, bool on);

// The channel page's part of the page check: an enabled extra-bank channel without a receive
// frequency or with a channel number shorter than two characters cannot be left.
bool ChannelPageMayBeLeft(const RadioData& data, ChannelRef ref);
// Why such a channel cannot be left: "Data Error!!", which of the two it lacks and the rule of each,
// and that switching the channel off also lets it go. Empty when it may be left.
std::string ChannelLeaveText(const RadioData& data, ChannelRef ref);

// The weather page: ten rows of caption, enable, scan and name.
struct WeatherRow
{
    std::string caption;  // lblWX(i)
    bool enable = false;  // chkDEnable(i)
    CheckControl scan;    // chkDScan(i)
    std::string name;     // txtDTagName(i)
    bool nameEnabled = false;

    bool operator==(const WeatherRow&) const = default;
};

struct WeatherPage
{
    bool namesShown = false;  // txtDTagName and lblDTagName
    std::array<WeatherRow, kWxChannelCount> rows;
};

WeatherPage FillWeatherPage(const RadioData& data);
// A step on the weather page: "Weather WX1 scan memory".
StepLabel WeatherStep(const RadioData& data, int row, std::string_view what);
// chkDEnable(row), chkDScan(row); any number of weather channels may be off.
bool SetWeatherEnable(EditContext& ctx, int row, bool on);
bool SetWeatherScan(EditContext& ctx, int row, bool on);

}  // namespace kelpie
