#include "link/LibusbTransport.h"
#include "link/SimulatedUnit.h"
#include "link/TransportFactory.h"
#include "link/UsbIds.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tunbox {
namespace {

TEST(UsbIdList, ParsesValidLists) {
    struct Case {
        const char* text;
        std::vector<UsbId> ids;
    };
    for (const Case& c : {Case{"1234:abcd", {{0x1234, 0xABCD}}},
                          Case{"1A2B:0C3D", {{0x1A2B, 0x0C3D}}}, Case{"1:2", {{0x0001, 0x0002}}},
                          Case{"ffff:0001, 0403:6001", {{0xFFFF, 0x0001}, {0x0403, 0x6001}}}}) {
        const auto ids = ParseUsbIds(c.text);
        ASSERT_TRUE(ids.has_value()) << c.text;
        EXPECT_EQ(*ids, c.ids) << c.text;
    }
}

TEST(UsbIdList, RejectsMalformedLists) {
    for (const char* text :
         {"", "1234", "1234:", ":abcd", "12345:0001", "0001:12345", "12g4:0001", "1234:abcd,",
          ",1234:abcd", "1234:abcd,,0001:0002", "1234-abcd", "+123:0001", "1234:abcd:0001"}) {
        EXPECT_FALSE(ParseUsbIds(text).has_value()) << '"' << text << '"';
    }
}

TEST(UsbIdList, EnvironmentValueReplacesTheTable) {
    std::ostringstream warnings;
    EXPECT_EQ(UsbIdsFromEnvironment("0403:6001", warnings), (std::vector<UsbId>{{0x0403, 0x6001}}));
    EXPECT_TRUE(warnings.str().empty());

    EXPECT_EQ(UsbIdsFromEnvironment("nonsense", warnings), DefaultUsbIds());
    const std::string warning = warnings.str();
    EXPECT_NE(warning.find("TUNBOX_USB_IDS=\"nonsense\""), std::string::npos);
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'),
              DefaultUsbIdsArePlaceholders() ? 2 : 1);
}

TEST(UsbIdList, PlaceholderTableTellsHowToSetTheIds) {
    std::ostringstream warnings;
    EXPECT_EQ(UsbIdsFromEnvironment(nullptr, warnings), DefaultUsbIds());
    const std::string text = warnings.str();
    if (DefaultUsbIdsArePlaceholders()) {
        EXPECT_NE(text.find("set TUNBOX_USB_IDS"), std::string::npos) << text;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    } else {
        EXPECT_TRUE(text.empty()) << text;
    }
}

TEST(LibusbTransportWithoutUnit, FindsNothingAndFailsEveryTransfer) {
    LibusbTransport transport({});
    EXPECT_FALSE(transport.OpenUnit());
    EXPECT_EQ(transport.DeviceCount(), 0u);
    EXPECT_TRUE(transport.OpenErrorText().empty());

    std::uint8_t byte = 0x42;
    std::uint8_t packet[PacketLength] = {};
    EXPECT_FALSE(transport.WriteByte(byte));
    EXPECT_FALSE(transport.WritePacket(packet));
    EXPECT_FALSE(transport.ReadByte(byte));
    EXPECT_FALSE(transport.ReadPacket(packet));
    EXPECT_EQ(byte, 0x42);
    transport.FlushWritePipe();
    transport.FlushReadPipe();
    transport.CloseUnit();
    transport.CloseUnit();
    EXPECT_FALSE(transport.OpenUnit()) << "opening again is safe";
}

TEST(LibusbTransportWithoutUnit, BuiltInTableOpensWithoutCrashing) {
    // Whatever is on this machine's bus, the placeholder ids match no unit.
    LibusbTransport transport(DefaultUsbIds());
    EXPECT_FALSE(transport.OpenUnit());
    EXPECT_EQ(transport.DeviceCount(), 0u);
}

TEST(TransportChoice, SimulatedUnitOnRequest) {
    std::ostringstream warnings;
    auto transport = CreateTransport("104", nullptr, warnings);
    auto* unit = dynamic_cast<SimulatedUnit*>(transport.get());
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->Version(), 104);
    EXPECT_TRUE(unit->OpenUnit());
    EXPECT_EQ(unit->DeviceCount(), 1u);
    EXPECT_TRUE(warnings.str().empty());
}

TEST(TransportChoice, UsbOtherwise) {
    struct Case {
        const char* simulated;
        bool warns;
    };
    for (const Case& c : {Case{nullptr, false}, Case{"", true}, Case{"abc", true},
                          Case{"256", true}, Case{"-1", true}, Case{"104x", true}}) {
        std::ostringstream warnings;
        auto transport = CreateTransport(c.simulated, "0403:6001", warnings);
        EXPECT_NE(dynamic_cast<LibusbTransport*>(transport.get()), nullptr);
        EXPECT_EQ(!warnings.str().empty(), c.warns) << (c.simulated ? c.simulated : "unset");
        if (c.warns) {
            EXPECT_NE(warnings.str().find("TUNBOX_SIMULATED_UNIT"), std::string::npos);
        }
    }
}

TEST(TransportChoice, FirmwareVersionText) {
    EXPECT_EQ(ParseFirmwareVersion("0"), std::uint8_t{0});
    EXPECT_EQ(ParseFirmwareVersion("255"), std::uint8_t{255});
    EXPECT_FALSE(ParseFirmwareVersion(" 104").has_value());
    EXPECT_FALSE(ParseFirmwareVersion("0x68").has_value());
}

} // namespace
} // namespace tunbox
