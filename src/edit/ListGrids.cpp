// ListGrids.cpp — column layouts and cell texts of the channel and directory lists.
#include "edit/ListGrids.h"

#include <algorithm>

#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {
namespace {

// The MV240 keeps no channel names; its lists stop before the "VS" column.
bool ListsScramblerAndNames(int modelIndex)
{
    return HasChannelNames(modelIndex);
}

std::string PaddedLeft(std::string_view text, std::size_t width)
{
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + std::string(text);
}

std::string PaddedRight(std::string_view text, std::size_t width)
{
    return std::string(text) + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// The scrambler code with its sign place (" 0" … " 3") when the scrambler is on.
std::string ScrambleCell(int scramble)
{
    return (scramble & 4) != 0 ? SignedNumberText(scramble & 3) : "--";
}

std::string EnableCell(bool enable)
{
    return enable ? "[Enable]" : "";
}

std::vector<std::string> MarineRow(const ChannelRecord& ch, int slot, bool scramblerAndNames)
{
    const PlanEntry& plan = ChannelPlan().at(static_cast<std::size_t>(slot));
    std::vector<std::string> row = {plan.Label,
                                    EnableCell(ch.Enable),
                                    FreqText3(ReceiveFrequency(plan, ch.Duplex)),
                                    FreqText3Or(plan.TxFreq, ch.RxOnly),
                                    TxText(ch.TxEnable),
                                    LowText(ch.LowPower),
                                    UpText(ch.PowUp),
                                    DupText(ch.Duplex),
                                    MemText(ch.ScanMemory)};
    if (scramblerAndNames) {
        row.push_back(ScrambleCell(ch.Scramble));
        row.push_back(ch.ChTag);
    }
    return row;
}

std::vector<std::string> ExtraRow(const ChannelRecord& ch, int n, bool full, bool tones)
{
    std::vector<std::string> row = {
        std::to_string(n),
        EnableCell(ch.Enable),
        DisplayCaseText(PaddedLeft(ch.CHDisplayL, 2)) + DisplayCaseText(PaddedRight(ch.CHDisplayR, 2)),
        FreqText4(ch.Rxfreq),
        FreqText4(ch.Txfreq),
        LowText(ch.LowPower),
        UpText(ch.PowUp),
        MemText(ch.ScanMemory)};
    if (full) {
        row.push_back(ScrambleCell(ch.Scramble));
        row.push_back(ch.ChTag);
    }
    if (full && tones) {
        row.push_back(NarrowText(ch.Narrow));
        row.push_back(ToneText(ch, 1));
        row.push_back(CmpText(ch.RxComp));
        row.push_back(ToneText(ch, 0));
    }
    return row;
}

}  // namespace

std::vector<GridColumn> ChannelGridColumns(int group, int modelIndex)
{
    using enum GridField;
    const bool full = ListsScramblerAndNames(modelIndex);
    std::vector<GridColumn> columns;
    if (group == kGroupBankE) {
        columns = {{"CH", 800, Label},        {"ENABLE", 1000, Enable},  {"DISP", 800, Display},
                   {"RX[MHz]", 1000, RxFreq}, {"TX[MHz]", 1000, TxFreq}, {"LOW", 600, LowPower},
                   {"UP", 600, PowUp},        {"MEM", 600, ScanMemory}};
        if (full)
            columns.insert(columns.end(), {{"VS", 600, Scramble}, {"CH Name", 2000, Name}});
        // The EXP bank of the MF7500S has no width and no tones.
        if (full && HasLmrBank(modelIndex)) {
            columns.insert(columns.end(), {{"W/N", 600, Width},
                                           {"RxTone", 800, RxTone},
                                           {"Comp", 600, Compander},
                                           {"TxTone", 800, TxTone}});
        }
        return columns;
    }
    columns = {{"CH", 800, Label},        {"ENABLE", 1000, Enable}, {"RX[MHz]", 1000, RxFreq},
               {"TX[MHz]", 1000, TxFreq}, {"TX", 600, TxEnable},    {"LOW", 600, LowPower},
               {"UP", 600, PowUp},        {"DUP", 600, Duplex},     {"MEM", 600, ScanMemory}};
    if (full)
        columns.insert(columns.end(), {{"VS", 600, Scramble}, {"CH Name", 2000, Name}});
    return columns;
}

std::vector<std::string> ChannelGridRow(const RadioData& data, int group, int index)
{
    const ChannelRecord& ch = BankOf(data, group).at(static_cast<std::size_t>(index));
    const bool full = ListsScramblerAndNames(data.ModelIndex);
    if (group == kGroupBankE)
        return ExtraRow(ch, index + 1, full, HasLmrBank(data.ModelIndex));
    return MarineRow(ch, index, full);
}

std::vector<GridColumn> DirectoryGridColumns(DirectoryKind kind)
{
    return {{"No.", 800},
            {kind == DirectoryKind::Individual ? "STATION NAME" : "GROUP NAME", 2500},
            {"MMSI", 2150}};
}

std::vector<GridColumn> BankGridColumns()
{
    return {{"BANK", 1500}, {"ENABLED", 1500}, {"AVAILABLE", 1300}};
}

std::vector<std::vector<std::string>> BankGridRows(const RadioData& data)
{
    const auto row = [](const std::string& name, const ChannelBank& bank, bool available) {
        const auto enabled = std::ranges::count_if(bank, [](const ChannelRecord& ch) { return ch.Enable; });
        return std::vector<std::string>{name, std::to_string(enabled) + " of " + std::to_string(bank.size()),
                                        available ? "Yes" : "No"};
    };
    const auto usable = [&](int group) { return data.UsableGroups[static_cast<std::size_t>(group)].Enable; };
    return {row("USA", data.UsaChannels, usable(kGroupUsa)),
            row("INTL", data.IntlChannels, usable(kGroupIntl)),
            row("CANADA", data.CanadaChannels, usable(kGroupCanada)), row("Weather", data.WxChannels, true),
            row(BankEName(data.ModelIndex), data.ExpChannels, usable(kGroupBankE))};
}

std::vector<std::string> DirectoryGridRow(const RadioData& data, DirectoryKind kind, int n)
{
    const DirectoryEntry& entry = DirectoryOf(data, kind)[static_cast<std::size_t>(n - 1)];
    return {std::to_string(n), entry.TagName, MmsiShown(entry.Mmsid)};
}

}  // namespace kelpie
