// SettingsEdit.cpp — the usable groups, common setup and DSC rows.
#include "edit/SettingsEdit.h"

#include <algorithm>

#include "edit/ChannelEdit.h"
#include "edit/EditFeatures.h"
#include "edit/PageTree.h"
#include "model/Converters.h"
#include "model/ImageLayout.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {

namespace {

constexpr int kOff = -1;

UsableGroup& GroupOf(RadioData& data, int group)
{
    return data.UsableGroups.at(static_cast<std::size_t>(group));
}

// The combined channel index of a bank's record k.
int CombinedIndex(int group, int k)
{
    return group == kGroupBankE ? kFirstExpChannelIndex + k : k;
}

std::string PriorityLabel(const RadioData& data, int group, int k)
{
    if (group != kGroupBankE) {
        return ChannelPlan().at(static_cast<std::size_t>(k)).Label;
    }
    const ChannelRecord& record = data.ExpChannels.at(static_cast<std::size_t>(k));
    return DisplayCaseText(record.CHDisplayL + record.CHDisplayR);
}

const std::vector<std::string>& OffOn()
{
    static const std::vector<std::string> choices{"Off", "On"};
    return choices;
}

// Where each common combo stores its choice: a flag that is true for "On", or a number that is
// the position of the chosen entry (the weather alert: 3 for "On").
struct CommonField
{
    CommonCombo combo;
    bool CommonSetup::*flag;
    std::int16_t CommonSetup::*position;
    std::string_view stepName;
};
constexpr std::array<CommonField, 9> kCommonFields{{
    {CommonCombo::TxPo, nullptr, &CommonSetup::TxPoDisplay, "TX power display"},
    {CommonCombo::Scan, &CommonSetup::Scan, nullptr, "scan"},
    {CommonCombo::Resume, nullptr, &CommonSetup::ResumeTime, "resume time"},
    {CommonCombo::PttScan, &CommonSetup::PttScanClear, nullptr, "PTT scan clear"},
    {CommonCombo::Dual, &CommonSetup::DualWatch, nullptr, "dual watch"},
    {CommonCombo::Offset, nullptr, &CommonSetup::OffsetTime, "offset time"},
    {CommonCombo::Mag, nullptr, &CommonSetup::MagneticVariation, "magnetic variation"},
    {CommonCombo::Weater, nullptr, &CommonSetup::Weater, "weather alert"},
    {CommonCombo::Rotary, &CommonSetup::RotaryBeep, nullptr, "rotary beep"},
}};

const CommonField& FieldOf(CommonCombo combo)
{
    return *std::find_if(kCommonFields.begin(), kCommonFields.end(),
                         [combo](const CommonField& f) { return f.combo == combo; });
}

constexpr std::int16_t kWeatherAlertOn = 3;

}  // namespace

StepLabel GroupStep(const RadioData& data, int group, std::string_view what)
{
    return {GroupName(data, group) + " " + std::string(what), "Usable"};
}

std::vector<PriorityItem> PriorityItems(const RadioData& data, int group)
{
    std::vector<PriorityItem> items{{"Off", kOff}};
    const ChannelBank& bank = BankOf(data, group);
    for (std::size_t k = 0; k < bank.size(); ++k) {
        if (bank[k].Enable) {
            const int index = static_cast<int>(k);
            items.push_back({PriorityLabel(data, group, index), CombinedIndex(group, index)});
        }
    }
    return items;
}

std::array<UsableRow, kGroupCount> FillUsablePage(const RadioData& data)
{
    std::array<UsableRow, kGroupCount> rows;
    for (int g = 0; g < kGroupCount; ++g) {
        const UsableGroup& group = data.UsableGroups[static_cast<std::size_t>(g)];
        UsableRow& row = rows[static_cast<std::size_t>(g)];
        row.usable = group.Enable;
        row.combosEnabled = group.Enable;
        row.tot = group.TxTot ? 1 : 0;
        row.priorityItems = PriorityItems(data, g);
        const auto chosen =
            std::find_if(row.priorityItems.begin(), row.priorityItems.end(),
                         [&](const PriorityItem& item) { return item.itemData == group.PriorityCh; });
        row.priorityIndex =
            chosen == row.priorityItems.end() ? 0 : static_cast<int>(chosen - row.priorityItems.begin());
        row.statusIcon = group.StatusIcon ? 1 : 0;
        row.statusName = group.StatusName;
    }
    return rows;
}

bool SetGroupUsable(EditContext& ctx, int group, bool on)
{
    const EditStep step(ctx, GroupStep(ctx.data, group, "usable"));
    if (!EditField(ctx, GroupOf(ctx.data, group).Enable, on)) {
        return false;
    }
    ChannelBank& bank = BankOf(ctx.data, group);
    if (on && std::none_of(bank.begin(), bank.end(), [](const ChannelRecord& r) { return r.Enable; })) {
        bank.front().Enable = true;
    }
    return true;
}

bool SetGroupTot(EditContext& ctx, int group, bool on)
{
    const EditStep step(ctx, GroupStep(ctx.data, group, "TX time-out"));
    UsableGroup& g = GroupOf(ctx.data, group);
    return g.Enable && EditField(ctx, g.TxTot, on);
}

bool SetGroupPriority(EditContext& ctx, int group, int itemData)
{
    const EditStep step(ctx, GroupStep(ctx.data, group, "priority channel"));
    UsableGroup& g = GroupOf(ctx.data, group);
    const auto items = PriorityItems(ctx.data, group);
    const bool listed = std::any_of(items.begin(), items.end(), [itemData](const PriorityItem& item) {
        return item.itemData == itemData;
    });
    return g.Enable && listed && EditField(ctx, g.PriorityCh, itemData);
}

bool SetGroupStatusIcon(EditContext& ctx, int group, bool on)
{
    const EditStep step(ctx, GroupStep(ctx.data, group, "status icon"));
    UsableGroup& g = GroupOf(ctx.data, group);
    return g.Enable && EditField(ctx, g.StatusIcon, on);
}

std::vector<std::string> CommonChoices(CommonCombo combo)
{
    switch (combo) {
        case CommonCombo::TxPo:
            return {"Lo Po Only", "Lo Po on Changing CH", "Last TX Po"};
        case CommonCombo::Resume:
            return {"Off", "1Sec", "2Sec", "3Sec"};
        case CommonCombo::Offset:
            return OffsetNames();
        case CommonCombo::Mag:
            return {"True", "Mag"};
        default:
            return OffOn();
    }
}

int CommonChoice(const CommonSetup& setup, CommonCombo combo)
{
    const CommonField& field = FieldOf(combo);
    if (field.flag != nullptr) {
        return setup.*field.flag ? 1 : 0;
    }
    const int value = setup.*field.position;
    if (combo == CommonCombo::Weater) {
        return value == kWeatherAlertOn ? 1 : value == 0 ? 0 : -1;
    }
    return value >= 0 && value < static_cast<int>(CommonChoices(combo).size()) ? value : -1;
}

bool SetCommonChoice(EditContext& ctx, CommonCombo combo, int position)
{
    CommonSetup& setup = ctx.data.CommonSetup;
    const bool scanRow = combo == CommonCombo::Resume || combo == CommonCombo::PttScan;
    if (position < 0 || position >= static_cast<int>(CommonChoices(combo).size()) ||
        (scanRow && !ScanRowsEnabled(setup))) {
        return false;
    }
    const CommonField& field = FieldOf(combo);
    const EditStep step(ctx, {"Common " + std::string(field.stepName), "Common"});
    if (field.flag != nullptr) {
        return EditField(ctx, setup.*field.flag, position == 1);
    }
    const int value = combo == CommonCombo::Weater ? (position == 1 ? kWeatherAlertOn : 0) : position;
    return EditField(ctx, setup.*field.position, static_cast<std::int16_t>(value));
}

bool ScanRowsEnabled(const CommonSetup& setup)
{
    return setup.Scan;
}

bool CommonRowShown(int modelIndex, CommonCombo combo)
{
    switch (combo) {
        case CommonCombo::Offset:
        case CommonCombo::Mag:
            return HasOffsetTime(modelIndex);
        case CommonCombo::Rotary:
            // The MB6000 keeps its rotary beep with the scanning rows it has no page row for.
            return DecodesRotaryBeep(modelIndex) && OffersScanRows(modelIndex);
        case CommonCombo::Weater:
            return true;
        default:
            return OffersScanRows(modelIndex);
    }
}

bool AtisKillersShown(int modelIndex)
{
    return EncodesAtisKillers(modelIndex);
}

bool PosRequestRowEnabled(int modelIndex, int row)
{
    return row >= 0 && row < 4 && OffersPositionReports(modelIndex);
}

bool BeepOutRowEnabled(int modelIndex, int row)
{
    constexpr int kFirstPositionRow =
        4;  // "Received Geographic", "Received POS Request", "Received POS Send"
    return row >= 0 && row < static_cast<int>(kBeepOutElements.size()) &&
           (row < kFirstPositionRow || OffersPositionReports(modelIndex));
}

bool PosRequestTxRowShown(int row)
{
    return row == 2 || row == 3;
}

int UserMmsiPermissionCount(const RadioData& data)
{
    return data.RadioImage[kPermissionCountByte];
}

}  // namespace kelpie
