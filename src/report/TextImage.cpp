// TextImage.cpp — the listing's sections, in the order the radio's menus show them.
#include "report/TextImage.h"

#include <array>
#include <span>
#include <vector>

#include "files/FileAccess.h"
#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/Models.h"
#include "model/ValueTables.h"
#include "report/ListingRows.h"

namespace kelpie {

namespace {

constexpr int kLabelWidth = 35;

// A row of a channel list: each value padded to its column's width.
std::string PaddedRow(const std::vector<ListedColumn>& columns, const std::vector<std::string>& values)
{
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        line += PadText(values[i], columns[i].Width);
    }
    return line;
}

class Listing
{
public:
    explicit Listing(const RadioData& data) : m_data(data), m_model(data.ModelIndex) {}

    std::string Build()
    {
        for (const SettingsSection& section : kSettingsSections) {
            Settings(section);
        }
        if (ListsAtisSetup(m_model) && HasAtisCallSigns(m_model)) {
            CallSigns();
        }
        MarineBank("Programmable USA Channel", m_data.UsaChannels);
        MarineBank("Programmable International Channel", m_data.IntlChannels);
        MarineBank("Programmable Canada Channel", m_data.CanadaChannels);
        Weather();
        if (HasDsc(m_model)) {
            Directory("Memory ID Setting", "No.  Station Name  MMSI", m_data.IndividualDirectory);
            Directory("Group ID Setting", "No.  Group Name    MMSI", m_data.GroupDirectory);
        }
        BankE();
        return std::move(m_text);
    }

private:
    void Line(const std::string& text) { m_text += "\r\n" + text; }

    void Heading(const std::string& title)
    {
        Line("");
        Line("##### " + title + " #####");
    }

    void Settings(const SettingsSection& section)
    {
        const std::vector<SettingsLine> lines = SettingsLines(m_data, section, false);
        if (lines.empty()) {
            return;
        }
        Heading(section.Title);
        for (const SettingsLine& row : lines) {
            if (!row.Heading.empty()) {
                Line("[" + row.Heading + "]");
            }
            std::string line = PadText(row.Label, kLabelWidth);
            for (std::size_t i = 0; i < row.Values.size(); ++i) {
                line += row.Widths[i] > 0 ? PadText(row.Values[i], row.Widths[i]) : row.Values[i];
            }
            Line(line);
        }
    }

    void CallSigns()
    {
        const auto& signs = m_data.AtisCallSigns;
        Heading("ATIS Setup (Call Sign)");
        Line(PadText("No.", 10) + PadText("MID", 10) + PadText("Display", 18) + PadText("No.", 10) +
             PadText("MID", 10) + PadText("Display", 10));
        constexpr std::size_t kHalf = kAtisCallSignCount / 2;
        for (std::size_t n = 0; n < kHalf; ++n) {
            const AtisCallSign& left = signs[n];
            const AtisCallSign& right = signs[n + kHalf];
            Line(PadText("No." + std::to_string(n + 1), 10) + PadText(left.MID, 10) + PadText(left.DISP, 18) +
                 PadText("No." + std::to_string(n + 1 + kHalf), 10) + PadText(right.MID, 10) +
                 PadText(right.DISP, 10));
        }
    }

    void MarineBank(const std::string& title, const ChannelBank& bank)
    {
        Heading(title);
        if (m_model == 1) {
            Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM");
            Line("---  -------  -------  --  ---  --  ---  ---");
        } else if (m_model == 4) {
            Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  VS  CH Name");
            Line("---  -------  -------  --  ---  --  ---  --  ------------");
        } else {
            Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
            Line("---  -------  -------  --  ---  --  ---  ---  --  ------------");
        }
        const std::vector<ListedColumn> columns = MarineColumns(m_model);
        for (const ChannelRecord& ch : bank) {
            if (IsListedMarineRecord(ch)) {
                Line(PaddedRow(columns, MarineRow(ch, m_model)));
            }
        }
    }

    void Weather()
    {
        Heading("Programmable Wx Channel");
        if (m_model == 1) {
            Line("CH  ENABLE  MEM");
            Line("--  ------  ---");
        } else if (m_model == 4) {
            Line("CH  ENABLE  CH Name");
            Line("--  ------  ------------");
        } else {
            Line("CH  ENABLE  MEM  CH Name");
            Line("--  ------  ---  ------------");
        }
        const std::vector<ListedColumn> columns = WeatherColumns(m_model);
        int number = 1;
        for (const ChannelRecord& ch : m_data.WxChannels) {
            Line(PaddedRow(columns, WeatherRow(ch, number++, m_model)));
        }
    }

    void BankE()
    {
        switch (m_model) {
            case 0:
            case 3:
                Heading("Programmable Exp Channel");
                Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name");
                Line("--  ---  ------  --------  --------  ---  --  ---  --  ------------");
                break;
            case 1:
                Heading("Programmable Exp Channel");
                Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM");
                Line("--  ---  ------  --------  --------  ---  --  ---");
                break;
            case 2:
                Heading("Programmable LMR Channel");
                Line(
                    "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
                    "TXT");
                Line(
                    "--  ---  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
                    "-------");
                break;
            case 4:
                Heading("Programmable LMR Channel");
                Line(
                    "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  VS  CH Name      W/N  RXT      CMP  TXT");
                Line(
                    "--  ----  ------  --------  --------  ---  --  --  ------------  --  -------  ---  "
                    "-------");
                break;
            default:
                Heading("Programmable LMR Channel");
                Line(
                    "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
                    "TXT");
                Line(
                    "--  ----  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
                    "-------");
        }
        const std::vector<ListedColumn> columns = BankEColumns(m_model);
        int number = 1;
        for (const ChannelRecord& ch : m_data.ExpChannels) {
            Line(PaddedRow(columns, BankERow(ch, number++, m_model)));
        }
    }

    void Directory(const std::string& title, const std::string& columns,
                   std::span<const DirectoryEntry> entries)
    {
        Heading(title);
        Line(columns);
        Line("---  ------------  ---------");
        int number = 1;
        for (const DirectoryEntry& entry : entries) {
            Line(PadText(std::to_string(number++), 5) + PadText(FixedOrDashes(entry.TagName, 12), 14) +
                 FixedOrDashes(MmsiShown(entry.Mmsid), 9));
        }
    }

    const RadioData& m_data;
    int m_model;
    std::string m_text;
};

}  // namespace

std::string BuildTextImage(const RadioData& data)
{
    return Listing(data).Build();
}

void SaveTextImage(const std::filesystem::path& fileName, const std::string& text)
{
    WriteFileAtomically(fileName, text + "\r\n");
}

}  // namespace kelpie
