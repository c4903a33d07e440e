// PrintedListing.cpp — the printed pages' sections, columns and their millimetre positions.
#include "report/PrintedListing.h"

#include <algorithm>
#include <array>
#include <span>

#include "model/Converters.h"
#include "model/Models.h"
#include "report/ListingRows.h"

namespace kelpie {

namespace {

// The start of every column from its distances to the one before it, the first at 0 mm.
template <std::size_t N>
constexpr std::array<double, N> Positions(const std::array<double, N>& distances)
{
    std::array<double, N> positions{};
    double at = 0.0;
    for (std::size_t i = 0; i < N; ++i) {
        at += distances[i];
        positions[i] = at;
    }
    return positions;
}

constexpr auto kMarineMm = Positions<10>({0, 12, 17, 17, 8, 9, 8, 9, 9, 8});
// Seventeen distances for fourteen titles. The titles up to VS take the first nine positions and
// the five from CH Name on the twelfth to the sixteenth, which gives CH Name the 22 mm its twelve
// characters need and every later column the room of its values; the tenth, eleventh and last
// positions carry no column.
constexpr auto kBankEMm = Positions<17>({0, 8, 10, 17, 19, 19, 8, 10, 7, 10, 10, 7, 22, 7, 15, 7, 15});

// A column's title, the dash run under it and where it starts.
struct PrintColumn
{
    ListColumn Column;
    const char* Title;
    const char* Dashes;
    double Mm;
};

constexpr std::array<PrintColumn, 10> kMarineColumns{{
    {ListColumn::Ch, "CH", "---", kMarineMm[0]},
    {ListColumn::Rx, "RX(MHz)", "-------", kMarineMm[1]},
    {ListColumn::Tx, "TX(MHz)", "-------", kMarineMm[2]},
    {ListColumn::TxFlag, "TX", "--", kMarineMm[3]},
    {ListColumn::Low, "LOW", "---", kMarineMm[4]},
    {ListColumn::Up, "UP", "--", kMarineMm[5]},
    {ListColumn::Dup, "DUP", "---", kMarineMm[6]},
    {ListColumn::Mem, "MEM", "---", kMarineMm[7]},
    {ListColumn::Vs, "VS", "--", kMarineMm[8]},
    {ListColumn::Name, "CH Name", "------------", kMarineMm[9]},
}};

constexpr std::array<PrintColumn, 4> kWeatherColumns{{
    {ListColumn::Ch, "CH", "--", 0},
    {ListColumn::Enable, "ENABLE", "------", 10},
    {ListColumn::Mem, "MEM", "---", 28},
    {ListColumn::Name, "CH Name", "------------", 38},
}};

constexpr std::array<PrintColumn, 14> kBankEColumns{{
    {ListColumn::Ch, "CH", "--", kBankEMm[0]},
    {ListColumn::Chd, "CHD", "----", kBankEMm[1]},
    {ListColumn::Enable, "ENABLE", "------", kBankEMm[2]},
    {ListColumn::Rx, "RX(MHz)", "--------", kBankEMm[3]},
    {ListColumn::Tx, "TX(MHz)", "--------", kBankEMm[4]},
    {ListColumn::Low, "LOW", "---", kBankEMm[5]},
    {ListColumn::Up, "UP", "--", kBankEMm[6]},
    {ListColumn::Mem, "MEM", "---", kBankEMm[7]},
    {ListColumn::Vs, "VS", "--", kBankEMm[8]},
    {ListColumn::Name, "CH Name", "------------", kBankEMm[11]},
    {ListColumn::Wn, "W/N", "--", kBankEMm[12]},
    {ListColumn::Rxt, "RXT", "-------", kBankEMm[13]},
    {ListColumn::Cmp, "CMP", "---", kBankEMm[14]},
    {ListColumn::Txt, "TXT", "-------", kBankEMm[15]},
}};

// Settings values stand at 50 mm, one per group 30 mm apart.
constexpr double kValueMm = 50.0;
constexpr double kGroupStepMm = 30.0;

// The printed columns of a list: those the model lists, at the list's own positions.
std::vector<PrintColumn> Printed(std::span<const PrintColumn> table, const std::vector<ListedColumn>& listed)
{
    std::vector<PrintColumn> columns;
    for (const ListedColumn& column : listed) {
        const auto at = std::ranges::find(table, column.Column, &PrintColumn::Column);
        columns.push_back(*at);
    }
    return columns;
}

class Pages
{
public:
    Pages(const RadioData& data, const std::string& modelName)
        : m_data(data), m_model(data.ModelIndex), m_header(PrintHeader(modelName))
    {}

    std::vector<PrintPage> Build()
    {
        SettingsPage();
        MarinePage("##### Programmable USA Channel #####", m_data.UsaChannels);
        MarinePage("##### Programmable International Channel #####", m_data.IntlChannels);
        MarinePage("##### Programmable Canada Channel #####", m_data.CanadaChannels);
        WeatherPage();
        BankEPage();
        return std::move(m_pages);
    }

private:
    void NewPage(const std::string& heading)
    {
        m_pages.emplace_back();
        Line({{m_header, 0}});
        Line({});
        Line({{heading, 0}});
    }

    void Line(PrintLine line) { m_pages.back().Lines.push_back(std::move(line)); }

    // A label at 0 mm and its values from 50 mm on, one group's step apart.
    void Row(const std::string& label, const std::vector<std::string>& values)
    {
        PrintLine line;
        if (!label.empty()) {
            line.push_back({label, 0});
        }
        for (std::size_t i = 0; i < values.size(); ++i) {
            line.push_back({values[i], kValueMm + kGroupStepMm * static_cast<double>(i)});
        }
        Line(std::move(line));
    }

    void Section(const std::string& heading)
    {
        Line({});
        Line({{heading, 0}});
    }

    // The settings every model holds, on the first page.
    void SettingsPage()
    {
        for (const SettingsSection& section : kSettingsSections) {
            const std::vector<SettingsLine> lines = SettingsLines(m_data, section, true);
            if (lines.empty()) {
                continue;
            }
            const std::string heading = "##### " + std::string(section.Title) + " #####";
            if (m_pages.empty()) {
                NewPage(heading);
            } else {
                Section(heading);
            }
            for (const SettingsLine& line : lines) {
                if (!line.Heading.empty()) {
                    Row("[" + line.Heading + "]", {});
                }
                Row(line.Label, line.Values);
            }
        }
    }

    void Titles(const std::vector<PrintColumn>& columns)
    {
        PrintLine titles;
        PrintLine dashes;
        for (const PrintColumn& column : columns) {
            titles.push_back({column.Title, column.Mm});
            dashes.push_back({column.Dashes, column.Mm});
        }
        Line(std::move(titles));
        Line(std::move(dashes));
    }

    void Values(const std::vector<PrintColumn>& columns, const std::vector<std::string>& values)
    {
        PrintLine line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            line.push_back({values[i], columns[i].Mm});
        }
        Line(std::move(line));
    }

    void MarinePage(const std::string& heading, const ChannelBank& bank)
    {
        NewPage(heading);
        const std::vector<PrintColumn> columns = Printed(kMarineColumns, MarineColumns(m_model));
        Titles(columns);
        for (const ChannelRecord& ch : bank) {
            if (IsListedMarineRecord(ch)) {
                Values(columns, MarineRow(ch, m_model));
            }
        }
    }

    void WeatherPage()
    {
        NewPage("##### Programmable WX Channel #####");
        const std::vector<PrintColumn> columns = Printed(kWeatherColumns, WeatherColumns(m_model));
        Titles(columns);
        int number = 1;
        for (const ChannelRecord& ch : m_data.WxChannels) {
            Values(columns, WeatherRow(ch, number++, m_model));
        }
    }

    void BankEPage()
    {
        NewPage(HasLmrBank(m_model) ? "##### Programmable LMR Channel #####"
                                    : "##### Programmable EXP Channel #####");
        const std::vector<PrintColumn> columns = Printed(kBankEColumns, BankEColumns(m_model));
        Titles(columns);
        int number = 1;
        for (const ChannelRecord& ch : m_data.ExpChannels) {
            Values(columns, BankERow(ch, number++, m_model));
        }
    }

    const RadioData& m_data;
    int m_model;
    std::string m_header;
    std::vector<PrintPage> m_pages;
};

}  // namespace

std::string PrintHeader(const std::string& modelName)
{
    return modelName + " Harborline";
}

std::vector<PrintPage> BuildPrintedListing(const RadioData& data, const std::string& modelName)
{
    return Pages(data, modelName).Build();
}

}  // namespace kelpie
