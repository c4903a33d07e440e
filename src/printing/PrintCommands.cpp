// PrintCommands.cpp — the printer, preview and PDF destinations of the one page painter.
#include "printing/PrintCommands.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "files/FileAccess.h"
#include "printing/ListingPainter.h"

using namespace Qt::StringLiterals;

namespace kelpie {

namespace {

// A PDF has no unprintable edge; this one takes the one a printer typically has, so that the
// pages look as they do from the printer and print unclipped later.
constexpr double kPdfEdgeMm = 5.0;

std::function<bool(QPrinter&)>& PrintDialogStandIn()
{
    static std::function<bool(QPrinter&)> standIn;
    return standIn;
}

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

void SetPrintDialogStandIn(std::function<bool(QPrinter&)> standIn)
{
    PrintDialogStandIn() = std::move(standIn);
}

Outcome PrintListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                     QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    bool accepted = false;
    if (PrintDialogStandIn()) {
        accepted = PrintDialogStandIn()(printer);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) {
        return Outcome::Cancelled();
    }
    const WaitCursor wait;
    if (!PaintOnPrinter(printer, data, shell, destination)) {
        return Outcome::Failed(
            QObject::tr(
                "The listing was not printed: the printer could not be opened or failed while printing.")
                .toStdString());
    }
    return Outcome::Done();
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

Outcome ExportListingPdf(const RadioData& data, const ShellState& shell, const std::string& destination,
                         const std::filesystem::path& file)
{
    const auto failed = [](const QString& reason) {
        return Outcome::Failed(MessageWithReason("FileSave Error!!", reason.toStdString()));
    };
    // The whole document is made in memory and then saved as the data file is: a symbolic link
    // keeps its target, which receives the PDF; a read-only file is refused; a hard link sees it.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(QString::fromStdString(ListingTitle(shell, destination)));
        writer.setCreator(u"Kelpie"_s);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm, kPdfEdgeMm),
                                         QPageLayout::Millimeter));
        if (!PaintListing(writer, BuildPrintedListing(data, shell.ModelName))) {
            return failed(QObject::tr("the PDF could not be written"));
        }
    }
    try {
        WriteFileAtomically(file,
                            std::string_view(pdf.data().constData(), static_cast<std::size_t>(pdf.size())));
    } catch (const FileError& error) {
        return failed(QString::fromStdString(error.what()));
    }
    return Outcome::Done(
        QObject::tr("The listing was saved as %1").arg(QString::fromStdString(file.string())).toStdString());
}

}  // namespace kelpie
