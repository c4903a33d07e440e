// DataFileReader.h — loads a ".dat" data file into the editor's records and the few image bytes
// the file carries.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileUi.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// The values a load did not take, each as "[SECTION] KEY=value", in the order they were read: a
// value that does not convert, or lies outside what its field can hold in the radio. The field
// kept its value; the caller names them all in one message.
using RejectedValues = std::vector<std::string>;

// The header check and every section reader over the file's text. A file of another model (or
// without a model number) shows "different model!!", sets ErrorFlag and changes nothing. A UTF-8
// byte-order mark before the first section is ignored.
RejectedValues ReadDataFile(RadioData& data, ShellState& shell, FileUi& ui, std::string_view text);

// Reads the file and loads it as above, with the busy state around it. A file that cannot be
// read (or is not a file, or is far too large) sets ErrorFlag and CancelFlag, logs and shows
// "FileRead Error!!" with the reason.
RejectedValues FileRead2(RadioData& data, ShellState& shell, FileUi& ui,
                         const std::filesystem::path& fileName);

}  // namespace kelpie
