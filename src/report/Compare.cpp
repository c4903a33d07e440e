// Compare.cpp — the records field by field in the listing's words, then the image bytes no record
// holds.
#include "report/Compare.h"

#include <cstdio>
#include <span>

#include "files/ImageFile.h"
#include "model/ChannelFields.h"
#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/SettingsFields.h"
#include "model/Text.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr int kMarineGroups = 3;    // groups with a priority channel, a backup and preset lists
constexpr int kRawValuesShown = 4;  // a longer run of differing bytes is told by its length

// Image bits that the compared records hold, on every model or on the models that have the
// feature. Everything else is compared byte by byte.
struct BitsRow
{
    int First;
    int Last;
    std::uint8_t Bits;
};

constexpr BitsRow kEveryModel[] = {
    {kPresetLists, kPresetLists + 2 * kPresetsPerGroup* kMarineGroups - 1, 0xFF},
    {kOptionByte, kOptionByte, 0x30},  // SEL1, SEL2
};
constexpr BitsRow kDirectories[] = {
    {kIndividualDirectoryStart, kIndividualDirectoryStart + kDirectoryEntrySize* kIndividualDirectorySize - 1,
     0xFF},
    {kGroupDirectoryStart, kGroupDirectoryStart + kDirectoryEntrySize* kGroupDirectorySize - 1, 0xFF},
};

void AddBits(ImageBits& bits, std::span<const BitsRow> rows)
{
    for (const BitsRow& row : rows) {
        for (int address = row.First; address <= row.Last; ++address) {
            bits[static_cast<std::size_t>(address)] |= row.Bits;
        }
    }
}

ImageBits RecordBits(int model)
{
    ImageBits bits{};
    AddBits(bits, kEveryModel);
    AddChannelBits(bits, model);
    if (HasDsc(model)) {
        AddBits(bits, kDirectories);
    }
    AddSettingsBits(bits, model);
    return bits;
}

std::string HexByte(std::uint8_t value)
{
    char text[4];
    std::snprintf(text, sizeof text, "%02X", value);
    return text;
}

std::string Address(int address)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", address);
    return text;
}

// The fields a bank of the model shows, in the table's order.
std::vector<const ChannelField*> FieldsOf(BankKind kind, int model)
{
    std::vector<const ChannelField*> fields;
    for (const ChannelField& field : ChannelFields()) {
        if (field.Label != nullptr && (field.Banks & kind) != 0 && IsOn(field.Compared, model)) {
            fields.push_back(&field);
        }
    }
    return fields;
}

// What a compare makes of the hex file's check byte, which a hex file carries and a data file
// does not: it is no programming.
enum class CheckByte {
    LeftOut,  // two files: a data file and the hex file saved from it do not differ
    Named     // verify: named as the check byte when it is the only difference
};

class Comparer
{
public:
    Comparer(const RadioData& left, const RadioData& right, CheckByte checkByte)
        : m_left(left), m_right(right), m_model(left.ModelIndex), m_checkByte(checkByte)
    {}

    std::vector<Difference> Run()
    {
        UsableGroups();
        Common();
        if (HasDsc(m_model)) {
            Dsc();
        }
        Atis();
        const char* keys[kMarineGroups] = {"PU ", "PI ", "PC "};
        for (int g = 0; g < kMarineGroups; ++g) {
            const BankLayout& layout = GroupLayout(g);
            const std::vector<const ChannelField*> marine = FieldsOf(layout.Kind, m_model);
            const ChannelBank& left = m_left.*layout.Records;
            const ChannelBank& right = m_right.*layout.Records;
            for (std::size_t i = 0; i < std::min(left.size(), right.size()); ++i) {
                const int index = static_cast<int>(i);
                Channel(keys[g] + std::to_string(index),
                        layout.Name + std::string(" ") + ChannelLabel(index, m_model), left[i], right[i],
                        marine);
            }
        }
        const std::vector<const ChannelField*> weather = FieldsOf(kWxLayout.Kind, m_model);
        for (std::size_t i = 0; i < std::min(m_left.WxChannels.size(), m_right.WxChannels.size()); ++i) {
            Channel("PW", kWxLayout.Name + (" " + std::to_string(i + 1)), m_left.WxChannels[i],
                    m_right.WxChannels[i], weather);
        }
        if (HasDsc(m_model)) {
            Directory("SM ", kIndividualDirectoryLayout, m_left.IndividualDirectory,
                      m_right.IndividualDirectory);
            Directory("SG ", kGroupDirectoryLayout, m_left.GroupDirectory, m_right.GroupDirectory);
        }
        const std::vector<const ChannelField*> bankE = FieldsOf(kExpLayout.Kind, m_model);
        for (std::size_t i = 0; i < std::min(m_left.ExpChannels.size(), m_right.ExpChannels.size()); ++i) {
            const std::string number = std::to_string(i + 1);
            Channel("E " + number, BankEName(m_model) + " " + number, m_left.ExpChannels[i],
                    m_right.ExpChannels[i], bankE);
        }
        RawBytes();
        CheckByteDifference();
        return std::move(m_out);
    }

private:
    void Add(const std::string& key, const std::string& where, const std::string& field,
             const std::string& left, const std::string& right)
    {
        // The values carry the records' Windows-1252 text into a UTF-8 line.
        if (left != right) {
            m_out.push_back({key, where + ": " + field + " " + Utf8FromWindows1252(left) + " → " +
                                      Utf8FromWindows1252(right)});
        }
    }

    void Channel(const std::string& key, const std::string& where, const ChannelRecord& left,
                 const ChannelRecord& right, const std::vector<const ChannelField*>& fields)
    {
        for (const ChannelField* field : fields) {
            Add(key, where, field->Label, field->Text(left, m_model), field->Text(right, m_model));
        }
    }

    // A preset channel: a combined channel index as the image keeps it, 0xFFFF for none.
    std::string PresetText(const RadioData& data, int group, int slot) const
    {
        const int address = kPresetLists + 2 * (kPresetsPerGroup * group + slot);
        const int value = data.RadioImage[address] | data.RadioImage[address + 1] << 8;
        if (value >= kFirstWxChannelIndex && value <= kLastChannelIndex) {
            return "WX " + std::to_string(value - kFirstWxChannelIndex + 1);
        }
        return ChannelLabel(value, m_model);
    }

    // The rows of a settings record the model's compare shows, in the table's order.
    void Fields(const std::string& key, const std::string& where, SettingsRecord record, int group = -1)
    {
        for (const SettingsField& field : SettingsFieldsOf(record)) {
            if (field.Shown != nullptr && IsOn(field.Compared, m_model) &&
                (group < 0 || field.Group == group)) {
                Add(key, where, FieldLabel(field, m_model), field.Shown(m_left, field),
                    field.Shown(m_right, field));
            }
        }
    }

    void UsableGroups()
    {
        const std::string where = "Usable CH Group Setup";
        for (int g = 0; g < kGroupCount; ++g) {
            Fields("Usable", where, SettingsRecord::UsableGroups, g);
            if (g >= kMarineGroups) {
                continue;
            }
            const std::string name = GroupLayout(g).Name;
            for (int slot = 0; slot < kPresetsPerGroup; ++slot) {
                Add("Usable", where, name + " preset " + std::to_string(slot + 1),
                    PresetText(m_left, g, slot), PresetText(m_right, g, slot));
            }
        }
    }

    void Common()
    {
        Fields("Common", "Common Setup", SettingsRecord::CommonSetup);
        const auto option = [](const RadioData& data, int bit) {
            return OnOffText(GetBit(data.RadioImage[kOptionByte], bit));
        };
        Add("Common", "Common Setup", "SEL1", option(m_left, kScramblerOptionBit),
            option(m_right, kScramblerOptionBit));
        Add("Common", "Common Setup", "SEL2", option(m_left, kSel2Bit), option(m_right, kSel2Bit));
    }

    void Dsc()
    {
        const std::string where = "DSC Setup";
        Fields("DSC", where, SettingsRecord::DscBasic);
        Fields("DSC", where, SettingsRecord::DscAdvanced);
        Fields("DSC", where, SettingsRecord::DscDisplay);
    }

    void Atis()
    {
        Fields("ATIS", "ATIS Setup", SettingsRecord::AtisCommon);
        if (!HasAtisCallSigns(m_model)) {
            return;
        }
        for (std::size_t i = 0; i < kAtisCallSignCount; ++i) {
            const std::string sign = "ATIS Call Sign " + std::to_string(i + 1);
            const AtisCallSign& ls = m_left.AtisCallSigns[i];
            const AtisCallSign& rs = m_right.AtisCallSigns[i];
            Add("ATIS", sign, "MID", BlankDashText(ls.MID), BlankDashText(rs.MID));
            Add("ATIS", sign, "Display", BlankDashText(ls.DISP), BlankDashText(rs.DISP));
        }
    }

    void Directory(const std::string& key, const DirectoryLayout& directory,
                   std::span<const DirectoryEntry> left, std::span<const DirectoryEntry> right)
    {
        for (std::size_t i = 0; i < std::min(left.size(), right.size()); ++i) {
            const std::string number = std::to_string(i + 1);
            const std::string title = directory.Title + (" " + number);
            Add(key + number, title, "name", BlankDashText(left[i].TagName), BlankDashText(right[i].TagName));
            Add(key + number, title, "MMSI", BlankDashText(MmsiShown(left[i].Mmsid)),
                BlankDashText(MmsiShown(right[i].Mmsid)));
        }
    }

    // Runs of differing bytes outside every record, as address ranges.
    void RawBytes()
    {
        const ImageBits held = RecordBits(m_model);
        const auto differs = [&](int address) {
            return address != kHeaderChecksumAddress &&
                   ((m_left.RadioImage[address] ^ m_right.RadioImage[address]) &
                    ~held[static_cast<std::size_t>(address)]) != 0;
        };
        const int last = std::min(m_left.ImageLastAddress, m_right.ImageLastAddress);
        for (int first = 0; first <= last; ++first) {
            if (!differs(first)) {
                continue;
            }
            int end = first;
            while (end + 1 <= last && differs(end + 1)) {
                ++end;
            }
            const int count = end - first + 1;
            std::string range = "Image " + Address(first) + (count > 1 ? "–" + Address(end) : "");
            if (count > kRawValuesShown) {
                m_out.push_back({"", range + ": " + std::to_string(count) + " bytes differ"});
            } else {
                std::string left;
                std::string right;
                for (int address = first; address <= end; ++address) {
                    left += (address > first ? " " : "") + HexByte(m_left.RadioImage[address]);
                    right += (address > first ? " " : "") + HexByte(m_right.RadioImage[address]);
                }
                m_out.push_back({"", range + ": " + left + " → " + right});
            }
            first = end;
        }
    }

    // The check byte, on its own line; said to be the check byte when nothing else differs.
    void CheckByteDifference()
    {
        const std::uint8_t left = m_left.RadioImage[kHeaderChecksumAddress];
        const std::uint8_t right = m_right.RadioImage[kHeaderChecksumAddress];
        if (m_checkByte == CheckByte::LeftOut || left == right) {
            return;
        }
        const std::string what = m_out.empty() ? " (the hex file's check byte, not programming)" : "";
        m_out.push_back({"", "Image " + Address(kHeaderChecksumAddress) + what + ": " + HexByte(left) +
                                 " → " + HexByte(right)});
    }

    const RadioData& m_left;
    const RadioData& m_right;
    int m_model;
    CheckByte m_checkByte;
    std::vector<Difference> m_out;
};

// The records as the radio would hold them: encoded into the image and decoded back.
RadioData AsTheRadioHoldsIt(const RadioData& data)
{
    RadioData held = data;
    EncodeImage(held);
    DecodeImage(held);
    return held;
}

}  // namespace

std::vector<Difference> CompareData(const RadioData& left, const RadioData& right)
{
    if (left.ModelIndex != right.ModelIndex) {
        throw DifferentModelError();
    }
    return Comparer(AsTheRadioHoldsIt(left), AsTheRadioHoldsIt(right), CheckByte::LeftOut).Run();
}

std::vector<Difference> CompareBits(const RadioData& left, const RadioData& right, const ImageBits& bits)
{
    if (left.ModelIndex != right.ModelIndex) {
        throw DifferentModelError();
    }
    RadioData expected = left;
    RadioData held = left;
    for (int address = 0; address < kImageSize; ++address) {
        const auto mask = bits[static_cast<std::size_t>(address)];
        held.RadioImage[address] = static_cast<std::uint8_t>((right.RadioImage[address] & mask) |
                                                             (left.RadioImage[address] & ~mask));
    }
    DecodeImage(expected);
    DecodeImage(held);
    return Comparer(expected, held, CheckByte::Named).Run();
}

}  // namespace kelpie
