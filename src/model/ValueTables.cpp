// ValueTables.cpp — the channel plan, the weather plan, the tone, code and offset tables, the
// region default channels and the character sets.
#include "model/ValueTables.h"

#include <algorithm>

#include "model/Format.h"

namespace kelpie {

namespace {

constexpr unsigned kLow = 1;  // LowPower
constexpr unsigned kDup = 2;  // Duplex
constexpr unsigned kRx = 4;   // receive only
constexpr unsigned kUp = 8;   // PowUp

constexpr RegionChannel Row(int slot, const char* label, const char* name, unsigned flags = 0)
{
    return {
        slot, label, name, (flags & kLow) != 0, (flags & kDup) != 0, (flags & kRx) != 0, (flags & kUp) != 0};
}

constexpr RegionChannel kUsa[] = {
    Row(3, "01A", "VTS"),
    Row(7, "03A", ""),
    Row(11, "05A", "VTS"),
    Row(12, "06", "SAFTY"),
    Row(15, "07A", "COMMERCIAL"),
    Row(16, "08", "COMMERCIAL"),
    Row(18, "09", "CALLING"),
    Row(20, "10", "COMMERCIAL"),
    Row(22, "11", "VTS"),
    Row(24, "12", "VTS"),
    Row(26, "13", "BRG/BRG", kLow),
    Row(28, "14", "VTS"),
    Row(30, "15", "COMMERCIAL", kRx),
    Row(32, "16", "DISTRESS"),
    Row(34, "17", "SAR", kLow),
    Row(37, "18A", "COMMERCIAL"),
    Row(39, "19A", "COMMERCIAL"),
    Row(40, "20", "PORT OPR", kDup),
    Row(41, "20A", "PORT OPR"),
    Row(43, "21A", "CCG"),
    Row(45, "22A", "USCG"),
    Row(47, "23A", "USCG"),
    Row(48, "24", "TELEPHONE", kDup),
    Row(50, "25", "TELEPHONE", kDup),
    Row(52, "26", "TELEPHONE", kDup),
    Row(54, "27", "TELEPHONE", kDup),
    Row(56, "28", "TELEPHONE", kDup),
    Row(123, "61A", "CCG"),
    Row(127, "63A", "VTS"),
    Row(129, "64A", "COMMERCIAL"),
    Row(131, "65A", "PORT OPR"),
    Row(133, "66A", "PORT OPR"),
    Row(134, "67", "BRG/BRG", kLow),
    Row(136, "68", "SHIP-SHIP"),
    Row(138, "69", "PLEASURE"),
    Row(140, "70", "DSC", kRx),
    Row(142, "71", "PLEASURE"),
    Row(144, "72", "SHIP-SHIP"),
    Row(146, "73", "PORT OPR"),
    Row(148, "74", "PORT OPR"),
    Row(150, "75", "PORT OPR", kLow),
    Row(152, "76", "PORT OPR", kLow),
    Row(154, "77", "PORT OPR", kLow),
    Row(157, "78A", "SHIP-SHIP"),
    Row(159, "79A", "SHIP-SHIP"),
    Row(161, "80A", "SHIP-SHIP"),
    Row(163, "81A", "CCG"),
    Row(165, "82A", "CCG"),
    Row(167, "83A", "USCG"),
    Row(168, "84", "TELEPHONE", kDup),
    Row(170, "85", "TELEPHONE", kDup),
    Row(172, "86", "TELEPHONE", kDup),
    Row(174, "87", "TELEPHONE", kDup),
    Row(175, "87A", "COMMERCIAL"),
    Row(176, "88", "TELEPHONE", kDup),
    Row(177, "88A", "COMMERCIAL"),
};

constexpr RegionChannel kIntl[] = {
    Row(2, "01", "TELEPHONE", kDup),   Row(4, "02", "TELEPHONE", kDup),
    Row(6, "03", "TELEPHONE", kDup),   Row(8, "04", "INTL", kDup),
    Row(10, "05", "INTL", kDup),       Row(12, "06", "SAFETY"),
    Row(14, "07", "INTL", kDup),       Row(16, "08", "COMMERCIAL"),
    Row(18, "09", "CALLING"),          Row(20, "10", "COMMERCIAL"),
    Row(22, "11", "VTS", kLow),        Row(24, "12", "VTS", kLow),
    Row(26, "13", "BRG/BRG"),          Row(28, "14", "VTS"),
    Row(30, "15", "COMMERCIAL", kLow), Row(32, "16", "DISTRESS"),
    Row(34, "17", "SAR", kLow),        Row(36, "18", "INTL", kDup),
    Row(38, "19", "INTL", kDup),       Row(40, "20", "PORT OPR", kDup),
    Row(42, "21", "INTL", kDup),       Row(44, "22", "INTL", kDup),
    Row(46, "23", "INTL", kDup),       Row(48, "24", "TELEPHONE", kDup),
    Row(50, "25", "TELEPHONE", kDup),  Row(52, "26", "TELEPHONE", kDup),
    Row(54, "27", "TELEPHONE", kDup),  Row(56, "28", "TELEPHONE", kDup),
    Row(120, "60", "TELEPHONE", kDup), Row(122, "61", "INTL", kDup),
    Row(124, "62", "INTL", kDup),      Row(126, "63", "INTL", kDup),
    Row(128, "64", "TELEPHONE", kDup), Row(130, "65", "INTL", kDup),
    Row(132, "66", "INTL", kDup),      Row(134, "67", "BRG/BRG"),
    Row(136, "68", "SHIP-SHIP"),       Row(138, "69", "PLEASURE"),
    Row(140, "70", "DSC", kRx),        Row(142, "71", "PLEASURE"),
    Row(144, "72", "SHIP-SHIP"),       Row(146, "73", "PORT OPR"),
    Row(148, "74", "PORT OPR"),        Row(150, "75", "PORT OPR", kLow),
    Row(152, "76", "PORT OPR", kLow),  Row(154, "77", "PORT OPR"),
    Row(156, "78", "INTL", kDup),      Row(158, "79", "INTL", kDup),
    Row(160, "80", "INTL", kDup),      Row(162, "81", "INTL", kDup),
    Row(164, "82", "INTL", kDup),      Row(166, "83", "INTL", kDup),
    Row(168, "84", "TELEPHONE", kDup), Row(170, "85", "TELEPHONE", kDup),
    Row(172, "86", "TELEPHONE", kDup), Row(174, "87", "TELEPHONE"),
    Row(176, "88", "TELEPHONE"),
};

constexpr RegionChannel kCanada[] = {
    Row(2, "01", "TELEPHONE", kDup),
    Row(4, "02", "TELEPHONE", kDup),
    Row(6, "03", "TELEPHONE", kDup),
    Row(9, "04A", "CCG"),
    Row(11, "05A", "VTS"),
    Row(12, "06", "SAFETY"),
    Row(15, "07A", "COMMERCIAL"),
    Row(16, "08", "COMMERCIAL"),
    Row(18, "09", "CALLING"),
    Row(20, "10", "COMMERCIAL"),
    Row(22, "11", "VTS"),
    Row(24, "12", "VTS"),
    Row(26, "13", "BRG/BRG", kLow | kUp),
    Row(28, "14", "VTS"),
    Row(30, "15", "COMMERCIAL", kLow),
    Row(32, "16", "DISTRESS"),
    Row(34, "17", "SAR", kLow),
    Row(37, "18A", "COMMERCIAL"),
    Row(39, "19A", "COMMERCIAL"),
    Row(40, "20", "PORT OPR", kLow | kDup),
    Row(43, "21A", "CCG"),
    Row(45, "22A", "USCG"),
    Row(46, "23", "INTL", kDup),
    Row(48, "24", "TELEPHONE", kDup),
    Row(50, "25", "TELEPHONE", kDup),
    Row(52, "26", "TELEPHONE", kDup),
    Row(54, "27", "TELEPHONE", kDup),
    Row(56, "28", "TELEPHONE", kDup),
    Row(120, "60", "TELEPHONE", kDup),
    Row(123, "61A", "CCG"),
    Row(125, "62A", "CCG"),
    Row(127, "63A", "SHIP-SHIP"),
    Row(128, "64", "USCG", kDup),
    Row(129, "64A", "TELEPHONE"),
    Row(131, "65A", "PORT OPR"),
    Row(133, "66A", "PORT OPR"),
    Row(134, "67", "BRG/BRG"),
    Row(136, "68", "SHIP-SHIP"),
    Row(138, "69", "PLEASURE"),
    Row(140, "70", "DSC", kRx),
    Row(142, "71", "PLEASURE"),
    Row(144, "72", "SHIP-SHIP"),
    Row(146, "73", "PORT OPR"),
    Row(148, "74", "PORT OPR"),
    Row(150, "75", "PORT OPR", kLow),
    Row(152, "76", "PORT OPR", kLow),
    Row(154, "77", "PORT OPR", kLow),
    Row(157, "78A", "SHIP-SHIP"),
    Row(159, "79A", "SHIP-SHIP"),
    Row(161, "80A", "SHIP-SHIP"),
    Row(163, "81A", "CCG"),
    Row(165, "82A", "CCG"),
    Row(166, "83", "CCG", kDup),
    Row(167, "83A", "CCG"),
    Row(168, "84", "TELEPHONE", kDup),
    Row(170, "85", "TELEPHONE", kDup),
    Row(172, "86", "TELEPHONE", kDup),
    Row(174, "87", "PORT OPR"),
    Row(176, "88", "PORT OPR"),
};

struct WxChannel
{
    const char* frequencyText;  // as the label and name show it
    double frequency;
};

constexpr WxChannel kWxChannels[kWxPlanLast] = {
    {"162.550", 162.550}, {"162.400", 162.400}, {"162.475", 162.475}, {"162.425", 162.425},
    {"162.450", 162.450}, {"162.500", 162.500}, {"162.525", 162.525}, {"161.650", 161.650},
    {"161.775", 161.775}, {"163.275", 163.275},
};

constexpr const char* kCtcss[kCtcssLast] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

constexpr const char* kDcs[kDcsLast] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

}  // namespace

std::array<PlanEntry, kChannelPlanSize> BuildChannelPlan()
{
    std::array<PlanEntry, kChannelPlanSize> plan{};
    // The frequency is accumulated 0.05 MHz at a time, restarting at 156.025 for channel 60, as
    // the radio's own tables were built; the frequencies written to data files depend on it.
    double f = 156.0;
    for (int n = 0; n < kChannelPlanSize / 2; ++n) {
        if (n == 60) {
            f = 156.025;
        }
        PlanEntry& plain = plan[static_cast<std::size_t>(2 * n)];
        PlanEntry& a = plan[static_cast<std::size_t>(2 * n + 1)];
        plain.Label = Format(n, "00");
        a.Label = plain.Label + "A";
        plain.TxFreq = plain.RxFreq = a.TxFreq = a.RxFreq = f;
        plain.RxFreqDuplex = f + 4.6;
        plain.IsPlain = true;
        f += 0.05;
    }
    return plan;
}

std::array<PlanEntry, kWxPlanLast + 1> BuildWxPlan()
{
    std::array<PlanEntry, kWxPlanLast + 1> plan{};
    for (int entry = 1; entry <= kWxPlanLast; ++entry) {
        const WxChannel& wx = kWxChannels[entry - 1];
        PlanEntry& e = plan[static_cast<std::size_t>(entry)];
        e.Present = true;
        e.Label = "WX" + Format(entry, "00") + "[" + wx.frequencyText + "MHz]";
        e.TxFreq = 0.0;
        e.RxFreq = e.RxFreqDuplex = wx.frequency;
        e.IsPlain = true;
        e.Spare = 0;
        e.Name = std::string(wx.frequencyText) + "MHZ";
    }
    return plan;
}

double ReceiveFrequency(const PlanEntry& plan, bool duplex)
{
    return duplex && plan.RxFreqDuplex > 0 ? plan.RxFreqDuplex : plan.RxFreq;
}

const std::array<PlanEntry, kChannelPlanSize>& ChannelPlan()
{
    static const auto plan = BuildChannelPlan();
    return plan;
}

const std::array<PlanEntry, kWxPlanLast + 1>& WxPlan()
{
    static const auto plan = BuildWxPlan();
    return plan;
}

std::vector<std::string> BuildCtcssNames()
{
    std::vector<std::string> names{"Off"};
    for (const char* tone : kCtcss) {
        names.push_back(std::string(tone) + "Hz");
    }
    return names;
}

std::vector<std::string> BuildDcsNames()
{
    std::vector<std::string> names{"Off"};
    names.insert(names.end(), std::begin(kDcs), std::end(kDcs));
    return names;
}

std::vector<std::string> BuildOffsetNames()
{
    std::vector<std::string> names;
    for (int i = 0; i <= kOffsetLast; ++i) {
        const int hours = i - 12;
        std::string text = Format(hours, hours < 0 ? "#0.00" : hours > 0 ? "+#0.00" : " 0.00");
        text[text.find('.')] = ':';
        names.push_back(text);
    }
    return names;
}

const std::vector<std::string>& CtcssNames()
{
    static const auto names = BuildCtcssNames();
    return names;
}

const std::vector<std::string>& DcsNames()
{
    static const auto names = BuildDcsNames();
    return names;
}

const std::vector<std::string>& OffsetNames()
{
    static const auto names = BuildOffsetNames();
    return names;
}

std::span<const RegionChannel> UsaRegionTable()
{
    return kUsa;
}

std::span<const RegionChannel> IntlRegionTable()
{
    return kIntl;
}

std::span<const RegionChannel> CanadaRegionTable()
{
    return kCanada;
}

std::uint8_t NameByte(char c)
{
    return kNameCharacters.find(c) == std::string_view::npos ? 0xFF : static_cast<std::uint8_t>(c);
}

std::uint8_t CallSignByte(char c)
{
    return kCallSignCharacters.find(c) == std::string_view::npos ? 0xFF : static_cast<std::uint8_t>(c);
}

std::optional<char> ReadCharacter(std::uint8_t byte)
{
    const char c = static_cast<char>(byte);
    if (kNameCharacters.find(c) == std::string_view::npos) {
        return std::nullopt;
    }
    return c;
}

std::vector<std::string> SplitList(std::string_view text)
{
    std::vector<std::string> items;
    for (;;) {
        const auto comma = text.find(',');
        std::string_view item = text.substr(0, comma);
        const auto first = item.find_first_not_of(' ');
        item = first == std::string_view::npos ? std::string_view{}
                                               : item.substr(first, item.find_last_not_of(' ') - first + 1);
        items.emplace_back(item);
        if (comma == std::string_view::npos) {
            return items;
        }
        text.remove_prefix(comma + 1);
    }
}

}  // namespace kelpie
