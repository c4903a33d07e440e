// ListingRows.cpp — the channel lists' columns by model and the converters behind each value.
#include "report/ListingRows.h"

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

std::vector<std::string> OnOffValues(const std::array<bool, kGroupCount>& flags)
{
    std::vector<std::string> values;
    for (bool flag : flags) {
        values.push_back(OnOffText(flag));
    }
    return values;
}

std::vector<std::string> GroupFlagValues(const RadioData& data, bool UsableGroup::*flag)
{
    std::array<bool, kGroupCount> flags{};
    for (std::size_t g = 0; g < flags.size(); ++g) {
        flags[g] = data.UsableGroups[g].*flag;
    }
    return OnOffValues(flags);
}

std::vector<std::string> StatusNameValues(const RadioData& data)
{
    std::vector<std::string> values;
    for (const UsableGroup& group : data.UsableGroups) {
        values.push_back(BlankDashText(group.StatusName));
    }
    return values;
}

std::vector<std::string> PriorityChannelValues(const RadioData& data)
{
    std::vector<std::string> values;
    for (int g = kGroupUsa; g <= kGroupCanada; ++g) {
        values.push_back(
            ChannelLabel(data.UsableGroups[static_cast<std::size_t>(g)].PriorityCh, data.ModelIndex));
    }
    return values;
}

std::vector<std::string> GroupHeadings(int m)
{
    return SplitList(HasLmrBank(m) ? "USA, INTL, Canada, LMR CH" : "USA, INTL, Canada, EXP CH");
}

}  // namespace kelpie
