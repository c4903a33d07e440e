#include "printing/PrintCommands.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <fstream>
#include <functional>

#include "files/FileAccess.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

namespace fs = std::filesystem;

// Calls `act` on the modal window of type W every 10 ms until it returns true, then closes the
// window; one not done within five seconds is closed all the same, so that the test fails instead
// of waiting for ever.
template <typename W>
void WithModal(std::function<bool(W&)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act, tries = 0]() mutable {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (window && (act(*window) || ++tries > 500)) {
            poll->deleteLater();
            window->reject();
        }
    });
    poll->start(10);
}

TEST(PrintCommands, ThePrintDialogOffersNoSelectionAndNoFileAndItsCancelPrintsNothing)
{
    bool selection = true;
    bool toFile = true;
    WithModal<QPrintDialog>([&](QPrintDialog& dialog) {
        selection = dialog.testOption(QAbstractPrintDialog::PrintSelection);
        toFile = dialog.testOption(QAbstractPrintDialog::PrintToFile);
        return true;
    });
    EXPECT_EQ(PrintListing(ResetData(5), ShellState{}, "USA", nullptr).Kind, OutcomeKind::Cancelled);
    EXPECT_FALSE(selection);
    EXPECT_FALSE(toFile);
}

TEST(PrintCommands, PreviewShowsTheSixPagesAndAFullBankRunsOnToMoreSheets)
{
    const auto pagesShown = [](const RadioData& data) {
        int pages = 0;
        WithModal<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
            EXPECT_EQ(preview.windowTitle().toStdString(), "MV230 Harborline (INTL)");
            pages = preview.findChild<QPrintPreviewWidget*>()->pageCount();
            return pages > 0;
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

TEST(PrintCommands, ExportReplacesAPdfWholeOrLeavesItAlone)
{
    const fs::path folder = fs::temp_directory_path() / ("kelpie-printing-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path pdf = folder / "listing.pdf";
    std::ofstream(pdf) << "an older file";
    EXPECT_TRUE(ExportListingPdf(ResetData(0), ShellState{}, "", pdf).IsDone());
    const std::vector<std::uint8_t> bytes = ReadWholeFile(pdf);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), pdf);  // no temporary file left beside it

    const Outcome failed = ExportListingPdf(ResetData(0), ShellState{}, "", folder / "missing" / "x.pdf");
    EXPECT_EQ(failed.Kind, OutcomeKind::Failed);
    EXPECT_TRUE(failed.Message.starts_with("FileSave Error!!\r\n")) << failed.Message;
    EXPECT_FALSE(fs::exists(folder / "missing"));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace kelpie

// The windows need an application, made once before the tests and ended after them.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
