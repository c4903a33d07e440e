// DialogsTests.cpp — scripted answers and file names of the dialogs wrapper.
#include <gtest/gtest.h>

#include "editor/Dialogs.h"

namespace kelpie {
namespace {

TEST(Dialogs, QueuedAnswersComeFirstInFirstOutThenEachBoxAnswersItsDefault)
{
    Dialogs::ResetHooks();
    Dialogs::AnswerNext(MessageAnswer::No);
    Dialogs::AnswerNext(MessageAnswer::Retry);
    EXPECT_EQ(Dialogs::Message(nullptr, "a", "T", MessageIcon::Question, MessageButtons::YesNoCancel),
              MessageAnswer::No);
    EXPECT_EQ(Dialogs::Message(nullptr, "b", "T", MessageIcon::Critical, MessageButtons::RetryCancel),
              MessageAnswer::Retry);
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

    ASSERT_EQ(Dialogs::Shown().size(), 7u);
    EXPECT_EQ(Dialogs::Shown()[0].text, "a");
    EXPECT_EQ(Dialogs::Shown()[1].icon, MessageIcon::Critical);
    EXPECT_EQ(Dialogs::Shown()[1].buttons, MessageButtons::RetryCancel);
    Dialogs::ResetHooks();
    EXPECT_TRUE(Dialogs::Shown().empty());
}

TEST(Dialogs, QueuedFileNamesAreGivenInOrderAndAnEmptyQueueCancels)
{
    Dialogs::ResetHooks();
    Dialogs::GiveNextFileName("/tmp/a.dat");
    Dialogs::GiveNextFileName("");
    Dialogs::GiveNextFileName("/tmp/b.dat");
    EXPECT_EQ(Dialogs::OpenFileName(nullptr, "Open", "/tmp", "JMB Data (*.dat)"), "/tmp/a.dat");
    EXPECT_EQ(Dialogs::SaveFileName(nullptr, "Save", "/tmp", "JMB Data (*.dat)", "dat"), "");
    EXPECT_EQ(Dialogs::SaveFileName(nullptr, "Save", "/tmp", "JMB Data (*.dat)", "dat"), "/tmp/b.dat");
    EXPECT_EQ(Dialogs::OpenFileName(nullptr, "Open", "/tmp", "JMB Data (*.dat)"), "");
    EXPECT_TRUE(Dialogs::Shown().empty());
}

}  // namespace
}  // namespace kelpie
