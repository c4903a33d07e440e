// WorkChannel.h — a bank E channel that uses every column of an LMR list, with a receive frequency
// off the rasters.
#pragma once

#include "model/RadioData.h"

namespace kelpie {

inline ChannelRecord& SetWorkChannel(RadioData& data)
{
    ChannelRecord& ch = data.ExpChannels[0];
    ch.Enable = true;
    ch.CHDisplayL = "AB";
    ch.CHDisplayR = "CD";
    ch.Rxfreq = 156.0512;
    ch.Txfreq = 156.0125;
    ch.RxCTCSS = 5;
    ch.TxDCS = 110;
    ch.Narrow = true;
    ch.ChTag = "WORK";
    return ch;
}

}  // namespace kelpie
