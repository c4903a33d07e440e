// Channel lists as CSV: Kelpie CSV of every bank back onto the records, CHIRP rows landing in
// bank E, and rows refused by the channel page's rules with their line numbers.
#include <gtest/gtest.h>

#include "edit/ChannelCsv.h"
#include "edit/EditHistory.h"
#include "edit/Editing.h"
#include "edit/PageTree.h"
#include "model/Converters.h"
#include "model/Models.h"
#include "model/ValueTables.h"

namespace kelpie {
namespace {

constexpr ChannelRef kLmr1{kGroupBankE, 0};

// A model's reset data with channels set through the page: bank E channels 1..3 with frequencies,
// numbers, names, tones and widths, and USA channels with names, power and scan changed.
RadioData Varied(int model)
{
    Editing e(model);
    for (int n = 0; n < 3; ++n) {
        const ChannelRef ref{kGroupBankE, n};
        ChannelRecord& record = RecordOf(e.Data, ref);
        record.Enable = true;
        record.Rxfreq = 156.05 + n;
        record.Txfreq = n == 2 ? 0.0 : 160.6;
        record.CHDisplayL = "0" + std::to_string(n + 1);
        record.CHDisplayR = n == 1 ? "A" : "";
        EXPECT_TRUE(SetScanMemory(e.Ctx, ref, n != 1));
        SetTxOnly(e.Ctx, ref, n == 0);
        if (HasChannelNames(model)) {
            record.ChTag = "WORK, " + std::to_string(n);
        }
        if (HasLmrBank(model)) {
            EXPECT_TRUE(SetNarrow(e.Ctx, ref, n % 2));
            EXPECT_TRUE(SetCtcss(e.Ctx, ref, 0, 10 + n));
            EXPECT_TRUE(SetDcs(e.Ctx, ref, 1, n == 2 ? 110 : 5));
            EXPECT_EQ(SetRxComp(e.Ctx, ref, n == 0), n != 2);
            EXPECT_TRUE(SetScramble(e.Ctx, ref, 6));
        }
    }
    for (const int slot : {32, 44, 45}) {
        const ChannelRef ref{kGroupUsa, slot};
        SetChannelEnable(e.Ctx, ref, true);
        SetScanMemory(e.Ctx, ref, slot != 44);
        SetTxOnly(e.Ctx, ref, slot == 44);
        if (HasChannelNames(model)) {
            RecordOf(e.Data, ref).ChTag = "NAMED " + std::to_string(slot);
        }
    }
    return e.Data;
}

TEST(ChannelCsv, EveryBankOfEveryModelComesBackUnchangedAndCarriesItsChannelsToOtherData)
{
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData varied = Varied(model);
        for (int group = 0; group < kGroupCount; ++group) {
            SCOPED_TRACE(testing::Message() << "model " << model << " group " << group);
            const std::string text = ExportKelpieCsv(varied, group);

            Editing same(model);
            same.Data = varied;
            const ChannelImport back = CheckKelpieCsv(same.Data, group, text);
            EXPECT_TRUE(back.Error.empty()) << back.Error;
            EXPECT_FALSE(back.HasRefusedRows()) << RefusedRowsText(back);
            EXPECT_EQ(back.Rows.size(), BankOf(varied, group).size());
            EXPECT_FALSE(ApplyChannelImport(same.Ctx, back, false, "Import"));
            EXPECT_TRUE(same.Data == varied);
            EXPECT_FALSE(same.Shell.DataChanged);

            Editing fresh(model);
            const ChannelImport onto = CheckKelpieCsv(fresh.Data, group, text);
            EXPECT_FALSE(onto.HasRefusedRows()) << RefusedRowsText(onto);
            ApplyChannelImport(fresh.Ctx, onto, false, "Import");
            // What the grid shows of every channel arrives.
            EXPECT_EQ(ExportKelpieCsv(fresh.Data, group), text);
        }
    }
}

TEST(ChannelCsv, ChirpRowsLandInBankEByDuplexAndToneMode)
{
    Editing e(5);
    const std::string text =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment\r\n"
        "1,simplex,156.050000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,5.0W,\r\n"
        "2,plus,150.000000,+,4.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,NFM,12.50,S,1.0W,\r\n"
        "3,minus,160.000000,-,0.600000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,12.50,,5.0W,\r\n"
        "4,split,151.000000,split,162.000000,DTCS,88.5,88.5,754,NN,023,Tone->Tone,FM,12.50,,5.0W,\r\n"
        "5,listen only,162.550000,off,0.000000,TSQL-R,88.5,67.0,023,NN,023,Tone->Tone,FM,12.50,,5.0W,\r\n"
        "6,dcs rx,155.000000,,0.000000,DTCS-R,88.5,88.5,051,NN,023,Tone->Tone,FM,12.50,,5.0W,\r\n"
        "7,cross,155.500000,,0.000000,Cross,103.5,88.5,023,NN,114,Tone->DTCS,FM,12.50,,5.0W,\r\n"
        "8,a very long name,155.600000,,0.000000,Cross,88.5,88.5,125,NN,023,DTCS->,FM,12.50,,5.0W,\r\n";
    const ChannelImport checked = CheckChirpCsv(e.Data, text, ChirpPlacing::AtLocation);
    ASSERT_FALSE(checked.HasRefusedRows()) << ImportReport(checked);
    EXPECT_TRUE(ApplyChannelImport(e.Ctx, checked, false, "Import"));
    EXPECT_TRUE(e.Shell.DataChanged);
    // Duplex and offset give the TX frequency, the tone mode which of the tones and codes are kept.
    EXPECT_TRUE(
        ExportKelpieCsv(e.Data, kGroupBankE)
            .starts_with("CH,ENABLE,DISP,RX[MHz],TX[MHz],LOW,UP,MEM,VS,CH Name,W/N,RxTone,Comp,TxTone\r\n"
                         "1,[Enable],01  ,156.0500,156.0500,,,MEM,,SIMPLEX,,,,\r\n"
                         "2,[Enable],02  ,150.0000,154.6000,LOW,,,,PLUS,N,,,100.0Hz\r\n"
                         "3,[Enable],03  ,160.0000,159.4000,,,MEM,,MINUS,,123.0Hz,,123.0Hz\r\n"
                         "4,[Enable],04  ,151.0000,162.0000,,,MEM,,SPLIT,,N754,,N754\r\n"
                         "5,[Enable],05  ,162.5500,,,,MEM,,LISTEN ONLY,,67.0Hz,,\r\n"
                         "6,[Enable],06  ,155.0000,155.0000,,,MEM,,DCS RX,,N051,,\r\n"
                         "7,[Enable],07  ,155.5000,155.5000,,,MEM,,CROSS,,N114,,103.5Hz\r\n"
                         "8,[Enable],08  ,155.6000,155.6000,,,MEM,,A VERY LONG ,,,,N125\r\n"))
        << ExportKelpieCsv(e.Data, kGroupBankE);
    EXPECT_NE(ImportReport(checked).find("Line 9: LMR8 written; name cut to 12 characters"),
              std::string::npos)
        << ImportReport(checked);

    // Exported again, the same channels come back onto a fresh bank at their locations.
    Editing other(5);
    const ChannelImport again = CheckChirpCsv(other.Data, ExportChirpCsv(e.Data), ChirpPlacing::AtLocation);
    EXPECT_FALSE(again.HasRefusedRows()) << ImportReport(again);
    ApplyChannelImport(other.Ctx, again, false, "Import");
    EXPECT_EQ(ExportKelpieCsv(other.Data, kGroupBankE), ExportKelpieCsv(e.Data, kGroupBankE));
}

TEST(ChannelCsv, ChirpRowsTakeTheNextFreeChannelsWhenAsked)
{
    Editing e(5);
    const std::string text =
        "Location,Name,Frequency\r\n"
        "7,A,156.05\r\n"
        "7,B,156.10\r\n";
    const ChannelImport checked = CheckChirpCsv(e.Data, text, ChirpPlacing::NextFree);
    ASSERT_TRUE(ApplyChannelImport(e.Ctx, checked, false, "Import")) << ImportReport(checked);
    ASSERT_EQ(checked.Changes.size(), 2u);
    EXPECT_LT(checked.Changes[0].Ref.index, checked.Changes[1].Ref.index);
    EXPECT_EQ(RecordOf(e.Data, checked.Changes[0].Ref).ChTag, "A");
    EXPECT_EQ(RecordOf(e.Data, checked.Changes[1].Ref).ChTag, "B");
}

TEST(ChannelCsv, EachKindOfBadRowIsRefusedWithItsLineAndNothingChanges)
{
    const std::string header =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode\r\n"
        "1,GOOD,156.05,,0,,88.5,88.5,023,NN,023,,FM\r\n";
    // the row after the good one, and how it is refused
    const std::pair<const char*, const char*> bad[] = {
        {"2,OUT,180.0,,0,,88.5,88.5,023,NN,023,,FM",
         "LMR2 refused: RX[MHz]: \"180.0\" is outside 134.0000–174.0000 MHz"},
        {"2,TXOUT,156.0,+,30,,88.5,88.5,023,NN,023,,FM", "LMR2 refused: TX[MHz]"},
        {"2,TONE,156.0,,0,Tone,88.6,88.5,023,NN,023,,FM",
         "LMR2 refused: CTCSS tone \"88.6\" is not in the radio's tone table"},
        {"2,DCS,156.0,,0,DTCS,88.5,88.5,024,NN,023,,FM",
         "LMR2 refused: DCS code \"024\" is not in the radio's DCS table"},
        {"2,POL,156.0,,0,DTCS,88.5,88.5,023,RN,023,,FM", "LMR2 refused: DCS polarity \"RN\" is not normal"},
        {"2,BAD#NAME,156.0,,0,,88.5,88.5,023,NN,023,,FM",
         "LMR2 refused: CH Name \"BAD#NAME\" holds characters outside"},
        {"41,WHERE,156.0,,0,,88.5,88.5,023,NN,023,,FM", "refused: Location \"41\" is not a channel 1..40"},
        {"2,AM,156.0,,0,,88.5,88.5,023,NN,023,,AM", "LMR2 refused: Mode \"AM\" is neither FM nor NFM"},
        {"2,DUP,156.0,x,0,,88.5,88.5,023,NN,023,,FM", "LMR2 refused: Duplex \"x\" is not"},
    };
    for (const auto& [row, refusal] : bad) {
        SCOPED_TRACE(row);
        Editing e(5);
        const RadioData before = e.Data;
        const ChannelImport checked = CheckChirpCsv(e.Data, header + row + "\r\n", ChirpPlacing::AtLocation);
        EXPECT_TRUE(checked.HasRefusedRows());
        EXPECT_NE(ImportReport(checked).find("Line 2: LMR1 written."), std::string::npos)
            << ImportReport(checked);
        EXPECT_NE(RefusedRowsText(checked).find(std::string("Line 3: ") + refusal), std::string::npos)
            << RefusedRowsText(checked);
        EXPECT_FALSE(ApplyChannelImport(e.Ctx, checked, false, "Import"));
        EXPECT_TRUE(e.Data == before);
        EXPECT_FALSE(e.Shell.DataChanged);
        // Skipping the named row writes the good one only.
        EXPECT_TRUE(ApplyChannelImport(e.Ctx, checked, true, "Import"));
        EXPECT_EQ(e.Data.ExpChannels[0].ChTag, "GOOD");
        EXPECT_TRUE(e.Data.ExpChannels[1] == before.ExpChannels[1]);
    }
}

TEST(ChannelCsv, KelpieRowsAreRefusedByThePagesRules)
{
    Editing e(1);  // the MV240: the EXP bank without tones, 137–174 MHz
    const RadioData before = e.Data;
    const ChannelImport wrongColumn = CheckKelpieCsv(e.Data, kGroupBankE, "CH,RxTone\r\n1,88.5Hz\r\n");
    EXPECT_EQ(wrongColumn.Error, "column \"RxTone\" is not a column of this channel list");
    const ChannelImport rows = CheckKelpieCsv(e.Data, kGroupBankE,
                                              "CH,ENABLE,DISP,RX[MHz],LOW\r\n"
                                              "1,[Enable],01,136.0000,\r\n"
                                              "2,[Enable],1,150.0000,\r\n"
                                              "3,,,,maybe\r\n"
                                              "50,,,,\r\n");
    EXPECT_EQ(RefusedRowsText(rows),
              "Line 2: EXP1 refused: RX[MHz]: \"136.0000\" is outside 137.0000–174.0000 MHz.\n"
              "Line 3: EXP2 refused: an enabled channel needs an RX frequency and a channel number of two "
              "characters.\n"
              "Line 4: EXP3 refused: LOW: \"maybe\" is neither LOW nor empty.\n"
              "Line 5: refused: no channel \"50\" in EXP.\n");
    EXPECT_FALSE(ApplyChannelImport(e.Ctx, rows, true, "Import"));
    EXPECT_TRUE(e.Data == before);

    // A marine list may not switch off every channel of its bank.
    Editing usa(5);
    std::string off = "CH,ENABLE\r\n";
    for (const ChannelRecord& record : usa.Data.UsaChannels) {
        if (record.Enable) {
            off += ChannelPlan()[static_cast<std::size_t>(record.Position)].Label + ",\r\n";
        }
    }
    const ChannelImport allOff = CheckKelpieCsv(usa.Data, kGroupUsa, off);
    EXPECT_NE(RefusedRowsText(allOff).find("refused: the bank would keep no enabled channel"),
              std::string::npos);
}

TEST(ChannelCsv, PastedRowsGoOntoTheSelectedChannelsAndCutClearsThemEachAsOneUndoStep)
{
    Editing e(5);
    e.Data = Varied(5);
    EditHistory steps;
    e.Shell.History = &steps;
    const std::string copied = ExportChannelRows(e.Data, kGroupBankE, {0, 1, 2}, '\t');
    EXPECT_TRUE(copied.starts_with("CH\tENABLE\tDISP\t")) << copied;
    const ChannelImport pasted = CheckPastedRows(e.Data, kGroupBankE, copied, {9});
    ASSERT_TRUE(ApplyChannelImport(e.Ctx, pasted, false, "Paste")) << ImportReport(pasted);
    EXPECT_EQ(steps.NextUndo(), (StepLabel{"Paste", GroupNodeKey(kGroupBankE)}));
    // The rows without their CH column read alike.
    const auto fields = [&](const std::vector<int>& indexes) {
        std::string text = ExportChannelRows(e.Data, kGroupBankE, indexes, ';');
        for (auto at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
            text.erase(at + 1, text.find(';', at) - at);
        }
        return text;
    };
    EXPECT_EQ(fields({9, 10, 11}), fields({0, 1, 2}));
    const ChannelImport cut = CheckClearedRows(e.Data, {9, 10});
    ASSERT_TRUE(ApplyChannelImport(e.Ctx, cut, false, "Cut")) << ImportReport(cut);
    EXPECT_EQ(ExportChannelRows(e.Data, kGroupBankE, {9, 10}, ','),
              ExportChannelRows(ResetData(5), kGroupBankE, {9, 10}, ','));
    EXPECT_EQ(steps.UndoCount(), 2u);  // how a step is undone is the history's, pinned with it
}

}  // namespace
}  // namespace kelpie
