// PrintCommands.h — what the main window's File menu calls for the printed listing: Print (the
// print dialog, then the printer), Print Preview, and Export PDF; kelpie-cli print writes the PDF.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "model/Outcome.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

class QPrinter;
class QWidget;

namespace kelpie {

// The document's name in the print queue and the PDF's title: the page header, and the
// destination in brackets when one is given.
std::string ListingTitle(const ShellState& shell, const std::string& destination);

// The print command once the page on show has accepted its input: the print dialog without the
// selection and print-to-file options, then the six pages under the wait cursor. The records are
// not changed. Cancelled when the dialog was cancelled; failed, saying so, when the printer could
// not be opened or failed while printing.
Outcome PrintListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                     QWidget* parent);

// The same pages in a print preview window, from which the user may print them.
void PreviewListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                    QWidget* parent);

// Tests stand in for the print dialog: the function is given the printer and says whether Print
// was pressed. An empty function brings the dialog back.
void SetPrintDialogStandIn(std::function<bool(QPrinter&)> standIn);

// The same pages as a PDF on A4. The file is replaced only once the whole document is written;
// failed, with the reason, when it cannot be. Done names the file.
Outcome ExportListingPdf(const RadioData& data, const ShellState& shell, const std::string& destination,
                         const std::filesystem::path& file);

}  // namespace kelpie
