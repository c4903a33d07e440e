#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <tuple>

#include "CliTestFolder.h"
#include "RadioSimProcess.h"

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

TEST_F(Cli, NewWritesADataFileOrAHexImageOfTheModelByItsExtension)
{
    EXPECT_EQ(ReadFileText(New(5, "mv230.dat")).substr(0, 6), "[MAIN]");
    EXPECT_EQ(fs::file_size(New(1, "mv240.hex")), 8192u);
    const CliResult result = Run({"info", File("mv240.hex")});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_THAT(result.Out, HasSubstr("size: 8192 bytes"));
    EXPECT_THAT(result.Out, HasSubstr("at 0x0040: 00F0, at 0x1FFE: 00F0"));
    EXPECT_THAT(result.Out, HasSubstr("model: 1 MV240"));
}

TEST_F(Cli, DebugModeNamesTheUsersDataFolderForItsLogs)
{
    const CliResult result = Run({"new", "--debug", "--model", "5", "-o", File("x.dat")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const fs::path folder = m_folder / "Kelpie";
    EXPECT_THAT(result.Err,
                HasSubstr("err.log and serial-trace.log are written to " + folder.string() + "\n"));
    EXPECT_TRUE(fs::is_directory(folder));
}

// Which files a model refuses is pinned with the readers; here the refusal reaches the user.
TEST_F(Cli, AFileOfAnotherModelOrAMissingDefaultImageIsRefused)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"convert", "--model", "4", New(5, "mv230.dat"), "-o", File("x.hex")}, "different model!!"},
        {{"new", "--model", "5", "--destination", "atlantis", "-o", File("x.hex")},
         "no default image ATLANTIS_00E6.ini"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_THAT(result.Err, HasSubstr(message));
    }
    EXPECT_FALSE(fs::exists(File("x.hex")));
}

TEST_F(Cli, ListingGoesToStandardOutputOrAFile)
{
    const CliResult result = Run({"listing", "--model", "1", New(1, "mv240.hex")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(result.Out.substr(0, 4), "\r\n\r\n");
    EXPECT_THAT(result.Out, HasSubstr("\r\n##### Programmable Exp Channel #####\r\n"));
    const CliResult saved = Run({"listing", "--model", "1", File("mv240.hex"), "-o", File("mv240.txt")});
    ASSERT_EQ(saved.ExitCode, 0) << saved.Err;
    EXPECT_EQ(saved.Out, "");
    EXPECT_EQ(ReadFileText(File("mv240.txt")), result.Out);
}

TEST_F(Cli, WhatIsNotAFileOrIsFarTooLargeIsRefusedBeforeItIsRead)
{
    ASSERT_EQ(mkfifo(File("pipe.dat").c_str(), 0600), 0);
    fs::resize_file(Write("huge.dat", "[MAIN]\r\nMODELTYPE=5\r\n"), 6'000'000'000);
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"info", "/dev/zero"}, "/dev/zero: not a file\n"},
        {{"info", File("pipe.dat")}, File("pipe.dat").string() + ": not a file\n"},
        {{"convert", "--model", "5", File("huge.dat"), "-o", File("x.hex")},
         File("huge.dat").string() +
             ": FileRead Error!!\nlarger than any file Kelpie reads (4194304 bytes at most)\n"},
    };
    for (const auto& [arguments, message] : cases) {
        const CliResult result = Run(arguments);
        EXPECT_EQ(result.ExitCode, 1) << arguments[1];
        EXPECT_EQ(result.Err, message);
    }
    EXPECT_FALSE(fs::exists(File("x.hex")));
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
    Write("odd.dat",
          "[MAIN]\r\nMODELTYPE=5\r\n[Common Setup]\r\nSQL=300\r\nWeater=2\r\n[CHEXP1]\r\nRxfreq=50\r\n");
    CliResult result = RunCli({"convert", "--model", "5", File("odd.dat"), "-o", File("odd.hex")}, m_folder,
                              CliPlace{program, {}});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    // Which values the reader refused is pinned with the reader; here the list reaches the user.
    EXPECT_THAT(result.Err,
                testing::StartsWith("warning: " + (File("bin") / "USA_00E6.ini").string() +
                                    " is not a default image of this model; the reset image is used\n" +
                                    File("odd.dat").string() + ": values not taken"));
    EXPECT_THAT(result.Err, testing::EndsWith("  [Common Setup] SQL=300\n  [CHEXP1] Rxfreq=50\n"));
    result = RunCli({"new", "--model", "5", "--destination", "usa", "-o", File("usa.dat")}, m_folder,
                    CliPlace{program, {}});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("USA_00E6.ini: IniFileRead Error!!"));
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(Exe({}).ExitCode, 2);
    EXPECT_EQ(Exe({"new", "--model", "9", "-o", File("x.dat")}).ExitCode, 2);
    EXPECT_EQ(Exe({"new", "--model", "5", "-o", File("x.doc")}).ExitCode, 2);
    const CliResult help = Exe({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_THAT(help.Out, HasSubstr("kelpie-cli clear-distress --model N --port DEVICE"));
}

// Convert keeps everything: a data file through a hex image comes back byte for byte.
TEST_F(Cli, ConvertKeepsEverythingAndDiffPrintsEachDifferenceOnALine)
{
    Write("b.dat", RenameUsa16(ReadFileText(New(5, "a.dat")), "DIST16"));
    for (const auto& [in, out] : {std::pair{"a.dat", "a.hex"}, {"b.dat", "b.hex"}, {"a.hex", "c.dat"}}) {
        ASSERT_EQ(Run({"convert", "--model", "5", File(in), "-o", File(out)}).ExitCode, 0);
    }
    EXPECT_EQ(ReadFileText(File("c.dat")), ReadFileText(File("a.dat")));
    // A hex file carries the sum of the settings bytes, which a data file does not: no programming.
    const std::tuple<std::string, std::string, int, std::string> cases[] = {
        {"a.dat", "a.dat", 0, ""},
        {"a.dat", "b.dat", 1, "USA 16: name DISTRESS → DIST16\n"},
        {"a.hex", "b.hex", 1, "USA 16: name DISTRESS → DIST16\n"},
        {"a.hex", "a.dat", 0, ""},
    };
    for (const auto& [first, second, exitCode, out] : cases) {
        SCOPED_TRACE(first + " " + second);
        const CliResult result = Run({"diff", "--model", "5", File(first), File(second)});
        EXPECT_EQ(result.ExitCode, exitCode) << result.Err;
        EXPECT_EQ(result.Out, out);
    }
    const CliResult result =
        Run({"diff", "--model", "5", fs::path(KELPIE_BIN_DIR) / "INTL_00E6.ini", File("a.hex")});
    EXPECT_EQ(result.ExitCode, 1) << result.Err;
    EXPECT_THAT(result.Out, HasSubstr("Usable CH Group Setup: USA Enable Off → On\n"));
}

// The radio commands through the executables: kelpie-cli against kelpie-radiosim on a
// pseudo-terminal, with the protocol's real pauses. The four run at once, each with a radio and a
// folder of its own, so that the test takes as long as the longest; the smallest radio keeps the
// reads short. Every other radio case runs in this process, on a clock that costs no real time.
TEST_F(Cli, ReadWriteVerifyAndClearDistressRunThroughTheExecutables)
{
    const fs::path renamed = Write("renamed.dat", RenameUsa16(ReadFileText(New(5, "usa.dat")), "DIST16"));
    ASSERT_EQ(Run({"convert", "--model", "5", renamed, "-o", File("renamed.hex")}).ExitCode, 0);
    std::string distress = ReadFileText(New(0, "mf7500s.hex"));
    std::fill(distress.begin() + 0x1E00, distress.begin() + 0x1FB0, '\x12');
    for (const char* folder : {"read", "write", "verify", "clear"}) {
        fs::create_directories(File(folder));
    }
    RadioSimProcess readRadio({"--model", "1"});
    RadioSimProcess writeRadio({"--model", "5", "--save", File("written.hex")});
    RadioSimProcess verifyRadio({"--model", "1", "--image", New(1, "mv240.hex")});
    RadioSimProcess clearRadio(
        {"--model", "0", "--image", Write("distress.hex", distress), "--save", File("cleared.hex")});
    for (const RadioSimProcess* radio : {&readRadio, &writeRadio, &verifyRadio, &clearRadio}) {
        ASSERT_FALSE(radio->Device().empty());
    }
    CliProcess read({"read", "--model", "1", "--port", readRadio.Device(), "-o", File("read.hex")},
                    File("read"));
    CliProcess write({"write", "--model", "5", "--port", writeRadio.Device(), renamed}, File("write"));
    CliProcess verify({"verify", "--model", "1", "--port", verifyRadio.Device(), File("mv240.hex")},
                      File("verify"));
    CliProcess clear({"clear-distress", "--model", "0", "--yes", "--port", clearRadio.Device()},
                     File("clear"));

    const CliResult readResult = read.Wait();
    EXPECT_EQ(readResult.ExitCode, 0) << readResult.Err;
    EXPECT_THAT(readResult.Err, HasSubstr("read complete: 100%"));
    EXPECT_EQ(ReadFileText(File("read.hex")).size(), 8192u);
    const fs::path backups = File("read") / "Kelpie" / "backups";
    ASSERT_TRUE(fs::exists(backups));
    const auto backup = fs::directory_iterator(backups)->path();
    EXPECT_TRUE(backup.filename().string().starts_with("MV240-00F0-")) << backup;
    EXPECT_THAT(readResult.Err, HasSubstr(backup.string()));

    const CliResult writeResult = write.Wait();
    EXPECT_EQ(writeResult.ExitCode, 0) << writeResult.Err;
    ASSERT_TRUE(writeRadio.Stop());
    const std::string written = ReadFileText(File("written.hex"));
    const std::string file = ReadFileText(File("renamed.hex"));
    ASSERT_EQ(written.size(), 16384u);
    EXPECT_TRUE(written.substr(0x0100, 0xC0) == file.substr(0x0100, 0xC0)) << "enable and scan bits";
    EXPECT_TRUE(written.substr(0x0C00, 0x2880) == file.substr(0x0C00, 0x2880)) << "channel names";
    EXPECT_NE(written.find("DIST16"), std::string::npos);

    const CliResult verifyResult = verify.Wait();
    EXPECT_EQ(verifyResult.ExitCode, 0) << verifyResult.Err;
    EXPECT_THAT(verifyResult.Err, HasSubstr("The radio holds exactly this programming."));
    EXPECT_EQ(verifyResult.Out, "");
    EXPECT_TRUE(fs::exists(File("verify") / "Kelpie" / "backups"));

    const CliResult clearResult = clear.Wait();
    EXPECT_EQ(clearResult.ExitCode, 0) << clearResult.Err;
    ASSERT_TRUE(clearRadio.Stop());
    const std::string cleared = ReadFileText(File("cleared.hex"));
    ASSERT_EQ(cleared.size(), 16384u);
    EXPECT_TRUE(cleared.substr(0x1E00, 0x1B0) == std::string(0x1B0, '\xFF')) << "the distress log";
}

// The clear erases the International names that share its memory: without --yes its question is
// answered Cancel before anything is sent.
TEST_F(Cli, ClearDistressNeedsConfirmation)
{
    InProcessRadio radio(0);
    const RadioImage mf7500s = radio.Radio().Memory();
    const CliResult unconfirmed = radio.Run({"clear-distress", "--model", "0"}, m_folder);
    EXPECT_EQ(unconfirmed.ExitCode, 1);
    EXPECT_THAT(unconfirmed.Err, HasSubstr("International channels 72 to 88"));
    EXPECT_TRUE(radio.Radio().Memory() == mf7500s);
    EXPECT_TRUE(radio.Radio().Commands().empty()) << "nothing is sent";
}

TEST_F(Cli, VerifyPrintsWhatTheRadioHoldsOtherwise)
{
    const fs::path renamed = Write("b.dat", RenameUsa16(ReadFileText(New(5, "a.dat")), "DIST16"));
    InProcessRadio radio(5);
    ASSERT_EQ(radio.Run({"write", "--model", "5", File("a.dat")}, m_folder).ExitCode, 0);
    const CliResult result = radio.Run({"verify", "--model", "5", renamed}, m_folder);
    EXPECT_EQ(result.ExitCode, 1) << result.Err;
    EXPECT_EQ(result.Out, "USA 16: name DIST16 → DISTRESS\n");
    EXPECT_THAT(result.Err, HasSubstr("differs from this data: 1 difference."));
}

TEST_F(Cli, AReadWhoseOutputCannotBeWrittenIsRefusedBeforeTheRadioIsRead)
{
    InProcessRadio radio(5);
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("missing/x.dat")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_EQ(result.Err, File("missing/x.dat").string() + ": FileSave Error!!\nNo such file or directory\n");
    EXPECT_TRUE(radio.Radio().Lines().empty()) << "nothing is sent";
}

TEST_F(Cli, CtrlCCancelsARead)
{
    InProcessRadio radio(5);
    radio.InterruptWhen([&](int) { return radio.Radio().Commands().size() >= 20; });
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("read cancelled"));
    EXPECT_LT(radio.Radio().Commands().size(), 25u);
    EXPECT_FALSE(fs::exists(File("read.hex")));
    EXPECT_FALSE(fs::exists(m_folder / "Kelpie" / "backups"));
}

// Ctrl+C pressed before the run starts, or before any transmission up to the first block sent.
TEST_F(Cli, CtrlCAtAnyMomentBeforeTheBlocksNeverProgramsTheRadio)
{
    New(5, "usa.hex");
    int moment = 0;
    for (;; ++moment) {
        SCOPED_TRACE(moment);
        InProcessRadio radio(5);
        const RadioImage untouched = radio.Radio().Memory();
        radio.InterruptWhen([moment](int sent) { return sent == moment; });
        const CliResult result = radio.Run({"write", "--model", "5", File("usa.hex")}, m_folder);
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_THAT(result.Err, HasSubstr("write cancelled"));
        const auto& commands = radio.Radio().Commands();
        if (std::any_of(commands.begin(), commands.end(), [](auto& c) { return c.Word == "#CEPWR"; })) {
            break;
        }
        EXPECT_TRUE(radio.Radio().Memory() == untouched) << "the radio's memory was written";
    }
    EXPECT_GT(moment, 10);
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
    EXPECT_THAT(result.Err, HasSubstr("Radio not ready!!"));
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

}  // namespace
}  // namespace kelpie::test
