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
    for (const PrintCell& cell : line) {
        texts.push_back(cell.Text);
    }
    return texts;
}

std::vector<double> Positions(const PrintLine& line)
{
    std::vector<double> mm;
    for (const PrintCell& cell : line) {
        mm.push_back(cell.Mm);
    }
    return mm;
}

// The line of the page whose first text is `label`.
PrintLine LineOf(const PrintPage& page, const std::string& label)
{
    const auto at = std::ranges::find_if(
        page.Lines, [&](const PrintLine& line) { return !line.empty() && line.front().Text == label; });
    return at == page.Lines.end() ? PrintLine{{"<missing " + label + ">", -1}} : *at;
}

std::vector<std::string> Headings(const PrintPage& page)
{
    std::vector<std::string> headings;
    for (const PrintLine& line : page.Lines) {
        if (!line.empty() && line.front().Text.starts_with("#####")) {
            headings.push_back(line.front().Text);
        }
    }
    return headings;
}

TEST(PrintedListing, SixPagesEachUnderTheHeaderWithTheSectionsOfTheModel)
{
    const std::vector<std::string> settings{"##### Available CH Group Setup #####",
                                            "##### Common Setup #####", "##### ATIS Setup (Common) #####"};
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const auto pages = BuildPrintedListing(ResetData(model), ModelNameOf(model));
        ASSERT_EQ(pages.size(), 6u);
        for (const PrintPage& page : pages) {
            ASSERT_GE(page.Lines.size(), 3u);
            EXPECT_EQ(page.Lines[0], (PrintLine{{ModelNameOf(model) + " Harborline", 0}}));
            EXPECT_TRUE(page.Lines[1].empty());
        }
        // No DSC, call-sign or directory section on any model; no ATIS on the MV230.
        EXPECT_EQ(Headings(pages[0]),
                  model == 5 ? std::vector(settings.begin(), settings.end() - 1) : settings);
        const bool lmr = model == 2 || model >= 4;
        const std::vector<std::vector<std::string>> channelPages{
            {"##### Programable USA Channel #####"},
            {"##### Programable International Channel #####"},
            {"##### Programable Canada Channel #####"},
            {"##### Programable WX Channel #####"},
            {lmr ? "##### Programable LMR Channel #####" : "##### Programable EXP Channel #####"}};
        for (std::size_t p = 1; p < pages.size(); ++p) {
            EXPECT_EQ(Headings(pages[p]), channelPages[p - 1]);
        }
        EXPECT_EQ(pages[5].Lines.size(), 3u + 2u + kExpChannelCount);
        EXPECT_EQ(pages[4].Lines.size(), 3u + 2u + kWxChannelCount);
    }
}

TEST(PrintedListing, SettingsValuesStandAtFiftyMillimetresAndThirtyApartPerGroup)
{
    RadioData data = ResetData(0);
    data.UsableGroups[2].StatusName = "HOME";
    data.AtisCommonSetup.AtisCode = "1234567890";
    auto pages = BuildPrintedListing(data, "MV240");
    const PrintPage& page = pages[0];
    EXPECT_EQ(page.Lines[3], (PrintLine{{"USA", 50}, {"INTL", 80}, {"Canada", 110}, {"EXP CH", 140}}));
    EXPECT_EQ(LineOf(page, "Enable"),
              (PrintLine{{"Enable", 0}, {"On", 50}, {"On", 80}, {"On", 110}, {"Off", 140}}));
    EXPECT_EQ(LineOf(page, "Priority CH"),
              (PrintLine{{"Priority CH", 0}, {"16", 50}, {"16", 80}, {"16", 110}}));
    EXPECT_EQ(Texts(LineOf(page, "Status name")),
              (std::vector<std::string>{"Status name", "----", "----", "HOME", "----"}));
    EXPECT_EQ(LineOf(page, "TX Po Display:"), (PrintLine{{"TX Po Display:", 0}, {"Lo Po Only", 50}}));
    EXPECT_EQ(LineOf(page, "Weather Alert:"), (PrintLine{{"Weather Alert:", 0}, {"On", 50}}));
    EXPECT_EQ(LineOf(page, "[Scanning Function]"), (PrintLine{{"[Scanning Function]", 0}}));
    EXPECT_EQ(LineOf(page, "ATIS Code:"), (PrintLine{{"ATIS Code:", 0}, {"1234567890", 50}}));
    EXPECT_EQ(Positions(LineOf(page, "Usable ATIS CH Group:")), (std::vector<double>{0, 50, 80, 110, 140}));
    // The text listing's NMEA, rotary-beep and killer rows are not printed.
    for (const char* label : {"[NMEA Data Input]", "Rotary Beep:", "Usable ATIS Killer CH Group:"}) {
        EXPECT_EQ(LineOf(page, label)[0].Mm, -1) << label;
    }

    pages = BuildPrintedListing(ResetData(1), "MV240");
    EXPECT_EQ(LineOf(pages[0], "Status name")[0].Mm, -1);
    EXPECT_EQ(Texts(pages[0].Lines[3]), (std::vector<std::string>{"USA", "INTL", "Canada", "EXP CH"}));
    pages = BuildPrintedListing(ResetData(5), "MV230");
    EXPECT_EQ(Texts(pages[0].Lines[3]), (std::vector<std::string>{"USA", "INTL", "Canada", "LMR CH"}));
}

TEST(PrintedListing, ChannelColumnsFollowTheModelAndKeepTheirPositions)
{
    struct Case
    {
        int model;
        std::vector<std::string> marineTitles;
        std::vector<double> marineMm;
        std::vector<std::string> weatherTitles;
        std::vector<std::string> bankETitles;
        std::vector<double> bankEMm;
    };
    const std::vector<std::string> marine{"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW",
                                          "UP", "DUP",     "MEM",     "VS", "CH Name"};
    const std::vector<double> marineMm{0, 12, 29, 46, 54, 63, 71, 80, 89, 97};
    const std::vector<std::string> bankE{"CH",  "CHD", "ENABLE",  "RX(MHz)", "TX(MHz)", "LOW", "UP",
                                         "MEM", "VS",  "CH Name", "W/N",     "RXT",     "CMP", "TXT"};
    const std::vector<double> bankEMm{0, 8, 18, 35, 54, 73, 81, 91, 98, 125, 147, 154, 169, 176};
    const Case cases[] = {
        {5, marine, marineMm, {"CH", "ENABLE", "MEM", "CH Name"}, bankE, bankEMm},
        {1,
         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "MEM"},
         {0, 12, 29, 46, 54, 63, 71, 80},
         {"CH", "ENABLE", "MEM"},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM"},
         {0, 8, 18, 35, 54, 73, 81, 91}},
        {4,
         {"CH", "RX(MHz)", "TX(MHz)", "TX", "LOW", "UP", "DUP", "VS", "CH Name"},
         {0, 12, 29, 46, 54, 63, 71, 89, 97},
         {"CH", "ENABLE", "CH Name"},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "VS", "CH Name", "W/N", "RXT", "CMP",
          "TXT"},
         {0, 8, 18, 35, 54, 73, 81, 98, 125, 147, 154, 169, 176}},
        {0,
         marine,
         marineMm,
         {"CH", "ENABLE", "MEM", "CH Name"},
         {"CH", "CHD", "ENABLE", "RX(MHz)", "TX(MHz)", "LOW", "UP", "MEM", "VS", "CH Name"},
         {0, 8, 18, 35, 54, 73, 81, 91, 98, 125}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const auto pages = BuildPrintedListing(ResetData(c.model), ModelNameOf(c.model));
        for (std::size_t p = 1; p <= 3; ++p) {
            EXPECT_EQ(Texts(pages[p].Lines[3]), c.marineTitles);
            EXPECT_EQ(Positions(pages[p].Lines[3]), c.marineMm);
            EXPECT_EQ(Positions(pages[p].Lines[4]), c.marineMm);  // the dash runs under the titles
        }
        EXPECT_EQ(Texts(pages[4].Lines[3]), c.weatherTitles);
        EXPECT_EQ(Texts(pages[5].Lines[3]), c.bankETitles);
        EXPECT_EQ(Positions(pages[5].Lines[3]), c.bankEMm);
        // Every row has a value under every title.
        for (const PrintPage& page : pages) {
            for (std::size_t i = 5; i < page.Lines.size() && page.Lines[3].front().Text == "CH"; ++i) {
                EXPECT_EQ(Positions(page.Lines[i]), Positions(page.Lines[3]));
            }
        }
    }
}

TEST(PrintedListing, RowsCarryTheTextListingsValuesWithoutChangingTheRecords)
{
    RadioData data = ResetData(5);
    ChannelRecord& ch = SetWorkChannel(data);
    const auto pages = BuildPrintedListing(data, "MV230");
    EXPECT_EQ(Texts(pages[5].Lines[5]),
              (std::vector<std::string>{"1", "AbCd", "ENABLE", "156.0500", "156.0125", "---", "--", "---",
                                        "--", "WORK        ", "N ", "77.0Hz", "---", "I036"}));
    EXPECT_EQ(ch.Rxfreq, 156.0512);

    // Only enabled marine records, in table order.
    std::size_t enabled = 0;
    for (const ChannelRecord& record : data.UsaChannels) {
        enabled += record.Enable ? 1 : 0;
    }
    EXPECT_EQ(pages[1].Lines.size(), 5 + enabled);
    EXPECT_EQ(Texts(pages[1].Lines[5]), (std::vector<std::string>{"01A", "156.050", "156.050", "TX", "---",
                                                                  "--", "---", "---", "--", "VTS"}));
    EXPECT_EQ(Texts(LineOf(pages[1], "20")),
              (std::vector<std::string>{"20", "161.600", "157.000", "TX", "---", "--", "DUP", "---", "--",
                                        "PORT OPR"}));
    EXPECT_EQ(Texts(pages[4].Lines[5]), (std::vector<std::string>{"1", "ENABLE", "---", "162.550MHZ"}));

    for (ChannelRecord& record : data.UsaChannels) {
        record.Enable = false;
    }
    EXPECT_EQ(BuildPrintedListing(data, "MV230")[1].Lines.size(), 5u);  // header, headings, titles, dashes
}

}  // namespace
}  // namespace kelpie
