// kelpie-cli print: the printed listing's pages as a PDF, read back through pdftotext.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "CliTestFolder.h"

namespace kelpie::test {
namespace {

namespace fs = std::filesystem;

// Standard output of a shell command.
std::string Output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            text.append(buffer, n);
        }
        pclose(pipe);
    }
    return text;
}

// The PDF's pages as pdftotext lays them out, each line trimmed and its runs of blanks made one,
// so that a row reads as its values in column order.
std::vector<std::vector<std::string>> PdfPages(const fs::path& pdf)
{
    std::istringstream text(Output("pdftotext -layout '" + pdf.string() + "' -"));
    std::vector<std::vector<std::string>> pages;
    for (std::string page; std::getline(text, page, '\f');) {
        std::istringstream lines(page);
        pages.emplace_back();
        for (std::string line; std::getline(lines, line);) {
            pages.back().push_back(std::regex_replace(line, std::regex("^ +| +$|( ) +"), "$1"));
        }
    }
    return pages;
}

// Where each word first stands on a page of the PDF: its left edge and its top, in mm from the
// sheet's edges.
std::map<std::string, std::pair<double, double>> WordPositions(const fs::path& pdf, int page)
{
    constexpr double kMmPerPoint = 25.4 / 72;
    const std::string text = Output("pdftotext -bbox -f " + std::to_string(page) + " -l " +
                                    std::to_string(page) + " '" + pdf.string() + "' -");
    static const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::map<std::string, std::pair<double, double>> positions;
    for (std::sregex_iterator at(text.begin(), text.end(), word), end; at != end; ++at) {
        positions.try_emplace((*at)[3], std::stod((*at)[1]) * kMmPerPoint, std::stod((*at)[2]) * kMmPerPoint);
    }
    return positions;
}

class CliPrint : public CliTestFolder
{
protected:
    void SetUp() override
    {
        ASSERT_NE(Output("command -v pdftotext"), "")
            << "pdftotext (poppler-utils) is needed for these tests";
        CliTestFolder::SetUp();
    }
};

// The only check of the printed rows' text: the report pins their columns and pages, not their words.
TEST_F(CliPrint, SixPagesEachWithTheHeaderAndTheHeadingsAndRowsOfTheModel)
{
    struct Case
    {
        int model;
        std::string header;
        std::vector<std::vector<std::string>> pageLines;  // lines each page must show
    };
    const std::string marine = "CH RX(MHz) TX(MHz) TX LOW UP DUP MEM VS CH Name";
    const Case cases[] = {
        {0,
         "MV240 Harborline",
         {{"##### Available CH Group Setup #####", "USA INTL Canada EXP CH", "Enable On On On Off",
           "Priority CH 16 16 16", "Status name ---- ---- ---- ----", "##### Common Setup #####",
           "[Scanning Function]", "Resume Time: 3Sec", "Weather Alert: On", "##### ATIS Setup (Common) #####",
           "Usable ATIS CH Group: Off Off Off Off"},
          {"##### Programmable USA Channel #####", marine,
           "20 161.600 157.000 TX --- -- DUP --- -- PORT OPR"},
          {"##### Programmable International Channel #####", marine},
          {"##### Programmable Canada Channel #####", marine},
          {"##### Programmable WX Channel #####", "CH ENABLE MEM CH Name", "1 ENABLE --- 162.550MHZ"},
          {"##### Programmable EXP Channel #####", "CH CHD ENABLE RX(MHz) TX(MHz) LOW UP MEM VS CH Name",
           "40 ---- ------ ---.---- ---.---- --- -- --- -- ------------"}}},
        {5,
         "MV230 Harborline",
         {{"##### Available CH Group Setup #####", "USA INTL Canada LMR CH", "TX TOT Off Off Off Off",
           "Status name ---- ---- ---- ----", "##### Common Setup #####", "TX Po Display: Lo Po Only",
           "Dual Watch: On"},
          {"##### Programmable USA Channel #####", marine, "16 156.800 156.800 TX --- -- --- --- -- DISTRESS",
           "15 156.750 ---.--- -- --- -- --- --- -- COMMERCIAL"},
          {"##### Programmable International Channel #####", marine},
          {"##### Programmable Canada Channel #####", marine},
          {"##### Programmable WX Channel #####", "CH ENABLE MEM CH Name", "10 ENABLE --- 163.275MHZ"},
          {"##### Programmable LMR Channel #####",
           "CH CHD ENABLE RX(MHz) TX(MHz) LOW UP MEM VS CH Name W/N RXT CMP TXT",
           "1 ---- ------ ---.---- ---.---- --- -- --- -- ------------ -- ------- --- -------"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const CliResult result = Exe({"print", "--model", std::to_string(c.model), New(c.model, "radio.dat"),
                                      "-o", File("radio.pdf")});
        ASSERT_EQ(result.ExitCode, 0) << result.Err;
        const auto pages = PdfPages(File("radio.pdf"));
        ASSERT_EQ(pages.size(), 6u);
        for (std::size_t p = 0; p < pages.size(); ++p) {
            SCOPED_TRACE(p + 1);
            ASSERT_GE(pages[p].size(), 3u);
            EXPECT_EQ(pages[p][0], c.header);
            EXPECT_EQ(pages[p][1], "");
            EXPECT_EQ(pages[p][2], c.pageLines[p][0]);
            for (const std::string& line : c.pageLines[p]) {
                EXPECT_THAT(pages[p], testing::Contains(line));
            }
        }
    }
}

TEST_F(CliPrint, TextsStandAtTheirMillimetresFromTheMarginOfThePrintableArea)
{
    // The PDF's printable area starts 5 mm in from the sheet's edge, and the left margin 10 mm
    // further in; the header's line starts 5 mm below the top of the printable area.
    ASSERT_EQ(Exe({"print", "--model", "5", New(5, "radio.dat"), "-o", File("radio.pdf")}).ExitCode, 0);
    const std::pair<int, std::vector<std::pair<std::string, double>>> pages[] = {
        {1, {{"MV230", 0}, {"USA", 50}, {"INTL", 80}, {"Canada", 110}, {"LMR", 140}, {"3Sec", 50}}},
        {2,
         {{"MV230", 0}, {"RX(MHz)", 12}, {"TX(MHz)", 29}, {"LOW", 54}, {"DUP", 71}, {"MEM", 80}, {"VS", 89}}},
        {6, {{"CHD", 8}, {"ENABLE", 18}, {"W/N", 147}, {"RXT", 154}, {"CMP", 169}, {"TXT", 176}}},
    };
    for (const auto& [page, words] : pages) {
        SCOPED_TRACE(page);
        const auto positions = WordPositions(File("radio.pdf"), page);
        for (const auto& [text, mm] : words) {
            ASSERT_TRUE(positions.contains(text)) << text;
            EXPECT_NEAR(positions.at(text).first, 5 + 10 + mm, 0.5) << text;
        }
        EXPECT_NEAR(positions.at("MV230").second, 5 + 5, 0.5);
    }
}

TEST_F(CliPrint, TheDestinationNamesTheDocumentAndAFailedWriteLeavesNoFile)
{
    const fs::path data = New(5, "intl.dat");
    CliResult result = Exe({"print", "--model", "5", "--destination", "INTL", data, "-o", File("intl.pdf")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_THAT(Output("pdfinfo '" + File("intl.pdf").string() + "'"), HasSubstr("MV230 Harborline (INTL)"));

    result = Exe({"print", "--model", "5", data, "-o", File("no such folder/x.pdf")});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("x.pdf: "));
    EXPECT_FALSE(fs::exists(File("no such folder")));
    EXPECT_EQ(Exe({"print", "--model", "5", data, "-o", File("x.txt")}).ExitCode, 2);
    EXPECT_EQ(Exe({"print", "--model", "5", data}).ExitCode, 2);
    EXPECT_FALSE(fs::exists(File("x.txt")));
}

}  // namespace
}  // namespace kelpie::test
