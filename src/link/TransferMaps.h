// TransferMaps.h — which bytes of the image travel in a read and in a write, block by block.
#pragma once

#include <vector>

#include "model/RadioImage.h"

namespace kelpie {

constexpr int kBlockLength = 16;

// One read or write command: length bytes from address.
struct BlockSend
{
    int Address;
    int Length;
};

// One 16-byte block start of a walk and the commands it sends (none for a skipped block). Every
// entry reports progress, sent or not.
struct MapEntry
{
    int Start;
    std::vector<BlockSend> Sends;
};

// Blocks from 0x0040 to the last address; the region 0x3500–0x3FAF is left out.
std::vector<MapEntry> ReadMap(int lastAddress);

// Blocks from 0x0040 to 0x3080: single bytes of the two settings blocks that hold bytes the radio
// keeps to itself, nothing of the regions the radio owns, and nothing of the banks of groups whose
// usable bit in 0x005D of the image is clear.
std::vector<MapEntry> WriteMap(const RadioImage& image, int lastAddress);

// How many commands a walk sends.
int CommandCount(const std::vector<MapEntry>& map);

}  // namespace kelpie
