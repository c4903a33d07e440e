#include "printing/PageLayout.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

PrintPage PageOf(std::size_t lines)
{
    PrintPage page;
    for (std::size_t i = 0; i < lines; ++i) {
        page.Lines.push_back({{"line " + std::to_string(i), 0}});
    }
    return page;
}

TEST(PageLayout, EveryPageStartsASheetAndOnlyAFullSheetBreaksAPage)
{
    // A 30 mm sheet holds lines of 5 mm at 5, 10, 15, 20 and 25 mm.
    const std::vector<PrintPage> pages{PageOf(3), PageOf(13), PageOf(1)};
    const auto placed = PlaceLines(pages, 5.0, 30.0);
    ASSERT_EQ(placed.size(), 17u);
    struct Expected
    {
        std::size_t index;
        int sheet;
        double top;
    };
    // The first page; the second, which fills its sheet and runs on over two more; the third, on a
    // sheet of its own.
    const Expected expected[] = {
        {0, 0, 5.0},   {2, 0, 15.0}, {3, 1, 5.0},   {7, 1, 25.0}, {8, 2, 5.0},
        {12, 2, 25.0}, {13, 3, 5.0}, {15, 3, 15.0}, {16, 4, 5.0},
    };
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.index);
        EXPECT_EQ(placed[e.index].Sheet, e.sheet);
        EXPECT_DOUBLE_EQ(placed[e.index].TopMm, e.top);
    }
    EXPECT_EQ(placed[4].Line, &pages[1].Lines[1]);

    // A line taller than the sheet still takes one sheet, after the header's.
    EXPECT_EQ(PlaceLines({PageOf(2)}, 50.0, 30.0)[1].Sheet, 1);
}

}  // namespace
}  // namespace kelpie
