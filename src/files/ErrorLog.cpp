#include "files/ErrorLog.h"

#include <chrono>
#include <ctime>
#include <fstream>

namespace kelpie {

namespace {

// The system's short date and time forms are those of the current locale ("%x", "%X").
std::string LocalTimeText(const char* format)
{
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[64];
    const std::size_t length = std::strftime(buffer, sizeof buffer, format, &local);
    return std::string(buffer, length);
}

std::string ErrorLogLine(std::string_view place, std::string_view text)
{
    std::string line = LocalTimeText("%x");
    line += ',';
    line += LocalTimeText("%X");
    line += ':';
    line += place;
    line += " -> ";
    line += text;
    return line;
}

}  // namespace

void LogError(const ShellState& shell, std::string_view place, std::string_view text)
{
    if (!shell.DebugMode || shell.ErrorLogPath.empty()) {
        return;
    }
    std::ofstream log(shell.ErrorLogPath, std::ios::binary | std::ios::app);
    if (!log) {
        return;
    }
    log << ErrorLogLine(place, text) << "\r\n";
}

}  // namespace kelpie
