#include "command/DocumentCommands.h"

#include "edit/EditHistory.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/DefaultImages.h"
#include "files/FileAccess.h"
#include "files/HexFile.h"
#include "model/ImagePasses.h"
#include "model/Text.h"
#include "report/TextImage.h"

namespace kelpie {

namespace {

std::string Extension(const std::filesystem::path& file)
{
    return ToUpper(file.extension().string());
}

// The file just written is the one the data now lives in, unchanged since.
void SavedAs(ShellState& shell, const std::filesystem::path& file)
{
    shell.CurrentFileName = file.string();
    shell.CurrentFileStamp = FileStamp(file);
    shell.DataChanged = false;
}

}  // namespace

Outcome NewData(RadioData& data, ShellState& shell)
{
    ResetEditModel(data);
    DataReplaced(shell);
    shell.CurrentFileName.clear();
    shell.CurrentFileStamp.clear();
    shell.DataChanged = false;
    return Outcome::Done();
}

Outcome OpenDataFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    shell.ErrorFlag = shell.CancelFlag = false;
    Outcome outcome;
    outcome.NotTaken = FileRead2(data, shell, ui, file);
    if (shell.ErrorFlag) {
        shell.CancelFlag = true;
        return Outcome::Failed();
    }
    DataReplaced(shell);
    shell.CurrentFileName = file.string();
    shell.CurrentFileStamp = FileStamp(file);
    return outcome;
}

Outcome SaveHexFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    shell.ErrorFlag = shell.CancelFlag = false;
    SaveHexCommand(data, shell, ui, file);
    return shell.ErrorFlag ? Outcome::Failed() : Outcome::Done();
}

Outcome LoadHexFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    shell.ErrorFlag = shell.CancelFlag = false;
    if (!LoadHexCommand(data, shell, ui, file)) {
        return Outcome::Failed();
    }
    DataReplaced(shell);
    return Outcome::Done();
}

Outcome LoadProgrammingFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    const std::string extension = Extension(file);
    shell.ErrorFlag = shell.CancelFlag = false;
    if (extension == ".HEX") {
        return LoadHexFile(data, shell, ui, file);
    }
    if (extension == ".INI") {
        if (!LoadDefaultImage(data, shell, ui, file)) {
            return Outcome::Failed("IniFileRead Error!!");
        }
        DataReplaced(shell);
        return Outcome::Done();
    }
    return OpenDataFile(data, shell, ui, file);
}

Outcome SaveDataFile(const RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    shell.ErrorFlag = shell.CancelFlag = false;
    SaveFileAs(data, shell, ui, file);
    if (shell.ErrorFlag) {
        return Outcome::Failed();
    }
    SavedAs(shell, file);
    return Outcome::Done();
}

Outcome SaveDocument(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    const std::string extension = Extension(file);
    if (extension != ".DAT" && extension != ".HEX") {
        shell.ErrorFlag = true;
        return Outcome::Failed(MessageWithReason(
            "FileSave Error!!",
            file.filename().string() +
                " is neither a data file (.dat) nor a hex image (.hex), the two kinds a save writes"));
    }
    return SaveProgrammingFile(data, shell, ui, file);
}

Outcome SaveProgrammingFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file)
{
    const std::string extension = Extension(file);
    shell.ErrorFlag = shell.CancelFlag = false;
    if (extension == ".HEX") {
        Outcome saved = SaveHexFile(data, shell, ui, file);
        if (saved.IsDone()) {
            SavedAs(shell, file);
        }
        return saved;
    }
    if (extension == ".TXT") {
        try {
            SaveTextImage(file, BuildTextImage(data));
            return Outcome::Done();
        } catch (const FileError& error) {
            return Outcome::Failed(MessageWithReason("FileSave Error!!", error.what()));
        }
    }
    return SaveDataFile(data, shell, ui, file);
}

Outcome CompareWithFile(const RadioData& data, RadioData& other, const ShellState& shell, FileUi& ui,
                        const std::filesystem::path& file, std::vector<Difference>& differences)
{
    differences.clear();
    ShellState own = shell;
    Outcome outcome = LoadProgrammingFile(other, own, ui, file);
    if (outcome.IsDone()) {
        differences = CompareData(data, other);
    }
    return outcome;
}

}  // namespace kelpie
