// HexFile.h — the ".hex" image file: the raw image of the current model, saved and loaded in
// debug mode.
#pragma once

#include <ctime>
#include <filesystem>
#include <string_view>

#include "files/FileUi.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// The filter of the hex file's open and save dialogs.
constexpr std::string_view kHexFileFilter = "hex files(*.hex)|*.hex|All files(*.*)|*.*";

// Writes image bytes 0..ImageLastAddress. A failure logs, shows "FileSave Error!!" and sets
// ErrorFlag and CancelFlag; a file that already had the name is left as it was.
void SaveHexFileAs(const RadioData& data, ShellState& shell, FileUi& ui,
                   const std::filesystem::path& fileName);

// Keeps what a read brought from the radio as a new hex image file in folder (made when missing),
// named after the radio's model, its model code and the local time:
// "MF7500S-1D4C-20261206-230501.hex", then "...-2.hex" and so on when that name is taken. An
// existing file is never replaced. The file's name; a FileError when it could not be written.
std::filesystem::path SaveReadBackup(const RadioData& data, const std::filesystem::path& folder,
                                     std::time_t when);

// Reads the file into the image after the model check, then decodes it. A file of another model
// shows "ModelType Error !!" and leaves the image as it was; a read error shows "FileRead Error!!".
// Both set ErrorFlag.
void ReadHexFileAs(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName);

// The save hex command from the chosen name on (the window has checked debug mode and the page
// input, and asked for the name; an empty name is a cancel): brings the image up to date from the
// records, runs the pre-write channel check, sets the checksum byte and saves. A record value
// that does not fit the image is a failed save, and nothing is written.
void SaveHexCommand(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName);

// The load hex command from the chosen name on: a file whose length is not the model's image
// size shows "bad file!!" and reads nothing. True when the image was loaded: CurrentFileName is
// the file, DataChanged is clear, and the window selects the "General" page, redisplays it and
// rebuilds the page tree.
bool LoadHexCommand(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName);

}  // namespace kelpie
