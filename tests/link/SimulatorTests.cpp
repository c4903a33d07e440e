#include "link/RadioSimulator.h"

#include <gtest/gtest.h>

namespace kelpie {
namespace {

std::string Sent(RadioSimulator& radio, std::string_view text)
{
    std::string out;
    for (char c : text) {
        for (const SimulatorOutput& o : radio.Receive(static_cast<std::uint8_t>(c))) {
            out.append(o.Data.begin(), o.Data.end());
        }
    }
    return out;
}

// Its answers to what the link sends are seen by the handshake and transfer tests; here what no
// run can tell: the acknowledgement of a cancel, whose wait ends either way, and the refusals of
// lines the link never sends.
TEST(RadioSimulator, AcknowledgesACancelAndEchoesALineItRefusesWithERROR)
{
    RadioSimulator radio(5);
    EXPECT_EQ(Sent(radio, "\x18"), "\x18\x06");
    EXPECT_EQ(Sent(radio, "#CEPSR\t00\t75\r\n"), "#CEPSR\t00\t75\r\nERROR");
    EXPECT_EQ(Sent(radio, "HELLO\r\n"), "HELLO\r\nERROR");

    RadioSimulator small(1);  // refuses requests beyond its memory
    const Bytes request = BuildFrame("#CEPRD", "1FF8", "10");
    EXPECT_EQ(Sent(small, std::string(request.begin(), request.end())).substr(request.size()), "ERROR");
}

TEST(RadioSimulator, FaultOptionsSetTheirFaults)
{
    SimulatorFaults faults;
    for (const char* option : {"no-echo", "bad-sum=12", "slow=250", "acmd=#CMDUN", "model-code=00E7",
                               "hang-up=3", "busy=2", "acmd-cr"}) {
        EXPECT_TRUE(ParseSimulatorFault(option, faults)) << option;
    }
    EXPECT_TRUE(faults.NoEcho);
    EXPECT_EQ(faults.BadSumBlock, 12);
    EXPECT_DOUBLE_EQ(faults.ReplyDelay, 0.25);
    EXPECT_EQ(faults.ModelCode, 0x00E7);
    EXPECT_EQ(faults.HangUpBlock, 3);
    EXPECT_EQ(faults.BusyReplies, 2);
    EXPECT_EQ(faults.AdapterAnswer, "OK\rX");
    for (const char* option : {"no-such-fault", "bad-sum", "bad-sum=x", "no-echo=1", "model-code=10000"}) {
        EXPECT_FALSE(ParseSimulatorFault(option, faults)) << option;
    }
}

}  // namespace
}  // namespace kelpie
