// ImageLayout.h — addresses of the image that more than one part of the program reads or writes:
// named here once.
#pragma once

namespace kelpie {

constexpr int kModelCodeAddress = 0x0040;   // big-endian; again in the image's last word
constexpr int kCurrentGroupByte = 0x0046;   // the radio's current group; also "Last CH Group"
constexpr int kCurrentModeByte = 0x0047;    // 0 a group channel, 1 a weather channel
constexpr int kCurrentWxByte = 0x0048;      // weather channel 0..9
constexpr int kLastDisplayChWord = 0x0050;  // big-endian combined channel index
constexpr int kMarineLmrChWord = 0x0052;    // the current group channel
constexpr int kRadioOwnedByte = 0x005A;     // the radio keeps its own value when written
constexpr int kUsableGroupsByte = 0x005D;   // bit 3 - g: group g usable
constexpr int kPresetLists = 0x0060;        // 10 little-endian channel numbers per group
constexpr int kPresetsPerGroup = 10;
constexpr int kOptionByte = 0x00A8;
constexpr int kScramblerOptionBit = 5;        // data-file key SEL1
constexpr int kSel2Bit = 4;                   // data-file key SEL2
constexpr int kAccessCodeOnOffBit = 2;        // the radio keeps its own value when written
constexpr int kAccessCodeAddress = 0x00AE;    // four digits, packed decimal
constexpr int kPermissionCountByte = 0x01F5;  // the User MMSI settings the radio still allows

}  // namespace kelpie
