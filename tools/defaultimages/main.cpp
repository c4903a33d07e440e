// kelpie-defaultimages — writes the default-image files supplied with the program: for every
// model a USA, an INTL and a CANADA image, each the model's reset image with the usable groups and
// weather alert of its region.
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string_view>

#include "files/DefaultImages.h"
#include "files/FileAccess.h"
#include "files/ImageFile.h"
#include "model/ImagePasses.h"
#include "model/Models.h"

namespace {

using namespace kelpie;

struct Region
{
    const char* Name;
    std::array<bool, 3> Usable;  // USA, International, Canada
    std::int16_t Weater;         // weather alert: 3 on, 0 off
};

constexpr Region kRegions[] = {
    {"USA", {true, true, true}, 3},
    {"INTL", {false, true, false}, 0},
    {"CANADA", {true, true, true}, 3},
};

void WriteDefaultImage(const std::filesystem::path& folder, int model, const Region& region)
{
    RadioData data(model);
    ResetEditModel(data);
    for (int g = 0; g < 3; ++g) {
        data.UsableGroups[g].Enable = region.Usable[g];
    }
    data.UsableGroups[kGroupBankE].Enable = HasLmrBank(model);
    data.CommonSetup.Weater = region.Weater;
    EncodeImage(data);
    // The model check of models whose tail word it reads below their last address finds the code
    // there too.
    const ModelInfo& info = ModelOf(model);
    data.RadioImage.SetWord(ModelCheckTailAddress(model), info.Code);
    const auto bytes = data.RadioImage.Bytes(0, info.ImageSize);
    WriteFileAtomically(folder / DefaultImageFileName(region.Name, model),
                        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        for (int model = 0; model < kModelCount; ++model) {
            for (const Region& region : kRegions) {
                WriteDefaultImage(argv[1], model, region);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
