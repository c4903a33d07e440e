#include "report/PrintedListing.h"

#include <gtest/gtest.h>

#include "support/ResetData.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "model/Models.h"

namespace kelpie {
namespace {

std::vector<std::string> Texts(const PrintLine& line)
{
    std::vector<std::string> texts;
    std::ranges::transform(line, std::back_inserter(texts), &PrintCell::Text);
    return texts;
}

std::vector<double> Positions(const PrintLine& line)
{
    std::vector<double> mm;
    std::ranges::transform(line, std::back_inserter(mm), &PrintCell::Mm);
    return mm;
}

TEST(PrintedListing, SixPagesUnderTheHeaderWithTheSettingsRowsOfTheModel)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const auto pages = BuildPrintedListing(ResetData(model), ModelNameOf(model));
        ASSERT_EQ(pages.size(), 6u);
        for (const PrintPage& page : pages) {
            EXPECT_EQ(page.Lines[0], (PrintLine{{ModelNameOf(model) + " Harborline", 0}}));
            EXPECT_TRUE(page.Lines[1].empty());
        }
        // Which settings lines each model prints the listing walk pins; the status names have no number
        // to walk.
        EXPECT_EQ(
            std::ranges::any_of(pages[0].Lines,
                                [](const PrintLine& l) { return !l.empty() && l[0].Text == "Status name"; }),
            model != 1);
        EXPECT_EQ(Positions(pages[0].Lines[3]), (std::vector<double>{50, 80, 110, 140}));
        EXPECT_EQ(pages[4].Lines.size(), 5u + kWxChannelCount);
        EXPECT_EQ(pages[5].Lines.size(), 5u + kExpChannelCount);
    }
}

// Each column's title stands at the list's one position for it in every model that lists it; the
// dash runs under the titles and every row share the positions.
TEST(PrintedListing, ChannelColumnsFollowTheModelAndKeepTheirPositions)
{
    using Columns = std::vector<std::pair<std::string, double>>;
    const Columns marine = {{"CH", 0},  {"RX(MHz)", 12}, {"TX(MHz)", 29}, {"TX", 46}, {"LOW", 54},
                            {"UP", 63}, {"DUP", 71},     {"MEM", 80},     {"VS", 89}, {"CH Name", 97}};
    const Columns bankE = {{"CH", 0},    {"CHD", 8},   {"ENABLE", 18}, {"RX(MHz)", 35}, {"TX(MHz)", 54},
                           {"LOW", 73},  {"UP", 81},   {"MEM", 91},    {"VS", 98},      {"CH Name", 125},
                           {"W/N", 147}, {"RXT", 154}, {"CMP", 169},   {"TXT", 176}};
    // The titles each model leaves out of its marine and its bank E list.
    using Titles = std::set<std::string>;
    const std::tuple<int, Titles, Titles> cases[] = {
        {5, {}, {}},
        {1, {"VS", "CH Name"}, {"VS", "CH Name", "W/N", "RXT", "CMP", "TXT"}},
        {4, {"MEM"}, {"MEM"}},
        {0, {}, {"W/N", "RXT", "CMP", "TXT"}},
    };
    for (const auto& [model, marineLeftOut, bankELeftOut] : cases) {
        SCOPED_TRACE(model);
        const auto pages = BuildPrintedListing(ResetData(model), ModelNameOf(model));
        for (const auto& [page, columns, leftOut] :
             {std::tuple{&pages[1], &marine, &marineLeftOut}, std::tuple{&pages[5], &bankE, &bankELeftOut}}) {
            std::vector<std::string> titles;
            std::vector<double> mm;
            for (const auto& [title, at] : *columns) {
                if (!leftOut->contains(title)) {
                    titles.push_back(title);
                    mm.push_back(at);
                }
            }
            EXPECT_EQ(Texts(page->Lines[3]), titles);
            for (std::size_t i = 3; i < page->Lines.size(); ++i) {
                EXPECT_EQ(Positions(page->Lines[i]), mm) << i;
            }
        }
    }
}

}  // namespace
}  // namespace kelpie
