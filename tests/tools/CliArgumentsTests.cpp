#include "CliArguments.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

// The fields every command reads are checked by the command runs; a command's help no run asks for.
TEST(CliArguments, ACommandsHelpNeedsNoneOfItsArguments)
{
    std::string error;
    const auto parsed = ParseCliArguments({"write", "--help"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_TRUE(parsed->Help);
}

TEST(CliArguments, UsageErrorsSayWhatIsWrong)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{}, "no command given"},
        {{"frobnicate"}, "unknown command frobnicate"},
        {{"new", "-o", "x.dat"}, "new needs --model N"},
        {{"new", "--model", "7", "-o", "x.dat"}, "--model takes a model index 0..6, not 7"},
        {{"new", "--model", "5x", "-o", "x.dat"}, "--model takes a model index 0..6, not 5x"},
        {{"new", "--model", "5"}, "new needs -o OUT"},
        {{"read", "--model", "5", "-o", "x.hex"}, "read needs --port DEVICE"},
        {{"read", "--model", "5", "--port", "p", "--destination", "USA", "-o", "x.hex"},
         "read takes no --destination"},
        {{"convert", "--model", "5", "-o", "x.hex"}, "convert needs one input file"},
        {{"info", "--model", "5", "x.hex"}, "info takes no --model"},
        {{"diff", "--model", "5", "a.dat"}, "diff needs two input files"},
        {{"verify", "--model", "5", "--port", "p"}, "verify needs one input file"},
        {{"clear-distress", "--model", "5", "--port"}, "--port needs a value"},
        {{"new", "--model", "5", "-o", "x.dat", "--fast"}, "unknown option --fast"},
        {{"export-csv", "--model", "5", "a.dat", "-o", "x.csv"},
         "export-csv needs --bank usa, intl, canada or e"},
        {{"export-csv", "--model", "5", "a.dat", "--bank", "usa", "--format", "chirp", "-o", "x.csv"},
         "CHIRP CSV holds bank E only: --bank e"},
        {{"convert", "--model", "5", "a.dat", "--bank", "e", "-o", "x.dat"},
         "convert takes no --bank or --format"},
    };
    for (const auto& [arguments, expected] : cases) {
        std::string error;
        EXPECT_FALSE(ParseCliArguments(arguments, error));
        EXPECT_EQ(error, expected);
    }
}

}  // namespace
}  // namespace kelpie
