// UnsentEntries.h — the entries no radio transfer writes: both MMSI directories and the ATIS call
// signs. What they held when the data was last read or opened is kept, so that a write can say
// that the changes made since will not reach the radio.
#pragma once

#include <string>
#include <vector>

#include "model/RadioData.h"

namespace kelpie {

// The entries as they stand now become the entries as read or opened.
void KeepEntriesAsLoaded(RadioData& data);

// The tables of the model whose entries differ from those last read or opened, in the user's
// words ("the individual directory", "the group directory", "the ATIS call signs").
std::vector<std::string> ChangedUnsentTables(const RadioData& data);

}  // namespace kelpie
