// PrintCommands.cpp — the printer, preview and PDF destinations of the one page painter.
#include "printing/PrintCommands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSaveFile>

#include <cerrno>

#include "files/FileAccess.h"
#include "printing/ListingPainter.h"

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

// A PDF has no unprintable edge; this one takes the one a printer typically has, so that the
// pages look as they do from the printer and print unclipped later.
constexpr double kPdfEdgeMm = 5.0;

// The wait cursor for as long as the pages are being painted.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Positions are taken from the printable area of the sheet, as the printer itself counts them.
bool PaintOnPrinter(QPrinter& printer, const RadioData& data, const ShellState& shell,
                    const std::string& destination)
{
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    printer.setDocName(QString::fromStdString(ListingTitle(shell, destination)));
    return PaintListing(printer, BuildPrintedListing(data, shell.ModelName));
}

}  // namespace

std::string ListingTitle(const ShellState& shell, const std::string& destination)
{
    const std::string header = PrintHeader(shell.ModelName);
    return destination.empty() ? header : header + " (" + destination + ")";
}

PrintResult PrintListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                         QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    if (dialog.exec() != QDialog::Accepted) {
        return PrintResult::Cancelled;
    }
    const WaitCursor wait;
    return PaintOnPrinter(printer, data, shell, destination) ? PrintResult::Printed : PrintResult::Failed;
}

void PreviewListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                    QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QString::fromStdString(ListingTitle(shell, destination)));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        const WaitCursor wait;
        PaintOnPrinter(*target, data, shell, destination);
    });
    preview.exec();
}

void ExportListingPdf(const RadioData& data, const ShellState& shell, const std::string& destination,
                      const std::filesystem::path& file)
{
    QSaveFile out(QString::fromStdString(file.string()));
    if (!out.open(QIODevice::WriteOnly)) {
        throw FileError(EIO, out.errorString().toStdString());
    }
    {
        QPdfWriter writer(&out);
        writer.setTitle(QString::fromStdString(ListingTitle(shell, destination)));
        writer.setCreator(u"Kelpie"_s);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm),
                                         QPageLayout::Millimeter));
        if (!PaintListing(writer, BuildPrintedListing(data, shell.ModelName))) {
            out.cancelWriting();
            throw FileError(
                EIO, QCoreApplication::translate("kelpie::PrintCommands", "the PDF could not be written")
                         .toStdString());
        }
    }
    if (!out.commit()) {
        throw FileError(EIO, out.errorString().toStdString());
    }
}

}  // namespace kelpie
