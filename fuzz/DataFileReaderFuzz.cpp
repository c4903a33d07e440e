// The data-file reader on arbitrary input: it must neither crash nor reach outside the image, and
// whatever it loads must encode into the image without overflow.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "files/DataFileReader.h"
#include "files/DataFileValues.h"
#include "files/IniFile.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace {

using namespace kelpie;

class SilentUi : public FileUi
{
public:
    void SetBusy(bool) override {}
    MessageAnswer ShowMessage(std::string_view, std::string_view, MessageIcon, MessageButtons) override
    {
        return MessageAnswer::Ok;
    }
    void Pause(int) override {}
};

const std::vector<RadioData>& ResetModels()
{
    static const std::vector<RadioData> models = [] {
        std::vector<RadioData> reset;
        for (int model = 0; model < kModelCount; ++model) {
            reset.emplace_back(model);
            ResetEditModel(reset.back());
        }
        return reset;
    }();
    return models;
}

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
