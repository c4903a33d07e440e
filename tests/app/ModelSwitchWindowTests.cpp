// Read from Radio against a radio of another model: the window names the radio's model and offers
// to switch to it and read it.
#include <QPushButton>

#include <optional>

#include "AppTestSupport.h"

namespace kelpie {
namespace {

class AppModelSwitch : public AppWithRadio
{
protected:
    AppModelSwitch() : AppWithRadio(1) {}

    // Read from Radio with OK pressed in the transfer dialog, and with again in the second one
    // the window is to show.
    void ReadPressingOk(bool again)
    {
        std::optional<test::ModalDriver> second;
        const test::ModalDriver first("frmRadio_102", [&](QWidget& dialog) {
            test::Child<QPushButton>(dialog, "cmdOK")->click();
            if (!again) {
                return;
            }
            second.emplace("frmRadio_102",
                           [](QWidget& again) { test::Child<QPushButton>(again, "cmdOK")->click(); });
        });
        Action("mnuTransferRead")->trigger();
    }

    static constexpr const char* kQuestion =
        "This radio is an MV240; Kelpie is set for the MV230.\nSwitch to the MV240 and read it?";
};

TEST_F(AppModelSwitch, NoEndsTheReadAsItWasAndYesSwitchesToTheRadiosModelAndReadsIt)
{
    frmMain& window = StartWithRadio();
    const RadioImage before = window.Data().RadioImage;
    m_radio.Memory()[0x0100] = 0x5A;
    Dialogs::AnswerNext(MessageAnswer::No);
    ReadPressingOk(false);
    EXPECT_EQ(ShownTexts(), QStringList{kQuestion});
    EXPECT_EQ(Dialogs::Shown()[0].icon, MessageIcon::Question);
    EXPECT_EQ(Dialogs::Shown()[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(window.Data().ModelIndex, 5);
    EXPECT_TRUE(window.Data().RadioImage == before);
    EXPECT_EQ(Settings.GetSetting("ModelPath", "ModelNum"), std::nullopt);

    Dialogs::ResetHooks();
    Dialogs::AnswerNext(MessageAnswer::Yes);
    ReadPressingOk(true);
    EXPECT_EQ(ShownTexts(), (QStringList{kQuestion, "Complete!!"}));
    EXPECT_EQ(window.Data().ModelIndex, 1);
    EXPECT_EQ(window.Data().ImageLastAddress, 0x1FFF);
    EXPECT_EQ(window.Data().RadioImage[0x0100], 0x5A);
    EXPECT_FALSE(window.Shell().DataChanged);
}

}  // namespace
}  // namespace kelpie
