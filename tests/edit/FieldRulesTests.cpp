#include <gtest/gtest.h>

#include "edit/FieldInput.h"
#include "edit/FieldRules.h"
#include "support/ResetData.h"

namespace kelpie {
namespace {

struct FrequencyCase
{
    int model;
    const char* text;
    bool ok;
    const char* shown;
    double stored;  // starting from 150.0
};

TEST(CommitFrequency, BandAndRasterPerModel)
{
    const FrequencyCase cases[] = {
        {4, "134.0000", true, "134.0000", 134.0},   // MV220 goes down to 134 MHz
        {2, "134.0000", false, "134.0000", 150.0},  // MV210 starts at 137 MHz
        {0, "156.0125", false, "156.0125", 150.0},  // MF7500S: off the 25 kHz raster
        {1, "156.0125", true, "156.0125", 156.0125},
        {0, "156.025", true, "156.0250", 156.025},
        {3, "136.975", false, "136.975", 150.0},
        {5, "174", true, "174.0000", 174.0},
        {5, "174.0001", false, "174.0001", 150.0},
        {5, "", true, "---.----", 0.0},
        {5, ".", false, ".", 150.0},
        {5, "150.0001", true, "150.0000", 150.0},  // stored as the display rounds it
        {6, "160.1.5", true, "160.1000", 160.1},   // the leading number
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " on model " + std::to_string(c.model));
        double stored = 150.0;
        const CommitOutcome outcome = CommitFrequency(true, c.model, c.text, stored);
        EXPECT_EQ(outcome.ok, c.ok);
        EXPECT_EQ(outcome.shown, c.shown);
        EXPECT_DOUBLE_EQ(stored, c.stored);
    }
}

TEST(CommitFrequency, QuietRefusalShowsTheStoredFrequencyAgain)
{
    double stored = 150.05;
    EXPECT_EQ(CommitFrequency(false, 2, "134", stored).shown, "150.0500");
    EXPECT_DOUBLE_EQ(stored, 150.05);
    stored = 0.0;
    EXPECT_EQ(CommitFrequency(false, 5, "180", stored).shown, "---.----");
}

TEST(CommitDigitField, LengthsAndStoredFormsOfMmsis)
{
    struct Case
    {
        int digits;
        const char* text;
        bool ok;
        const char* stored;  // starting from "2233445560"
        const char* shown;
    };
    const Case cases[] = {
        {9, "123456789", true, "1234567890", "123456789"},
        {9, " 123456789 ", true, "1234567890", "123456789"},
        {9, "12345678", false, "2233445560", "12345678"},
        {9, "1234567890", false, "2233445560", "1234567890"},
        {9, "12345678a", false, "2233445560", "12345678a"},
        {8, "12345678", true, "0123456780", "12345678"},
        {8, "123456789", false, "2233445560", "123456789"},
        {9, "", true, "", ""},
        {8, "  ", true, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string stored = "2233445560";
        const CommitOutcome outcome = CommitDigitField(true, c.digits, c.text, stored);
        EXPECT_EQ(outcome.ok, c.ok);
        EXPECT_EQ(stored, c.stored);
        EXPECT_EQ(outcome.shown, c.shown);
    }
    std::string group = "0123456780";
    EXPECT_EQ(CommitDigitField(false, 8, "1234", group).shown, "12345678");
    std::string individual = "1234567890";
    EXPECT_EQ(CommitDigitField(false, 9, "1234", individual).shown, "123456789");
}

TEST(CommitDigitText, AtisCodeKeepsItsTenDigits)
{
    std::string code = "9876543210";
    EXPECT_FALSE(CommitDigitText(true, 10, "123456789", code).ok);
    EXPECT_EQ(CommitDigitText(false, 10, "123456789", code).shown, "9876543210");
    EXPECT_TRUE(CommitDigitText(true, 10, "0123456789", code).ok);
    EXPECT_EQ(code, "0123456789");
    EXPECT_TRUE(CommitDigitText(true, 10, "", code).ok);
    EXPECT_EQ(code, "");
}

TEST(CommitPaddedText, StatusNamesAreRightAligned)
{
    const std::pair<const char*, const char*> cases[] = {
        {"AB", "  AB"}, {" AB ", "  AB"}, {"SHIP", "SHIP"}, {"", ""}, {"   ", ""}, {"X", "   X"}};
    for (const auto& [text, expected] : cases) {
        std::string stored = "OLD";
        EXPECT_TRUE(CommitPaddedText(4, text, stored).ok);
        EXPECT_EQ(stored, expected) << text;
    }
}

TEST(FilterText, TypedAndPastedTextFollowTheBoxRules)
{
    struct Case
    {
        FieldId field;
        const char* text;
        const char* accepted;
    };
    const Case cases[] = {
        {FieldId::ChannelLeft, "M1", "M1"},
        {FieldId::ChannelLeft, "1M", "1"},
        {FieldId::ChannelLeft, "K", "K"},
        {FieldId::ChannelLeft, "MK", "M"},
        {FieldId::ChannelLeft, "1M2K", "12"},
        {FieldId::ChannelLeft, "bBdD", "bd"},
        {FieldId::ChannelRight, "M1", "1"},
        {FieldId::ChannelRight, "Ay", "Ay"},
        {FieldId::ChannelName, "abc-/,_. z", "ABC-/,_. Z"},
        {FieldId::ChannelName, "a*b()+", "AB"},
        {FieldId::ChannelName, "abcdefghijklmn", "ABCDEFGHIJKL"},
        {FieldId::IndividualName, "s*(1)+.,/-_", "s*(1)+.,/-"},
        {FieldId::GroupName, "abcdefghijkl", "abcdefghijk"},
        {FieldId::UserMmsi, "12a34 5678901", "123456789"},
        {FieldId::AtisCode, "01234567891", "0123456789"},
        {FieldId::AtisMid, "1x23456", "123456"},
        {FieldId::AtisDisp, "a-B1 ", "aB1"},
        {FieldId::StatusName, "ab(c)", "ab(c"},
        {FieldId::StatusName, "a_b", "ab"},
        {FieldId::RxFreq, "15a6.05 MHz", "156.05"},
        {FieldId::WeatherName, "wx\r\n\tAny*#", "wxAny*#"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FilterText(c.field, c.text), c.accepted) << c.text;
    }
}

TEST(FieldRules, LimitsHintsAndFailureTitles)
{
    struct Case
    {
        FieldId field;
        int limit;
        const char* hint;
        const char* title;
    };
    const Case cases[] = {
        {FieldId::UserMmsi, 9, "Numeric Only. Indispensable 9 figures.", "User MMSI"},
        {FieldId::IndividualMmsi, 9, "Numeric Only. Indispensable 9 figures.", "Individual Directory MMSI"},
        {FieldId::GroupMmsi, 9, "Numeric Only. Indispensable 9 figures.", "Group Directory MMSI"},
        {FieldId::IndividualName, 11, "A maximum of 10 characters.", ""},
        {FieldId::AtisCode, 10, "Numeric Only. Indispensable 10 figures.", "ATISNo"},
        {FieldId::AtisMid, 0, "Numeric Only. Indispensable 3 figures.", ""},
        {FieldId::AtisDisp, 0, "Indispensable 3 figures.", ""},
        {FieldId::StatusName, 4, "max 4 charactors.", ""},
        {FieldId::ChannelLeft, 2, "Indispensable 2 figures.", ""},
        {FieldId::RxFreq, 8, "Rx frequency", "Rx frequency"},
        {FieldId::TxFreq, 8, "Tx frequency", "Tx frequency"},
        {FieldId::ChannelName, 12, "A maximum of 12 characters", ""},
        {FieldId::WeatherName, 12, "A maximum of 12 characters", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MaxLength(c.field), c.limit) << c.hint;
        EXPECT_EQ(FocusHint(c.field), c.hint);
        EXPECT_EQ(FailureTitle(c.field), c.title) << c.hint;
    }
}

TEST(AtisMidText, ZeroFilledToThreeDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"5", "005"}, {"0012", "012"}, {"1234", "1234"}, {"0", "000"}, {"366", "366"}};
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(AtisMidText(text), shown) << text;
    }
}

struct Form
{
    RadioData Data = ResetData(5);
    ShellState Shell;
    EditContext Ctx{Data, Shell};
    FieldInput Input;
};

TEST(FieldInput, CheckedBoxIsCommittedOnLeavingAndRefusalKeepsTheStoredValue)
{
    Form f;
    const FieldRef box{FieldId::UserMmsi};
    f.Data.DscBasicSetup.UserMmsi = "1111111110";
    EXPECT_TRUE(f.Input.Change(f.Ctx, box, "12345678").edited);
    EXPECT_TRUE(f.Input.FieldChanged());
    EXPECT_TRUE(f.Shell.DataChanged);

    const FieldCommit refused = f.Input.Validate(f.Ctx, box, "12345678");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.failureTitle, "User MMSI");
    EXPECT_TRUE(f.Input.FieldChanged());
    EXPECT_EQ(f.Data.DscBasicSetup.UserMmsi, "1111111110");

    const FieldCommit quiet = f.Input.LostFocus(f.Ctx, box, "12345678");
    EXPECT_FALSE(quiet.ok);
    EXPECT_EQ(quiet.shown, "111111111");
    EXPECT_FALSE(f.Input.FieldChanged());

    f.Input.Change(f.Ctx, box, "123456789");
    EXPECT_TRUE(f.Input.Validate(f.Ctx, box, "123456789").ok);
    EXPECT_EQ(f.Data.DscBasicSetup.UserMmsi, "1234567890");
    EXPECT_FALSE(f.Input.FieldChanged());
    // Nothing typed since: leaving commits nothing.
    EXPECT_TRUE(f.Input.LostFocus(f.Ctx, box, "999").ok);
    EXPECT_EQ(f.Data.DscBasicSetup.UserMmsi, "1234567890");
}

TEST(FieldInput, NameBoxesWriteOnEveryChangeAndNothingWhileBusy)
{
    Form f;
    const FieldChange tag = f.Input.Change(f.Ctx, {FieldId::ChannelName, kGroupIntl, 32}, "calling");
    EXPECT_EQ(f.Data.IntlChannels[32].ChTag, "CALLING");
    EXPECT_EQ(tag.rewrite, "CALLING");
    EXPECT_TRUE(f.Shell.DataChanged);

    f.Input.Change(f.Ctx, {FieldId::WeatherName, 0, 3}, "noaa");
    EXPECT_EQ(f.Data.WxChannels[3].ChTag, "noaa");
    f.Input.Change(f.Ctx, {FieldId::AtisDisp, 0, 19}, "abc");
    EXPECT_EQ(f.Data.AtisCallSigns[19].DISP, "abc");

    f.Shell.DataChanged = false;
    f.Shell.BusyFlag = true;
    EXPECT_FALSE(f.Input.Change(f.Ctx, {FieldId::ChannelName, kGroupIntl, 32}, "X").edited);
    EXPECT_EQ(f.Data.IntlChannels[32].ChTag, "CALLING");
    EXPECT_FALSE(f.Shell.DataChanged);
}

TEST(FieldInput, ChannelDisplayBoxesEditOnlyTheExtraBankAndStoreUpperCase)
{
    Form f;
    const FieldChange left = f.Input.Change(f.Ctx, {FieldId::ChannelLeft, kGroupBankE, 4}, "M1K");
    EXPECT_EQ(left.rewrite, "M1");
    EXPECT_EQ(f.Data.ExpChannels[4].CHDisplayL, "M1");
    f.Input.Change(f.Ctx, {FieldId::ChannelRight, kGroupBankE, 4}, "bM");
    EXPECT_EQ(f.Data.ExpChannels[4].CHDisplayR, "B");

    const ChannelRecord before = f.Data.UsaChannels[32];
    EXPECT_FALSE(f.Input.Change(f.Ctx, {FieldId::ChannelLeft, kGroupUsa, 32}, "12").edited);
    EXPECT_FALSE(f.Input.Change(f.Ctx, {FieldId::RxFreq, kGroupUsa, 32}, "150").edited);
    EXPECT_TRUE(f.Input.Validate(f.Ctx, {FieldId::RxFreq, kGroupUsa, 32}, "150").ok);
    EXPECT_EQ(f.Data.UsaChannels[32], before);
}

TEST(FieldInput, ExtraBankFrequencyCommittedWithTheModelsBand)
{
    Form f;
    const FieldRef rx{FieldId::RxFreq, kGroupBankE, 0};
    f.Input.Change(f.Ctx, rx, "134");
    EXPECT_TRUE(f.Input.Validate(f.Ctx, rx, "134").ok);
    EXPECT_DOUBLE_EQ(f.Data.ExpChannels[0].Rxfreq, 134.0);

    f.Input.Change(f.Ctx, rx, "175");
    const FieldCommit refused = f.Input.Validate(f.Ctx, rx, "175");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.failureTitle, "Rx frequency");
    EXPECT_DOUBLE_EQ(f.Data.ExpChannels[0].Rxfreq, 134.0);
}

TEST(FieldInput, AtisMidReformattedOnLeavingAndStatusNameRefreshesCaptions)
{
    Form f;
    f.Input.Change(f.Ctx, {FieldId::AtisMid, 0, 2}, "7");
    EXPECT_EQ(f.Data.AtisCallSigns[2].MID, "7");
    EXPECT_EQ(f.Input.LostFocus(f.Ctx, {FieldId::AtisMid, 0, 2}, "7").shown, "007");
    EXPECT_EQ(f.Data.AtisCallSigns[2].MID, "007");

    f.Input.Change(f.Ctx, {FieldId::StatusName, 0, 1}, "AB");
    const FieldCommit status = f.Input.Validate(f.Ctx, {FieldId::StatusName, 0, 1}, "AB");
    EXPECT_TRUE(status.ok && status.captionsChanged);
    EXPECT_EQ(f.Data.UsableGroups[1].StatusName, "  AB");
}

}  // namespace
}  // namespace kelpie
