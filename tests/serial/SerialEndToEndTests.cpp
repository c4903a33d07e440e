// The radio link through the real serial port adapter against kelpie-radiosim on a
// pseudo-terminal: the whole serial stack, with real time.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <fstream>
#include <iterator>

#include "../link/LinkTestSupport.h"
#include "RadioSimProcess.h"
#include "link/Handshake.h"
#include "link/Transfer.h"
#include "link/TransferMaps.h"
#include "model/ImagePasses.h"
#include "serial/QtSerialPort.h"
#include "serial/SteadyClock.h"

namespace kelpie {
namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
}

TEST(SerialEndToEnd, ReadsAndWritesThroughTheSerialPortAgainstTheSimulatedRadio)
{
    int argc = 1;
    char name[] = "kelpie_serial_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    const std::string saved = testing::TempDir() + "/radiosim-memory.hex";
    std::remove(saved.c_str());
    test::RadioSimProcess sim({"--model", "5", "--save", saved});
    ASSERT_FALSE(sim.Device().empty());

    QtSerialPort port(PortDevices{{}, sim.Device()});
    SteadyClock clock;
    test::RecordingUi ui;
    ShellState shell;
    RadioData data(5);
    data.RadioImage.Fill(0x0040, 0x3FFF, 0x00);
    LinkContext link{port, ui, clock, shell, data, "Read from Radio"};

    ASSERT_TRUE(StartSync(link)) << testing::PrintToString(ui.MessageTexts());
    ASSERT_TRUE(RunRead(link)) << testing::PrintToString(ui.MessageTexts());
    RadioData radio(5);
    ResetEditModel(radio);
    for (const MapEntry& entry : ReadMap(data.ImageLastAddress)) {
        for (const BlockSend& send : entry.Sends) {
            for (int a = send.Address; a < send.Address + send.Length; ++a) {
                ASSERT_EQ(data.RadioImage[a], radio.RadioImage[a]) << a;
            }
        }
    }

    const std::string name12 = "KELPIE TEST ";
    std::copy(name12.begin(), name12.end(), data.RadioImage.Bytes(0x0C00, 12).begin());
    link.Caption = "Program to Radio";
    ASSERT_TRUE(StartSync(link));
    ASSERT_TRUE(RunWrite(link)) << testing::PrintToString(ui.MessageTexts());
    ASSERT_TRUE(sim.Stop());

    const std::vector<std::uint8_t> memory = ReadFile(saved);
    ASSERT_EQ(memory.size(), 16384u);
    EXPECT_EQ(std::string(memory.begin() + 0x0C00, memory.begin() + 0x0C0C), name12);
    for (const MapEntry& entry : WriteMap(data.RadioImage, data.ImageLastAddress)) {
        for (const BlockSend& send : entry.Sends) {
            for (int a = send.Address; a < send.Address + send.Length; ++a) {
                ASSERT_EQ(memory[static_cast<std::size_t>(a)], data.RadioImage[a]) << a;
            }
        }
    }
}

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
