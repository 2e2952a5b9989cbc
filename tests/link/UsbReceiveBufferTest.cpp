#include "link/UsbReceiveBuffer.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
#include <optional>

namespace tunbox {
namespace {

// USB transfers scripted in advance; once they are used up every transfer
// fails, as one that times out would.
class ScriptedEndpoint {
  public:
    void Deliver(std::vector<std::uint8_t> bytes) { transfers_.push_back(std::move(bytes)); }
    void Fail() { transfers_.push_back(std::nullopt); }
    int transfersRun = 0;

    UsbReceiveBuffer::Receive Receiver() {
        return [this](std::vector<std::uint8_t>& bytes) {
            ++transfersRun;
            if (transfers_.empty() || !transfers_.front()) {
                if (!transfers_.empty())
                    transfers_.pop_front();
                return false;
            }
            bytes = *transfers_.front();
            transfers_.pop_front();
            return true;
        };
    }

  private:
    std::deque<std::optional<std::vector<std::uint8_t>>> transfers_;
};

std::vector<std::uint8_t> Counting(std::uint8_t first, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(UsbReceiveBuffer, PacketsSpanTransfersAndBytesFollowInOrder) {
    // A data stream as a unit might send it: mark and 62 data bytes in the
    // first USB packet, the rest in the next ones.
    ScriptedEndpoint endpoint;
    std::vector<std::uint8_t> first{0xAA, 0xAA};
    const auto data = Counting(0, 62);
    first.insert(first.end(), data.begin(), data.end());
    endpoint.Deliver(first);
    endpoint.Deliver(Counting(62, 64));
    endpoint.Deliver(Counting(126, 4));
    UsbReceiveBuffer buffer(endpoint.Receiver());

    std::uint8_t byte = 0;
    ASSERT_TRUE(buffer.ReadByte(byte));
    EXPECT_EQ(byte, 0xAA);
    ASSERT_TRUE(buffer.ReadByte(byte));
    EXPECT_EQ(byte, 0xAA);
    EXPECT_EQ(endpoint.transfersRun, 1);

    std::uint8_t packet[PacketLength];
    ASSERT_TRUE(buffer.ReadPacket(packet));
    EXPECT_EQ(std::vector<std::uint8_t>(packet, packet + PacketLength), Counting(0, 64));
    ASSERT_TRUE(buffer.ReadPacket(packet));
    EXPECT_EQ(std::vector<std::uint8_t>(packet, packet + PacketLength), Counting(64, 64));
    EXPECT_EQ(endpoint.transfersRun, 3);
    EXPECT_EQ(buffer.Buffered(), 2u);
}

TEST(UsbReceiveBuffer, ShortPacketFailsWithoutLosingBytes) {
    ScriptedEndpoint endpoint;
    endpoint.Deliver(Counting(0, 40));
    endpoint.Fail();
    endpoint.Deliver(Counting(40, 24));
    UsbReceiveBuffer buffer(endpoint.Receiver());

    std::uint8_t packet[PacketLength];
    std::fill(std::begin(packet), std::end(packet), 0xEE);
    EXPECT_FALSE(buffer.ReadPacket(packet));
    EXPECT_EQ(packet[0], 0xEE) << "caller's packet untouched";
    EXPECT_EQ(buffer.Buffered(), 40u);

    ASSERT_TRUE(buffer.ReadPacket(packet));
    EXPECT_EQ(std::vector<std::uint8_t>(packet, packet + PacketLength), Counting(0, 64));
}

TEST(UsbReceiveBuffer, ReadByteFailsWhenNothingArrives) {
    ScriptedEndpoint endpoint;
    endpoint.Deliver({});
    UsbReceiveBuffer buffer(endpoint.Receiver());
    std::uint8_t byte = 7;
    EXPECT_FALSE(buffer.ReadByte(byte)) << "an empty transfer";
    EXPECT_FALSE(buffer.ReadByte(byte)) << "a failed transfer";
    EXPECT_EQ(byte, 7);
}

TEST(UsbReceiveBuffer, ClearDropsWhatWasNotRead) {
    ScriptedEndpoint endpoint;
    endpoint.Deliver({1, 2, 3});
    endpoint.Deliver({4});
    UsbReceiveBuffer buffer(endpoint.Receiver());
    std::uint8_t byte = 0;
    ASSERT_TRUE(buffer.ReadByte(byte));
    buffer.Clear();
    EXPECT_EQ(buffer.Buffered(), 0u);
    ASSERT_TRUE(buffer.ReadByte(byte));
    EXPECT_EQ(byte, 4);
}

} // namespace
} // namespace tunbox
