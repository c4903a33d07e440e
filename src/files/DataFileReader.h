// DataFileReader.h — loads a ".dat" data file into the editor's records and the few image bytes
// the file carries.
#pragma once

#include <filesystem>
#include <string_view>

#include "files/FileUi.h"
#include "files/IniFile.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// The header check and every section reader over the file's text. A file of another model (or
// without a model number) shows "different model!!", sets ErrorFlag and changes nothing.
// Malformed values are absorbed field by field: a value that does not convert, or does not fit
// its image field, leaves the field as it was.
void ReadDataFile(RadioData& data, ShellState& shell, FileUi& ui, std::string_view text);

// Reads the file and loads it as above, with the busy state around it. A file that cannot be
// read sets ErrorFlag and CancelFlag, logs and shows "FileRead Error!!".
void FileRead2(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& fileName);

// The section readers, in the order the load runs them.
void ReadUsableGroups(RadioData& data, const SectionTable& table);
void ReadCommonSetup(RadioData& data, const SectionTable& table);
void ReadAtisSetup(RadioData& data, const SectionTable& table);
void ReadMarineBanks(RadioData& data, const SectionTable& table);
void ReadWxBank(RadioData& data, const SectionTable& table);
// A directory entry whose section the file lacks keeps its contents.
void ReadDirectories(RadioData& data, const SectionTable& table);
void ReadExpBank(RadioData& data, const SectionTable& table);
void ReadPresetBytes(RadioData& data, const SectionTable& table);

}  // namespace kelpie
