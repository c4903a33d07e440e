// MMSIs in the listing and the compare read as the user typed them: nine digits, without the 0
// the stored form adds.
#include <gtest/gtest.h>

#include "report/Compare.h"
#include "report/TextImage.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(MmsiShown, TheListingAndTheCompareShowTheNineDigitsTyped)
{
    RadioData data = ResetData(0);
    data.IndividualDirectory[0] = {true, "SEA BREEZE", "3661234560"};
    data.GroupDirectory[0] = {true, "FLEET", "0366999990"};
    data.DscBasicSetup.UserMmsi = "2111111110";
    const std::string listing = BuildTextImage(data);
    EXPECT_TRUE(Contains(listing, "SEA BREEZE    366123456\r\n")) << listing;
    EXPECT_TRUE(Contains(listing, "FLEET         036699999\r\n")) << listing;
    EXPECT_TRUE(Contains(listing, "211111111   -----")) << listing;
    EXPECT_FALSE(Contains(listing, "2111111110")) << listing;

    RadioData other = data;
    other.IndividualDirectory[0].Mmsid = "3661234570";
    other.DscBasicSetup.UserMmsi = "2111111120";
    const std::vector<Difference> differences = CompareData(data, other);
    ASSERT_EQ(differences.size(), 2u);
    EXPECT_TRUE(Contains(differences[0].Text, "211111111 → 211111112")) << differences[0].Text;
    EXPECT_TRUE(Contains(differences[1].Text, "366123456 → 366123457")) << differences[1].Text;
}

}  // namespace
}  // namespace kelpie
