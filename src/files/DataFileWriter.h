// DataFileWriter.h — the ".dat" data file as the program writes it: the editor's records of the
// current model plus the preset channel lists and option bytes straight from the image.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "files/FileUi.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// The filter of the data file's open and save dialogs.
constexpr std::string_view kDataFileFilter = "dat files(*.dat)|*.dat|All files(*.*)|*.*";

// The whole file: sections and keys in their fixed order, every line ending in CR LF.
std::string DataFileText(const RadioData& data, const ShellState& shell);

// Writes the file. ErrorFlag clear on success; on failure ErrorFlag and CancelFlag set, an error
// log line, the "FileSave Error!!" box, and a file that already had the name is left as it was.
void SaveFileAs(const RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName);

}  // namespace kelpie
