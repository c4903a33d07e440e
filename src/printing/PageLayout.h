// PageLayout.h — where the printed listing's lines fall on the sheets.
#pragma once

#include <vector>

#include "report/PrintedListing.h"

namespace kelpie {

// One line on its sheet: the sheet's number from 0 and the top of the line in mm from the top of
// the printable area.
struct PlacedLine
{
    const PrintLine* Line;
    int Sheet;
    double TopMm;
};

// Each page starts on a new sheet with its header at kPrintHeaderTopMm; lines follow lineMm apart.
// A line that would pass the bottom of the sheet goes to the next one, at the header's height: the
// only break inside a page, as a printer's own page advance makes it.
std::vector<PlacedLine> PlaceLines(const std::vector<PrintPage>& pages, double lineMm, double sheetHeightMm);

}  // namespace kelpie
