// UnsentEntries.cpp — which of the entries that never reach the radio were changed.
#include "model/UnsentEntries.h"

#include "model/Models.h"

namespace kelpie {

void KeepEntriesAsLoaded(RadioData& data)
{
    data.EntriesAsLoaded = {data.IndividualDirectory, data.GroupDirectory, data.AtisCallSigns};
}

std::vector<std::string> ChangedUnsentTables(const RadioData& data)
{
    const UnsentEntries& loaded = data.EntriesAsLoaded;
    std::vector<std::string> changed;
    if (HasDsc(data.ModelIndex)) {
        if (data.IndividualDirectory != loaded.IndividualDirectory) {
            changed.emplace_back("the individual directory");
        }
        if (data.GroupDirectory != loaded.GroupDirectory) {
            changed.emplace_back("the group directory");
        }
    }
    if (HasAtisCallSigns(data.ModelIndex) && data.AtisCallSigns != loaded.AtisCallSigns) {
        changed.emplace_back("the ATIS call signs");
    }
    return changed;
}

}  // namespace kelpie
