// PageLayout.cpp — the sheets and heights of the printed listing's lines.
#include "printing/PageLayout.h"

namespace kelpie {

std::vector<PlacedLine> PlaceLines(const std::vector<PrintPage>& pages, double lineMm, double sheetHeightMm)
{
    std::vector<PlacedLine> placed;
    int sheet = -1;
    for (const PrintPage& page : pages) {
        ++sheet;
        double top = kPrintHeaderTopMm;
        for (const PrintLine& line : page.Lines) {
            if (top + lineMm > sheetHeightMm && top > kPrintHeaderTopMm) {
                ++sheet;
                top = kPrintHeaderTopMm;
            }
            placed.push_back({&line, sheet, top});
            top += lineMm;
        }
    }
    return placed;
}

}  // namespace kelpie
