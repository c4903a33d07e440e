// kelpie-cli export-csv and import-csv in this process: a bank out as CSV and back into a data file,
// and an import with a refused row that writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "CliArguments.h"
#include "CliInProcess.h"
#include "CliTestFolder.h"

namespace kelpie::test {
namespace {

namespace fs = std::filesystem;

using CliCsv = CliTestFolder;

TEST_F(CliCsv, ExportCsvWritesTheBankAsKelpieOrChirpCsv)
{
    const std::string data = File("a.dat").string();
    ASSERT_EQ(RunInProcess({"new", "--model", "5", "-o", data}, m_folder).ExitCode, 0);
    const CliResult usa = RunInProcess(
        {"export-csv", "--model", "5", data, "--bank", "usa", "-o", File("usa.csv").string()}, m_folder);
    EXPECT_EQ(usa.ExitCode, 0) << usa.Err;
    EXPECT_TRUE(
        Contents(File("usa.csv")).starts_with("CH,ENABLE,RX[MHz],TX[MHz],TX,LOW,UP,DUP,MEM,VS,CH Name\r\n"));
    const CliResult chirp = RunInProcess({"export-csv", "--model", "5", data, "--bank", "e", "--format",
                                          "chirp", "-o", File("e.csv").string()},
                                         m_folder);
    EXPECT_EQ(chirp.ExitCode, 0) << chirp.Err;
    EXPECT_TRUE(Contents(File("e.csv")).starts_with("Location,Name,Frequency,Duplex,Offset,Tone,"));
}

TEST_F(CliCsv, ImportCsvWritesEveryRowOrNothingUnlessRefusedRowsMaySkip)
{
    const std::string data = File("a.dat").string();
    ASSERT_EQ(RunInProcess({"new", "--model", "5", "-o", data}, m_folder).ExitCode, 0);
    std::ofstream(File("in.csv"), std::ios::binary)
        << "Location,Name,Frequency,Duplex,Offset\r\n1,HARBOUR,156.05,,0\r\n2,FAR,190,,0\r\n";
    const std::vector<std::string> import{
        "import-csv",          "--model", "5", data, "--bank", "e", File("in.csv").string(), "-o",
        File("b.dat").string()};
    const CliResult refused = RunInProcess(import, m_folder);
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_NE(refused.Out.find("Line 3: LMR2 refused: RX[MHz]: \"190\" is outside"), std::string::npos)
        << refused.Out;
    EXPECT_FALSE(fs::exists(File("b.dat")));

    std::vector<std::string> skipping = import;
    skipping.push_back("--yes");
    const CliResult skipped = RunInProcess(skipping, m_folder);
    EXPECT_EQ(skipped.ExitCode, 0) << skipped.Err;
    EXPECT_NE(skipped.Out.find("Line 2: LMR1 written."), std::string::npos) << skipped.Out;
    const CliResult back = RunInProcess(
        {"export-csv", "--model", "5", File("b.dat").string(), "--bank", "e", "-o", File("b.csv").string()},
        m_folder);
    EXPECT_EQ(back.ExitCode, 0) << back.Err;
    EXPECT_NE(Contents(File("b.csv")).find("\r\n1,[Enable],01  ,156.0500,156.0500,"), std::string::npos);
    EXPECT_NE(Contents(File("b.csv")).find(",HARBOUR,"), std::string::npos);
}

TEST(CliCsvArguments, TheBankIsRequiredAndChirpIsBankEOnly)
{
    std::string error;
    EXPECT_FALSE(ParseCliArguments({"export-csv", "--model", "5", "a.dat", "-o", "x.csv"}, error));
    EXPECT_EQ(error, "export-csv needs --bank usa, intl, canada or e");
    EXPECT_FALSE(ParseCliArguments(
        {"export-csv", "--model", "5", "a.dat", "--bank", "usa", "--format", "chirp", "-o", "x.csv"}, error));
    EXPECT_EQ(error, "CHIRP CSV holds bank E only: --bank e");
    EXPECT_FALSE(
        ParseCliArguments({"convert", "--model", "5", "a.dat", "--bank", "e", "-o", "x.dat"}, error));
    EXPECT_EQ(error, "convert takes no --bank or --format");
}

}  // namespace
}  // namespace kelpie::test
