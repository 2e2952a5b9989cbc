#include "link/LinkInit.h"
#include "LinkFixture.h"
#include "link/CommandFrame.h"

namespace tunbox {
namespace {

struct IdentityCase {
    std::uint8_t version;
    int mode;
    int textId;
    const char* versionText;
};

class IdentityRules : public ::testing::TestWithParam<IdentityCase> {};

TEST_P(IdentityRules, FollowTheVersionBounds) {
    const IdentityCase& c = GetParam();
    const UnitIdentity identity = IdentifyUnit(c.version);
    EXPECT_EQ(identity.DeviceVersion, c.version);
    EXPECT_EQ(identity.DeviceMode, c.mode);
    EXPECT_EQ(identity.TypeTextId, c.textId);
    EXPECT_EQ(FormatDeviceVersion(c.version), c.versionText);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, IdentityRules,
    ::testing::Values(IdentityCase{0, 1, 10006, "0_0"}, IdentityCase{9, 1, 10006, "0_9"},
                      IdentityCase{37, 1, 10006, "3_7"}, IdentityCase{39, 1, 10006, "3_9"},
                      IdentityCase{40, 2, 10072, "4_0"}, IdentityCase{45, 2, 10072, "4_5"},
                      IdentityCase{99, 2, 10072, "9_9"}, IdentityCase{100, 0, 10005, "10_0"},
                      IdentityCase{104, 0, 10005, "10_4"}, IdentityCase{255, 0, 10005, "25_5"}),
    [](const auto& info) { return "Version" + std::to_string(info.param.version); });

class OpenLinkTest : public test::LinkFixture {};

TEST_F(OpenLinkTest, IdentifiesTheUnitWithTheExactExchange) {
    UnitIdentity identity;
    ASSERT_EQ(OpenLink(transport, CmdLink, identity), OpenLinkResult::Ok);
    EXPECT_EQ(identity.DeviceVersion, 104);
    EXPECT_EQ(identity.DeviceMode, 0);
    EXPECT_EQ(identity.TypeTextId, 10005);

    const CommandFrame answer = BuildCommandFrame(CmdLink, 104, 0);
    std::vector<std::string> expected = {"FW", "FR"};
    for (const char* byte : {"55", "55", "a0", "aa", "00", "00", "02", "29"})
        expected.push_back(std::string("W ") + byte);
    expected.push_back("FW");
    for (std::uint8_t byte : answer)
        expected.push_back("R " + HexBytes({&byte, 1}));
    expected.insert(expected.end(), {"FR", "FW"});
    EXPECT_EQ(log, expected);
}

TEST_F(OpenLinkTest, PagesCommandIsSentFromTheOtherPages) {
    UnitIdentity identity;
    ASSERT_EQ(OpenLink(transport, CmdLinkPages, identity), OpenLinkResult::Ok);
    const auto writes = Only({"W "});
    ASSERT_EQ(writes.size(), 8u);
    EXPECT_EQ(writes[2], "W aa");
    EXPECT_EQ(writes[6], "W 01");
    EXPECT_EQ(writes[7], "W f1");
}

struct OpenFault {
    const char* what;
    void (*inject)(SimulatedFaults&);
    OpenLinkResult result;
};

class OpenLinkFaults : public test::LinkFixture, public ::testing::WithParamInterface<OpenFault> {};

TEST_P(OpenLinkFaults, GiveTheirResultAndKeepTheIdentity) {
    GetParam().inject(unit.Faults());
    UnitIdentity identity;
    identity.DeviceVersion = 55;
    identity.DeviceMode = -1;
    EXPECT_EQ(OpenLink(transport, CmdLink, identity), GetParam().result) << GetParam().what;
    EXPECT_EQ(identity.DeviceVersion, 55);
    EXPECT_EQ(identity.DeviceMode, -1);
    EXPECT_EQ(identity.TypeTextId, 0);
}

INSTANTIATE_TEST_SUITE_P(
    AtRealPositions, OpenLinkFaults,
    ::testing::Values(OpenFault{"first frame byte", [](SimulatedFaults& f) { f.failWriteCall = 1; },
                                OpenLinkResult::SendFailed},
                      OpenFault{"CRC high byte", [](SimulatedFaults& f) { f.failWriteCall = 8; },
                                OpenLinkResult::SendFailed},
                      OpenFault{"first answer byte", [](SimulatedFaults& f) { f.failReadCall = 1; },
                                OpenLinkResult::ReceiveFailed},
                      OpenFault{"last answer byte", [](SimulatedFaults& f) { f.failReadCall = 8; },
                                OpenLinkResult::ReceiveFailed},
                      OpenFault{"silent unit", [](SimulatedFaults& f) { f.silent = true; },
                                OpenLinkResult::ReceiveFailed},
                      OpenFault{"header 0xAA with matching CRC",
                                [](SimulatedFaults& f) { f.badHeader = true; },
                                OpenLinkResult::BadHeader},
                      OpenFault{"CRC bytes swapped", [](SimulatedFaults& f) { f.badCrc = true; },
                                OpenLinkResult::BadCrc}),
    test::NameFromWhat());

TEST_F(OpenLinkTest, FailedWriteStopsTheSendAtOnce) {
    unit.Faults().failWriteCall = 3;
    UnitIdentity identity;
    ASSERT_EQ(OpenLink(transport, CmdLink, identity), OpenLinkResult::SendFailed);
    EXPECT_EQ(log, (std::vector<std::string>{"FW", "FR", "W 55", "W 55", "W !"}));
}

TEST_F(OpenLinkTest, CloseLinkSendsTheBreakFrameAndReadsNothing) {
    EXPECT_TRUE(CloseLink(transport));
    EXPECT_EQ(log, (std::vector<std::string>{"FW", "FR", "W 55", "W 55", "W a0", "W 00", "W 00",
                                             "W 00", "W 22", "W 09", "FW"}));

    // The unit ignores the break and answers the next initialisation.
    UnitIdentity identity;
    EXPECT_EQ(OpenLink(transport, CmdLinkPages, identity), OpenLinkResult::Ok);
}

TEST_F(OpenLinkTest, CloseLinkReportsAFailedWrite) {
    unit.Faults().failWriteCall = 5;
    EXPECT_FALSE(CloseLink(transport));
    EXPECT_EQ(log,
              (std::vector<std::string>{"FW", "FR", "W 55", "W 55", "W a0", "W 00", "W !", "FW"}));
}

} // namespace
} // namespace tunbox
