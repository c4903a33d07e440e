#include "model/Models.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

// What each radio reports of itself: its model code, the name it goes by, its memory size.
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

}  // namespace
}  // namespace kelpie
