#include "files/ErrorLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>

#include "TempFolder.h"

namespace kelpie {
namespace {

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ErrorLog, LineIsDateCommaTimeColonPlaceArrowText)
{
    const std::string line = ErrorLogLine("frmMain.SaveFileAs", "53File not found");
    // The C locale's short forms: 12/06/26 and 19:41:21.
    EXPECT_TRUE(std::regex_match(
        line, std::regex(R"(\d\d/\d\d/\d\d,\d\d:\d\d:\d\d:frmMain\.SaveFileAs -> 53File not found)")))
        << line;
}

TEST(ErrorLog, DebugModeAppendsLinesInCallOrderWithCrLf)
{
    TempFolder folder;
    ShellState shell;
    shell.DebugMode = true;
    shell.ErrorLogPath = (folder.Path() / "err.log").string();
    {
        std::ofstream(shell.ErrorLogPath, std::ios::binary) << "earlier\r\n";
    }
    LogError(shell, "frmMain.FileRead2", "first");
    LogError(shell, "frmMain.FileRead2", "second");
    const std::string log = ReadAll(shell.ErrorLogPath);
    EXPECT_TRUE(std::regex_match(log, std::regex("earlier\r\n[^\r\n]*:frmMain\\.FileRead2 -> "
                                                 "first\r\n[^\r\n]*:frmMain\\.FileRead2 -> second\r\n")))
        << log;
}

TEST(ErrorLog, WithoutDebugModeNoLogIsCreated)
{
    TempFolder folder;
    ShellState shell;
    shell.ErrorLogPath = (folder.Path() / "err.log").string();
    LogError(shell, "frmMain.FileRead2", "53File not found");
    EXPECT_FALSE(std::filesystem::exists(shell.ErrorLogPath));
}

TEST(ErrorLog, UnwritableLogIsIgnored)
{
    TempFolder folder;
    ShellState shell;
    shell.DebugMode = true;
    shell.ErrorLogPath = (folder.Path() / "missing" / "err.log").string();
    LogError(shell, "frmMain.FileRead2", "53File not found");
    EXPECT_FALSE(std::filesystem::exists(shell.ErrorLogPath));
}

}  // namespace
}  // namespace kelpie
