#include "LinkFixture.h"
#include "link/BlockTransfer.h"
#include "link/CommandFrame.h"
#include "link/Crc16.h"
#include "link/LinkInit.h"

namespace tunbox {
namespace {

TEST(SimulatedUnitPresence, OpensOnlyWithExactlyOneUnit) {
    struct Case {
        unsigned units;
        bool opens;
    };
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{2, false}}) {
        SimulatedUnit unit(104);
        unit.Faults().unitCount = c.units;
        EXPECT_EQ(unit.OpenUnit(), c.opens) << c.units;
        EXPECT_EQ(unit.DeviceCount(), c.units);
        EXPECT_EQ(unit.IsOpen(), c.opens);
        EXPECT_EQ(unit.WriteByte(0x55), c.opens) << "pipes usable only when open";
    }
}

TEST(SimulatedUnitPresence, SecondUnitDropsOpenPipesWhileNoUnitKeepsThem) {
    SimulatedUnit unit(104);
    ASSERT_TRUE(unit.OpenUnit());
    unit.Faults().unitCount = 0;
    EXPECT_FALSE(unit.OpenUnit());
    EXPECT_TRUE(unit.IsOpen());
    unit.Faults().unitCount = 2;
    EXPECT_FALSE(unit.OpenUnit());
    EXPECT_FALSE(unit.IsOpen());
}

TEST(SimulatedUnitPresence, CloseTwiceIsHarmless) {
    SimulatedUnit unit(104);
    ASSERT_TRUE(unit.OpenUnit());
    unit.CloseUnit();
    unit.CloseUnit();
    EXPECT_FALSE(unit.IsOpen());
    std::uint8_t byte = 0;
    EXPECT_FALSE(unit.ReadByte(byte));
}

class SimulatedUnitTest : public test::LinkFixture {
  protected:
    // Sends a write command for the settings block followed by `stream`
    // (mark, data, CRC) straight through the transport and returns the
    // unit's answer byte 3, or -1 without an answer.
    int SendRawWrite(const std::vector<std::uint8_t>& stream) {
        EXPECT_TRUE(SendFrame(unit, BuildCommandFrame(CmdWriteBlocks, 1, 7)));
        for (std::uint8_t byte : stream)
            EXPECT_TRUE(unit.WriteByte(byte));
        CommandFrame answer{};
        return ReceiveFrame(unit, answer) ? answer[3] : -1;
    }

    static std::vector<std::uint8_t> GoodStream(std::uint8_t fill) {
        std::vector<std::uint8_t> stream{0xAA, 0xAA};
        stream.insert(stream.end(), 256, fill);
        const std::uint16_t crc = Crc16Of(stream);
        stream.push_back(static_cast<std::uint8_t>(crc & 0xFF));
        stream.push_back(static_cast<std::uint8_t>(crc >> 8));
        return stream;
    }
};

TEST_F(SimulatedUnitTest, StoresOnlyIntactStreams) {
    struct Case {
        const char* what;
        std::size_t position;
        int expectedStatus;
    };
    // Position 258 is the CRC low byte.
    for (const Case& c : {Case{"mark", 1, 1}, Case{"data", 100, 1}, Case{"CRC", 258, 1}}) {
        auto stream = GoodStream(9);
        stream[c.position] ^= 0x10;
        EXPECT_EQ(SendRawWrite(stream), c.expectedStatus) << c.what;
        EXPECT_EQ(unit.Memory()[7 * 256], 0) << c.what;
    }
    EXPECT_EQ(SendRawWrite(GoodStream(9)), 0);
    EXPECT_EQ(unit.Memory()[7 * 256], 9);
    EXPECT_EQ(unit.Memory()[6 * 256 + 255], 0) << "block 6 untouched";
}

TEST_F(SimulatedUnitTest, IgnoresFramesWithABadCrc) {
    CommandFrame frame = BuildCommandFrame(CmdLink, LinkInitParam, 0);
    frame[7] ^= 1;
    ASSERT_TRUE(SendFrame(unit, frame));
    std::uint8_t byte = 0;
    EXPECT_FALSE(unit.ReadByte(byte));

    UnitIdentity identity;
    EXPECT_EQ(OpenLink(transport, CmdLink, identity), OpenLinkResult::Ok);
}

TEST_F(SimulatedUnitTest, ReadOutsideItsMemoryGetsNoAnswer) {
    std::vector<std::uint32_t> data;
    EXPECT_EQ(ReadBlocks(transport, host, 2, 7, data), BlockResult::StreamReadFailed);
    EXPECT_TRUE(data.empty());
}

TEST_F(SimulatedUnitTest, ReopeningStartsAFreshExchange) {
    // A write broken off after the frame leaves the unit waiting for data;
    // opening the unit again puts it back to listening for commands.
    unit.Faults().failWriteCall = 9;
    const std::vector<std::uint32_t> data(256, 1);
    ASSERT_EQ(WriteBlocks(transport, host, 1, 7, data), BlockResult::StreamWriteFailed);
    ASSERT_TRUE(unit.OpenUnit());
    UnitIdentity identity;
    EXPECT_EQ(OpenLink(transport, CmdLink, identity), OpenLinkResult::Ok);
}

TEST_F(SimulatedUnitTest, ShortPacketReadFails) {
    ASSERT_TRUE(SendFrame(unit, BuildCommandFrame(CmdLink, LinkInitParam, 0)));
    std::uint8_t packet[PacketLength];
    EXPECT_FALSE(unit.ReadPacket(packet)) << "only an 8-byte answer is waiting";
}

} // namespace
} // namespace tunbox
