#include "link/LibusbTransport.h"
#include "FakeUsbBus.h"
#include "link/BlockTransfer.h"
#include "link/CommandFrame.h"
#include "link/FirmwareUpload.h"
#include "link/LinkFixture.h"
#include "link/LinkInit.h"

#include <gtest/gtest.h>
#include <libusb.h>

#include <functional>

namespace tunbox::test {
namespace {

constexpr UsbId UnitId{0x1234, 0x5678};
constexpr std::uint8_t OutEndpoint = 0x01;
constexpr std::uint8_t InEndpoint = 0x82;

// Interface 0 with one bulk OUT and one bulk IN endpoint of `maxPacket` bytes.
std::vector<FakeInterfaceSetting> BulkPipes(std::uint16_t maxPacket = 64) {
    return {{0, 0, {{OutEndpoint, false, maxPacket}, {InEndpoint, false, maxPacket}}}};
}

std::vector<std::uint32_t> Pattern(std::size_t n, unsigned seed) {
    std::vector<std::uint32_t> data(n);
    for (std::size_t i = 0; i < n; ++i)
        data[i] = static_cast<std::uint32_t>((i * 7 + seed) % 256);
    return data;
}

// A synthetic firmware image of 10 + 64 * packets bytes for `version`.
std::vector<std::uint32_t> SyntheticImage(std::size_t packets, std::uint8_t version) {
    std::vector<std::uint32_t> image = Pattern(10 + 64 * packets, 5);
    const CommandFrame frame = BuildCommandFrame(CmdFirmware, version, 0);
    std::copy(frame.begin(), frame.end(), image.begin());
    return image;
}

class LibusbTransportTest : public ::testing::Test {
  protected:
    void SetUp() override { Bus().Reset(); }
    void TearDown() override {
        transport.reset();
        EXPECT_EQ(Bus().Leaks(), "") << "everything taken from libusb is given back";
        Bus().Reset();
    }

    static FakeUsbBus& Bus() { return FakeUsbBus::Instance(); }

    ScriptedUsbDevice& PlugUnit(std::vector<FakeInterfaceSetting> settings = BulkPipes()) {
        return Bus().Plug(UnitId, std::move(settings));
    }

    int Identify(std::uint8_t command = CmdLinkPages) {
        identity = {};
        return static_cast<int>(OpenLink(*transport, command, identity));
    }

    // Link initialisation, both block sizes each way, the link break and a
    // firmware upload, each checked for its result and its bytes.
    void RunEveryExchange(ScriptedUsbDevice& device) {
        ASSERT_EQ(Identify(CmdLink), 0);
        EXPECT_EQ(identity.DeviceVersion, 104);
        ASSERT_EQ(Identify(CmdLinkPages), 0);
        for (const auto& [count, address] : {std::pair{1, 7}, std::pair{7, 0}}) {
            const auto blocks = static_cast<std::uint8_t>(count);
            const auto at = static_cast<std::uint8_t>(address);
            const auto data = Pattern(256u * blocks, blocks);
            ASSERT_EQ(WriteBlocks(*transport, host, blocks, at, data), BlockResult::Ok) << count;
            std::vector<std::uint32_t> back;
            ASSERT_EQ(ReadBlocks(*transport, host, blocks, at, back), BlockResult::Ok) << count;
            EXPECT_EQ(back, data) << count;
        }
        EXPECT_TRUE(CloseLink(*transport));
        const auto image = SyntheticImage(5, 105);
        ASSERT_EQ(UploadFirmware(*transport, host, image, image.size()), UploadResult::Ok);
        EXPECT_EQ(std::vector<std::uint32_t>(device.Unit().LastFirmware().begin(),
                                             device.Unit().LastFirmware().end()),
                  image);
        ASSERT_EQ(Identify(CmdLink), 0);
        EXPECT_EQ(identity.DeviceVersion, 105) << "the unit reports its new firmware";
    }

    std::unique_ptr<LibusbTransport> transport =
        std::make_unique<LibusbTransport>(std::vector<UsbId>{UnitId});
    UnitIdentity identity;
    LinkEventLog log;
    TracingHost host{log};
};

// --- every exchange over the different shapes a unit's interface may have ---

struct InterfaceShape {
    const char* what;
    std::vector<FakeInterfaceSetting> settings;
    friend void PrintTo(const InterfaceShape& shape, std::ostream* out) { *out << shape.what; }
};

class InterfaceShapes : public LibusbTransportTest,
                        public ::testing::WithParamInterface<InterfaceShape> {};

TEST_P(InterfaceShapes, CarryEveryExchange) {
    ScriptedUsbDevice& device = PlugUnit(GetParam().settings);
    ASSERT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 1u);
    EXPECT_EQ(transport->OpenErrorText(), "");
    RunEveryExchange(device);
    transport->CloseUnit();
    transport->CloseUnit();
}

INSTANTIATE_TEST_SUITE_P(
    AsDescribed, InterfaceShapes,
    ::testing::Values(
        InterfaceShape{"bulk 64", BulkPipes(64)}, InterfaceShape{"bulk 8", BulkPipes(8)},
        InterfaceShape{"bulk 32", BulkPipes(32)}, InterfaceShape{"bulk 512", BulkPipes(512)},
        InterfaceShape{"interrupt", {{0, 0, {{InEndpoint, true, 64}, {OutEndpoint, true, 64}}}}},
        InterfaceShape{"pipes on the second interface",
                       {{0, 0, {{0x83, true, 8}}},
                        {1, 0, {{OutEndpoint, false, 64}, {InEndpoint, false, 64}}}}},
        InterfaceShape{"pipes in an alternate setting",
                       {{0, 0, {}}, {0, 1, {{OutEndpoint, false, 64}, {InEndpoint, false, 64}}}}}),
    NameFromWhat());

// --- faults on the bus: each gives the exchange's failure result, and the
// next exchange starts on a drained, working pipe ---

class BusFaults;

struct BusFault {
    const char* what;
    std::function<void(ScriptedUsbDevice&)> inject;
    std::function<int(BusFaults&)> exchange;
    int result;
    // The firmware the unit runs afterwards: a verdict lost on the way leaves
    // a unit that did take the upload.
    std::uint8_t versionAfter = 104;
    friend void PrintTo(const BusFault& fault, std::ostream* out) { *out << fault.what; }
};

class BusFaults : public LibusbTransportTest, public ::testing::WithParamInterface<BusFault> {
  public:
    int ReadSettings() {
        std::vector<std::uint32_t> data;
        return static_cast<int>(ReadBlocks(*transport, host, 1, 7, data));
    }
    int ReadRegistration() {
        std::vector<std::uint32_t> data;
        return static_cast<int>(ReadBlocks(*transport, host, 7, 0, data));
    }
    int WriteSettings() {
        return static_cast<int>(WriteBlocks(*transport, host, 1, 7, Pattern(256, 1)));
    }
    int IdentifyUnit() { return Identify(); }
    // 10 + 64 x 5 bytes: OUT transfers 1..8 the opening bytes, 9..13 the
    // packets, 14 and 15 the last two bytes.
    int Upload() {
        const auto image = SyntheticImage(5, 105);
        return static_cast<int>(UploadFirmware(*transport, host, image, image.size()));
    }
};

TEST_P(BusFaults, FailTheExchangeAndLeaveACleanStart) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    GetParam().inject(device);
    EXPECT_EQ(GetParam().exchange(*this), GetParam().result);
    EXPECT_FALSE(device.Halted(InEndpoint));
    EXPECT_FALSE(device.Halted(OutEndpoint));

    // The fault is over. The next exchange: a page change breaks the link and
    // initialises it.
    device.Unit().Faults() = {};
    EXPECT_TRUE(CloseLink(*transport));
    EXPECT_EQ(Identify(), 0);
    EXPECT_EQ(identity.DeviceVersion, GetParam().versionAfter);
    EXPECT_EQ(device.BytesWaiting(), 0u);
    EXPECT_EQ(ReadSettings(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    OnTheWire, BusFaults,
    ::testing::Values(
        // In a link initialisation the IN transfers are the flush, then the answer.
        BusFault{"stalled IN at the answer",
                 [](ScriptedUsbDevice& d) { d.StallAtTransfer(InEndpoint, 2); },
                 &BusFaults::IdentifyUnit, 2},
        BusFault{"stalled OUT at the command",
                 [](ScriptedUsbDevice& d) { d.StallAtTransfer(OutEndpoint, 1); },
                 &BusFaults::WriteSettings, 1},
        // Frame bytes are OUT transfers 1..8, the mark 9 and 10, packets 11..14.
        BusFault{"stalled OUT in the data stream",
                 [](ScriptedUsbDevice& d) { d.StallAtTransfer(OutEndpoint, 12); },
                 &BusFaults::WriteSettings, 4},
        BusFault{"stalled IN in the data stream",
                 [](ScriptedUsbDevice& d) { d.StallAtTransfer(InEndpoint, 3); },
                 &BusFaults::ReadRegistration, 2},
        BusFault{"answer cut short, the rest lost",
                 [](ScriptedUsbDevice& d) { d.CutNextPacket(5, false); }, &BusFaults::IdentifyUnit,
                 2},
        BusFault{"stream cut short, the rest lost",
                 [](ScriptedUsbDevice& d) { d.CutNextPacket(30, false); },
                 &BusFaults::ReadRegistration, 2},
        BusFault{
            "answer later than a read waits",
            [](ScriptedUsbDevice& d) { d.DelayNextAnswer(LibusbTransport::ReadTimeoutMs + 1); },
            &BusFaults::IdentifyUnit, 2},
        // The unit sends the whole stream; the exchange stops after the mark.
        BusFault{"stream with a bad mark",
                 [](ScriptedUsbDevice& d) { d.Unit().Faults().wrongMarkByte = 1; },
                 &BusFaults::ReadRegistration, 3},
        BusFault{"stream with a bad CRC",
                 [](ScriptedUsbDevice& d) { d.Unit().Faults().changedStreamByte = 3; },
                 &BusFaults::ReadSettings, 4},
        BusFault{"stalled OUT in an upload's packets",
                 [](ScriptedUsbDevice& d) { d.StallAtTransfer(OutEndpoint, 10); },
                 &BusFaults::Upload, 1},
        BusFault{"stalled IN at an upload's verdict",
                 [](ScriptedUsbDevice& d) { d.StallAtTransfer(InEndpoint, 1); }, &BusFaults::Upload,
                 3, 105},
        BusFault{
            "verdict later than the long bound",
            [](ScriptedUsbDevice& d) { d.DelayNextAnswer(LibusbTransport::VerdictTimeoutMs + 1); },
            &BusFaults::Upload, 3, 105},
        BusFault{"upload refused", [](ScriptedUsbDevice& d) { d.Unit().Faults().answerStatus = 1; },
                 &BusFaults::Upload, 2},
        // Not faults: what USB may do on a good exchange.
        BusFault{"answer in two pieces", [](ScriptedUsbDevice& d) { d.CutNextPacket(5, true); },
                 &BusFaults::IdentifyUnit, 0},
        BusFault{"zero-length packet after a full one",
                 [](ScriptedUsbDevice& d) { d.ZeroLengthAfterNextFullPacket(); },
                 &BusFaults::ReadRegistration, 0},
        BusFault{"bytes left from an earlier exchange",
                 [](ScriptedUsbDevice& d) { d.SendUnasked(std::vector<std::uint8_t>(150, 0x55)); },
                 &BusFaults::IdentifyUnit, 0}),
    NameFromWhat());

TEST_F(LibusbTransportTest, StallIsClearedRightAfterTheFailedTransfer) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    EXPECT_EQ(device.ClearHalts(InEndpoint), 1) << "cleared once after claiming";
    EXPECT_EQ(device.ClearHalts(OutEndpoint), 1);
    device.StallAtTransfer(InEndpoint, 2);
    EXPECT_EQ(Identify(), 2);
    EXPECT_EQ(device.ClearHalts(InEndpoint), 2);
    ASSERT_FALSE(device.Transfers().empty());
    EXPECT_EQ(device.Transfers().back().result, LIBUSB_ERROR_PIPE);
}

TEST_F(LibusbTransportTest, ZeroLengthPacketIsNoByte) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.ZeroLengthAfterNextFullPacket();
    std::vector<std::uint32_t> data;
    ASSERT_EQ(ReadBlocks(*transport, host, 1, 7, data), BlockResult::Ok);
    int zeroLength = 0;
    for (const TransferRecord& t : device.Transfers())
        zeroLength += t.endpoint == InEndpoint && t.result == LIBUSB_SUCCESS && t.transferred == 0;
    EXPECT_EQ(zeroLength, 1) << "the packet came, and the read went on past it";
}

TEST_F(LibusbTransportTest, FlushDrainsWhatTheUnitStillSends) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.SendUnasked(std::vector<std::uint8_t>(1000, 0xAA));
    transport->FlushReadPipe();
    EXPECT_EQ(device.BytesWaiting(), 0u);
    ASSERT_FALSE(device.Transfers().empty());
    EXPECT_EQ(device.Transfers().back().timeout, LibusbTransport::DrainTimeoutMs);
    EXPECT_EQ(device.Transfers().back().result, LIBUSB_ERROR_TIMEOUT) << "until nothing came";
}

TEST_F(LibusbTransportTest, FlushOfAUnitThatNeverStopsEnds) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.SendUnasked(std::vector<std::uint8_t>(200000, 0x11));
    const std::size_t before = device.Transfers().size();
    transport->FlushReadPipe();
    EXPECT_LE(device.Transfers().size() - before, 1024u);
    EXPECT_GT(device.BytesWaiting(), 0u);
}

// --- how long reads wait ---

TEST_F(LibusbTransportTest, OnlyVerdictReadsWaitTheLongBound) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.Unit().Faults().verdictDelayMs = 15000; // writing its memory takes the unit a while
    RunEveryExchange(device);

    // Each verdict read is the first IN transfer after the last packet of a
    // stream went out: one after each block write, one after the upload.
    std::vector<unsigned> inTimeouts;
    for (const TransferRecord& t : device.Transfers()) {
        if (t.endpoint == InEndpoint && t.timeout != LibusbTransport::DrainTimeoutMs)
            inTimeouts.push_back(t.timeout);
    }
    EXPECT_EQ(std::count(inTimeouts.begin(), inTimeouts.end(), LibusbTransport::VerdictTimeoutMs),
              3);
    EXPECT_EQ(std::count(inTimeouts.begin(), inTimeouts.end(), LibusbTransport::ReadTimeoutMs),
              static_cast<long>(inTimeouts.size()) - 3);
    for (const TransferRecord& t : device.Transfers()) {
        if (t.endpoint == OutEndpoint) {
            EXPECT_EQ(t.timeout, LibusbTransport::WriteTimeoutMs);
        }
    }
}

TEST_F(LibusbTransportTest, VerdictLaterThanTheLongBoundFails) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.DelayNextAnswer(LibusbTransport::VerdictTimeoutMs + 1);
    EXPECT_EQ(WriteBlocks(*transport, host, 1, 7, Pattern(256, 2)), BlockResult::AnswerFailed);
}

TEST_F(LibusbTransportTest, SlowestSimulatedVerdictFitsTheBound) {
    static_assert(MaxVerdictDelayMs < LibusbTransport::VerdictTimeoutMs);
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.Unit().Faults().verdictDelayMs = MaxVerdictDelayMs;
    const auto image = SyntheticImage(1024, 106);
    EXPECT_EQ(UploadFirmware(*transport, host, image, image.size()), UploadResult::Ok);
}

// --- finding and opening the unit ---

TEST_F(LibusbTransportTest, OtherDevicesAreNotUnits) {
    Bus().Plug({0x1111, 0x2222}, BulkPipes());
    EXPECT_FALSE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 0u);
    EXPECT_EQ(transport->OpenErrorText(), "");
    PlugUnit();
    EXPECT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 1u);
}

TEST_F(LibusbTransportTest, TwoUnitsDropThePipes) {
    PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    PlugUnit();
    EXPECT_FALSE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 2u);
    EXPECT_TRUE(Bus().handles.empty());
    EXPECT_EQ(Identify(), 1) << "no pipes";
}

TEST_F(LibusbTransportTest, PermissionErrorReachesOpenErrorText) {
    ScriptedUsbDevice& device = PlugUnit();
    device.openResult = LIBUSB_ERROR_ACCESS;
    EXPECT_TRUE(transport->OpenUnit()) << "the one unit was found";
    EXPECT_EQ(transport->DeviceCount(), 1u);
    EXPECT_EQ(transport->OpenErrorText(), "Access denied (insufficient permissions)");
    EXPECT_EQ(Identify(), 1);

    device.openResult = 0; // the udev rule is installed
    EXPECT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->OpenErrorText(), "");
    EXPECT_EQ(Identify(), 0);
}

TEST_F(LibusbTransportTest, KernelDriverIsDetachedWhileWeHoldTheUnit) {
    ScriptedUsbDevice& device = PlugUnit();
    device.kernelDriverAttached = true;
    ASSERT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->OpenErrorText(), "");
    EXPECT_FALSE(device.kernelDriverAttached);
    EXPECT_EQ(Identify(), 0);
    transport->CloseUnit();
    EXPECT_TRUE(device.kernelDriverAttached) << "given back on release";
}

TEST_F(LibusbTransportTest, KernelDriverThatCannotBeDetachedIsReported) {
    ScriptedUsbDevice& device = PlugUnit();
    device.kernelDriverAttached = true;
    device.canDetachKernelDriver = false;
    EXPECT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->OpenErrorText(), "Resource busy");
    EXPECT_EQ(Identify(), 1);
}

TEST_F(LibusbTransportTest, InterfaceWithoutBothPipesIsReported) {
    PlugUnit({{0, 0, {{InEndpoint, false, 64}, {0x83, true, 8}}}});
    EXPECT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->OpenErrorText(), "Entity not found");
    EXPECT_EQ(Identify(), 1);
}

TEST_F(LibusbTransportTest, FailuresOfLibusbItselfAreExplained) {
    PlugUnit();
    Bus().initResult = LIBUSB_ERROR_NO_MEM;
    EXPECT_FALSE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 0u);
    EXPECT_EQ(transport->OpenErrorText(), "cannot start USB access: Insufficient memory");

    Bus().initResult = 0;
    Bus().listResult = LIBUSB_ERROR_IO;
    EXPECT_FALSE(transport->OpenUnit()) << "started this time, but no list";
    EXPECT_EQ(transport->DeviceCount(), 0u);
    EXPECT_EQ(transport->OpenErrorText(), "cannot list the USB devices: Input/Output Error");

    Bus().listResult = 0;
    EXPECT_TRUE(transport->OpenUnit());
    EXPECT_EQ(transport->OpenErrorText(), "");
}

// --- the cable ---

TEST_F(LibusbTransportTest, NoUnitKeepsThePipesItHeld) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    device.PullCable();
    EXPECT_FALSE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 0u);
    EXPECT_EQ(Bus().handles.size(), 1u) << "kept, though its unit is gone";
    EXPECT_EQ(Identify(), 1);

    device.PlugIn();
    ASSERT_TRUE(transport->OpenUnit());
    EXPECT_EQ(Bus().handles.size(), 1u) << "the old pipes replaced, not added to";
    EXPECT_EQ(Identify(), 0);
}

TEST_F(LibusbTransportTest, CablePulledInATransferThenConnectAgain) {
    ScriptedUsbDevice& device = PlugUnit();
    ASSERT_TRUE(transport->OpenUnit());
    // Frame, mark and seven of the registration memory's 28 packets go out.
    device.PullCableAtTransfer(17);
    EXPECT_EQ(WriteBlocks(*transport, host, 7, 0, Pattern(1792, 3)),
              BlockResult::StreamWriteFailed);
    ASSERT_FALSE(device.Transfers().empty());
    EXPECT_EQ(device.Transfers().back().result, LIBUSB_ERROR_NO_DEVICE);
    EXPECT_FALSE(CloseLink(*transport));
    EXPECT_FALSE(transport->OpenUnit());
    EXPECT_EQ(transport->DeviceCount(), 0u);

    device.PlugIn();
    ASSERT_TRUE(transport->OpenUnit());
    RunEveryExchange(device);
}

} // namespace
} // namespace tunbox::test
