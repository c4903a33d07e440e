// PrintCommands.h — what the main window's File menu calls for the printed listing: Print (the
// print dialog, then the printer), Print Preview, and Export PDF; kelpie-cli print writes the PDF.
#pragma once

#include <filesystem>
#include <string>

#include "model/RadioData.h"
#include "model/ShellState.h"

class QWidget;

namespace kelpie {

enum class PrintResult {
    Printed,
    Cancelled,  // the print dialog was cancelled: nothing printed
    Failed      // the printer could not be opened or failed while printing
};

// The document's name in the print queue and the PDF's title: the page header, and the
// destination in brackets when one is given.
std::string ListingTitle(const ShellState& shell, const std::string& destination);

// The print command once the page on show has accepted its input: the print dialog without the
// selection and print-to-file options, then the six pages under the wait cursor. The records are
// not changed.
PrintResult PrintListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                         QWidget* parent);

// The same pages in a print preview window, from which the user may print them.
void PreviewListing(const RadioData& data, const ShellState& shell, const std::string& destination,
                    QWidget* parent);

// The same pages as a PDF on A4. The file is replaced only once the whole document is written;
// throws FileError when it cannot be.
void ExportListingPdf(const RadioData& data, const ShellState& shell, const std::string& destination,
                      const std::filesystem::path& file);

}  // namespace kelpie
