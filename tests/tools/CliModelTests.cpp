// kelpie-cli read against a radio of any model: without --model the model is found on the radio and
// named; with a --model of another radio the radio's model is named instead of read.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliInProcess.h"
#include "CliTestFolder.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "model/Models.h"

namespace kelpie::test {
namespace {

namespace fs = std::filesystem;

using CliModel = CliTestFolder;

TEST_F(CliModel, ReadWithoutAModelReadsEveryModelAndNamesIt)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(testing::Message() << "radio model " << model);
        InProcessRadio radio(model);
        const fs::path out = File("read" + std::to_string(model) + ".hex");
        const CliResult result = radio.Run({"read", "-o", out.string()}, m_folder);
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        EXPECT_NE(result.Err.find(std::string("the radio is an ") + ModelOf(model).Model + " (--model " +
                                  std::to_string(model) + ")"),
                  std::string::npos)
            << result.Err;
        EXPECT_NE(result.Err.find("read complete: 100%"), std::string::npos) << result.Err;
        // Neither the other model nor a refusal is told.
        EXPECT_EQ(result.Err.find("Kelpie is set for"), std::string::npos) << result.Err;
        const std::vector<std::uint8_t> bytes = ReadWholeFile(out);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(ExpectedImageFileLength(model)));
        EXPECT_TRUE(PassesModelCheck(bytes, model));
    }
}

TEST_F(CliModel, ReadWithTheModelOfAnotherRadioNamesTheRadiosModel)
{
    InProcessRadio radio(1);
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("read.hex").string()}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("This radio is an MV240; Kelpie is set for the MV230."), std::string::npos)
        << result.Err;
    // The MV240 has no memory at the MV230's tail: nothing asked to synchronise again.
    EXPECT_EQ(result.Err.find("confirm the synchronization"), std::string::npos) << result.Err;
    EXPECT_FALSE(fs::exists(File("read.hex")));
}

}  // namespace
}  // namespace kelpie::test
