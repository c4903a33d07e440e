// Converters.cpp — value-to-text converters.
#include "model/Converters.h"

#include <cmath>

#include "model/Format.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

std::string TableText(int value, std::initializer_list<const char*> texts)
{
    if (value < 0 || value >= static_cast<int>(texts.size())) {
        return {};
    }
    return texts.begin()[value];
}

long long TenthsOfKilohertz(double mhz)
{
    return std::llround(mhz * 10000.0);
}

}  // namespace

std::string OnOffText(bool value)
{
    return value ? "On" : "Off";
}
std::string HiLowText(bool value)
{
    return value ? "Hi" : "Low";
}
std::string EnableText(bool value)
{
    return value ? "ENABLE" : "------";
}
std::string TxText(bool value)
{
    return value ? "TX" : "--";
}
std::string LowText(bool value)
{
    return value ? "LOW" : "---";
}
std::string UpText(bool value)
{
    return value ? "UP" : "--";
}
std::string DupText(bool value)
{
    return value ? "DUP" : "---";
}
std::string MemText(bool value)
{
    return value ? "MEM" : "---";
}
std::string CmpText(bool value)
{
    return value ? "CMP" : "---";
}
std::string NarrowText(bool value)
{
    return value ? "N " : "--";
}

std::string ResumeTimeText(int value)
{
    return TableText(value, {"--", "1Sec", "2Sec", "3Sec"});
}

std::string TxPoDisplayText(int value)
{
    return TableText(value, {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"});
}

std::string WeatherAlertText(int value)
{
    return value == 0 ? "Off" : value == 3 ? "On" : "";
}

std::string MagVarText(int value)
{
    return TableText(value, {"True", "Mag"});
}

std::string ScrambleText(int value)
{
    return (value & 4) != 0 ? std::to_string(value & 3) : "--";
}

std::string BlankDashText(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos ? "----" : std::string(text);
}

std::string PadText(std::string_view text, int width)
{
    std::string padded(text);
    padded.resize(static_cast<std::size_t>(std::max(width, 0)), ' ');
    return padded;
}

std::string FixedOrDashes(std::string_view text, int width)
{
    return text.empty() ? std::string(static_cast<std::size_t>(std::max(width, 0)), '-')
                        : PadText(text, width);
}

std::string FreqText3(double mhz)
{
    return mhz > 0 ? Format(mhz, "000.000") : "---.---";
}

std::string FreqText3Or(double mhz, bool blank)
{
    return blank ? "---.---" : FreqText3(mhz);
}

double RasterCorrected(double mhz)
{
    if (!(mhz > 0)) {
        return mhz;
    }
    const long long k = TenthsOfKilohertz(mhz);
    return k % 50 != 0 && k % 125 != 0 ? std::floor(mhz / 0.005) * 0.005 : mhz;
}

std::string FreqText4(double mhz)
{
    return mhz > 0 ? Format(RasterCorrected(mhz), "000.0000") : "---.----";
}

bool IsOn25kHzRaster(double mhz)
{
    return TenthsOfKilohertz(mhz) % 250 == 0;
}

std::string CtcssName(int value)
{
    const auto& names = CtcssNames();
    return value >= 0 && value < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(value)]
                                                                : "?";
}

std::string DcsName(int value)
{
    const auto& names = DcsNames();
    return value >= 0 && value < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(value)]
                                                                : "?";
}

std::string DcsText(int value)
{
    return value <= kDcsLast ? "N" + DcsName(value) : "I" + DcsName(value - kDcsLast);
}

std::string ToneText(const ChannelRecord& record, int direction)
{
    if (record.Ctcss(direction) >= 1) {
        return CtcssName(record.Ctcss(direction));
    }
    if (record.Dcs(direction) >= 1) {
        return DcsText(record.Dcs(direction));
    }
    return "-------";
}

std::string BankEName(int modelIndex)
{
    return ModelOf(modelIndex).BankEName;
}

std::string ChannelLabel(int index, int modelIndex)
{
    if (index >= 0 && index < kChannelPlanSize) {
        return ChannelPlan()[static_cast<std::size_t>(index)].Label;
    }
    if (index >= kFirstExpChannelIndex && index < kFirstWxChannelIndex) {
        return BankEName(modelIndex) + std::to_string(index - 239);
    }
    return "Off";
}

std::string DisplayCaseText(std::string_view text)
{
    constexpr std::string_view kUpper = "BDNOQRTY";
    std::string shown(text);
    for (char& c : shown) {
        if (kUpper.find(c) != std::string_view::npos) {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return shown;
}

}  // namespace kelpie
