#include "printing/PrintCommands.h"

#include <gtest/gtest.h>

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include "files/FileAccess.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"
#include "support/TempFolder.h"

namespace kelpie {
namespace {

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

// The export saves as the data file does (how that save treats links and read-only files is pinned
// with it): the whole PDF, or a failure that names the save and leaves no file.
TEST(PrintCommands, ExportWritesTheWholePdfOrFailsLeavingNoFile)
{
    const TempFolder folder;
    ASSERT_TRUE(ExportListingPdf(ResetData(0), ShellState{}, "", folder / "listing.pdf").IsDone());
    const std::vector<std::uint8_t> bytes = ReadWholeFile(folder / "listing.pdf");
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
    const Outcome failed =
        ExportListingPdf(ResetData(0), ShellState{}, "", folder / "missing" / "listing.pdf");
    EXPECT_EQ(failed.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(failed.Message.starts_with("FileSave Error!!\r\n")) << failed.Message;
    EXPECT_FALSE(std::filesystem::exists(folder / "missing"));
}

}  // namespace
}  // namespace kelpie
