#include "files/DefaultImages.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "files/ErrorLog.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "files/ProgramSettings.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace kelpie {

namespace {

constexpr std::string_view kExtension = ".ini";

std::filesystem::path DefaultImagePath(const std::filesystem::path& folder, std::string_view destination,
                                       int modelIndex)
{
    const std::string name = DefaultImageFileName(destination, modelIndex);
    return FindFileIgnoringCase(folder, name).value_or(folder / name);
}

std::vector<std::uint8_t> ReadDefaultImage(const std::filesystem::path& fileName, std::size_t length)
{
    std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
    if (bytes.size() != length) {
        throw FileError(static_cast<int>(std::errc::io_error), "file changed its length while it was read");
    }
    return bytes;
}

}  // namespace

std::string ModelCodeDigits(int modelIndex)
{
    char digits[8];
    std::snprintf(digits, sizeof digits, "%04X", static_cast<unsigned>(ModelOf(modelIndex).Code));
    return digits;
}

std::string DefaultImageFileName(std::string_view destination, int modelIndex)
{
    return std::string(destination) + "_" + ModelCodeDigits(modelIndex) + std::string(kExtension);
}

std::vector<std::filesystem::path> DefaultImageFolders(const std::filesystem::path& programFolder)
{
    return {programFolder, programFolder / ".." / "share" / "kelpie"};
}

std::vector<std::string> ListDefaultImageFiles(const std::filesystem::path& folder, int modelIndex)
{
    const std::string suffix = "_" + ModelCodeDigits(modelIndex) + std::string(kExtension);
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() >= suffix.size() &&
            EqualsIgnoringCase(std::string_view(name).substr(name.size() - suffix.size()), suffix) &&
            it->is_regular_file(error)) {
            names.push_back(name);
        }
    }
    return names;
}

bool LoadDefaultImage(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName)
{
    const auto expected = static_cast<std::size_t>(ExpectedImageFileLength(data.ModelIndex));
    try {
        std::error_code error;
        const auto length = std::filesystem::file_size(fileName, error);
        if (error) {
            throw FileError(error.value(), error.message());
        }
        if (length != expected) {
            return false;
        }
        shell.ErrorFlag = false;
        shell.BusyFlag = true;
        const std::vector<std::uint8_t> bytes = ReadDefaultImage(fileName, expected);
        ui.Pause(500);
        if (PassesModelCheck(bytes, data.ModelIndex)) {
            std::ranges::copy(bytes, data.RadioImage.Bytes(0, static_cast<int>(bytes.size())).begin());
        } else {
            shell.ErrorFlag = true;
        }
        ui.Pause(500);
    } catch (const FileError& error) {
        shell.ErrorFlag = true;
        shell.BusyFlag = false;
        LogError(shell, "frmMain.FileReadIni", error.LogText());
        return false;
    }
    shell.BusyFlag = false;
    if (shell.ErrorFlag) {
        return false;
    }
    DecodeImage(data);
    return true;
}

bool BuildDestinationList(DestinationMenu& menu, RadioData& data, ShellState& shell,
                          const SettingsStore& store, FileUi& ui, const std::filesystem::path& programFolder)
{
    menu.Enabled = false;
    std::vector<std::string> files;
    std::filesystem::path folder;
    for (const std::filesystem::path& candidate : DefaultImageFolders(programFolder)) {
        files = ListDefaultImageFiles(candidate, data.ModelIndex);
        if (!files.empty()) {
            folder = candidate;
            break;
        }
    }
    if (files.empty()) {
        return false;
    }
    menu.Folder = folder;

    std::vector<std::string> names;
    for (std::size_t i = 0; i < files.size() && i < kDestinationListLimit; ++i) {
        std::string name = ToUpper(files[i].substr(0, files[i].find('_')));
        // A file system that tells case apart can hold USA_ and usa_: one entry serves both.
        if (std::ranges::find(names, name) == names.end()) {
            names.push_back(std::move(name));
        }
    }
    std::ranges::sort(names);

    menu.Enabled = true;
    for (std::size_t k = 0; k < menu.Entries.size(); ++k) {
        DestinationEntry& entry = menu.Entries[k];
        entry.Checked = false;
        entry.Visible = k < names.size();
        entry.Caption = entry.Visible ? names[k] : std::string();
    }

    const std::string remembered = RememberedDestination(store, data.ModelIndex);
    const auto found = std::ranges::find_if(menu.Entries, [&](const DestinationEntry& entry) {
        return entry.Visible && EqualsIgnoringCase(entry.Caption, remembered);
    });
    if (found == menu.Entries.end()) {
        return false;
    }
    found->Checked = LoadDefaultImage(data, shell, ui, DefaultImagePath(folder, remembered, data.ModelIndex));
    return found->Checked;
}

bool LoadDestination(DestinationMenu& menu, int entry, RadioData& data, ShellState& shell,
                     SettingsStore& store, FileUi& ui)
{
    DestinationEntry& chosen = menu.Entries.at(static_cast<std::size_t>(entry));
    ui.SetBusy(true);
    const auto previous =
        std::ranges::find_if(menu.Entries, [](const DestinationEntry& e) { return e.Checked; });
    const bool hadCheck = previous != menu.Entries.end();
    for (DestinationEntry& e : menu.Entries) {
        e.Checked = false;
    }
    chosen.Checked =
        LoadDefaultImage(data, shell, ui, DefaultImagePath(menu.Folder, chosen.Caption, data.ModelIndex));
    if (chosen.Checked) {
        StoreDestination(store, data.ModelIndex, chosen.Caption);
    } else {
        ui.ShowMessage("IniFileRead Error!!", shell.ProgramTitle, MessageIcon::Exclamation,
                       MessageButtons::Ok);
        if (hadCheck) {
            previous->Checked = true;
        }
    }
    ui.SetBusy(false);
    return chosen.Checked;
}

}  // namespace kelpie
