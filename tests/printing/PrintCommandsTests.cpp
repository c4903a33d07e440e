#include "printing/PrintCommands.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>

#include "files/FileAccess.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

namespace fs = std::filesystem;

class PrintCommands : public ::testing::Test
{
protected:
    // Runs `act` on the modal window of type W once it is up and has done what `ready` waits for;
    // a window that is not ready within five seconds is closed as it is, so that the test fails
    // instead of waiting for ever.
    template <typename W>
    static void WhenShown(std::function<bool(W&)> ready, std::function<void(W&)> act)
    {
        auto* poll = new QTimer;
        auto tries = std::make_shared<int>(0);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, tries, ready, act] {
            auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
            if (window && ready(*window)) {
                poll->deleteLater();
                act(*window);
            } else if (window && ++*tries > 500) {
                poll->deleteLater();
                window->reject();
            }
        });
        poll->start(10);
    }

    ShellState m_shell;
};

TEST_F(PrintCommands, ThePrintDialogOffersNoSelectionAndNoFileAndItsCancelPrintsNothing)
{
    bool selection = true;
    bool toFile = true;
    WhenShown<QPrintDialog>([](QPrintDialog&) { return true; },
                            [&](QPrintDialog& dialog) {
                                selection = dialog.testOption(QAbstractPrintDialog::PrintSelection);
                                toFile = dialog.testOption(QAbstractPrintDialog::PrintToFile);
                                dialog.reject();
                            });
    EXPECT_EQ(PrintListing(ResetData(5), m_shell, "USA", nullptr), PrintResult::Cancelled);
    EXPECT_FALSE(selection);
    EXPECT_FALSE(toFile);
}

TEST_F(PrintCommands, PreviewShowsTheSixPagesAndAFullBankRunsOnToMoreSheets)
{
    const auto pagesShown = [&](const RadioData& data) {
        int pages = 0;
        QString title;
        WhenShown<QPrintPreviewDialog>(
            [](QPrintPreviewDialog& preview) {
                return preview.findChild<QPrintPreviewWidget*>()->pageCount() > 0;
            },
            [&](QPrintPreviewDialog& preview) {
                pages = preview.findChild<QPrintPreviewWidget*>()->pageCount();
                title = preview.windowTitle();
                preview.reject();
            });
        PreviewListing(data, m_shell, "INTL", nullptr);
        EXPECT_EQ(title.toStdString(), "MV230 Harborline (INTL)");
        return pages;
    };
    RadioData data = ResetData(5);
    EXPECT_EQ(pagesShown(data), 6);
    // 240 channels at about 3 mm a line need three sheets of A4 or Letter.
    for (ChannelRecord& ch : data.UsaChannels) {
        ch.Enable = true;
    }
    EXPECT_EQ(pagesShown(data), 8);
}

TEST_F(PrintCommands, ExportReplacesAPdfWholeOrLeavesItAlone)
{
    const fs::path folder = fs::temp_directory_path() / "kelpie-printing-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path pdf = folder / "listing.pdf";
    std::ofstream(pdf) << "an older file";
    ExportListingPdf(ResetData(0), m_shell, "", pdf);
    const std::vector<std::uint8_t> bytes = ReadWholeFile(pdf);
    ASSERT_GT(bytes.size(), 1000u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "%PDF-");
    EXPECT_EQ(fs::directory_iterator(folder)->path(), pdf);  // no temporary file left beside it

    EXPECT_THROW(ExportListingPdf(ResetData(0), m_shell, "", folder / "missing" / "x.pdf"), FileError);
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
