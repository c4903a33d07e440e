#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>
#include <random>
#include <ranges>
#include <tuple>
#include <variant>

#include "FileTestSupport.h"
#include "edit/FieldRules.h"
#include "files/DataFileLayout.h"
#include "files/DataFileReader.h"
#include "files/DataFileWriter.h"
#include "files/FileAccess.h"
#include "model/ChannelFields.h"
#include "model/ImagePasses.h"
#include "model/Models.h"
#include "model/SettingsCodec.h"
#include "model/SettingsFields.h"
#include "model/Text.h"
#include "model/UnsentEntries.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

const std::string kMain = "[MAIN]\r\nMODEL=#MV230\r\nMODELTYPE=5\r\n";

struct Load
{
    RadioData Data{5};
    ShellState Shell;
    RecordingUi Ui;

    RejectedValues Read(const std::string& text) { return ReadDataFile(Data, Shell, Ui, text); }
};

// A missing SEL line leaves its bit as it was; an empty one takes the option's default.
TEST(ReadDataFile, SelTextsSetAndClearTheOptionBitsAndLeaveTheOthers)
{
    const std::tuple<std::string, std::uint8_t, std::uint8_t> cases[] = {{"SEL1=\r\nSEL2=\r\n", 0x10, 0x20},
                                                                         {"SEL1=0\r\nSEL2=1\r\n", 0x2F, 0x1F},
                                                                         {"SEL1=2\r\nSEL2=x\r\n", 0xDF, 0xEF},
                                                                         {"", 0x35, 0x35}};
    for (const auto& [lines, before, after] : cases) {
        Load load;
        load.Data.RadioImage[0x00A8] = before;
        load.Read(kMain + lines);
        EXPECT_EQ(load.Data.RadioImage[0x00A8], after) << lines;
    }
}

// A section after a gap in the numbering is read; a section whose Position is no whole number
// naming a slot of its bank is skipped and named, and never lands in slot 0.
TEST(ReadDataFile, MarineBanksReadEverySectionAndSkipPositionsThatNameNoSlot)
{
    Load load;
    load.Data.UsaChannels[3].ChTag = "KEEP";
    load.Data.IntlChannels[0].ChTag = "SLOT0";
    load.Data.IntlChannels[7].DuplexAllowed = true;
    const RejectedValues rejected =
        load.Read(kMain +
                  "[chusa0]\r\nposition=1\r\nENABLE=1\r\nChTag=##ONE\r\nTXPower=4\r\n"
                  "[CHUSA2]\r\nPosition=2\r\nChTag=#TWO\r\n"
                  "[CHINT0]\r\nPosition=240\r\nChTag=ZERO\r\n"
                  "[CHINT1]\r\nPosition=7.4\r\nDuplex=1\r\nTXPower=2\r\n"
                  "[CHINT3]\r\nPosition=8\r\nDuplex=1\r\nScanMemory=maybe\r\n"
                  "[CHCAN0]\r\nPosition=\r\nEnable=1\r\n");
    const ChannelRecord& usa = load.Data.UsaChannels[1];
    EXPECT_TRUE(usa.Enable && usa.Position == 1 && usa.ChTag == "#ONE" && usa.TXPower == 0);
    EXPECT_EQ(load.Data.UsaChannels[2].ChTag, "TWO");
    EXPECT_EQ(load.Data.UsaChannels[3].ChTag, "KEEP");
    EXPECT_TRUE(load.Data.IntlChannels[7].Duplex && load.Data.IntlChannels[7].TXPower == 2);
    EXPECT_EQ(load.Data.IntlChannels[0].ChTag, "SLOT0");
    EXPECT_TRUE(
        std::ranges::none_of(load.Data.IntlChannels, [](const auto& ch) { return ch.ChTag == "ZERO"; }));
    EXPECT_FALSE(load.Data.IntlChannels[8].Duplex || load.Data.IntlChannels[8].ScanMemory);
    EXPECT_FALSE(load.Data.CanadaChannels[0].Enable);
    ASSERT_FALSE(rejected.empty());
    EXPECT_TRUE(
        rejected[0].starts_with("sections not in the file: [Usable CH Group Setup], [Common Setup], "
                                "[ATIS Setup (Common)], [CHUSA1], [CHUSA3]..[CHUSA239], "
                                "[CHINT2], [CHINT4]..[CHINT239], [CHCAN1]..[CHCAN239], [CHWX0]..[CHWX9], "))
        << rejected[0];
    EXPECT_EQ(RejectedValues(rejected.begin() + 1, rejected.end()),
              (RejectedValues{"[CHUSA0] TXPower=4", "[CHINT0] Position=240", "[CHINT3] ScanMemory=maybe",
                              "[CHCAN0] Position="}));
}

TEST(ReadDataFile, PresetListsAreWrittenIntoTheImageAndMissingEntriesBecomeEmpty)
{
    Load load;
    load.Data.RadioImage.Fill(0x0060, 0x00A5, 0x00);
    load.Read(kMain +
              "[Usable CH Group Setup]\r\nPriority CH 1-Cmb 1=17\r\nPriority CH 1-Cmb 2=289\r\n"
              "Priority CH 1-Cmb 4=65535\r\nPriority CH 1-Cmb 5=65536\r\n"
              "[PRISETCH]\r\nA0=&HFF\r\nA1=28\r\nA2=256\r\nA3=-1\r\nA4=12abc\r\n");
    // Only entries 1 and 2 of list 1 name channels (17 and 289); every other entry is empty.
    const auto lists = load.Data.RadioImage.Bytes(0x0060, 60);
    EXPECT_EQ(std::ranges::count(lists, 0xFF), 56);
    EXPECT_TRUE(std::ranges::equal(lists.subspan(20, 4), std::array<std::uint8_t, 4>{17, 0, 0x21, 0x01}));
    const std::uint8_t bytes[] = {255, 28, 0, 0, 12};
    EXPECT_TRUE(std::ranges::equal(load.Data.RadioImage.Bytes(0x00A0, 5), bytes));
}

// Every value that was there but not taken is named once and keeps its field; a key the file
// lacks, or leaves empty, keeps its field unnamed.
TEST(ReadDataFile, ValuesThatDoNotFitTheirFieldsKeepTheFieldAndAreNamedAndMissingKeysKeepTheirFields)
{
    Load load;
    load.Data.CommonSetup.Scan = true;
    ChannelRecord& exp = load.Data.ExpChannels[0];
    exp.ChTag = "OLD";
    exp.Scramble = 3;
    exp.TxDCS = 5;
    exp.RxCTCSS = 7;
    exp.Rxfreq = 150.0;
    const ChannelRecord kept = exp;
    const RejectedValues rejected =
        load.Read(kMain +
                  "[Common Setup]\r\nSCAN=\r\n"
                  "[CHEXP1]\r\nRxfreq=50\r\nTxDCS=359\r\nRxCTCSS=64\r\nScramble=-1\r\nCHDisplayL=A1\r\n"
                  "[CHEXP2]\r\nRxDCS=358\r\nRxCTCSS=63\r\n");
    EXPECT_TRUE(load.Data.CommonSetup.Scan);
    ChannelRecord expected = kept;
    expected.CHDisplayL = "A1";
    EXPECT_TRUE(exp == expected);
    const ChannelRecord& second = load.Data.ExpChannels[1];
    EXPECT_TRUE(second.RxDCS == 358 && second.RxCTCSS == 63);
    ASSERT_FALSE(rejected.empty());
    EXPECT_EQ(RejectedValues(rejected.begin() + 1, rejected.end()),
              (RejectedValues{"[CHEXP1] Rxfreq=50", "[CHEXP1] Scramble=-1", "[CHEXP1] TxDCS=359",
                              "[CHEXP1] RxCTCSS=64"}));
}

// What editors put around the model number does not make the file another model's.
TEST(ReadDataFile, AByteOrderMarkAndBlanksOrATabAroundTheModelNumberAreReadAsTheFileMeans)
{
    Load load;
    load.Read("\xEF\xBB\xBF[MAIN]\r\nMODELTYPE=\t5 \t\r\n[Common Setup]\r\nSQL=4\t\r\n");
    EXPECT_TRUE(load.Ui.Messages.empty() && !load.Shell.ErrorFlag);
    EXPECT_EQ(load.Data.CommonSetup.Sql, 4);
}

TEST(FileRead2, AFileThatCannotBeReadIsLoggedAndReported)
{
    TempFolder folder;
    Load load;
    load.Shell.DebugMode = true;
    load.Shell.ErrorLogPath = (folder / "err.log").string();
    FileRead2(load.Data, load.Shell, load.Ui, folder / "missing.dat");
    EXPECT_TRUE(load.Shell.ErrorFlag && load.Shell.CancelFlag && !load.Shell.BusyFlag);
    EXPECT_EQ(load.Ui.Messages,
              OkBox("FileRead Error!!\r\nNo such file or directory", MessageIcon::Exclamation));
    EXPECT_NE(
        ReadFileText(load.Shell.ErrorLogPath).find(":frmMain.FileRead2 -> 2No such file or directory\r\n"),
        std::string::npos);
}

// The lines of the first section of that name, without their line ends.
std::vector<std::string> SectionLines(const std::string& text, const std::string& section)
{
    std::vector<std::string> lines;
    const std::string header = "[" + section + "]\r\n";
    std::size_t at = text.find(header);
    if (at == std::string::npos) {
        return lines;
    }
    for (at += header.size(); at < text.size() && text[at] != '['; at = text.find('\n', at) + 1) {
        lines.push_back(text.substr(at, text.find("\r\n", at) - at));
    }
    return lines;
}

// Runs body in a child process that cannot write into folder: the folder is made read-only and,
// when the tests run as root (who may write anywhere), the child runs as an unprivileged user.
bool RunWithoutWriteAccess(const std::filesystem::path& folder, const std::function<bool()>& body)
{
    using std::filesystem::perm_options;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write, perm_options::remove);
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        _exit((geteuid() != 0 || (setgid(kNobody) == 0 && setuid(kNobody) == 0)) && body() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_write, perm_options::add);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Neighbouring fields hold different values, so that a swapped key shows; the channel sections list
// their keys in an order of their own for each kind of bank.
TEST(DataFileWriter, TheMainSectionComesFirstAndEveryKeyHasItsPlaceAndWrittenForm)
{
    RadioData data(5);
    data.RadioImage[0x00A8] = 0x20;
    ChannelRecord& exp = data.ExpChannels[0];
    exp.Enable = true;
    exp.TXPower = 3;
    exp.CHDisplayL = "A1";
    exp.Txfreq = 157.0;
    exp.Rxfreq = 156.05;
    data.CommonSetup = {-2, 1, 9, 2, 289, 30, true, -2, false, true, 5, 1, 3, false};  // in field order
    const std::string text = DataFileText(data, {});
    EXPECT_TRUE(
        text.starts_with("[MAIN]\r\nMODEL=#MV230\r\nTYPE=#JMB\r\nVERSION=#2.00\r\nMODELTYPE=5\r\nSEL1=1\r\n"
                         "SEL2=0\r\n[Usable CH Group Setup]\r\nUSA=0\r\nINTL=0\r\nCanada=0\r\nEXP CH=0\r\n"
                         "TX TOT 0=0\r\n"));
    EXPECT_TRUE(
        text.ends_with("[PRISETCH]\r\nA0=&HFF\r\nA1=&HFF\r\nA2=&HFF\r\nA3=&HFF\r\nA4=&HFF\r\nA5=&HFF\r\n"
                       "A6=&HFF\r\nA7=&HFF\r\n"));
    EXPECT_EQ(SectionLines(text, "CHEXP1"),
              (std::vector<std::string>{"Enable=1", "CHDisplayL=A1", "CHDisplayR=", "Rxfreq=156.05",
                                        "Txfreq=157", "LowPower=0", "TXPower=3", "PowUp=0", "ScanMemory=0",
                                        "ClockShift=0", "Scramble=0", "ChTag=#", "Narrow=0", "TxDCS=0",
                                        "RxDCS=0", "RxComp=0", "TxCTCSS=0", "RxCTCSS=0"}));
    const auto keys = [&](const std::string& section) {
        std::vector<std::string> keys = SectionLines(text, section);
        for (std::string& key : keys) {
            key.erase(key.find('='));
        }
        return keys;
    };
    EXPECT_EQ(keys("CHINT0"),
              (std::vector<std::string>{"Position", "Enable", "LowPower", "TXPower", "PowUp", "Duplex",
                                        "TxEnable", "DispayA", "ScanMemory", "Scramble", "ChTag"}));
    EXPECT_EQ(keys("CHWX0"), (std::vector<std::string>{"Enable", "ScanMemory", "ChTag"}));
    EXPECT_EQ(SectionLines(text, "Common Setup"),
              (std::vector<std::string>{"TX Po Display=2", "Last TX Power=1", "Last CH Group=2", "SQL=9",
                                        "Last Display CH=289", "Marine_LMR CH=30", "SCAN=1", "Resume Time=-2",
                                        "PTT SCAN Clear=0", "Dual Watch=1", "Offset Time=5",
                                        "Magnetic Variation=1", "Weater=3"}));
    data.RadioImage[0x00A8] = 0x30;
    EXPECT_EQ(SectionLines(DataFileText(data, {}), "MAIN")[5], "SEL2=1");
}

TEST(DataFileWriter, PresetListsAreWrittenWithoutGapsAndEmptyListsWriteOnlyPriorityAndBackup)
{
    RadioData data(5);
    data.UsableGroups[0].PriorityCh = -1;
    data.UsableGroups[0].Backup = 3;
    for (const auto& [entry, channel] : {std::pair{0, 17}, {3, 289}, {5, 290}, {9, 0}}) {
        data.RadioImage[0x0060 + 20 + 2 * entry] = static_cast<std::uint8_t>(channel & 0xFF);
        data.RadioImage[0x0061 + 20 + 2 * entry] = static_cast<std::uint8_t>(channel >> 8);
    }
    const auto lines = SectionLines(DataFileText(data, {}), "Usable CH Group Setup");
    const auto at = std::ranges::find(lines, "Priority CH 0=-1");
    ASSERT_LE(at + 7, lines.end());
    EXPECT_EQ(std::vector<std::string>(at, at + 7),
              (std::vector<std::string>{"Priority CH 0=-1", "Priority CH 0Backup=3", "Priority CH 1=0",
                                        "Priority CH 1-Cmb 1=17", "Priority CH 1-Cmb 2=289",
                                        "Priority CH 1-Cmb 3=0", "Priority CH 1Backup=0"}));
}

TEST(DataFileWriter, KeysFollowTheModel)
{
    for (int model = 0; model < kModelCount; ++model) {
        SCOPED_TRACE(model);
        const std::string text = DataFileText(RadioData(model), {});
        const auto usa = SectionLines(text, "CHUSA0");
        EXPECT_EQ(text.find("\r\nStatus name 0=\r\n") != std::string::npos, model != 1);
        const bool dsc = model == 0 || model == 3;
        EXPECT_EQ(text.find("\r\nUsable ATIS Kikker CH Group3=") != std::string::npos, dsc);
        ASSERT_GE(usa.size(), 9u);
        EXPECT_EQ(std::vector<std::string>(usa.begin() + 9, usa.end()),
                  (model == 1 ? std::vector<std::string>{"Scramble=0"}
                              : std::vector<std::string>{"Scramble=0", "ChTag=#"}));
        EXPECT_EQ(SectionLines(text, "CHEXP40").size(), HasLmrBank(model) ? 18u : model == 1 ? 11u : 12u);
        EXPECT_EQ(SectionLines(text, "Common Setup").size(), dsc ? 14u : 13u);
        EXPECT_EQ(SectionLines(text, "CHWX9").size(), 3u);
        // The sections after PRISETCH: the User MMSI and the directories, then the call signs.
        EXPECT_EQ(SectionLines(text, "DSC Setup"),
                  dsc ? std::vector<std::string>{"User MMSI="} : std::vector<std::string>{});
        EXPECT_EQ(SectionLines(text, "CHMMSID40").size(), dsc ? 3u : 0u);
        EXPECT_EQ(SectionLines(text, "CHGRPID10").size(), dsc ? 3u : 0u);
        EXPECT_EQ(SectionLines(text, "ATIS Setup (Call Sign)").size(), model == 0 ? 40u : 0u);
    }
}

TEST(SaveFileAs, AFolderThatCannotBeWrittenKeepsTheOldFileAndReportsTheError)
{
    TempFolder folder;
    TempFolder logFolder;
    std::filesystem::permissions(logFolder.Path, std::filesystem::perms::all);
    const auto target = folder / "radio.dat";
    const auto log = logFolder / "err.log";
    WriteFileText(target, "old contents\r\n");
    const bool reported = RunWithoutWriteAccess(folder.Path, [&] {
        ShellState shell;
        shell.DebugMode = true;
        shell.ErrorLogPath = log.string();
        RecordingUi ui;
        SaveFileAs(RadioData(5), shell, ui, target);
        return shell.ErrorFlag && shell.CancelFlag && !shell.BusyFlag &&
               ui.Messages == OkBox("FileSave Error!!\r\nPermission denied", MessageIcon::Exclamation);
    });
    EXPECT_TRUE(reported);
    EXPECT_EQ(ReadFileText(target), "old contents\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path), {}), 1);
    EXPECT_NE(ReadFileText(log).find(":frmMain.SaveFileAs -> 13Permission denied\r\n"), std::string::npos);
}

// The PRISETCH bytes of a model with DSC, made to hold the DSC settings as the records stand.
void EncodePresetBytes(RadioData& data)
{
    RadioData encoded = data;
    EncodeDscBasic(encoded);
    EncodeDscAdvanced(encoded);
    EncodeDscDisplay(encoded);
    for (int k = 0; k < 8; ++k) {
        data.RadioImage[0x00A0 + k] = encoded.RadioImage[0x00A0 + k];
    }
}

// Programming a file can carry, on a reset model: every numeric setting and channel field the
// model's file carries, the DSC flags included, given a random number its key takes (a channel index from -1
// on, an absolute value from 0), every text a value its box can produce (through the boxes' own rules). The
// file's values are trimmed, so texts do not end in a blank here. The DSC settings are edited as on
// their page, not yet encoded into the PRISETCH bytes: the file carries them all the same.
class RandomEdits
{
public:
    explicit RandomEdits(std::uint32_t seed) : m_random(seed) {}

    void Apply(RadioData& data)
    {
        const int model = data.ModelIndex;
        for (const SettingsField& f : SettingsFields()) {
            // The DSC flags, which have no key, travel in the PRISETCH bytes.
            if (f.Set != nullptr && IsOn(f.Key.empty() ? f.Decoded : f.Filed, model)) {
                const std::int64_t first =
                    std::max<std::int64_t>(f.First, f.Form == FileForm::Absolute ? 0 : -1);
                f.Set(data, f.Index, std::uniform_int_distribution<std::int64_t>(first, f.Last)(m_random));
            }
        }
        for (int g = 0; g < kGroupCount; ++g) {
            if (HasChannelNames(model)) {
                CommitPaddedText(4, Text(FieldId::StatusName), data.UsableGroups[g].StatusName);
            }
            // A preset list as the file holds it: its channels first, then empty entries.
            const int used = Number(0, 10);
            for (int j = 0; j < 10 && g < 3; ++j) {
                const int channel = j < used ? Number(0, kLastChannelIndex) : 0xFFFF;
                data.RadioImage[0x0060 + 20 * g + 2 * j] = static_cast<std::uint8_t>(channel & 0xFF);
                data.RadioImage[0x0061 + 20 * g + 2 * j] = static_cast<std::uint8_t>(channel >> 8);
            }
        }
        data.RadioImage[0x00A8] =
            static_cast<std::uint8_t>((data.RadioImage[0x00A8] & ~0x30) | Number(0, 3) << 4);
        CommitDigitText(false, 10, Digits(10), data.AtisCommonSetup.AtisCode);
        if (HasAtisCallSigns(model)) {
            for (AtisCallSign& row : data.AtisCallSigns) {
                row.MID = AtisMidText(Text(FieldId::AtisMid, 3));
                row.DISP = Text(FieldId::AtisDisp, 3);
            }
        }
        if (HasDsc(model)) {
            ApplyDsc(data);
        } else {
            for (int k = 0; k < 8; ++k) {
                data.RadioImage[0x00A0 + k] = static_cast<std::uint8_t>(Number(0, 255));
            }
        }
        for (const BankLayout* layout : kBankLayouts) {
            const std::vector<const ChannelField*> fields = FiledChannelFields(layout->Kind, model);
            for (ChannelRecord& ch : data.*layout->Records) {
                for (const ChannelField* f : fields) {
                    std::visit([&](auto member) { Randomise(ch.*member, *f); }, f->Member);
                }
                ch.Duplex = ch.Duplex && ch.DuplexAllowed;  // a slot without a duplex frequency never is
            }
        }
    }

private:
    void ApplyDsc(RadioData& data)
    {
        CommitDigitField(false, 9, Digits(9), data.DscBasicSetup.UserMmsi);
        for (DirectoryEntry& entry : data.IndividualDirectory) {
            Entry(entry, FieldId::IndividualName, 9);
        }
        for (DirectoryEntry& entry : data.GroupDirectory) {
            Entry(entry, FieldId::GroupName, 8);
        }
    }

    void Entry(DirectoryEntry& entry, FieldId name, int digits)
    {
        entry.Enabled = Flag();
        entry.TagName = Text(name);
        CommitDigitField(false, digits, Digits(digits), entry.Mmsid);
    }

    // A channel field: any number its key takes, a frequency, or a text (one without a "#" to lose
    // in front unless the key writes one).
    void Randomise(bool& flag, const ChannelField&) { flag = Flag(); }
    void Randomise(double& mhz, const ChannelField&) { mhz = Frequency(); }
    void Randomise(std::string& text, const ChannelField& f)
    {
        text = Text(f.File.Hashed ? FieldId::ChannelName : FieldId::ChannelLeft);
    }
    template <typename Integer>
    void Randomise(Integer& value, const ChannelField& f)
    {
        value = static_cast<Integer>(Number(0, static_cast<int>(FiledLast(f))));
    }

    int Number(int first, int last) { return std::uniform_int_distribution(first, last)(m_random); }
    bool Flag() { return Number(0, 1) == 1; }
    // Empty, or exactly `count` digits.
    std::string Digits(int count)
    {
        std::string digits;
        for (int i = Flag() ? count : 0; i > 0; --i) {
            digits += static_cast<char>('0' + Number(0, 9));
        }
        return digits;
    }
    // Typed into the box: printable characters, those the box takes kept.
    std::string Text(FieldId field, int length = 14)
    {
        std::string typed;
        for (int i = Number(0, length); i > 0; --i) {
            typed += static_cast<char>(Number(0x20, 0x7E));
        }
        std::string text = FilterText(field, typed);
        text.erase(text.find_last_not_of(' ') + 1);
        return text;
    }
    double Frequency() { return Flag() ? 0.0 : Number(1340000, 1740000) / 10000.0; }

    std::mt19937 m_random;
};

// Saved and opened again through files.
TEST(DataFileRoundTrip, EveryFieldOfEveryPageComesBackOnEveryModel)
{
    for (int model = 0; model < kModelCount; ++model) {
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            SCOPED_TRACE(testing::Message() << "model " << model << " seed " << seed);
            TempFolder folder;
            RadioData saved = ResetData(model);
            RandomEdits(seed).Apply(saved);
            ShellState shell;
            RecordingUi ui;
            SaveFileAs(saved, shell, ui, folder / "first.dat");
            RadioData loaded = ResetData(model);
            RandomEdits(seed + 100).Apply(loaded);
            EXPECT_EQ(FileRead2(loaded, shell, ui, folder / "first.dat"), RejectedValues{});
            ASSERT_FALSE(shell.ErrorFlag);
            EXPECT_TRUE(ui.Messages.empty());
            SaveFileAs(loaded, shell, ui, folder / "second.dat");
            EXPECT_EQ(ReadFileText(folder / "first.dat"), ReadFileText(folder / "second.dat"));
            if (HasDsc(model)) {
                EncodePresetBytes(saved);
            }
            KeepEntriesAsLoaded(saved);  // a load takes its entries as the ones last opened
            EXPECT_TRUE(loaded == saved);
        }
    }
}

// Nothing changes on a refusal, not even what the file's other sections would set.
TEST(DataFileRoundTrip, AFileOfAnotherModelOrWithoutAModelNumberIsRefused)
{
    const auto refused = [](int model, const std::string& text) {
        RadioData data = ResetData(model);
        const RadioData before = data;
        ShellState shell;
        RecordingUi ui;
        ReadDataFile(data, shell, ui, text);
        return shell.ErrorFlag && !shell.CancelFlag && data == before &&
               ui.Messages == OkBox("different model!!", MessageIcon::Critical);
    };
    RadioData edited = ResetData(0);
    RandomEdits(1).Apply(edited);
    const std::string text = DataFileText(edited, ShellState());
    EXPECT_TRUE(refused(3, text));
    EXPECT_TRUE(refused(0, std::string(text).replace(text.find("MODELTYPE="), 13, "MODELTYPE=abc\r\n")));
}

// Before a file is opened: the model it names, when it names one of the seven and can be read.
TEST(DataFileModel, TheModelNumberTheFileNamesOrNothing)
{
    TempFolder folder;
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"\xEF\xBB\xBF[MAIN]\r\nMODELTYPE= 3\t\r\n", 3},
        {"[MAIN]\r\nMODELTYPE=7\r\n", std::nullopt},
        {"[MAIN]\r\nMODELTYPE=abc\r\n", std::nullopt},
        {"[OTHER]\r\nMODELTYPE=2\r\n", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        WriteFileAtomically(folder / "odd.dat", text);
        EXPECT_EQ(DataFileModel(folder / "odd.dat"), expected) << text;
    }
    EXPECT_EQ(DataFileModel(folder.Path), std::nullopt);
}

// A file with nothing but its model number: the records and the image stay, and the load names
// every section a file of the model holds (those of the DSC models the older file's test names).
TEST(ReadDataFile, AFileWithoutItsSectionsChangesNothingAndNamesTheMissingSections)
{
    RadioData data = ResetData(5);
    RandomEdits(7).Apply(data);
    const RadioData before = data;
    ShellState shell;
    RecordingUi ui;
    EXPECT_EQ(ReadDataFile(data, shell, ui, "[MAIN]\r\nMODELTYPE=5\r\n"),
              RejectedValues{"sections not in the file: [Usable CH Group Setup], [Common Setup], "
                             "[ATIS Setup (Common)], [CHUSA0]..[CHUSA239], [CHINT0]..[CHINT239], "
                             "[CHCAN0]..[CHCAN239], [CHWX0]..[CHWX9], [CHEXP1]..[CHEXP40], [PRISETCH]"});
    EXPECT_TRUE(data == before);
    EXPECT_TRUE(ui.Messages.empty() && !shell.ErrorFlag);
}

// A file written before the directories, the User MMSI and the call signs were kept loads as it
// did; only the sections it lacks are named.
TEST(ReadDataFile, AnOlderFileKeepsTheDirectoriesUserMmsiAndCallSigns)
{
    RadioData data = ResetData(0);
    RandomEdits(3).Apply(data);
    std::string text = DataFileText(data, ShellState());
    text.erase(text.find("[DSC Setup]"));
    RadioData loaded = ResetData(0);
    RandomEdits(4).Apply(loaded);
    RadioData expected = data;
    expected.DscBasicSetup.UserMmsi = loaded.DscBasicSetup.UserMmsi;
    expected.IndividualDirectory = loaded.IndividualDirectory;
    expected.GroupDirectory = loaded.GroupDirectory;
    expected.AtisCallSigns = loaded.AtisCallSigns;
    EncodePresetBytes(expected);
    KeepEntriesAsLoaded(expected);
    ShellState shell;
    RecordingUi ui;
    EXPECT_EQ(ReadDataFile(loaded, shell, ui, text),
              RejectedValues{"sections not in the file: [CHMMSID1]..[CHMMSID40], [CHGRPID1]..[CHGRPID10], "
                             "[DSC Setup], [ATIS Setup (Call Sign)]"});
    EXPECT_TRUE(loaded == expected);
}

// Directory sections fill their entries. An MMSI is ten digits or nothing; anything else, fewer or
// more digits included, keeps the entry's MMSI and is named. An entry after a free one or after a missing
// section is read all the same.
TEST(ReadDataFile, DirectoriesAreReadAndMmsisOfTheWrongFormAreNamedAndNotTaken)
{
    Load load;
    load.Data.ModelIndex = 0;
    for (DirectoryEntry& entry : load.Data.IndividualDirectory) {
        entry = {true, "OLD", "1111111110"};
    }
    load.Data.GroupDirectory[0] = {true, "FLEET", "1111111110"};
    load.Data.DscBasicSetup.UserMmsi = "3669999990";
    const RejectedValues rejected = load.Read(
        "[MAIN]\r\nMODELTYPE=0\r\n[DSC Setup]\r\nUser MMSI=12345678901\r\n"
        "[CHMMSID1]\r\nEnable=0\r\nTagName=#BOAT\r\nMmsid=12345ABCD0\r\n[CHMMSID2]\r\nMmsid=123\r\n"
        "[CHMMSID3]\r\nMmsid=\r\nTagName=\r\n[CHMMSID5]\r\nTagName=#  LATE\r\nMmsid=3381234560\r\n"
        "[CHGRPID1]\r\nEnable=0\r\nMmsid=#0123456780\r\n");
    const auto& individual = load.Data.IndividualDirectory;
    EXPECT_EQ(individual[0], (DirectoryEntry{false, "BOAT", "1111111110"}));
    EXPECT_EQ(individual[1], (DirectoryEntry{true, "OLD", "1111111110"}));
    EXPECT_EQ(individual[2], (DirectoryEntry{true, "", ""}));
    EXPECT_EQ(individual[3], (DirectoryEntry{true, "OLD", "1111111110"}));
    EXPECT_EQ(individual[4], (DirectoryEntry{true, "  LATE", "3381234560"}));
    EXPECT_EQ(load.Data.GroupDirectory[0], (DirectoryEntry{false, "FLEET", "0123456780"}));
    EXPECT_EQ(load.Data.DscBasicSetup.UserMmsi, "3669999990");
    ASSERT_FALSE(rejected.empty());
    EXPECT_EQ(RejectedValues(rejected.begin() + 1, rejected.end()),
              (RejectedValues{"[CHMMSID1] Mmsid=12345ABCD0", "[CHMMSID2] Mmsid=123",
                              "[DSC Setup] User MMSI=12345678901"}));
    EXPECT_NE(rejected[0].find("[CHMMSID4], [CHMMSID6]..[CHMMSID40], [CHGRPID2]..[CHGRPID10]"),
              std::string::npos);
}

}  // namespace
}  // namespace kelpie
