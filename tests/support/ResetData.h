// ResetData.h — the records and image a reset gives a model, as most tests start from.
#pragma once

#include "model/ImagePasses.h"

namespace kelpie {

inline RadioData ResetData(int model)
{
    RadioData data(model);
    ResetEditModel(data);
    return data;
}

}  // namespace kelpie
