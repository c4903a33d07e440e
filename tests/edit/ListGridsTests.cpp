// ListGridsTests.cpp — the columns of both list grids by bank and model, and their cell texts.
#include <gtest/gtest.h>

#include "edit/ListGrids.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

std::vector<std::string> Headers(const std::vector<GridColumn>& columns)
{
    std::vector<std::string> headers;
    for (const GridColumn& column : columns)
        headers.push_back(column.Header);
    return headers;
}

TEST(ListGrids, ColumnCountsByBankAndModel)
{
    // model, columns of a marine bank, columns of bank E
    const std::tuple<int, std::size_t, std::size_t> rows[] = {
        {0, 11, 10}, {1, 9, 8}, {2, 11, 14}, {3, 11, 10}, {4, 11, 14}, {5, 11, 14}, {6, 11, 14}};
    for (const auto& [model, marine, extra] : rows) {
        for (const int group : {kGroupUsa, kGroupIntl, kGroupCanada})
            EXPECT_EQ(ChannelGridColumns(group, model).size(), marine) << model;
        EXPECT_EQ(ChannelGridColumns(kGroupBankE, model).size(), extra) << model;
    }
    EXPECT_EQ(Headers(ChannelGridColumns(kGroupUsa, 5)),
              (std::vector<std::string>{"CH", "ENABLE", "RX[MHz]", "TX[MHz]", "TX", "LOW", "UP", "DUP", "MEM",
                                        "VS", "CH Name"}));
    EXPECT_EQ(ChannelGridColumns(kGroupBankE, 5)[9].WidthTwips, 2000);
    // The MF7500S's EXP bank has neither width nor tones.
    EXPECT_EQ(Headers(ChannelGridColumns(kGroupBankE, 0)).back(), "CH Name");
}

TEST(ListGrids, FixedPlanCellsComeFromThePlanAndTheFlags)
{
    RadioData data = ResetData(5);
    ChannelRecord& ch16 = data.UsaChannels[32];
    ch16 = ChannelRecord{};
    ch16.TxEnable = ch16.LowPower = ch16.ScanMemory = true;
    ch16.Scramble = 6;
    ch16.ChTag = "DISTRESS";
    EXPECT_EQ(ChannelGridRow(data, kGroupUsa, 32),
              (std::vector<std::string>{"16", "", "156.800", "156.800", "TX", "LOW", "--", "---", "MEM", " 2",
                                        "DISTRESS"}));

    ChannelRecord& ch01 = data.IntlChannels[2];
    ch01 = ChannelRecord{};
    ch01.Duplex = ch01.PowUp = true;
    EXPECT_EQ(ChannelGridRow(data, kGroupIntl, 2),
              (std::vector<std::string>{"01", "", "160.650", "156.050", "--", "---", "UP", "DUP", "---", "--",
                                        ""}));

    ChannelRecord& ch01a = data.CanadaChannels[3];
    ch01a = ChannelRecord{};
    ch01a.RxOnly = ch01a.Enable = true;
    ch01a.Duplex = true;  // an "A" channel has no duplex frequency: it receives on its own
    EXPECT_EQ(ChannelGridRow(data, kGroupCanada, 3),
              (std::vector<std::string>{"01A", "[Enable]", "156.050", "---.---", "--", "---", "--", "DUP",
                                        "---", "--", ""}));

    data.ModelIndex = 1;
    EXPECT_EQ(ChannelGridRow(data, kGroupUsa, 32).size(), 9u);
}

TEST(ListGrids, ExtraBankCellsShowTheRecordWithoutChangingIt)
{
    RadioData data = ResetData(5);
    ChannelRecord& ch = data.ExpChannels[4];
    ch = ChannelRecord{};
    ch.Enable = ch.Narrow = ch.RxComp = true;
    ch.CHDisplayL = "1";
    ch.CHDisplayR = "B";
    ch.Rxfreq = 151.8213;  // off both rasters: shown rounded down, kept as it is
    ch.RxCTCSS = 9;
    ch.TxDCS = 1;
    ch.Scramble = 4;
    ch.ChTag = "YARD";
    EXPECT_EQ(ChannelGridRow(data, kGroupBankE, 4),
              (std::vector<std::string>{"5", "[Enable]", " 1b ", "151.8200", "---.----", "---", "--", "---",
                                        " 0", "YARD", "N ", "88.5Hz", "CMP", "N023"}));
    EXPECT_EQ(ch.Rxfreq, 151.8213);
    ch.Enable = false;
    ch.TxDCS = 0;
    EXPECT_EQ(ChannelGridRow(data, kGroupBankE, 4)[1], "");
    EXPECT_EQ(ChannelGridRow(data, kGroupBankE, 4)[13], "-------");

    data.ModelIndex = 1;
    EXPECT_EQ(ChannelGridRow(data, kGroupBankE, 4).size(), 8u);
}

TEST(ListGrids, DirectoryListsNumberNameAndMmsi)
{
    EXPECT_EQ(Headers(DirectoryGridColumns(DirectoryKind::Individual)),
              (std::vector<std::string>{"No.", "STATION NAME", "MMSI"}));
    EXPECT_EQ(Headers(DirectoryGridColumns(DirectoryKind::Group)),
              (std::vector<std::string>{"No.", "GROUP NAME", "MMSI"}));
    EXPECT_EQ(DirectoryGridColumns(DirectoryKind::Group)[2].WidthTwips, 2150);

    RadioData data = ResetData(0);
    data.GroupDirectory[9] = {true, "FLEET", "0123456780"};
    EXPECT_EQ(DirectoryGridRow(data, DirectoryKind::Group, 10),
              (std::vector<std::string>{"10", "FLEET", "012345678"}));
    EXPECT_EQ(DirectoryGridRow(data, DirectoryKind::Individual, 1), (std::vector<std::string>{"1", "", ""}));
}

}  // namespace
}  // namespace kelpie
