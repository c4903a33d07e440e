#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "CliInProcess.h"
#include "CliTestFolder.h"
#include "RadioSimProcess.h"

namespace kelpie::test {
namespace {

namespace fs = std::filesystem;

using Cli = CliTestFolder;

TEST_F(Cli, NewWritesADataFileOrAHexImageOfTheModelByItsExtension)
{
    CliResult result = Run({"new", "--model", "5", "-o", File("mv230.dat")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;

    result = Run({"new", "--model", "1", "-o", File("mv240.hex")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(fs::file_size(File("mv240.hex")), 8192u);
    result = Run({"info", File("mv240.hex")});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_NE(result.Out.find("size: 8192 bytes"), std::string::npos);
    EXPECT_NE(result.Out.find("at 0x0040: 00F0, at 0x1FFE: 00F0"), std::string::npos);
    EXPECT_NE(result.Out.find("model: 1 MV240"), std::string::npos) << result.Out;
}

TEST_F(Cli, DebugModeNamesTheUsersDataFolderForItsLogs)
{
    const CliResult result = Run({"new", "--debug", "--model", "5", "-o", File("x.dat")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    const std::string said = "err.log and serial-trace.log are written to ";
    const std::size_t at = result.Err.find(said);
    ASSERT_NE(at, std::string::npos) << result.Err;
    const std::string folder =
        result.Err.substr(at + said.size(), result.Err.find('\n', at) - at - said.size());
    EXPECT_EQ(folder.rfind(m_folder.string(), 0), 0u) << folder;
    EXPECT_TRUE(fs::is_directory(folder)) << folder;
}

TEST_F(Cli, ConvertBetweenDataAndHexFilesKeepsEverything)
{
    ASSERT_EQ(Run({"new", "--model", "0", "--destination", "intl", "-o", File("a.dat")}).ExitCode, 0);
    CliResult result = Run({"convert", "--model", "0", File("a.dat"), "-o", File("b.hex")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    result = Run({"convert", "--model", "0", File("b.hex"), "-o", File("c.dat")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(Contents(File("c.dat")), Contents(File("a.dat")));
}

// Which files a model refuses is pinned with the readers; here the refusal reaches the user.
TEST_F(Cli, AFileOfAnotherModelIsRefused)
{
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("mv230.dat")}).ExitCode, 0);
    CliResult result = Run({"convert", "--model", "4", File("mv230.dat"), "-o", File("x.hex")});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("different model!!"), std::string::npos) << result.Err;
    EXPECT_FALSE(fs::exists(File("x.hex")));
    result = Run({"new", "--model", "5", "--destination", "atlantis", "-o", File("y.dat")});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("no default image ATLANTIS_00E6.ini"), std::string::npos) << result.Err;
}

TEST_F(Cli, ListingGoesToStandardOutputOrAFile)
{
    ASSERT_EQ(Run({"new", "--model", "1", "-o", File("mv240.hex")}).ExitCode, 0);
    CliResult result = Run({"listing", "--model", "1", File("mv240.hex")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(result.Out.substr(0, 4), "\r\n\r\n");
    EXPECT_NE(result.Out.find("\r\n##### Programmable Exp Channel #####\r\n"), std::string::npos);
    const CliResult saved = Run({"listing", "--model", "1", File("mv240.hex"), "-o", File("mv240.txt")});
    ASSERT_EQ(saved.ExitCode, 0) << saved.Err;
    EXPECT_EQ(saved.Out, "");
    EXPECT_EQ(Contents(File("mv240.txt")), result.Out);
}

TEST_F(Cli, WhatIsNotAFileOrIsFarTooLargeIsRefusedBeforeItIsRead)
{
    ASSERT_EQ(mkfifo(File("pipe.dat").c_str(), 0600), 0);
    std::ofstream(File("huge.dat")) << "[MAIN]\r\nMODELTYPE=5\r\n";
    fs::resize_file(File("huge.dat"), 6'000'000'000);
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
// user named its destination. Values a load did not take are named; the load goes on.
TEST_F(Cli, ADamagedDefaultImageIsAMissingOneAndValuesNotTakenAreNamed)
{
    const fs::path program = File("bin") / "kelpie-cli";
    fs::create_directories(program.parent_path());
    fs::copy_file(CliProgram(), program);
    std::ofstream(File("bin") / "USA_00E6.ini") << "too short";
    std::ofstream(File("odd.dat")) << "[MAIN]\r\nMODELTYPE=5\r\n[Common Setup]\r\nSQL=300\r\nWeater=2\r\n"
                                      "[CHEXP1]\r\nRxfreq=50\r\n";
    CliResult result = RunCli({"convert", "--model", "5", File("odd.dat"), "-o", File("odd.hex")}, m_folder,
                              CliPlace{program, {}});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    // Which values the reader refused is pinned with the reader; here the list reaches the user.
    EXPECT_TRUE(result.Err.starts_with("warning: " + (File("bin") / "USA_00E6.ini").string() +
                                       " is not a default image of this model; the reset image is used\n" +
                                       File("odd.dat").string() + ": values not taken"))
        << result.Err;
    EXPECT_TRUE(result.Err.ends_with("  [Common Setup] SQL=300\n  [CHEXP1] Rxfreq=50\n")) << result.Err;
    result = RunCli({"new", "--model", "5", "--destination", "usa", "-o", File("usa.dat")}, m_folder,
                    CliPlace{program, {}});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("USA_00E6.ini: IniFileRead Error!!"), std::string::npos) << result.Err;
}

TEST_F(Cli, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(Run({}).ExitCode, 2);
    EXPECT_EQ(Run({"new", "--model", "9", "-o", File("x.dat")}).ExitCode, 2);
    EXPECT_EQ(Run({"new", "--model", "5", "-o", File("x.doc")}).ExitCode, 2);
    const CliResult help = Run({"--help"});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("kelpie-cli clear-distress --model N --port DEVICE"), std::string::npos);
}

// The data file with one channel renamed: USA 16, slot 32.
std::string RenameUsa16(std::string data, const std::string& name)
{
    const std::string tag = "ChTag=#DISTRESS";
    const auto at = data.find(tag, data.find("[CHUSA32]"));
    return data.replace(at, tag.size(), "ChTag=#" + name);
}

TEST_F(Cli, DiffPrintsEachDifferenceOnALine)
{
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("a.dat")}).ExitCode, 0);
    ASSERT_EQ(Run({"convert", "--model", "5", File("a.dat"), "-o", File("a.hex")}).ExitCode, 0);
    std::ofstream(File("b.dat"), std::ios::binary) << RenameUsa16(Contents(File("a.dat")), "DIST16");
    ASSERT_EQ(Run({"convert", "--model", "5", File("b.dat"), "-o", File("b.hex")}).ExitCode, 0);

    CliResult result = Run({"diff", "--model", "5", File("a.dat"), File("a.dat")});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(result.Out, "");
    for (const char* extension : {".dat", ".hex"}) {
        result = Run(
            {"diff", "--model", "5", File(std::string("a") + extension), File(std::string("b") + extension)});
        EXPECT_EQ(result.ExitCode, 1) << result.Err;
        EXPECT_EQ(result.Out, "USA 16: name DISTRESS → DIST16\n") << extension;
    }
    // A hex file carries the sum of the settings bytes, which a data file does not: no programming.
    result = Run({"diff", "--model", "5", File("a.hex"), File("a.dat")});
    EXPECT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_EQ(result.Out, "");
    EXPECT_EQ(Run({"diff", "--model", "5", File("a.dat"), File("a.txt")}).ExitCode, 2);
    result = Run({"diff", "--model", "5", fs::path(KELPIE_BIN_DIR) / "INTL_00E6.ini", File("a.hex")});
    EXPECT_EQ(result.ExitCode, 1) << result.Err;
    EXPECT_NE(result.Out.find("Usable CH Group Setup: USA Enable Off → On\n"), std::string::npos)
        << result.Out;
}

// The radio commands through the executables: kelpie-cli against kelpie-radiosim on a
// pseudo-terminal, with the protocol's real pauses. The four run at once, each with a radio and a
// folder of its own, so that the test takes as long as the longest; the smallest radio keeps the
// reads short. Every other radio case runs in this process, on a clock that costs no real time.
TEST_F(Cli, ReadWriteVerifyAndClearDistressRunThroughTheExecutables)
{
    ASSERT_EQ(Run({"new", "--model", "1", "-o", File("mv240.hex")}).ExitCode, 0);
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("usa.dat")}).ExitCode, 0);
    std::ofstream(File("renamed.dat"), std::ios::binary) << RenameUsa16(Contents(File("usa.dat")), "DIST16");
    ASSERT_EQ(Run({"convert", "--model", "5", File("renamed.dat"), "-o", File("renamed.hex")}).ExitCode, 0);
    ASSERT_EQ(Run({"new", "--model", "0", "-o", File("mf7500s.hex")}).ExitCode, 0);
    std::string distress = Contents(File("mf7500s.hex"));
    std::fill(distress.begin() + 0x1E00, distress.begin() + 0x1FB0, '\x12');
    std::ofstream(File("distress.hex"), std::ios::binary) << distress;
    for (const char* folder : {"read", "write", "verify", "clear"}) {
        fs::create_directories(File(folder));
    }
    RadioSimProcess readRadio({"--model", "1"});
    RadioSimProcess writeRadio({"--model", "5", "--save", File("written.hex")});
    RadioSimProcess verifyRadio({"--model", "1", "--image", File("mv240.hex")});
    RadioSimProcess clearRadio(
        {"--model", "0", "--image", File("distress.hex"), "--save", File("cleared.hex")});
    for (const RadioSimProcess* radio : {&readRadio, &writeRadio, &verifyRadio, &clearRadio}) {
        ASSERT_FALSE(radio->Device().empty());
    }
    CliProcess read({"read", "--model", "1", "--port", readRadio.Device(), "-o", File("read.hex")},
                    File("read"));
    CliProcess write({"write", "--model", "5", "--port", writeRadio.Device(), File("renamed.dat")},
                     File("write"));
    CliProcess verify({"verify", "--model", "1", "--port", verifyRadio.Device(), File("mv240.hex")},
                      File("verify"));
    CliProcess clear({"clear-distress", "--model", "0", "--yes", "--port", clearRadio.Device()},
                     File("clear"));

    const CliResult readResult = read.Wait();
    EXPECT_EQ(readResult.ExitCode, 0) << readResult.Err;
    EXPECT_NE(readResult.Err.find("read complete: 100%"), std::string::npos) << readResult.Err;
    EXPECT_EQ(Contents(File("read.hex")).size(), 8192u);
    const fs::path backups = File("read") / "Kelpie" / "backups";
    ASSERT_TRUE(fs::exists(backups));
    const auto backup = fs::directory_iterator(backups)->path();
    EXPECT_TRUE(backup.filename().string().starts_with("MV240-00F0-")) << backup;
    EXPECT_NE(readResult.Err.find(backup.string()), std::string::npos);

    const CliResult writeResult = write.Wait();
    EXPECT_EQ(writeResult.ExitCode, 0) << writeResult.Err;
    ASSERT_TRUE(writeRadio.Stop());
    const std::string written = Contents(File("written.hex"));
    const std::string file = Contents(File("renamed.hex"));
    ASSERT_EQ(written.size(), 16384u);
    EXPECT_NE(written.find("DIST16"), std::string::npos);
    EXPECT_TRUE(written.substr(0x0100, 0xC0) == file.substr(0x0100, 0xC0)) << "enable and scan bits";
    EXPECT_TRUE(written.substr(0x0C00, 0x2880) == file.substr(0x0C00, 0x2880)) << "channel names";

    const CliResult verifyResult = verify.Wait();
    EXPECT_EQ(verifyResult.ExitCode, 0) << verifyResult.Err;
    EXPECT_NE(verifyResult.Err.find("The radio holds exactly this programming."), std::string::npos)
        << verifyResult.Err;
    EXPECT_EQ(verifyResult.Out, "");
    EXPECT_TRUE(fs::exists(File("verify") / "Kelpie" / "backups"));

    const CliResult clearResult = clear.Wait();
    EXPECT_EQ(clearResult.ExitCode, 0) << clearResult.Err;
    ASSERT_TRUE(clearRadio.Stop());
    const std::string cleared = Contents(File("cleared.hex"));
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
    EXPECT_NE(unconfirmed.Err.find("International channels 72 to 88"), std::string::npos) << unconfirmed.Err;
    EXPECT_TRUE(radio.Radio().Memory() == mf7500s);
    EXPECT_TRUE(radio.Radio().Commands().empty()) << "nothing is sent";
}

TEST_F(Cli, VerifyPrintsWhatTheRadioHoldsOtherwise)
{
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("a.dat")}).ExitCode, 0);
    std::ofstream(File("b.dat"), std::ios::binary) << RenameUsa16(Contents(File("a.dat")), "DIST16");
    InProcessRadio radio(5);
    ASSERT_EQ(radio.Run({"write", "--model", "5", File("a.dat")}, m_folder).ExitCode, 0);

    const CliResult result = radio.Run({"verify", "--model", "5", File("b.dat")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1) << result.Err;
    EXPECT_EQ(result.Out, "USA 16: name DIST16 → DISTRESS\n");
    EXPECT_NE(result.Err.find("differs from this data: 1 difference."), std::string::npos) << result.Err;
}

// Found before a byte goes to the radio: the device named does not even exist.
TEST_F(Cli, AReadWhoseOutputCannotBeWrittenIsRefusedBeforeTheRadioIsRead)
{
    const CliResult result =
        Run({"read", "--model", "5", "--port", File("no-radio").string(), "-o", File("missing/x.dat")});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_EQ(result.Err, File("missing/x.dat").string() + ": FileSave Error!!\nNo such file or directory\n");
}

TEST_F(Cli, CtrlCCancelsARead)
{
    InProcessRadio radio(5);
    radio.InterruptWhen([&](int) { return radio.Radio().Commands().size() >= 20; });
    const CliResult result = radio.Run({"read", "--model", "5", "-o", File("read.hex")}, m_folder);
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_NE(result.Err.find("read cancelled"), std::string::npos) << result.Err;
    EXPECT_LT(radio.Radio().Commands().size(), 25u);
    EXPECT_FALSE(fs::exists(File("read.hex")));
    EXPECT_FALSE(fs::exists(m_folder / "Kelpie" / "backups"));
}

// Ctrl+C pressed before the run starts, or before any transmission up to the first block sent.
TEST_F(Cli, CtrlCAtAnyMomentBeforeTheBlocksNeverProgramsTheRadio)
{
    ASSERT_EQ(Run({"new", "--model", "5", "-o", File("usa.hex")}).ExitCode, 0);
    int moment = 0;
    for (;; ++moment) {
        SCOPED_TRACE(moment);
        InProcessRadio radio(5);
        const RadioImage untouched = radio.Radio().Memory();
        radio.InterruptWhen([moment](int sent) { return sent == moment; });
        const CliResult result = radio.Run({"write", "--model", "5", File("usa.hex")}, m_folder);
        EXPECT_EQ(result.ExitCode, 1);
        EXPECT_NE(result.Err.find("write cancelled"), std::string::npos) << result.Err;
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
    EXPECT_NE(result.Err.find("Radio is busy!! [Cancel]"), std::string::npos) << result.Err;
    EXPECT_NE(result.Err.find("Radio not ready!!"), std::string::npos) << result.Err;
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
        EXPECT_NE(result.Err.find(message), std::string::npos) << result.Err;
    }
    if (!fs::exists(fs::path(KELPIE_BIN_DIR) / "kelpie-transfer-bench")) {
        GTEST_SKIP() << "the benchmarks are not built";
    }
    const CliResult help =
        RunCli({"--help"}, m_folder, {fs::path(KELPIE_BIN_DIR) / "kelpie-transfer-bench", {}});
    EXPECT_EQ(help.ExitCode, 0);
    EXPECT_NE(help.Out.find("usage: kelpie-transfer-bench"), std::string::npos) << help.Out;
}

}  // namespace
}  // namespace kelpie::test
