// EditFeatures.cpp — the editor's per-model table.
#include "edit/EditFeatures.h"

#include <array>

#include "model/Models.h"

namespace kelpie {

namespace {

// clang-format off
//                                lowest highest raster scrambler position scan
constexpr std::array<EditFeatures, kModelCount> kEditFeatures{{
    /* 0 MF7500S */ {137.0, 174.0, true,  true,  true,  true},
    /* 1 MV240   */ {137.0, 174.0, false, true,  true,  true},
    /* 2 MV210   */ {137.0, 174.0, false, true,  true,  true},
    /* 3 MB6000  */ {137.0, 174.0, true,  false, false, false},
    /* 4 MV220   */ {134.0, 174.0, false, true,  true,  true},
    /* 5 MV230   */ {134.0, 174.0, false, true,  true,  true},
    /* 6 MV230E  */ {134.0, 174.0, false, true,  true,  true},
}};
// clang-format on

}  // namespace

const EditFeatures& EditFeaturesOf(int modelIndex)
{
    return kEditFeatures.at(static_cast<std::size_t>(ModelOf(modelIndex).Index));
}

}  // namespace kelpie
