#include "files/FileAccess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <regex>

#include "FileTestSupport.h"
#include "files/DataFileWriter.h"
#include "files/ErrorLog.h"

namespace kelpie {
namespace {

namespace fs = std::filesystem;

const std::string kOld = "old contents\r\n";

// A data-file save to path: the message it showed, empty when it succeeded.
std::string SaveMessage(const fs::path& path)
{
    ShellState shell;
    RecordingUi ui;
    SaveFileAs(RadioData(5), shell, ui, path);
    return ui.Messages.empty() ? std::string() : std::get<0>(ui.Messages.front());
}

std::size_t EntriesIn(const fs::path& folder)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

TEST(WriteFileAtomically, ATargetTheUserProtectedIsRefusedWithItsReasonAndNeverChanged)
{
    TempFolder folder;
    WriteFileText(folder / "radio.dat", kOld);
    fs::permissions(folder / "radio.dat", fs::perms::owner_read | fs::perms::group_read);
    fs::create_symlink("radio.dat", folder / "link.dat");
    fs::create_directory(folder / "folder.dat");
    const std::pair<std::string, std::string> cases[] = {{"radio.dat", "the file is read-only"},
                                                         {"link.dat", "the file is read-only"},
                                                         {"folder.dat", "not a file: "},
                                                         {"missing/radio.dat", "No such file or directory"}};
    for (const auto& [name, reason] : cases) {
        EXPECT_TRUE(SaveMessage(folder / name).starts_with("FileSave Error!!\r\n" + reason)) << name;
        EXPECT_THROW(CheckWritable(folder / name), FileError) << name;
    }
    EXPECT_EQ(ReadFileText(folder / "radio.dat"), kOld);
    EXPECT_EQ(fs::status(folder / "radio.dat").permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(EntriesIn(folder.Path), 3u);
}

// The save lands where the user's name leads and leaves the file as protected as it was.
TEST(WriteFileAtomically, TheSaveKeepsPermissionsFollowsLinksKeepsHardLinksAndTakesLongNames)
{
    TempFolder folder;
    const fs::path own = folder / "own.dat";
    WriteFileText(own, kOld);
    fs::permissions(own, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directory(folder / "sub");
    const fs::path target = folder / "sub" / "target.dat";
    WriteFileText(target, kOld);
    fs::create_symlink("sub/target.dat", folder / "first.dat");
    fs::create_symlink(folder / "first.dat", folder / "second.dat");
    const fs::path hard = folder / "hard.dat";
    WriteFileText(hard, kOld);
    fs::create_hard_link(hard, folder / "other-name.dat");
    fs::create_symlink("sub/new.dat", folder / "dangling.dat");
    const fs::path longName = folder / (std::string(246, 'n') + ".dat");

    for (const fs::path& path : {own, folder / "second.dat", hard, folder / "dangling.dat", longName}) {
        EXPECT_EQ(SaveMessage(path), "") << path;
    }
    const std::string saved = ReadFileText(longName);
    EXPECT_TRUE(saved.starts_with("[MAIN]\r\n"));
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadFileText(own), saved);
    EXPECT_TRUE(fs::is_symlink(folder / "second.dat") && fs::is_symlink(folder / "first.dat"));
    EXPECT_EQ(ReadFileText(target), saved);
    EXPECT_EQ(ReadFileText(folder / "sub" / "new.dat"), saved);
    EXPECT_EQ(fs::hard_link_count(hard), 2u);
    EXPECT_EQ(ReadFileText(folder / "other-name.dat"), saved);
    // Nothing but the files named above: no temporary file stays behind.
    EXPECT_EQ(EntriesIn(folder.Path), 8u);
    EXPECT_EQ(EntriesIn(folder / "sub"), 2u);
}

TEST(ReadWholeFile, WhatIsNotAFileOrIsFarTooLargeIsRefusedBeforeItIsRead)
{
    TempFolder folder;
    ASSERT_EQ(mkfifo((folder / "pipe.dat").c_str(), 0600), 0);
    WriteFileText(folder / "huge.dat", "[MAIN]\r\n");
    fs::resize_file(folder / "huge.dat", 6'000'000'000);
    const std::pair<fs::path, std::string> cases[] = {
        {"/dev/zero", "not a file"},
        {folder / "pipe.dat", "not a file"},
        {folder / "huge.dat", "larger than any file Kelpie reads (4194304 bytes at most)"},
    };
    for (const auto& [path, reason] : cases) {
        try {
            ReadWholeFile(path);
            ADD_FAILURE() << path << " was read";
        } catch (const FileError& error) {
            EXPECT_EQ(std::string(error.what()), reason) << path;
        }
    }
}

// Outside debug mode nothing is written; a log that cannot be written is ignored.
TEST(ErrorLog, DebugModeAppendsDateCommaTimeColonPlaceArrowTextLinesInCallOrder)
{
    TempFolder folder;
    ShellState shell;
    shell.ErrorLogPath = (folder / "err.log").string();
    WriteFileText(shell.ErrorLogPath, "earlier\r\n");
    LogError(shell, "frmMain.FileRead2", "ignored");
    shell.DebugMode = true;
    LogError(shell, "frmMain.FileRead2", "53File not found");
    LogError(shell, "frmMain.FileRead2", "second");
    // The C locale's short forms: 12/06/26 and 19:41:21.
    const std::string line = R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d:frmMain\.FileRead2 -> )";
    const std::string log = ReadFileText(shell.ErrorLogPath);
    EXPECT_TRUE(std::regex_match(
        log, std::regex("earlier\r\n" + line + "53File not found\r\n" + line + "second\r\n")))
        << log;
    shell.ErrorLogPath = (folder / "missing" / "err.log").string();
    LogError(shell, "frmMain.FileRead2", "53File not found");
    EXPECT_FALSE(std::filesystem::exists(shell.ErrorLogPath));
}

}  // namespace
}  // namespace kelpie
