// ListGrids.h — the two list grids: the channel list of one bank and the list of one MMSI
// directory, their columns by bank and model and the text of every cell.
#pragma once

#include <string>
#include <vector>

#include "edit/PageTree.h"
#include "edit/Twips.h"
#include "model/RadioData.h"

namespace kelpie {

// What a channel-grid column shows of the record; the directory and bank lists show no field.
enum class GridField {
    None,
    Label,
    Enable,
    Display,
    RxFreq,
    TxFreq,
    TxEnable,
    LowPower,
    PowUp,
    Duplex,
    ScanMemory,
    Scramble,
    Name,
    Width,
    RxTone,
    Compander,
    TxTone,
};

struct GridColumn
{
    std::string Header;
    int WidthTwips;
    GridField Field = GridField::None;
};

// Columns of the channel list: the fixed-plan banks have 9 columns on the MV240 and 11 on the
// others; the extra bank 8 on the MV240, 10 on the models without tones and 14 on the others.
std::vector<GridColumn> ChannelGridColumns(int group, int modelIndex);
// The cells of channel `index` (list index from 0) of a group, one per column above.
std::vector<std::string> ChannelGridRow(const RadioData& data, int group, int index);

// Columns of a directory list: "No.", the station or group name and "MMSI".
std::vector<GridColumn> DirectoryGridColumns(DirectoryKind kind);
// The cells of directory entry n (from 1).
std::vector<std::string> DirectoryGridRow(const RadioData& data, DirectoryKind kind, int n);

// The Programmable Channel page's list of the channel banks: "BANK", "ENABLED" (channels enabled
// of the bank's channels) and "AVAILABLE" (whether the bank's group is available, so that the tree
// shows its channels).
std::vector<GridColumn> BankGridColumns();
// USA, INTL, CANADA, the weather channels and the extra bank (EXP or LMR), one row each.
std::vector<std::vector<std::string>> BankGridRows(const RadioData& data);

}  // namespace kelpie
