// Models.cpp — the model and feature tables.
#include "model/Models.h"

#include <array>
#include <stdexcept>

namespace kelpie {

namespace {

// Indexes 0, 1 and 3 are all shown as MV240.
constexpr std::array<ModelInfo, kModelCount> kModels{{
    {0, "MF7500S", "MV240", 0x1D4C, 16384, 0x3FFF, "EXP"},
    {1, "MV240", "MV240", 0x00F0, 8192, 0x1FFF, "EXP"},
    {2, "MV210", "MV210", 0x00D2, 16384, 0x3FFF, "LMR"},
    {3, "MB6000", "MV240", 0x1770, 16384, 0x3FFF, "EXP"},
    {4, "MV220", "MV220", 0x00DC, 16384, 0x3FFF, "LMR"},
    {5, "MV230", "MV230", 0x00E6, 16384, 0x3FFF, "LMR"},
    {6, "MV230E", "MV230E", 0x00E7, 16384, 0x3FFF, "LMR"},
}};

// clang-format off
//                      names  dsc    kilD   kilE   calls  offs   rotD   rotE   lmr    clear  tone code   004D  prio   callsPre
constexpr std::array<ModelFeatures, kModelCount> kFeatures{{
    /* 0 */ {true,  true,  true,  true,  true,  true,  true,  true,  false, true,  0,  false, 0x0F, false, true},
    /* 1 */ {false, false, false, false, false, false, false, false, false, false, 0,  false, -1,   true,  false},
    /* 2 */ {true,  false, false, false, false, false, false, false, true,  false, 10, false, -1,   true,  false},
    /* 3 */ {true,  true,  true,  true,  false, true,  true,  true,  false, true,  0,  false, 0x0F, false, true},
    /* 4 */ {true,  false, false, false, false, false, false, false, true,  false, 11, true,  -1,   true,  false},
    /* 5 */ {true,  false, false, false, false, false, false, false, true,  false, 11, true,  -1,   true,  false},
    /* 6 */ {true,  false, false, false, false, false, false, false, true,  false, 11, true,  -1,   true,  false},
}};
// clang-format on

}  // namespace

bool IsValidModelIndex(int modelIndex)
{
    return modelIndex >= 0 && modelIndex < kModelCount;
}

const ModelInfo& ModelOf(int modelIndex)
{
    if (!IsValidModelIndex(modelIndex)) {
        throw std::out_of_range("model index " + std::to_string(modelIndex) + " outside 0..6");
    }
    return kModels[static_cast<std::size_t>(modelIndex)];
}

const ModelFeatures& FeaturesOf(int modelIndex)
{
    ModelOf(modelIndex);
    return kFeatures[static_cast<std::size_t>(modelIndex)];
}

std::string ModelNameOf(int modelIndex)
{
    return ModelOf(modelIndex).Name;
}

std::string RadioNameOf(int modelIndex)
{
    return ModelOf(modelIndex).Model;
}

int ExpectedImageFileLength(int modelIndex)
{
    return ModelOf(modelIndex).ImageSize;
}

}  // namespace kelpie
