#include "printing/PrintCommands.h"

#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <fstream>

#include "files/FileAccess.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"
#include "support/TempFolder.h"

namespace kelpie {
namespace {

namespace fs = std::filesystem;

TEST(PrintCommands, ThePrintDialogOffersNoSelectionAndNoFileAndItsCancelPrintsNothing)
{
    bool selection = true;
    bool toFile = true;
    {
        const test::ModalDriver print("QPrintDialog", [&](QWidget& dialog) {
            selection = static_cast<QPrintDialog&>(dialog).testOption(QAbstractPrintDialog::PrintSelection);
            toFile = static_cast<QPrintDialog&>(dialog).testOption(QAbstractPrintDialog::PrintToFile);
        });
        EXPECT_EQ(PrintListing(ResetData(5), ShellState{}, "USA", nullptr).Kind, OutcomeKind::Cancelled);
    }
    EXPECT_FALSE(selection);
    EXPECT_FALSE(toFile);
}

TEST(PrintCommands, PreviewShowsTheSixPagesAndAFullBankRunsOnToMoreSheets)
{
    const auto pagesShown = [](const RadioData& data) {
        int pages = 0;
        const test::ModalDriver preview("QPrintPreviewDialog", [&](QWidget& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), "MV230 Harborline (INTL)");
            auto* widget = test::Child<QPrintPreviewWidget>(dialog, {});
            test::WaitUntil([&] { return (pages = widget->pageCount()) > 0; }, "the preview has its pages");
        });
        PreviewListing(data, ShellState{}, "INTL", nullptr);
        return pages;
    };
    RadioData data = ResetData(5);
    EXPECT_EQ(pagesShown(data), 6);
    // 240 channels at about 3 mm a line take three sheets of A4 or Letter.
    for (ChannelRecord& ch : data.UsaChannels) {
        ch.Enable = true;
    }
    EXPECT_EQ(pagesShown(data), 8);
}

// The export saves as the data file does: through a symbolic link into the file it names, with no
// temporary file left beside it, and never over a read-only file.
TEST(PrintCommands, ExportReplacesAPdfWholeThroughALinkOrLeavesAReadOnlyOneAlone)
{
    const TempFolder folder;
    const fs::path pdf = folder / "listing.pdf";
    const fs::path link = folder / "link.pdf";
    std::ofstream(pdf) << "an older file";
    fs::create_symlink(pdf, link);
    EXPECT_TRUE(ExportListingPdf(ResetData(0), ShellState{}, "", link).IsDone());
    EXPECT_TRUE(fs::is_symlink(link));
    const std::vector<std::uint8_t> bytes = ReadWholeFile(pdf);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path), {}), 2);

    fs::permissions(pdf, fs::perms::owner_read);
    const Outcome failed = ExportListingPdf(ResetData(0), ShellState{}, "", link);
    EXPECT_EQ(failed.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(failed.Message.starts_with("FileSave Error!!\r\n")) << failed.Message;
    EXPECT_EQ(ReadWholeFile(pdf), bytes);
}

}  // namespace
}  // namespace kelpie
