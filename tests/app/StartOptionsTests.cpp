#include <gtest/gtest.h>

#include "app/StartOptions.h"

namespace kelpie {
namespace {

struct DebugCase
{
    QStringList Arguments;
    bool DebugMode;
};

TEST(StartOptions, DebugSwitchIsAWholePieceInAnyLetterCase)
{
    const DebugCase cases[] = {
        {{}, false},        {{"/D"}, true},      {{"/d"}, true},   {{"file.dat", "/D"}, true},
        {{"a /d b"}, true}, {{"/DX"}, false},    {{"x/D"}, false}, {{"/D:"}, false},
        {{"D"}, false},     {{"/Debug"}, false},
    };
    for (const DebugCase& c : cases) {
        QString error;
        const auto options = ParseStartOptions(c.Arguments, error);
        ASSERT_TRUE(options) << c.Arguments.join(u' ').toStdString();
        EXPECT_EQ(options->DebugMode, c.DebugMode) << c.Arguments.join(u' ').toStdString();
    }
}

TEST(StartOptions, PortTakesTheNextArgumentAndNeedsOne)
{
    QString error;
    const auto options = ParseStartOptions({"--port", "/dev/ttyUSB0", "/D"}, error);
    ASSERT_TRUE(options);
    EXPECT_EQ(options->PortDevice, "/dev/ttyUSB0");
    EXPECT_TRUE(options->DebugMode);

    // The device is taken as it stands, even when it looks like the debug switch.
    const auto odd = ParseStartOptions({"--port", "/D"}, error);
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->PortDevice, "/D");
    EXPECT_FALSE(odd->DebugMode);

    EXPECT_FALSE(ParseStartOptions({"--port"}, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ParseStartOptions({"--port", ""}, error));
}

}  // namespace
}  // namespace kelpie
