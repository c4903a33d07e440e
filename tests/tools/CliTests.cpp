#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "CliTestFolder.h"
#include "RadioSimProcess.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "model/Models.h"

namespace kelpie::test {
namespace {

namespace fs = std::filesystem;

// The data file with one channel renamed: USA 16, slot 32.
std::string RenameUsa16(std::string data, const std::string& name)
{
    const std::string tag = "ChTag=#DISTRESS";
    const auto at = data.find(tag, data.find("[CHUSA32]"));
    return data.replace(at, tag.size(), "ChTag=#" + name);
}

using Cli = CliTestFolder;

// Info reads any file: what is not a regular file is refused before it is read. Debug mode names
// the user's data folder for its logs.
TEST_F(Cli, NewWritesADataFileOrAHexImageOfTheModelByItsExtensionAndInfoNamesItsModel)
{
    const CliResult debug = Run({"new", "--debug", "--model", "5", "-o", File("mv230.dat")});
    ASSERT_EQ(debug.ExitCode, 0) << debug.Err;
    const fs::path folder = m_folder / "Kelpie";
    EXPECT_THAT(debug.Err,
                HasSubstr("err.log and serial-trace.log are written to " + folder.string() + "\n"));
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(ReadFileText(File("mv230.dat")).substr(0, 6), "[MAIN]");
    EXPECT_EQ(fs::file_size(New(1, "mv240.hex")), 8192u);
    const CliResult result = Run({"info", File("mv240.hex")});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_THAT(result.Out, HasSubstr("at 0x0040: 00F0, at 0x1FFE: 00F0"));
    EXPECT_THAT(result.Out, HasSubstr("model: 1 MV240"));
    const CliResult device = Run({"info", "/dev/zero"});
    EXPECT_EQ(device.ExitCode, 1);
    EXPECT_EQ(device.Err, "/dev/zero: not a file\n");
}

TEST_F(Cli, ListingGoesToStandardOutputOrAFile)
{
    const CliResult result = Run({"listing", "--model", "1", New(1, "mv240.hex")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_THAT(result.Out, HasSubstr("\r\n##### Programmable Exp Channel #####\r\n"));
    const CliResult saved = Run({"listing", "--model", "1", File("mv240.hex"), "-o", File("mv240.txt")});
    ASSERT_EQ(saved.ExitCode, 0) << saved.Err;
    EXPECT_EQ(saved.Out, "");
    EXPECT_EQ(ReadFileText(File("mv240.txt")), result.Out);
}

// As at the desktop program's start-up, a damaged default image is a missing one, unless the
// user named its destination. Values a load did not take are named; the load goes on. The
// executable is copied beside the damaged image: it finds its default images in its own folder.
TEST_F(Cli, ADamagedDefaultImageIsAMissingOneAndValuesNotTakenAreNamed)
{
    const fs::path program = File("bin") / "kelpie-cli";
    fs::create_directories(program.parent_path());
    fs::copy_file(CliProgram(), program);
    std::ofstream(File("bin") / "USA_00E6.ini") << "too short";
    Write("odd.dat", "[MAIN]\r\nMODELTYPE=5\r\n[Common Setup]\r\nSQL=300\r\n");
    const auto run = [&](const std::vector<std::string>& arguments) {
        return RunCli(arguments, m_folder, CliPlace{program, {}});
    };
    CliResult result = run({"convert", "--model", "5", File("odd.dat"), "-o", File("odd.hex")});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    // Which values the reader refused is pinned with the reader; here the list reaches the user.
    EXPECT_THAT(result.Err,
                testing::StartsWith("warning: " + (File("bin") / "USA_00E6.ini").string() +
                                    " is not a default image of this model; the reset image is used\n" +
                                    File("odd.dat").string() + ": values not taken"));
    EXPECT_THAT(result.Err, testing::EndsWith("  [Common Setup] SQL=300\n"));
    const std::pair<std::string, std::string> named[] = {{"usa", "USA_00E6.ini: IniFileRead Error!!"},
                                                         {"atlantis", "no default image ATLANTIS_00E6.ini"}};
    for (const auto& [destination, message] : named) {
        result = run({"new", "--model", "5", "--destination", destination, "-o", File("x.dat")});
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_THAT(result.Err, HasSubstr(message));
    }
    EXPECT_FALSE(fs::exists(File("x.dat")));
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(Exe({}).ExitCode, 2);
    EXPECT_EQ(Exe({"new", "--model", "5", "-o", File("x.doc")}).ExitCode, 2);
    const CliResult help = Exe({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_THAT(help.Out, HasSubstr("kelpie-cli clear-distress --model N --port DEVICE"));
}

// Diff exits as diff does and prints each difference on a line; a hex file and the data file it
// was converted from are equal, and a default image is an input like the others.
TEST_F(Cli, ConvertWritesTheOtherFormAndDiffPrintsEachDifferenceOnALine)
{
    Write("b.dat", RenameUsa16(ReadFileText(New(5, "a.dat")), "DIST16"));
    ASSERT_EQ(Run({"convert", "--model", "5", File("a.dat"), "-o", File("a.hex")}).ExitCode, 0);
    const std::tuple<fs::path, std::string, int, std::string> cases[] = {
        {File("a.hex"), "a.dat", 0, ""},
        {File("a.hex"), "b.dat", 1, "USA 16: name DISTRESS → DIST16\n"},
        {fs::path(KELPIE_BIN_DIR) / "INTL_00E6.ini", "a.dat", 1,
         "Usable CH Group Setup: USA Enable Off → On\n"},
    };
    for (const auto& [first, second, exitCode, out] : cases) {
        SCOPED_TRACE(second);
        const CliResult result = Run({"diff", "--model", "5", first, File(second)});
        EXPECT_EQ(result.ExitCode, exitCode) << result.Err;
        EXPECT_EQ(result.Out.empty(), out.empty());
        EXPECT_THAT(result.Out, HasSubstr(out));
    }
}

// The radio commands through the executables: kelpie-cli against kelpie-radiosim on a
// pseudo-terminal, with the protocol's real pauses; the smallest radio keeps the read short.
// Every other radio case runs in this process, on a clock that costs no real time.
TEST_F(Cli, AReadRunsThroughTheExecutablesAndKeepsABackupInTheUsersDataFolder)
{
    RadioSimProcess radio({"--model", "1"});
    ASSERT_FALSE(radio.Device().empty());
    const CliResult result =
        RunCli({"read", "--model", "1", "--port", radio.Device(), "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_THAT(result.Err, HasSubstr("read complete: 100%"));
    EXPECT_EQ(fs::file_size(File("read.hex")), 8192u);
    const fs::path backups = m_folder / "Kelpie" / "backups";
    ASSERT_TRUE(fs::exists(backups));
    EXPECT_THAT(result.Err, HasSubstr(fs::directory_iterator(backups)->path().string()));
}

TEST_F(Cli, VerifyAfterAWriteTellsWhetherTheRadioHoldsTheFile)
{
    const fs::path renamed = Write("b.dat", RenameUsa16(ReadFileText(New(5, "a.dat")), "DIST16"));
    InProcessRadio radio(5);
    ASSERT_EQ(radio.Run({"write", "--model", "5", File("a.dat")}, m_folder).ExitCode, 0);
    const CliResult same = radio.Run({"verify", "--model", "5", File("a.dat")}, m_folder);
    EXPECT_EQ(same.ExitCode, 0) << same.Err;
    EXPECT_EQ(same.Out, "");
    EXPECT_THAT(same.Err, HasSubstr("The radio holds exactly this programming."));
    const CliResult result = radio.Run({"verify", "--model", "5", renamed}, m_folder);
    EXPECT_EQ(result.ExitCode, 1) << result.Err;
    EXPECT_EQ(result.Out, "USA 16: name DIST16 → DISTRESS\n");
    EXPECT_THAT(result.Err, HasSubstr("differs from this data: 1 difference."));
}

// The clear erases the International names that share its memory: without --yes its question is
// answered Cancel before anything is sent.
TEST_F(Cli, ClearDistressNeedsConfirmation)
{
    InProcessRadio radio(0);
    const CliResult unconfirmed = radio.Run({"clear-distress", "--model", "0"}, m_folder);
    EXPECT_EQ(unconfirmed.ExitCode, 1);
    EXPECT_THAT(unconfirmed.Err, HasSubstr("International channels 72 to 88"));
    EXPECT_TRUE(radio.Radio().Commands().empty()) << "nothing is sent";
    const CliResult confirmed = radio.Run({"clear-distress", "--model", "0", "--yes"}, m_folder);
    EXPECT_EQ(confirmed.ExitCode, 0) << confirmed.Err;
    EXPECT_THAT(confirmed.Err, HasSubstr("clear complete"));
}

TEST_F(Cli, AReadWhoseOutputCannotBeWrittenIsRefusedBeforeTheRadioIsRead)
{
    InProcessRadio radio(5);
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("missing/x.dat")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_EQ(result.Err, File("missing/x.dat").string() + ": FileSave Error!!\nNo such file or directory\n");
    EXPECT_TRUE(radio.Radio().Lines().empty()) << "nothing is sent";
}

// Ctrl+C cancels a run: one pressed while the program starts before anything reaches the radio's
// memory, one pressed during a read before the file and the backup are saved.
TEST_F(Cli, CtrlCCancelsTheRun)
{
    InProcessRadio writeRadio(5);
    const RadioImage untouched = writeRadio.Radio().Memory();
    writeRadio.InterruptWhen([](int sent) { return sent == 0; });
    const CliResult write = writeRadio.Run({"write", "--model", "5", New(5, "usa.hex")}, m_folder);
    EXPECT_EQ(write.ExitCode, 1);
    EXPECT_THAT(write.Err, HasSubstr("write cancelled"));
    EXPECT_TRUE(writeRadio.Radio().Memory() == untouched) << "the radio's memory was written";

    InProcessRadio radio(5);
    radio.InterruptWhen([&](int) { return radio.Radio().Commands().size() >= 20; });
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("read cancelled"));
    EXPECT_LT(radio.Radio().Commands().size(), 25u);
    EXPECT_FALSE(fs::exists(File("read.hex")));
    EXPECT_FALSE(fs::exists(m_folder / "Kelpie" / "backups"));
}

TEST_F(Cli, YesRetriesABusyRadioAFewTimesThenItIsNotReady)
{
    InProcessRadio radio(5, SimulatorFaults{.BusyReplies = 1000});
    const CliResult result = radio.Run({"read", "--yes", "--model", "5", "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    std::size_t retries = 0;
    for (std::size_t at = result.Err.find("[Retry]"); at != std::string::npos;
         at = result.Err.find("[Retry]", at + 1)) {
        ++retries;
    }
    EXPECT_EQ(retries, 3u) << result.Err;
    EXPECT_THAT(result.Err, HasSubstr("Radio is busy!! [Cancel]"));
    EXPECT_FALSE(fs::exists(File("read.hex"))) << "a failed read saves nothing";
}

TEST_F(Cli, SimulatorAndBenchmarkOptionsAreCheckedBeforeTheyStart)
{
    const std::tuple<std::string, std::vector<std::string>, int, std::string> cases[] = {
        {"kelpie-radiosim", {"--model"}, 2, "--model needs a value"},
        {"kelpie-radiosim", {"--image", m_folder.string()}, 1, m_folder.string() + " is not a file"},
        {"kelpie-radiosim", {"--image", File("missing.hex").string()}, 1, "No such file or directory"},
    };
    for (const auto& [program, arguments, exitCode, message] : cases) {
        SCOPED_TRACE(message);
        const CliResult result = RunCli(arguments, m_folder, {fs::path(KELPIE_BIN_DIR) / program, {}});
        EXPECT_EQ(result.ExitCode, exitCode);
        EXPECT_THAT(result.Err, HasSubstr(message));
    }
    if (!fs::exists(fs::path(KELPIE_BIN_DIR) / "kelpie-transfer-bench")) {
        GTEST_SKIP() << "the benchmarks are not built";
    }
    const CliResult help =
        RunCli({"--help"}, m_folder, {fs::path(KELPIE_BIN_DIR) / "kelpie-transfer-bench", {}});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_THAT(help.Out, HasSubstr("usage: kelpie-transfer-bench"));
}

// Without --model the model is found on the radio and named: the model the program starts with is
// read at once, another is read again as its own.
TEST_F(Cli, ReadWithoutAModelReadsTheRadiosModelAndNamesIt)
{
    for (const int model : {5, 1}) {
        SCOPED_TRACE(testing::Message() << "radio model " << model);
        InProcessRadio radio(model);
        const std::string out = File("read" + std::to_string(model) + ".hex");
        const CliResult result = radio.Run({"read", "-o", out}, m_folder);
        EXPECT_EQ(result.ExitCode, 0) << result.Err;
        EXPECT_THAT(result.Err, HasSubstr(std::string("the radio is an ") + ModelOf(model).Model +
                                          " (--model " + std::to_string(model) + ")"));
        // Neither the other model nor a refusal is told.
        EXPECT_THAT(result.Err, testing::Not(HasSubstr("Kelpie is set for")));
        EXPECT_TRUE(PassesModelCheck(ReadWholeFile(out), model));
    }
}

// With a --model of another radio the radio's model is named instead of read.
TEST_F(Cli, ReadWithTheModelOfAnotherRadioNamesTheRadiosModel)
{
    InProcessRadio radio(1);
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("This radio is an MV240; Kelpie is set for the MV230."));
    EXPECT_FALSE(std::filesystem::exists(File("read.hex")));
}

// Diff and verify exit as diff does.
TEST_F(Cli, DiffAndVerifyExitTwoWhenTheyCouldNotCompare)
{
    const std::string a = New(5, "a.dat");
    const std::string missing = File("missing.dat");
    // Equal and different files are the diff's own test; here what it could not compare: the first
    // file, the second, or the radio. Neither is a difference.
    const std::vector<std::string> commands[] = {
        {"diff", "--model", "5", missing, a},
        {"diff", "--model", "5", a, New(4, "mv220.dat")},
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
TEST_F(Cli, StandardOutputThatCannotBeWrittenFailsTheCommand)
{
    const std::vector<std::string> commands[] = {
        {"listing", "--model", "5", New(5, "mv230.hex")}, {"--help"}, {"--version"}};
    for (const auto& arguments : commands) {
        const CliResult full = RunCli(arguments, m_folder, {{}, "/dev/full"});
        EXPECT_EQ(full.ExitCode, 1) << arguments[0];
        EXPECT_EQ(full.Err, "kelpie-cli: standard output: No space left on device\n") << arguments[0];
    }
}

}  // namespace
}  // namespace kelpie::test
