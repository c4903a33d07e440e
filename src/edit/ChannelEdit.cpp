// ChannelEdit.cpp — the channel and weather pages' contents and edits.
#include "edit/ChannelEdit.h"

#include <algorithm>
#include <charconv>

#include "edit/EditFeatures.h"
#include "edit/FieldRules.h"
#include "edit/PageTree.h"
#include "model/Converters.h"
#include "model/Format.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

// A direction's tone and code fields: element 0 transmit, 1 receive.
using ToneField = std::int16_t ChannelRecord::*;
constexpr std::array<ToneField, 2> kCtcssFields{&ChannelRecord::TxCTCSS, &ChannelRecord::RxCTCSS};
constexpr std::array<ToneField, 2> kDcsFields{&ChannelRecord::TxDCS, &ChannelRecord::RxDCS};

// Channels 16 and 70 (distress and DSC calling) are never scrambled.
constexpr std::array<int, 2> kUnscrambledSlots{32, 140};

bool IsExtraBank(ChannelRef ref)
{
    return ref.group == kGroupBankE;
}

const PlanEntry& PlanOf(const ChannelRecord& record)
{
    return ChannelPlan().at(static_cast<std::size_t>(record.Position));
}

// The fixed-plan channel offers the scrambler only when the radio has the option and the channel
// is not one of the calling channels.
bool ScramblerOffered(const ChannelRecord& record, ChannelRef ref)
{
    if (IsExtraBank(ref)) {
        return true;
    }
    return record.ScramblerOption && std::find(kUnscrambledSlots.begin(), kUnscrambledSlots.end(),
                                               record.Position) == kUnscrambledSlots.end();
}

bool TransmitOffered(const ChannelRecord& record, ChannelRef ref)
{
    return !IsExtraBank(ref) && !record.RxOnly;
}

bool DuplexOffered(const ChannelRecord& record, ChannelRef ref)
{
    return !IsExtraBank(ref) && record.DuplexAllowed;
}

bool TonesOffered(const RadioData& data, ChannelRef ref)
{
    return IsExtraBank(ref) && HasLmrBank(data.ModelIndex);
}

bool CompanderOffered(const ChannelRecord& record)
{
    return record.RxDCS > 0 && record.RxDCS <= kDcsLast;
}

// The plan label split at its first "A": the number zero-filled to two or three digits, and the
// rest from the "A" on.
void ShowPlanNumber(const PlanEntry& plan, ChannelPage& page)
{
    const std::string& label = plan.Label;
    const auto a = label.find('A');
    int number = 0;
    std::from_chars(label.data(), label.data() + std::min(a, label.size()), number);
    const bool wide = number >= 100;
    page.channelNumber[0] = DisplayCaseText(Format(number, wide ? "000" : "00"));
    page.channelNumber[1] = a == std::string::npos ? "" : DisplayCaseText(label.substr(a));
    page.channelNumberLimit = wide ? 3 : 2;
}

// A change through one of the page's controls, refused when the control is not offered.
template <typename Field, typename Value>
bool EditOffered(EditContext& ctx, bool offered, Field& field, const Value& value)
{
    return offered && EditField(ctx, field, value);
}

// Chooses a tone or code for a direction; a chosen one clears the direction's other kind, and a
// receive channel left without a plain code loses its compander.
bool SetTone(EditContext& ctx, ChannelRef ref, int direction, int value, int last,
             const std::array<ToneField, 2>& chosen, const std::array<ToneField, 2>& other)
{
    ChannelRecord& record = RecordOf(ctx.data, ref);
    const bool offered = TonesOffered(ctx.data, ref) && record.Enable && (direction == 0 || direction == 1) &&
                         value >= 0 && value <= last;
    const auto d = static_cast<std::size_t>(direction);
    if (!offered || !EditField(ctx, record.*chosen.at(d), static_cast<std::int16_t>(value))) {
        return false;
    }
    if (value != 0) {
        record.*other.at(d) = 0;
    }
    record.RxComp = record.RxComp && CompanderOffered(record);
    return true;
}

}  // namespace

ChannelRecord& RecordOf(RadioData& data, ChannelRef ref)
{
    return BankOf(data, ref.group).at(static_cast<std::size_t>(ref.index));
}

const ChannelRecord& RecordOf(const RadioData& data, ChannelRef ref)
{
    return BankOf(data, ref.group).at(static_cast<std::size_t>(ref.index));
}

int ScrambleItemIndex(int scramble)
{
    return (scramble & 4) == 0 ? 0 : (scramble & 3) + 1;
}

ChannelPage FillPage(const RadioData& data, ChannelRef ref)
{
    const ChannelRecord& record = RecordOf(data, ref);
    const bool on = record.Enable;
    ChannelPage page;
    page.extraBank = IsExtraBank(ref);
    page.transmitPanel = !page.extraBank;
    page.duplexPanel = !page.extraBank;
    page.tonePanel = TonesOffered(data, ref);
    page.scramblerShown = HasScramblerCombo(data.ModelIndex);
    page.nameShown = HasChannelNames(data.ModelIndex);

    if (page.extraBank) {
        page.channelNumber = {DisplayCaseText(record.CHDisplayL), DisplayCaseText(record.CHDisplayR)};
        page.rxFrequency = FreqText4(record.Rxfreq);
        page.txFrequency = FreqText4(record.Txfreq);
    } else {
        const PlanEntry& plan = PlanOf(record);
        ShowPlanNumber(plan, page);
        page.rxFrequency = FreqText3(ReceiveFrequency(plan, record.Duplex));
        page.txFrequency = FreqText3Or(plan.TxFreq, record.RxOnly);
    }

    page.enable = {on, true};
    page.controlsEnabled = on;
    page.txEnable = {record.TxEnable && !record.RxOnly, on && (page.extraBank || !record.RxOnly)};
    page.txOnly = {record.LowPower, page.txEnable.enabled};
    page.txPower = {record.PowUp, page.txOnly.checked && page.txOnly.enabled};
    page.duplex = {record.Duplex, on && DuplexOffered(record, ref)};
    page.scan = {record.ScanMemory, on};

    const bool scrambler = ScramblerOffered(record, ref);
    page.scrambleIndex = page.extraBank || record.ScramblerOption ? ScrambleItemIndex(record.Scramble) : 0;
    page.scrambleEnabled = on && scrambler;
    page.name = record.ChTag;
    page.wideOption = record.Narrow ? 1 : 0;
    page.ctcss = {record.TxCTCSS, record.RxCTCSS};
    page.dcs = {record.TxDCS, record.RxDCS};
    page.compander = {record.RxComp, on && CompanderOffered(record)};
    return page;
}

ChannelPage FillChannelPage(const RadioData& data, int group, int slot)
{
    return FillPage(data, {group, slot});
}

ChannelPage FillExtraChannelPage(const RadioData& data, int n)
{
    return FillPage(data, {kGroupBankE, n - 1});
}

std::string ChannelNodeText(const RadioData& data, ChannelRef ref)
{
    const ChannelRecord& record = RecordOf(data, ref);
    const std::string text = IsExtraBank(ref) ? BankEName(data.ModelIndex) + std::to_string(ref.index + 1)
                                              : "CH" + PlanOf(record).Label;
    return record.Enable ? text + "[Enable]" : text;
}

StepLabel ChannelStep(const RadioData& data, ChannelRef ref, std::string_view what)
{
    const std::string number =
        IsExtraBank(ref) ? std::to_string(ref.index + 1) : "CH" + PlanOf(RecordOf(data, ref)).Label;
    return {GroupName(data, ref.group) + " " + number + " " + std::string(what),
            ChannelPageKey(ref.group, ref.index)};
}

bool SetChannelEnable(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "enable"));
    const ChannelBank& bank = BankOf(ctx.data, ref.group);
    const ChannelRecord& record = RecordOf(ctx.data, ref);
    const bool anotherEnabled = std::any_of(
        bank.begin(), bank.end(), [&record](const ChannelRecord& r) { return r.Enable && &r != &record; });
    return EditOffered(ctx, on || anotherEnabled, RecordOf(ctx.data, ref).Enable, on);
}

bool SetTxEnable(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "TX enable"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    if (!EditOffered(ctx, TransmitOffered(record, ref) && record.Enable, record.TxEnable, on)) {
        return false;
    }
    record.TXPower = record.LowPower ? 1 : 3;
    return true;
}

bool SetTxOnly(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "low power only"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    if (!EditOffered(ctx, FillPage(ctx.data, ref).txOnly.enabled, record.LowPower, on)) {
        return false;
    }
    record.TXPower = on ? 1 : 3;
    return true;
}

bool SetPowUp(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "power up"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    return EditOffered(ctx, FillPage(ctx.data, ref).txPower.enabled, record.PowUp, on);
}

bool SetDuplex(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "duplex"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    return EditOffered(ctx, record.Enable && DuplexOffered(record, ref), record.Duplex, on);
}

bool SetScanMemory(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "scan memory"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    return EditOffered(ctx, record.Enable, record.ScanMemory, on);
}

bool SetScramble(EditContext& ctx, ChannelRef ref, int itemData)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "scrambler"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    const bool known =
        std::any_of(kScrambleItems.begin(), kScrambleItems.end(),
                    [itemData](const ScrambleItem& item) { return item.itemData == itemData; });
    const bool offered =
        known && record.Enable && HasScramblerCombo(ctx.data.ModelIndex) && ScramblerOffered(record, ref);
    return EditOffered(ctx, offered, record.Scramble, static_cast<std::int16_t>(itemData));
}

bool SetNarrow(EditContext& ctx, ChannelRef ref, int option)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "width"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    return EditOffered(ctx, TonesOffered(ctx.data, ref) && record.Enable, record.Narrow, option == 1);
}

bool SetCtcss(EditContext& ctx, ChannelRef ref, int direction, int tone)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, direction == 0 ? "TX CTCSS" : "RX CTCSS"));
    return SetTone(ctx, ref, direction, tone, kCtcssLast, kCtcssFields, kDcsFields);
}

bool SetDcs(EditContext& ctx, ChannelRef ref, int direction, int code)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, direction == 0 ? "TX DCS" : "RX DCS"));
    return SetTone(ctx, ref, direction, code, 2 * kDcsLast, kDcsFields, kCtcssFields);
}

bool SetRxComp(EditContext& ctx, ChannelRef ref, bool on)
{
    const EditStep step(ctx, ChannelStep(ctx.data, ref, "compander"));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    const bool offered = TonesOffered(ctx.data, ref) && record.Enable && CompanderOffered(record);
    return EditOffered(ctx, offered, record.RxComp, on);
}

bool ChannelPageMayBeLeft(const RadioData& data, ChannelRef ref)
{
    if (!IsExtraBank(ref)) {
        return true;
    }
    const ChannelRecord& record = RecordOf(data, ref);
    return !record.Enable || (record.Rxfreq > 0 && record.CHDisplayL.size() >= 2);
}

std::string ChannelLeaveText(const RadioData& data, ChannelRef ref)
{
    if (ChannelPageMayBeLeft(data, ref)) {
        return {};
    }
    const ChannelRecord& record = RecordOf(data, ref);
    const bool noFrequency = !(record.Rxfreq > 0);
    const bool noNumber = record.CHDisplayL.size() < 2;
    const std::string missing = noFrequency && noNumber ? "no RX frequency and no channel number"
                                : noFrequency           ? "no RX frequency"
                                                        : "no channel number";
    std::string text = std::string(kDataErrorText) + "\n" + BankEName(data.ModelIndex) +
                       std::to_string(ref.index + 1) + " is switched on but has " + missing + ".";
    if (noFrequency) {
        text += "\n" + RuleText(FieldId::RxFreq, data.ModelIndex);
    }
    if (noNumber) {
        text += "\n" + RuleText(FieldId::ChannelLeft, data.ModelIndex);
    }
    return text + "\nEnter " + (noFrequency && noNumber ? "them" : "it") + ", or switch the channel off.";
}

WeatherPage FillWeatherPage(const RadioData& data)
{
    WeatherPage page;
    page.namesShown = HasChannelNames(data.ModelIndex);
    for (std::size_t i = 0; i < page.rows.size(); ++i) {
        const ChannelRecord& record = data.WxChannels.at(i);
        WeatherRow& row = page.rows[i];
        row.caption = WxPlan().at(static_cast<std::size_t>(record.Position)).Label;
        row.enable = record.Enable;
        row.scan = {record.ScanMemory, record.Enable};
        row.name = record.ChTag;
        row.nameEnabled = record.Enable;
    }
    return page;
}

StepLabel WeatherStep(const RadioData& data, int row, std::string_view what)
{
    const ChannelRecord& record = data.WxChannels.at(static_cast<std::size_t>(row));
    return {
        "Weather " + WxPlan().at(static_cast<std::size_t>(record.Position)).Label + " " + std::string(what),
        "PW"};
}

bool SetWeatherEnable(EditContext& ctx, int row, bool on)
{
    const EditStep step(ctx, WeatherStep(ctx.data, row, "enable"));
    return EditField(ctx, ctx.data.WxChannels.at(static_cast<std::size_t>(row)).Enable, on);
}

bool SetWeatherScan(EditContext& ctx, int row, bool on)
{
    const EditStep step(ctx, WeatherStep(ctx.data, row, "scan memory"));
    ChannelRecord& record = ctx.data.WxChannels.at(static_cast<std::size_t>(row));
    return EditOffered(ctx, record.Enable, record.ScanMemory, on);
}

}  // namespace kelpie
