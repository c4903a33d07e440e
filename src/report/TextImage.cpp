// TextImage.cpp — the listing's sections, in the order the radio's menus show them.
#include "report/TextImage.h"

#include <array>
#include <initializer_list>
#include <span>

#include "files/FileAccess.h"
#include "model/Converters.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;

// Listing columns per model. The MV240 keeps no channel names; the MV220 has no scan memory on
// its marine channels; the MV230 has no ATIS setup.
bool ListsNames(int m)
{
    return HasChannelNames(m);
}
bool ListsMarineMemory(int m)
{
    return m != 4;
}
bool ListsAtis(int m)
{
    return m != 5;
}

class Listing
{
public:
    explicit Listing(RadioData& data) : m_data(data), m_model(data.ModelIndex) {}

    std::string Build()
    {
        UsableGroups();
        Common();
        if (HasDsc(m_model)) {
            DscBasic();
            DscAdvanced();
            DscDisplay();
        }
        if (ListsAtis(m_model)) {
            AtisCommon();
            if (HasAtisCallSigns(m_model)) {
                CallSigns();
            }
        }
        MarineBank("Programable USA Channel", m_data.UsaChannels);
        MarineBank("Programable International Channel", m_data.IntlChannels);
        MarineBank("Programable Canada Channel", m_data.CanadaChannels);
        Weather();
        if (HasDsc(m_model)) {
            Directory("Memory ID Setting", "No.  Station Name  MMSI", m_data.IndividualDirectory);
            Directory("Group ID Setting", "No.  Group Name    MMSI", m_data.GroupDirectory);
        }
        BankE();
        return std::move(m_text);
    }

private:
    void Line(const std::string& text) { m_text += "\r\n" + text; }

    void Heading(const std::string& title)
    {
        Line("");
        Line("##### " + title + " #####");
    }

    void Row(const std::string& label, std::initializer_list<std::string> values, int width = kValueWidth)
    {
        std::string line = PadText(label, kLabelWidth);
        for (const std::string& value : values) {
            line += PadText(value, width);
        }
        Line(line);
    }

    void GroupHeadingRow() { Row("", {"USA", "INTL", "Canada", HasLmrBank(m_model) ? "LMR CH" : "EXP CH"}); }

    // One On/Off value per group.
    void GroupRow(const std::string& label, const std::array<bool, 4>& flags)
    {
        Row(label, {OnOffText(flags[0]), OnOffText(flags[1]), OnOffText(flags[2]), OnOffText(flags[3])});
    }

    std::array<bool, 4> GroupFlags(bool UsableGroup::*flag) const
    {
        std::array<bool, 4> flags{};
        for (std::size_t g = 0; g < flags.size(); ++g) {
            flags[g] = m_data.UsableGroups[g].*flag;
        }
        return flags;
    }

    void UsableGroups()
    {
        const auto& groups = m_data.UsableGroups;
        Heading("Available CH Group Setup");
        GroupHeadingRow();
        GroupRow("Enable", GroupFlags(&UsableGroup::Enable));
        GroupRow("TX TOT", GroupFlags(&UsableGroup::TxTot));
        Row("Priority CH",
            {ChannelLabel(groups[0].PriorityCh, m_model), ChannelLabel(groups[1].PriorityCh, m_model),
             ChannelLabel(groups[2].PriorityCh, m_model)});
        GroupRow("Status Icon", GroupFlags(&UsableGroup::StatusIcon));
        Row("Status Name", {BlankDashText(groups[0].StatusName), BlankDashText(groups[1].StatusName),
                            BlankDashText(groups[2].StatusName), BlankDashText(groups[3].StatusName)});
    }

    void Common()
    {
        const CommonSetup& common = m_data.CommonSetup;
        Heading("Common Setup");
        Line("[Starting TX Mode]");
        Row("TX Po Display:", {TxPoDisplayText(common.TxPoDisplay)}, kLabelWidth);
        Line("[Scanning Function]");
        Row("SCAN:", {OnOffText(common.Scan)});
        Row("Resume Time:", {ResumeTimeText(common.ResumeTime)});
        Row("PTT SCAN Clear:", {OnOffText(common.PttScanClear)});
        Row("Dual Watch:", {OnOffText(common.DualWatch)});
        if (HasOffsetTime(m_model)) {
            const auto& offsets = OffsetNames();
            const bool known = common.OffsetTime >= 0 && common.OffsetTime <= kOffsetLast;
            Line("[NMEA Data Input]");
            Row("Offset Time:", {known ? offsets[static_cast<std::size_t>(common.OffsetTime)] : ""});
            Row("Magnetic Variation:", {MagVarText(common.MagneticVariation)});
        }
        Line("[Weather CH Function]");
        Row("Weather Alert:", {WeatherAlertText(common.Weater)}, kLabelWidth);
        if (DecodesRotaryBeep(m_model)) {
            Row("Rotary Beep:", {OnOffText(common.RotaryBeep)});
        }
    }

    void DscBasic()
    {
        const DscBasicSetup& dsc = m_data.DscBasicSetup;
        Heading("DSC Setup (Basic Setup)");
        Line("[Available DSC CH Group]");
        Row("USA:", {OnOffText(dsc.UsableDsc[0])}, 20);
        Row("INTL:", {OnOffText(dsc.UsableDsc[1])}, 20);
        Row("Canada:", {OnOffText(dsc.UsableDsc[2])}, 20);
        Line(PadText("User MMSI:", kLabelWidth) + PadText(dsc.UserMmsi, 12) + "----- " + PadText("Count", 6) +
             ": " + std::to_string(m_data.RadioImage[0x01F5]));
        Row("Distress Cancel Call:", {OnOffText(dsc.PosRequest[0])});
        Row("Stanby Mode:", {OnOffText(dsc.PosRequest[1])});
        Row("POS Request:", {OnOffText(dsc.PosRequest[2]), HiLowText(dsc.PosRequestTX[2])});
        Row("POS Send:", {OnOffText(dsc.PosRequest[3]), HiLowText(dsc.PosRequestTX[3])});
        Line("[DSC Beep Output]");
        constexpr std::pair<const char*, int> kBeeps[] = {
            {"Send Distress Alert:", 0}, {"Received All Ships:", 1}, {"Received Individual:", 3},
            {"Received Group:", 2},      {"Received Geografic:", 6}, {"Received POS Request:", 4},
            {"Received POS Send:", 5},
        };
        for (const auto& [label, element] : kBeeps) {
            Row(label, {OnOffText(dsc.BeepOut[static_cast<std::size_t>(element)])});
        }
    }

    void CallCategories(const std::string& title, const std::array<bool, 4>& call,
                        const std::array<bool, 4>& tx)
    {
        Line(title);
        constexpr const char* kCategories[] = {"Distress:", "Urgency:", "Safty:", "Routine:"};
        for (std::size_t c = 0; c < 4; ++c) {
            Row(kCategories[c], {OnOffText(call[c]), HiLowText(tx[c])});
        }
    }

    void DscAdvanced()
    {
        const DscAdvancedSetup& dsc = m_data.DscAdvancedSetup;
        Heading("DSC Setup (Advanced Setup)");
        CallCategories("[All Ships Call]", dsc.AllShipsCall, dsc.AllShipsCallTX);
        CallCategories("[Group Call]", dsc.GroupCall, dsc.GroupCallTX);
        CallCategories("[Individual Call]", dsc.IndividualCall, dsc.IndividualCallTX);
    }

    void DscDisplay()
    {
        const DscDisplaySetup& dsc = m_data.DscDisplaySetup;
        Heading("DSC Setup (Display Setup)");
        Row("Individual ACK Menu:", {OnOffText(dsc.IndividualAckMenu)});
        Row("Individual ACK Message Menu:", {OnOffText(dsc.IndividualAckMessageMenu)});
        Row("POS Request ACK Menu:", {OnOffText(dsc.PosRequestAckMenu)});
    }

    void AtisCommon()
    {
        const AtisCommonSetup& atis = m_data.AtisCommonSetup;
        Heading("ATIS Setup (Common)");
        GroupHeadingRow();
        GroupRow("Usable ATIS CH Group:", atis.UsableAtis);
        Row("ATIS Code:", {atis.AtisCode});
        if (DecodesAtisKillers(m_model)) {
            GroupRow("Usable ATIS Killer CH Group:", atis.UsableAtisKiller);
        }
    }

    void CallSigns()
    {
        const auto& signs = m_data.AtisCallSigns;
        Heading("ATIS Setup (Call Sign)");
        Line(PadText("No.", 10) + PadText("MID", 10) + PadText("Display", 18) + PadText("No.", 10) +
             PadText("MID", 10) + PadText("Display", 10));
        constexpr std::size_t kHalf = kAtisCallSignCount / 2;
        for (std::size_t n = 0; n < kHalf; ++n) {
            const AtisCallSign& left = signs[n];
            const AtisCallSign& right = signs[n + kHalf];
            Line(PadText("No." + std::to_string(n + 1), 10) + PadText(left.MID, 10) + PadText(left.DISP, 18) +
                 PadText("No." + std::to_string(n + 1 + kHalf), 10) + PadText(right.MID, 10) +
                 PadText(right.DISP, 10));
        }
    }

    void MarineBank(const std::string& title, const ChannelBank& bank)
    {
        Heading(title);
        if (m_model == 1) {
            Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM");
            Line("---  -------  -------  --  ---  --  ---  ---");
        } else if (m_model == 4) {
            Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  VS  CH Name");
            Line("---  -------  -------  --  ---  --  ---  --  ------------");
        } else {
            Line("CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name");
            Line("---  -------  -------  --  ---  --  ---  ---  --  ------------");
        }
        const auto& plan = ChannelPlan();
        for (const ChannelRecord& ch : bank) {
            if (!ch.Enable || ch.Position < 0 || ch.Position >= kChannelPlanSize) {
                continue;
            }
            const PlanEntry& slot = plan[static_cast<std::size_t>(ch.Position)];
            std::string line = PadText(slot.Label, 5) +
                               PadText(FreqText3(ch.Duplex ? slot.RxFreqDuplex : slot.RxFreq), 9) +
                               PadText(FreqText3Or(slot.TxFreq, ch.RxOnly), 9) +
                               PadText(TxText(ch.TxEnable), 4) + PadText(LowText(ch.LowPower), 5) +
                               PadText(UpText(ch.PowUp), 4) + PadText(DupText(ch.Duplex), 5);
            if (ListsMarineMemory(m_model)) {
                line += PadText(MemText(ch.ScanMemory), 5);
            }
            if (ListsNames(m_model)) {
                line += PadText(ScrambleText(ch.Scramble), 4) + PadText(ch.ChTag, 12);
            }
            Line(line);
        }
    }

    void Weather()
    {
        Heading("Programable Wx Channel");
        if (m_model == 1) {
            Line("CH  ENABLE  MEM");
            Line("--  ------  ---");
        } else if (m_model == 4) {
            Line("CH  ENABLE  CH Name");
            Line("--  ------  ------------");
        } else {
            Line("CH  ENABLE  MEM  CH Name");
            Line("--  ------  ---  ------------");
        }
        int number = 1;
        for (const ChannelRecord& ch : m_data.WxChannels) {
            std::string line = PadText(std::to_string(number++), 4) + PadText(EnableText(ch.Enable), 8);
            switch (m_model) {
                case 1:
                    line += PadText(MemText(ch.ScanMemory), 5);
                    break;
                case 4:
                    line += PadText(ch.ChTag, 12);
                    break;
                case 6:
                    line += PadText(MemText(ch.ScanMemory), 5) + "------------";
                    break;
                default:
                    line += PadText(MemText(ch.ScanMemory), 5) + PadText(ch.ChTag, 12);
            }
            Line(line);
        }
    }

    // The four display characters: two of the left half, the last two of the right one, both in
    // the display's own letter forms.
    static std::string DisplayText(const ChannelRecord& ch)
    {
        std::string right =
            ch.CHDisplayR.size() > 2 ? ch.CHDisplayR.substr(ch.CHDisplayR.size() - 2) : ch.CHDisplayR;
        right.insert(0, 2 - right.size(), ' ');
        const std::string text = DisplayCaseText(PadText(ch.CHDisplayL, 2)) + DisplayCaseText(right);
        return text.find_first_not_of(' ') == std::string::npos ? "----" : text;
    }

    void BankE()
    {
        switch (m_model) {
            case 0:
            case 3:
                Heading("Programable Exp Channel");
                Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name");
                Line("--  ---  ------  --------  --------  ---  --  ---  --  ------------");
                break;
            case 1:
                Heading("Programable Exp Channel");
                Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM");
                Line("--  ---  ------  --------  --------  ---  --  ---");
                break;
            case 2:
                Heading("Programable LMR Channel");
                Line(
                    "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
                    "TXT");
                Line(
                    "--  ---  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
                    "-------");
                break;
            case 4:
                Heading("Programable LMR Channel");
                Line(
                    "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  VS  CH Name      W/N  RXT      CMP  TXT");
                Line(
                    "--  ----  ------  --------  --------  ---  --  --  ------------  --  -------  ---  "
                    "-------");
                break;
            default:
                Heading("Programable LMR Channel");
                Line(
                    "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
                    "TXT");
                Line(
                    "--  ----  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
                    "-------");
        }
        int number = 1;
        for (ChannelRecord& ch : m_data.ExpChannels) {
            std::string line = PadText(std::to_string(number++), 4) + PadText(DisplayText(ch), 6) +
                               PadText(EnableText(ch.Enable), 8) + PadText(FreqText4(ch.Rxfreq), 10) +
                               PadText(FreqText4(ch.Txfreq), 10) + PadText(LowText(ch.LowPower), 5) +
                               PadText(UpText(ch.PowUp), 4);
            if (m_model != 4) {
                line += PadText(MemText(ch.ScanMemory), 5);
            }
            if (HasLmrBank(m_model)) {
                line += PadText(ScrambleText(ch.Scramble), 4) + PadText(FixedOrDashes(ch.ChTag, 12), 14) +
                        PadText(NarrowText(ch.Narrow), 4) + PadText(ToneText(ch, 1), 9) +
                        PadText(CmpText(ch.RxComp), 5) + PadText(ToneText(ch, 0), 7);
            } else if (m_model != 1) {
                line += PadText(ScrambleText(ch.Scramble), 4) + FixedOrDashes(ch.ChTag, 12);
            }
            Line(line);
        }
    }

    void Directory(const std::string& title, const std::string& columns,
                   std::span<const DirectoryEntry> entries)
    {
        Heading(title);
        Line(columns);
        Line("---  ------------  ---------");
        int number = 1;
        for (const DirectoryEntry& entry : entries) {
            Line(PadText(std::to_string(number++), 5) + PadText(FixedOrDashes(entry.TagName, 12), 14) +
                 FixedOrDashes(entry.Mmsid, 9));
        }
    }

    RadioData& m_data;
    int m_model;
    std::string m_text;
};

}  // namespace

std::string BuildTextImage(RadioData& data)
{
    return Listing(data).Build();
}

void SaveTextImage(const std::filesystem::path& fileName, const std::string& text)
{
    WriteFileAtomically(fileName, text + "\r\n");
}

}  // namespace kelpie
