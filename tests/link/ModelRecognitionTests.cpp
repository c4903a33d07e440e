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

TEST(ModelRecognition, EveryRadioOfAnotherModelIsNamedAndNothingBeyondItsMemoryIsAsked)
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
        }
    }
}

TEST(ModelRecognition, WordsOfNoModelOrAHalfRecognisedRadioKeepTheModelTypeError)
{
    // {set model, radio model, head word written at the radio model's head, tail word}
    const std::tuple<int, int, std::uint16_t, std::uint16_t> cases[] = {
        {5, 1, 0x1234, 0x1234},  // a code no model has
        {5, 1, 0x00F0, 0x1234},  // the MV240's head, but not its tail
        {1, 6, 0x00E7, 0x00E6},  // the MV230E's head, the MV230's tail
    };
    for (const auto& [setModel, radioModel, head, tail] : cases) {
        SCOPED_TRACE(testing::Message() << "set " << setModel << ", radio " << radioModel);
        MismatchedLink s(setModel, radioModel);
        s.radio.WriteModelCode(0xFFFF);
        s.radio.Memory().SetWord(ModelCheckHeadAddress(radioModel), head);
        s.radio.Memory().SetWord(s.radio.LastAddress() - 1, tail);
        ReadDataChkModel(s.link);
        EXPECT_TRUE(s.shell.ErrorFlag);
        EXPECT_EQ(s.shell.RadioModelIndex, -1);
        EXPECT_EQ(s.ui.MessageTexts(), std::vector<std::string>{"ModelType Error !!"});
    }
}

TEST(ModelRecognition, AReadOfTheRightModelAfterARecognitionForgetsIt)
{
    MismatchedLink s(5, 1);
    ReadDataChkModel(s.link);
    ASSERT_EQ(s.shell.RadioModelIndex, 1);
    s.data = RadioData(1);
    WriteFreshImage(s.data);
    s.shell.ErrorFlag = false;
    ReadDataChkModel(s.link);
    EXPECT_FALSE(s.shell.ErrorFlag);
    EXPECT_EQ(s.shell.RadioModelIndex, -1);
    EXPECT_EQ(s.shell.RadioModelText, "");
}

}  // namespace
}  // namespace kelpie::test
