// MemoryMap.cpp — the settings table, the channel banks and the directories printed as the memory
// map.
#include "report/MemoryMap.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "files/DataFileLayout.h"
#include "model/ChannelFields.h"
#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/Models.h"
#include "model/SettingsFields.h"

namespace kelpie {

namespace {

std::string Hex(int address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

std::string Range(int first, int length)
{
    return length > 1 ? Hex(first) + "-" + Hex(first + length - 1) : Hex(first);
}

std::string AddressText(const SettingsField& f)
{
    return f.Kind == Storage::None ? "-" : Range(f.Address, f.Length);
}

std::string BitsText(int top, int width)
{
    const int low = top - width + 1;
    return width == 8   ? "all"
           : width == 1 ? std::to_string(top)
                        : std::to_string(top) + "-" + std::to_string(low);
}

std::string BitsText(const SettingsField& f)
{
    if (f.Kind != Storage::Bits) {
        return f.Kind == Storage::None ? "-" : "all";
    }
    return BitsText(f.Top, f.Width);
}

std::string KeyText(const SettingsField& f)
{
    if (!f.Key.empty()) {
        return "[" + std::string(f.Section) + "] " + f.Key;
    }
    // The DSC flags travel in the preset section's raw bytes.
    return "[" + std::string(kPresetSection) + "] A" + std::to_string(f.Address - kPresetRawStart);
}

std::string MemberText(const SettingsField& f)
{
    std::string member = f.Member;
    const auto at = member.find("[g]");
    if (at != std::string::npos && f.Group >= 0) {
        member.replace(at, 3, "[" + std::to_string(f.Group) + "]");
    }
    for (const char* index : {"[i]", "[c]"}) {
        const auto i = member.find(index);
        if (i != std::string::npos) {
            member.replace(i, 3, "[" + std::to_string(f.Index) + "]");
        }
    }
    return member;
}

std::string Line(const std::string& address, const std::string& bits, const std::string& field,
                 const std::string& key, const std::string& label)
{
    return PadText(address, 14) + PadText(bits, 5) + PadText(field, 40) + PadText(key, 52) + label + "\n";
}

// The data file's section of a bank ("CHUSA") and its keys.
std::string_view SectionOf(const BankLayout& layout)
{
    for (const MarineBankSection& section : kMarineBankSections) {
        if (section.Bank == layout.Records) {
            return section.Name;
        }
    }
    return layout.Kind == kWeatherBank ? kWxSection : kExpSection;
}

std::string ChannelKeyText(const BankLayout& layout, const ChannelField& field, int modelIndex)
{
    const std::string section = "[" + std::string(SectionOf(layout)) + "n] ";
    // A marine section names its channel-plan slot first, before the keys of the table.
    if (layout.Kind == kMarineBank && std::string_view(field.Name) == "Position") {
        return section + field.Name;
    }
    return IsFiled(field, layout.Kind, modelIndex) ? section + field.Name : "-";
}

// A bank: its bit runs ("1/ch": one bit a channel), names and entries or records in address
// order, then the fields of an entry by offset and bit, then the fields the records alone keep.
std::string BankText(const BankLayout& layout, int modelIndex)
{
    const std::string records = std::string(layout.Member) + "[n]";
    const std::string name = layout.Name != nullptr ? layout.Name : BankEName(modelIndex);
    constexpr int kInEntry = 0x10000;
    constexpr int kNotInImage = 0x20000;
    std::vector<std::pair<int, std::string>> lines;
    if (layout.Entries != 0) {
        lines.emplace_back(layout.Entries, Line(Range(layout.Entries, layout.EntrySize * layout.Count), "all",
                                                records + ": " + std::to_string(layout.Count) + " x " +
                                                    std::to_string(layout.EntrySize) + " bytes",
                                                "[" + std::string(SectionOf(layout)) + "n]", name + " n"));
    }
    for (const ChannelField& field : ChannelFields()) {
        if ((field.Banks & layout.Kind) == 0 ||
            (field.Place != ChannelPlace::None && !IsStored(field, layout.Kind, modelIndex))) {
            continue;
        }
        const bool held = field.Label != nullptr;
        const std::string member = held ? records + "." + field.Name : records + " (" + field.Name + ")";
        const std::string key = held ? ChannelKeyText(layout, field, modelIndex) : "-";
        const std::string label = held ? name + " n: " + field.Label : "-";
        switch (field.Place) {
            case ChannelPlace::EnableBits:
            case ChannelPlace::ScanBits: {
                const int run = field.Place == ChannelPlace::EnableBits ? layout.EnableBits : layout.ScanBits;
                lines.emplace_back(run, Line(Range(run, BitBytes(layout)), "1/ch", member, key, label));
                break;
            }
            case ChannelPlace::Names:
                lines.emplace_back(layout.Names, Line(Range(layout.Names, kNameLength * layout.Count), "all",
                                                      member, key, label));
                break;
            case ChannelPlace::Record:
                for (int p = 0; p < field.PartCount; ++p) {
                    const RecordPart part = field.Parts[static_cast<std::size_t>(p)];
                    const int offset = PartAddress(layout, part, 0, modelIndex) - layout.Entries;
                    const std::string at =
                        "+" + std::to_string(offset) +
                        (part.Length > 1 ? "-+" + std::to_string(offset + part.Length - 1) : "");
                    lines.emplace_back(kInEntry + 8 * offset + 7 - part.Top,
                                       Line(at, BitsText(part.Top, part.Width), member, key, label));
                }
                break;
            case ChannelPlace::None:
                lines.emplace_back(kNotInImage, Line("-", "-", member, key, label));
                break;
        }
    }
    std::ranges::stable_sort(lines, {}, &std::pair<int, std::string>::first);
    std::string text;
    for (const auto& line : lines) {
        text += line.second;
    }
    return text;
}

std::string DirectoryText(const DirectoryLayout& directory, std::string_view section)
{
    const std::string records = std::string(directory.Member) + "[n]";
    const std::string key = "[" + std::string(section) + "n]";
    const std::string title = std::string(directory.Title) + " n";
    return Line(Range(directory.Start, kDirectoryEntrySize * directory.Count), "all",
                records + ": " + std::to_string(directory.Count) + " x " +
                    std::to_string(kDirectoryEntrySize) + " bytes",
                key, title) +
           Line("+0-+" + std::to_string(kDigitBytes - 1), "all", records + ".Mmsid", key + " Mmsid",
                title + ": MMSI") +
           Line("+" + std::to_string(kTagNameOffset) + "-+" +
                    std::to_string(kTagNameOffset + kTagNameLength - 1),
                "all", records + ".TagName", key + " TagName", title + ": name");
}

}  // namespace

std::string MemoryMapText(int modelIndex)
{
    std::string text = Line("Address", "Bits", "Field", "Data-file key", "Label");
    for (const SettingsField& f : SettingsFields()) {
        if (!IsOn(f.Decoded, modelIndex)) {
            continue;
        }
        text += Line(AddressText(f), BitsText(f), MemberText(f), KeyText(f), FieldLabel(f, modelIndex));
    }
    for (const BankLayout* layout : kBankLayouts) {
        text += BankText(*layout, modelIndex);
    }
    if (HasDsc(modelIndex)) {
        text += DirectoryText(kIndividualDirectoryLayout, DirectorySections()[0].Name);
        text += DirectoryText(kGroupDirectoryLayout, DirectorySections()[1].Name);
    }
    return text;
}

}  // namespace kelpie
