// TextImage.cpp — the listing's sections, in the order the radio's menus show them.
#include "report/TextImage.h"

#include <array>
#include <span>
#include <vector>

#include "files/FileAccess.h"
#include "model/Converters.h"
#include "model/DirectoryCodec.h"
#include "model/Models.h"
#include "model/ValueTables.h"
#include "report/ListingRows.h"

namespace kelpie {

namespace {

constexpr int kLabelWidth = 35;
constexpr int kValueWidth = 18;

// A row of a channel list: each value padded to its column's width.
std::string PaddedRow(const std::vector<ListedColumn>& columns, const std::vector<std::string>& values)
{
    std::string line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        line += PadText(values[i], columns[i].Width);
    }
    return line;
}

class Listing
{
public:
    explicit Listing(const RadioData& data) : m_data(data), m_model(data.ModelIndex) {}

    std::string Build()
    {
        UsableGroups();
        Common();
        if (HasDsc(m_model)) {
            DscBasic();
            DscAdvanced();
            DscDisplay();
        }
        if (ListsAtisSetup(m_model)) {
            AtisCommon();
            if (HasAtisCallSigns(m_model)) {
                CallSigns();
            }
        }
        MarineBank("Programmable USA Channel", m_data.UsaChannels);
        MarineBank("Programmable International Channel", m_data.IntlChannels);
        MarineBank("Programmable Canada Channel", m_data.CanadaChannels);
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

    void Row(const std::string& label, const std::vector<std::string>& values, int width = kValueWidth)
    {
        std::string line = PadText(label, kLabelWidth);
        for (const std::string& value : values) {
            line += PadText(value, width);
        }
        Line(line);
    }

    void UsableGroups()
    {
        Heading("Available CH Group Setup");
        Row("", GroupHeadings(m_model));
        Row("Enable", GroupFlagValues(m_data, &UsableGroup::Enable));
        Row("TX TOT", GroupFlagValues(m_data, &UsableGroup::TxTot));
        Row("Priority CH", PriorityChannelValues(m_data));
        Row("Status Icon", GroupFlagValues(m_data, &UsableGroup::StatusIcon));
        Row("Status Name", StatusNameValues(m_data));
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
        Line(PadText("User MMSI:", kLabelWidth) + PadText(MmsiShown(dsc.UserMmsi), 12) + "----- " +
             PadText("Count", 6) + ": " + std::to_string(m_data.RadioImage[0x01F5]));
        Row("Distress Cancel Call:", {OnOffText(dsc.PosRequest[0])});
        Row("Standby Mode:", {OnOffText(dsc.PosRequest[1])});
        Row("POS Request:", {OnOffText(dsc.PosRequest[2]), HiLowText(dsc.PosRequestTX[2])});
        Row("POS Send:", {OnOffText(dsc.PosRequest[3]), HiLowText(dsc.PosRequestTX[3])});
        Line("[DSC Beep Output]");
        constexpr std::pair<const char*, int> kBeeps[] = {
            {"Send Distress Alert:", 0}, {"Received All Ships:", 1}, {"Received Individual:", 3},
            {"Received Group:", 2},      {"Received Geographic:", 6}, {"Received POS Request:", 4},
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
        constexpr const char* kCategories[] = {"Distress:", "Urgency:", "Safety:", "Routine:"};
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
        Row("", GroupHeadings(m_model));
        Row("Usable ATIS CH Group:", OnOffValues(atis.UsableAtis));
        Row("ATIS Code:", {atis.AtisCode});
        if (DecodesAtisKillers(m_model)) {
            Row("Usable ATIS Killer CH Group:", OnOffValues(atis.UsableAtisKiller));
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
        const std::vector<ListedColumn> columns = MarineColumns(m_model);
        for (const ChannelRecord& ch : bank) {
            if (IsListedMarineRecord(ch)) {
                Line(PaddedRow(columns, MarineRow(ch, m_model)));
            }
        }
    }

    void Weather()
    {
        Heading("Programmable Wx Channel");
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
        const std::vector<ListedColumn> columns = WeatherColumns(m_model);
        int number = 1;
        for (const ChannelRecord& ch : m_data.WxChannels) {
            Line(PaddedRow(columns, WeatherRow(ch, number++, m_model)));
        }
    }

    void BankE()
    {
        switch (m_model) {
            case 0:
            case 3:
                Heading("Programmable Exp Channel");
                Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name");
                Line("--  ---  ------  --------  --------  ---  --  ---  --  ------------");
                break;
            case 1:
                Heading("Programmable Exp Channel");
                Line("CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM");
                Line("--  ---  ------  --------  --------  ---  --  ---");
                break;
            case 2:
                Heading("Programmable LMR Channel");
                Line(
                    "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
                    "TXT");
                Line(
                    "--  ---  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
                    "-------");
                break;
            case 4:
                Heading("Programmable LMR Channel");
                Line(
                    "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  VS  CH Name      W/N  RXT      CMP  TXT");
                Line(
                    "--  ----  ------  --------  --------  ---  --  --  ------------  --  -------  ---  "
                    "-------");
                break;
            default:
                Heading("Programmable LMR Channel");
                Line(
                    "CH  CHD   ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM  VS  CH Name      W/N  RXT      CMP  "
                    "TXT");
                Line(
                    "--  ----  ------  --------  --------  ---  --  ---  --  ------------  --  -------  ---  "
                    "-------");
        }
        const std::vector<ListedColumn> columns = BankEColumns(m_model);
        int number = 1;
        for (const ChannelRecord& ch : m_data.ExpChannels) {
            Line(PaddedRow(columns, BankERow(ch, number++, m_model)));
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
                 FixedOrDashes(MmsiShown(entry.Mmsid), 9));
        }
    }

    const RadioData& m_data;
    int m_model;
    std::string m_text;
};

}  // namespace

std::string BuildTextImage(const RadioData& data)
{
    return Listing(data).Build();
}

void SaveTextImage(const std::filesystem::path& fileName, const std::string& text)
{
    WriteFileAtomically(fileName, text + "\r\n");
}

}  // namespace kelpie
