// The image files on arbitrary input: a ".hex" file and a default image (".ini") given to every
// model, through their length and model checks, the decode of what they load and the encode and
// pre-write check of the records that came out of it. None of it may crash or reach outside the
// image, and the records decoded from any accepted file must encode without overflow.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "FuzzSupport.h"
#include "files/DefaultImages.h"
#include "files/HexFile.h"
#include "files/ImageFile.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/PreWriteCheck.h"

namespace {

using namespace kelpie;
using namespace kelpie::fuzz;

// The loaders read files: the input goes to one file per fuzzing process, in memory where the
// system offers it, removed when the process ends. Neither loader looks at the file's extension.
class InputFile
{
public:
    InputFile()
    {
        const std::filesystem::path shm = "/dev/shm";
        const std::filesystem::path folder =
            std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        m_path = folder / ("kelpie-fuzz-" + std::to_string(getpid()) + ".hex");
    }
    ~InputFile()
    {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

void WriteInput(const std::filesystem::path& file, const std::uint8_t* bytes, std::size_t size)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
}

// What a save after the load would do to the records, without the file.
void EncodeLoaded(RadioData& data)
{
    EncodeImage(data);
    PreWriteCheck(data);
    SetHeaderChecksum(data.RadioImage);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    static const InputFile input;
    const std::filesystem::path& file = input.Path();
    WriteInput(file, bytes, size);
    SilentUi ui;
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData& reset = ResetModels()[static_cast<std::size_t>(model)];
        RadioData fromHex = reset;
        ShellState shell;
        const bool hexLoaded = LoadHexCommand(fromHex, shell, ui, file);
        // Both files hold the raw image: what one loads, the other must load alike.
        RadioData fromIni = reset;
        ShellState iniShell;
        const bool iniLoaded = LoadDefaultImage(fromIni, iniShell, ui, file);
        if (hexLoaded != iniLoaded || fromHex.RadioImage != fromIni.RadioImage) {
            std::abort();
        }
        if (hexLoaded) {
            EncodeLoaded(fromHex);
        }
    }
    return 0;
}
