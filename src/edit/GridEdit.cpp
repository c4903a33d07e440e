// GridEdit.cpp — the grid's cells over the channel page's edits.
#include "edit/GridEdit.h"

#include <optional>

#include "edit/EditHistory.h"
#include "edit/PageTree.h"
#include "model/Converters.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr std::string_view kNotOfferedText = "The channel does not offer this setting: ";

int ToneDirection(GridField field)
{
    return field == GridField::TxTone ? 0 : 1;
}

bool SetTone(EditContext& ctx, ChannelRef ref, int direction, int value)
{
    if (value == 0) {
        return SetCtcss(ctx, ref, direction, 0) && SetDcs(ctx, ref, direction, 0);
    }
    if (value < kDcsChoiceBase) {
        return SetCtcss(ctx, ref, direction, value);
    }
    return SetDcs(ctx, ref, direction, value - kDcsChoiceBase);
}

bool SetValue(EditContext& ctx, ChannelRef ref, GridField field, int value)
{
    const bool on = value != 0;
    switch (field) {
        case GridField::Enable:
            return SetChannelEnable(ctx, ref, on);
        case GridField::TxEnable:
            return SetTxEnable(ctx, ref, on);
        case GridField::LowPower:
            return SetTxOnly(ctx, ref, on);
        case GridField::PowUp:
            return SetPowUp(ctx, ref, on);
        case GridField::Duplex:
            return SetDuplex(ctx, ref, on);
        case GridField::ScanMemory:
            return SetScanMemory(ctx, ref, on);
        case GridField::Compander:
            return SetRxComp(ctx, ref, on);
        case GridField::Scramble:
            return SetScramble(ctx, ref, value);
        case GridField::Width:
            return SetNarrow(ctx, ref, value);
        case GridField::RxTone:
        case GridField::TxTone:
            return SetTone(ctx, ref, ToneDirection(field), value);
        default:
            return false;
    }
}

CellOutcome Refused(std::string message)
{
    return {false, std::move(message)};
}

}  // namespace

CellEditor CellEditorOf(GridField field, int group)
{
    switch (field) {
        case GridField::Enable:
        case GridField::TxEnable:
        case GridField::LowPower:
        case GridField::PowUp:
        case GridField::Duplex:
        case GridField::ScanMemory:
        case GridField::Compander:
            return CellEditor::Check;
        case GridField::Scramble:
        case GridField::Width:
        case GridField::RxTone:
        case GridField::TxTone:
            return CellEditor::Choice;
        case GridField::Name:
            return CellEditor::Text;
        case GridField::RxFreq:
        case GridField::TxFreq:
            // The fixed-plan banks' frequencies come from the channel plan.
            return group == kGroupBankE ? CellEditor::Text : CellEditor::None;
        default:
            return CellEditor::None;
    }
}

FieldId CellFieldId(GridField field)
{
    switch (field) {
        case GridField::RxFreq:
            return FieldId::RxFreq;
        case GridField::TxFreq:
            return FieldId::TxFreq;
        default:
            return FieldId::ChannelName;
    }
}

std::vector<CellChoice> CellChoices(GridField field)
{
    std::vector<CellChoice> choices;
    switch (field) {
        case GridField::Scramble:
            for (const ScrambleItem& item : kScrambleItems)
                choices.push_back({std::string(item.text), item.itemData});
            break;
        case GridField::Width:
            choices = {{"Wide", 0}, {"Narrow", 1}};
            break;
        case GridField::RxTone:
        case GridField::TxTone:
            choices.push_back({"-------", 0});
            for (int tone = 1; tone <= kCtcssLast; ++tone)
                choices.push_back({CtcssName(tone), tone});
            for (int code = 1; code <= 2 * kDcsLast; ++code)
                choices.push_back({DcsText(code), kDcsChoiceBase + code});
            break;
        default:
            break;
    }
    return choices;
}

int CellValue(const RadioData& data, ChannelRef ref, GridField field)
{
    const ChannelRecord& record = RecordOf(data, ref);
    switch (field) {
        case GridField::Enable:
            return record.Enable;
        case GridField::TxEnable:
            return record.TxEnable;
        case GridField::LowPower:
            return record.LowPower;
        case GridField::PowUp:
            return record.PowUp;
        case GridField::Duplex:
            return record.Duplex;
        case GridField::ScanMemory:
            return record.ScanMemory;
        case GridField::Compander:
            return record.RxComp;
        case GridField::Scramble:
            return kScrambleItems.at(static_cast<std::size_t>(ScrambleItemIndex(record.Scramble))).itemData;
        case GridField::Width:
            return record.Narrow ? 1 : 0;
        case GridField::RxTone:
        case GridField::TxTone: {
            const int d = ToneDirection(field);
            if (record.Ctcss(d) > 0)
                return record.Ctcss(d);
            return record.Dcs(d) > 0 ? kDcsChoiceBase + record.Dcs(d) : 0;
        }
        default:
            return 0;
    }
}

bool CellEditable(const RadioData& data, ChannelRef ref, GridField field)
{
    if (CellEditorOf(field, ref.group) == CellEditor::None)
        return false;
    const ChannelPage page = FillPage(data, ref);
    switch (field) {
        case GridField::Enable:
            return page.enable.enabled;
        case GridField::TxEnable:
            return page.txEnable.enabled && page.transmitPanel;
        case GridField::LowPower:
            return page.txOnly.enabled;
        case GridField::PowUp:
            return page.txPower.enabled;
        case GridField::Duplex:
            return page.duplex.enabled;
        case GridField::ScanMemory:
            return page.scan.enabled;
        case GridField::Compander:
            return page.compander.enabled && page.tonePanel;
        case GridField::Scramble:
            return page.scrambleEnabled && page.scramblerShown;
        case GridField::Width:
        case GridField::RxTone:
        case GridField::TxTone:
            return page.controlsEnabled && page.tonePanel;
        case GridField::Name:
            return page.controlsEnabled && page.nameShown;
        default:
            return page.controlsEnabled;
    }
}

CellOutcome SetCellValue(EditContext& ctx, ChannelRef ref, GridField field, int value)
{
    return SetRowsValue(ctx, ref.group, {ref.index}, field, value);
}

CellOutcome SetCellText(EditContext& ctx, ChannelRef ref, GridField field, const std::string& text)
{
    if (!CellEditable(ctx.data, ref, field))
        return Refused(std::string(kNotOfferedText) + RowName(ctx.data, ref));
    ChannelRecord& record = RecordOf(ctx.data, ref);
    const FieldId box = CellFieldId(field);
    const EditStep step(ctx, ChannelStep(ctx.data, ref,
                                         field == GridField::Name     ? "name"
                                         : field == GridField::RxFreq ? "RX frequency"
                                                                      : "TX frequency"));
    if (field == GridField::Name) {
        return {EditField(ctx, record.ChTag, FilterText(box, text)), {}};
    }
    double mhz = field == GridField::RxFreq ? record.Rxfreq : record.Txfreq;
    if (!CommitFrequency(true, ctx.data.ModelIndex, FilterText(box, text), mhz).ok)
        return Refused(RefusalText(box, ctx.data.ModelIndex));
    return {EditField(ctx, field == GridField::RxFreq ? record.Rxfreq : record.Txfreq, mhz), {}};
}

CellOutcome SetRowsValue(EditContext& ctx, int group, const std::vector<int>& indexes, GridField field,
                         int value)
{
    // Several rows changed at once are one undo step; one row is named by its own edit.
    std::optional<EditStep> step;
    if (indexes.size() > 1) {
        std::string column;
        for (const GridColumn& shown : ChannelGridColumns(group, ctx.data.ModelIndex)) {
            if (shown.Field == field)
                column = shown.Header;
        }
        step.emplace(ctx, StepLabel{column + " of " + std::to_string(indexes.size()) + " channels",
                                    GroupNodeKey(group)});
    }
    std::string refused;
    for (const int index : indexes) {
        const ChannelRef ref{group, index};
        if (CellEditable(ctx.data, ref, field) && SetValue(ctx, ref, field, value))
            continue;
        refused += (refused.empty() ? "" : ", ") + RowName(ctx.data, ref);
    }
    if (refused.empty())
        return {true, {}};
    return Refused(std::string(kNotOfferedText) + refused);
}

std::string RowName(const RadioData& data, ChannelRef ref)
{
    if (ref.group == kGroupBankE)
        return BankEName(data.ModelIndex) + std::to_string(ref.index + 1);
    return "CH" + ChannelPlan().at(static_cast<std::size_t>(RecordOf(data, ref).Position)).Label;
}

}  // namespace kelpie
