// DefaultBanks.h — channel banks built from the fixed tables: a marine bank with its region's
// default channels, and the weather bank from the weather plan.
#pragma once

#include <span>

#include "model/RadioData.h"
#include "model/ValueTables.h"

namespace kelpie {

// 240 records, one per plan slot, with the region's channels enabled and named.
ChannelBank BuildMarineBank(std::span<const RegionChannel> region);

// One enabled record per present weather-plan entry, named by its frequency.
ChannelBank BuildWxBank();

}  // namespace kelpie
