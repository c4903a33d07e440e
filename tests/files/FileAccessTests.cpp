#include "files/FileAccess.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "FileTestSupport.h"
#include "files/DataFileWriter.h"

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
    struct Case
    {
        const char* What;
        std::function<fs::path(const TempFolder&)> Prepare;
        std::string Reason;
    };
    const Case cases[] = {
        {"read-only file",
         [](const TempFolder& f) {
             WriteFileText(f / "radio.dat", kOld);
             fs::permissions(f / "radio.dat",
                             fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
             return f / "radio.dat";
         },
         "the file is read-only"},
        {"link to a read-only file",
         [](const TempFolder& f) {
             WriteFileText(f / "radio.dat", kOld);
             fs::permissions(f / "radio.dat", fs::perms::owner_read);
             fs::create_symlink("radio.dat", f / "link.dat");
             return f / "link.dat";
         },
         "the file is read-only"},
        {"folder",
         [](const TempFolder& f) {
             fs::create_directory(f / "radio.dat");
             return f / "radio.dat";
         },
         "not a file: "},
        {"missing folder", [](const TempFolder& f) { return f / "missing" / "radio.dat"; },
         "No such file or directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        TempFolder folder;
        const fs::path target = c.Prepare(folder);
        const std::size_t entries = EntriesIn(folder.Path);
        EXPECT_TRUE(SaveMessage(target).starts_with("FileSave Error!!\r\n" + c.Reason));
        if (fs::is_regular_file(folder / "radio.dat")) {
            EXPECT_EQ(ReadFileText(folder / "radio.dat"), kOld);
        }
        EXPECT_EQ(EntriesIn(folder.Path), entries);
        EXPECT_THROW(CheckWritable(target), FileError);
    }
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
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    fs::create_directory(folder / "folder");
    WriteFileText(folder / "large.dat", "");
    fs::resize_file(folder / "large.dat", kReadableFileLimit + 1);
    WriteFileText(folder / "largest.dat", "");
    fs::resize_file(folder / "largest.dat", kReadableFileLimit);
    const std::pair<fs::path, std::string> refused[] = {{folder / "pipe", "not a file"},
                                                        {folder / "folder", "not a file"},
                                                        {"/dev/zero", "not a file"},
                                                        {folder / "large.dat", "larger than any file"}};
    for (const auto& [path, reason] : refused) {
        try {
            ReadWholeFile(path);
            ADD_FAILURE() << path;
        } catch (const FileError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with(reason)) << path << ": " << e.what();
        }
    }
    EXPECT_EQ(ReadWholeFile(folder / "largest.dat").size(), kReadableFileLimit);
}

TEST(WriteNewFile, AnExistingFileIsNeverReplaced)
{
    TempFolder folder;
    WriteFileText(folder / "backup.hex", kOld);
    EXPECT_EQ(WriteNewFile(folder.Path, "backup", ".hex", "second"), folder / "backup-2.hex");
    EXPECT_EQ(WriteNewFile(folder.Path, "backup", ".hex", "third"), folder / "backup-3.hex");
    EXPECT_EQ(ReadFileText(folder / "backup.hex"), kOld);
    EXPECT_EQ(ReadFileText(folder / "backup-2.hex"), "second");
    EXPECT_EQ(ReadFileText(folder / "backup-3.hex"), "third");
}

}  // namespace
}  // namespace kelpie
