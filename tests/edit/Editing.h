// Editing.h — a model's reset data with the program state the edit layer changes beside it.
#pragma once

#include "edit/EditContext.h"
#include "support/ResetData.h"

namespace kelpie {

struct Editing
{
    explicit Editing(int model = 5) : Data(ResetData(model)) {}

    RadioData Data;
    ShellState Shell;
    EditContext Ctx{Data, Shell};
};

}  // namespace kelpie
