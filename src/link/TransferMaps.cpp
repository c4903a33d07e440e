#include "link/TransferMaps.h"

#include <array>

#include "model/ImageFields.h"
#include "model/ImageLayout.h"
#include "model/RadioData.h"

namespace kelpie {

namespace {

constexpr int kFirstBlock = 0x0040;
constexpr int kLastReadBeforeGap = 0x34F0;
constexpr int kFirstReadAfterGap = 0x3FB0;
constexpr int kWriteEnd = 0x3090;

// The usable bit of group g sits in bit 3 - g of this byte.

struct Range
{
    int First;
    int Last;

    bool Contains(int address) const { return address >= First && address <= Last; }
};

// The blocks a write sends one byte at a time, and the first and last byte it sends of each: the
// model code at 0x0040 and the access code at 0x00AE stay the radio's.
constexpr std::array<Range, 2> kSingleByteBlocks = {{{0x0042, 0x004F}, {0x00A0, 0x00AD}}};
// Regions a write never sends.
constexpr std::array<Range, 2> kNeverWritten = {{{0x00B0, 0x00FF}, {0x0200, 0x02FF}}};

// The channel entries and the channel names of each group, skipped when the group is not usable.
constexpr std::array<std::array<Range, 2>, kGroupCount> kGroupBanks = {{
    {{{0x0300, 0x04DF}, {0x0C00, 0x173F}}},
    {{{0x0500, 0x06DF}, {0x1740, 0x227F}}},
    {{{0x0700, 0x08DF}, {0x2280, 0x2DBF}}},
    {{{0x0900, 0x0B7F}, {0x2E40, 0x301F}}},
}};

bool InUnusableBank(const RadioImage& image, int start)
{
    for (int group = 0; group < kGroupCount; ++group) {
        if (GetBit(image[kUsableGroupsByte], 3 - group)) {
            continue;
        }
        for (const Range& bank : kGroupBanks[static_cast<std::size_t>(group)]) {
            if (bank.Contains(start)) {
                return true;
            }
        }
    }
    return false;
}

std::vector<BlockSend> WriteSends(const RadioImage& image, int start)
{
    if (start >= kWriteEnd) {
        return {};
    }
    for (const Range& block : kSingleByteBlocks) {
        if (block.First / kBlockLength == start / kBlockLength) {
            std::vector<BlockSend> sends;
            for (int address = block.First; address <= block.Last; ++address) {
                sends.push_back({address, 1});
            }
            return sends;
        }
    }
    for (const Range& region : kNeverWritten) {
        if (region.Contains(start)) {
            return {};
        }
    }
    if (InUnusableBank(image, start)) {
        return {};
    }
    return {{start, kBlockLength}};
}

}  // namespace

std::vector<MapEntry> ReadMap(int lastAddress)
{
    std::vector<MapEntry> map;
    for (int start = kFirstBlock; start <= lastAddress; start += kBlockLength) {
        MapEntry entry{start, {}};
        if (start <= kLastReadBeforeGap || start >= kFirstReadAfterGap) {
            entry.Sends.push_back({start, kBlockLength});
        }
        map.push_back(std::move(entry));
    }
    return map;
}

std::vector<MapEntry> WriteMap(const RadioImage& image, int lastAddress)
{
    std::vector<MapEntry> map;
    for (int start = kFirstBlock; start <= lastAddress; start += kBlockLength) {
        map.push_back({start, WriteSends(image, start)});
    }
    return map;
}

int CommandCount(const std::vector<MapEntry>& map)
{
    int count = 0;
    for (const MapEntry& entry : map) {
        count += static_cast<int>(entry.Sends.size());
    }
    return count;
}

}  // namespace kelpie
