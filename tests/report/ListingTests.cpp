#include "report/TextImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "files/FileTestSupport.h"
#include "model/Models.h"
#include "report/PrintedListing.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

std::string P(const std::string& text, std::size_t width)
{
    std::string padded = text;
    padded.resize(width, ' ');
    return padded;
}

// The line after the one that equals `heading`, `offset` lines on.
std::string After(const std::vector<std::string>& lines, const std::string& heading, std::size_t offset)
{
    const auto at = std::find(lines.begin(), lines.end(), heading);
    if (at == lines.end() || static_cast<std::size_t>(lines.end() - at) <= offset) {
        return "<missing " + heading + ">";
    }
    return *(at + static_cast<std::ptrdiff_t>(offset));
}

bool Has(const std::vector<std::string>& lines, const std::string& line)
{
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

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

// Settings lines of each shape, the call signs and the directories; MMSIs read as the user typed
// them: nine digits, without the 0 the stored form adds.
TEST(TextImage, SettingsCallSignAndDirectoryLinesOfTheMf7500s)
{
    RadioData data = ResetData(0);
    data.UsableGroups[1].StatusName = "  ";
    data.UsableGroups[2].StatusName = "HOME";
    data.IndividualDirectory[0] = {true, "SEA BREEZE", "3661234560"};
    data.GroupDirectory[0] = {true, "FLEET", "0366999990"};
    data.DscBasicSetup.UserMmsi = "2111111110";
    const auto lines = TextLines(BuildTextImage(data));
    const std::string group = "##### Available CH Group Setup #####";
    EXPECT_EQ(After(lines, group, 1),
              P("", 35) + P("USA", 18) + P("INTL", 18) + P("Canada", 18) + P("EXP CH", 18));
    EXPECT_EQ(After(lines, group, 2),
              P("Enable", 35) + P("On", 18) + P("On", 18) + P("On", 18) + P("Off", 18));
    EXPECT_EQ(After(lines, group, 4), P("Priority CH", 35) + P("16", 18) + P("16", 18) + P("16", 18));
    EXPECT_EQ(After(lines, group, 6),
              P("Status Name", 35) + P("----", 18) + P("----", 18) + P("HOME", 18) + P("----", 18));
    EXPECT_TRUE(Has(lines, P("TX Po Display:", 35) + P("Lo Po Only", 35)));
    EXPECT_TRUE(Has(lines, P("Resume Time:", 35) + P("3Sec", 18)));
    EXPECT_TRUE(Has(lines, P("Offset Time:", 35) + P(" 0:00", 18)));
    EXPECT_TRUE(Has(lines, P("Weather Alert:", 35) + P("On", 35)));
    EXPECT_TRUE(Has(lines, P("User MMSI:", 35) + P("211111111", 12) + "----- Count : 0"));
    EXPECT_TRUE(Has(lines, P("USA:", 35) + P("On", 20)));
    EXPECT_EQ(After(lines, "[Group Call]", 4), P("Routine:", 35) + P("On", 18) + P("Low", 18));
    EXPECT_EQ(
        After(lines, "##### ATIS Setup (Call Sign) #####", 1),
        P("No.", 10) + P("MID", 10) + P("Display", 18) + P("No.", 10) + P("MID", 10) + P("Display", 10));
    EXPECT_EQ(After(lines, "##### ATIS Setup (Call Sign) #####", 11), P("No.10", 38) + P("No.20", 30));
    EXPECT_EQ(After(lines, "##### Memory ID Setting #####", 3), "1    SEA BREEZE    366123456");
    EXPECT_EQ(After(lines, "##### Group ID Setting #####", 3), "1    FLEET         036699999");
    EXPECT_EQ(After(lines, "##### Group ID Setting #####", 12),
              P("10", 5) + P("------------", 14) + "---------");
}

// The sections each model lists, in order and each after a blank line, and the lines of the marine
// and weather banks of each layout. The text starts with a line break and ends without one.
TEST(TextImage, SectionsAndChannelLinesOfEveryLayout)
{
    const std::map<char, std::string> titles = {
        {'g', "Available CH Group Setup"},
        {'c', "Common Setup"},
        {'b', "DSC Setup (Basic Setup)"},
        {'a', "DSC Setup (Advanced Setup)"},
        {'d', "DSC Setup (Display Setup)"},
        {'t', "ATIS Setup (Common)"},
        {'s', "ATIS Setup (Call Sign)"},
        {'u', "Programmable USA Channel"},
        {'i', "Programmable International Channel"},
        {'n', "Programmable Canada Channel"},
        {'w', "Programmable Wx Channel"},
        {'m', "Memory ID Setting"},
        {'p', "Group ID Setting"},
        {'e', "Programmable Exp Channel"},
        {'l', "Programmable LMR Channel"},
    };
    const std::string sections[kModelCount] = {"gcbadtsuinwmpe", "gctuinwe", "gctuinwl", "gcbadtuinwmpe",
                                               "gctuinwl",       "gcuinwl",  "gctuinwl"};
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const std::string text = BuildTextImage(ResetData(model));
        EXPECT_TRUE(text.starts_with("\r\n\r\n") && !text.ends_with("\r\n"));
        const auto lines = TextLines(text);
        std::vector<std::string> expected;
        for (const char section : sections[model]) {
            expected.push_back("##### " + titles.at(section) + " #####");
        }
        std::vector<std::string> headings;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].starts_with("#####")) {
                headings.push_back(lines[i]);
                EXPECT_TRUE(lines[i - 1].empty()) << lines[i];
            }
        }
        EXPECT_EQ(headings, expected);
    }

    // Each layout's columns on one channel; the values of a duplex and a receive-only channel once.
    const std::string f01A = "01A  156.050  156.050  TX  ---  --  ---  ";
    const std::string usa = "##### Programmable USA Channel #####";
    const std::tuple<int, std::string, std::string, std::string> layouts[] = {
        {5, "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name", f01A + "---  --  VTS         ",
         "1   ENABLE  ---  162.550MHZ  "},
        {1, "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM", f01A + "---  ", "1   ENABLE  ---  "},
        {4, "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  VS  CH Name", f01A + "--  VTS         ",
         "1   ENABLE  162.550MHZ  "},
    };
    for (const auto& [model, heading, channel01A, weather1] : layouts) {
        SCOPED_TRACE(model);
        const auto lines = TextLines(BuildTextImage(ResetData(model)));
        EXPECT_EQ(After(lines, usa, 1), heading);
        EXPECT_EQ(After(lines, usa, 3), channel01A);
        EXPECT_EQ(After(lines, "##### Programmable Wx Channel #####", 3), weather1);
    }
    const auto lines = TextLines(BuildTextImage(ResetData(5)));
    EXPECT_TRUE(Has(lines, "20   161.600  157.000  TX  ---  --  DUP  ---  --  PORT OPR    "));
    EXPECT_TRUE(Has(lines, "15   156.750  ---.---  --  ---  --  ---  ---  --  COMMERCIAL  "));
    // The MV230E shows no weather channel names.
    EXPECT_EQ(After(TextLines(BuildTextImage(ResetData(6))), "##### Programmable Wx Channel #####", 3),
              "1   ENABLE  ---  ------------");
}

// A bank E channel that uses every column of an LMR list, its receive frequency off the rasters:
// both listings show it corrected. A bank without a listed channel lists only its headings.
TEST(TextImage, WeatherHeadingEmptyBankAndBankELinesByModelAndInThePrintedListing)
{
    RadioData mv230 = ResetData(5);
    for (ChannelRecord& usa : mv230.UsaChannels) {
        usa.Enable = false;
    }
    ChannelRecord& ch = mv230.ExpChannels[0];
    ch.Enable = true;
    ch.CHDisplayL = "AB";
    ch.CHDisplayR = "CD";
    ch.Rxfreq = 156.0512;
    ch.Txfreq = 156.0125;
    ch.RxCTCSS = 5;
    ch.TxDCS = 110;
    ch.Narrow = true;
    ch.ChTag = "WORK";
    auto lines = TextLines(BuildTextImage(mv230));
    EXPECT_EQ(After(lines, "##### Programmable Wx Channel #####", 1), "CH  ENABLE  MEM  CH Name");
    const std::string usa = "##### Programmable USA Channel #####";
    EXPECT_EQ(After(lines, usa, 3), "");
    EXPECT_EQ(After(lines, usa, 4), "##### Programmable International Channel #####");
    const std::string lmr = "##### Programmable LMR Channel #####";
    EXPECT_EQ(
        After(lines, lmr, 3),
        "1   AbCd  ENABLE  156.0500  156.0125  ---  --  ---  --  WORK          N   77.0Hz   ---  I036   ");
    EXPECT_EQ(After(lines, lmr, 4).substr(0, 47), "2   ----  ------  ---.----  ---.----  ---  --  ");
    EXPECT_EQ(Texts(BuildPrintedListing(mv230, "MV230")[5].Lines[5]),
              (std::vector<std::string>{"1", "AbCd", "ENABLE", "156.0500", "156.0125", "---", "--", "---",
                                        "--", "WORK        ", "N ", "77.0Hz", "---", "I036"}));
    EXPECT_EQ(ch.Rxfreq, 156.0512);  // listed corrected, kept as it is

    lines = TextLines(BuildTextImage(ResetData(1)));
    EXPECT_EQ(After(lines, "##### Programmable Exp Channel #####", 1),
              "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM");
    EXPECT_EQ(After(lines, "##### Programmable Exp Channel #####", 42),
              "40  ----  ------  ---.----  ---.----  ---  --  ---  ");

    lines = TextLines(BuildTextImage(ResetData(4)));
    EXPECT_EQ(After(lines, lmr, 2),
              "--  ----  ------  --------  --------  ---  --  --  ------------  --  -------  ---  -------");
    EXPECT_EQ(After(lines, lmr, 3),
              "1   ----  ------  ---.----  ---.----  ---  --  --  ------------  --  -------  ---  -------");
}

TEST(TextImage, SavedFileEndsWithALineBreak)
{
    const TempFolder folder;
    SaveTextImage(folder / "listing.txt", "\r\nnew");
    EXPECT_EQ(ReadFileText(folder / "listing.txt"), "\r\nnew\r\n");
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
