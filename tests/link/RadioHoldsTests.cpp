// What reaches the radio and what every run says the radio now holds: the distress-log clear and
// the channel names it shares memory with, writes that stop halfway, entries no transfer writes,
// and a port where nothing answers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "link/Handshake.h"
#include "link/Maintenance.h"
#include "link/Transfer.h"
#include "model/DirectoryCodec.h"
#include "model/ImagePasses.h"
#include "model/UnsentEntries.h"

namespace kelpie {
namespace {

using test::DialogRun;
using test::RecordedMessage;
using testing::HasSubstr;
using Texts = std::vector<std::string>;

TEST(DistressClear, ARadioWithoutDscIsRefusedBeforeAnythingIsSent)
{
    DialogRun run(kTransferClearDistress, 5);
    const RadioImage radioBefore = run.radio.Memory();
    EXPECT_FALSE(run.dialog->OkPressed());
    EXPECT_EQ(run.ui.MessageTexts(),
              Texts{"The MV230 has no DSC and no distress log to clear. Nothing was sent to the radio."});
    EXPECT_EQ(run.port.OpenCount(), 0);
    EXPECT_EQ(run.radio.ProbeCount(), 0);
    EXPECT_EQ(run.radio.Memory(), radioBefore);
    EXPECT_TRUE(run.shell.ErrorFlag);
}

// What the clear writes is pinned with the transfers; here the dialog's question and the data.
TEST(DistressClear, OnTheDscModelsItAsksFirstAndTheDataKeepsTheChannelNamesItErases)
{
    const RecordedMessage question = {std::string(kDistressClearQuestion), "Clear Distress Log Data",
                                      MessageIcon::Question, MessageButtons::OkCancel};
    DialogRun cancelled(kTransferClearDistress, 3);
    cancelled.ui.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(cancelled.dialog->OkPressed());
    EXPECT_EQ(cancelled.ui.Messages, std::vector{question});
    EXPECT_EQ(cancelled.port.OpenCount(), 0);
    EXPECT_TRUE(cancelled.radio.Lines().empty());

    DialogRun run(kTransferClearDistress, 3);
    run.data.IntlChannels[150].ChTag = "HARBOUR";
    EncodeImage(run.data);
    test::Holds(run.radio, run.data.RadioImage);
    const RadioImage before = run.data.RadioImage;
    run.ui.Answers = {MessageAnswer::Ok};
    EXPECT_TRUE(run.dialog->OkPressed());
    EXPECT_EQ(run.ui.Messages.front(), question);  // the clear's own box is pinned with the transfers
    EXPECT_EQ(run.radio.Memory()[kDistressLogFirst], 0xFF);
    EXPECT_EQ(run.data.RadioImage, before);
    EXPECT_EQ(run.data.IntlChannels[150].ChTag, "HARBOUR");
    EXPECT_THAT(question.Text, HasSubstr("International channels 72 to 88"));
}

TEST(UnfinishedWrite, AWriteThatStopsAfterItsFirstBlockSaysTheRadioIsPartlyProgrammedUntilAWriteCompletes)
{
    // The box's title, icon and first line, and how far the radio was written, are pinned with the
    // transfer's other ends; here what the shell keeps until a write completes.
    test::OpenLink s(5, SimulatorFaults{.HangUpBlock = 400});
    EXPECT_FALSE(RunWrite(s.link));
    EXPECT_EQ(s.shell.PartlyProgrammed, PartlyProgrammedText(s.link.WrittenUpTo, 0x3FFF));
    s.radio.Faults() = {};
    ASSERT_TRUE(PortOpen(s.link));
    EXPECT_TRUE(RunWrite(s.link));
    EXPECT_EQ(s.shell.PartlyProgrammed, "");
    EXPECT_EQ(PartlyProgrammedText(0x18FF, 0x3FFF),
              "The radio now holds a mix of its old and the new programming, up to 0x18FF (39 %). Program it "
              "again before using it.");
}

TEST(UnsentEntries, ProgramAsksOnceWhenEntriesItCannotWriteChangedSinceTheyWereLoaded)
{
    DialogRun unchanged(kTransferProgram, 0);
    EXPECT_TRUE(unchanged.dialog->OkPressed());
    EXPECT_EQ(unchanged.ui.MessageTexts(), Texts{"Complete!!"});

    DialogRun cancelled(kTransferProgram, 0);
    cancelled.data.GroupDirectory[0] = {true, "FLEET", "0123456780"};
    cancelled.data.AtisCallSigns[3].MID = "DL";
    cancelled.data.IndividualDirectory[0].TagName = "SEA BREEZE";
    cancelled.ui.Answers = {MessageAnswer::Cancel};
    EXPECT_FALSE(cancelled.dialog->OkPressed());
    EXPECT_EQ(cancelled.ui.Messages,
              std::vector<RecordedMessage>(
                  {{"Your changes to the individual directory, the group directory and "
                    "the ATIS call signs will not reach the radio: Kelpie does not write "
                    "them to it. Enter them on the radio itself.\n\nProgram the rest of "
                    "the radio?",
                    "Program to Radio", MessageIcon::Exclamation, MessageButtons::OkCancel}}));
    EXPECT_EQ(cancelled.port.OpenCount(), 0);

    DialogRun programmed(kTransferProgram, 3);
    programmed.data.GroupDirectory[0] = {true, "FLEET", "0123456780"};
    programmed.ui.Answers = {MessageAnswer::Ok};
    EXPECT_TRUE(programmed.dialog->OkPressed());
    EXPECT_THAT(
        programmed.ui.MessageTexts(),
        testing::ElementsAre(HasSubstr("Your changes to the group directory will not"), "Complete!!"));
    EXPECT_EQ(programmed.radio.Memory()[0x3500], 0xFF);  // never written
}

TEST(UnsentEntries, AReadLeavesTheGroupDirectoryEmptyAndCountsWhatItReadAsLoaded)
{
    test::OpenLink s(0);
    ResetEditModel(s.data);
    test::Holds(s.radio, s.data.RadioImage);
    EncodeDigits(s.radio.Memory(), 0x3200, "338123456", true);
    s.data.GroupDirectory[0] = {true, "OLD GROUP", "0123456780"};
    s.data.IndividualDirectory[0] = {true, "OLD", "1111111110"};
    EncodeImage(s.data);
    ASSERT_TRUE(RunRead(s.link));
    EXPECT_EQ(s.data.IndividualDirectory[0].Mmsid, "3381234560");
    EXPECT_EQ(s.data.GroupDirectory[0], DirectoryEntry{});
    EXPECT_TRUE(ChangedUnsentTables(s.data).empty());
    s.data.IndividualDirectory[1] = {true, "NEW", "2222222220"};
    EXPECT_EQ(ChangedUnsentTables(s.data), std::vector<std::string>{"the individual directory"});
}

TEST(SilentPort, AfterTheFirstUnansweredAttemptTheDialogSaysWhatToCheckAndCountsTheAttempts)
{
    DialogRun run(kTransferRead, 5, {.Silent = true});
    const double start = run.clock.Now();
    double firstShownAfter = 0;
    run.ui.OnWaiting = [&] {
        if (run.ui.Waiting.size() == 1) {
            firstShownAfter = run.clock.Now() - start;
        }
    };
    EXPECT_FALSE(run.dialog->OkPressed());
    ASSERT_GE(run.ui.Waiting.size(), 3u);
    EXPECT_LT(firstShownAfter, 150.0);  // one probe's wait, not the whole handshake's
    EXPECT_EQ(run.ui.Waiting[0], WaitingText("COM1", 1));
    EXPECT_THAT(run.ui.Waiting[0],
                testing::AllOf(HasSubstr("Nothing answers on COM1 yet (attempt 1 unanswered)"),
                               HasSubstr("Check the cable, the port"), HasSubstr("Cancel stops.")));
    EXPECT_EQ(run.ui.Waiting[1], WaitingText("COM1", 2));
    EXPECT_EQ(run.ui.Waiting.back(), "");  // gone when the run ended
}

TEST(SilentPort, AnAnswerTakesTheWaitingTextAwayAndALastBlockAttemptShowsNone)
{
    test::OpenLink s(5, SimulatorFaults{.NoAckBlock = 1});
    s.shell.RetryCount = 2;
    RadioImage buffer;
    ReadBlock(s.link, buffer, 0x0040, 16);  // the first attempt is not acknowledged, the second is
    EXPECT_EQ(s.ui.Waiting, (Texts{WaitingText("COM1", 1), ""}));

    // A block left unanswered with no attempt to follow fails the run: nothing says "keeps trying".
    test::OpenLink last(5, SimulatorFaults{.NoAckBlock = 1});
    last.shell.RetryCount = 1;
    ReadBlock(last.link, buffer, 0x0040, 16);
    EXPECT_TRUE(last.ui.Waiting.empty());
}

}  // namespace
}  // namespace kelpie
