// kelpie-cli print: the printed listing's pages as a PDF, read back through pdftotext. What each
// page lists the report pins; here the pages reach the sheets, each text at its place.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>

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

// Each page of the PDF as where each of its words first stands: its left edge and its top, in mm
// from the sheet's edges.
std::vector<std::map<std::string, std::pair<double, double>>> PdfWords(const fs::path& pdf)
{
    constexpr double kMmPerPoint = 25.4 / 72;
    const std::string text = Output("pdftotext -bbox '" + pdf.string() + "' -");
    static const std::regex item(R"re(<page |<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<std::map<std::string, std::pair<double, double>>> pages;
    for (std::sregex_iterator at(text.begin(), text.end(), item), end; at != end; ++at) {
        if (!(*at)[3].matched) {
            pages.emplace_back();
        } else if (!pages.empty()) {
            pages.back().try_emplace((*at)[3], std::stod((*at)[1]) * kMmPerPoint,
                                     std::stod((*at)[2]) * kMmPerPoint);
        }
    }
    return pages;
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

// The destination names the document; a write that fails leaves no file.
TEST_F(CliPrint, SixPagesEachTextAtItsMillimetresFromTheMarginOfThePrintableArea)
{
    const fs::path data = New(5, "intl.dat");
    CliResult result = Exe({"print", "--model", "5", "--destination", "INTL", data, "-o", File("intl.pdf")});
    ASSERT_EQ(result.ExitCode, 0) << result.Err;
    EXPECT_THAT(Output("pdfinfo '" + File("intl.pdf").string() + "'"), HasSubstr("MV230 Harborline (INTL)"));
    // The PDF's printable area starts 5 mm in from the sheet's edge, and the left margin 10 mm
    // further in; the header's line starts 5 mm below the top of the printable area.
    const std::vector<std::vector<std::pair<std::string, double>>> pageWords = {
        {{"USA", 50}, {"INTL", 80}, {"Canada", 110}, {"LMR", 140}, {"3Sec", 50}},
        {{"RX(MHz)", 12}, {"TX(MHz)", 29}, {"LOW", 54}, {"DUP", 71}, {"MEM", 80}, {"DISTRESS", 97}},
        {{"International", -1}},
        {{"Canada", -1}},
        {{"163.275MHZ", -1}},
        {{"CHD", 8}, {"ENABLE", 18}, {"W/N", 147}, {"RXT", 154}, {"CMP", 169}, {"TXT", 176}},
    };
    const auto pages = PdfWords(File("intl.pdf"));
    ASSERT_EQ(pages.size(), pageWords.size());
    for (std::size_t p = 0; p < pages.size(); ++p) {
        SCOPED_TRACE(p + 1);
        ASSERT_TRUE(pages[p].contains("MV230"));
        EXPECT_NEAR(pages[p].at("MV230").first, 5 + 10, 0.5);
        EXPECT_NEAR(pages[p].at("MV230").second, 5 + 5, 0.5);
        for (const auto& [text, mm] : pageWords[p]) {
            ASSERT_TRUE(pages[p].contains(text)) << text;
            if (mm >= 0) {
                EXPECT_NEAR(pages[p].at(text).first, 5 + 10 + mm, 0.5) << text;
            }
        }
    }

    result = Exe({"print", "--model", "5", data, "-o", File("no such folder/x.pdf")});
    EXPECT_EQ(result.ExitCode, 1);
    EXPECT_THAT(result.Err, HasSubstr("x.pdf: "));
    EXPECT_FALSE(fs::exists(File("no such folder")));
    EXPECT_EQ(Exe({"print", "--model", "5", data, "-o", File("x.txt")}).ExitCode, 2);
    EXPECT_FALSE(fs::exists(File("x.txt")));
}

}  // namespace
}  // namespace kelpie::test
