#include "link/FirmwareUpload.h"
#include "LinkFixture.h"
#include "link/CommandFrame.h"
#include "link/LinkInit.h"

#include <sstream>

namespace tunbox {
namespace {

// A synthetic image of `size` bytes: an opening frame for version 105, then
// byte i holding i mod 256.
std::vector<std::uint32_t> SyntheticImage(std::size_t size, std::uint8_t version = 105) {
    std::vector<std::uint32_t> image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = static_cast<std::uint32_t>(i % 256);
    const CommandFrame frame = BuildCommandFrame(CmdFirmware, version, 0x21);
    for (std::size_t i = 0; i < frame.size() && i < size; ++i)
        image[i] = frame[i];
    return image;
}

class FirmwareUploadTest : public test::LinkFixture {
  protected:
    // Expected wire lines from a compact description: "W3" single byte 3 of
    // the image, "W0-7" singles 0..7, "P8-71" a packet of bytes 8..71,
    // "Z10" a 10 ms pause, "R8" eight answer reads.
    std::vector<std::string> Expand(const std::vector<std::uint32_t>& image,
                                    const std::string& plan) {
        std::vector<std::string> lines;
        std::istringstream tokens(plan);
        std::string token;
        while (tokens >> token) {
            const char kind = token[0];
            const auto dash = token.find('-');
            const std::size_t first = std::stoul(token.substr(1, dash));
            const std::size_t last =
                dash == std::string::npos ? first : std::stoul(token.substr(dash + 1));
            if (kind == 'Z') {
                lines.push_back("PAUSE " + std::to_string(first));
            } else if (kind == 'R') {
                for (std::size_t i = 0; i < first; ++i)
                    lines.push_back("R");
            } else if (kind == 'W') {
                for (std::size_t i = first; i <= last; ++i) {
                    const auto byte = static_cast<std::uint8_t>(image[i]);
                    lines.push_back("W " + HexBytes({&byte, 1}));
                }
            } else {
                std::vector<std::uint8_t> bytes;
                for (std::size_t i = first; i <= last; ++i)
                    bytes.push_back(static_cast<std::uint8_t>(image[i]));
                lines.push_back("WP " + HexBytes(bytes));
            }
        }
        return lines;
    }

    std::vector<std::string> Wire() const {
        std::vector<std::string> lines;
        for (const std::string& line : Only({"W", "R", "PAUSE"}))
            lines.push_back(line.starts_with("R ") ? "R" : line);
        return lines;
    }
};

struct WireCase {
    std::size_t size;
    const char* plan;
};

class UploadWire : public FirmwareUploadTest, public ::testing::WithParamInterface<WireCase> {};

TEST_P(UploadWire, SendsTheImageInItsFixedOrder) {
    const auto image = SyntheticImage(GetParam().size);
    ASSERT_EQ(UploadFirmware(transport, host, image, image.size()), UploadResult::Ok);
    EXPECT_EQ(Wire(), Expand(image, GetParam().plan)) << GetParam().size;
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, UploadWire,
    ::testing::Values(
        // 10 + 64n: every byte exactly once, no pause after fewer than 4 packets.
        WireCase{74, "W0-7 P8-71 W72 Z10 W73 Z25 R8"},
        WireCase{266, "W0-7 P8-71 P72-135 P136-199 P200-263 Z10 W264 Z10 W265 Z25 R8"},
        WireCase{330, "W0-7 P8-71 P72-135 P136-199 P200-263 Z10 P264-327 W328 Z10 W329 Z25 R8"},
        // The last two bytes go out singly and then again at the end of the packet.
        WireCase{72, "W0-7 W70 Z10 W71 P8-71 Z25 R8"},
        // Byte 72 belongs to no complete packet and is never sent.
        WireCase{75, "W0-7 P8-71 W73 Z10 W74 Z25 R8"}),
    [](const auto& info) { return "Bytes" + std::to_string(info.param.size); });

TEST_F(FirmwareUploadTest, ProgressOf74ByteImage) {
    const auto image = SyntheticImage(74);
    ASSERT_EQ(UploadFirmware(transport, host, image, image.size()), UploadResult::Ok);
    EXPECT_EQ(Progress(), (std::vector<int>{0, 9, 19, 29, 39, 49, 59, 69, 79, 88, 100}));

    // Each step: progress bar, window events, then the status text 10022.
    for (std::size_t i = 0; i + 2 < log.size(); ++i) {
        if (log[i] == "PROGRESS 49") {
            EXPECT_EQ(log[i + 1], "YIELD");
            EXPECT_EQ(log[i + 2], "STATUS 10022 49");
        }
    }
    EXPECT_EQ(Count("YIELD"), 9u);
    EXPECT_EQ(Only({"STATUS"}).front(), "STATUS 10022 0");
    EXPECT_EQ(Only({"STATUS"}).back(), "STATUS 10022 100");
}

TEST_F(FirmwareUploadTest, ProgressOfLargerImagesStaysBelow100InTheLoop) {
    for (auto [size, lastInLoop] :
         {std::pair<std::size_t, int>{266, 96}, {330, 97}, {72, 91}, {75, 87}}) {
        log.clear();
        const auto image = SyntheticImage(size);
        ASSERT_EQ(UploadFirmware(transport, host, image, image.size()), UploadResult::Ok);
        const auto progress = Progress();
        EXPECT_EQ(progress.size(), size / 8 + 2) << size;
        EXPECT_EQ(progress[progress.size() - 2], lastInLoop) << size;
        EXPECT_EQ(progress.back(), 100) << size;
    }
}

TEST_F(FirmwareUploadTest, ValuesAbove255AreSentAsTheirLowByte) {
    auto image = SyntheticImage(74);
    image[8] = 300;
    image[73] = 0x100 + 0x7F;
    ASSERT_EQ(UploadFirmware(transport, host, image, image.size()), UploadResult::Ok);
    EXPECT_TRUE(Only({"WP "}).front().starts_with("WP 2c09"));
    EXPECT_EQ(Only({"W "}).back(), "W 7f");
}

struct UploadFault {
    const char* what;
    void (*inject)(SimulatedFaults&);
    UploadResult result;
};

class UploadFaults : public FirmwareUploadTest,
                     public ::testing::WithParamInterface<UploadFault> {};

TEST_P(UploadFaults, GiveTheirResultAndKeepTheVersion) {
    GetParam().inject(unit.Faults());
    const auto image = SyntheticImage(266);
    EXPECT_EQ(UploadFirmware(transport, host, image, image.size()), GetParam().result)
        << GetParam().what;
    if (GetParam().result == UploadResult::WriteFailed) {
        EXPECT_TRUE(log.back().ends_with(" !"));
    }
    if (GetParam().result != UploadResult::AnswerFailed) {
        EXPECT_EQ(unit.Version(), 104) << GetParam().what;
    }
}

// 266 bytes: writes 1..8 the opening frame, 9..12 the packets, 13 and 14 the
// last two bytes; reads 1..8 the answer.
INSTANTIATE_TEST_SUITE_P(
    AtRealPositions, UploadFaults,
    ::testing::Values(UploadFault{"first byte", [](SimulatedFaults& f) { f.failWriteCall = 1; },
                                  UploadResult::WriteFailed},
                      UploadFault{"first packet", [](SimulatedFaults& f) { f.failWriteCall = 9; },
                                  UploadResult::WriteFailed},
                      UploadFault{"fourth packet", [](SimulatedFaults& f) { f.failWriteCall = 12; },
                                  UploadResult::WriteFailed},
                      UploadFault{"last byte", [](SimulatedFaults& f) { f.failWriteCall = 14; },
                                  UploadResult::WriteFailed},
                      UploadFault{"refusal", [](SimulatedFaults& f) { f.answerStatus = 1; },
                                  UploadResult::Rejected},
                      UploadFault{"first answer byte",
                                  [](SimulatedFaults& f) { f.failReadCall = 1; },
                                  UploadResult::AnswerFailed},
                      UploadFault{"last answer byte",
                                  [](SimulatedFaults& f) { f.failReadCall = 8; },
                                  UploadResult::AnswerFailed},
                      UploadFault{"silent unit", [](SimulatedFaults& f) { f.silent = true; },
                                  UploadResult::AnswerFailed}),
    test::NameFromWhat());

TEST_F(FirmwareUploadTest, RefusalResetsTheProgressBar) {
    unit.Faults().answerStatus = 1;
    const auto image = SyntheticImage(74);
    ASSERT_EQ(UploadFirmware(transport, host, image, image.size()), UploadResult::Rejected);
    EXPECT_EQ(log.back(), "PROGRESS 0");
}

TEST_F(FirmwareUploadTest, SizeBeyondTheImageSendsNothing) {
    const auto image = SyntheticImage(74);
    EXPECT_EQ(UploadFirmware(transport, host, image, 75), UploadResult::WriteFailed);
    EXPECT_TRUE(log.empty());
}

TEST_F(FirmwareUploadTest, AcceptedUploadChangesTheReportedVersion) {
    const auto image = SyntheticImage(266, 37);
    ASSERT_EQ(UploadFirmware(transport, host, image, image.size()), UploadResult::Ok);
    EXPECT_EQ(unit.LastFirmware().size(), 266u);

    UnitIdentity identity;
    ASSERT_EQ(OpenLink(transport, CmdLink, identity), OpenLinkResult::Ok);
    EXPECT_EQ(identity.DeviceVersion, 37);
    EXPECT_EQ(identity.DeviceMode, 1);
}

} // namespace
} // namespace tunbox
