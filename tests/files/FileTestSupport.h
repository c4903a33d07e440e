// FileTestSupport.h — what the file tests share: a temporary folder, the boxes a recording FileUi
// saw, and file helpers.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "files/DataFileWriter.h"
#include "model/ImagePasses.h"
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

// A whole data file of the model's reset data, with the given keys' values replaced (the first key of
// each name): a file that lacks no section, holding the values a test wants.
inline std::string DataFileWith(int model, const std::vector<std::pair<std::string, std::string>>& values)
{
    RadioData data(model);
    ResetEditModel(data);
    std::string text = DataFileText(data, ShellState());
    for (const auto& [key, value] : values) {
        const std::size_t at = text.find("\r\n" + key + "=") + 2;
        text.replace(at, text.find("\r\n", at) - at, key + "=" + value);
    }
    return text;
}

}  // namespace kelpie
