#include "model/RpuImage.h"
#include "model/FactoryDefaults.h"
#include "model/RpuModeRules.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace tunbox {
namespace {

using Block = std::vector<quint32>;

// All outputs in mode "Тревога" (button 5) with every option at 0: a valid block.
Block AlarmBlock() {
    Block b(SettingsImageLength, 0);
    b[93] = b[94] = b[95] = 5;
    return b;
}

Block With(Block b, std::initializer_list<std::pair<int, quint32>> cells) {
    for (const auto& [byte, value] : cells)
        b[byte] = value;
    return b;
}

Block Pack(const PageState& page) {
    Block out(SettingsImageLength, 0);
    EXPECT_TRUE(PackRpuImage(page, out));
    return out;
}

UnpackResult Unpack(PageState& page, const Block& b) {
    test::RecordingEnd end;
    const UnpackResult result = UnpackRpuImage(page, b, end);
    EXPECT_TRUE(end.calls.empty());
    return result;
}

TEST(RpuImageValidation, FirstFailingCellInTestOrderIsReported) {
    const struct {
        const char* what;
        Block block;
        int byte;
        quint32 value;
    } cases[] = {
        {"binding above 0x77", With(AlarmBlock(), {{50, 0x78}}), 50, 120},
        {"last binding", With(AlarmBlock(), {{73, 0xFF}}), 73, 255},
        {"negative binding", With(AlarmBlock(), {{60, 0xFFFFFFFFu}}), 60, 0xFFFFFFFFu},
        {"mode", With(AlarmBlock(), {{94, 8}}), 94, 8},
        {"event mask", With(AlarmBlock(), {{74, 8}}), 74, 8},
        {"inversion", With(AlarmBlock(), {{83, 8}}), 83, 8},
        {"time code", With(AlarmBlock(), {{84, 256}}), 84, 256},
        {"last time code", With(AlarmBlock(), {{92, 300}}), 92, 300},
        {"bindings before modes", With(AlarmBlock(), {{95, 8}, {73, 0x78}}), 73, 0x78},
        {"modes before events", With(AlarmBlock(), {{74, 8}, {93, 8}}), 93, 8},
        {"modes ascending", With(AlarmBlock(), {{95, 9}, {94, 8}}), 94, 8},
        {"events ascending", With(AlarmBlock(), {{82, 8}, {77, 9}}), 77, 9},
        {"inversion before times", With(AlarmBlock(), {{84, 300}, {83, 8}}), 83, 8},
        {"times ascending", With(AlarmBlock(), {{90, 300}, {86, 256}}), 86, 256},
    };
    for (const auto& c : cases) {
        PageState page = RpuInitialState();
        test::RecordingEnd end;
        EXPECT_EQ(UnpackRpuImage(page, c.block, end), UnpackResult::BadData) << c.what;
        ASSERT_EQ(end.calls.size(), 1u) << c.what;
        EXPECT_EQ(end.calls[0].first, c.byte) << c.what;
        EXPECT_EQ(end.calls[0].second, c.value) << c.what;
    }
}

TEST(RpuImageValidation, BytesOutsideTheTestsAcceptAnyValue) {
    Block b = AlarmBlock();
    for (int byte : {0, 20, 44, 45, 46, 47, 48, 49})
        b[byte] = 0xFFFFFFFFu;
    PageState page = RpuInitialState();
    EXPECT_EQ(Unpack(page, b), UnpackResult::Ok);
}

TEST(RpuImageValidation, StopsAtTheFailingCellEvenWhenTheEndReturns) {
    // Output 1 gets its mode; output 2's mode fails, so output 3 and the events,
    // inversion and times are never applied.
    Block b =
        With(AlarmBlock(), {{50, 0x77}, {93, 7}, {94, 9}, {95, 4}, {75, 7}, {83, 7}, {84, 9}});
    PageState page = RpuInitialState();
    test::RecordingEnd end;
    EXPECT_EQ(UnpackRpuImage(page, b, end), UnpackResult::BadData);
    EXPECT_EQ(end.calls.size(), 1u);
    EXPECT_TRUE(page.Output(3).bindings[1].checked);
    EXPECT_EQ(page.Output(1).mode, 6);
    EXPECT_EQ(page.Output(3).mode, -1);
    EXPECT_FALSE(page.Output(1).Event(RpuEvent::BoxDamageRPU).checked);
    EXPECT_EQ(page.Output(1).List(OptionList::TimeZmk).index, 0);
    EXPECT_EQ(page.Output(2).List(OptionList::InvRele).index, 0);
}

TEST(RpuImageValidation, ShortBlockChangesNothing) {
    PageState page = RpuInitialState();
    const PageState before = page;
    test::RecordingEnd end;
    EXPECT_EQ(UnpackRpuImage(page, Block(SettingsImageLength - 1, 0), end),
              UnpackResult::ShortBlock);
    EXPECT_EQ(page, before);
    Block out(SettingsImageLength - 1, 0);
    EXPECT_FALSE(PackRpuImage(page, out));
    EXPECT_EQ(out, Block(SettingsImageLength - 1, 0));
}

TEST(RpuImage, BindingBytesSelectSourcesAndOutputs) {
    const struct {
        quint32 value;
        std::vector<std::pair<int, int>> checked; // (output, source) for byte 50
    } cases[] = {
        {0x77, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}},
        {0x11, {{1, 1}, {1, 2}}},
        {0x42, {{2, 1}, {3, 2}}},
        {0x08, {}},
        {0x0F, {{1, 1}, {2, 1}, {3, 1}}},
    };
    for (const auto& c : cases) {
        PageState page = RpuInitialState();
        ASSERT_EQ(Unpack(page, With(AlarmBlock(), {{50, c.value}})), UnpackResult::Ok) << c.value;
        for (int o = 1; o <= 3; ++o)
            for (int n = 1; n <= SourceCount; ++n) {
                const bool expected =
                    std::count(c.checked.begin(), c.checked.end(), std::make_pair(o, n)) == 1;
                EXPECT_EQ(page.Output(o).bindings[n - 1].checked, expected)
                    << "value " << c.value << " output " << o << " source " << n;
            }
    }
}

TEST(RpuImage, EachSourceBoxPacksToItsByteAndBit) {
    const struct {
        int output;
        int source;
        int byte;
        quint32 bit;
    } cases[] = {
        {1, 1, 50, 0x01},  {1, 2, 50, 0x10},  {2, 3, 51, 0x02},  {2, 4, 51, 0x20},
        {3, 47, 73, 0x04}, {3, 48, 73, 0x40}, {1, 25, 62, 0x01},
    };
    for (const auto& c : cases) {
        PageState page = RpuInitialState();
        page.Output(c.output).bindings[c.source - 1].checked = true;
        Block expected(SettingsImageLength, 0);
        expected[49] = 0x55;
        expected[c.byte] = c.bit;
        EXPECT_EQ(Pack(page), expected) << c.output << "/" << c.source;
        PageState again = RpuInitialState();
        ASSERT_EQ(Unpack(again, expected), UnpackResult::Ok);
        for (int o = 1; o <= 3; ++o)
            for (int n = 0; n < SourceCount; ++n)
                EXPECT_EQ(again.Output(o).bindings[n].checked, o == c.output && n == c.source - 1)
                    << o << "/" << n + 1;
    }
}

TEST(RpuImage, EachMaskByteMapsToItsEventBox) {
    const struct {
        int byte;
        RpuEvent event;
    } cases[] = {
        {74, RpuEvent::RadioChanBlckRPU}, {75, RpuEvent::BoxDamageRPU},
        {76, RpuEvent::ErrorPowerRPU},    {77, RpuEvent::AlarmEventRPU},
        {78, RpuEvent::DamageIIRPU},      {79, RpuEvent::ErrorFireRPU},
        {80, RpuEvent::AhtungFireIIRPU},  {81, RpuEvent::NoLinkRPU},
        {82, RpuEvent::PowerCDRPU},
    };
    for (const auto& c : cases) {
        PageState page = RpuInitialState();
        const Block b = With(Block(SettingsImageLength, 0), {{c.byte, 2}});
        ASSERT_EQ(Unpack(page, b), UnpackResult::Ok);
        for (int o = 1; o <= 3; ++o)
            for (int e = 0; e < RpuEventCount; ++e)
                EXPECT_EQ(page.Output(o).events[e].checked,
                          o == 2 && e == static_cast<int>(c.event))
                    << "byte " << c.byte << " output " << o << " event " << e;
        EXPECT_EQ(Pack(page), With(b, {{49, 0x55}})) << c.byte;
    }
}

TEST(RpuImage, SpecialModeAlwaysComesBackWithAlarmChecked) {
    PageState page = RpuInitialState();
    ASSERT_EQ(Unpack(page, With(AlarmBlock(), {{95, 7}, {77, 0}, {80, 4}})), UnpackResult::Ok);
    const OutputState& out = page.Output(3);
    EXPECT_EQ(out.mode, 6);
    EXPECT_TRUE(out.Event(RpuEvent::AlarmEventRPU).checked);
    EXPECT_TRUE(out.Event(RpuEvent::AhtungFireIIRPU).checked);
    EXPECT_TRUE(out.Event(RpuEvent::AhtungFireIIRPU).enabled);
    EXPECT_TRUE(out.List(OptionList::TimeRzmk).enabled);
    EXPECT_EQ(Pack(page)[77], 4u + 1 + 2) << "every output's rule presets its alarm box";
}

TEST(RpuImage, ModeZeroDisablesSourcesButKeepsTheirChecks) {
    PageState page = RpuInitialState();
    ASSERT_EQ(Unpack(page, With(AlarmBlock(), {{93, 0}, {50, 0x11}})), UnpackResult::Ok);
    const OutputState& out = page.Output(1);
    EXPECT_EQ(out.mode, -1);
    EXPECT_TRUE(out.bindings[0].checked);
    EXPECT_TRUE(out.bindings[1].checked);
    for (const CheckState& box : out.bindings)
        EXPECT_FALSE(box.enabled);
    EXPECT_TRUE(page.Output(2).bindings[0].enabled);
    const Block packed = Pack(page);
    EXPECT_EQ(packed[93], 0u);
    EXPECT_EQ(packed[50], 0x11u);
}

TEST(RpuImage, AllZeroLeavesNoModeAndPacksTheEmptyMark) {
    PageState page = RpuInitialState();
    ASSERT_EQ(Unpack(page, Block(SettingsImageLength, 0)), UnpackResult::Ok);
    for (const OutputState& out : page.outputs) {
        EXPECT_EQ(out.mode, -1);
        for (const CheckState& box : out.bindings)
            EXPECT_FALSE(box.enabled);
    }
    Block expected(SettingsImageLength, 0);
    expected[49] = 0x5A;
    EXPECT_EQ(Pack(page), expected);
}

TEST(RpuImage, MarkIsInUseForAnyStoredValue) {
    PageState modeOnly = RpuInitialState();
    modeOnly.Output(2).mode = 3;
    PageState inverted = RpuInitialState();
    inverted.Output(1).List(OptionList::InvRele).index = 1;
    PageState eventOnly = RpuInitialState();
    eventOnly.Output(3).Event(RpuEvent::NoLinkRPU).checked = true;
    PageState notStored = RpuInitialState();
    notStored.Output(3).Event(RpuEvent::OnOfLineRPU).checked = true;
    notStored.Output(3).Event(RpuEvent::SelfDamageRPU).checked = true;
    EXPECT_EQ(Pack(modeOnly)[49], 0x55u);
    EXPECT_EQ(Pack(inverted)[49], 0x55u);
    EXPECT_EQ(Pack(eventOnly)[49], 0x55u);
    EXPECT_EQ(Pack(notStored)[49], 0x5Au);
    for (int byte = 0; byte < 49; ++byte)
        EXPECT_EQ(Pack(modeOnly)[byte], 0u) << byte;
}

TEST(RpuImage, TimeCellsSelectIndexesWhereTheListHasThem) {
    PageState page = RpuInitialState();
    ASSERT_EQ(Unpack(page, With(AlarmBlock(), {{85, 255}, {84, 40}, {86, 254}})), UnpackResult::Ok);
    EXPECT_EQ(page.Output(1).List(OptionList::TimeRzmk).index, 255);
    EXPECT_EQ(page.Output(1).List(OptionList::TimeZmk).index, 40);
    EXPECT_EQ(page.Output(1).List(OptionList::TimePeriod).index, 254);
    const Block packed = Pack(page);
    EXPECT_EQ(packed[85], 255u);
    EXPECT_EQ(packed[84], 40u);

    // Mode "ПЦН тревога" has no rule: a fresh page's lists stay empty, nothing is selected.
    PageState noRule = RpuInitialState();
    ASSERT_EQ(Unpack(noRule, With(AlarmBlock(), {{94, 1}, {87, 30}})), UnpackResult::Ok);
    EXPECT_EQ(noRule.Output(2).mode, 0);
    EXPECT_EQ(noRule.Output(2).List(OptionList::TimeZmk), (ListState{ListKind::Empty, -1, false}));
    EXPECT_EQ(Pack(noRule)[87], 0u);
    EXPECT_EQ(Pack(noRule)[94], 1u);
}

// Pages built by user acts survive pack then unpack on a fresh page, except an
// unchecked AlarmEventRPU in mode "Специальный", which comes back checked.
TEST(RpuImage, RoundTripRestoresThePageWithOneException) {
    for (int variant = 0; variant < 3; ++variant) {
        PageState page = RpuInitialState();
        const int modes[] = {3, 4, 6};
        for (int o = 1; o <= 3; ++o) {
            OutputState& out = page.Output(o);
            out.mode = modes[(o + variant) % 3];
            ApplyRpuWorkMode(page, o);
            for (int n = 0; n < SourceCount; ++n)
                out.bindings[n].checked = (n * o + variant) % 5 == 0;
            out.List(OptionList::TimePeriod).index = 3 * o + variant;
            if (out.mode == 6) {
                out.Event(RpuEvent::ErrorFireRPU).checked = true;
                out.Event(RpuEvent::PowerCDRPU).checked = variant == 1;
                out.List(OptionList::TimeRzmk).index = 255;
                out.List(OptionList::TimeZmk).index = 100 + o;
                out.List(OptionList::InvRele).index = 1;
            }
        }
        const Block packed = Pack(page);
        PageState again = RpuInitialState();
        ASSERT_EQ(Unpack(again, packed), UnpackResult::Ok);
        EXPECT_EQ(again, page) << variant;

        // The exception: in mode "Специальный" an unchecked alarm box returns checked.
        for (int o = 1; o <= 3; ++o)
            if (page.Output(o).mode == 6) {
                page.Output(o).Event(RpuEvent::AlarmEventRPU).checked = false;
                PageState third = RpuInitialState();
                ASSERT_EQ(Unpack(third, Pack(page)), UnpackResult::Ok);
                EXPECT_TRUE(third.Output(o).Event(RpuEvent::AlarmEventRPU).checked);
                third.Output(o).Event(RpuEvent::AlarmEventRPU).checked = false;
                EXPECT_EQ(third, page) << variant;
            }
    }
}

TEST(RpuImage, FactoryDefaultsLeaveNoModeSelected) {
    PageState page = RpuInitialState();
    page.Output(1).mode = 4;
    ASSERT_EQ(Unpack(page, Block(FactoryDefaults().begin(), FactoryDefaults().end())),
              UnpackResult::Ok);
    for (const OutputState& out : page.outputs)
        EXPECT_EQ(out.mode, -1);
    Block expected(SettingsImageLength, 0);
    expected[49] = 0x5A;
    EXPECT_EQ(Pack(page), expected);
}

} // namespace
} // namespace tunbox
