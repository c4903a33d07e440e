// How the main window shows a command's outcome: the values a load did not take, a print that
// failed, and a failed verify under the verify's own title.
#include <QPrinter>

#include "AppTestSupport.h"
#include "files/FileTestSupport.h"
#include "printing/PrintCommands.h"

namespace kelpie {
namespace {

using AppOutcome = AppTest;

constexpr const char* kNotTaken =
    "odd.dat: values not taken (their fields keep the values they had):\n"
    "  [Usable CH Group Setup] Priority CH 0=99999";

TEST_F(AppOutcome, OpenAndCompareWithNameTheValuesTheFileDidNotTake)
{
    const std::filesystem::path odd = Files / "odd.dat";
    WriteFileText(odd, DataFileWith(5, {{"Priority CH 0", "99999"}}));
    frmMain& window = Start();

    TriggerWith("mnuFileOpen", odd);
    EXPECT_EQ(window.Shell().CurrentFileName, odd.string());
    EXPECT_EQ(ShownTexts(), QStringList{kNotTaken});
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(Dialogs::Shown()[0].title.toStdString(), "PC Program for MV230");

    TriggerWith("mnuFileCompare", odd);
    EXPECT_NE(CompareWindow(), nullptr);
    EXPECT_EQ(ShownTexts(), (QStringList{kNotTaken, kNotTaken}));
}

TEST_F(AppOutcome, PrintWithoutAPrinterSaysSoAndACancelledPrintSaysNothing)
{
    Start();
    // A printer that cannot begin: its output goes to a folder that does not exist.
    SetPrintDialogStandIn([this](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Name(Files / "missing" / "listing.pdf"));
        return true;
    });
    Action("mnuFilePrint")->trigger();
    ASSERT_EQ(Dialogs::Shown().size(), 1u);
    EXPECT_EQ(ShownTexts()[0],
              "The listing was not printed: the printer could not be opened or failed while printing.");
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Critical);

    SetPrintDialogStandIn([](QPrinter&) { return false; });
    Action("Print")->trigger();
    EXPECT_EQ(Dialogs::Shown().size(), 1u);
    SetPrintDialogStandIn({});
}

// A radio that stops answering part-way through the verify's read.
class AppVerifyFails : public AppWithRadio
{
protected:
    AppVerifyFails() : AppWithRadio(5, SimulatorFaults{.HangUpBlock = 40}) { RadioHolds(ResetData(5)); }
};

TEST_F(AppVerifyFails, TheCommunicationErrorIsTitledWithTheVerify)
{
    frmMain& window = StartWithRadio();
    // OK starts the run, which fails and leaves the dialog open; the driver then closes it.
    Pressing("cmdOK", [&] { Action("mnuTransferVerify")->trigger(); });
    ASSERT_FALSE(Dialogs::Shown().empty());
    // What to check comes with the error.
    EXPECT_TRUE(Dialogs::Shown().back().text.startsWith("Communication Error!!\nCheck the cable, the port ("))
        << Dialogs::Shown().back().text.toStdString();
    EXPECT_EQ(Dialogs::Shown().back().title.toStdString(), "Verify Radio");
    EXPECT_EQ(CompareWindow(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(Program / "data" / "backups"));
    EXPECT_TRUE(window.isEnabled());
}

}  // namespace
}  // namespace kelpie
