#include "files/ErrorLog.h"

#include <gtest/gtest.h>

#include <regex>

#include "FileTestSupport.h"

namespace kelpie {
namespace {

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
