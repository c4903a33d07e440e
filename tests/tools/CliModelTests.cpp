// kelpie-cli read against a radio of any model: without --model the model is found on the radio and
// named; with a --model of another radio the radio's model is named instead of read.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestFolder.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "model/Models.h"

namespace kelpie::test {
namespace {

using CliModel = CliTestFolder;

TEST_F(CliModel, ReadWithoutAModelReadsEveryModelAndNamesIt)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(testing::Message() << "radio model " << model);
        InProcessRadio radio(model);
        const std::string out = File("read" + std::to_string(model) + ".hex");
        const CliResult result = radio.Run({"read", "-o", out}, m_folder);
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        EXPECT_THAT(result.Err, HasSubstr(std::string("the radio is an ") + ModelOf(model).Model +
                                          " (--model " + std::to_string(model) + ")"));
        EXPECT_THAT(result.Err, HasSubstr("read complete: 100%"));
        // Neither the other model nor a refusal is told.
        EXPECT_THAT(result.Err, testing::Not(HasSubstr("Kelpie is set for")));
        const std::vector<std::uint8_t> bytes = ReadWholeFile(out);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(ExpectedImageFileLength(model)));
        EXPECT_TRUE(PassesModelCheck(bytes, model));
    }
}

TEST_F(CliModel, ReadWithTheModelOfAnotherRadioNamesTheRadiosModel)
{
    InProcessRadio radio(1);
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("This radio is an MV240; Kelpie is set for the MV230."));
    // The MV240 has no memory at the MV230's tail: nothing asked to synchronise again.
    EXPECT_THAT(result.Err, testing::Not(HasSubstr("confirm the synchronization")));
    EXPECT_FALSE(std::filesystem::exists(File("read.hex")));
}

}  // namespace
}  // namespace kelpie::test
