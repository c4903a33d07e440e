// The data-file reader on arbitrary input: it must neither crash nor reach outside the image, and
// whatever it loads must encode into the image without overflow.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "files/DataFileReader.h"
#include "files/DataFileValues.h"
#include "files/IniFile.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace {

using namespace kelpie;
using namespace kelpie::fuzz;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    // Load on the model the file names, so that the section readers run for every model.
    const auto named = ParseInteger(ReadIniValue(text, "MAIN", "MODELTYPE"), 0, kModelCount - 1);
    RadioData data = ResetModels()[static_cast<std::size_t>(named.value_or(5))];
    ShellState shell;
    SilentUi ui;
    ReadDataFile(data, shell, ui, text);
    EncodeImage(data);
    return 0;
}
