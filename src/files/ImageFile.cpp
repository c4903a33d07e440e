#include "files/ImageFile.h"

#include <array>

#include "model/Models.h"

namespace kelpie {

namespace {

constexpr std::array<int, kModelCount> kModelCheckTailAddress = {0x1FFE, 0x1FFE, 0x3FFE, 0x1FFE,
                                                                 0x3FFE, 0x3FFE, 0x3FFE};
constexpr int kChecksumFirst = 0x0042;

int WordAt(std::span<const std::uint8_t> bytes, int address)
{
    return bytes[static_cast<std::size_t>(address)] << 8 | bytes[static_cast<std::size_t>(address) + 1];
}

}  // namespace

int ModelCheckTailAddress(int modelIndex)
{
    return kModelCheckTailAddress.at(static_cast<std::size_t>(modelIndex));
}

bool PassesModelCheck(std::span<const std::uint8_t> bytes, int modelIndex)
{
    const int tail = ModelCheckTailAddress(modelIndex);
    if (bytes.size() < static_cast<std::size_t>(tail) + 2) {
        return false;
    }
    const ModelInfo& model = ModelOf(modelIndex);
    if (WordAt(bytes, kModelCodeAddress) != model.Code) {
        return false;
    }
    // On the MF7500S and the MB6000 the International channel names cover 0x1FFE, so an image the
    // program has encoded holds the code only in its true last word: either place will do.
    const int last = model.LastAddress - 1;
    return WordAt(bytes, tail) == model.Code ||
           (bytes.size() >= static_cast<std::size_t>(last) + 2 && WordAt(bytes, last) == model.Code);
}

void SetHeaderChecksum(RadioImage& image)
{
    unsigned sum = 0;
    for (int address = kChecksumFirst; address < kHeaderChecksumAddress; ++address) {
        sum += image[address];
    }
    image[kHeaderChecksumAddress] = static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace kelpie
