// ListingPainter.h — draws the printed listing on any paged device: a printer, a PDF writer, the
// printer of a print preview.
#pragma once

#include <vector>

#include "report/PrintedListing.h"

class QPagedPaintDevice;

namespace kelpie {

// Paints the pages in order, each from a new sheet. False when the device cannot be painted on or
// reports an error at the end (a printer that failed, a file that could not be written).
bool PaintListing(QPagedPaintDevice& device, const std::vector<PrintPage>& pages);

}  // namespace kelpie
