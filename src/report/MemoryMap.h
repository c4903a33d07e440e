// MemoryMap.h — the settings table and the channel banks as a reader checks them against the radio:
// one line per field.
#pragma once

#include <string>

namespace kelpie {

// Every setting the model's image holds, in the table's order: address (or range), bits, the
// record member, the data-file section and key, and the listing's label; then each channel bank
// (its entries or records, and each channel field in its bit runs, its names or at its offset in
// the entry) and, on the models with DSC, the MMSI directories. Fixed-width columns, lines ending
// in LF, a heading line first.
std::string MemoryMapText(int modelIndex);

}  // namespace kelpie
