// ListingPainter.cpp — texts placed at their millimetres, one font, one line height.
#include "printing/ListingPainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include "model/Text.h"
#include "printing/PageLayout.h"

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

constexpr double kMmPerInch = 25.4;
// Small enough for the narrowest columns ("MEM" in 7 mm) and a twelve-letter channel name in
// 22 mm to keep clear of the next column.
constexpr int kPointSize = 7;

}  // namespace

bool PaintListing(QPagedPaintDevice& device, const std::vector<PrintPage>& pages)
{
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    QFont font(u"Sans Serif"_s, kPointSize);
    // No ligatures: "Off" stays three letters for whoever searches or copies the PDF's text.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const double dotsPerMmX = device.logicalDpiX() / kMmPerInch;
    const double dotsPerMmY = device.logicalDpiY() / kMmPerInch;

    int sheet = 0;
    for (const PlacedLine& placed :
         PlaceLines(pages, metrics.lineSpacing() / dotsPerMmY, device.height() / dotsPerMmY)) {
        if (placed.Sheet != sheet) {
            if (!device.newPage()) {
                painter.end();
                return false;
            }
            sheet = placed.Sheet;
        }
        const double baseline = placed.TopMm * dotsPerMmY + metrics.ascent();
        for (const PrintCell& cell : *placed.Line) {
            painter.drawText(QPointF((kPrintLeftMarginMm + cell.Mm) * dotsPerMmX, baseline),
                             QString::fromStdString(Utf8FromWindows1252(cell.Text)));
        }
    }
    return painter.end();
}

}  // namespace kelpie
