// DataFileReader.h — loads a ".dat" data file into the editor's records and the few image bytes
// the file carries.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/FileUi.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// What a load did not take, in one list the caller names in one message. First, when the file
// lacks sections a file of its model holds, one line naming them ("sections not in the file:
// [Common Setup], [CHWX0]..[CHWX9]"); their records keep their values. Then each value not taken
// as "[SECTION] KEY=value", in the order they were read: a value that does not convert, lies
// outside what its field can hold in the radio, an MMSI that is not ten digits, or a channel
// section's Position that names no slot of its bank (the section is skipped). The field kept its
// value.
using RejectedValues = std::vector<std::string>;

// The header check and every section reader over the file's text. A file of another model (or
// without a model number) shows "different model!!", sets ErrorFlag and changes nothing. A UTF-8
// byte-order mark before the first section is ignored.
RejectedValues ReadDataFile(RadioData& data, ShellState& shell, FileUi& ui, std::string_view text);

// Reads the file and loads it as above, with the busy state around it. A file that cannot be
// read (or is not a file, or is far too large) sets ErrorFlag and CancelFlag, logs and shows
// "FileRead Error!!" with the reason.
// The model index a data file was written for (its MODELTYPE); nothing when the file cannot be read
// or names no model.
std::optional<int> DataFileModel(const std::filesystem::path& fileName);

RejectedValues FileRead2(RadioData& data, ShellState& shell, FileUi& ui,
                         const std::filesystem::path& fileName);

}  // namespace kelpie
