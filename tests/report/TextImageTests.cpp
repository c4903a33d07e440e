#include "report/TextImage.h"

#include <gtest/gtest.h>

#include "WorkChannel.h"
#include "support/ResetData.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "model/ImagePasses.h"
#include "model/Models.h"
#include "report/Compare.h"
#include "report/PrintedListing.h"

namespace kelpie {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t at = 0;
    while ((at = text.find("\r\n", at)) != std::string::npos) {
        at += 2;
        const auto end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
    }
    return lines;
}

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

std::vector<std::string> Headings(const std::vector<std::string>& lines)
{
    std::vector<std::string> headings;
    std::ranges::copy_if(lines, std::back_inserter(headings),
                         [](const std::string& line) { return line.starts_with("#####"); });
    return headings;
}

TEST(TextImage, GroupAndCommonRowsOfTheMf7500s)
{
    RadioData data = ResetData(0);
    data.UsableGroups[1].StatusName = "  ";
    data.UsableGroups[2].StatusName = "HOME";
    const auto lines = Lines(BuildTextImage(data));
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
    EXPECT_TRUE(Has(lines, "[NMEA Data Input]"));
    EXPECT_TRUE(Has(lines, P("Offset Time:", 35) + P(" 0:00", 18)));
    EXPECT_TRUE(Has(lines, P("Weather Alert:", 35) + P("On", 35)));
    EXPECT_TRUE(Has(lines, P("Rotary Beep:", 35) + P("Off", 18)));
    EXPECT_TRUE(Has(lines, P("User MMSI:", 35) + P("", 12) + "----- Count : 0"));
    EXPECT_TRUE(Has(lines, P("USA:", 35) + P("On", 20)));
    EXPECT_TRUE(Has(lines, P("POS Request:", 35) + P("On", 18) + P("Low", 18)));
    EXPECT_TRUE(Has(lines, P("Received Individual:", 35) + P("On", 18)));
    EXPECT_EQ(After(lines, "[Group Call]", 4), P("Routine:", 35) + P("On", 18) + P("Low", 18));
    EXPECT_EQ(
        After(lines, "##### ATIS Setup (Call Sign) #####", 1),
        P("No.", 10) + P("MID", 10) + P("Display", 18) + P("No.", 10) + P("MID", 10) + P("Display", 10));
    EXPECT_EQ(After(lines, "##### ATIS Setup (Call Sign) #####", 11), P("No.10", 38) + P("No.20", 30));
    EXPECT_EQ(After(lines, "##### Memory ID Setting #####", 3),
              P("1", 5) + P("------------", 14) + "---------");
    EXPECT_EQ(After(lines, "##### Group ID Setting #####", 12),
              P("10", 5) + P("------------", 14) + "---------");
}

// The sections each model lists, in order and each after a blank line, and the lines of its marine
// and weather banks. The text starts with a line break and ends without one.
TEST(TextImage, SectionsAndChannelLinesOfEveryLayout)
{
    struct Case
    {
        int model;
        std::vector<std::string> sections;
        std::string heading;
        std::string channel01A;
        std::string channel20;
        std::string channel15;
        std::string weather1;
    };
    const std::string groups = "##### Available CH Group Setup #####";
    const std::string common = "##### Common Setup #####";
    const std::string atis = "##### ATIS Setup (Common) #####";
    const std::vector<std::string> dsc = {"##### DSC Setup (Basic Setup) #####",
                                          "##### DSC Setup (Advanced Setup) #####",
                                          "##### DSC Setup (Display Setup) #####"};
    const std::vector<std::string> banks = {
        "##### Programmable USA Channel #####", "##### Programmable International Channel #####",
        "##### Programmable Canada Channel #####", "##### Programmable Wx Channel #####"};
    const std::string directories[] = {"##### Memory ID Setting #####", "##### Group ID Setting #####"};
    const std::string exp = "##### Programmable Exp Channel #####";
    const std::string lmr = "##### Programmable LMR Channel #####";
    const auto sections = [&](std::vector<std::string> head, std::vector<std::string> tail) {
        head.insert(head.end(), banks.begin(), banks.end());
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const std::string f01A = "01A  156.050  156.050  TX  ---  --  ---  ";
    const std::string full = "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM  VS  CH Name";
    const std::string full01A = f01A + "---  --  VTS         ";
    const std::string full20 = "20   161.600  157.000  TX  ---  --  DUP  ---  --  PORT OPR    ";
    const std::string full15 = "15   156.750  ---.---  --  ---  --  ---  ---  --  COMMERCIAL  ";
    const Case cases[] = {
        {0,
         sections({groups, common, dsc[0], dsc[1], dsc[2], atis, "##### ATIS Setup (Call Sign) #####"},
                  {directories[0], directories[1], exp}),
         full, full01A, full20, full15, "1   ENABLE  ---  162.550MHZ  "},
        {1, sections({groups, common, atis}, {exp}), "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  MEM",
         f01A + "---  ", "20   161.600  157.000  TX  ---  --  DUP  ---  ",
         "15   156.750  ---.---  --  ---  --  ---  ---  ", "1   ENABLE  ---  "},
        {2, sections({groups, common, atis}, {lmr}), full, full01A, full20, full15,
         "1   ENABLE  ---  162.550MHZ  "},
        {3, sections({groups, common, dsc[0], dsc[1], dsc[2], atis}, {directories[0], directories[1], exp}),
         full, full01A, full20, full15, "1   ENABLE  ---  162.550MHZ  "},
        {4, sections({groups, common, atis}, {lmr}), "CH   RX(MHz)  TX(MHz)  TX  LOW  UP  DUP  VS  CH Name",
         f01A + "--  VTS         ", "20   161.600  157.000  TX  ---  --  DUP  --  PORT OPR    ",
         "15   156.750  ---.---  --  ---  --  ---  --  COMMERCIAL  ", "1   ENABLE  162.550MHZ  "},
        {5, sections({groups, common}, {lmr}), full, full01A, full20, full15,
         "1   ENABLE  ---  162.550MHZ  "},
        {6, sections({groups, common, atis}, {lmr}), full, full01A, full20, full15,
         "1   ENABLE  ---  ------------"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const std::string text = BuildTextImage(ResetData(c.model));
        EXPECT_TRUE(text.starts_with("\r\n\r\n") && !text.ends_with("\r\n"));
        const auto lines = Lines(text);
        EXPECT_EQ(Headings(lines), c.sections);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_TRUE(!lines[i].starts_with("#####") || lines[i - 1].empty()) << lines[i];
        }
        const std::string usa = "##### Programmable USA Channel #####";
        EXPECT_EQ(After(lines, usa, 1), c.heading);
        EXPECT_EQ(After(lines, usa, 3), c.channel01A);
        EXPECT_TRUE(Has(lines, c.channel20));
        EXPECT_TRUE(Has(lines, c.channel15));
        EXPECT_EQ(After(lines, "##### Programmable Wx Channel #####", 3), c.weather1);
    }
}

TEST(TextImage, AnEmptyBankListsOnlyItsHeadings)
{
    RadioData data = ResetData(5);
    for (ChannelRecord& ch : data.UsaChannels) {
        ch.Enable = false;
    }
    const auto lines = Lines(BuildTextImage(data));
    const std::string usa = "##### Programmable USA Channel #####";
    EXPECT_EQ(After(lines, usa, 3), "");
    EXPECT_EQ(After(lines, usa, 4), "##### Programmable International Channel #####");
}

TEST(TextImage, WeatherHeadingAndBankELinesByModel)
{
    RadioData mv230 = ResetData(5);
    SetWorkChannel(mv230);
    auto lines = Lines(BuildTextImage(mv230));
    EXPECT_EQ(After(lines, "##### Programmable Wx Channel #####", 1), "CH  ENABLE  MEM  CH Name");
    const std::string lmr = "##### Programmable LMR Channel #####";
    EXPECT_EQ(
        After(lines, lmr, 3),
        "1   AbCd  ENABLE  156.0500  156.0125  ---  --  ---  --  WORK          N   77.0Hz   ---  I036   ");
    EXPECT_EQ(After(lines, lmr, 4).substr(0, 47), "2   ----  ------  ---.----  ---.----  ---  --  ");

    RadioData mv240 = ResetData(1);
    lines = Lines(BuildTextImage(mv240));
    EXPECT_EQ(After(lines, "##### Programmable Exp Channel #####", 1),
              "CH  CHD  ENABLE  RX(MHz)   TX(MHz)   LOW  UP  MEM");
    EXPECT_EQ(After(lines, "##### Programmable Exp Channel #####", 42),
              "40  ----  ------  ---.----  ---.----  ---  --  ---  ");

    RadioData mv220 = ResetData(4);
    lines = Lines(BuildTextImage(mv220));
    EXPECT_EQ(After(lines, lmr, 2),
              "--  ----  ------  --------  --------  ---  --  --  ------------  --  -------  ---  -------");
    EXPECT_EQ(After(lines, lmr, 3),
              "1   ----  ------  ---.----  ---.----  ---  --  --  ------------  --  -------  ---  -------");
}

// MMSIs read as the user typed them: nine digits, without the 0 the stored form adds.
TEST(TextImage, MmsisShowTheNineDigitsTyped)
{
    RadioData data = ResetData(0);
    data.IndividualDirectory[0] = {true, "SEA BREEZE", "3661234560"};
    data.GroupDirectory[0] = {true, "FLEET", "0366999990"};
    data.DscBasicSetup.UserMmsi = "2111111110";
    const std::string listing = BuildTextImage(data);
    for (const char* part :
         {"SEA BREEZE    366123456\r\n", "FLEET         036699999\r\n", "211111111   -----"}) {
        EXPECT_NE(listing.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(listing.find("2111111110"), std::string::npos);
}

// What the radio gets must not depend on whether the user looked at a listing first.
TEST(TextImage, ListingPrintingAndComparingLeaveTheRecordsAsTheyWere)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        RadioData data = ResetData(model);
        SetWorkChannel(data).Txfreq = 151.8213;
        const RadioData before = data;
        BuildTextImage(data);
        BuildPrintedListing(data, ModelNameOf(model));
        CompareData(data, ResetData(model));
        EXPECT_TRUE(data == before);
        EXPECT_EQ(data.ExpChannels[0].Txfreq, 151.8213);
    }
}

TEST(TextImage, SavedFileEndsWithALineBreakAndReplacesTheOldOne)
{
    const TempFolder folder;
    const auto file = folder / "listing.txt";
    std::ofstream(file) << "an older and much longer listing than the new one";
    SaveTextImage(file, "\r\nnew");
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "\r\nnew\r\n");
}

}  // namespace
}  // namespace kelpie
