// FileTestSupport.h — what the file tests share: a temporary folder, the boxes a recording FileUi
// saw, and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "model/RadioData.h"
#include "model/ShellState.h"
#include "support/Fakes.h"
#include "support/TempFolder.h"

namespace kelpie {

// A box with an OK button, titled with the program title unless another is given.
inline std::vector<RecordedMessage> OkBox(std::string text, MessageIcon icon,
                                          std::string title = ShellState().ProgramTitle)
{
    return {{std::move(text), std::move(title), icon, MessageButtons::Ok}};
}

inline std::string ReadFileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileText(const std::filesystem::path& path, std::string_view text)
{
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace kelpie
