// SettingsFields.cpp — the settings table and the plain read and write of its rows.
#include "model/SettingsFields.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <vector>

#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/SettingsCodec.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr int kMarineGroups = 3;  // groups with a priority channel and a backup byte
constexpr int kCallSignTable = 0x3100;
constexpr int kCallSignEntrySize = 8;
constexpr int kCallSignLength = 3;

// Member access by pointer: a record's member, a group's member, an array element.
template <auto Record, auto Member>
std::int64_t GetMember(const RadioData& data, int)
{
    return static_cast<std::int64_t>(data.*Record.*Member);
}
template <auto Record, auto Member>
void SetMember(RadioData& data, int, std::int64_t value)
{
    auto& member = data.*Record.*Member;
    member = static_cast<std::remove_reference_t<decltype(member)>>(value);
}
template <auto Member>
std::int64_t GetGroup(const RadioData& data, int g)
{
    return static_cast<std::int64_t>(data.UsableGroups[static_cast<std::size_t>(g)].*Member);
}
template <auto Member>
void SetGroup(RadioData& data, int g, std::int64_t value)
{
    auto& member = data.UsableGroups[static_cast<std::size_t>(g)].*Member;
    member = static_cast<std::remove_reference_t<decltype(member)>>(value);
}
template <auto Record, auto Array>
std::int64_t GetElement(const RadioData& data, int i)
{
    return (data.*Record.*Array)[static_cast<std::size_t>(i)] ? 1 : 0;
}
template <auto Record, auto Array>
void SetElement(RadioData& data, int i, std::int64_t value)
{
    (data.*Record.*Array)[static_cast<std::size_t>(i)] = value != 0;
}

std::int64_t Value(const RadioData& data, const SettingsField& f)
{
    return f.Get(data, f.Index);
}

// The compare's texts of a value.
template <std::string (*Text)(bool)>
std::string ShownFlag(const RadioData& data, const SettingsField& f)
{
    return Text(Value(data, f) != 0);
}
std::string ShownNumber(const RadioData& data, const SettingsField& f)
{
    return std::to_string(Value(data, f));
}
// A converter's word; the listing leaves a value with no word blank, the compare shows its number.
template <std::string (*Text)(int)>
std::string ListedWord(const RadioData& data, const SettingsField& f)
{
    return Text(static_cast<int>(Value(data, f)));
}
template <std::string (*Text)(int)>
std::string ShownNamed(const RadioData& data, const SettingsField& f)
{
    const std::string text = ListedWord<Text>(data, f);
    return text.empty() ? std::to_string(Value(data, f)) : text;
}
std::string ShownChannel(const RadioData& data, const SettingsField& f)
{
    return ChannelLabel(static_cast<int>(Value(data, f)), data.ModelIndex);
}
std::string ListedOffset(const RadioData& data, const SettingsField& f)
{
    const std::int64_t value = Value(data, f);
    return value >= 0 && value <= kOffsetLast ? OffsetNames()[static_cast<std::size_t>(value)] : "";
}
std::string ShownOffset(const RadioData& data, const SettingsField& f)
{
    const std::string text = ListedOffset(data, f);
    return text.empty() ? std::to_string(Value(data, f)) : text;
}
std::string ShownStatusName(const RadioData& data, const SettingsField& f)
{
    return BlankDashText(data.UsableGroups[static_cast<std::size_t>(f.Index)].StatusName);
}
std::string ShownUserMmsi(const RadioData& data, const SettingsField&)
{
    return BlankDashText(MmsiShown(data.DscBasicSetup.UserMmsi));
}
std::string ShownAtisCode(const RadioData& data, const SettingsField&)
{
    return BlankDashText(data.AtisCommonSetup.AtisCode);
}
std::string ListedAtisCode(const RadioData& data, const SettingsField&)
{
    return data.AtisCommonSetup.AtisCode;
}
// The listing follows the User MMSI with the count of settings the radio still allows.
std::string ListedUserMmsi(const RadioData& data, const SettingsField&)
{
    return PadText(MmsiShown(data.DscBasicSetup.UserMmsi), 12) + "----- " + PadText("Count", 6) + ": " +
           std::to_string(data.RadioImage[kPermissionCountByte]);
}

// The rows with rules of their own.

// Offset Time: an index 0..24 kept as a sign bit and a count of hours.
void DecodeOffsetTime(RadioData& data, const SettingsField& f)
{
    f.Set(data, f.Index, ByteToOffset(data.RadioImage[f.Address]));
}
void EncodeOffsetTime(RadioData& data, const SettingsField& f)
{
    WriteField(data.RadioImage, {f.Address, f.Top, f.Width}, OffsetToByte(static_cast<int>(Value(data, f))));
}

// Without an ATIS code no group may send one.
void EncodeUsableAtis(RadioData& data, const SettingsField& f)
{
    const std::string& code = data.AtisCommonSetup.AtisCode;
    const bool hasCode = code.find_first_not_of(' ') != std::string::npos;
    WriteField(data.RadioImage, {f.Address, f.Top, f.Width}, hasCode && Value(data, f) != 0 ? 1 : 0);
}

// Ten digits in five packed-decimal bytes: the User MMSI, with its MMSI forms, and the ATIS code.
void DecodeUserMmsi(RadioData& data, const SettingsField& f)
{
    data.DscBasicSetup.UserMmsi = DecodeDigits(data.RadioImage, f.Address);
}
void EncodeUserMmsi(RadioData& data, const SettingsField& f)
{
    EncodeDigits(data.RadioImage, f.Address, data.DscBasicSetup.UserMmsi, true);
}
void DecodeAtisCode(RadioData& data, const SettingsField& f)
{
    data.AtisCommonSetup.AtisCode = DecodeDigits(data.RadioImage, f.Address);
}
void EncodeAtisCode(RadioData& data, const SettingsField& f)
{
    EncodeDigits(data.RadioImage, f.Address, data.AtisCommonSetup.AtisCode, false);
}

// Three call-sign bytes; a byte that is no character is skipped, not an end.
std::string ReadCallSign(const RadioImage& image, int address)
{
    std::string text;
    for (int i = 0; i < kCallSignLength; ++i) {
        if (const auto c = ReadCharacter(image[address + i])) {
            text += *c;
        }
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Right-aligned in three bytes; the padding blanks are outside the call-sign set and become 0xFF.
void WriteCallSign(RadioImage& image, int address, std::string_view text)
{
    std::string aligned(text);
    if (aligned.size() > kCallSignLength) {
        aligned.erase(0, aligned.size() - kCallSignLength);
    }
    aligned.insert(0, kCallSignLength - aligned.size(), ' ');
    for (int i = 0; i < kCallSignLength; ++i) {
        image[address + i] = CallSignByte(aligned[static_cast<std::size_t>(i)]);
    }
}

// The call-sign table: per entry the MID and the display text, then two spare bytes.
void DecodeCallSigns(RadioData& data, const SettingsField& f)
{
    for (int i = 0; i < kAtisCallSignCount; ++i) {
        AtisCallSign& entry = data.AtisCallSigns[static_cast<std::size_t>(i)];
        const int address = f.Address + kCallSignEntrySize * i;
        entry.MID = ReadCallSign(data.RadioImage, address);
        entry.DISP = ReadCallSign(data.RadioImage, address + kCallSignLength);
    }
}
void EncodeCallSigns(RadioData& data, const SettingsField& f)
{
    for (int i = 0; i < kAtisCallSignCount; ++i) {
        const AtisCallSign& entry = data.AtisCallSigns[static_cast<std::size_t>(i)];
        const int address = f.Address + kCallSignEntrySize * i;
        WriteCallSign(data.RadioImage, address, entry.MID);
        WriteCallSign(data.RadioImage, address + kCallSignLength, entry.DISP);
    }
}

std::uint8_t ByteValue(std::int64_t value, const std::string& field)
{
    if (value < 0 || value > 0xFF) {
        throw EncodeOverflowError(field + " " + std::to_string(value) + " does not fit a byte");
    }
    return static_cast<std::uint8_t>(value);
}

bool KeepsBackups(int model)
{
    return !HasDsc(model);
}

bool NotPrinted(int)
{
    return false;
}

constexpr int kListWidth = 18;  // the text listing's usual value column

// Builds the table in codec order; within a record, the compare's and the data file's order.
class TableBuilder
{
public:
    using R = SettingsRecord;

    SettingsField& Bits(R record, const char* member, int address, int top, int width)
    {
        return Add(record, member, Storage::Bits, address, top, width, 1);
    }
    SettingsField& Add(R record, const char* member, Storage kind, int address, int top, int width,
                       int length)
    {
        SettingsField f{};
        f.Record = record;
        f.Member = member;
        f.Kind = kind;
        f.Address = address;
        f.Top = top;
        f.Width = width;
        f.Length = length;
        f.Group = -1;
        std::tie(f.First, f.Last) = Held(kind, width);
        f.Shown = &ShownFlag<OnOffText>;
        f.Page = PageOf(record);
        f.Section = SectionOf(record);
        f.ListWidth = kListWidth;
        f.Printed = &NotPrinted;
        m_rows.push_back(std::move(f));
        return m_rows.back();
    }

    std::vector<SettingsField> Take() { return std::move(m_rows); }

private:
    // The numbers the image field holds; a negative channel index is kept as no channel.
    static std::pair<std::int64_t, std::int64_t> Held(Storage kind, int width)
    {
        switch (kind) {
            case Storage::Bits:
                return {0, (std::int64_t{1} << width) - 1};
            case Storage::Byte:
                return {0, 0xFF};
            case Storage::Word:
                return {std::numeric_limits<std::int32_t>::min(), 0xFFFF};
            case Storage::Routine:
            case Storage::None:
                break;
        }
        return {0, 0};
    }

    static const char* PageOf(R record)
    {
        switch (record) {
            case R::UsableGroups:
                return "Usable";
            case R::CommonSetup:
                return "Common";
            case R::AtisCommon:
            case R::AtisCallSigns:
                return "ATIS";
            default:
                return "DSC";
        }
    }
    static std::string_view SectionOf(R record)
    {
        switch (record) {
            case R::UsableGroups:
                return kUsableSection;
            case R::CommonSetup:
                return kCommonSection;
            case R::AtisCommon:
                return kAtisSection;
            case R::AtisCallSigns:
                return kCallSignSection;
            default:
                return kDscSection;
        }
    }

    std::vector<SettingsField> m_rows;
};

// Binds a row to its member, element index of an array; an on/off member is a flag in the data
// file, any other a number.
template <auto Get, auto Set, typename Value>
void Bind(SettingsField& f, int index)
{
    f.Get = Get;
    f.Set = Set;
    f.Index = index;
    f.Form = std::is_same_v<Value, bool> ? FileForm::Flag : FileForm::Absolute;
}
template <auto Record, auto Field>
void BindMember(SettingsField& f)
{
    using Value = std::remove_cvref_t<decltype(std::declval<RadioData&>().*Record.*Field)>;
    Bind<&GetMember<Record, Field>, &SetMember<Record, Field>, Value>(f, 0);
}
template <auto Field>
void BindGroup(SettingsField& f, int g)
{
    using Value = std::remove_cvref_t<decltype(std::declval<UsableGroup&>().*Field)>;
    Bind<&GetGroup<Field>, &SetGroup<Field>, Value>(f, g);
}
template <auto Record, auto Array>
void BindElement(SettingsField& f, int i)
{
    Bind<&GetElement<Record, Array>, &SetElement<Record, Array>, bool>(f, i);
}

// Places the row on line `line` of its record's section, opening it with `heading`.
SettingsField& Listed(SettingsField& f, int line, const char* heading = nullptr)
{
    f.ListLine = line;
    f.ListHeading = heading;
    return f;
}

// Shows the row in the printed listing too, on every model.
SettingsField& Printed(SettingsField& f)
{
    f.Printed = nullptr;
    return f;
}

// A setting shown by a converter's word.
template <std::string (*Text)(int)>
SettingsField& Named(SettingsField& f)
{
    f.Shown = &ShownNamed<Text>;
    f.ListText = &ListedWord<Text>;
    return f;
}

void UsableRows(TableBuilder& t)
{
    using R = SettingsRecord;
    const char* groupKeys[kGroupCount] = {"USA", "INTL", "Canada", "EXP CH"};
    // The file lists the usable flags, the TX TOT flags, per marine group its priority channel,
    // preset list and backup, then the status icons and the status names.
    enum FilePlace {
        kUsablePlace,
        kTotPlace,
        kPriorityPlace,
        kIconPlace,
        kNamePlace
    };
    for (int g = 0; g < kGroupCount; ++g) {
        // Listed, and printed, a line per setting with a value per group.
        auto group = [&](SettingsField& f, const char* label, int line) -> SettingsField& {
            f.Group = g;
            f.Index = g;
            f.Label = label;
            return line == 0 ? f : Printed(Listed(f, line));
        };
        SettingsField& enable = group(
            t.Bits(R::UsableGroups, "UsableGroups[g].Enable", kUsableGroupsByte, 3 - g, 1), "Enable", 1);
        BindGroup<&UsableGroup::Enable>(enable, g);
        enable.Key = groupKeys[g];
        enable.FilePlace = kUsablePlace;
        SettingsField& tot =
            group(t.Bits(R::UsableGroups, "UsableGroups[g].TxTot", 0x005E, 3 - g, 1), "TX TOT", 2);
        BindGroup<&UsableGroup::TxTot>(tot, g);
        tot.Key = "TX TOT " + std::to_string(g);
        tot.FilePlace = kTotPlace;
        SettingsField& icon =
            group(t.Bits(R::UsableGroups, "UsableGroups[g].StatusIcon", 0x005E, 7 - g, 1), "Status Icon", 4);
        BindGroup<&UsableGroup::StatusIcon>(icon, g);
        icon.Key = "Status Icon " + std::to_string(g);
        icon.FilePlace = kIconPlace;
        SettingsField& name =
            group(t.Add(R::UsableGroups, "UsableGroups[g].StatusName", Storage::None, 0, 0, 0, 0),
                  "Status Name", 5);
        name.Shown = &ShownStatusName;
        // The MV240, which keeps no names, prints none.
        name.Printed = &HasChannelNames;
        name.PrintLabel = "Status name";
        name.Key = "Status name " + std::to_string(g);
        name.Form = FileForm::StatusName;
        name.Filed = &HasChannelNames;  // the models without channel names keep no status names
        name.FilePlace = kNamePlace;
        if (g >= kMarineGroups) {
            continue;
        }
        SettingsField& priority = group(
            t.Add(R::UsableGroups, "UsableGroups[g].PriorityCh", Storage::Word, 0x0054 + 2 * g, 7, 16, 2),
            "Priority CH", 3);
        BindGroup<&UsableGroup::PriorityCh>(priority, g);
        priority.Key = "Priority CH " + std::to_string(g);
        // With its sign: "Off" is -1, whose absolute value would name the channel of slot 1.
        priority.Form = FileForm::PriorityChannel;
        priority.FilePlace = kPriorityPlace;
        priority.Shown = &ShownChannel;
        // Shares its bytes with the User MMSI, which the models with DSC write after it.
        SettingsField& backup =
            group(t.Add(R::UsableGroups, "UsableGroups[g].Backup", Storage::Byte, 0x01F1 + g, 7, 8, 1),
                  "Backup", 0);
        BindGroup<&UsableGroup::Backup>(backup, g);
        backup.Key = "Priority CH " + std::to_string(g) + "Backup";
        backup.FilePlace = kPriorityPlace;
        backup.Shown = &ShownNumber;
        backup.Compared = &KeepsBackups;
    }
}

template <auto Field>
SettingsField& Common(TableBuilder& t, const char* member, Storage kind, int address, int top, int width,
                      const char* key, const char* label,
                      std::string (*shown)(const RadioData&, const SettingsField&))
{
    SettingsField& f =
        t.Add(SettingsRecord::CommonSetup, member, kind, address, top, width, kind == Storage::Word ? 2 : 1);
    BindMember<&RadioData::CommonSetup, Field>(f);
    f.Key = key;
    f.Label = label;
    f.Shown = shown;
    return f;
}

void CommonRows(TableBuilder& t)
{
    using C = CommonSetup;
    const auto flag = &ShownFlag<OnOffText>;
    constexpr int kWideValue = 35;
    SettingsField& txPo =
        Named<TxPoDisplayText>(Common<&C::TxPoDisplay>(t, "CommonSetup.TxPoDisplay", Storage::Byte, 0x0044, 7,
                                                       8, "TX Po Display", "TX Po Display", nullptr));
    Printed(Listed(txPo, 1, "Starting TX Mode")).ListWidth = kWideValue;
    Common<&C::LastTxPower>(t, "CommonSetup.LastTxPower", Storage::Byte, 0x0045, 7, 8, "Last TX Power",
                            "Last TX Power", &ShownNumber);
    Common<&C::LastChGroup>(t, "CommonSetup.LastChGroup", Storage::Byte, kCurrentGroupByte, 7, 8,
                            "Last CH Group", "Last CH Group", &ShownNumber);
    Common<&C::Sql>(t, "CommonSetup.Sql", Storage::Bits, 0x004A, 7, 4, "SQL", "SQL", &ShownNumber);
    Common<&C::LastDisplayCh>(t, "CommonSetup.LastDisplayCh", Storage::Word, kLastDisplayChWord, 7, 16,
                              "Last Display CH", "Last Display CH", &ShownChannel);
    Common<&C::MarineLmrCh>(t, "CommonSetup.MarineLmrCh", Storage::Word, kMarineLmrChWord, 7, 16,
                            "Marine_LMR CH", "Marine_LMR CH", &ShownChannel);
    Printed(Listed(Common<&C::Scan>(t, "CommonSetup.Scan", Storage::Bits, 0x005B, 7, 1, "SCAN", "SCAN", flag),
                   2, "Scanning Function"));
    Printed(Listed(Named<ResumeTimeText>(Common<&C::ResumeTime>(t, "CommonSetup.ResumeTime", Storage::Bits,
                                                                0x005B, 2, 2, "Resume Time", "Resume Time",
                                                                nullptr)),
                   3))
        .Form = FileForm::Signed;
    Printed(Listed(Common<&C::PttScanClear>(t, "CommonSetup.PttScanClear", Storage::Bits, 0x005B, 3, 1,
                                            "PTT SCAN Clear", "PTT SCAN Clear", flag),
                   4));
    Printed(Listed(Common<&C::DualWatch>(t, "CommonSetup.DualWatch", Storage::Bits, kUsableGroupsByte, 7, 1,
                                         "Dual Watch", "Dual Watch", flag),
                   5));
    SettingsField& offset = Common<&C::OffsetTime>(t, "CommonSetup.OffsetTime", Storage::Bits, 0x004C, 4, 5,
                                                   "Offset Time", "Offset Time", &ShownOffset);
    offset.Decode = &DecodeOffsetTime;
    offset.Encode = &EncodeOffsetTime;
    offset.Decoded = offset.Encoded = &HasOffsetTime;
    offset.Form = FileForm::Signed;
    offset.Last = kOffsetLast;
    Listed(offset, 6, "NMEA Data Input").ListText = &ListedOffset;
    SettingsField& magnetic = Named<MagVarText>(
        Common<&C::MagneticVariation>(t, "CommonSetup.MagneticVariation", Storage::Bits, 0x004C, 6, 1,
                                      "Magnetic Variation", "Magnetic Variation", nullptr));
    magnetic.Decoded = magnetic.Encoded = &HasOffsetTime;
    Listed(magnetic, 7);
    SettingsField& weather = Named<WeatherAlertText>(Common<&C::Weater>(
        t, "CommonSetup.Weater", Storage::Bits, kUsableGroupsByte, 5, 2, "Weater", "Weather Alert", nullptr));
    Printed(Listed(weather, 8, "Weather CH Function")).ListWidth = kWideValue;
    SettingsField& rotary = Common<&C::RotaryBeep>(t, "CommonSetup.RotaryBeep", Storage::Bits,
                                                   kRadioOwnedByte, 0, 1, "Rotary Beep", "Rotary Beep", flag);
    rotary.Decoded = rotary.Compared = &DecodesRotaryBeep;
    rotary.Encoded = rotary.Filed = &EncodesRotaryBeep;
    Listed(rotary, 9);
}

// A flag of one of the DSC records' arrays.
template <auto Record, auto Array>
SettingsField& DscFlag(TableBuilder& t, SettingsRecord record, const char* member, int i, int address,
                       int bit, std::string label,
                       std::string (*shown)(const RadioData&, const SettingsField&))
{
    SettingsField& f = t.Bits(record, member, address, bit, 1);
    BindElement<Record, Array>(f, i);
    f.Label = std::move(label);
    f.Shown = shown;
    f.Decoded = f.Encoded = f.Compared = &HasDsc;
    return f;
}

void DscRows(TableBuilder& t)
{
    using R = SettingsRecord;
    using B = DscBasicSetup;
    using A = DscAdvancedSetup;
    const auto onOff = &ShownFlag<OnOffText>;
    const auto hiLow = &ShownFlag<HiLowText>;
    constexpr int kGroupValueWidth = 20;
    for (int g = 0; g < kMarineGroups; ++g) {
        SettingsField& f = DscFlag<&RadioData::DscBasicSetup, &B::UsableDsc>(
            t, R::DscBasic, "DscBasicSetup.UsableDsc[g]", g, 0x00A0, 7 - g, "", onOff);
        f.Group = g;
        Listed(f, 1 + g, g == 0 ? "Available DSC CH Group" : nullptr).ListWidth = kGroupValueWidth;
    }
    SettingsField& mmsi = t.Add(R::DscBasic, "DscBasicSetup.UserMmsi", Storage::Routine, 0x01F0, 7, 8, 5);
    mmsi.Decode = &DecodeUserMmsi;
    mmsi.Encode = &EncodeUserMmsi;
    mmsi.Decoded = mmsi.Encoded = mmsi.Compared = mmsi.Filed = &HasDsc;
    mmsi.Key = "User MMSI";
    mmsi.Form = FileForm::UserMmsi;
    mmsi.Label = "User MMSI";
    mmsi.Shown = &ShownUserMmsi;
    Listed(mmsi, 4).ListText = &ListedUserMmsi;
    mmsi.ListWidth = 0;
    constexpr int kPosRequestByte = 0x00A4;
    const char* requests[4] = {"Distress Cancel Call", "Standby Mode", "POS Request", "POS Send"};
    const int requestBits[4] = {2, 3, 7, 5};
    constexpr int kFirstRequestLine = 5;
    for (int i = 0; i < 4; ++i) {
        Listed(DscFlag<&RadioData::DscBasicSetup, &B::PosRequest>(
                   t, R::DscBasic, "DscBasicSetup.PosRequest[i]", i, kPosRequestByte, requestBits[i],
                   requests[i], onOff),
               kFirstRequestLine + i);
    }
    // Only the TX flags of POS Request and POS Send are stored; each follows its request's flag.
    Listed(
        DscFlag<&RadioData::DscBasicSetup, &B::PosRequestTX>(t, R::DscBasic, "DscBasicSetup.PosRequestTX[2]",
                                                             2, kPosRequestByte, 6, "POS Request TX", hiLow),
        kFirstRequestLine + 2);
    Listed(DscFlag<&RadioData::DscBasicSetup, &B::PosRequestTX>(
               t, R::DscBasic, "DscBasicSetup.PosRequestTX[3]", 3, kPosRequestByte, 4, "POS Send TX", hiLow),
           kFirstRequestLine + 3);
    const char* beeps[8] = {"Send Distress Alert", "Received All Ships",   "Received Group",
                            "Received Individual", "Received POS Request", "Received POS Send",
                            "Received Geographic", "Beep Output 8"};
    // The listing's order puts the individual calls before the group calls and the geographic
    // calls before the position calls; the eighth output is not listed.
    const int beepLines[8] = {9, 10, 12, 11, 14, 15, 13, 0};
    for (int i = 0; i < 8; ++i) {
        Listed(DscFlag<&RadioData::DscBasicSetup, &B::BeepOut>(t, R::DscBasic, "DscBasicSetup.BeepOut[i]", i,
                                                               0x00A5, 7 - i, beeps[i], onOff),
               beepLines[i], i == 0 ? "DSC Beep Output" : nullptr);
    }
    // A call-category byte: bit 7 − c the call, bit 3 − c its TX flag.
    const char* categories[4] = {"Distress", "Urgency", "Safety", "Routine"};
    // Listed under the call's name, a line per category with the call's flag and its TX power.
    int firstLine = 1;
    const auto calls = [&]<auto Call, auto Tx>(const char* member, const char* txMember, int address,
                                               const char* name)
    {
        for (int c = 0; c < 4; ++c) {
            SettingsField& f = DscFlag<&RadioData::DscAdvancedSetup, Call>(
                t, R::DscAdvanced, member, c, address, 7 - c, std::string(name) + " " + categories[c], onOff);
            Listed(f, firstLine + c, c == 0 ? name : nullptr).ListLabel = categories[c];
        }
        for (int c = 0; c < 4; ++c) {
            Listed(DscFlag<&RadioData::DscAdvancedSetup, Tx>(t, R::DscAdvanced, txMember, c, address, 3 - c,
                                                             std::string(name) + " " + categories[c] + " TX",
                                                             hiLow),
                   firstLine + c);
        }
        firstLine += 4;
    };
    calls.operator()<&A::AllShipsCall, &A::AllShipsCallTX>(
        "DscAdvancedSetup.AllShipsCall[c]", "DscAdvancedSetup.AllShipsCallTX[c]", 0x00A1, "All Ships Call");
    calls.operator()<&A::GroupCall, &A::GroupCallTX>("DscAdvancedSetup.GroupCall[c]",
                                                     "DscAdvancedSetup.GroupCallTX[c]", 0x00A2, "Group Call");
    calls.operator()<&A::IndividualCall, &A::IndividualCallTX>("DscAdvancedSetup.IndividualCall[c]",
                                                               "DscAdvancedSetup.IndividualCallTX[c]", 0x00A3,
                                                               "Individual Call");
    using D = DscDisplaySetup;
    const auto display = [&]<auto Field>(const char* member, int bit, const char* label, int line)
    {
        SettingsField& f = t.Bits(R::DscDisplay, member, 0x00A6, bit, 1);
        BindMember<&RadioData::DscDisplaySetup, Field>(f);
        f.Label = label;
        f.Decoded = f.Encoded = f.Compared = &HasDsc;
        Listed(f, line);
    };
    display.operator()<&D::IndividualAckMenu>("DscDisplaySetup.IndividualAckMenu", 7, "Individual ACK Menu",
                                              1);
    display.operator()<&D::IndividualAckMessageMenu>("DscDisplaySetup.IndividualAckMessageMenu", 6,
                                                     "Individual ACK Message Menu", 2);
    display.operator()<&D::PosRequestAckMenu>("DscDisplaySetup.PosRequestAckMenu", 1, "POS Request ACK Menu",
                                              3);
}

void AtisRows(TableBuilder& t)
{
    using R = SettingsRecord;
    using A = AtisCommonSetup;
    constexpr int kAtisGroupsByte = 0x01F9;
    for (int g = 0; g < kGroupCount; ++g) {
        SettingsField& f = t.Bits(R::AtisCommon, "AtisCommonSetup.UsableAtis[g]", kAtisGroupsByte, 7 - g, 1);
        BindElement<&RadioData::AtisCommonSetup, &A::UsableAtis>(f, g);
        f.Encode = &EncodeUsableAtis;
        f.Group = g;
        f.Label = "usable";
        f.Key = "Usable ATIS CH Group" + std::to_string(g);
        Printed(Listed(f, 1)).ListLabel = "Usable ATIS CH Group";
    }
    SettingsField& code = t.Add(R::AtisCommon, "AtisCommonSetup.AtisCode", Storage::Routine, 0x01FB, 7, 8, 5);
    code.Decode = &DecodeAtisCode;
    code.Encode = &EncodeAtisCode;
    code.Key = "Atis Code";
    code.Form = FileForm::AtisCode;
    code.Label = "ATIS Code";
    code.Shown = &ShownAtisCode;
    Printed(Listed(code, 2)).ListText = &ListedAtisCode;
    for (int g = 0; g < kGroupCount; ++g) {
        SettingsField& f =
            t.Bits(R::AtisCommon, "AtisCommonSetup.UsableAtisKiller[g]", kAtisGroupsByte, 3 - g, 1);
        BindElement<&RadioData::AtisCommonSetup, &A::UsableAtisKiller>(f, g);
        f.Decoded = f.Compared = &DecodesAtisKillers;
        // Filed wherever the radio keeps the flags, so that the page's edit reaches the file.
        f.Encoded = f.Filed = &EncodesAtisKillers;
        f.Group = g;
        f.Label = "killer";
        f.Key = "Usable ATIS Kikker CH Group" + std::to_string(g);
        Listed(f, 3).ListLabel = "Usable ATIS Killer CH Group";
    }
    SettingsField& signs = t.Add(R::AtisCallSigns, "AtisCallSigns[n].MID, .DISP", Storage::Routine,
                                 kCallSignTable, 7, 8, kCallSignEntrySize * kAtisCallSignCount);
    signs.Decode = &DecodeCallSigns;
    signs.Encode = &EncodeCallSigns;
    signs.Decoded = signs.Encoded = signs.Compared = signs.Filed = &HasAtisCallSigns;
    signs.Key = "MID n, Display n";
    signs.Form = FileForm::CallSigns;
    signs.Label = "ATIS Call Sign n: MID, Display";
    signs.Shown = nullptr;  // the compare names each entry's texts
}

struct Table
{
    std::vector<SettingsField> Rows;
    std::array<std::span<const SettingsField>, 7> Records;
};

const Table& TheTable()
{
    static const Table table = [] {
        TableBuilder t;
        UsableRows(t);
        CommonRows(t);
        DscRows(t);
        AtisRows(t);
        Table built{t.Take(), {}};
        for (std::size_t r = 0; r < built.Records.size(); ++r) {
            const auto first = std::ranges::find_if(
                built.Rows, [&](const SettingsField& f) { return static_cast<std::size_t>(f.Record) == r; });
            const auto last = std::find_if(first, built.Rows.end(), [&](const SettingsField& f) {
                return static_cast<std::size_t>(f.Record) != r;
            });
            built.Records[r] = std::span<const SettingsField>(first, last);
        }
        return built;
    }();
    return table;
}

}  // namespace

std::span<const SettingsField> SettingsFields()
{
    return TheTable().Rows;
}

std::span<const SettingsField> SettingsFieldsOf(SettingsRecord record)
{
    return TheTable().Records[static_cast<std::size_t>(record)];
}

const SettingsField& SettingsFieldOf(std::string_view member, int index)
{
    const auto rows = SettingsFields();
    const auto at = std::ranges::find_if(
        rows, [&](const SettingsField& f) { return f.Member == member && f.Index == index; });
    if (at == rows.end()) {
        throw std::out_of_range("no setting " + std::string(member) + " " + std::to_string(index));
    }
    return *at;
}

std::string FieldLabel(const SettingsField& field, int modelIndex)
{
    if (field.Group < 0) {
        return field.Label;
    }
    constexpr const char* kGroupNames[kMarineGroups] = {"USA", "INTL", "Canada"};
    const std::string group = field.Group < kMarineGroups ? kGroupNames[field.Group] : BankEName(modelIndex);
    return field.Label.empty() ? group : group + " " + field.Label;
}

std::uint8_t FieldMask(const SettingsField& field)
{
    return field.Kind == Storage::Bits ? SetField(0, field.Top, field.Width, 0xFF) : 0xFF;
}

void AddSettingsBits(std::span<std::uint8_t, kImageSize> bits, int modelIndex)
{
    for (const SettingsField& f : SettingsFields()) {
        if (f.Kind == Storage::None || !IsOn(f.Decoded, modelIndex)) {
            continue;
        }
        for (int address = f.Address; address < f.Address + f.Length; ++address) {
            bits[static_cast<std::size_t>(address)] |= FieldMask(f);
        }
    }
}

void DecodeFields(RadioData& data, SettingsRecord record)
{
    const int model = data.ModelIndex;
    const RadioImage& image = data.RadioImage;
    for (const SettingsField& f : SettingsFieldsOf(record)) {
        if (!IsOn(f.Decoded, model)) {
            continue;
        }
        if (f.Decode != nullptr) {
            f.Decode(data, f);
            continue;
        }
        switch (f.Kind) {
            case Storage::Bits:
                f.Set(data, f.Index, GetField(image[f.Address], f.Top, f.Width));
                break;
            case Storage::Byte:
                f.Set(data, f.Index, image[f.Address]);
                break;
            case Storage::Word:
                f.Set(data, f.Index, image.Word(f.Address));
                break;
            case Storage::Routine:
            case Storage::None:
                break;
        }
    }
}

void EncodeField(RadioData& data, const SettingsField& f)
{
    RadioImage& image = data.RadioImage;
    if (f.Encode != nullptr) {
        f.Encode(data, f);
        return;
    }
    switch (f.Kind) {
        case Storage::Bits: {
            const std::int64_t value = Value(data, f);
            WriteField(image, {f.Address, f.Top, f.Width},
                       f.Width == 1 ? (value == 1 ? 1u : 0u) : static_cast<unsigned>(value));
            break;
        }
        case Storage::Byte:
            image[f.Address] = ByteValue(Value(data, f), f.Label);
            break;
        case Storage::Word: {
            const auto bytes = EncodeWord(static_cast<std::int32_t>(Value(data, f)));
            image[f.Address] = bytes[0];
            image[f.Address + 1] = bytes[1];
            break;
        }
        case Storage::Routine:
        case Storage::None:
            break;
    }
}

void EncodeFields(RadioData& data, SettingsRecord record)
{
    for (const SettingsField& f : SettingsFieldsOf(record)) {
        if (IsOn(f.Encoded, data.ModelIndex)) {
            EncodeField(data, f);
        }
    }
}

}  // namespace kelpie
