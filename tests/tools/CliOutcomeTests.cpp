// How kelpie-cli ends: diff and verify exit as diff does, and what cannot be printed fails.
#include <gtest/gtest.h>

#include <fstream>

#include "CliTestFolder.h"

namespace kelpie::test {
namespace {

using CliOutcome = CliTestFolder;

TEST_F(CliOutcome, DiffAndVerifyExitTwoWhenTheyCouldNotCompare)
{
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("a.dat")}).ExitCode, 0);
    ASSERT_EQ(Run({"new", "--model", "4", "-o", File("mv220.dat")}).ExitCode, 0);
    // Equal and different files are the diff's own test; here what it could not compare.
    for (const auto& [a, b] : {std::pair{File("a.dat"), File("missing.dat")},
                               {File("missing.dat"), File("a.dat")},
                               {File("a.dat"), File("mv220.dat")}}) {
        const CliResult notCompared = Run({"diff", "--model", "5", a, b});
        EXPECT_EQ(notCompared.ExitCode, 2) << a << " " << b << "\n" << notCompared.Err;
        EXPECT_EQ(notCompared.Out, "");
    }

    // Neither a missing file nor a radio that cannot be reached is a difference.
    EXPECT_EQ(Run({"verify", "--model", "5", "--port", File("no-radio"), File("missing.dat")}).ExitCode, 2);
    const CliResult unreachable = Run({"verify", "--model", "5", "--port", File("no-radio"), File("a.dat")});
    EXPECT_EQ(unreachable.ExitCode, 2) << unreachable.Err;
    EXPECT_NE(unreachable.Err.find("verify failed"), std::string::npos) << unreachable.Err;
}

// Each place that writes to standard output: the listing, --help and --version.
TEST_F(CliOutcome, StandardOutputThatCannotBeWrittenFailsTheCommand)
{
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("mv230.hex")}).ExitCode, 0);
    const std::vector<std::string> commands[] = {
        {"listing", "--model", "5", File("mv230.hex")}, {"--help"}, {"--version"}};
    for (const auto& arguments : commands) {
        EXPECT_EQ(Run(arguments).ExitCode, 0) << arguments[0];
        const CliResult full = RunCli(arguments, m_folder, {{}, "/dev/full"});
        EXPECT_EQ(full.ExitCode, 1) << arguments[0];
        EXPECT_EQ(full.Err, "kelpie-cli: standard output: No space left on device\n") << arguments[0];
    }
}

}  // namespace
}  // namespace kelpie::test
