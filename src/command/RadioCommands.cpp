#include "command/RadioCommands.h"

#include "edit/EditHistory.h"
#include "files/FileAccess.h"
#include "files/HexFile.h"

namespace kelpie {

namespace {

// The transfer of a mode from a clean start; its outcome from the flags the run left behind.
Outcome RunTransfer(ShellState& shell, int mode, const TransferRunner& run, VerifyOutcome* verified)
{
    shell.TransferMode = mode;
    shell.TransferDone = false;
    shell.ErrorFlag = shell.CancelFlag = false;
    shell.RadioModelIndex = -1;
    const bool completed = run(verified) && shell.TransferDone;
    shell.TransferDone = false;
    if (completed) {
        return Outcome::Done();
    }
    if (shell.RadioModelIndex >= 0) {
        Outcome other = Outcome::Failed(shell.RadioModelText);
        other.RadioModel = shell.RadioModelIndex;
        return other;
    }
    // A cancel stops the run wherever it is, and may leave ErrorFlag raised beside it.
    return shell.CancelFlag ? Outcome::Cancelled() : Outcome::Failed();
}

}  // namespace

Outcome KeepReadBackup(const RadioData& read, const BackupPlace& backup, std::string_view what)
{
    // What the radio held is kept, so that no radio's programming is lost to a later mistake.
    const std::string done = std::string(what) + " complete";
    try {
        const std::filesystem::path file = SaveReadBackup(read, backup.Folder, backup.When);
        return Outcome::Done(done + ". The radio's memory as read is kept in " + file.string());
    } catch (const FileError& error) {
        return Outcome::Done(done + ", but no backup could be kept in " + backup.Folder.string() + ": " +
                             error.what());
    }
}

Outcome ReadRadio(RadioData& data, ShellState& shell, const TransferRunner& run, const BackupPlace& backup)
{
    Outcome outcome = RunTransfer(shell, kTransferRead, run, nullptr);
    if (!outcome.IsDone()) {
        return outcome;
    }
    DataReplaced(shell);
    shell.CurrentFileName.clear();
    shell.CurrentFileStamp.clear();
    shell.DataChanged = false;
    return KeepReadBackup(data, backup, "Read");
}

Outcome ProgramRadio(ShellState& shell, const TransferRunner& run)
{
    return RunTransfer(shell, kTransferProgram, run, nullptr);
}

Outcome VerifyRadio(ShellState& shell, const TransferRunner& run, const BackupPlace& backup,
                    std::vector<Difference>& differences)
{
    VerifyOutcome verified;
    differences.clear();
    Outcome outcome = RunTransfer(shell, kTransferVerify, run, &verified);
    if (!outcome.IsDone()) {
        return outcome;
    }
    differences = std::move(verified.Differences);
    return KeepReadBackup(verified.Radio, backup, "Verify");
}

Outcome ClearDistressLog(ShellState& shell, const TransferRunner& run)
{
    return RunTransfer(shell, kTransferClearDistress, run, nullptr);
}

}  // namespace kelpie
