// MemoryMap.h — the settings table as a reader checks it against the radio: one line per field.
#pragma once

#include <string>

namespace kelpie {

// Every setting the model's image holds, in the table's order: address (or range), bits, the
// record member, the data-file section and key, and the listing's label; fixed-width columns,
// lines ending in LF, a heading line first.
std::string MemoryMapText(int modelIndex);

}  // namespace kelpie
