// DefaultBanks.cpp — region default channels and the weather bank.
#include "model/DefaultBanks.h"

#include "model/Text.h"

namespace kelpie {

ChannelBank BuildMarineBank(std::span<const RegionChannel> region)
{
    const auto& plan = ChannelPlan();
    ChannelBank bank(kMarineChannelCount);
    for (int s = 0; s < kMarineChannelCount; ++s) {
        ChannelRecord& ch = bank[static_cast<std::size_t>(s)];
        ch.Position = static_cast<std::int16_t>(s);
        ch.DuplexAllowed = plan[static_cast<std::size_t>(s)].IsPlain;
        ch.TxEnable = true;
    }
    for (const RegionChannel& row : region) {
        ChannelRecord& ch = bank[static_cast<std::size_t>(row.Slot)];
        ch.RxOnly = row.RxOnly;
        if (row.RxOnly) {
            ch.DuplexAllowed = false;
        }
        ch.TxEnable = !row.RxOnly;
        ch.ChTag = row.Name;
        ch.ChTag = ToUpper(ch.ChTag);
        ch.Duplex = row.Duplex;
        ch.Enable = true;
        ch.LowPower = row.LowPower;
        ch.TXPower = 0;
        ch.PowUp = row.PowUp;
    }
    return bank;
}

ChannelBank BuildWxBank()
{
    ChannelBank bank;
    const auto& plan = WxPlan();
    for (int entry = 0; entry <= kWxPlanLast; ++entry) {
        const PlanEntry& wx = plan[static_cast<std::size_t>(entry)];
        if (!wx.Present) {
            continue;
        }
        ChannelRecord ch;
        ch.Position = static_cast<std::int16_t>(entry);
        ch.Enable = true;
        ch.ChTag = wx.Name;
        ch.TxEnable = false;  // weather channels have no transmit frequency
        ch.ScanMemory = false;
        bank.push_back(ch);
    }
    return bank;
}

}  // namespace kelpie
