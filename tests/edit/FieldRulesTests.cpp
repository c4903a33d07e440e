#include <gtest/gtest.h>

#include "Editing.h"

namespace kelpie {
namespace {

TEST(CommitFrequency, BandAndRasterPerModel)
{
    // model, typed text, taken, shown text, stored frequency (starting from 150.0)
    const std::tuple<int, const char*, bool, const char*, double> cases[] = {
        {4, "134.0000", true, "134.0000", 134.0},
        {2, "134.0000", false, "134.0000", 150.0},
        {0, "156.0125", false, "156.0125", 150.0},
        {1, "156.0125", true, "156.0125", 156.0125},
        {0, "156.025", true, "156.0250", 156.025},
        {3, "136.975", false, "136.975", 150.0},
        {5, "174", true, "174.0000", 174.0},
        {5, "174.0001", false, "174.0001", 150.0},
        {5, "", true, "---.----", 0.0},
        {5, ".", false, ".", 150.0},
        {5, "150.0001", true, "150.0000", 150.0},
        {6, "160.1.5", true, "160.1000", 160.1},
    };
    for (const auto& [model, text, ok, shown, expected] : cases) {
        SCOPED_TRACE(std::string(text) + " on model " + std::to_string(model));
        double stored = 150.0;
        const CommitOutcome outcome = CommitFrequency(true, model, text, stored);
        EXPECT_EQ(outcome.ok, ok);
        EXPECT_EQ(outcome.shown, shown);
        EXPECT_DOUBLE_EQ(stored, expected);
    }
    // Refused without a report, the box shows the stored frequency again.
    double stored = 150.05;
    EXPECT_EQ(CommitFrequency(false, 2, "134", stored).shown, "150.0500");
    stored = 0.0;
    EXPECT_EQ(CommitFrequency(false, 5, "180", stored).shown, "---.----");
}

TEST(CommitDigitField, LengthsAndStoredFormsOfMmsis)
{
    // digits, typed text, taken, stored text (starting from "2233445560")
    const std::tuple<int, const char*, bool, const char*> cases[] = {
        {9, "123456789", true, "1234567890"},  {9, " 123456789 ", true, "1234567890"},
        {9, "12345678", false, "2233445560"},  {9, "1234567890", false, "2233445560"},
        {9, "12345678a", false, "2233445560"}, {8, "12345678", true, "0123456780"},
        {8, "123456789", false, "2233445560"}, {9, "", true, ""},
    };
    for (const auto& [digits, text, ok, expected] : cases) {
        std::string stored = "2233445560";
        EXPECT_EQ(CommitDigitField(true, digits, text, stored).ok, ok) << text;
        EXPECT_EQ(stored, expected) << text;
    }
    std::string group = "0123456780";
    EXPECT_EQ(CommitDigitField(false, 8, "1234", group).shown, "12345678");
    EXPECT_EQ(CommitDigitField(true, 8, "87654321", group).shown, "87654321");
}

TEST(CommitDigitText, AtisCodeAndStatusNames)
{
    std::string code = "9876543210";
    EXPECT_FALSE(CommitDigitText(true, 10, "123456789", code).ok);
    EXPECT_EQ(CommitDigitText(false, 10, "123456789", code).shown, "9876543210");
    EXPECT_TRUE(CommitDigitText(true, 10, "0123456789", code).ok);
    EXPECT_EQ(code, "0123456789");

    const std::pair<const char*, const char*> names[] = {
        {"AB", "  AB"}, {" AB ", "  AB"}, {"SHIP", "SHIP"}, {"  ", ""}};
    for (const auto& [text, expected] : names) {
        std::string stored = "OLD";
        EXPECT_TRUE(CommitPaddedText(4, text, stored).ok);
        EXPECT_EQ(stored, expected) << text;
    }
}

TEST(FilterText, TypedAndPastedTextFollowTheBoxRules)
{
    const std::tuple<FieldId, const char*, const char*> cases[] = {
        {FieldId::ChannelLeft, "M1", "M1"},
        {FieldId::ChannelLeft, "1M", "1"},
        {FieldId::ChannelLeft, "MK", "M"},
        {FieldId::ChannelLeft, "K1M2", "K1"},
        {FieldId::ChannelLeft, "bBdD", "bd"},
        {FieldId::ChannelRight, "M1", "1"},
        {FieldId::ChannelName, "abc-/,_. z", "ABC-/,_. Z"},
        {FieldId::ChannelName, "a*b()+cdefghijklmn", "ABCDEFGHIJKL"},
        {FieldId::IndividualName, "s*(1)+.,/-_", "s*(1)+.,/-"},
        {FieldId::UserMmsi, "12a34 5678901", "123456789"},
        {FieldId::AtisCode, "01234567891", "0123456789"},
        {FieldId::AtisMid, "1x23456", "123456"},
        {FieldId::AtisDisp, "a-B1 ", "aB1"},
        {FieldId::StatusName, "a_b(c)", "ab(c"},
        {FieldId::RxFreq, "15a6.05 MHz", "156.05"},
        {FieldId::WeatherName, "wx\r\n\tAny*#=[]~\xC4\xD6\xE9 1", "WXANY 1"},
    };
    for (const auto& [field, text, accepted] : cases) {
        EXPECT_EQ(FilterText(field, text), accepted) << text;
    }
}

// A key or paste over a selection: "before" the box's text, "after" the text the edit would give.
TEST(FilterEdit, AnEditWithoutACharacterTheBoxTakesIsRefusedWhole)
{
    const std::tuple<FieldId, const char*, const char*> refused[] = {
        {FieldId::TxFreq, "151.8213", "q"},  // typed over the selected text
        {FieldId::TxFreq, "151.8213", ","},
        {FieldId::UserMmsi, "366999999", "\xD0\x96"},           // a Cyrillic letter, as its bytes
        {FieldId::AtisCode, "9211234560", "\xF0\x9F\x98\x80"},  // an emoji
        {FieldId::IndividualMmsi, "338123456", "338x123456"},   // typed in the middle
        {FieldId::WeatherName, "NOAA", "NOAA\xC4"},
        {FieldId::ChannelName, "HARBOUR", "~#!"},  // pasted over everything
    };
    for (const auto& [field, before, after] : refused) {
        EXPECT_EQ(FilterEdit(field, before, after), std::nullopt) << after;
    }
    const std::tuple<FieldId, const char*, const char*, const char*> taken[] = {
        {FieldId::TxFreq, "151.8213", "1q5", "15"},           // a paste keeps its valid characters
        {FieldId::TxFreq, "151.8213", "151.821", "151.821"},  // a deletion
        {FieldId::TxFreq, "151.8213", "", ""},                // the whole text deleted
        {FieldId::UserMmsi, "36699", "366993", "366993"},
        {FieldId::ChannelName, "AB", "AbB", "ABB"},  // a repeated letter typed in the middle
        {FieldId::WeatherName, "", "noaa 1", "NOAA 1"},
    };
    for (const auto& [field, before, after, text] : taken) {
        EXPECT_EQ(FilterEdit(field, before, after), std::optional<std::string>(text)) << after;
    }
}

TEST(RuleText, EachKindOfBoxNamesItsRuleInTheModelsOwnFigures)
{
    EXPECT_EQ(RuleText(FieldId::RxFreq, 5), "RX frequency: 134.0000–174.0000 MHz in steps of 5 or 6.25 kHz");
    EXPECT_EQ(RuleText(FieldId::TxFreq, 2), "TX frequency: 137.0000–174.0000 MHz in steps of 5 or 6.25 kHz");
    EXPECT_EQ(RuleText(FieldId::RxFreq, 0), "RX frequency: 137.0000–174.0000 MHz in steps of 25 kHz");
    EXPECT_EQ(RuleText(FieldId::UserMmsi, 0), "User MMSI: 9 digits, or empty");
    EXPECT_EQ(RuleText(FieldId::GroupMmsi, 0),
              "Group Directory MMSI: 8 digits, Kelpie puts the leading 0 in front; empty deletes the entry");
    EXPECT_EQ(RuleText(FieldId::AtisCode, 0), "ATIS code: 10 digits, or empty");
    EXPECT_EQ(
        RuleText(FieldId::ChannelLeft, 5),
        "Channel number: 2 characters (0–9, A, b, C, d, E, F, G, H, I, J, L, n, o, P, q, r, t, S, U, y; "
        "M or K only first)");
    EXPECT_EQ(RuleText(FieldId::ChannelName, 5),
              "Channel name: up to 12 characters (A–Z, a–z, 0–9, blank, -, /, ,, _, .)");
    EXPECT_EQ(RuleText(FieldId::IndividualName, 0),
              "Station name: up to 11 characters (A–Z, a–z, 0–9, blank, -, /, *, (, ), +, ., ,)");
    EXPECT_EQ(RefusalText(FieldId::AtisCode, 0), "Data Error!!\nATIS code: 10 digits, or empty");
}

TEST(FieldInput, CheckedBoxIsCommittedOnLeavingAndRefusalKeepsTheStoredValue)
{
    Editing f;
    const FieldRef box{FieldId::UserMmsi};
    f.Data.DscBasicSetup.UserMmsi = "1111111110";
    EXPECT_TRUE(f.Input.Change(f.Ctx, box, "12345678").edited);
    EXPECT_TRUE(f.Input.FieldChanged() && f.Shell.DataChanged);

    const FieldCommit refused = f.Input.Validate(f.Ctx, box, "12345678");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.failureTitle, "User MMSI");
    EXPECT_EQ(refused.failureText, RefusalText(FieldId::UserMmsi, f.Data.ModelIndex));
    EXPECT_TRUE(f.Input.FieldChanged());
    const FieldCommit quiet = f.Input.LostFocus(f.Ctx, box, "12345678");
    EXPECT_EQ(quiet.shown, "111111111");
    EXPECT_FALSE(f.Input.FieldChanged());
    EXPECT_EQ(f.Data.DscBasicSetup.UserMmsi, "1111111110");

    f.Input.Change(f.Ctx, box, "123456789");
    EXPECT_TRUE(f.Input.Validate(f.Ctx, box, "123456789").ok);
    EXPECT_EQ(f.Data.DscBasicSetup.UserMmsi, "1234567890");
    f.Input.LostFocus(f.Ctx, box, "987654321");  // nothing typed since
    EXPECT_EQ(f.Data.DscBasicSetup.UserMmsi, "1234567890");
}

TEST(FieldInput, NameBoxesWriteOnEveryChangeStatusNamesOnLeavingAndNothingWhileBusy)
{
    Editing f;
    EXPECT_EQ(f.Input.Change(f.Ctx, {FieldId::ChannelName, kGroupIntl, 32}, "calling").rewrite, "CALLING");
    EXPECT_EQ(f.Data.IntlChannels[32].ChTag, "CALLING");
    EXPECT_TRUE(f.Shell.DataChanged);
    EXPECT_EQ(f.Input.Change(f.Ctx, {FieldId::WeatherName, 0, 3}, "noaa").rewrite, "NOAA");
    EXPECT_EQ(f.Data.WxChannels[3].ChTag, "NOAA");
    f.Input.Change(f.Ctx, {FieldId::AtisMid, 0, 2}, "7");
    EXPECT_EQ(f.Data.AtisCallSigns[2].MID, "7");
    EXPECT_EQ(f.Input.LostFocus(f.Ctx, {FieldId::AtisMid, 0, 2}, "7").shown, "007");
    EXPECT_EQ(f.Data.AtisCallSigns[2].MID, "007");
    f.Shell.DataChanged = false;
    EXPECT_EQ(f.Input.LostFocus(f.Ctx, {FieldId::AtisMid, 0, 2}, "007").shown, "007");
    EXPECT_FALSE(f.Shell.DataChanged);

    // A status name is committed right-aligned, and the captions that show it are refreshed.
    f.Input.Change(f.Ctx, {FieldId::StatusName, 0, 1}, "AB");
    const FieldCommit status = f.Input.Validate(f.Ctx, {FieldId::StatusName, 0, 1}, "AB");
    EXPECT_TRUE(status.ok && status.captionsChanged);
    EXPECT_EQ(f.Data.UsableGroups[1].StatusName, "  AB");

    f.Shell.DataChanged = false;
    f.Shell.BusyFlag = true;
    EXPECT_FALSE(f.Input.Change(f.Ctx, {FieldId::ChannelName, kGroupIntl, 32}, "X").edited);
    EXPECT_EQ(f.Data.IntlChannels[32].ChTag, "CALLING");
    EXPECT_FALSE(f.Shell.DataChanged);
}

TEST(FieldInput, ChannelBoxesEditOnlyTheExtraBank)
{
    Editing f;
    EXPECT_EQ(f.Input.Change(f.Ctx, {FieldId::ChannelLeft, kGroupBankE, 4}, "M1K").rewrite, "M1");
    f.Input.Change(f.Ctx, {FieldId::ChannelRight, kGroupBankE, 4}, "bM");
    EXPECT_EQ(f.Data.ExpChannels[4].CHDisplayL, "M1");
    EXPECT_EQ(f.Data.ExpChannels[4].CHDisplayR, "B");

    const FieldRef rx{FieldId::RxFreq, kGroupBankE, 0};
    f.Input.Change(f.Ctx, rx, "175");
    const FieldCommit refused = f.Input.Validate(f.Ctx, rx, "175");
    EXPECT_EQ(refused.failureTitle, "Rx frequency");
    EXPECT_EQ(refused.failureText, RefusalText(FieldId::RxFreq, 5));
    EXPECT_TRUE(f.Input.Validate(f.Ctx, rx, "134").ok);
    EXPECT_DOUBLE_EQ(f.Data.ExpChannels[0].Rxfreq, 134.0);

    const ChannelRecord before = f.Data.UsaChannels[32];
    EXPECT_FALSE(f.Input.Change(f.Ctx, {FieldId::ChannelLeft, kGroupUsa, 32}, "12").edited);
    EXPECT_FALSE(f.Input.Change(f.Ctx, {FieldId::RxFreq, kGroupUsa, 32}, "150").edited);
    f.Input.Validate(f.Ctx, {FieldId::RxFreq, kGroupUsa, 32}, "150");
    EXPECT_EQ(f.Data.UsaChannels[32], before);
}

}  // namespace
}  // namespace kelpie
