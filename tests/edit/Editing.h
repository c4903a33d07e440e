// Editing.h — a model's reset data with the program state the edit layer changes beside it, and the
// boxes' input state.
#pragma once

#include "edit/EditContext.h"
#include "edit/FieldInput.h"
#include "support/ResetData.h"

namespace kelpie {

struct Editing
{
    explicit Editing(int model = 5) : Data(ResetData(model)) {}

    RadioData Data;
    ShellState Shell;
    EditContext Ctx{Data, Shell};
    FieldInput Input;
};

}  // namespace kelpie
