#include "report/PrintedListing.h"

#include <gtest/gtest.h>

#include "WorkChannel.h"
#include "support/ResetData.h"

#include <algorithm>

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

TEST(PrintedListing, ChannelColumnsFollowTheModelAndKeepTheirPositions)
{
    struct Case
    {
        int model;
        std::vector<std::string> marine;
        std::vector<double> marineMm;
        std::vector<std::string> bankE;
        std::vector<double> bankEMm;
    };
    const Case cases[] = {
        {5,
         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM", "VS", "CH Name"},
         {0, 12, 29, 46, 54, 63, 71, 80, 89, 97},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM", "VS", "CH Name", "W/N", "RXT",
          "CMP", "TXT"},
         {0, 8, 18, 35, 54, 73, 81, 91, 98, 125, 147, 154, 169, 176}},
        {1,
         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM"},
         {0, 12, 29, 46, 54, 63, 71, 80},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM"},
         {0, 8, 18, 35, 54, 73, 81, 91}},
        {4,
         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "VS", "CH Name"},
         {0, 12, 29, 46, 54, 63, 71, 89, 97},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "VS", "CH Name", "W/N", "RXT", "CMP",
          "TXT"},
         {0, 8, 18, 35, 54, 73, 81, 98, 125, 147, 154, 169, 176}},
        {0,
         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM", "VS", "CH Name"},
         {0, 12, 29, 46, 54, 63, 71, 80, 89, 97},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM", "VS", "CH Name"},
         {0, 8, 18, 35, 54, 73, 81, 91, 98, 125}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const auto pages = BuildPrintedListing(ResetData(c.model), ModelNameOf(c.model));
        EXPECT_EQ(Texts(pages[1].Lines[3]), c.marine);
        EXPECT_EQ(Texts(pages[5].Lines[3]), c.bankE);
        // Titles, the dash runs under them and every row share the positions.
        for (const auto& [page, mm] : {std::pair{&pages[1], c.marineMm}, std::pair{&pages[5], c.bankEMm}}) {
            for (std::size_t i = 3; i < page->Lines.size(); ++i) {
                EXPECT_EQ(Positions(page->Lines[i]), mm) << i;
            }
        }
    }
}

// The records stay as they were: the text listing tests see to that.
TEST(PrintedListing, BankERowsShowCorrectedFrequencies)
{
    RadioData data = ResetData(5);
    SetWorkChannel(data);
    const auto pages = BuildPrintedListing(data, "MV230");
    EXPECT_EQ(Texts(pages[5].Lines[5]),
              (std::vector<std::string>{"1", "AbCd", "ENABLE", "156.0500", "156.0125", "---", "--", "---",
                                        "--", "WORK        ", "N ", "77.0Hz", "---", "I036"}));
}

}  // namespace
}  // namespace kelpie
