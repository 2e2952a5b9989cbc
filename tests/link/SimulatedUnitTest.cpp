#include "LinkFixture.h"
#include "link/BlockTransfer.h"
#include "link/CommandFrame.h"
#include "link/Crc16.h"
#include "link/FirmwareUpload.h"
#include "link/LinkInit.h"

#include <chrono>
#include <functional>

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

TEST_F(SimulatedUnitTest, SlowVerdictWaitsOnceBeforeTheAnswerToAWrite) {
    unit.Faults().verdictDelayMs = 1500;
    unit.SetVerdictWait([this](unsigned ms) { log.push_back("DELAY " + std::to_string(ms)); });
    std::vector<std::uint32_t> image(74, 0x11);
    const CommandFrame frame = BuildCommandFrame(CmdFirmware, 105, 0);
    std::copy(frame.begin(), frame.end(), image.begin());

    struct Case {
        const char* what;
        std::function<int()> exchange;
        const char* pauseBeforeAnswer; // nullptr: the unit answers at once
    };
    std::vector<std::uint32_t> data(256, 3);
    UnitIdentity identity;
    const Case cases[] = {
        {"link init", [&] { return int(OpenLink(transport, CmdLink, identity)); }, nullptr},
        {"block read", [&] { return int(ReadBlocks(transport, host, 1, 7, data)); }, nullptr},
        {"block write", [&] { return int(WriteBlocks(transport, host, 1, 7, data)); }, "PAUSE 10"},
        {"upload", [&] { return int(UploadFirmware(transport, host, image, 74)); }, "PAUSE 25"},
        {"link init after upload", [&] { return int(OpenLink(transport, CmdLink, identity)); },
         nullptr},
    };
    for (const Case& c : cases) {
        log.clear();
        EXPECT_EQ(c.exchange(), 0) << c.what;
        const auto delay = std::find(log.begin(), log.end(), "DELAY 1500");
        if (c.pauseBeforeAnswer == nullptr) {
            EXPECT_EQ(delay, log.end()) << c.what;
            continue;
        }
        ASSERT_NE(delay, log.end()) << c.what;
        EXPECT_EQ(std::count(log.begin(), log.end(), "DELAY 1500"), 1) << c.what;
        ASSERT_NE(delay, log.begin());
        EXPECT_EQ(*(delay - 1), c.pauseBeforeAnswer) << c.what;
        ASSERT_NE(delay + 1, log.end());
        EXPECT_EQ(*(delay + 1), "R 55") << c.what << ": the first answer byte";
    }
    EXPECT_EQ(identity.DeviceVersion, 105);
}

TEST(SimulatedUnitVerdict, WaitsForRealByDefault) {
    // The exchange runs off the window's thread; the unit really sleeps there.
    SimulatedUnit unit(104);
    unit.Faults().verdictDelayMs = 30;
    ASSERT_TRUE(unit.OpenUnit());
    LinkEventLog log;
    TracingHost host(log);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(WriteBlocks(unit, host, 1, 7, std::vector<std::uint32_t>(256)), BlockResult::Ok);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
}

} // namespace
} // namespace tunbox
