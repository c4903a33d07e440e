// DocumentCommands.h — the headless halves of the file commands: new, open, save and compare.
// The window asks for the file name and shows the outcome; kelpie-cli takes the name from its
// command line and prints the outcome.
#pragma once

#include <filesystem>
#include <vector>

#include "files/FileUi.h"
#include "model/Outcome.h"
#include "model/RadioData.h"
#include "model/ShellState.h"
#include "report/Compare.h"

namespace kelpie {

// A fresh image of ModelIndex with no file behind it; the caller loads a destination's default
// image on top when it has one.
Outcome NewData(RadioData& data, ShellState& shell);

// Open: the data file loaded into the records (whatever its name's extension). Done: the file is
// CurrentFileName; the values the file held that no field could take are named. Failed: the
// loader told the user why and the records are as they were.
Outcome OpenDataFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file);

// The debug-mode image file: the raw image of the model, brought up to date from the records and
// checked before it is saved; loaded only when it is of the model, then decoded (CurrentFileName
// is then the file).
Outcome SaveHexFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file);
Outcome LoadHexFile(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file);

// A programming file of any kind by its extension: ".hex" an image file, ".ini" a default image,
// anything else a data file as Open loads it.
Outcome LoadProgrammingFile(RadioData& data, ShellState& shell, FileUi& ui,
                            const std::filesystem::path& file);

// Save: the records written as a data file. Done: the file is CurrentFileName and DataChanged is
// clear.
Outcome SaveDataFile(const RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file);

// Save and Save As: the format the name's extension says, ".dat" a data file as Save writes it,
// ".hex" the image (brought up to date first); any other name is refused, saying why. Done: the
// file is CurrentFileName and DataChanged is clear.
Outcome SaveDocument(RadioData& data, ShellState& shell, FileUi& ui, const std::filesystem::path& file);

// The records saved by the file name's extension: ".hex" the image (brought up to date first),
// ".txt" the text listing, anything else a data file as Save writes it. A data file or image
// written becomes CurrentFileName with DataChanged clear.
Outcome SaveProgrammingFile(RadioData& data, ShellState& shell, FileUi& ui,
                            const std::filesystem::path& file);

// Compare With: the file loaded into other (a copy of the data, or whatever the file is to be
// read on top of), never into the data itself, then what differs. The loaders' flags and file name
// stay off shell.
Outcome CompareWithFile(const RadioData& data, RadioData& other, const ShellState& shell, FileUi& ui,
                        const std::filesystem::path& file, std::vector<Difference>& differences);

}  // namespace kelpie
