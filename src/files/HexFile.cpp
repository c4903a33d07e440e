#include "files/HexFile.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "files/DefaultImages.h"
#include "files/ErrorLog.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "model/ImageFields.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/PreWriteCheck.h"

namespace kelpie {

namespace {

constexpr std::string_view kSavePlace = "frmMain.SaveHexFileAs";

void ReportSaveFailure(ShellState& shell, FileUi& ui, const FileError& error)
{
    shell.ErrorFlag = true;
    LogError(shell, kSavePlace, error.LogText());
    ui.ShowMessage(MessageWithReason("FileSave Error!!", error.what()), shell.ProgramTitle,
                   MessageIcon::Exclamation, MessageButtons::Ok);
    shell.CancelFlag = true;
}

std::size_t ImageLength(const RadioData& data)
{
    return static_cast<std::size_t>(data.ImageLastAddress) + 1;
}

std::string_view ImageText(const RadioData& data)
{
    const auto bytes = data.RadioImage.Bytes(0, static_cast<int>(ImageLength(data)));
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

}  // namespace

void SaveHexFileAs(const RadioData& data, ShellState& shell, FileUi& ui,
                   const std::filesystem::path& fileName)
{
    ui.SetBusy(true);
    shell.BusyFlag = true;
    std::optional<FileError> failure;
    try {
        WriteFileAtomically(fileName, ImageText(data));
        ui.Pause(500);
    } catch (const FileError& error) {
        failure = error;
    }
    shell.BusyFlag = false;
    ui.SetBusy(false);
    if (failure) {
        ReportSaveFailure(shell, ui, *failure);
    }
}

std::filesystem::path SaveReadBackup(const RadioData& data, const std::filesystem::path& folder,
                                     std::time_t when)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        throw FileError(error.value(), error.message());
    }
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    const std::string stem =
        std::string(ModelOf(data.ModelIndex).Model) + "-" + ModelCodeDigits(data.ModelIndex) + "-" + stamp;
    return WriteNewFile(folder, stem, ".hex", ImageText(data));
}

void ReadHexFileAs(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName)
{
    shell.ErrorFlag = false;
    ui.SetBusy(true);
    shell.BusyFlag = true;
    std::optional<FileError> failure;
    try {
        std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
        ui.Pause(500);
        if (bytes.size() < ImageLength(data)) {
            throw FileError(static_cast<int>(std::errc::io_error), "file ends before the last image address");
        }
        bytes.resize(ImageLength(data));
        if (PassesModelCheck(bytes, data.ModelIndex)) {
            std::ranges::copy(bytes, data.RadioImage.Bytes(0, static_cast<int>(bytes.size())).begin());
        } else {
            shell.ErrorFlag = true;
            ui.ShowMessage("ModelType Error !!", "Read from Radio", MessageIcon::Critical,
                           MessageButtons::Ok);
        }
    } catch (const FileError& error) {
        failure = error;
    }
    shell.BusyFlag = false;
    ui.SetBusy(false);
    if (failure) {
        shell.ErrorFlag = true;
        LogError(shell, "frmMain.ReadHexFileAs", failure->LogText());
        ui.ShowMessage(MessageWithReason("FileRead Error!!", failure->what()), shell.ProgramTitle,
                       MessageIcon::Exclamation, MessageButtons::Ok);
        shell.CancelFlag = true;
    } else if (!shell.ErrorFlag) {
        DecodeImage(data);
    }
}

void SaveHexCommand(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName)
{
    if (fileName.empty()) {
        shell.CancelFlag = true;
        return;
    }
    ui.SetBusy(true);
    shell.ErrorFlag = false;
    try {
        EncodeImage(data);
        PreWriteCheck(data);
        SetHeaderChecksum(data.RadioImage);
        SaveHexFileAs(data, shell, ui, fileName);
    } catch (const EncodeOverflowError& error) {
        ReportSaveFailure(shell, ui, FileError(static_cast<int>(std::errc::value_too_large), error.what()));
    }
    ui.SetBusy(false);
}

bool LoadHexCommand(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName)
{
    if (fileName.empty()) {
        shell.CancelFlag = true;
        return false;
    }
    ui.SetBusy(true);
    std::error_code error;
    const auto length = std::filesystem::file_size(fileName, error);
    bool loaded = false;
    if (!error && length != static_cast<std::uintmax_t>(ExpectedImageFileLength(data.ModelIndex))) {
        ui.ShowMessage("bad file!!", shell.ProgramTitle, MessageIcon::Critical, MessageButtons::Ok);
    } else {
        ReadHexFileAs(data, shell, ui, fileName);
        loaded = !shell.ErrorFlag;
        if (loaded) {
            shell.CurrentFileName = fileName.string();
            shell.CurrentFileStamp = FileStamp(fileName);
            shell.DataChanged = false;
        }
    }
    ui.SetBusy(false);
    return loaded;
}

}  // namespace kelpie
