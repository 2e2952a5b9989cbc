#include "link/BlockTransfer.h"
#include "LinkFixture.h"

#include <numeric>

namespace tunbox {
namespace {

class BlockTransferTest : public test::LinkFixture {
  protected:
    // The exchange reduced to its pacing: each W/WP/R line stands as "W", "WP"
    // or "R", pauses keep their length.
    std::vector<std::string> Pacing() const {
        std::vector<std::string> tokens;
        for (const std::string& line : Only({"W", "R", "PAUSE"}))
            tokens.push_back(line.starts_with("PAUSE") ? line : line.substr(0, line.find(' ')));
        return tokens;
    }

    static std::vector<std::string> Repeat(const std::string& token, int count) {
        return std::vector<std::string>(static_cast<std::size_t>(count), token);
    }

    static void Append(std::vector<std::string>& to, const std::vector<std::string>& tokens) {
        to.insert(to.end(), tokens.begin(), tokens.end());
    }

    static std::vector<std::uint32_t> Pattern(std::size_t n) {
        std::vector<std::uint32_t> data(n);
        for (std::size_t i = 0; i < n; ++i)
            data[i] = static_cast<std::uint32_t>((i * 7 + 3) % 256);
        return data;
    }
};

TEST_F(BlockTransferTest, OneBlockWriteIsPacedAsTheUnitExpects) {
    ASSERT_EQ(WriteBlocks(transport, host, 1, SettingsBlockAddress, Pattern(256)), BlockResult::Ok);

    std::vector<std::string> expected = Repeat("W", 8);
    Append(expected, {"PAUSE 10", "W", "W"});
    for (int packet = 1; packet <= 4; ++packet)
        Append(expected, {"WP", "PAUSE 10"});
    Append(expected, {"PAUSE 10", "W", "PAUSE 10", "W", "PAUSE 10"});
    Append(expected, Repeat("R", 8));
    EXPECT_EQ(Pacing(), expected);
    EXPECT_EQ(Count("W "), 12u);
    EXPECT_EQ(Count("WP "), 4u);
}

TEST_F(BlockTransferTest, SevenBlockWritePausesAfterEveryFourthPacket) {
    ASSERT_EQ(WriteBlocks(transport, host, 7, RegistrationBlockAddress, Pattern(1792)),
              BlockResult::Ok);

    std::vector<std::string> expected = Repeat("W", 8);
    Append(expected, {"PAUSE 10", "W", "W"});
    for (int packet = 1; packet <= 28; ++packet) {
        Append(expected, {"WP", "PAUSE 10"});
        if (packet % 4 == 0)
            expected.push_back("PAUSE 10");
    }
    Append(expected, {"W", "PAUSE 10", "W", "PAUSE 10"});
    Append(expected, Repeat("R", 8));
    EXPECT_EQ(Pacing(), expected);
}

TEST_F(BlockTransferTest, WriteProgressStepsEveryEightStreamBytes) {
    ASSERT_EQ(WriteBlocks(transport, host, 1, SettingsBlockAddress, Pattern(256)), BlockResult::Ok);
    std::vector<int> expected{0};
    for (int position = 7; position < 260; position += 8)
        expected.push_back(100 * (position + 1) / 260);
    expected.push_back(100);
    EXPECT_EQ(Progress(), expected);
    EXPECT_EQ(expected[1], 3);
    EXPECT_EQ(expected[expected.size() - 2], 98);

    // Every step shows the percentage as message 10051 and lets the window breathe.
    EXPECT_EQ(Count("YIELD"), expected.size() - 2);
    for (std::size_t i = 0; i + 2 < log.size(); ++i) {
        if (log[i] == "PROGRESS 3") {
            EXPECT_EQ(log[i + 1], "STATUS 10051 3");
            EXPECT_EQ(log[i + 2], "YIELD");
        }
    }
    EXPECT_EQ(Only({"STATUS"}).back(), "STATUS 10051 100");
}

TEST_F(BlockTransferTest, SevenBlockWriteProgressEndsAt99Then100) {
    ASSERT_EQ(WriteBlocks(transport, host, 7, RegistrationBlockAddress, Pattern(1792)),
              BlockResult::Ok);
    const std::vector<int> progress = Progress();
    ASSERT_GE(progress.size(), 3u);
    EXPECT_EQ(progress[progress.size() - 2], 99);
    EXPECT_EQ(progress.back(), 100);
}

TEST_F(BlockTransferTest, StreamCrcOfZeroBlocks) {
    struct Case {
        std::uint8_t count;
        std::uint8_t address;
        const char* low;
        const char* high;
    };
    for (const Case& c : {Case{1, 7, "W 5e", "W 92"}, Case{7, 0, "W 3a", "W bd"}}) {
        log.clear();
        const std::vector<std::uint32_t> zeros(c.count * BlockLength, 0);
        ASSERT_EQ(WriteBlocks(transport, host, c.count, c.address, zeros), BlockResult::Ok);
        const auto writes = Only({"W "});
        ASSERT_GE(writes.size(), 2u);
        EXPECT_EQ(writes[writes.size() - 2], c.low) << int(c.count);
        EXPECT_EQ(writes.back(), c.high) << int(c.count);
    }
}

TEST_F(BlockTransferTest, ValuesAbove255AreSentAsTheirLowByte) {
    std::vector<std::uint32_t> data(256, 0);
    data[0] = 300;
    data[255] = 0x1FF;
    // The unit checks the stream CRC, so acceptance proves it was computed
    // over the low bytes that went out.
    ASSERT_EQ(WriteBlocks(transport, host, 1, SettingsBlockAddress, data), BlockResult::Ok);
    EXPECT_TRUE(Only({"WP "}).front().starts_with("WP 2c00"));
    EXPECT_TRUE(Only({"WP "}).back().ends_with("00ff"));
    EXPECT_EQ(unit.Memory()[7 * 256 + 0], 44);
    EXPECT_EQ(unit.Memory()[7 * 256 + 255], 0xFF);
}

TEST_F(BlockTransferTest, RefusedWriteResetsTheProgressBar) {
    unit.Faults().answerStatus = 1;
    EXPECT_EQ(WriteBlocks(transport, host, 1, SettingsBlockAddress, Pattern(256)),
              BlockResult::Rejected);
    EXPECT_EQ(Count("WP "), 4u);
    EXPECT_EQ(log.back(), "PROGRESS 0");
    EXPECT_EQ(unit.Memory()[7 * 256 + 1], 0);
}

TEST_F(BlockTransferTest, ShortDataSendsNothing) {
    EXPECT_EQ(WriteBlocks(transport, host, 7, 0, Pattern(256)), BlockResult::CommandFailed);
    EXPECT_TRUE(log.empty());
}

struct WriteFault {
    const char* what;
    void (*inject)(SimulatedFaults&);
    BlockResult result;
};

class WriteFaults : public BlockTransferTest, public ::testing::WithParamInterface<WriteFault> {};

TEST_P(WriteFaults, GiveTheirResult) {
    GetParam().inject(unit.Faults());
    EXPECT_EQ(WriteBlocks(transport, host, 1, SettingsBlockAddress, Pattern(256)),
              GetParam().result)
        << GetParam().what;
}

// One block: writes 1..8 are the frame, 9 and 10 the mark, 11..14 the packets,
// 15 and 16 the CRC; reads 1..8 the answer.
INSTANTIATE_TEST_SUITE_P(
    AtRealPositions, WriteFaults,
    ::testing::Values(WriteFault{"first frame byte",
                                 [](SimulatedFaults& f) { f.failWriteCall = 1; },
                                 BlockResult::CommandFailed},
                      WriteFault{"last frame byte", [](SimulatedFaults& f) { f.failWriteCall = 8; },
                                 BlockResult::CommandFailed},
                      WriteFault{"first mark byte", [](SimulatedFaults& f) { f.failWriteCall = 9; },
                                 BlockResult::StreamWriteFailed},
                      WriteFault{"first packet", [](SimulatedFaults& f) { f.failWriteCall = 11; },
                                 BlockResult::StreamWriteFailed},
                      WriteFault{"last packet", [](SimulatedFaults& f) { f.failWriteCall = 14; },
                                 BlockResult::StreamWriteFailed},
                      WriteFault{"CRC high byte", [](SimulatedFaults& f) { f.failWriteCall = 16; },
                                 BlockResult::StreamWriteFailed},
                      WriteFault{"first answer byte",
                                 [](SimulatedFaults& f) { f.failReadCall = 1; },
                                 BlockResult::AnswerFailed},
                      WriteFault{"last answer byte", [](SimulatedFaults& f) { f.failReadCall = 8; },
                                 BlockResult::AnswerFailed},
                      WriteFault{"silent unit", [](SimulatedFaults& f) { f.silent = true; },
                                 BlockResult::AnswerFailed},
                      WriteFault{"refusal", [](SimulatedFaults& f) { f.answerStatus = 7; },
                                 BlockResult::Rejected}),
    test::NameFromWhat());

TEST_F(BlockTransferTest, FailedStreamWriteStopsAtOnce) {
    unit.Faults().failWriteCall = 12;
    ASSERT_EQ(WriteBlocks(transport, host, 1, SettingsBlockAddress, Pattern(256)),
              BlockResult::StreamWriteFailed);
    EXPECT_EQ(log.back(), "WP !");
}

TEST_F(BlockTransferTest, WrittenDataReadsBackUnchanged) {
    struct Case {
        std::uint8_t count;
        std::uint8_t address;
    };
    for (const Case& c : {Case{7, RegistrationBlockAddress}, Case{1, SettingsBlockAddress}}) {
        const auto data = Pattern(c.count * BlockLength);
        ASSERT_EQ(WriteBlocks(transport, host, c.count, c.address, data), BlockResult::Ok);
        std::vector<std::uint32_t> back;
        ASSERT_EQ(ReadBlocks(transport, host, c.count, c.address, back), BlockResult::Ok);
        EXPECT_EQ(back, data) << int(c.address);
        EXPECT_EQ(unit.Memory()[c.address * 256u + 5], data[5]);
    }
}

TEST_F(BlockTransferTest, ReadSendsTheFrameThenReceivesTheStream) {
    std::iota(unit.Memory().begin() + 7 * 256, unit.Memory().end(), std::uint8_t{0});
    std::vector<std::uint32_t> data;
    ASSERT_EQ(ReadBlocks(transport, host, 1, SettingsBlockAddress, data), BlockResult::Ok);
    ASSERT_EQ(data.size(), 256u);
    for (std::size_t i = 0; i < data.size(); ++i)
        ASSERT_EQ(data[i], i);

    const auto wire = Only({"W", "R", "PAUSE"});
    const std::vector<std::string> head = {"W 55", "W 55", "W 93",     "W 01", "W 07", "W 00",
                                           "W 7e", "W bd", "PAUSE 10", "R aa", "R aa"};
    ASSERT_EQ(wire.size(), head.size() + 4 + 2);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), wire.begin()));
    EXPECT_TRUE(wire[head.size()].starts_with("RP 000102"));
    EXPECT_EQ(Count("YIELD"), 0u);
    EXPECT_EQ(log.back(), "STATUS 10057 0");
}

TEST_F(BlockTransferTest, ReadProgressFollowsEveryByte) {
    std::vector<std::uint32_t> data;
    ASSERT_EQ(ReadBlocks(transport, host, 1, SettingsBlockAddress, data), BlockResult::Ok);
    std::vector<int> expected{0};
    for (int i = 0; i < 256; ++i)
        expected.push_back(100 * (i + 1) / 260);
    expected.push_back(100);
    EXPECT_EQ(Progress(), expected);
    EXPECT_EQ(expected[expected.size() - 2], 98);
}

TEST_F(BlockTransferTest, ZeroBlocksArriveWithTheirKnownCrc) {
    for (auto [count, address, low, high] :
         {std::tuple{1, 7, "R 5e", "R 92"}, std::tuple{7, 0, "R 3a", "R bd"}}) {
        log.clear();
        std::vector<std::uint32_t> data;
        ASSERT_EQ(ReadBlocks(transport, host, static_cast<std::uint8_t>(count),
                             static_cast<std::uint8_t>(address), data),
                  BlockResult::Ok);
        const auto reads = Only({"R "});
        EXPECT_EQ(reads[reads.size() - 2], low);
        EXPECT_EQ(reads.back(), high);
    }
}

TEST_F(BlockTransferTest, MarkWithWrongSecondByteStopsReading) {
    unit.Faults().wrongMarkByte = 1;
    std::vector<std::uint32_t> data;
    EXPECT_EQ(ReadBlocks(transport, host, 1, SettingsBlockAddress, data), BlockResult::BadMark);
    EXPECT_EQ(log.back(), "R 55");
    EXPECT_EQ(Count("R"), 2u);
}

struct ReadFault {
    const char* what;
    void (*inject)(SimulatedFaults&);
    BlockResult result;
};

class ReadFaults : public BlockTransferTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(ReadFaults, GiveTheirResultAndLeaveTheArrayUntouched) {
    std::iota(unit.Memory().begin(), unit.Memory().end(), std::uint8_t{1});
    GetParam().inject(unit.Faults());
    std::vector<std::uint32_t> data(10, 0xDEADBEEF);
    const auto before = data;
    EXPECT_EQ(ReadBlocks(transport, host, 7, RegistrationBlockAddress, data), GetParam().result)
        << GetParam().what;
    EXPECT_EQ(data, before) << GetParam().what;
}

// Seven blocks: writes 1..8 are the frame; reads 1 and 2 the mark, 3..30 the
// packets, 31 and 32 the CRC.
INSTANTIATE_TEST_SUITE_P(
    AtRealPositions, ReadFaults,
    ::testing::Values(
        ReadFault{"first frame byte", [](SimulatedFaults& f) { f.failWriteCall = 1; },
                  BlockResult::CommandFailed},
        ReadFault{"last frame byte", [](SimulatedFaults& f) { f.failWriteCall = 8; },
                  BlockResult::CommandFailed},
        ReadFault{"first mark byte", [](SimulatedFaults& f) { f.failReadCall = 1; },
                  BlockResult::StreamReadFailed},
        ReadFault{"second mark byte", [](SimulatedFaults& f) { f.failReadCall = 2; },
                  BlockResult::StreamReadFailed},
        ReadFault{"first packet", [](SimulatedFaults& f) { f.failReadCall = 3; },
                  BlockResult::StreamReadFailed},
        ReadFault{"last packet", [](SimulatedFaults& f) { f.failReadCall = 30; },
                  BlockResult::StreamReadFailed},
        ReadFault{"CRC high byte", [](SimulatedFaults& f) { f.failReadCall = 32; },
                  BlockResult::StreamReadFailed},
        ReadFault{"silent unit", [](SimulatedFaults& f) { f.silent = true; },
                  BlockResult::StreamReadFailed},
        ReadFault{"first mark byte wrong", [](SimulatedFaults& f) { f.wrongMarkByte = 0; },
                  BlockResult::BadMark},
        ReadFault{"second mark byte wrong", [](SimulatedFaults& f) { f.wrongMarkByte = 1; },
                  BlockResult::BadMark},
        ReadFault{"first data byte changed", [](SimulatedFaults& f) { f.changedStreamByte = 0; },
                  BlockResult::BadCrc},
        ReadFault{"last data byte changed", [](SimulatedFaults& f) { f.changedStreamByte = 1791; },
                  BlockResult::BadCrc}),
    test::NameFromWhat());

} // namespace
} // namespace tunbox
