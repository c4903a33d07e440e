// Channel rows in the window: copy and paste of LMR rows with the standard keys, and an import
// refused with its report.
#include <QClipboard>
#include <QMimeData>
#include <QTableWidget>

#include <fstream>

#include "AppTestSupport.h"
#include "edit/ChannelEdit.h"

namespace kelpie {
namespace {

using namespace Qt::StringLiterals;

using AppChannelRows = AppTest;

void SelectRows(QTableWidget* grid, std::initializer_list<int> rows)
{
    grid->clearSelection();
    for (const int row : rows) {
        grid->selectionModel()->select(grid->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

TEST_F(AppChannelRows, ThreeLmrRowsCopiedWithTheKeysPasteIntoThreeOthers)
{
    frmMain& window = Start();
    RadioData& data = window.Data();
    for (int n = 0; n < 3; ++n) {
        ChannelRecord& record = data.ExpChannels[static_cast<std::size_t>(n)];
        record.Enable = true;
        record.Rxfreq = 150.0 + n;
        record.Txfreq = 151.0;
        record.CHDisplayL = "0" + std::to_string(n + 1);
        record.ChTag = "CREW " + std::to_string(n);
        record.RxCTCSS = static_cast<std::int16_t>(5 + n);
    }
    window.Editor().SelectNodeByKey(u"ExpChannel"_s);
    auto* grid = test::Child<QTableWidget>(window, u"MSFlexGrid1"_s);
    grid->setFocus();
    SelectRows(grid, {0, 1, 2});
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith(u"CH\tENABLE\tDISP\tRX[MHz]"_s)) << copied->text().toStdString();
    EXPECT_TRUE(copied->hasFormat(u"text/csv"_s));

    SelectRows(grid, {20, 21, 22});
    QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
    for (int n = 0; n < 3; ++n) {
        const ChannelRecord& pasted = data.ExpChannels[static_cast<std::size_t>(20 + n)];
        EXPECT_EQ(pasted, data.ExpChannels[static_cast<std::size_t>(n)]) << n;
        EXPECT_EQ(grid->item(20 + n, 9)->text().toStdString(), pasted.ChTag);
    }
    EXPECT_TRUE(window.Shell().DataChanged);
    EXPECT_TRUE(Dialogs::Shown().empty());
}

TEST_F(AppChannelRows, AnImportWithABadRowIsRefusedWithItsReport)
{
    frmMain& window = Start();
    window.Editor().SelectNodeByKey(u"ExpChannel"_s);
    const RadioData before = window.Data();
    const std::filesystem::path csv = Files / "lmr.csv";
    std::ofstream(csv, std::ios::binary) << "Location,Name,Frequency\r\n1,GOOD,156.05\r\n2,FAR,190\r\n";
    Dialogs::AnswerNext(MessageAnswer::Yes);  // at their locations
    Dialogs::AnswerNext(MessageAnswer::No);   // the refused row is not skipped
    TriggerWith(u"mnuFileImportChannels"_s, csv);
    // The texts are the import's own, pinned with it; here the refusal and the report reach the screen.
    ASSERT_EQ(Dialogs::Shown().size(), 3u);
    EXPECT_TRUE(ShownTexts()[1].startsWith(u"Line 3: LMR2 refused"_s));
    EXPECT_TRUE(ShownTexts()[2].startsWith(u"Import Channels: nothing changed."_s))
        << ShownTexts()[2].toStdString();
    EXPECT_TRUE(window.Data() == before);
    EXPECT_FALSE(window.Shell().DataChanged);
}

}  // namespace
}  // namespace kelpie
