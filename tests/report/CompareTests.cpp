#include "report/Compare.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "files/ImageFile.h"
#include "model/ImageFields.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

using Differences = std::vector<Difference>;

// Each channel field's label the field walk pins, and a USA channel's key and name the
// verify tests; here each other record kind's key, title and values.
TEST(Compare, OneEditOfEachRecordKindIsOneDifferenceInTheRadiosWords)
{
    using Edit = std::function<void(RadioData & data, bool right)>;  // made on each side
    const std::tuple<int, Edit, Difference> cases[] = {
        {5,
         [](RadioData& d, bool right) { d.CanadaChannels[5].Enable = right; },
         {"PC 5", "Canada 02A: enabled Off → On"}},
        {5,
         [](RadioData& d, bool right) { d.ExpChannels[6].Rxfreq = right ? 151.63 : 151.625; },
         {"E 7", "LMR 7: RX 151.6250 → 151.6300"}},
        {5,
         [](RadioData& d, bool right) { d.WxChannels[2].ScanMemory = right; },
         {"PW", "WX 3: scan memory Off → On"}},
        {5,
         [](RadioData& d, bool right) { d.RadioImage[0x00A8] ^= right ? 0x20 : 0; },
         {"Common", "Common Setup: SEL1 On → Off"}},
        {5,
         [](RadioData& d, bool right) { d.RadioImage.SetWord(0x0062, right ? 0x2000 : 0xFFFF); },
         {"Usable", "Usable CH Group Setup: USA preset 2 Off → 16"}},
        {0,
         [](RadioData& d, bool right) { d.DscBasicSetup.UserMmsi = right ? "3661234560" : ""; },
         {"DSC", "DSC Setup: User MMSI ---- → 366123456"}},
        {0,
         [](RadioData& d, bool right) { d.AtisCallSigns[0].DISP = right ? "ABC" : ""; },
         {"ATIS", "ATIS Call Sign 1: Display ---- → ABC"}},
        {0,
         [](RadioData& d, bool right) {
             for (std::size_t i = 0; i < 3; ++i) {
                 d.IndividualDirectory[i] = {true, "SHIP" + std::to_string(i + 1),
                                             "36612345" + std::to_string(right && i == 2 ? 7 : i) + "0"};
             }
         },
         {"SM 3", "Individual Directory 3: MMSI 366123452 → 366123457"}},
        {0,
         [](RadioData& d, bool right) {
             d.GroupDirectory[0] = {right, "", right ? "0366123450" : ""};
         },
         {"SG 1", "Group Directory 1: MMSI ---- → 036612345"}},
    };
    for (const auto& [model, edit, expected] : cases) {
        SCOPED_TRACE(expected.Text);
        RadioData left = ResetData(model);
        RadioData right = left;
        edit(left, false);
        edit(right, true);
        EXPECT_EQ(CompareData(left, right), Differences{expected});
    }
}

TEST(Compare, BytesNoRecordHoldsShowAsAddressRanges)
{
    RadioData left = ResetData(5);
    left.RadioImage[0x0200] = 0x41;
    left.RadioImage[0x0201] = 0x42;
    RadioData right = left;
    right.RadioImage[0x0200] = 0x00;
    right.RadioImage[0x0201] = 0x01;
    right.RadioImage.Fill(0x3100, 0x319F, 0x00);  // the call-sign table, which the MV230 does not keep
    right.RadioImage[0x005B] ^= 0x01;             // a bit of the scan byte that no setting uses
    right.RadioImage[0x04E0] = 0x00;              // between the USA and the INTL entries
    right.RadioImage[0x090F] ^= 0xFF;             // the last byte of LMR 1, after its tone block
    EXPECT_EQ(CompareData(left, right), (Differences{{"", "Image 0x005B: CE → CF"},
                                                     {"", "Image 0x0200–0x0201: 41 42 → 00 01"},
                                                     {"", "Image 0x04E0: FF → 00"},
                                                     {"", "Image 0x090F: 00 → FF"},
                                                     {"", "Image 0x3100–0x319F: 160 bytes differ"}}));

    // The MV240's memory ends at 0x1FFF: the upper half of the array is nobody's.
    const RadioData mv240 = ResetData(1);
    RadioData upper = mv240;
    upper.RadioImage[0x3000] = 0x00;
    EXPECT_EQ(CompareData(mv240, upper), Differences{});
}

TEST(Compare, ProgrammingOfAnotherModelIsRefused)
{
    EXPECT_THROW(CompareData(ResetData(5), ResetData(4)), DifferentModelError);
    EXPECT_THROW(CompareBits(ResetData(0), ResetData(3), ImageBits{}), DifferentModelError);
    EXPECT_STREQ(DifferentModelError().what(), "different model!!");
}

TEST(Compare, ALimitedCompareSeesOnlyTheChosenBits)
{
    const RadioData left = ResetData(5);
    RadioData right = left;
    WriteText(right.RadioImage, 0x0C00 + 12 * 32, "DIST16", 12, false);  // USA 16's name
    right.RadioImage[0x0200] = 0x00;
    right.RadioImage[0x005B] ^= 0x80;  // SCAN
    ImageBits bits{};
    std::fill_n(bits.begin() + 0x0C00 + 12 * 32, 12, 0xFF);
    EXPECT_EQ(CompareBits(left, right, bits), (Differences{{"PU 32", "USA 16: name DISTRESS → DIST16"}}));
    bits[0x005B] = 0x7F;
    EXPECT_EQ(CompareBits(left, right, bits), (Differences{{"PU 32", "USA 16: name DISTRESS → DIST16"}}));
    bits[0x005B] = 0x80;
    EXPECT_EQ(CompareBits(left, right, bits).size(), 2u);
    EXPECT_EQ(CompareBits(left, right, ImageBits{}), Differences{});
}

// The hex file's check byte in a compare: a data file and the hex file saved from it are equal; a
// verify that finds only that byte says what it is.
TEST(CheckByte, ADataFileEqualsTheHexFileSavedFromIt)
{
    RadioData data = ResetData(0);
    data.RadioImage[kHeaderChecksumAddress] = 0x00;
    RadioData hex = data;  // as the hex file saved from it holds it: with its check byte set
    SetHeaderChecksum(hex.RadioImage);
    ASSERT_NE(hex.RadioImage[kHeaderChecksumAddress], 0x00);
    EXPECT_EQ(CompareData(data, hex), Differences{});
}

TEST(CheckByte, VerifyNamesTheCheckByteOnlyWhenNothingElseDiffers)
{
    RadioData data = ResetData(5);
    data.RadioImage[kHeaderChecksumAddress] = 0x00;
    RadioData radio = data;
    radio.RadioImage[kHeaderChecksumAddress] = 0x3A;
    ImageBits every{};
    every.fill(0xFF);
    EXPECT_EQ(CompareBits(data, radio, every),
              (Differences{{"", "Image 0x005F (the hex file's check byte, not programming): 00 → 3A"}}));

    radio.RadioImage[0x3F00] = static_cast<std::uint8_t>(data.RadioImage[0x3F00] ^ 0x01);
    const Differences both = CompareBits(data, radio, every);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both.back(), (Difference{"", "Image 0x005F: 00 → 3A"}));
}

}  // namespace
}  // namespace kelpie
