// ListingRows.h — the rows the text listing and the printed listing share: the channel lists'
// columns by model and their values, and the settings' lines from the settings table. The text listing pads
// the values to its widths, the printed listing places them at its positions.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/RadioData.h"
#include "model/SettingsFields.h"

namespace kelpie {

enum class ListColumn {
    Ch,
    Chd,
    Enable,
    Rx,
    Tx,
    TxFlag,
    Low,
    Up,
    Dup,
    Mem,
    Vs,
    Name,
    Wn,
    Rxt,
    Cmp,
    Txt
};

// A listed column and its width in characters in the text listing.
struct ListedColumn
{
    ListColumn Column;
    int Width;
};

// The columns of a model's lists, in order. The MV240 keeps no channel names, the MV220 no scan
// memory on its marine and LMR channels, and only the LMR banks carry tones, compander and width.
std::vector<ListedColumn> MarineColumns(int modelIndex);
std::vector<ListedColumn> WeatherColumns(int modelIndex);
std::vector<ListedColumn> BankEColumns(int modelIndex);

// A marine record is listed when it is enabled and names a slot of the channel plan.
bool IsListedMarineRecord(const ChannelRecord& record);

// The values of one row, one per column of the model's list above; MarineRow takes a listed record.
std::vector<std::string> MarineRow(const ChannelRecord& record, int modelIndex);
// number: the weather channel's or bank E channel's number, 1 for the first record.
std::vector<std::string> WeatherRow(const ChannelRecord& record, int number, int modelIndex);
// Frequencies off the 5 kHz and 12.5 kHz rasters are shown corrected; the record stays as it is.
std::vector<std::string> BankERow(const ChannelRecord& record, int number, int modelIndex);

// The four display characters of a bank E channel: two of the left half and the last two of the
// right one, in the display's letter forms; "----" when all four are blank.
std::string BankEDisplayText(const ChannelRecord& record);

// The ATIS common setup is listed for every model but the MV230, which has no ATIS.
bool ListsAtisSetup(int modelIndex);

// A settings section of the listings: the record's lines under their heading. The usable groups'
// labels stand alone, the others end in a colon.
struct SettingsSection
{
    SettingsRecord Record;
    const char* Title;
    bool Colons;
};
// The sections in listing order; the call-sign table, listed as a table of its own, is not one.
inline constexpr std::array<SettingsSection, 6> kSettingsSections{{
    {SettingsRecord::UsableGroups, "Available CH Group Setup", false},
    {SettingsRecord::CommonSetup, "Common Setup", true},
    {SettingsRecord::DscBasic, "DSC Setup (Basic Setup)", true},
    {SettingsRecord::DscAdvanced, "DSC Setup (Advanced Setup)", true},
    {SettingsRecord::DscDisplay, "DSC Setup (Display Setup)", true},
    {SettingsRecord::AtisCommon, "ATIS Setup (Common)", true},
}};

// A line of a settings section: the bracketed subheading it opens with (empty: none), its label
// and its values with their widths in the text listing (0: the value as it is).
struct SettingsLine
{
    std::string Heading;
    std::string Label;
    std::vector<std::string> Values;
    std::vector<int> Widths;
};

// The lines of the section for the model from the settings table, in the table's line order; a
// section that opens with a value per group first names the groups. `printed`: the printed
// listing's lines. No line: the section is not listed.
std::vector<SettingsLine> SettingsLines(const RadioData& data, const SettingsSection& section, bool printed);

// The name of each channel group in the column headings of the settings: USA, INTL, Canada and
// bank E ("LMR CH" or "EXP CH").
std::vector<std::string> GroupHeadings(int modelIndex);

}  // namespace kelpie
