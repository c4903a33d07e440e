// SettingsEdit.h — the settings pages' rules: the usable groups with their priority lists and
// status display, the common setup's choices, and which DSC rows a model offers.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "edit/EditContext.h"

namespace kelpie {

// cmbUsablePri: "Off" (item data -1), then the group's enabled channels in bank order with their
// combined channel index as item data.
struct PriorityItem
{
    std::string label;
    int itemData;

    bool operator==(const PriorityItem&) const = default;
};
std::vector<PriorityItem> PriorityItems(const RadioData& data, int group);

// One row of the usable groups page.
struct UsableRow
{
    bool usable = false;         // chkUsable(i)
    bool combosEnabled = false;  // the TX time-out, priority and status combos and labels
    int tot = 0;                 // cmbUsableTot(i): 0 "Off", 1 "On"
    std::vector<PriorityItem> priorityItems;
    int priorityIndex = 0;   // the entry of the stored priority channel; "Off" when absent
    int statusIcon = 0;      // cmbUsableSts(i): 0 "Off", 1 "On"
    std::string statusName;  // txtUsable(i)

    bool operator==(const UsableRow&) const = default;
};
std::array<UsableRow, kGroupCount> FillUsablePage(const RadioData& data);

// A step on the usable groups page: "USA priority channel".
StepLabel GroupStep(const RadioData& data, int group, std::string_view what);

// chkUsable(i). A group switched on keeps an enabled channel: when none of its channels is
// enabled, its first channel is. Switching a group off changes no channel.
bool SetGroupUsable(EditContext& ctx, int group, bool on);
bool SetGroupTot(EditContext& ctx, int group, bool on);
// The item data of a cmbUsablePri entry of the group's current list.
bool SetGroupPriority(EditContext& ctx, int group, int itemData);
bool SetGroupStatusIcon(EditContext& ctx, int group, bool on);

// The combos of the common setup page.
enum class CommonCombo {
    TxPo,     // cmbCommonTXPo
    Scan,     // cmbCommonScan
    Resume,   // cmbCommonResume
    PttScan,  // cmbCommonPTTSCAN
    Dual,     // cmbCommonDual
    Offset,   // cmbCommonOffset
    Mag,      // cmbCommonMag
    Weater,   // cmbCommonWeater
    Rotary    // cmbCommonRotary
};
// The combo's fixed choices in list order.
std::vector<std::string> CommonChoices(CommonCombo combo);
// The entry that shows the stored setting; -1 when the setting holds a value no entry stands for.
int CommonChoice(const CommonSetup& setup, CommonCombo combo);
// Stores the choice at the position: the position itself, true for "On", and 3 or 0 for the
// weather alert.
bool SetCommonChoice(EditContext& ctx, CommonCombo combo, int position);
// The resume time and PTT scan clear combos are offered only while scanning is on; switching
// scanning off keeps their values.
bool ScanRowsEnabled(const CommonSetup& setup);

// The common page's rows a model offers: the MB6000 has no TX power, scanning or dual watch rows,
// and the NMEA rows (offset time, magnetic variation) and the rotary beep are offered only where
// the radio keeps them, so that the page shows what the listing and the radio hold.
bool CommonRowShown(int modelIndex, CommonCombo combo);
// The ATIS killer flags are offered where the radio stores them.
bool AtisKillersShown(int modelIndex);

// The DSC beep-output rows: the element each row edits, in the listing's order.
inline constexpr std::array<int, 7> kBeepOutElements{0, 1, 3, 2, 6, 4, 5};
// The position request rows, and the beep rows about positions, are offered where the radio
// reports positions; the MB6000 does not.
bool PosRequestRowEnabled(int modelIndex, int row);
bool BeepOutRowEnabled(int modelIndex, int row);
// The radio keeps a TX power for the "POS Request" and "POS Send" rows only (rows 2 and 3).
bool PosRequestTxRowShown(int row);

// txtFCount: how many more times the radio lets its user MMSI be set, as the image holds it.
int UserMmsiPermissionCount(const RadioData& data);

}  // namespace kelpie
