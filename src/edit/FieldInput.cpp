// FieldInput.cpp — which record each box writes, and when.
#include "edit/FieldInput.h"

#include "edit/ChannelEdit.h"
#include "edit/DirectoryEdit.h"
#include "edit/SettingsEdit.h"
#include "model/Text.h"

namespace kelpie {

namespace {

// The boxes of the channel page that edit only an extra-bank channel.
bool IsExtraBankBox(FieldId field)
{
    return field == FieldId::ChannelLeft || field == FieldId::ChannelRight || field == FieldId::RxFreq ||
           field == FieldId::TxFreq;
}

bool IsEntryName(FieldId field)
{
    return field == FieldId::IndividualName || field == FieldId::GroupName;
}

DirectoryKind KindOf(FieldId field)
{
    return field == FieldId::IndividualMmsi || field == FieldId::IndividualName ? DirectoryKind::Individual
                                                                                : DirectoryKind::Group;
}

// The directory entry a box edits; only an entry in use takes a name or an MMSI.
DirectoryEntry* EntryOf(RadioData& data, const FieldRef& ref, DirectoryKind kind)
{
    const auto directory = DirectoryOf(data, kind);
    if (ref.index < 0 || ref.index >= static_cast<int>(directory.size())) {
        return nullptr;
    }
    DirectoryEntry& entry = directory[static_cast<std::size_t>(ref.index)];
    return entry.Enabled ? &entry : nullptr;
}

// The text a box writes on every change, when it is one of those boxes.
std::string* ChangeTarget(RadioData& data, const FieldRef& ref)
{
    const auto at = static_cast<std::size_t>(ref.index);
    switch (ref.field) {
        case FieldId::ChannelName:
            return &RecordOf(data, {ref.group, ref.index}).ChTag;
        case FieldId::WeatherName:
            return &data.WxChannels.at(at).ChTag;
        case FieldId::AtisMid:
            return &data.AtisCallSigns.at(at).MID;
        case FieldId::AtisDisp:
            return &data.AtisCallSigns.at(at).DISP;
        case FieldId::ChannelLeft:
            return &RecordOf(data, {ref.group, ref.index}).CHDisplayL;
        case FieldId::ChannelRight:
            return &RecordOf(data, {ref.group, ref.index}).CHDisplayR;
        default:
            return nullptr;
    }
}

// The step a box's edit makes, named after the box and its record.
StepLabel FieldStep(const RadioData& data, const FieldRef& ref)
{
    const ChannelRef channel{ref.group, ref.index};
    const std::string callSign = "ATIS call sign " + std::to_string(ref.index + 1);
    switch (ref.field) {
        case FieldId::UserMmsi:
            return {"User MMSI", "DSC"};
        case FieldId::IndividualMmsi:
        case FieldId::GroupMmsi:
            return EntryStep(KindOf(ref.field), ref.index + 1, "MMSI");
        case FieldId::IndividualName:
        case FieldId::GroupName:
            return EntryStep(KindOf(ref.field), ref.index + 1, "name");
        case FieldId::AtisCode:
            return {"ATIS code", "ATIS"};
        case FieldId::AtisMid:
            return {callSign + " MID", "ATIS"};
        case FieldId::AtisDisp:
            return {callSign + " display", "ATIS"};
        case FieldId::StatusName:
            return GroupStep(data, ref.index, "status name");
        case FieldId::ChannelLeft:
        case FieldId::ChannelRight:
            return ChannelStep(data, channel, "channel number");
        case FieldId::RxFreq:
            return ChannelStep(data, channel, "RX frequency");
        case FieldId::TxFreq:
            return ChannelStep(data, channel, "TX frequency");
        case FieldId::ChannelName:
            return ChannelStep(data, channel, "name");
        case FieldId::WeatherName:
            return WeatherStep(data, ref.index, "name");
    }
    return {};
}

// Typing in one box is one step, from its first change to its commit.
std::string MergeKey(const FieldRef& ref)
{
    return std::to_string(static_cast<int>(ref.field)) + ":" + std::to_string(ref.group) + ":" +
           std::to_string(ref.index);
}

}  // namespace

FieldChange FieldInput::Change(EditContext& ctx, const FieldRef& ref, std::string_view text)
{
    FieldChange change;
    if (ctx.shell.BusyFlag || IsEntryName(ref.field) ||
        (IsExtraBankBox(ref.field) && ref.group != kGroupBankE)) {
        return change;
    }
    const EditStep step(ctx, FieldStep(ctx.data, ref), MergeKey(ref));
    const std::string accepted = FilterText(ref.field, text);
    if (accepted != text) {
        change.rewrite = accepted;
    }
    if (IsVerifiedField(ref.field)) {
        m_fieldChanged = true;
    } else {
        const bool display = ref.field == FieldId::ChannelLeft || ref.field == FieldId::ChannelRight;
        *ChangeTarget(ctx.data, ref) = display ? ToUpper(accepted) : accepted;
    }
    ctx.shell.DataChanged = true;
    change.edited = true;
    return change;
}

FieldCommit FieldInput::Validate(EditContext& ctx, const FieldRef& ref, std::string_view text)
{
    return Committed(ctx, ref, text, &FieldInput::ValidateBox);
}

FieldCommit FieldInput::LostFocus(EditContext& ctx, const FieldRef& ref, std::string_view text)
{
    return Committed(ctx, ref, text, &FieldInput::LeaveBox);
}

FieldCommit FieldInput::Committed(EditContext& ctx, const FieldRef& ref, std::string_view text, Finish finish)
{
    FieldCommit done;
    {
        const EditStep step(ctx, FieldStep(ctx.data, ref), MergeKey(ref));
        done = (this->*finish)(ctx, ref, text);
    }
    if (done.ok) {
        EditStep::EndMerge(ctx.shell);
    }
    return done;
}

FieldCommit FieldInput::ValidateBox(EditContext& ctx, const FieldRef& ref, std::string_view text)
{
    if (!m_fieldChanged && !IsEntryName(ref.field)) {
        return {};
    }
    FieldCommit commit = Commit(ctx, ref, true, text);
    if (commit.ok) {
        m_fieldChanged = false;
    } else {
        commit.failureTitle = FailureTitle(ref.field);
    }
    return commit;
}

FieldCommit FieldInput::LeaveBox(EditContext& ctx, const FieldRef& ref, std::string_view text)
{
    if (ref.field == FieldId::AtisMid) {
        // The MID is shown and stored zero-filled; leaving the box unchanged is no edit.
        const std::string mid = AtisMidText(FilterText(ref.field, text));
        std::string& stored = ctx.data.AtisCallSigns.at(static_cast<std::size_t>(ref.index)).MID;
        if (stored != mid) {
            EditField(ctx, stored, mid);
        }
        FieldCommit commit;
        commit.shown = mid;
        return commit;
    }
    if (!m_fieldChanged && !IsEntryName(ref.field)) {
        return {};
    }
    m_fieldChanged = false;
    return Commit(ctx, ref, false, text);
}

FieldCommit FieldInput::Commit(EditContext& ctx, const FieldRef& ref, bool report, std::string_view text)
{
    FieldCommit commit;
    CommitOutcome outcome;
    switch (ref.field) {
        case FieldId::UserMmsi:
            outcome = CommitDigitField(report, 9, text, ctx.data.DscBasicSetup.UserMmsi);
            break;
        case FieldId::IndividualMmsi:
        case FieldId::GroupMmsi: {
            const DirectoryKind kind = KindOf(ref.field);
            DirectoryEntry* entry = EntryOf(ctx.data, ref, kind);
            if (entry == nullptr) {
                return commit;
            }
            outcome = CommitDigitField(report, MmsiDigits(kind), text, entry->Mmsid);
            commit.entryCleared = outcome.ok && entry->Mmsid.empty() && DeleteEntry(ctx, kind, ref.index + 1);
            break;
        }
        case FieldId::IndividualName:
        case FieldId::GroupName: {
            // The entry's name is taken as it stands whenever its box is left; a changed name is an
            // edit like any other.
            DirectoryEntry* entry = EntryOf(ctx.data, ref, KindOf(ref.field));
            const std::string name = FilterText(ref.field, text);
            if (entry != nullptr && entry->TagName != name) {
                EditField(ctx, entry->TagName, name);
            }
            return commit;
        }
        case FieldId::AtisCode:
            outcome = CommitDigitText(report, 10, text, ctx.data.AtisCommonSetup.AtisCode);
            break;
        case FieldId::StatusName:
            outcome = CommitPaddedText(
                4, text, ctx.data.UsableGroups.at(static_cast<std::size_t>(ref.index)).StatusName);
            commit.captionsChanged = true;
            break;
        case FieldId::RxFreq:
        case FieldId::TxFreq: {
            if (ref.group != kGroupBankE) {
                return commit;
            }
            ChannelRecord& record = RecordOf(ctx.data, {ref.group, ref.index});
            outcome = CommitFrequency(report, ctx.data.ModelIndex, text,
                                      ref.field == FieldId::RxFreq ? record.Rxfreq : record.Txfreq);
            break;
        }
        default:
            return commit;
    }
    commit.ok = outcome.ok;
    commit.shown = outcome.shown;
    if (!commit.ok) {
        commit.failureText = RefusalText(ref.field, ctx.data.ModelIndex);
    }
    return commit;
}

}  // namespace kelpie
