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

// The text's lines without their line ends ("\r\n" or "\n"); a text ending in a line end has no
// empty last line.
inline std::vector<std::string> TextLines(std::string_view text)
{
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
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
