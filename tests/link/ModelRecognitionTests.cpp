// The model check against a radio of another model: the radio's own model is recognised from its
// head word and confirmed by its tail word, without asking for an address that radio lacks.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "link/Handshake.h"
#include "link/Transfer.h"
#include "model/Models.h"

namespace kelpie::test {
namespace {

// The program set for setModel, a radio of radioModel holding its model code where it keeps it.
struct MismatchedLink : OpenLink
{
    MismatchedLink(int setModel, int radioModel) : OpenLink(radioModel)
    {
        data = RadioData(setModel);
        WriteFreshImage(data);
    }
};

TEST(ModelRecognition, EveryRadioOfAnotherModelIsNamedWithoutAskingBeyondItsMemoryAndForgottenOnItsOwnModel)
{
    for (int setModel = 0; setModel < kModelCount; ++setModel) {
        for (int radioModel = 0; radioModel < kModelCount; ++radioModel) {
            if (setModel == radioModel) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << "set " << setModel << ", radio " << radioModel);
            MismatchedLink s(setModel, radioModel);
            ReadDataChkModel(s.link);
            EXPECT_TRUE(s.shell.ErrorFlag);
            EXPECT_EQ(s.shell.RadioModelIndex, radioModel);
            EXPECT_EQ(s.shell.RadioModelText, OtherModelText(radioModel, setModel));
            // No box: the front end tells it, and no synchronisation question was needed.
            EXPECT_EQ(s.ui.Messages, std::vector<RecordedMessage>{});
            for (const SimulatorCommand& command : s.radio.Commands()) {
                EXPECT_LE(command.Address + 1, s.radio.LastAddress());
            }
            // A check with the radio's own model set forgets what was recognised.
            s.data = RadioData(radioModel);
            WriteFreshImage(s.data);
            s.shell.ErrorFlag = false;
            ReadDataChkModel(s.link);
            EXPECT_FALSE(s.shell.ErrorFlag);
            EXPECT_EQ(s.shell.RadioModelIndex, -1);
            EXPECT_EQ(s.shell.RadioModelText, "");
        }
    }
}

// The check asks for the set model's head word first; a radio whose words are not the set model's
// and not both another model's is not recognised.
TEST(ModelRecognition, ModelCheckComparesBothCodeWordsWithTheModel)
{
    // {set model, radio model, where the head word is written, head word, tail word, fits}
    const std::tuple<int, int, int, std::uint16_t, std::uint16_t, bool> cases[] = {
        {5, 5, 0x0040, 0x00E6, 0x00E6, true},
        {5, 5, 0x0000, 0x00E6, 0x00E6, false},  // the right words where models 0..3 keep them
        {0, 0, 0x0000, 0x1D4C, 0x1D4C, true},
        {2, 2, 0x0000, 0x00E6, 0x00E6, false},  // equal, but another model's
        {4, 4, 0x0040, 0x00DC, 0x00E6, false},  // the tail is wrong
        {4, 4, 0x0040, 0x00E6, 0x00DC, false},  // the head is wrong
        {5, 1, 0x0000, 0x1234, 0x1234, false},  // a code no model has
        {5, 1, 0x0000, 0x00F0, 0x1234, false},  // the MV240's head, but not its tail
        {1, 6, 0x0040, 0x00E7, 0x00E6, false},  // the MV230E's head, the MV230's tail
    };
    for (const auto& [setModel, radioModel, headAddress, head, tail, fits] : cases) {
        SCOPED_TRACE(testing::Message() << "set " << setModel << ", radio " << radioModel << ", head at "
                                        << headAddress << ", " << head << " " << tail);
        MismatchedLink s(setModel, radioModel);
        s.radio.WriteModelCode(0xFFFF);
        s.radio.Memory().SetWord(headAddress, head);
        s.radio.Memory().SetWord(s.radio.LastAddress() - 1, tail);
        s.link.Caption = "Program to Radio";
        ReadDataChkModel(s.link);
        EXPECT_EQ(s.shell.ErrorFlag, !fits);
        EXPECT_EQ(s.shell.RadioModelIndex, -1);
        EXPECT_EQ(s.ui.Messages, fits ? std::vector<RecordedMessage>{}
                                      : std::vector<RecordedMessage>{{"ModelType Error !!"}});
        ASSERT_FALSE(s.radio.Commands().empty());
        EXPECT_EQ(s.radio.Commands()[0].Address, ModelCheckHeadAddress(setModel));
    }
}

}  // namespace
}  // namespace kelpie::test
