// ErrorLog.h — the debug error log "err.log": one line per failure, written only in debug mode.
#pragma once

#include <string_view>

#include "model/ShellState.h"

namespace kelpie {

// Appends one line to shell.ErrorLogPath when shell.DebugMode is set: the short date, ",", the
// time, ":", the place, " -> " and the text, CR LF. A log that cannot be written is ignored: the
// failure being logged is what matters to the caller.
void LogError(const ShellState& shell, std::string_view place, std::string_view text);

}  // namespace kelpie
