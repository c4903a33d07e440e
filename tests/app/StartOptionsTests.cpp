#include <gtest/gtest.h>

#include "app/StartOptions.h"

namespace kelpie {
namespace {

TEST(StartOptions, DebugSwitchIsAWholePieceInAnyCaseAndPortTakesTheNextArgument)
{
    const std::pair<QStringList, bool> debugCases[] = {
        {{}, false},      {{"/D"}, true},   {{"/d"}, true}, {{"file.dat", "/D"}, true}, {{"a /d b"}, true},
        {{"/DX"}, false}, {{"x/D"}, false}, {{"D"}, false}, {{"--port", "/D"}, false},  {{"--debug"}, true},
    };
    QString error;
    for (const auto& [arguments, debugMode] : debugCases) {
        const auto options = ParseStartOptions(arguments, error);
        ASSERT_TRUE(options) << arguments.join(u' ').toStdString();
        EXPECT_EQ(options->DebugMode, debugMode) << arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(ParseStartOptions({"--port", "/dev/ttyUSB0", "/D"}, error)->PortDevice, "/dev/ttyUSB0");
    EXPECT_FALSE(ParseStartOptions({"--port"}, error));
    EXPECT_FALSE(error.isEmpty());
}

}  // namespace
}  // namespace kelpie
