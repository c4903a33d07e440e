// ListingRows.cpp — the channel lists' columns by model and the converters behind each value.
#include "report/ListingRows.h"

#include <algorithm>

#include "model/Converters.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

bool ListsMarineMemory(int m)
{
    return m != 4;
}

template <typename ValueOf>
std::vector<std::string> RowOf(const std::vector<ListedColumn>& columns, ValueOf valueOf)
{
    std::vector<std::string> values;
    values.reserve(columns.size());
    for (const ListedColumn& column : columns) {
        values.push_back(valueOf(column.Column));
    }
    return values;
}

}  // namespace

std::vector<ListedColumn> MarineColumns(int m)
{
    using enum ListColumn;
    std::vector<ListedColumn> columns{{Ch, 5}, {Rx, 9}, {Tx, 9}, {TxFlag, 4}, {Low, 5}, {Up, 4}, {Dup, 5}};
    if (ListsMarineMemory(m)) {
        columns.push_back({Mem, 5});
    }
    if (HasChannelNames(m)) {
        columns.insert(columns.end(), {{Vs, 4}, {Name, 12}});
    }
    return columns;
}

std::vector<ListedColumn> WeatherColumns(int m)
{
    using enum ListColumn;
    std::vector<ListedColumn> columns{{Ch, 4}, {Enable, 8}};
    if (ListsMarineMemory(m)) {
        columns.push_back({Mem, 5});
    }
    if (HasChannelNames(m)) {
        columns.push_back({Name, 12});
    }
    return columns;
}

std::vector<ListedColumn> BankEColumns(int m)
{
    using enum ListColumn;
    std::vector<ListedColumn> columns{{Ch, 4}, {Chd, 6}, {Enable, 8}, {Rx, 10}, {Tx, 10}, {Low, 5}, {Up, 4}};
    if (ListsMarineMemory(m)) {
        columns.push_back({Mem, 5});
    }
    if (HasLmrBank(m)) {
        columns.insert(columns.end(), {{Vs, 4}, {Name, 14}, {Wn, 4}, {Rxt, 9}, {Cmp, 5}, {Txt, 7}});
    } else if (HasChannelNames(m)) {
        columns.insert(columns.end(), {{Vs, 4}, {Name, 12}});
    }
    return columns;
}

bool IsListedMarineRecord(const ChannelRecord& ch)
{
    return ch.Enable && ch.Position >= 0 && ch.Position < kChannelPlanSize;
}

std::vector<std::string> MarineRow(const ChannelRecord& ch, int m)
{
    const PlanEntry& slot = ChannelPlan()[static_cast<std::size_t>(ch.Position)];
    return RowOf(MarineColumns(m), [&](ListColumn column) -> std::string {
        switch (column) {
            case ListColumn::Ch:
                return slot.Label;
            case ListColumn::Rx:
                return FreqText3(ReceiveFrequency(slot, ch.Duplex));
            case ListColumn::Tx:
                return FreqText3Or(slot.TxFreq, ch.RxOnly);
            case ListColumn::TxFlag:
                return TxText(ch.TxEnable);
            case ListColumn::Low:
                return LowText(ch.LowPower);
            case ListColumn::Up:
                return UpText(ch.PowUp);
            case ListColumn::Dup:
                return DupText(ch.Duplex);
            case ListColumn::Mem:
                return MemText(ch.ScanMemory);
            case ListColumn::Vs:
                return ScrambleText(ch.Scramble);
            default:
                return ch.ChTag;
        }
    });
}

std::vector<std::string> WeatherRow(const ChannelRecord& ch, int number, int m)
{
    return RowOf(WeatherColumns(m), [&](ListColumn column) -> std::string {
        switch (column) {
            case ListColumn::Ch:
                return std::to_string(number);
            case ListColumn::Enable:
                return EnableText(ch.Enable);
            case ListColumn::Mem:
                return MemText(ch.ScanMemory);
            default:
                // The MV230E shows no weather channel names.
                return m == 6 ? std::string(12, '-') : ch.ChTag;
        }
    });
}

std::vector<std::string> BankERow(const ChannelRecord& ch, int number, int m)
{
    return RowOf(BankEColumns(m), [&](ListColumn column) -> std::string {
        switch (column) {
            case ListColumn::Ch:
                return std::to_string(number);
            case ListColumn::Chd:
                return BankEDisplayText(ch);
            case ListColumn::Enable:
                return EnableText(ch.Enable);
            case ListColumn::Rx:
                return FreqText4(ch.Rxfreq);
            case ListColumn::Tx:
                return FreqText4(ch.Txfreq);
            case ListColumn::Low:
                return LowText(ch.LowPower);
            case ListColumn::Up:
                return UpText(ch.PowUp);
            case ListColumn::Mem:
                return MemText(ch.ScanMemory);
            case ListColumn::Vs:
                return ScrambleText(ch.Scramble);
            case ListColumn::Name:
                return FixedOrDashes(ch.ChTag, 12);
            case ListColumn::Wn:
                return NarrowText(ch.Narrow);
            case ListColumn::Rxt:
                return ToneText(ch, 1);
            case ListColumn::Cmp:
                return CmpText(ch.RxComp);
            default:
                return ToneText(ch, 0);
        }
    });
}

std::string BankEDisplayText(const ChannelRecord& ch)
{
    std::string right =
        ch.CHDisplayR.size() > 2 ? ch.CHDisplayR.substr(ch.CHDisplayR.size() - 2) : ch.CHDisplayR;
    right.insert(0, 2 - right.size(), ' ');
    const std::string text = DisplayCaseText(PadText(ch.CHDisplayL, 2)) + DisplayCaseText(right);
    return text.find_first_not_of(' ') == std::string::npos ? "----" : text;
}

bool ListsAtisSetup(int m)
{
    return m != 5;
}

std::vector<SettingsLine> SettingsLines(const RadioData& data, const SettingsSection& section, bool printed)
{
    const int m = data.ModelIndex;
    if (section.Record == SettingsRecord::AtisCommon && !ListsAtisSetup(m)) {
        return {};
    }
    std::vector<const SettingsField*> listed;
    for (const SettingsField& f : SettingsFieldsOf(section.Record)) {
        if (f.ListLine != 0 && IsOn(f.Decoded, m) && (!printed || IsOn(f.Printed, m))) {
            listed.push_back(&f);
        }
    }
    std::ranges::stable_sort(listed, {}, &SettingsField::ListLine);

    std::vector<SettingsLine> lines;
    for (auto first = listed.begin(); first != listed.end();) {
        const auto last = std::find_if(
            first, listed.end(), [&](const SettingsField* f) { return f->ListLine != (*first)->ListLine; });
        const SettingsField& opening = **first;
        // A line of values per group is named without its group, under the groups' names.
        const bool perGroup = last - first > 1 && (*(first + 1))->Group >= 0;
        if (perGroup && lines.empty()) {
            const std::vector<std::string> headings = GroupHeadings(m);
            lines.push_back({"", "", headings, std::vector<int>(headings.size(), opening.ListWidth)});
        }
        SettingsLine line;
        line.Heading = opening.ListHeading != nullptr ? opening.ListHeading : "";
        line.Label = !opening.ListLabel.empty() ? opening.ListLabel
                     : perGroup                 ? opening.Label
                                                : FieldLabel(opening, m);
        if (printed && !opening.PrintLabel.empty()) {
            line.Label = opening.PrintLabel;
        }
        if (section.Colons) {
            line.Label += ":";
        }
        for (auto at = first; at != last; ++at) {
            const SettingsField& f = **at;
            line.Values.push_back(f.ListText != nullptr ? f.ListText(data, f) : f.Shown(data, f));
            line.Widths.push_back(f.ListWidth);
        }
        lines.push_back(std::move(line));
        first = last;
    }
    return lines;
}

std::vector<std::string> GroupHeadings(int m)
{
    return SplitList(HasLmrBank(m) ? "USA, INTL, Canada, LMR CH" : "USA, INTL, Canada, EXP CH");
}

}  // namespace kelpie
