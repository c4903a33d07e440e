// The serial port adapter's failures to open. A read, a write, a verify and a clear through it
// against kelpie-radiosim on a pseudo-terminal run with kelpie-cli's tests, through the executables.
#include <gtest/gtest.h>

#include "RadioSimProcess.h"
#include "serial/QtSerialPort.h"

namespace kelpie {
namespace {

TEST(SerialEndToEnd, PortThatCannotBeOpenedNamesItsDeviceAndReason)
{
    QtSerialPort port(PortDevices{{}, "/dev/kelpie-no-such-port"});
    EXPECT_FALSE(port.Open(2, "9600,N,8,1"));
    EXPECT_EQ(port.DeviceName(), "/dev/kelpie-no-such-port");
    EXPECT_FALSE(port.LastErrorText().empty());
    EXPECT_NE(port.LastErrorNumber(), 0);
    EXPECT_FALSE(port.Open(1, "9600,X,8,1"));
}

TEST(SerialEndToEnd, PortHeldByAnotherProgramIsReportedInUse)
{
    test::RadioSimProcess radio({"--model", "5"});
    ASSERT_FALSE(radio.Device().empty());
    QtSerialPort holder(PortDevices{{}, radio.Device()});
    ASSERT_TRUE(holder.Open(1, "9600,N,8,1"));
    QtSerialPort second(PortDevices{{}, radio.Device()});
    EXPECT_FALSE(second.Open(1, "9600,N,8,1"));
    EXPECT_NE(second.LastErrorText().find("in use by another program"), std::string::npos)
        << second.LastErrorText();
    EXPECT_EQ(second.LastErrorText().find("dialout"), std::string::npos);
}

}  // namespace
}  // namespace kelpie
