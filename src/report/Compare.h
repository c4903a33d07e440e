// Compare.h — what differs between two sets of programming of one model, in the radio's terms.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/RadioData.h"

namespace kelpie {

// Two sets of programming of different models cannot be compared; what() is "different model!!".
class DifferentModelError : public std::runtime_error
{
public:
    DifferentModelError() : std::runtime_error("different model!!") {}
};

// One difference: the page it lives on and the line that tells it.
struct Difference
{
    // The page tree's key: "PU n", "PI n", "PC n" (marine channel index n), "E n" (bank E channel
    // 1..40), "PW", "Usable", "Common", "DSC", "ATIS", "SM n", "SG n" (directory entry 1..); empty
    // for image bytes that no record holds.
    std::string Key;
    std::string Text;  // UTF-8: "USA 16: name DISTRESS → DIST16"

    bool operator==(const Difference&) const = default;
};

// Per image address, the bits that take part in a compare.
using ImageBits = std::array<std::uint8_t, kImageSize>;

// Every difference between left and right as the radio would hold them (each side's records
// encoded into its image and decoded back, on copies), field by field in the listing's words
// ("left → right"), then the image bytes that no record of the model holds, as address ranges. The
// hex file's check byte at 0x005F is left out: a data file and the hex file saved from it are equal.
// Fields the image does not keep (the "A" suffix, status names) are compared as the records hold
// them. Throws DifferentModelError when the models differ, and the encode's EncodeOverflowError
// when a side holds a value its image field cannot (the file readers and the editor never keep one).
std::vector<Difference> CompareData(const RadioData& left, const RadioData& right);

// The compare of two images limited to the image bits in `bits`: both images are decoded, as they
// stand, after right's bits outside `bits` were taken from left, so that only what those bits hold
// can differ. Fields that live nowhere in the image keep left's values on both sides. A differing
// hex file's check byte is listed on its own line, named as that byte when nothing else differs.
std::vector<Difference> CompareBits(const RadioData& left, const RadioData& right, const ImageBits& bits);

}  // namespace kelpie
