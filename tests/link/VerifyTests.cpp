#include "link/Verify.h"

#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "model/Models.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

using test::RecordedMessage;

TEST(Verify, AProgramRunWritesTheseBitsAndTheRadioKeepsItsOwn)
{
    RadioData data = ResetData(5);
    const std::pair<int, int> allUsable[] = {
        {0x0040, 0x00}, {0x0041, 0x00}, {0x0042, 0xFF}, {0x004F, 0xFF}, {0x005A, 0x00},
        {0x005B, 0xFF}, {0x00A8, 0xFB}, {0x00AD, 0xFF}, {0x00AE, 0x00}, {0x00B0, 0x00},
        {0x0100, 0xFF}, {0x0200, 0x00}, {0x0700, 0xFF}, {0x2280, 0xFF}, {0x301F, 0xFF},
        {0x3080, 0xFF}, {0x308F, 0xFF}, {0x3090, 0x00}, {0x3200, 0x00}, {0x3FFF, 0x00},
    };
    for (const auto& [address, bits] : allUsable) {
        EXPECT_EQ(ProgramRunBits(data.RadioImage, data.ImageLastAddress)[static_cast<std::size_t>(address)],
                  bits)
            << std::hex << address;
    }
    data.RadioImage[0x005D] &= 0xFD;  // Canada not usable: its entries and names are not sent
    const ImageBits bits = ProgramRunBits(data.RadioImage, data.ImageLastAddress);
    for (const int address : {0x0700, 0x08DF, 0x2280, 0x2DBF}) {
        EXPECT_EQ(bits[static_cast<std::size_t>(address)], 0x00) << std::hex << address;
    }
    EXPECT_EQ(bits[0x0500], 0xFF);
}

TEST(Verify, ARadioProgrammedWithTheDataHoldsExactlyItAndTheDataIsNeverChanged)
{
    test::DialogRun run(kTransferProgram);
    ASSERT_TRUE(run.Run(kTransferProgram));
    const RadioImage image = run.data.RadioImage;
    const ChannelBank usa = run.data.UsaChannels;
    const int writes = run.radio.CountLines("#CEPWR");
    const int reads = run.radio.CountLines("#CEPRD");
    // Bytes a program run leaves to the radio may hold anything.
    run.radio.Memory()[0x005A] ^= 0xFF;
    run.radio.Memory()[0x00A8] ^= 0x04;
    run.radio.Memory()[0x0200] ^= 0x01;
    run.radio.Memory()[0x3200] = 0x12;

    VerifyOutcome verified;
    EXPECT_TRUE(run.Run(kTransferVerify, &verified));
    EXPECT_TRUE(run.shell.TransferDone);
    EXPECT_EQ(verified.Differences, std::vector<Difference>{});
    // No box of its own: the front end shows the result with the differences, in one window.
    EXPECT_EQ(run.ui.Messages, std::vector<RecordedMessage>{});
    EXPECT_EQ(VerifyResultText(verified.Differences.size()), "The radio holds exactly this programming.");
    EXPECT_EQ(run.radio.CountLines("#CEPWR"), writes);
    EXPECT_EQ(run.radio.CountLines("#CEPRD"), reads + 2 + 849);
    EXPECT_EQ(verified.Radio.RadioImage[0x3200], 0x12);  // read as a read reads, into its own image
    EXPECT_TRUE(run.data.RadioImage == image);
    EXPECT_EQ(run.data.UsaChannels, usa);
    // A verify reads: the radio's picture stands where a read shows it.
    EXPECT_EQ(TransferPicturesFor(kTransferVerify).HandyLeft, TransferPicturesFor(kTransferRead).HandyLeft);
}

TEST(Verify, DifferencesAreWhatAProgramRunWouldChange)
{
    test::DialogRun run(kTransferProgram);
    ASSERT_TRUE(run.Run(kTransferProgram));
    run.data.UsaChannels[32].ChTag = "DIST16";
    run.data.UsableGroups[kGroupCanada].Enable = false;
    run.data.CanadaChannels[32].ChTag = "NOT SENT";  // a group that is not usable is not written
    const RadioImage image = run.data.RadioImage;

    VerifyOutcome verified;
    EXPECT_TRUE(run.Run(kTransferVerify, &verified));
    EXPECT_EQ(verified.Differences,
              (std::vector<Difference>{{"Usable", "Usable CH Group Setup: Canada Enable Off → On"},
                                       {"PU 32", "USA 16: name DIST16 → DISTRESS"}}));
    EXPECT_EQ(VerifyResultText(verified.Differences.size()),
              "The radio's programming differs from this data: 2 differences.");
    EXPECT_EQ(VerifyResultText(1), "The radio's programming differs from this data: 1 difference.");
    EXPECT_TRUE(run.data.RadioImage == image);
    EXPECT_EQ(run.data.UsaChannels[32].ChTag, "DIST16");
}

TEST(Verify, ARadioOfAnotherModelIsRefusedWithoutAnyCompare)
{
    test::DialogRun run(kTransferProgram);
    run.radio.WriteModelCode(ModelOf(4).Code);
    const RadioImage image = run.data.RadioImage;
    VerifyOutcome verified;
    EXPECT_FALSE(run.Run(kTransferVerify, &verified));
    EXPECT_FALSE(run.shell.TransferDone);
    EXPECT_EQ(run.shell.RadioModelIndex, 4);
    EXPECT_TRUE(verified.Differences.empty());
    EXPECT_TRUE(run.data.RadioImage == image);
}

}  // namespace
}  // namespace kelpie
