// FieldRules.cpp — the per-box table and the commit routines.
#include "edit/FieldRules.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "edit/EditFeatures.h"
#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/Format.h"

namespace kelpie {

namespace {

constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kAlphanumeric = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kNameSet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-/, _.";
constexpr std::string_view kEntryNameSet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-/*()+., ";
constexpr std::string_view kStatusNameSet =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz-+().*/ ";
constexpr std::string_view kFrequencySet = "0123456789.";
// The characters a seven-segment channel display can show, in the case it shows them.
constexpr std::string_view kDisplaySet = "0123456789AbCdEFGHIJLnoPqrtSUy";

constexpr std::string_view kMmsiHint = "Numeric Only. Indispensable 9 figures.";
constexpr std::string_view kEntryNameHint = "A maximum of 10 characters.";
constexpr std::string_view kNameHint = "A maximum of 12 characters";

struct FieldRule
{
    FieldId field;
    int maxLength;  // 0: no limit
    std::string_view hint;
    std::string_view failureTitle;
    std::string_view characters;
    bool upperCase;
    bool verified;
};

// clang-format off
constexpr std::array<FieldRule, 15> kRules{{
    {FieldId::UserMmsi,       9,  kMmsiHint, "User MMSI", kDigits, false, true},
    {FieldId::IndividualMmsi, 9,  kMmsiHint, "Individual Directory MMSI", kDigits, false, true},
    {FieldId::GroupMmsi,      9,  kMmsiHint, "Group Directory MMSI", kDigits, false, true},
    {FieldId::IndividualName, 11, kEntryNameHint, "", kEntryNameSet, false, false},
    {FieldId::GroupName,      11, kEntryNameHint, "", kEntryNameSet, false, false},
    {FieldId::AtisCode,       10, "Numeric Only. Indispensable 10 figures.", "ATISNo", kDigits, false, true},
    {FieldId::AtisMid,        0,  "Numeric Only. Indispensable 3 figures.", "", kDigits, false, false},
    {FieldId::AtisDisp,       0,  "Indispensable 3 figures.", "", kAlphanumeric, false, false},
    {FieldId::StatusName,     4,  "max 4 characters.", "", kStatusNameSet, false, true},
    {FieldId::ChannelLeft,    2,  "Indispensable 2 figures.", "", kDisplaySet, false, false},
    {FieldId::ChannelRight,   2,  "Indispensable 2 figures.", "", kDisplaySet, false, false},
    {FieldId::RxFreq,         8,  "Rx frequency", "Rx frequency", kFrequencySet, false, true},
    {FieldId::TxFreq,         8,  "Tx frequency", "Tx frequency", kFrequencySet, false, true},
    {FieldId::ChannelName,    12, kNameHint, "", kNameSet, true, false},
    {FieldId::WeatherName,    12, kNameHint, "", kNameSet, true, false},
}};
// clang-format on

const FieldRule& RuleOf(FieldId field)
{
    return *std::find_if(kRules.begin(), kRules.end(),
                         [field](const FieldRule& r) { return r.field == field; });
}

std::string_view TrimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigitText(std::string_view text, std::size_t length)
{
    return text.size() == length && text.find_first_not_of(kDigits) == std::string_view::npos;
}

// The number the text starts with ("156.05abc" reads 156.05); no number reads as zero.
double LeadingNumber(std::string_view text)
{
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return value;
}

// The characters of a set as a reader takes them in: ranges of digits and letters, then the rest.
std::string CharacterList(std::string_view set)
{
    std::string text;
    const auto add = [&text](std::string_view part) {
        text += (text.empty() ? "" : ", ") + std::string(part);
    };
    const std::array<std::pair<std::string_view, std::string_view>, 3> ranges{
        {{"ABCDEFGHIJKLMNOPQRSTUVWXYZ", "A–Z"}, {"abcdefghijklmnopqrstuvwxyz", "a–z"}, {kDigits, "0–9"}}};
    std::string rest(set);
    for (const auto& [letters, name] : ranges) {
        if (set.find(letters) != std::string_view::npos) {
            add(name);
            for (char c : letters) {
                rest.erase(std::remove(rest.begin(), rest.end(), c), rest.end());
            }
        }
    }
    if (rest.find(' ') != std::string::npos) {
        rest.erase(std::remove(rest.begin(), rest.end(), ' '), rest.end());
        add("blank");
    }
    for (char c : rest) {
        add(std::string(1, c));
    }
    return text;
}

std::string NameRule(std::string_view what, FieldId field)
{
    const FieldRule& rule = RuleOf(field);
    return std::string(what) + ": up to " + std::to_string(rule.maxLength) + " characters (" +
           CharacterList(rule.characters) + ")";
}

std::string FrequencyRule(std::string_view what, int modelIndex)
{
    const EditFeatures& band = EditFeaturesOf(modelIndex);
    return std::string(what) + ": " + Format(band.lowestMhz, "000.0000") + "–" +
           Format(band.highestMhz, "000.0000") + " MHz in steps of " +
           (band.raster25kHz ? "25 kHz" : "5 or 6.25 kHz");
}

}  // namespace

std::string RuleText(FieldId field, int modelIndex)
{
    switch (field) {
        case FieldId::UserMmsi:
            return "User MMSI: 9 digits, or empty";
        case FieldId::IndividualMmsi:
            return "Individual Directory MMSI: 9 digits; empty deletes the entry";
        case FieldId::GroupMmsi:
            return "Group Directory MMSI: 8 digits, Kelpie puts the leading 0 in front; empty deletes the "
                   "entry";
        case FieldId::AtisCode:
            return "ATIS code: 10 digits, or empty";
        case FieldId::AtisMid:
            return "MID: 3 digits";
        case FieldId::AtisDisp:
            return "Display: 3 characters (" + CharacterList(kAlphanumeric) + ")";
        case FieldId::ChannelLeft:
        case FieldId::ChannelRight:
            return "Channel number: 2 characters (" + CharacterList(kDisplaySet) + "; M or K only first)";
        case FieldId::RxFreq:
            return FrequencyRule("RX frequency", modelIndex);
        case FieldId::TxFreq:
            return FrequencyRule("TX frequency", modelIndex);
        case FieldId::StatusName:
            return NameRule("Status name", field);
        case FieldId::IndividualName:
            return NameRule("Station name", field);
        case FieldId::GroupName:
            return NameRule("Group name", field);
        case FieldId::ChannelName:
        case FieldId::WeatherName:
            return NameRule("Channel name", field);
    }
    return {};
}

std::string RefusalText(FieldId field, int modelIndex)
{
    return std::string(kDataErrorText) + "\n" + RuleText(field, modelIndex);
}

int MaxLength(FieldId field)
{
    return RuleOf(field).maxLength;
}

std::string_view FocusHint(FieldId field)
{
    return RuleOf(field).hint;
}

std::string_view FailureTitle(FieldId field)
{
    return RuleOf(field).failureTitle;
}

bool IsVerifiedField(FieldId field)
{
    return RuleOf(field).verified;
}

std::string FilterText(FieldId field, std::string_view text)
{
    const FieldRule& rule = RuleOf(field);
    std::string accepted;
    for (char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code == 0x7F) {
            continue;
        }
        if (rule.upperCase && c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
        const bool inSet = rule.characters.find(c) != std::string_view::npos;
        const bool leadingMarker =
            field == FieldId::ChannelLeft && accepted.empty() && (c == 'M' || c == 'K');
        if (inSet || leadingMarker) {
            accepted.push_back(c);
        }
    }
    if (rule.maxLength > 0 && accepted.size() > static_cast<std::size_t>(rule.maxLength)) {
        accepted.resize(static_cast<std::size_t>(rule.maxLength));
    }
    return accepted;
}

std::optional<std::string> FilterEdit(FieldId field, std::string_view before, std::string_view after)
{
    // The new characters lie between what the two texts have in common at either end.
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view inserted = after.substr(prefix, after.size() - prefix - suffix);
    if (!inserted.empty() && FilterText(field, inserted).empty()) {
        return std::nullopt;
    }
    return FilterText(field, after);
}

CommitOutcome CommitDigitField(bool report, int digits, std::string_view box, std::string& target)
{
    const std::string_view text = TrimBlanks(box);
    if (!text.empty() && !IsDigitText(text, static_cast<std::size_t>(digits))) {
        return {false, report ? std::string(box) : MmsiBoxText(target, digits)};
    }
    std::string stored(text);
    if (digits == 8 && !stored.empty()) {
        stored.insert(0, "0");
    }
    if (stored.size() == 9) {
        stored += "0";
    }
    target = stored;
    return {true, MmsiBoxText(target, digits)};
}

CommitOutcome CommitDigitText(bool report, int digits, std::string_view box, std::string& target)
{
    const std::string_view text = TrimBlanks(box);
    if (!text.empty() && !IsDigitText(text, static_cast<std::size_t>(digits))) {
        return {false, report ? std::string(box) : target};
    }
    target = text;
    return {true, target};
}

CommitOutcome CommitPaddedText(int width, std::string_view box, std::string& target)
{
    std::string text(TrimBlanks(box).substr(0, static_cast<std::size_t>(width)));
    if (!text.empty()) {
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    }
    target = text;
    return {true, std::string(box)};
}

CommitOutcome CommitFrequency(bool report, int modelIndex, std::string_view box, double& target)
{
    const std::string_view text = TrimBlanks(box);
    const double mhz = LeadingNumber(text);
    const EditFeatures& band = EditFeaturesOf(modelIndex);
    const bool inBand = mhz >= band.lowestMhz && mhz <= band.highestMhz;
    const bool ok = text.empty() || (inBand && (!band.raster25kHz || IsOn25kHzRaster(mhz)));
    if (!ok) {
        // Refused quietly, the box shows the stored frequency again: it never shows a value the
        // channel does not hold.
        return {false, report ? std::string(box) : FreqText4(target)};
    }
    // The box shows the frequency as the radio will hold it, and the record holds exactly that.
    target = RasterCorrected(mhz);
    return {true, FreqText4(target)};
}

std::string MmsiBoxText(std::string_view stored, int digits)
{
    std::string text = MmsiShown(stored);
    if (digits == 8 && text.size() == 9 && text.front() == '0') {
        text.erase(0, 1);
    }
    return text;
}

std::string AtisMidText(std::string_view text)
{
    if (text.empty()) {
        return {};
    }
    const auto first = text.find_first_not_of('0');
    std::string number(first == std::string_view::npos ? std::string_view{} : text.substr(first));
    if (number.size() < 3) {
        number.insert(0, 3 - number.size(), '0');
    }
    return number;
}

}  // namespace kelpie
