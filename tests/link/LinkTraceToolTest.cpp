#include "LinkEventLog.h"
#include "LinkTraceCommand.h"
#include "link/CommandFrame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tunbox {
namespace {

namespace fs = std::filesystem;

class LinkTraceToolTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::path(::testing::TempDir()) /
              ("tunbox-link-trace-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string ValueFile(const std::string& name, const std::vector<std::uint32_t>& values) {
        const fs::path path = dir / name;
        std::ofstream file(path, std::ios::binary);
        for (std::uint32_t value : values)
            file << value << "\r\n";
        return path.string();
    }

    std::string BinaryFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const fs::path path = dir / name;
        std::ofstream file(path, std::ios::binary);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path.string();
    }

    // Runs the tool and returns its output lines; the exit code goes to `code`.
    std::vector<std::string> Run(const std::vector<std::string>& args, int expectedCode = 0) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunLinkTrace(args, out, err);
        EXPECT_EQ(code, expectedCode) << err.str();
        errText = err.str();
        std::vector<std::string> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    static std::vector<std::string> Bytes(const char* prefix, std::span<const std::uint8_t> bytes) {
        std::vector<std::string> lines;
        for (std::uint8_t byte : bytes)
            lines.push_back(prefix + HexBytes({&byte, 1}));
        return lines;
    }

    fs::path dir;
    std::string errText;
};

TEST_F(LinkTraceToolTest, OpenLinkPrintsTheWholeExchangeAndTheIdentity) {
    const auto lines = Run({"--version", "39", "open-link", "main"});
    std::vector<std::string> expected = {"FW", "FR"};
    for (const auto& line : Bytes("W ", BuildCommandFrame(CmdLink, 0xAA, 0)))
        expected.push_back(line);
    expected.push_back("FW");
    for (const auto& line : Bytes("R ", BuildCommandFrame(CmdLink, 39, 0)))
        expected.push_back(line);
    expected.insert(expected.end(),
                    {"FR", "FW", "IDENTITY version=39 mode=1 text=10006", "RESULT 0"});
    EXPECT_EQ(lines, expected);
}

TEST_F(LinkTraceToolTest, OpenLinkFaultsEndWithTheirResult) {
    struct Case {
        std::vector<std::string> args;
        const char* lastEvent;
        const char* result;
    };
    for (const Case& c : {Case{{"--fail-write", "2", "open-link", "pages"}, "W !", "RESULT 1"},
                          Case{{"--silent", "open-link", "pages"}, "R !", "RESULT 2"},
                          Case{{"--fail-read", "4", "open-link", "main"}, "R !", "RESULT 2"},
                          Case{{"--bad-header", "open-link", "main"}, nullptr, "RESULT 3"},
                          Case{{"--bad-crc", "open-link", "main"}, nullptr, "RESULT 4"}}) {
        const auto lines = Run(c.args);
        ASSERT_GE(lines.size(), 2u);
        if (c.lastEvent) {
            EXPECT_EQ(lines[lines.size() - 2], c.lastEvent) << c.args[0];
        }
        EXPECT_EQ(lines.back(), c.result) << c.args[0];
        for (const auto& line : lines)
            EXPECT_FALSE(line.starts_with("IDENTITY")) << c.args[0];
    }
}

TEST_F(LinkTraceToolTest, GarbledAnswersAreShownAsReceived) {
    CommandFrame badHeader = BuildCommandFrame(CmdLink, 104, 0);
    badHeader[0] = 0xAA;
    StoreFrameCrc(badHeader);
    CommandFrame badCrc = BuildCommandFrame(CmdLink, 104, 0);
    std::swap(badCrc[6], badCrc[7]);
    for (const auto& [option, answer] :
         {std::pair{"--bad-header", badHeader}, std::pair{"--bad-crc", badCrc}}) {
        const auto lines = Run({option, "open-link", "main"});
        ASSERT_EQ(lines.size(), 20u) << option;
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 11, lines.begin() + 19),
                  Bytes("R ", answer))
            << option;
    }
}

TEST_F(LinkTraceToolTest, CloseLinkPrintsOneForSuccess) {
    EXPECT_EQ(Run({"close-link"}),
              (std::vector<std::string>{"FW", "FR", "W 55", "W 55", "W a0", "W 00", "W 00", "W 00",
                                        "W 22", "W 09", "FW", "RESULT 1"}));
    EXPECT_EQ(Run({"--fail-write", "1", "close-link"}),
              (std::vector<std::string>{"FW", "FR", "W !", "FW", "RESULT 0"}));
}

TEST_F(LinkTraceToolTest, ReadBlocksPrintsPacketsProgressAndData) {
    std::vector<std::uint32_t> memory(2048, 0);
    for (std::size_t i = 0; i < 256; ++i)
        memory[7 * 256 + i] = static_cast<std::uint32_t>(255 - i);
    const auto lines = Run({"--memory", ValueFile("memory.txt", memory), "read-blocks", "1", "7"});

    ASSERT_GE(lines.size(), 14u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, lines.begin() + 14),
              (std::vector<std::string>{
                  "PAUSE 10", "PROGRESS 0", "STATUS 10055 0", "R aa", "R aa",
                  "RP fffefdfcfbfaf9f8f7f6f5f4f3f2f1f0efeeedecebeae9e8e7e6e5e4e3e2e1e0"
                  "dfdedddcdbdad9d8d7d6d5d4d3d2d1d0cfcecdcccbcac9c8c7c6c5c4c3c2c1c0"}));
    // Each progress step is followed by its status text; success ends with
    // the message that has no number.
    EXPECT_EQ(std::vector<std::string>(lines.end() - 5, lines.end() - 2),
              (std::vector<std::string>{"PROGRESS 100", "STATUS 10055 100", "STATUS 10057 0"}));
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("DATA fffefd"));
    EXPECT_EQ(lines[lines.size() - 2].size(), 5u + 512u);
    EXPECT_EQ(lines.back(), "RESULT 0");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "PROGRESS 98"), 2);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "STATUS 10055 98"), 2);
}

TEST_F(LinkTraceToolTest, ReadBlocksWithoutMemoryFileReadsZeros) {
    const auto lines = Run({"read-blocks", "1", "7"});
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "DATA " + std::string(512, '0'));
}

TEST_F(LinkTraceToolTest, ReadBlocksFaultHasNoData) {
    struct Case {
        std::vector<std::string> args;
        const char* lastEvent;
        const char* result;
    };
    // The tool opens the unit first: that is call 1 of "unplug-after".
    for (const Case& c :
         {Case{{"--fail-read", "3", "read-blocks", "7", "0"}, "RP !", "RESULT 2"},
          Case{{"--bad-mark", "read-blocks", "7", "0"}, "R 55", "RESULT 3"},
          Case{{"--bad-data", "read-blocks", "1", "7"}, "STATUS 10055 100", "RESULT 4"},
          Case{{"--unplug-after", "10", "read-blocks", "1", "7"}, "R !", "RESULT 2"},
          Case{{"--units", "0", "read-blocks", "1", "7"}, "W !", "RESULT 1"}}) {
        const auto lines = Run(c.args);
        ASSERT_GE(lines.size(), 2u) << c.args[0];
        EXPECT_EQ(lines[lines.size() - 2], c.lastEvent) << c.args[0];
        EXPECT_EQ(lines.back(), c.result) << c.args[0];
    }
}

TEST_F(LinkTraceToolTest, WriteBlocksSendsLowBytesAndReportsTheVerdict) {
    std::vector<std::uint32_t> data(256, 1);
    data[0] = 300;
    const std::string file = ValueFile("data.txt", data);

    const auto lines = Run({"write-blocks", "1", "7", file});
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "YIELD"), 32);
    // A block write reports a step's status before it yields.
    const auto step = std::find(lines.begin(), lines.end(), "PROGRESS 3");
    ASSERT_GE(std::distance(step, lines.end()), 3);
    EXPECT_EQ(std::vector<std::string>(step, step + 3),
              (std::vector<std::string>{"PROGRESS 3", "STATUS 10051 3", "YIELD"}));
    const auto packet = std::find_if(lines.begin(), lines.end(),
                                     [](const auto& l) { return l.starts_with("WP "); });
    ASSERT_NE(packet, lines.end());
    EXPECT_TRUE(packet->starts_with("WP 2c01"));
    EXPECT_EQ(packet->size(), 3u + 128u);
    EXPECT_EQ(lines.back(), "RESULT 0");

    // A slow unit's verdict: the wait shows just before the answer is read.
    const auto slow = Run({"--slow-verdict", "5", "write-blocks", "1", "7", file});
    const auto delay = std::find(slow.begin(), slow.end(), "DELAY 5");
    ASSERT_NE(delay, slow.end());
    EXPECT_EQ(*(delay - 1), "PAUSE 10");
    EXPECT_EQ(*(delay + 1), "R 55");
    EXPECT_EQ(slow.back(), "RESULT 0");

    EXPECT_EQ(Run({"--answer-status", "2", "write-blocks", "1", "7", file}).back(), "RESULT 3");
    EXPECT_EQ(Run({"--fail-write", "11", "write-blocks", "1", "7", file}).back(), "RESULT 4");
}

TEST_F(LinkTraceToolTest, UploadSendsTheImageFile) {
    // A synthetic 74-byte image: opening frame for version 105, then filler.
    std::vector<std::uint8_t> image(74, 0x11);
    const CommandFrame frame = BuildCommandFrame(CmdFirmware, 105, 0);
    std::copy(frame.begin(), frame.end(), image.begin());
    const std::string file = BinaryFile("image.bin", image);

    const auto lines = Run({"upload", file});
    EXPECT_EQ(lines[0], "PROGRESS 0");
    EXPECT_EQ(lines[1], "STATUS 10022 0");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 2, lines.begin() + 10), Bytes("W ", frame));
    // An upload yields between a step's progress and its status.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 10, lines.begin() + 13),
              (std::vector<std::string>{"PROGRESS 9", "YIELD", "STATUS 10022 9"}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "PAUSE 25"), 1);
    EXPECT_EQ(lines.back(), "RESULT 0");

    EXPECT_EQ(Run({"--answer-status", "1", "upload", file}).back(), "RESULT 2");
    const auto silent = Run({"--silent", "upload", file});
    EXPECT_EQ(silent[silent.size() - 2], "R !");
    EXPECT_EQ(silent.back(), "RESULT 3");
}

TEST_F(LinkTraceToolTest, BadArgumentsExitWithTwoAndOneLine) {
    const std::string shortMemory = ValueFile("short.txt", std::vector<std::uint32_t>(2047, 0));
    const std::string bigMemory = ValueFile("big.txt", std::vector<std::uint32_t>(2048, 256));
    const std::string shortData = ValueFile("data.txt", std::vector<std::uint32_t>(255, 0));
    const std::string missing = (dir / "missing").string();
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate"},
        {"open-link"},
        {"open-link", "side"},
        {"close-link", "extra"},
        {"--bogus", "close-link"},
        {"--version", "300", "close-link"},
        {"--fail-write"},
        {"--fail-read", "x", "close-link"},
        {"--units", "3", "close-link"},
        {"--bad-mark=1", "close-link"},
        {"read-blocks", "1"},
        {"read-blocks", "one", "7"},
        {"read-blocks", "1", "256"},
        {"--memory", missing, "close-link"},
        {"--memory", shortMemory, "close-link"},
        {"--memory", bigMemory, "close-link"},
        {"write-blocks", "1", "7", missing},
        {"write-blocks", "1", "7", shortData},
        {"upload", missing},
    };
    for (const auto& args : cases) {
        const auto lines = Run(args, 2);
        std::string joined;
        for (const auto& arg : args)
            joined += arg + " ";
        EXPECT_TRUE(lines.empty()) << joined;
        EXPECT_EQ(std::count(errText.begin(), errText.end(), '\n'), 1) << joined << errText;
    }
}

TEST_F(LinkTraceToolTest, ExecutableRunsFromTheCommandLine) {
    struct Case {
        std::string args;
        int code;
        const char* lastLine;
    };
    for (const Case& c : {Case{"--version 104 open-link pages", 0, "RESULT 0"},
                          Case{"open-link nowhere 2>/dev/null", 2, nullptr}}) {
        FILE* pipe = ::popen((std::string(TUNBOX_LINK_TRACE_PATH) + " " + c.args).c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        const int status = ::pclose(pipe);
        ASSERT_TRUE(WIFEXITED(status)) << c.args;
        EXPECT_EQ(WEXITSTATUS(status), c.code) << c.args;
        if (c.lastLine) {
            EXPECT_NE(output.find("IDENTITY version=104 mode=0 text=10005\n"), std::string::npos);
            EXPECT_TRUE(output.ends_with(std::string(c.lastLine) + "\n")) << output;
        } else {
            EXPECT_TRUE(output.empty());
        }
    }
}

} // namespace
} // namespace tunbox
