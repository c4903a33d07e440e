// Every numeric row of the settings table walked through the whole program: the one field changed
// is written to its own bits only, read back, told by the compare under its label and listed on its
// own line — and nothing else is (the data file's random round trip carries every field through
// files). Every channel field likewise, on one channel of each bank, in the image, the record and
// the compare.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <variant>

#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/FileTestSupport.h"
#include "model/ChannelFields.h"
#include "model/ImageFields.h"
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

// The first address where the images differ in a bit outside bits; -1: none.
int Stray(const RadioImage& before, const RadioImage& after, const ImageBits& bits)
{
    for (int address = 0; address < kImageSize; ++address) {
        if (((before[address] ^ after[address]) & ~bits[static_cast<std::size_t>(address)]) != 0) {
            return address;
        }
    }
    return -1;
}

// The lines of both listings, a printed line as its texts.
std::vector<std::string> ListingLines(const RadioData& data)
{
    std::vector<std::string> lines = TextLines(BuildTextImage(data));
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

TEST(FieldWalk, EachFieldShowsAloneInTheImageTheRecordsTheCompareAndTheListings)
{
    int walked = 0;
    int listed = 0;
    ImageBits all;
    all.fill(0xFF);
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData base = Settled(model);
        const std::vector<std::string> baseLines = ListingLines(base);
        for (const SettingsField& f : SettingsFields()) {
            if (f.Get == nullptr || !IsOn(f.Decoded, model)) {
                continue;
            }
            const std::string label = FieldLabel(f, model);
            SCOPED_TRACE(testing::Message() << "model " << model << ", " << label);
            RadioData changed = base;
            const std::int64_t value = OtherValue(f, f.Get(base, f.Index));
            f.Set(changed, f.Index, value);
            if (f.ListLine != 0 && (f.Record != SettingsRecord::AtisCommon || ListsAtisSetup(model))) {
                ++listed;
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
                    EXPECT_TRUE(tx || line.starts_with(named) || line.starts_with("printed: " + named))
                        << line;
                }
            }
            if (!IsOn(f.Compared, model)) {
                continue;
            }
            ++walked;
            EncodeImage(changed);

            ImageBits own{};
            std::fill_n(own.begin() + f.Address, f.Length, FieldMask(f));
            ASSERT_EQ(Stray(base.RadioImage, changed.RadioImage, own), -1)
                << "a bit outside the field changed";
            // Decoded over the records as they were, so a field the decode leaves alone shows.
            RadioData decoded = base;
            decoded.RadioImage = changed.RadioImage;
            DecodeImage(decoded);
            EXPECT_EQ(f.Get(decoded, f.Index), value);

            // Both compares tell the one field under its label.
            for (const auto& differences : {CompareData(base, changed), CompareBits(base, changed, all)}) {
                ASSERT_EQ(differences.size(), 1u);
                EXPECT_EQ(differences[0].Key, f.Page);
                EXPECT_NE(differences[0].Text.find(": " + label + " "), std::string::npos)
                    << differences[0].Text;
            }
        }
    }
    EXPECT_GT(walked, 7 * 20);
    EXPECT_GT(listed, 7 * 15);
}

// The data file with one settings key's value replaced.
std::string WithValue(std::string text, const SettingsField& f, std::int64_t value)
{
    const std::size_t section = text.find("[" + std::string(f.Section) + "]\r\n");
    const std::size_t at = text.find("\r\n" + f.Key + "=", section) + 2;
    const std::size_t end = text.find("\r\n", at);
    return text.replace(at, end - at, f.Key + "=" + std::to_string(value));
}

// Whether the image keeps the value: encoded without overflow and decoded, it comes back.
bool ImageKeeps(const RadioData& base, const SettingsField& f, std::int64_t value)
{
    RadioData data = base;
    f.Set(data, f.Index, value);
    try {
        EncodeImage(data);
    } catch (const EncodeOverflowError&) {
        return false;
    }
    DecodeImage(data);
    return f.Get(data, f.Index) == value;
}

// The reader takes every number the image field holds, its ends included, and names a value one
// past either end, keeping the field as it was. Where the model's image keeps the field, its ends
// are what the image keeps (a negative channel index, no channel, aside).
TEST(FieldWalk, EachNumberIsReadFromTheDataFileOnlyWithinWhatItsFieldHolds)
{
    int walked = 0;
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData base = Settled(model);
        ShellState shell;
        const std::string file = DataFileText(base, shell);
        for (const SettingsField& f : SettingsFields()) {
            if (f.Key.empty() || !IsOn(f.Filed, model) || f.Form == FileForm::Flag || f.Get == nullptr) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << "model " << model << ", " << f.Key);
            ++walked;
            if (IsOn(f.Decoded, model) && IsOn(f.Encoded, model) && IsOn(f.Compared, model)) {
                EXPECT_TRUE(ImageKeeps(base, f, f.Last));
                EXPECT_FALSE(ImageKeeps(base, f, f.Last + 1));
                if (f.First >= 0) {
                    EXPECT_TRUE(ImageKeeps(base, f, f.First));
                    EXPECT_FALSE(ImageKeeps(base, f, f.First - 1));
                }
            }
            for (const std::int64_t value : {f.First - 1, f.First, f.Last, f.Last + 1}) {
                RadioData loaded = base;
                RecordingUi ui;
                ShellState loadShell;
                const RejectedValues rejected =
                    ReadDataFile(loaded, loadShell, ui, WithValue(file, f, value));
                if (value >= f.First && value <= f.Last) {
                    EXPECT_TRUE(rejected.empty()) << value;
                    EXPECT_EQ(f.Get(loaded, f.Index), value);
                } else {
                    EXPECT_EQ(rejected, RejectedValues{"[" + std::string(f.Section) + "] " + f.Key + "=" +
                                                       std::to_string(value)});
                    EXPECT_EQ(f.Get(loaded, f.Index), f.Get(base, f.Index));
                }
            }
        }
    }
    EXPECT_GT(walked, 7 * 10);
}

// Sets the channel field to a value that differs from its present one and that the encode keeps:
// a transmit mode the TX and low-power rules leave alone, a tone and an inverted DCS code the tone
// block holds, texts of the field's whole length in the name set, frequencies whose last two
// digits are 0 (the MV210's tone block lies over them).
void ChangeField(ChannelRecord& ch, const ChannelField& f)
{
    const std::string_view name = f.Name;
    std::visit(
        [&](auto member) {
            auto& value = ch.*member;
            using Value = std::remove_reference_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, bool>) {
                value = !value;
            } else if constexpr (std::is_same_v<Value, std::uint8_t>) {
                value = value == 3 ? 2 : 3;
            } else if constexpr (std::is_same_v<Value, std::int16_t>) {
                const std::int16_t wanted = name == "Scramble"        ? static_cast<std::int16_t>(value ^ 7)
                                            : name.ends_with("CTCSS") ? std::int16_t{50}
                                                                      : std::int16_t{110};
                value = value == wanted ? std::int16_t{13} : wanted;
            } else if constexpr (std::is_same_v<Value, double>) {
                value = value == 156.05 ? 161.6 : 156.05;
            } else {
                const int length = f.Place == ChannelPlace::Names ? kNameLength : f.Parts[0].Length;
                const std::string text =
                    std::string("ZYXWVUTSRQPO").substr(0, static_cast<std::size_t>(length));
                value = value == text ? std::string(text.rbegin(), text.rend()) : text;
            }
        },
        f.Member);
}

bool SameValue(const ChannelRecord& left, const ChannelRecord& right, const ChannelField& f)
{
    return std::visit([&](auto member) { return left.*member == right.*member; }, f.Member);
}

ImageBits BitsOf(const ChannelField& f, const BankLayout& layout, int channel, int model)
{
    ImageBits bits{};
    ForEachFieldBit(f, layout, channel, model,
                    [&](int address, std::uint8_t mask) { bits[static_cast<std::size_t>(address)] |= mask; });
    return bits;
}

// The channel walked in each bank: a marine channel that transmits in mode 3 and may be duplex,
// the first weather channel, and bank E channel 2 (channel 1 keeps the group in use).
int WalkedChannel(const RadioData& data, const BankLayout& layout)
{
    if (layout.Kind != kMarineBank) {
        return layout.Kind == kBankE ? 1 : 0;
    }
    const ChannelBank& bank = data.*layout.Records;
    for (std::size_t k = 0; k < bank.size(); ++k) {
        if (bank[k].DuplexAllowed && bank[k].TXPower == 3) {
            return static_cast<int>(k);
        }
    }
    return -1;
}

TEST(FieldWalk, EachChannelFieldShowsAloneInTheImageTheRecordAndTheCompare)
{
    int walked = 0;
    for (int model = 0; model < kModelCount; ++model) {
        const RadioData base = Settled(model);
        for (const BankLayout* layout : kBankLayouts) {
            const int k = WalkedChannel(base, *layout);
            ASSERT_GE(k, 0) << layout->Member;
            const auto at = static_cast<std::size_t>(k);
            for (const ChannelField& f : ChannelFields()) {
                if (f.Label == nullptr || f.View || !IsStored(f, layout->Kind, model)) {
                    continue;
                }
                SCOPED_TRACE(testing::Message()
                             << "model " << model << ", " << layout->Member << "[" << k << "]." << f.Name);
                ++walked;
                RadioData changed = base;
                ChangeField((changed.*layout->Records)[at], f);
                EncodeImage(changed);

                // Only the field's bits changed, and some of them did.
                ASSERT_EQ(Stray(base.RadioImage, changed.RadioImage, BitsOf(f, *layout, k, model)), -1)
                    << "a bit outside the field changed";
                ImageBits differing{};
                for (int address = 0; address < kImageSize; ++address) {
                    differing[static_cast<std::size_t>(address)] =
                        base.RadioImage[address] ^ changed.RadioImage[address];
                }
                ASSERT_NE(differing, ImageBits{}) << "the field's bits did not change";
                // Decoded over the records as they were, so a field the decode leaves alone shows.
                RadioData decoded = base;
                decoded.RadioImage = changed.RadioImage;
                DecodeImage(decoded);
                EXPECT_TRUE(SameValue((decoded.*layout->Records)[at], (changed.*layout->Records)[at], f));

                // The compare tells the field, once; any other line is a field whose bits changed
                // too (the MV210's tone block and last frequency byte are one byte).
                const auto shares = [&](const ChannelField& other) {
                    const ImageBits bits = BitsOf(other, *layout, k, model);
                    for (std::size_t a = 0; a < bits.size(); ++a) {
                        if ((bits[a] & differing[a]) != 0) {
                            return true;
                        }
                    }
                    return false;
                };
                int named = 0;
                for (const Difference& d : CompareData(base, changed)) {
                    if (d.Text.find(std::string(": ") + f.Label + " ") != std::string::npos) {
                        ++named;
                        continue;
                    }
                    const bool explained =
                        std::ranges::any_of(ChannelFields(), [&](const ChannelField& other) {
                            return other.Label != nullptr && &other != &f &&
                                   d.Text.find(std::string(": ") + other.Label + " ") != std::string::npos &&
                                   shares(other);
                        });
                    EXPECT_TRUE(explained) << d.Text;
                }
                EXPECT_EQ(named, IsOn(f.Compared, model) ? 1 : 0);
            }
        }
    }
    EXPECT_GT(walked, 7 * 20);
}

// Each model's memory map as it was checked against the radio: a field moved, a bit run changed or
// a key or label renamed in the field tables shows here, which the walks above, reading the same
// tables, cannot see. After a deliberate change, write the file anew with
// `kelpie-cli fields --model N > tests/report/data/memory-map-N.txt` and review its diff.
TEST(FieldWalk, EachModelsMemoryMapIsTheCheckedOne)
{
    for (int model = 0; model < kModelCount; ++model) {
        const std::string path = KELPIE_TEST_DATA "/memory-map-" + std::to_string(model) + ".txt";
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        EXPECT_EQ(MemoryMapText(model), ReadFileText(path)) << path;
    }
}

}  // namespace
}  // namespace kelpie
