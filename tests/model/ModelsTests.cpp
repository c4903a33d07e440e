#include "model/Models.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

TEST(Models, NamesCodesAndImageSizes)
{
    const std::uint16_t codes[] = {0x1D4C, 0x00F0, 0x00D2, 0x1770, 0x00DC, 0x00E6, 0x00E7};
    const char* names[] = {"MV240", "MV240", "MV210", "MV240", "MV220", "MV230", "MV230E"};
    for (int m = 0; m < kModelCount; ++m) {
        EXPECT_EQ(ModelOf(m).Code, codes[m]);
        EXPECT_EQ(ModelNameOf(m), names[m]);
        EXPECT_EQ(ExpectedImageFileLength(m), m == 1 ? 8192 : 16384);
        EXPECT_EQ(ModelOf(m).LastAddress, ExpectedImageFileLength(m) - 1);
    }
    EXPECT_THROW(ModelOf(7), std::out_of_range);
    EXPECT_THROW(FeaturesOf(-1), std::out_of_range);
    EXPECT_FALSE(IsValidModelIndex(7));
}

TEST(Models, FeaturePredicatesFollowTheModelTable)
{
    auto models = [](bool (*has)(int)) {
        std::string which;
        for (int m = 0; m < kModelCount; ++m) {
            which += has(m) ? char('0' + m) : '.';
        }
        return which;
    };
    EXPECT_EQ(models(HasChannelNames), "0.23456");
    EXPECT_EQ(models(HasDsc), "0..3...");
    EXPECT_EQ(models(DecodesAtisKillers), "0..3...");
    EXPECT_EQ(models(EncodesAtisKillers), "0..3...");
    EXPECT_EQ(models(HasAtisCallSigns), "0......");
    EXPECT_EQ(models(HasOffsetTime), "0..3...");
    EXPECT_EQ(models(DecodesRotaryBeep), "0..3...");
    EXPECT_EQ(models(EncodesRotaryBeep), "0..3...");
    EXPECT_EQ(models(HasLmrBank), "..2.456");
    EXPECT_EQ(models(ClearsUnusedGroups), "0..3...");
    EXPECT_EQ(models(HasToneBlock), "..2.456");
    EXPECT_EQ(models(HasAccessCode), "....456");
    EXPECT_EQ(ToneBlockOffset(2), 10);
    EXPECT_EQ(ToneBlockOffset(5), 11);
}

}  // namespace
}  // namespace kelpie
