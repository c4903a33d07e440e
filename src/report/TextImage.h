// TextImage.h — the plain-text listing of everything the editor holds, in fixed-width columns.
#pragma once

#include <filesystem>
#include <string>

#include "model/RadioData.h"

namespace kelpie {

// The listing of data.ModelIndex's settings, channel banks and directories. Every line is a CR LF
// followed by its text, so the text starts with a line break and ends without one. Bank E
// frequencies off the 5 kHz and 12.5 kHz rasters are shown corrected; the records stay as they are.
std::string BuildTextImage(const RadioData& data);

// Writes the listing followed by CR LF, replacing the file; throws FileError when it cannot.
void SaveTextImage(const std::filesystem::path& fileName, const std::string& text);

}  // namespace kelpie
