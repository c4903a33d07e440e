// FieldInput.h — the text boxes' events on the records: Change writes the boxes that write as they
// are typed in and marks the checked boxes, Validate and LostFocus commit the checked boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "edit/EditContext.h"
#include "edit/FieldRules.h"

namespace kelpie {

// A box and the record it edits: the channel group for the channel page's boxes, and the element
// of the record array (channel, weather channel, call-sign row, usable group, directory entry
// number - 1); boxes of a single setting ignore both.
struct FieldRef
{
    FieldId field;
    int group = 0;
    int index = 0;
};

struct FieldChange
{
    bool edited = false;                 // a record changed or a commit is now due
    std::optional<std::string> rewrite;  // the box must show this text instead
};

struct FieldCommit
{
    bool ok = true;
    std::optional<std::string> shown;  // the text the box shows after the commit
    // A refused check: "Data Error!!" and the rule the value breaks. On Validate the box shows it
    // titled failureTitle and the focus stays.
    std::string_view failureTitle;
    std::string failureText;
    bool entryCleared = false;     // the directory entry lost its MMSI and was deleted: refill
    bool captionsChanged = false;  // a status name was committed: refresh the group captions
};

// One per form: the field-changed flag belongs to the checked box edited last.
class FieldInput
{
public:
    FieldChange Change(EditContext& ctx, const FieldRef& ref, std::string_view text);
    // The focus moves to a control that validates: commit with the failure reported.
    FieldCommit Validate(EditContext& ctx, const FieldRef& ref, std::string_view text);
    // The focus moved elsewhere: commit quietly, putting the box back when refused.
    FieldCommit LostFocus(EditContext& ctx, const FieldRef& ref, std::string_view text);

    bool FieldChanged() const { return m_fieldChanged; }

private:
    using Finish = FieldCommit (FieldInput::*)(EditContext&, const FieldRef&, std::string_view);
    // The commit as one step with the box's typing, which then ends.
    FieldCommit Committed(EditContext& ctx, const FieldRef& ref, std::string_view text, Finish finish);
    FieldCommit ValidateBox(EditContext& ctx, const FieldRef& ref, std::string_view text);
    FieldCommit LeaveBox(EditContext& ctx, const FieldRef& ref, std::string_view text);
    FieldCommit Commit(EditContext& ctx, const FieldRef& ref, bool report, std::string_view text);

    bool m_fieldChanged = false;
};

}  // namespace kelpie
