// EditContext.h — what every edit works on: the radio's records and the shell's flags.
#pragma once

#include "edit/EditHistory.h"
#include "model/RadioData.h"
#include "model/ShellState.h"

namespace kelpie {

// An edit changes the records and marks the data changed; while the shell is busy (a page being
// filled, a file being read or written) the controls' events are not edits and change nothing.
struct EditContext
{
    RadioData& data;
    ShellState& shell;
};

// A check box as a page shows it.
struct CheckControl
{
    bool checked = false;
    bool enabled = false;

    bool operator==(const CheckControl&) const = default;
};

}  // namespace kelpie

namespace kelpie {

// Writes one field as an edit: nothing while the shell is busy; otherwise the field takes the value
// and DataChanged is set. True when the edit was made. An edit outside a step of its caller's is a
// step of its own, named after the page in view.
template <typename Field, typename Value>
bool EditField(EditContext& ctx, Field& field, const Value& value)
{
    if (ctx.shell.BusyFlag) {
        return false;
    }
    const EditStep step(ctx, {});
    field = value;
    ctx.shell.DataChanged = true;
    return true;
}

}  // namespace kelpie
