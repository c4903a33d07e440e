// RecordTextTests.cpp — a record's Windows-1252 byte shows as its letter in every view of the records.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <cstdio>
#include <memory>

#include "app/frmCompare.h"
#include "app/frmPrn.h"
#include "editor/PageEditor.h"
#include "printing/PrintCommands.h"
#include "report/Compare.h"
#include "support/Fakes.h"
#include "support/QtSupport.h"
#include "support/ResetData.h"

using namespace Qt::StringLiterals;

namespace kelpie {
namespace {

// The printed listing's text as pdftotext reads it out of the exported PDF.
QString PrintedText(const RadioData& data, const QString& pdf)
{
    EXPECT_TRUE(ExportListingPdf(data, ShellState{}, "", pdf.toStdString()).IsDone());
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(
        popen(("pdftotext '" + pdf.toStdString() + "' -").c_str(), "r"), pclose);
    QByteArray text;
    char buffer[4096];
    while (pipe && !feof(pipe.get()))
        text.append(buffer, static_cast<qsizetype>(fread(buffer, 1, sizeof buffer, pipe.get())));
    return QString::fromUtf8(text);
}

TEST(RecordText, ANameHoldingByteE9ShowsEAcuteInTheGridTheTreeThePageTheListingsAndTheCompare)
{
    RadioData data = ResetData(5);
    data.UsaChannels[32].ChTag = "CAF\xE9";  // USA 16
    data.UsableGroups[kGroupUsa].StatusName = "\xE9T\xE9";
    ShellState shell;

    PageEditor editor(data, shell);
    editor.show();
    editor.BuildPageTree();
    editor.RefreshGroupCaptions();
    auto* tree = editor.findChild<QTreeWidget*>("tvTreeView");
    EXPECT_EQ(test::TreeNode(*tree, "PU")->text(0).toStdString(), "USA(\u00E9T\u00E9)");

    editor.SelectNodeByKey("PU");
    const QList<QTableWidgetItem*> cells =
        editor.findChild<QTableWidget*>("MSFlexGrid1")->findItems(u"CAF\u00E9"_s, Qt::MatchExactly);
    EXPECT_EQ(cells.size(), 1);

    editor.SelectNodeByKey("PU 32");
    EXPECT_EQ(editor.findChild<QLineEdit*>("txtCTag")->text().toStdString(), "CAF\u00E9");

    MemorySettingsStore settings;
    FileFolders folders(settings);
    frmPrn listing(data, shell, folders, false, nullptr);
    auto* text = listing.findChild<QPlainTextEdit*>("txtPrn");
    test::WaitUntil([text] { return !text->toPlainText().startsWith("Now, making"); },
                    "the listing replaces the wait text");
    EXPECT_TRUE(text->toPlainText().contains(u"CAF\u00E9"_s));
    EXPECT_TRUE(text->toPlainText().contains(u"\u00E9T\u00E9"_s));

    frmCompare compare(CompareData(data, ResetData(5)), {u"radio.dat"_s, false}, nullptr);
    EXPECT_FALSE(compare.findChild<QTreeWidget*>("tvDifferences")
                     ->findItems(u"\u00E9T\u00E9"_s, Qt::MatchContains, 1)
                     .isEmpty());

    const QTemporaryDir folder;
    const QString printed = PrintedText(data, folder.filePath("listing.pdf"));
    EXPECT_TRUE(printed.contains(u"CAF\u00E9"_s)) << printed.toStdString();
    EXPECT_TRUE(printed.contains(u"\u00E9T\u00E9"_s));
}

}  // namespace
}  // namespace kelpie
