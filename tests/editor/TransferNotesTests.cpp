// TransferNotesTests.cpp — the directory pages and the call-sign sheet say on the page what a
// transfer does with their entries.
#include <gtest/gtest.h>

#include <QLabel>
#include <QTabBar>

#include "editor/PageEditor.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

TEST(TransferNotes, EachDirectoryPageAndTheCallSignSheetSayWhatATransferDoesWithTheirEntries)
{
    RadioData data = ResetData(0);
    ShellState shell;
    PageEditor editor(data, shell);
    editor.resize(607, 400);
    editor.show();
    editor.BuildPageTree();

    const auto shown = [&](const char* name) {
        auto* label = editor.findChild<QLabel*>(name);
        EXPECT_NE(label, nullptr) << name;
        return label && label->isVisible() ? label->text() : QString();
    };
    editor.SelectNodeByKey("SM 1");
    EXPECT_EQ(shown("lblTransferNote"),
              "Read from the radio; Kelpie does not write the directory to the radio "
              "\u2014 enter new entries on the radio.");
    editor.SelectNodeByKey("SG 3");
    EXPECT_EQ(shown("lblTransferNote"),
              "Not read from the radio and not written to it: kept in the data file only.");

    editor.SelectNodeByKey("ATIS");
    auto* sheets = editor.findChild<QTabBar*>("tbsATIS");
    ASSERT_NE(sheets, nullptr);
    sheets->setCurrentIndex(1);
    EXPECT_EQ(shown("lblCallSignNote"),
              "Read from the radio; Kelpie does not write the call signs to the radio "
              "\u2014 enter new ones on the radio.");
}

}  // namespace
}  // namespace kelpie
