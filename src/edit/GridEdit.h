// GridEdit.h — editing the channel grid in place: which editor a cell takes, the value it holds,
// and the change of one cell or of the same cell on several rows, each through the channel edits.
#pragma once

#include <string>
#include <vector>

#include "edit/ChannelEdit.h"
#include "edit/FieldRules.h"
#include "edit/ListGrids.h"

namespace kelpie {

enum class CellEditor {
    None,    // shown only (the channel number, the display digits, the plan's frequencies)
    Check,   // a flag: ticked or not
    Text,    // a text box with the field rule of the channel page's box
    Choice,  // a list of values (scrambler, width, tones)
};

CellEditor CellEditorOf(GridField field, int group);
// The channel page's box whose rule a text cell takes (name, RX and TX frequency).
FieldId CellFieldId(GridField field);

// An entry of a choice cell: the text the grid shows and the value the edit takes.
struct CellChoice
{
    std::string text;
    int value;
};
// Tone cells: 0 for none, 1..kCtcssLast a CTCSS tone, kDcsChoiceBase + code a DCS code.
inline constexpr int kDcsChoiceBase = 1000;
std::vector<CellChoice> CellChoices(GridField field);

// The cell's value as its editor starts: a flag as 0 or 1, a choice's value, or for text cells
// nothing (the editor starts from the cell's text).
int CellValue(const RadioData& data, ChannelRef ref, GridField field);
// Whether the channel offers the cell's control now, as the channel page enables it.
bool CellEditable(const RadioData& data, ChannelRef ref, GridField field);

// What became of a change; a refused change leaves the records as they were and says why.
struct CellOutcome
{
    bool ok = false;
    std::string message;
};

// A flag or a choice on one row.
CellOutcome SetCellValue(EditContext& ctx, ChannelRef ref, GridField field, int value);
// A text cell: the text is taken as the page's box takes it (its characters and length), and a
// frequency is checked by the frequency rule.
CellOutcome SetCellText(EditContext& ctx, ChannelRef ref, GridField field, const std::string& text);
// The same flag or choice on several rows of a bank (indexes as in ChannelRef), each row checked
// by the rules: the rows that take it change, the rows that refuse are named in the message.
CellOutcome SetRowsValue(EditContext& ctx, int group, const std::vector<int>& indexes, GridField field,
                         int value);

// "CH16", "LMR7": the row as a message names it.
std::string RowName(const RadioData& data, ChannelRef ref);

}  // namespace kelpie
