// PrintedListing.h — the printed listing's six pages as lines of texts at millimetre positions:
// the settings page and the USA, International, Canada, weather and bank E channel pages.
#pragma once

#include <string>
#include <vector>

#include "model/RadioData.h"

namespace kelpie {

// Every horizontal position is taken from this left margin.
constexpr double kPrintLeftMarginMm = 10.0;
// The header line stands this far below the top of the page (283.5 twips).
constexpr double kPrintHeaderTopMm = 5.0;

// One text of a line, its left edge at Mm from the left margin.
struct PrintCell
{
    std::string Text;
    double Mm = 0.0;

    bool operator==(const PrintCell&) const = default;
};

// A line of cells; a line without cells is an empty line.
using PrintLine = std::vector<PrintCell>;

// A page's lines from its header on; a page that runs full continues on the next sheet.
struct PrintPage
{
    std::vector<PrintLine> Lines;
};

// The header of every page: the model name followed by " Harborline".
std::string PrintHeader(const std::string& modelName);

// The six pages for data.ModelIndex. The printed listing leaves the DSC settings, the call signs
// and the directories out and follows the text listing's rules for the columns of each model. The
// records are not changed: bank E frequencies off the rasters are shown corrected, as the text
// listing shows them.
std::vector<PrintPage> BuildPrintedListing(const RadioData& data, const std::string& modelName);

}  // namespace kelpie
