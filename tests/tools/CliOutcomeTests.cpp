// How kelpie-cli ends: diff and verify exit as diff does, and what cannot be printed fails.
#include <gtest/gtest.h>

#include "CliTestFolder.h"

namespace kelpie::test {
namespace {

using CliOutcome = CliTestFolder;

TEST_F(CliOutcome, DiffAndVerifyExitTwoWhenTheyCouldNotCompare)
{
    const std::string a = New(5, "a.dat");
    const std::string missing = File("missing.dat");
    // Equal and different files are the diff's own test; here what it could not compare. Neither a
    // missing file nor a radio that cannot be reached is a difference.
    const std::vector<std::string> commands[] = {
        {"diff", "--model", "5", a, missing},
        {"diff", "--model", "5", missing, a},
        {"diff", "--model", "5", a, New(4, "mv220.dat")},
        {"verify", "--model", "5", "--port", File("no-radio"), missing},
        {"verify", "--model", "5", "--port", File("no-radio"), a},
    };
    CliResult result;
    for (const auto& arguments : commands) {
        SCOPED_TRACE(&arguments - commands);
        result = Exe(arguments);
        EXPECT_EQ(result.ExitCode, 2) << result.Err;
        EXPECT_EQ(result.Out, "");
    }
    EXPECT_THAT(result.Err, HasSubstr("verify failed"));  // the radio that cannot be reached
}

// Each place that writes to standard output: the listing, --help and --version.
TEST_F(CliOutcome, StandardOutputThatCannotBeWrittenFailsTheCommand)
{
    const std::vector<std::string> commands[] = {
        {"listing", "--model", "5", New(5, "mv230.hex")}, {"--help"}, {"--version"}};
    for (const auto& arguments : commands) {
        EXPECT_EQ(Exe(arguments).ExitCode, 0) << arguments[0];
        const CliResult full = RunCli(arguments, m_folder, {{}, "/dev/full"});
        EXPECT_EQ(full.ExitCode, 1) << arguments[0];
        EXPECT_EQ(full.Err, "kelpie-cli: standard output: No space left on device\n") << arguments[0];
    }
}

}  // namespace
}  // namespace kelpie::test
