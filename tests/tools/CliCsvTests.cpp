// kelpie-cli export-csv and import-csv in this process: a bank out as CSV, and an import with a
// refused row that writes nothing unless refused rows may be skipped.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliTestFolder.h"

namespace kelpie::test {
namespace {

using CliCsv = CliTestFolder;

TEST_F(CliCsv, ExportCsvWritesTheBankAsKelpieOrChirpCsv)
{
    const std::string data = New(5, "a.dat");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--bank", "usa"}, "CH,ENABLE,RX[MHz],TX[MHz],TX,LOW,UP,DUP,MEM,VS,CH Name\r\n"},
        {{"--bank", "e", "--format", "chirp"}, "Location,Name,Frequency,"},
    };
    for (const auto& [options, start] : cases) {
        std::vector<std::string> arguments{"export-csv", "--model", "5", data, "-o", File("out.csv")};
        arguments.insert(arguments.end(), options.begin(), options.end());
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        EXPECT_THAT(ReadFileText(File("out.csv")), testing::StartsWith(start));
    }
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
    EXPECT_THAT(ReadFileText(File("b.dat")), HasSubstr("[CHEXP1]\r\nEnable=1\r\n"));
    EXPECT_THAT(ReadFileText(File("b.dat")), HasSubstr("ChTag=#HARBOUR\r\n"));
}

}  // namespace
}  // namespace kelpie::test
