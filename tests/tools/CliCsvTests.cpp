// kelpie-cli export-csv and import-csv in this process: a bank out as CSV and back into a data file,
// and an import with a refused row that writes nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestFolder.h"

namespace kelpie::test {
namespace {

using CliCsv = CliTestFolder;

TEST_F(CliCsv, ExportCsvWritesTheBankAsKelpieOrChirpCsv)
{
    const std::string data = New(5, "a.dat");
    const CliResult usa = Run({"export-csv", "--model", "5", data, "--bank", "usa", "-o", File("usa.csv")});
    EXPECT_EQ(usa.ExitCode, 0) << usa.Err;
    EXPECT_THAT(ReadFileText(File("usa.csv")),
                testing::StartsWith("CH,ENABLE,RX[MHz],TX[MHz],TX,LOW,UP,DUP,MEM,VS,CH Name\r\n"));
    const CliResult chirp =
        Run({"export-csv", "--model", "5", data, "--bank", "e", "--format", "chirp", "-o", File("e.csv")});
    EXPECT_EQ(chirp.ExitCode, 0) << chirp.Err;
    EXPECT_THAT(ReadFileText(File("e.csv")),
                testing::StartsWith("Location,Name,Frequency,Duplex,Offset,Tone,"));
}

TEST_F(CliCsv, ImportCsvWritesEveryRowOrNothingUnlessRefusedRowsMaySkip)
{
    const std::string csv =
        Write("in.csv", "Location,Name,Frequency,Duplex,Offset\r\n1,HARBOUR,156.05,,0\r\n2,FAR,190,,0\r\n");
    std::vector<std::string> import{"import-csv", "--model", "5",  New(5, "a.dat"), "--bank",
                                    "e",          csv,       "-o", File("b.dat")};
    const CliResult refused = Run(import);
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_THAT(refused.Out, HasSubstr("Line 3: LMR2 refused: RX[MHz]: \"190\" is outside"));
    EXPECT_FALSE(std::filesystem::exists(File("b.dat")));

    import.push_back("--yes");
    const CliResult skipped = Run(import);
    EXPECT_EQ(skipped.ExitCode, 0) << skipped.Err;
    EXPECT_THAT(skipped.Out, HasSubstr("Line 2: LMR1 written."));
    const CliResult back =
        Run({"export-csv", "--model", "5", File("b.dat"), "--bank", "e", "-o", File("b.csv")});
    EXPECT_EQ(back.ExitCode, 0) << back.Err;
    EXPECT_THAT(ReadFileText(File("b.csv")), HasSubstr("\r\n1,[Enable],01  ,156.0500,156.0500,"));
    EXPECT_THAT(ReadFileText(File("b.csv")), HasSubstr(",HARBOUR,"));
}

}  // namespace
}  // namespace kelpie::test
