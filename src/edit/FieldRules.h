// FieldRules.h — the rules of the editor's text boxes: which characters each box takes, how long
// its text may be, the hint it shows, and the four commit routines that check a box's text and
// turn it into the stored value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelpie {

// The text boxes of the editor. The MMSI box of the entry page is one control, txtGMMSI, with
// the rules of the directory it shows.
enum class FieldId {
    UserMmsi,        // txtUserMMSI
    IndividualMmsi,  // txtGMMSI, individual directory
    GroupMmsi,       // txtGMMSI, group directory
    IndividualName,  // txtGPosi, individual directory
    GroupName,       // txtGPosi, group directory
    AtisCode,        // txtATIScode
    AtisMid,         // txtATISMid(i)
    AtisDisp,        // txtATISDisp(i)
    StatusName,      // txtUsable(i)
    ChannelLeft,     // txtCN(0)
    ChannelRight,    // txtCN(1)
    RxFreq,          // txtCRF
    TxFreq,          // txtCTF
    ChannelName,     // txtCTag
    WeatherName,     // txtDTagName(i)
};

// The box's length limit; 0 for a box without one.
int MaxLength(FieldId field);
// The status-bar text shown while the box has the focus.
std::string_view FocusHint(FieldId field);
// The title of the "Data Error!!" box when the box's check fails; empty for boxes without a check.
std::string_view FailureTitle(FieldId field);
// Boxes whose text is checked and committed on leaving (MMSI, ATIS code, status name, frequency).
bool IsVerifiedField(FieldId field);

inline constexpr std::string_view kDataErrorText = "Data Error!!";

// The rule a box's value must follow, in the model's own figures: "RX frequency: 134.0000–174.0000
// MHz in steps of 5 or 6.25 kHz", "User MMSI: 9 digits, or empty", the characters and length of a
// name. UTF-8 text for messages and the status bar.
std::string RuleText(FieldId field, int modelIndex);
// What a refused value shows: "Data Error!!", then the rule on the next line.
std::string RefusalText(FieldId field, int modelIndex);

// The text as the box takes it, whether typed or pasted: characters outside the box's set are
// dropped, lower-case letters are folded where the box folds them, "M" and "K" survive only as
// the first character of txtCN(0), control characters never reach a box, and the text is cut to
// the box's length limit. Texts are 8-bit, one byte per character.
std::string FilterText(FieldId field, std::string_view text);

// A keystroke or a paste: `before` is the box's text as it stood, `after` the text with the new
// characters in place of the selection. Nothing when the new characters hold none the box takes:
// the edit is refused whole and the box keeps its text and its selection, so that a stray key
// never erases a value. Otherwise the text as the box takes it (FilterText of after); an edit
// that only removes characters is always taken.
std::optional<std::string> FilterEdit(FieldId field, std::string_view before, std::string_view after);

// What a commit routine decided: ok, and the text the box shows afterwards.
struct CommitOutcome
{
    bool ok = false;
    std::string shown;
};

// MMSI boxes. The trimmed text must be empty or exactly `digits` digits. Stored: a "0" in front
// of an 8-digit group MMSI, then a "0" appended to the 9 digits; empty stays empty. Refused with
// report false, the box shows the stored value again.
CommitOutcome CommitDigitField(bool report, int digits, std::string_view box, std::string& target);
// The ATIS code: the same length rule, stored as typed.
CommitOutcome CommitDigitText(bool report, int digits, std::string_view box, std::string& target);
// Status names: the trimmed text, right-aligned to `width` characters unless empty. Always ok.
CommitOutcome CommitPaddedText(int width, std::string_view box, std::string& target);
// Bank E frequencies: the leading number of the text (empty is zero and allowed) within the model's
// band, on the 25 kHz raster where the model needs it. Stored in MHz; the box shows "000.0000" or
// "---.----". Refused, nothing is stored; with report true the box keeps the text, with report
// false it shows the stored frequency again.
CommitOutcome CommitFrequency(bool report, int modelIndex, std::string_view box, double& target);

// The text an MMSI box shows for a stored MMSI: the typed digits without the appended "0", and for
// a group MMSI without its leading "0", so that committing the shown text stores the same value.
std::string MmsiBoxText(std::string_view stored, int digits);
// The MID of an ATIS call-sign row as it is shown and stored after leaving its box: at least three
// digits, zero-filled on the left; empty stays empty.
std::string AtisMidText(std::string_view text);

}  // namespace kelpie
