// RadioCommands.h — the headless halves of the radio commands: read, program, verify and the
// distress-log clear. Each sets up the shell for its transfer, has the front end run the transfer
// dialog's run (the window shows frmRadio_102, kelpie-cli runs it on the console), and turns what
// the run left behind into the command's outcome.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "link/Verify.h"
#include "model/Outcome.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// Runs the transfer of shell.TransferMode on the front end's dialog; true when the run completed.
// A verify's findings go to verified, which is null for the other modes.
using TransferRunner = std::function<bool(VerifyOutcome* verified)>;

// Where the radio's memory as read is kept, and the time its name carries.
struct BackupPlace
{
    std::filesystem::path Folder;
    std::time_t When = 0;
};

// Read from Radio: done when the whole image came in; the data then has no file behind it and no
// changes, and the radio's memory as read is kept (the message names the backup, or says why
// there is none). A cancel or a failure leaves the data as it was; the link told the user why,
// except of a radio of another model, which the outcome names (RadioModel and its message).
Outcome ReadRadio(RadioData& data, ShellState& shell, const TransferRunner& run, const BackupPlace& backup);

// Program to Radio: done when every block was written.
Outcome ProgramRadio(ShellState& shell, const TransferRunner& run);

// Verify Radio: done when the radio was read and compared, whether or not it differs (the
// differences go to differences); the radio's memory as read is kept as a read keeps it.
Outcome VerifyRadio(ShellState& shell, const TransferRunner& run, const BackupPlace& backup,
                    std::vector<Difference>& differences);

// Clear Distress Log Data: done when the radio's distress log was cleared.
Outcome ClearDistressLog(ShellState& shell, const TransferRunner& run);

// Keeps what a read brought from the radio in the backups folder: done, its message names the
// file after "<what> complete", or says why none could be kept.
Outcome KeepReadBackup(const RadioData& read, const BackupPlace& backup, std::string_view what);

}  // namespace kelpie
