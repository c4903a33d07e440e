// MemoryMap.cpp — the settings table printed as the memory map.
#include "report/MemoryMap.h"

#include <cstdio>

#include "files/DataFileLayout.h"
#include "model/Converters.h"
#include "model/SettingsFields.h"

namespace kelpie {

namespace {

std::string Hex(int address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

std::string AddressText(const SettingsField& f)
{
    if (f.Kind == Storage::None) {
        return "-";
    }
    return f.Length > 1 ? Hex(f.Address) + "-" + Hex(f.Address + f.Length - 1) : Hex(f.Address);
}

std::string BitsText(const SettingsField& f)
{
    if (f.Kind != Storage::Bits) {
        return f.Kind == Storage::None ? "-" : "all";
    }
    const int low = f.Top - f.Width + 1;
    return f.Width == 1 ? std::to_string(f.Top) : std::to_string(f.Top) + "-" + std::to_string(low);
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

}  // namespace

std::string MemoryMapText(int modelIndex)
{
    std::string text = PadText("Address", 14) + PadText("Bits", 5) + PadText("Field", 40) +
                       PadText("Data-file key", 52) + "Label\n";
    for (const SettingsField& f : SettingsFields()) {
        if (!IsOn(f.Decoded, modelIndex)) {
            continue;
        }
        text += PadText(AddressText(f), 14) + PadText(BitsText(f), 5) + PadText(MemberText(f), 40) +
                PadText(KeyText(f), 52) + FieldLabel(f, modelIndex) + "\n";
    }
    return text;
}

}  // namespace kelpie
