#include "LinkEventLog.h"
#include "LinkFixture.h"
#include "link/CommandFrame.h"
#include "link/Crc16.h"

#include <gtest/gtest.h>

#include <string>

namespace tunbox {
namespace {

TEST(Crc16, MatchesTheCheckValueOfTheAlgorithm) {
    const std::string digits = "123456789";
    const std::vector<std::uint8_t> bytes(digits.begin(), digits.end());
    EXPECT_EQ(Crc16Of(bytes), 0xBB3D);

    // Feeding byte by byte gives the same as the whole span.
    std::uint16_t crc = 0;
    for (std::uint8_t byte : bytes)
        Crc16Update(crc, byte);
    EXPECT_EQ(crc, 0xBB3D);
}

struct FrameCase {
    const char* what;
    std::uint8_t command, first, second;
    const char* wire;
};

class CommandFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(CommandFrames, AreExactOnTheWire) {
    const FrameCase& c = GetParam();
    const CommandFrame frame = BuildCommandFrame(c.command, c.first, c.second);
    EXPECT_EQ(HexBytes(frame), c.wire) << c.what;
    EXPECT_TRUE(FrameHeaderValid(frame));
    EXPECT_TRUE(FrameCrcValid(frame));
}

INSTANTIATE_TEST_SUITE_P(
    AllSevenUsedByTheProgram, CommandFrames,
    ::testing::Values(
        FrameCase{"link init, main page", CmdLink, LinkInitParam, 0, "5555a0aa00000229"},
        FrameCase{"link init, other pages", CmdLinkPages, LinkInitParam, 0, "5555aaaa000001f1"},
        FrameCase{"link break", CmdLink, LinkBreakParam, 0, "5555a00000002209"},
        FrameCase{"read settings block", CmdReadBlocks, 1, 7, "5555930107007ebd"},
        FrameCase{"read registration memory", CmdReadBlocks, 7, 0, "5555930700009c8c"},
        FrameCase{"write settings block", CmdWriteBlocks, 1, 7, "5555940107007fc9"},
        FrameCase{"write registration memory", CmdWriteBlocks, 7, 0, "5555940700009df8"}),
    test::NameFromWhat());

TEST(AnswerFrameTests, SwappedCrcBytesFailTheCrcTest) {
    CommandFrame frame = BuildCommandFrame(CmdLink, 104, 0);
    std::swap(frame[6], frame[7]);
    ASSERT_NE(frame[6], frame[7]);
    EXPECT_TRUE(FrameHeaderValid(frame));
    EXPECT_FALSE(FrameCrcValid(frame));
}

TEST(AnswerFrameTests, HeaderNeedsBothBytes) {
    for (int position : {0, 1}) {
        CommandFrame frame = BuildCommandFrame(CmdLink, 104, 0);
        frame[position] = 0xAA;
        StoreFrameCrc(frame);
        EXPECT_FALSE(FrameHeaderValid(frame)) << position;
        EXPECT_TRUE(FrameCrcValid(frame)) << position;
    }
}

} // namespace
} // namespace tunbox
