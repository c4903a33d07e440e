// DialogsTests.cpp — the answer each message box gives when its default button is taken. The
// scripted answers and file names are driven by every window test.
#include <gtest/gtest.h>

#include "editor/Dialogs.h"

namespace kelpie {
namespace {

TEST(Dialogs, EachBoxAnswersItsDefaultButton)
{
    Dialogs::ResetHooks();
    const struct
    {
        MessageButtons buttons;
        MessageAnswer answer;
    } defaults[] = {{MessageButtons::Ok, MessageAnswer::Ok},
                    {MessageButtons::OkCancel, MessageAnswer::Ok},
                    {MessageButtons::RetryCancel, MessageAnswer::Cancel},
                    {MessageButtons::YesNo, MessageAnswer::No},
                    {MessageButtons::YesNoCancel, MessageAnswer::Yes}};
    for (const auto& row : defaults)
        EXPECT_EQ(Dialogs::Message(nullptr, "c", "T", MessageIcon::Information, row.buttons), row.answer);
    Dialogs::ResetHooks();
}

}  // namespace
}  // namespace kelpie
