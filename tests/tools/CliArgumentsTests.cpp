#include "CliArguments.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

std::optional<CliArguments> Parse(std::vector<std::string> arguments, std::string& error)
{
    error.clear();
    return ParseCliArguments(arguments, error);
}

TEST(CliArguments, CommandsWithTheirOptionsAndInput)
{
    std::string error;
    auto parsed =
        Parse({"convert", "--model", "4", "--destination", "intl", "in.dat", "-o", "out.hex"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->Command, "convert");
    EXPECT_EQ(parsed->Model, 4);
    EXPECT_EQ(parsed->Destination, "intl");
    EXPECT_EQ(parsed->Input, "in.dat");
    EXPECT_EQ(parsed->Output, "out.hex");

    parsed =
        Parse({"read", "--yes", "--debug", "--model", "0", "--port", "/dev/pts/3", "-o", "r.hex"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_TRUE(parsed->Yes && parsed->Debug);
    EXPECT_EQ(parsed->Port, "/dev/pts/3");

    parsed = Parse({"diff", "--model", "5", "a.dat", "b.hex"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->Input, "a.dat");
    EXPECT_EQ(parsed->Other, "b.hex");

    parsed = Parse({"info", "x.hex"}, error);
    ASSERT_TRUE(parsed) << error;
    EXPECT_EQ(parsed->Model, -1);
    EXPECT_TRUE(Parse({"listing", "--model", "1", "x.hex"}, error));
    EXPECT_TRUE(Parse({"write", "--help"}, error)->Help);
    EXPECT_TRUE(Parse({"--version"}, error)->Version);
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
        {{"convert", "--model", "5", "a.dat", "b.dat", "-o", "x.hex"}, "convert needs one input file"},
        {{"info", "--model", "5", "x.hex"}, "info takes no --model"},
        {{"diff", "--model", "5", "a.dat"}, "diff needs two input files"},
        {{"verify", "--model", "5", "a.dat"}, "verify needs --port DEVICE"},
        {{"verify", "--model", "5", "--port", "p"}, "verify needs one input file"},
        {{"clear-distress", "--model", "5", "--port"}, "--port needs a value"},
        {{"new", "--model", "5", "-o", "x.dat", "--fast"}, "unknown option --fast"},
    };
    for (const auto& [arguments, expected] : cases) {
        std::string error;
        EXPECT_FALSE(Parse(arguments, error));
        EXPECT_EQ(error, expected);
    }
}

}  // namespace
}  // namespace kelpie
