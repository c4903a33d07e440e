// ChannelCsv.cpp — Kelpie and CHIRP channel lists, checked row by row through the channel page's
// edits on a working copy of the records, then written as one edit.
#include "edit/ChannelCsv.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>
#include <optional>

#include "edit/EditFeatures.h"
#include "edit/EditHistory.h"
#include "edit/FieldRules.h"
#include "edit/ListGrids.h"
#include "edit/PageTree.h"
#include "files/Csv.h"
#include "model/Converters.h"
#include "model/Format.h"
#include "model/Models.h"
#include "model/Text.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

// A row as column name and cell text, in the order of its header.
using Cells = std::vector<std::pair<std::string, std::string>>;

constexpr std::string_view kEnableColumn = "ENABLE";
constexpr std::string_view kNameColumn = "CH Name";
constexpr std::string_view kDispColumn = "DISP";
constexpr std::string_view kEnableText = "[Enable]";
constexpr int kNameLength = 12;

const std::array<std::string_view, 3> kMarineBankNames{"USA", "INTL", "CANADA"};

std::string Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::optional<double> Number(std::string_view text)
{
    const std::string trimmed = Trimmed(text);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
    if (trimmed.empty() || ec != std::errc{} || end != trimmed.data() + trimmed.size()) {
        return std::nullopt;
    }
    return value;
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

std::string ChannelName(const RadioData& data, ChannelRef ref)
{
    if (ref.group == kGroupBankE) {
        return BankEName(data.ModelIndex) + std::to_string(ref.index + 1);
    }
    return std::string(kMarineBankNames.at(static_cast<std::size_t>(ref.group))) + " CH" +
           ChannelPlan().at(static_cast<std::size_t>(RecordOf(data, ref).Position)).Label;
}

// The grid's columns.
std::vector<std::string> KelpieColumns(int group, int modelIndex)
{
    std::vector<std::string> names;
    for (const GridColumn& column : ChannelGridColumns(group, modelIndex)) {
        names.push_back(column.Header);
    }
    return names;
}

// The grid's texts of a channel: a dashed "none" is empty, the sign place of the scrambler code
// and the blank after the narrow mark go; the number halves keep their stored characters and the
// name is UTF-8.
std::vector<std::string> KelpieCells(const RadioData& data, int group, int index)
{
    std::vector<std::string> cells = ChannelGridRow(data, group, index);
    const ChannelRecord& record = BankOf(data, group).at(static_cast<std::size_t>(index));
    const std::vector<std::string> columns = KelpieColumns(group, data.ModelIndex);
    for (std::size_t c = 0; c < cells.size(); ++c) {
        std::string& cell = cells[c];
        if (columns[c] == kNameColumn) {
            cell = Utf8FromWindows1252(record.ChTag);
        } else if (columns[c] == kDispColumn) {
            cell = std::string(record.CHDisplayL.size() < 2 ? 2 - record.CHDisplayL.size() : 0, ' ') +
                   record.CHDisplayL + record.CHDisplayR +
                   std::string(record.CHDisplayR.size() < 2 ? 2 - record.CHDisplayR.size() : 0, ' ');
        } else if (cell.find_first_not_of("-.") == std::string::npos) {
            cell.clear();
        } else {
            cell = Trimmed(cell);
        }
    }
    return cells;
}

std::string CellOf(const RadioData& data, ChannelRef ref, std::string_view column)
{
    const std::vector<std::string> columns = KelpieColumns(ref.group, data.ModelIndex);
    const auto at = std::ranges::find(columns, column);
    if (at == columns.end()) {
        return {};
    }
    return KelpieCells(data, ref.group, ref.index)[static_cast<std::size_t>(at - columns.begin())];
}

// A check-box column: its grid text for on, empty (or dashes) for off.
std::optional<bool> Flag(std::string_view text, std::string_view on)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.find_first_not_of('-') == std::string::npos) {
        return false;
    }
    if (EqualsIgnoringCase(trimmed, on) || (on == kEnableText && EqualsIgnoringCase(trimmed, "Enable"))) {
        return true;
    }
    return std::nullopt;
}

// A tone cell: empty for none, a CTCSS tone ("88.5Hz" or "88.5"), or a DCS code ("N023", "I023", "023").
struct Tone
{
    bool ctcss = false;
    int value = 0;
};

std::optional<int> CtcssValue(std::string_view text)
{
    std::string number = Trimmed(text);
    if (number.size() > 2 && EqualsIgnoringCase(number.substr(number.size() - 2), "Hz")) {
        number.resize(number.size() - 2);
    }
    const auto hz = Number(number);
    const std::vector<std::string>& names = CtcssNames();
    for (std::size_t i = 1; hz && i < names.size(); ++i) {
        if (std::abs(Number(names[i].substr(0, names[i].size() - 2)).value_or(0) - *hz) < 0.05) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> DcsValue(std::string_view text)
{
    const auto code = Number(text);
    const std::vector<std::string>& names = DcsNames();
    if (!code || *code != std::floor(*code)) {
        return std::nullopt;
    }
    const auto at = std::ranges::find(names, Format(*code, "000"));
    if (at == names.begin() || at == names.end()) {
        return std::nullopt;
    }
    return static_cast<int>(at - names.begin());
}

std::optional<Tone> ToneOf(std::string_view text)
{
    const std::string trimmed = Trimmed(text);
    if (trimmed.find_first_not_of('-') == std::string::npos) {
        return Tone{};
    }
    if (const auto ctcss = CtcssValue(trimmed); ctcss && trimmed.find('.') != std::string::npos) {
        return Tone{true, *ctcss};
    }
    const char kind = static_cast<char>(ToUpper(trimmed.substr(0, 1))[0]);
    const bool marked = kind == 'N' || kind == 'I';
    const auto dcs = DcsValue(marked ? std::string_view(trimmed).substr(1) : std::string_view(trimmed));
    if (!dcs) {
        return std::nullopt;
    }
    return Tone{false, kind == 'I' ? *dcs + kDcsLast : *dcs};
}

// A row's cells written through the page's edits, in the order the page allows them: a channel
// switched on first, the frequencies before the flags that need them, the receive code before the
// compander, a channel switched off last. Returns why the row is refused, or nothing.
class RowWriter
{
public:
    RowWriter(EditContext& ctx, ChannelRef ref, const Cells& cells, std::vector<std::string>& notes)
        : m_ctx(ctx), m_ref(ref), m_cells(cells), m_notes(notes)
    {}

    std::optional<std::string> Write()
    {
        const auto enable = Changed(kEnableColumn);
        std::optional<bool> on;
        if (enable) {
            on = Flag(*enable, kEnableText);
            if (!on) {
                return Quoted(*enable) + " is neither " + std::string(kEnableText) + " nor empty";
            }
            if (*on) {
                EditField(m_ctx, Record().Enable, true);
            }
        }
        for (const auto& step : Steps()) {
            if (auto refused = step()) {
                return refused;
            }
        }
        if (on && !*on) {
            EditField(m_ctx, Record().Enable, false);
        }
        return std::nullopt;
    }

private:
    using Step = std::function<std::optional<std::string>()>;

    ChannelRecord& Record() { return RecordOf(m_ctx.data, m_ref); }

    // The cell of a column when the row has it and it says something else than the channel holds.
    std::optional<std::string> Changed(std::string_view column) const
    {
        const auto at = std::ranges::find_if(m_cells, [&](const auto& cell) { return cell.first == column; });
        if (at == m_cells.end() || at->second == CellOf(m_ctx.data, m_ref, column)) {
            return std::nullopt;
        }
        return at->second;
    }

    static std::string NotOffered(std::string_view column)
    {
        return std::string(column) + " cannot be changed on this channel";
    }

    Step FlagStep(std::string_view column, std::string_view on, bool (*edit)(EditContext&, ChannelRef, bool))
    {
        return [this, column, on, edit]() -> std::optional<std::string> {
            const auto cell = Changed(column);
            if (!cell) {
                return std::nullopt;
            }
            const auto value = Flag(*cell, on);
            if (!value) {
                return std::string(column) + ": " + Quoted(*cell) + " is neither " + std::string(on) +
                       " nor empty";
            }
            return edit(m_ctx, m_ref, *value) ? std::nullopt : std::optional(NotOffered(column));
        };
    }

    Step FrequencyStep(std::string_view column, double ChannelRecord::*field)
    {
        return [this, column, field]() -> std::optional<std::string> {
            const auto cell = Changed(column);
            if (!cell || m_ref.group != kGroupBankE) {
                return std::nullopt;
            }
            double mhz = Record().*field;
            if (!CommitFrequency(false, m_ctx.data.ModelIndex, *cell, mhz).ok) {
                const EditFeatures& band = EditFeaturesOf(m_ctx.data.ModelIndex);
                return std::string(column) + ": " + Quoted(*cell) + " is outside " +
                       Format(band.lowestMhz, "0.0000") + "–" + Format(band.highestMhz, "0.0000") + " MHz" +
                       (band.raster25kHz ? " or off the 25 kHz raster" : "");
            }
            EditField(m_ctx, Record().*field, mhz);
            return std::nullopt;
        };
    }

    std::optional<std::string> Display()
    {
        const auto cell = Changed(kDispColumn);
        if (!cell || m_ref.group != kGroupBankE) {
            return std::nullopt;
        }
        std::string text = *cell;
        if (text.size() > 4) {
            return "DISP " + Quoted(text) + " is longer than 4 characters";
        }
        text.resize(4, ' ');
        const std::string left = Trimmed(text.substr(0, 2));
        const std::string right = Trimmed(text.substr(2));
        for (const auto& [half, field] :
             {std::pair{left, FieldId::ChannelLeft}, {right, FieldId::ChannelRight}}) {
            if (FilterText(field, DisplayCaseText(ToUpper(half))) != DisplayCaseText(ToUpper(half))) {
                return "DISP " + Quoted(*cell) + " holds characters the channel display cannot show";
            }
        }
        EditField(m_ctx, Record().CHDisplayL, ToUpper(left));
        EditField(m_ctx, Record().CHDisplayR, ToUpper(right));
        return std::nullopt;
    }

    std::optional<std::string> Scrambler()
    {
        const auto cell = Changed("VS");
        if (!cell) {
            return std::nullopt;
        }
        const std::string code = Trimmed(*cell);
        const auto item = std::ranges::find_if(kScrambleItems, [&](const ScrambleItem& i) {
            return code.find_first_not_of('-') == std::string::npos ? i.itemData == 0 : i.text == code;
        });
        if (item == kScrambleItems.end() || (item->itemData == 0 && !code.empty() && code != "--")) {
            return "VS: " + Quoted(*cell) + " is not a scrambler code 0..3 nor empty";
        }
        return SetScramble(m_ctx, m_ref, item->itemData) ? std::nullopt : std::optional(NotOffered("VS"));
    }

    std::optional<std::string> Name()
    {
        const auto cell = Changed(kNameColumn);
        if (!cell) {
            return std::nullopt;
        }
        if (!HasChannelNames(m_ctx.data.ModelIndex)) {
            m_notes.push_back("name left out: this radio keeps no channel names");
            return std::nullopt;
        }
        const std::string name = ToUpper(Windows1252FromUtf8(*cell));
        const std::string kept = FilterText(FieldId::ChannelName, name);
        if (kept != name.substr(0, kNameLength)) {
            return "CH Name " + Quoted(*cell) + " holds characters outside the radio's name set";
        }
        if (name.size() > kNameLength) {
            m_notes.push_back("name cut to " + std::to_string(kNameLength) + " characters: " + Quoted(kept));
        }
        EditField(m_ctx, Record().ChTag, kept);
        return std::nullopt;
    }

    std::optional<std::string> Width()
    {
        const auto cell = Changed("W/N");
        if (!cell) {
            return std::nullopt;
        }
        const auto narrow = Flag(*cell, "N");
        if (!narrow) {
            return "W/N: " + Quoted(*cell) + " is neither N nor empty";
        }
        return SetNarrow(m_ctx, m_ref, *narrow ? 1 : 0) ? std::nullopt : std::optional(NotOffered("W/N"));
    }

    Step ToneStep(std::string_view column, int direction)
    {
        return [this, column, direction]() -> std::optional<std::string> {
            const auto cell = Changed(column);
            if (!cell) {
                return std::nullopt;
            }
            const auto tone = ToneOf(*cell);
            if (!tone) {
                return std::string(column) + ": " + Quoted(*cell) +
                       " is neither a CTCSS tone, a DCS code nor empty";
            }
            const bool done = tone->value == 0
                                  ? SetCtcss(m_ctx, m_ref, direction, 0) && SetDcs(m_ctx, m_ref, direction, 0)
                              : tone->ctcss ? SetCtcss(m_ctx, m_ref, direction, tone->value)
                                            : SetDcs(m_ctx, m_ref, direction, tone->value);
            return done ? std::nullopt : std::optional(NotOffered(column));
        };
    }

    std::vector<Step> Steps()
    {
        return {[this] { return Display(); },
                FrequencyStep("RX[MHz]", &ChannelRecord::Rxfreq),
                FrequencyStep("TX[MHz]", &ChannelRecord::Txfreq),
                FlagStep("TX", "TX", &SetTxEnable),
                FlagStep("LOW", "LOW", &SetTxOnly),
                FlagStep("UP", "UP", &SetPowUp),
                FlagStep("DUP", "DUP", &SetDuplex),
                FlagStep("MEM", "MEM", &SetScanMemory),
                [this] { return Scrambler(); },
                [this] { return Name(); },
                [this] { return Width(); },
                ToneStep("RxTone", 1),
                ToneStep("TxTone", 0),
                FlagStep("Comp", "CMP", &SetRxComp)};
    }

    EditContext& m_ctx;
    ChannelRef m_ref;
    const Cells& m_cells;
    std::vector<std::string>& m_notes;
};

// Rows checked one after another on a working copy of the records; a refused row leaves its
// channel as it was.
class RowChecker
{
public:
    RowChecker(const RadioData& data, int group) : m_original(data), m_scratch(data)
    {
        m_result.Group = group;
    }

    void Check(int line, ChannelRef ref, const Cells& cells, std::vector<std::string> notes = {})
    {
        const ChannelRecord before = RecordOf(m_scratch, ref);
        const auto refused = RowWriter(m_ctx, ref, cells, notes).Write();
        const ChannelRecord& after = RecordOf(m_scratch, ref);
        std::optional<std::string> reason = refused;
        if (!reason && ref.group == kGroupBankE && after != before && !ChannelPageMayBeLeft(m_scratch, ref)) {
            reason = "an enabled channel needs an RX frequency and a channel number of two characters";
        }
        if (reason) {
            RecordOf(m_scratch, ref) = before;
            Refuse(line, ChannelName(m_scratch, ref), *reason);
            return;
        }
        std::string text = after == before ? "unchanged" : "written";
        for (const std::string& note : notes) {
            text += "; " + note;
        }
        m_touched.emplace_back(ref, m_result.Rows.size());
        m_result.Rows.push_back({line, ChannelName(m_scratch, ref), false, text});
    }

    void Refuse(int line, std::string channel, std::string reason)
    {
        m_result.Rows.push_back({line, std::move(channel), true, std::move(reason)});
    }

    ChannelImport Finish()
    {
        const ChannelBank& bank = BankOf(m_scratch, m_result.Group);
        if (std::ranges::none_of(bank, &ChannelRecord::Enable)) {
            // A bank always keeps one enabled channel: the rows that switched channels off are refused.
            for (auto& [ref, row] : m_touched) {
                if (RecordOf(m_original, ref).Enable && !RecordOf(m_scratch, ref).Enable) {
                    RecordOf(m_scratch, ref) = RecordOf(m_original, ref);
                    m_result.Rows[row].Refused = true;
                    m_result.Rows[row].Text = "the bank would keep no enabled channel";
                }
            }
        }
        for (const auto& [ref, row] : m_touched) {
            const ChannelRecord& record = RecordOf(m_scratch, ref);
            const bool listed = std::ranges::any_of(m_result.Changes, [&](const ChannelImport::Change& c) {
                return c.Ref.group == ref.group && c.Ref.index == ref.index;
            });
            if (!listed && record != RecordOf(m_original, ref)) {
                m_result.Changes.push_back({ref, record, row});
            }
        }
        return std::move(m_result);
    }

    ChannelImport Failed(std::string error)
    {
        m_result.Error = std::move(error);
        return std::move(m_result);
    }

private:
    const RadioData& m_original;
    RadioData m_scratch;
    ShellState m_shell;
    EditContext m_ctx{m_scratch, m_shell};
    std::vector<std::pair<ChannelRef, std::size_t>> m_touched;
    ChannelImport m_result;
};

Cells CellsOf(const std::vector<std::string>& header, const CsvRecord& record)
{
    Cells cells;
    for (std::size_t c = 0; c < record.Fields.size() && c < header.size(); ++c) {
        cells.emplace_back(header[c], record.Fields[c]);
    }
    return cells;
}

// The header's columns in the bank's own spelling; an error when one is not the bank's.
std::optional<std::string> MatchHeader(std::vector<std::string>& header, int group, int modelIndex)
{
    const std::vector<std::string> known = KelpieColumns(group, modelIndex);
    for (std::string& name : header) {
        const auto at = std::ranges::find_if(
            known, [&](const std::string& k) { return EqualsIgnoringCase(k, Trimmed(name)); });
        if (at == known.end()) {
            return "column " + Quoted(name) + " is not a column of this channel list";
        }
        name = *at;
    }
    if (std::ranges::find(header, "CH") == header.end()) {
        return std::string("the header has no CH column");
    }
    return std::nullopt;
}

// The channel a row's CH cell names: a marine channel by its label, a bank E channel by its number.
std::optional<ChannelRef> ChannelByLabel(int group, std::string_view label)
{
    const std::string text = Trimmed(label);
    if (group == kGroupBankE) {
        const auto n = Number(text);
        if (!n || *n != std::floor(*n) || *n < 1 || *n > kExpChannelCount) {
            return std::nullopt;
        }
        return ChannelRef{group, static_cast<int>(*n) - 1};
    }
    const auto& plan = ChannelPlan();
    const auto at =
        std::ranges::find_if(plan, [&](const PlanEntry& e) { return EqualsIgnoringCase(e.Label, text); });
    if (at == plan.end()) {
        return std::nullopt;
    }
    return ChannelRef{group, static_cast<int>(at - plan.begin())};
}

std::string BankTitle(const RadioData& data, int group)
{
    return group == kGroupBankE ? BankEName(data.ModelIndex)
                                : std::string(kMarineBankNames.at(static_cast<std::size_t>(group)));
}

// Kelpie rows: keyed by CH, or placed on `targets` one after another when given.
ChannelImport CheckKelpieRows(const RadioData& data, int group, const std::vector<CsvRecord>& records,
                              const std::vector<int>* targets)
{
    RowChecker checker(data, group);
    if (records.empty()) {
        return checker.Failed("the text holds no header");
    }
    std::vector<std::string> header = records.front().Fields;
    if (const auto error = MatchHeader(header, group, data.ModelIndex)) {
        return checker.Failed(*error);
    }
    const std::size_t chColumn = static_cast<std::size_t>(std::ranges::find(header, "CH") - header.begin());
    for (std::size_t r = 1; r < records.size(); ++r) {
        const CsvRecord& record = records[r];
        const std::string label = chColumn < record.Fields.size() ? record.Fields[chColumn] : "";
        if (record.Fields.size() > header.size()) {
            checker.Refuse(record.Line, "", "the row has more fields than the header");
            continue;
        }
        std::optional<ChannelRef> ref;
        if (targets && group == kGroupBankE) {
            const int first = targets->empty() ? 0 : targets->front();
            const std::size_t k = r - 1;
            const int index = k < targets->size() ? (*targets)[k]
                                                  : (targets->empty() ? first : targets->back()) +
                                                        static_cast<int>(k - targets->size()) + 1;
            if (index < kExpChannelCount) {
                ref = ChannelRef{group, index};
            }
        } else {
            ref = ChannelByLabel(group, label);
        }
        if (!ref) {
            checker.Refuse(record.Line, "", "no channel " + Quoted(label) + " in " + BankTitle(data, group));
            continue;
        }
        Cells cells = CellsOf(header, record);
        std::erase_if(cells, [](const auto& cell) { return cell.first == "CH"; });
        checker.Check(record.Line, *ref, cells);
    }
    return checker.Finish();
}

// CHIRP's columns.
const std::vector<std::string> kChirpHeader{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// One CHIRP row's values by column name.
class ChirpRow
{
public:
    ChirpRow(const std::vector<std::string>& header, const CsvRecord& record)
    {
        for (std::size_t c = 0; c < header.size() && c < record.Fields.size(); ++c) {
            m_values[ToUpper(Trimmed(header[c]))] = record.Fields[c];
        }
    }
    bool Has(std::string_view column) const { return m_values.contains(ToUpper(column)); }
    // The value without the blanks around it; Raw keeps them, as a name's are kept.
    std::string operator[](std::string_view column) const { return Trimmed(Raw(column)); }
    std::string Raw(std::string_view column) const
    {
        const auto at = m_values.find(ToUpper(column));
        return at == m_values.end() ? std::string() : at->second;
    }

private:
    std::map<std::string, std::string> m_values;
};

std::string CtcssCell(std::string_view hz, std::string& error)
{
    const auto value = CtcssValue(hz);
    if (!value) {
        error = "CTCSS tone " + Quoted(hz) + " is not in the radio's tone table";
        return {};
    }
    return CtcssNames()[static_cast<std::size_t>(*value)];
}

std::string DcsCell(std::string_view code, std::string& error)
{
    const auto value = DcsValue(code);
    if (!value) {
        error = "DCS code " + Quoted(code) + " is not in the radio's DCS table";
        return {};
    }
    return "N" + DcsNames()[static_cast<std::size_t>(*value)];
}

// The transmit and receive tone cells of a CHIRP row; `error` says why they cannot be had.
std::pair<std::string, std::string> ChirpTones(const ChirpRow& row, std::string& error)
{
    const std::string mode = row["Tone"];
    std::string txKind;
    std::string rxKind;
    if (mode.empty()) {
    } else if (mode == "Tone") {
        txKind = "Tone";
    } else if (mode == "TSQL") {
        txKind = rxKind = "TSQL";
    } else if (mode == "DTCS") {
        txKind = rxKind = "DTCS";
    } else if (mode == "TSQL-R") {
        rxKind = "TSQL";
    } else if (mode == "DTCS-R") {
        rxKind = "DTCS";
    } else if (mode == "Cross") {
        const std::string cross = row["CrossMode"];
        const auto arrow = cross.find("->");
        if (arrow == std::string::npos) {
            error = "CrossMode " + Quoted(cross) + " is not a cross mode";
            return {};
        }
        txKind = cross.substr(0, arrow);
        rxKind = cross.substr(arrow + 2);
        if (rxKind == "Tone") {
            rxKind = "TSQL";
        }
        if (rxKind == "DTCS") {
            rxKind = "RxDTCS";
        }
        const auto known = [](const std::string& k) {
            return k.empty() || k == "Tone" || k == "TSQL" || k == "DTCS" || k == "RxDTCS";
        };
        if (!known(txKind) || !known(rxKind) || txKind == "TSQL" || txKind == "RxDTCS") {
            error = "CrossMode " + Quoted(cross) + " is not a cross mode";
            return {};
        }
    } else {
        error = "Tone " + Quoted(mode) + " is not a tone mode";
        return {};
    }
    const bool usesDcs = txKind == "DTCS" || rxKind == "DTCS" || rxKind == "RxDTCS";
    const std::string polarity = row["DtcsPolarity"];
    if (usesDcs && !polarity.empty() && polarity != "NN") {
        error = "DCS polarity " + Quoted(polarity) + " is not normal";
        return {};
    }
    const auto cell = [&](const std::string& kind) {
        return kind == "Tone"     ? CtcssCell(row["rToneFreq"], error)
               : kind == "TSQL"   ? CtcssCell(row["cToneFreq"], error)
               : kind == "DTCS"   ? DcsCell(row["DtcsCode"], error)
               : kind == "RxDTCS" ? DcsCell(row["RxDtcsCode"], error)
                                  : std::string();
    };
    std::pair<std::string, std::string> tones{cell(txKind), cell(rxKind)};
    return tones;
}

// The transmit frequency cell of a CHIRP row.
std::optional<std::string> ChirpTx(const ChirpRow& row, double rx, std::string& error)
{
    const std::string duplex = row["Duplex"];
    const auto offset = Number(row["Offset"]);
    if (duplex.empty()) {
        return row["Frequency"];
    }
    if (EqualsIgnoringCase(duplex, "off")) {
        return std::string();
    }
    if (!offset) {
        error = "Offset " + Quoted(row["Offset"]) + " is not a frequency";
        return std::nullopt;
    }
    if (duplex == "+" || duplex == "-") {
        return Format(duplex == "+" ? rx + *offset : rx - *offset, "0.000000");
    }
    if (EqualsIgnoringCase(duplex, "split")) {
        return row["Offset"];
    }
    error = "Duplex " + Quoted(duplex) + " is not +, -, split, off or empty";
    return std::nullopt;
}

std::optional<double> Watts(std::string_view power)
{
    std::string text = Trimmed(power);
    if (!text.empty() && (text.back() == 'W' || text.back() == 'w')) {
        text.pop_back();
    }
    return Number(text);
}

// A CHIRP row as the bank E columns; `error` says why it cannot be.
Cells ChirpCells(const ChirpRow& row, int position, double highWatts, std::string& error)
{
    const auto rx = Number(row["Frequency"]);
    if (!rx) {
        error = "Frequency " + Quoted(row["Frequency"]) + " is not a frequency";
        return {};
    }
    const auto tx = ChirpTx(row, *rx, error);
    const auto [txTone, rxTone] = ChirpTones(row, error);
    if (!error.empty()) {
        return {};
    }
    Cells cells{{"ENABLE", std::string(kEnableText)},
                {"DISP", Format(position, "00") + "  "},
                {"RX[MHz]", row["Frequency"]},
                {"TX[MHz]", *tx},
                {"RxTone", rxTone},
                {"TxTone", txTone}};
    const std::string mode = row["Mode"];
    if (mode == "NFM" || mode == "FM") {
        cells.emplace_back("W/N", mode == "NFM" ? "N" : "");
    } else if (!mode.empty()) {
        error = "Mode " + Quoted(mode) + " is neither FM nor NFM";
        return {};
    }
    const std::string skip = row["Skip"];
    if (!skip.empty() && skip != "S" && skip != "P") {
        error = "Skip " + Quoted(skip) + " is neither S, P nor empty";
        return {};
    }
    cells.emplace_back("MEM", skip == "S" ? "" : "MEM");
    const std::string power = row["Power"];
    const auto watts = Watts(power);
    if (!power.empty()) {
        const bool low = EqualsIgnoringCase(power, "Low") || (watts && *watts < highWatts);
        cells.emplace_back("LOW", low ? "LOW" : "");
    }
    if (row.Has("Name")) {
        cells.emplace_back(std::string(kNameColumn), row.Raw("Name"));
    }
    return cells;
}

std::string ChirpTone(const ChannelRecord& record, int direction, std::string& ctcss, std::string& dcs)
{
    if (record.Ctcss(direction) > 0) {
        const std::string name = CtcssName(record.Ctcss(direction));
        ctcss = name.substr(0, name.size() - 2);
        return "Tone";
    }
    if (record.Dcs(direction) > 0) {
        const int code = record.Dcs(direction);
        dcs = DcsName(code > kDcsLast ? code - kDcsLast : code);
        return "DTCS";
    }
    return "";
}

}  // namespace

bool ChannelImport::HasRefusedRows() const
{
    return std::ranges::any_of(Rows, &RowReport::Refused);
}

std::string ExportChannelRows(const RadioData& data, int group, const std::vector<int>& indexes,
                              char separator)
{
    std::string text = CsvLine(KelpieColumns(group, data.ModelIndex), separator);
    for (const int index : indexes) {
        text += CsvLine(KelpieCells(data, group, index), separator);
    }
    return text;
}

std::string ExportKelpieCsv(const RadioData& data, int group)
{
    std::vector<int> all(BankOf(data, group).size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        all[i] = static_cast<int>(i);
    }
    return ExportChannelRows(data, group, all, ',');
}

std::string ExportChirpCsv(const RadioData& data)
{
    std::string text = CsvLine(kChirpHeader);
    for (std::size_t i = 0; i < data.ExpChannels.size(); ++i) {
        const ChannelRecord& record = data.ExpChannels[i];
        if (!record.Enable) {
            continue;
        }
        std::string duplex;
        double offset = 0.0;
        if (record.Txfreq <= 0) {
            duplex = "off";
        } else if (record.Txfreq > record.Rxfreq + 0.00005) {
            duplex = "+", offset = record.Txfreq - record.Rxfreq;
        } else if (record.Txfreq < record.Rxfreq - 0.00005) {
            duplex = "-", offset = record.Rxfreq - record.Txfreq;
        }
        std::string rTone = "88.5", cTone = "88.5", txDcs = "023", rxDcs = "023";
        const std::string tx = ChirpTone(record, 0, rTone, txDcs);
        std::string rx = ChirpTone(record, 1, cTone, rxDcs);
        std::string tone;
        std::string cross = "Tone->Tone";
        if (tx == "Tone" && rx.empty()) {
            tone = "Tone";
        } else if (tx == "Tone" && rx == "Tone" && rTone == cTone) {
            tone = "TSQL";
        } else if (tx == "DTCS" && rx == "DTCS" && txDcs == rxDcs) {
            tone = "DTCS";
        } else if (tx.empty() && rx == "Tone") {
            tone = "TSQL-R";
        } else if (tx.empty() && rx == "DTCS") {
            tone = "DTCS-R";
            txDcs = rxDcs;
        } else if (!tx.empty() || !rx.empty()) {
            tone = "Cross";
            cross = tx + "->" + rx;
        }
        const std::string polarity =
            std::string(record.TxDCS > kDcsLast ? "R" : "N") + (record.RxDCS > kDcsLast ? "R" : "N");
        text += CsvLine({std::to_string(i + 1),
                         Utf8FromWindows1252(record.ChTag),
                         Format(record.Rxfreq, "0.000000"),
                         duplex,
                         Format(duplex == "off" ? 0.0 : offset, "0.000000"),
                         tone,
                         rTone,
                         cTone,
                         txDcs,
                         polarity,
                         rxDcs,
                         cross,
                         record.Narrow && HasLmrBank(data.ModelIndex) ? "NFM" : "FM",
                         "12.50",
                         record.ScanMemory ? "" : "S",
                         record.LowPower ? "Low" : "High",
                         "",
                         "",
                         "",
                         "",
                         ""});
    }
    return text;
}

bool IsChirpCsv(std::string_view text)
{
    const std::vector<CsvRecord> header = ParseCsv(text.substr(0, text.find('\n')));
    return !header.empty() && std::ranges::any_of(header.front().Fields, [](const std::string& field) {
        return EqualsIgnoringCase(Trimmed(field), "Location");
    });
}

ChannelImport CheckKelpieCsv(const RadioData& data, int group, std::string_view text)
{
    return CheckKelpieRows(data, group, ParseCsv(text), nullptr);
}

ChannelImport CheckPastedRows(const RadioData& data, int group, std::string_view text,
                              const std::vector<int>& selected)
{
    const auto firstLine = text.substr(0, text.find('\n'));
    const char separator = firstLine.find('\t') != std::string_view::npos ? '\t' : ',';
    return CheckKelpieRows(data, group, ParseCsv(text, separator), &selected);
}

ChannelImport CheckClearedRows(const RadioData& data, const std::vector<int>& indexes)
{
    RowChecker checker(data, kGroupBankE);
    const std::vector<std::string> columns = KelpieColumns(kGroupBankE, data.ModelIndex);
    for (const int index : indexes) {
        Cells cells;
        for (const std::string& column : columns) {
            if (column != "CH") {
                cells.emplace_back(column, column == kDispColumn ? "    " : "");
            }
        }
        checker.Check(index + 2, {kGroupBankE, index}, cells);
    }
    return checker.Finish();
}

ChannelImport CheckChirpCsv(const RadioData& data, std::string_view text, ChirpPlacing placing)
{
    RowChecker checker(data, kGroupBankE);
    const std::vector<CsvRecord> records = ParseCsv(text);
    if (records.empty()) {
        return checker.Failed("the text holds no header");
    }
    const std::vector<std::string>& header = records.front().Fields;
    for (const char* required : {"Location", "Frequency"}) {
        if (std::ranges::none_of(
                header, [&](const std::string& h) { return EqualsIgnoringCase(Trimmed(h), required); })) {
            return checker.Failed(std::string("the header has no ") + required +
                                  " column: not a CHIRP channel list");
        }
    }
    std::vector<ChirpRow> rows;
    double highWatts = 0.0;
    for (std::size_t r = 1; r < records.size(); ++r) {
        rows.emplace_back(header, records[r]);
        highWatts = std::max(highWatts, Watts(rows.back()["Power"]).value_or(0.0));
    }
    std::vector<int> free;
    for (int i = 0; i < kExpChannelCount; ++i) {
        if (!data.ExpChannels[static_cast<std::size_t>(i)].Enable) {
            free.push_back(i);
        }
    }
    std::size_t nextFree = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int line = records[r + 1].Line;
        const ChirpRow& row = rows[r];
        int index = -1;
        if (placing == ChirpPlacing::NextFree) {
            if (nextFree >= free.size()) {
                checker.Refuse(line, "", "no free channel left in " + BankEName(data.ModelIndex));
                continue;
            }
            index = free[nextFree++];
        } else {
            const auto location = Number(row["Location"]);
            if (!location || *location != std::floor(*location) || *location < 1 ||
                *location > kExpChannelCount) {
                checker.Refuse(line, "", "Location " + Quoted(row["Location"]) + " is not a channel 1..40");
                continue;
            }
            index = static_cast<int>(*location) - 1;
        }
        std::string error;
        const Cells cells = ChirpCells(row, index + 1, highWatts, error);
        if (!error.empty()) {
            checker.Refuse(line, ChannelName(data, {kGroupBankE, index}), error);
            continue;
        }
        checker.Check(line, {kGroupBankE, index}, cells);
    }
    return checker.Finish();
}

bool ApplyChannelImport(EditContext& ctx, const ChannelImport& checked, bool skipRefused,
                        const std::string& caption)
{
    if (!checked.Error.empty() || (checked.HasRefusedRows() && !skipRefused) || checked.Changes.empty() ||
        ctx.shell.BusyFlag) {
        return false;
    }
    // Every row written is part of one step: one undo puts the whole list back.
    EditStep step(ctx, {caption, GroupNodeKey(checked.Changes.front().Ref.group)});
    for (const ChannelImport::Change& change : checked.Changes) {
        EditField(ctx, RecordOf(ctx.data, change.Ref), change.Record);
    }
    return true;
}

std::string ImportReport(const ChannelImport& checked)
{
    if (!checked.Error.empty()) {
        return "Refused: " + checked.Error + ".";
    }
    std::string text;
    for (const RowReport& row : checked.Rows) {
        text += "Line " + std::to_string(row.Line) + ": " + (row.Channel.empty() ? "" : row.Channel + " ") +
                (row.Refused ? "refused: " : "") + row.Text + ".\n";
    }
    return text;
}

std::string RefusedRowsText(const ChannelImport& checked)
{
    ChannelImport refused = checked;
    std::erase_if(refused.Rows, [](const RowReport& row) { return !row.Refused; });
    return ImportReport(refused);
}

}  // namespace kelpie
