// ErrorLog.h — the debug error log "err.log": one line per failure, written only in debug mode.
#pragma once

#include <string>
#include <string_view>

#include "model/ShellState.h"

namespace kelpie {

// One log line without its line end: short date "," time ":" place " -> " text.
std::string ErrorLogLine(std::string_view place, std::string_view text);

// Appends one line to shell.ErrorLogPath when shell.DebugMode is set; a log that cannot be
// written is ignored, the failure being logged is what matters to the caller.
void LogError(const ShellState& shell, std::string_view place, std::string_view text);

}  // namespace kelpie
