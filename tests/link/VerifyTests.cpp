#include "link/Verify.h"

#include <gtest/gtest.h>

#include "LinkTestSupport.h"

namespace kelpie {
namespace {

using test::DialogRun;
using test::RecordedMessage;

TEST(Verify, ARadioProgrammedWithTheDataHoldsExactlyItAndTheDataIsNeverChanged)
{
    DialogRun run(kTransferProgram);
    ASSERT_TRUE(run.dialog->OkPressed());
    const RadioImage image = run.data.RadioImage;
    const int writes = run.radio.CountLines("#CEPWR");
    const int reads = run.radio.CountLines("#CEPRD");
    // Bytes a program run leaves to the radio may hold anything.
    run.radio.Memory()[0x005A] ^= 0xFF;
    run.radio.Memory()[0x00A8] ^= 0x04;
    run.radio.Memory()[0x0200] ^= 0x01;
    run.radio.Memory()[0x3200] = 0x12;

    EXPECT_TRUE(run.Open(kTransferVerify).OkPressed());
    const VerifyOutcome& verified = run.dialog->Verified();
    EXPECT_TRUE(run.shell.TransferDone);
    EXPECT_EQ(verified.Differences, std::vector<Difference>{});
    // No box of its own: the front end shows the result with the differences, in one window.
    EXPECT_EQ(run.ui.Messages, std::vector<RecordedMessage>{});
    EXPECT_EQ(VerifyResultText(verified.Differences.size()), "The radio holds exactly this programming.");
    EXPECT_EQ(run.radio.CountLines("#CEPWR"), writes);
    EXPECT_EQ(run.radio.CountLines("#CEPRD"), reads + 2 + 849);
    EXPECT_EQ(verified.Radio.RadioImage[0x3200], 0x12);  // read as a read reads, into its own image
    EXPECT_TRUE(run.data.RadioImage == image);
    // A verify reads: the radio's picture stands where a read shows it.
    EXPECT_EQ(TransferPicturesFor(kTransferVerify).HandyLeft, TransferPicturesFor(kTransferRead).HandyLeft);
}

TEST(Verify, DifferencesAreWhatAProgramRunWouldChange)
{
    DialogRun run(kTransferProgram);
    ASSERT_TRUE(run.dialog->OkPressed());
    run.data.UsaChannels[32].ChTag = "DIST16";
    run.data.UsableGroups[kGroupCanada].Enable = false;
    run.data.CanadaChannels[32].ChTag = "NOT SENT";  // a group that is not usable is not written

    EXPECT_TRUE(run.Open(kTransferVerify).OkPressed());
    const VerifyOutcome& verified = run.dialog->Verified();
    EXPECT_EQ(verified.Differences,
              (std::vector<Difference>{{"Usable", "Usable CH Group Setup: Canada Enable Off → On"},
                                       {"PU 32", "USA 16: name DIST16 → DISTRESS"}}));
    EXPECT_EQ(VerifyResultText(verified.Differences.size()),
              "The radio's programming differs from this data: 2 differences.");
    EXPECT_EQ(VerifyResultText(1), "The radio's programming differs from this data: 1 difference.");
    EXPECT_EQ(run.data.UsaChannels[32].ChTag, "DIST16");
}

// The directories a read empties or leaves out are not compared: a radio that holds the data is
// equal to it on the models that have them, and the result says what was left out.
TEST(Verify, TheResultSaysThatDirectoriesAreNotComparedOnTheModelsThatHaveThem)
{
    for (int model : {0, 3}) {
        SCOPED_TRACE(model);
        DialogRun run(kTransferVerify, model);
        EXPECT_TRUE(run.dialog->OkPressed());
        EXPECT_TRUE(run.dialog->Verified().Differences.empty());
    }
    EXPECT_EQ(NotComparedWithRadio(0),
              "The MMSI directories and the ATIS call signs are not compared with the "
              "radio: Kelpie does not write them to it.");
    EXPECT_EQ(NotComparedWithRadio(3),
              "The MMSI directories are not compared with the radio: Kelpie does not write them to it.");
    EXPECT_EQ(NotComparedWithRadio(5), "");
}

}  // namespace
}  // namespace kelpie
