// Every numeric row of the settings table walked through the whole program: the one field changed
// is written to its own bits only, read back, carried by the data file, told by the compare under
// its label and listed on its own line — and nothing else is.
#include <gtest/gtest.h>

#include <sstream>

#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/SettingsFields.h"
#include "report/Compare.h"
#include "report/ListingRows.h"
#include "report/MemoryMap.h"
#include "report/PrintedListing.h"
#include "report/TextImage.h"
#include "support/Fakes.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

// The reset records with an ATIS code and a bank E channel, so that no rule of the encode clears a
// usable flag, encoded and decoded until they stand still.
RadioData Settled(int model)
{
    RadioData data = ResetData(model);
    data.AtisCommonSetup.AtisCode = "1234567890";
    data.ExpChannels[0].Enable = true;
    EncodeImage(data);
    DecodeImage(data);
    return data;
}

// A value whose bits differ from the field's present ones in every place.
std::int64_t OtherValue(const SettingsField& f, std::int64_t value)
{
    switch (f.Kind) {
        case Storage::Byte:
            return value ^ 0xFF;
        case Storage::Word:
            return value ^ 0x0001;
        default:
            break;
    }
    if (f.Decode != nullptr) {  // Offset Time: another index of the offset names
        return value == 12 ? 11 : 12;
    }
    return value ^ ((1 << f.Width) - 1);
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The lines of `after` that differ from those of `before`, which has as many.
std::vector<std::string> Differing(const std::vector<std::string>& before,
                                   const std::vector<std::string>& after)
{
    std::vector<std::string> differing;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] != before[i]) {
            differing.push_back(after[i]);
        }
    }
    return differing;
}

TEST(FieldWalk, EachFieldShowsAloneInTheImageTheRecordsTheDataFileAndTheCompare)
{
    int walked = 0;
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData base = Settled(model);
        ShellState shell;
        const std::vector<std::string> baseFile = Lines(DataFileText(base, shell));
        for (const SettingsField& f : SettingsFields()) {
            if (f.Get == nullptr || !IsOn(f.Decoded, model) || !IsOn(f.Compared, model)) {
                continue;
            }
            const std::string label = FieldLabel(f, model);
            SCOPED_TRACE(testing::Message() << "model " << model << ", " << label);
            ++walked;
            RadioData changed = base;
            const std::int64_t value = OtherValue(f, f.Get(base, f.Index));
            f.Set(changed, f.Index, value);
            EncodeImage(changed);

            // Only the field's bits changed.
            int stray = -1;  // the first address with a changed bit outside the field
            for (int address = 0; address < kImageSize && stray < 0; ++address) {
                const int differs = base.RadioImage[address] ^ changed.RadioImage[address];
                const bool inField = address >= f.Address && address < f.Address + f.Length;
                if ((differs & ~(inField ? FieldMask(f) : 0)) != 0)
                    stray = address;
            }
            ASSERT_EQ(stray, -1) << "a bit outside the field changed";
            RadioData decoded = changed;
            DecodeImage(decoded);
            EXPECT_EQ(f.Get(decoded, f.Index), value);

            // The data file differs in one line and brings the field back.
            const std::string text = DataFileText(changed, shell);
            const std::vector<std::string> lines = Lines(text);
            ASSERT_EQ(lines.size(), baseFile.size());
            const std::vector<std::string> differing = Differing(baseFile, lines);
            ASSERT_EQ(differing.size(), 1u);
            EXPECT_TRUE(f.Key.empty() || differing[0].starts_with(f.Key + "=")) << differing[0];
            RadioData loaded = base;
            RecordingUi ui;
            ShellState loadShell;
            EXPECT_TRUE(ReadDataFile(loaded, loadShell, ui, text).empty());
            EXPECT_EQ(f.Get(loaded, f.Index), value);

            // Both compares tell the one field under its label.
            for (const auto& differences : {CompareData(base, changed), CompareBits(base, changed, [] {
                                                ImageBits all;
                                                all.fill(0xFF);
                                                return all;
                                            }())}) {
                ASSERT_EQ(differences.size(), 1u);
                EXPECT_EQ(differences[0].Key, f.Page);
                EXPECT_NE(differences[0].Text.find(": " + label + " "), std::string::npos)
                    << differences[0].Text;
            }
        }
    }
    EXPECT_GT(walked, 7 * 20);
}

// The lines of both listings, a printed line as its texts.
std::vector<std::string> ListingLines(const RadioData& data)
{
    std::vector<std::string> lines = Lines(BuildTextImage(data));
    const std::vector<PrintPage> pages = BuildPrintedListing(data, "MV");
    for (const PrintLine& line : pages[0].Lines) {
        std::string text = "printed:";
        for (const PrintCell& cell : line) {
            text += " " + cell.Text;
        }
        lines.push_back(text);
    }
    return lines;
}

TEST(FieldWalk, EachListedFieldChangesOnlyItsOwnLineOfEachListing)
{
    int walked = 0;
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData base = Settled(model);
        const std::vector<std::string> baseLines = ListingLines(base);
        for (const SettingsField& f : SettingsFields()) {
            const bool atis = f.Record == SettingsRecord::AtisCommon;
            if (f.Get == nullptr || f.ListLine == 0 || !IsOn(f.Decoded, model) ||
                (atis && !ListsAtisSetup(model))) {
                continue;
            }
            const std::string label = FieldLabel(f, model);
            SCOPED_TRACE(testing::Message() << "model " << model << ", " << label);
            ++walked;
            RadioData changed = base;
            f.Set(changed, f.Index, OtherValue(f, f.Get(base, f.Index)));
            const std::vector<std::string> lines = ListingLines(changed);
            ASSERT_EQ(lines.size(), baseLines.size());
            const std::vector<std::string> differing = Differing(baseLines, lines);
            // The text line, and the printed one where the model prints the field, under the
            // line's label: the field's own or its call category's, or its group's row.
            ASSERT_EQ(differing.size(), IsOn(f.Printed, model) ? 2u : 1u);
            const std::string named = !f.ListLabel.empty()               ? f.ListLabel
                                      : f.Group >= 0 && !f.Label.empty() ? f.Label
                                                                         : label;
            const bool tx = f.Label.ends_with(" TX");  // a call's TX power follows the call on its line
            for (const std::string& line : differing) {
                EXPECT_TRUE(tx || line.starts_with(named) || line.starts_with("printed: " + named)) << line;
            }
        }
    }
    EXPECT_GT(walked, 7 * 15);
}

TEST(FieldWalk, MemoryMapNamesAddressBitsMemberKeyAndLabelOfTheModelsFields)
{
    const std::string dsc = MemoryMapText(0);
    EXPECT_NE(dsc.find("0x004A        7-4  CommonSetup.Sql"), std::string::npos) << dsc;
    EXPECT_NE(dsc.find("[Common Setup] Weater"), std::string::npos);
    EXPECT_NE(dsc.find("[PRISETCH] A4"), std::string::npos);
    EXPECT_NE(dsc.find("0x01F0-0x01F4 all  DscBasicSetup.UserMmsi"), std::string::npos);
    const std::string plain = MemoryMapText(5);
    EXPECT_EQ(plain.find("DscBasicSetup"), std::string::npos);
    EXPECT_NE(plain.find("LMR usable"), std::string::npos);
}

}  // namespace
}  // namespace kelpie
