#include "LinkFixture.h"
#include "link/BlockTransfer.h"
#include "link/LinkInit.h"
#include "link/TransportFactory.h"

#include <sstream>

namespace tunbox {
namespace {

TEST(SimulatedUnitContents, StartsWithPlausibleMemory) {
    std::vector<std::uint8_t> settings(96);
    for (std::size_t i = 0; i < settings.size(); ++i)
        settings[i] = static_cast<std::uint8_t>(200 + i % 50);
    SimulatedUnit unit(104, settings);
    ASSERT_TRUE(unit.OpenUnit());
    LinkEventLog log;
    TracingHost host(log);

    std::vector<std::uint32_t> registration;
    ASSERT_EQ(ReadBlocks(unit, host, 7, RegistrationBlockAddress, registration), BlockResult::Ok);
    ASSERT_EQ(registration.size(), 1792u);
    for (std::size_t k = 0; k < 1791; ++k)
        ASSERT_EQ(registration[k], k % 251) << k;
    EXPECT_EQ(registration[1791], 42u) << "configuration code";

    std::vector<std::uint32_t> block;
    ASSERT_EQ(ReadBlocks(unit, host, 1, SettingsBlockAddress, block), BlockResult::Ok);
    EXPECT_TRUE(std::equal(settings.begin(), settings.end(), block.begin()));
    EXPECT_TRUE(std::all_of(block.begin() + 96, block.end(), [](auto v) { return v == 0; }));
}

TEST(SimulatedUnitContents, TestUnitStartsWithZeros) {
    SimulatedUnit unit(104);
    EXPECT_TRUE(std::all_of(unit.Memory().begin(), unit.Memory().end(),
                            [](std::uint8_t v) { return v == 0; }));
}

TEST(SimulatedUnitContents, OverlongSettingsFillOneBlockOnly) {
    const std::vector<std::uint8_t> settings(300, 9);
    SimulatedUnit unit(104, settings);
    EXPECT_EQ(unit.Memory()[7 * 256 + 255], 9);
    EXPECT_EQ(unit.Memory()[6 * 256 + 255], 42) << "registration memory untouched";
}

// Each fault option of TUNBOX_SIMULATED_UNIT, shown by the exchange it spoils.
struct OptionCase {
    const char* what;
    const char* value;
    int (*exchange)(Transport&); // the exchange's result code
    int result;
};

int OpenAndIdentify(Transport& transport) {
    UnitIdentity identity;
    return static_cast<int>(OpenLink(transport, CmdLink, identity));
}

int ReadSettings(Transport& transport) {
    LinkEventLog log;
    TracingHost host(log);
    std::vector<std::uint32_t> data;
    return static_cast<int>(ReadBlocks(transport, host, 1, SettingsBlockAddress, data));
}

int WriteSettings(Transport& transport) {
    LinkEventLog log;
    TracingHost host(log);
    return static_cast<int>(
        WriteBlocks(transport, host, 1, SettingsBlockAddress, std::vector<std::uint32_t>(256)));
}

class SimulatedUnitOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(SimulatedUnitOptions, SpoilTheirExchange) {
    const OptionCase& c = GetParam();
    std::ostringstream warnings;
    auto transport = CreateTransport(c.value, nullptr, warnings);
    ASSERT_NE(dynamic_cast<SimulatedUnit*>(transport.get()), nullptr);
    EXPECT_TRUE(warnings.str().empty()) << warnings.str();
    ASSERT_TRUE(transport->OpenUnit());
    EXPECT_EQ(c.exchange(*transport), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    EachOption, SimulatedUnitOptions,
    ::testing::Values(OptionCase{"none", "104", OpenAndIdentify, 0},
                      OptionCase{"fail write", "104,fail-write=3", OpenAndIdentify, 1},
                      OptionCase{"fail read", "104,fail-read=8", OpenAndIdentify, 2},
                      OptionCase{"silent", "104,silent", OpenAndIdentify, 2},
                      OptionCase{"bad header", "104,bad-header", OpenAndIdentify, 3},
                      OptionCase{"bad crc", "104,bad-crc", OpenAndIdentify, 4},
                      OptionCase{"later fault first", "104,fail-read=40,bad-crc", OpenAndIdentify,
                                 4},
                      OptionCase{"bad mark", "104,bad-mark", ReadSettings, 3},
                      OptionCase{"bad data", "104,bad-data", ReadSettings, 4},
                      OptionCase{"good read", "104,answer-status=0", ReadSettings, 0},
                      OptionCase{"answer status", "104,answer-status=5", WriteSettings, 3},
                      // Opening is call 1, the flushes before the frame calls 2 and 3.
                      OptionCase{"unplug after open", "104,unplug-after=1", OpenAndIdentify, 1},
                      OptionCase{"unplug before answer", "104,unplug-after=12", OpenAndIdentify, 2},
                      OptionCase{"unplug after answer", "104,unplug-after=20", OpenAndIdentify, 0}),
    test::NameFromWhat());

TEST(SimulatedUnitOptions, UnitCountDecidesTheOpen) {
    for (const auto& [value, opens, count] :
         {std::tuple{"104,units=0", false, 0u}, std::tuple{"104,units=1", true, 1u},
          std::tuple{"104,units=2", false, 2u}, std::tuple{"104,unplug-after=0", false, 0u}}) {
        std::ostringstream warnings;
        auto transport = CreateTransport(value, nullptr, warnings);
        EXPECT_EQ(transport->OpenUnit(), opens) << value;
        EXPECT_EQ(transport->DeviceCount(), count) << value;
    }
}

TEST(SimulatedUnitOptions, PulledCableFailsEveryLaterCall) {
    SimulatedUnit unit(104);
    unit.Faults().unplugAfterCall = 3;
    ASSERT_TRUE(unit.OpenUnit()); // call 1
    EXPECT_EQ(unit.DeviceCount(), 1u);
    unit.FlushReadPipe();              // call 2
    EXPECT_TRUE(unit.WriteByte(0x55)); // call 3
    EXPECT_EQ(unit.DeviceCount(), 1u) << "asking for the count is no call";
    EXPECT_FALSE(unit.WriteByte(0x55));
    std::uint8_t byte = 0;
    std::uint8_t packet[PacketLength] = {};
    EXPECT_FALSE(unit.ReadByte(byte));
    EXPECT_FALSE(unit.WritePacket(packet));
    EXPECT_FALSE(unit.ReadPacket(packet));
    EXPECT_FALSE(unit.OpenUnit());
    EXPECT_EQ(unit.DeviceCount(), 0u);
}

TEST(SimulatedUnitOptions, MalformedOptionsAreLeftOutWithOneLineEach) {
    struct Case {
        const char* value;
        int lines;
    };
    for (const Case& c :
         {Case{"104,units=3", 1}, Case{"104,frobnicate", 1}, Case{"104,bad-crc=1", 1},
          Case{"104,fail-write", 1}, Case{"104,fail-write=", 1}, Case{"104,fail-read=-1", 1},
          Case{"104,answer-status=256", 1}, Case{"104,", 1}, Case{"104,slow-verdict=20001", 1},
          Case{"104,units=x,silent=2,bad-mark", 2}}) {
        std::ostringstream warnings;
        const auto request = ParseSimulatedUnit(c.value, warnings);
        ASSERT_TRUE(request.has_value()) << c.value;
        EXPECT_EQ(request->version, 104);
        EXPECT_EQ(request->faults.unitCount, 1u) << c.value;
        EXPECT_FALSE(request->faults.silent) << c.value;
        EXPECT_EQ(request->faults.failWriteCall, 0u) << c.value;
        const std::string text = warnings.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.lines) << c.value << text;
        EXPECT_NE(text.find("TUNBOX_SIMULATED_UNIT"), std::string::npos) << c.value;
    }
}

TEST(SimulatedUnitOptions, GoodOptionsBesideABadOneStillApply) {
    std::ostringstream warnings;
    const auto request =
        ParseSimulatedUnit("105,units=x,bad-mark,fail-read=7,slow-verdict=20000", warnings);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->version, 105);
    EXPECT_EQ(request->faults.wrongMarkByte, 1);
    EXPECT_EQ(request->faults.failReadCall, 7u);
    EXPECT_EQ(request->faults.verdictDelayMs, 20000u);
}

TEST(SimulatedUnitOptions, MalformedVersionMeansUsb) {
    for (const char* value : {"", ",units=2", "abc,silent", "256,bad-crc", "104x,silent"}) {
        std::ostringstream warnings;
        EXPECT_FALSE(ParseSimulatedUnit(value, warnings).has_value()) << value;
        const std::string text = warnings.str();
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << value;
    }
}

} // namespace
} // namespace tunbox
