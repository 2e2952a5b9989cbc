#include "model/ReleImage.h"
#include "model/FactoryDefaults.h"
#include "model/ReleModeRules.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace tunbox {
namespace {

using Block = std::vector<quint32>;

// All outputs in mode "Специальный" with every option at 0: a valid block.
Block SpecialBlock() {
    Block b(SettingsImageLength, 0);
    b[42] = b[43] = b[44] = 7;
    return b;
}

Block With(Block b, std::initializer_list<std::pair<int, quint32>> cells) {
    for (const auto& [byte, value] : cells)
        b[byte] = value;
    return b;
}

Block Pack(const PageState& page) {
    Block out(SettingsImageLength, 0);
    EXPECT_TRUE(PackReleImage(page, out));
    return out;
}

TEST(ReleImageValidation, FirstFailingCellInTestOrderIsReported) {
    const quint32 minusOne = 0xFFFFFFFFu;
    const struct {
        const char* what;
        Block block;
        int byte;
        quint32 value;
    } cases[] = {
        {"partition mask", With(SpecialBlock(), {{5, 8}}), 5, 8},
        {"negative file value", With(SpecialBlock(), {{0, minusOne}}), 0, minusOne},
        {"mode of output 2", With(SpecialBlock(), {{43, 9}}), 43, 9},
        {"event mask", With(SpecialBlock(), {{16, 8}}), 16, 8},
        {"last event mask", With(SpecialBlock(), {{28, 8}}), 28, 8},
        {"inversion", With(SpecialBlock(), {{32, 8}}), 32, 8},
        {"time code", With(SpecialBlock(), {{33, 300}}), 33, 300},
        {"last time code", With(SpecialBlock(), {{41, 256}}), 41, 256},
        {"partitions before events", With(SpecialBlock(), {{16, 9}, {2, 8}}), 2, 8},
        {"partitions ascending", With(SpecialBlock(), {{15, 8}, {14, 9}}), 14, 9},
        {"modes before events", With(SpecialBlock(), {{16, 8}, {44, 8}}), 44, 8},
        {"partitions before modes", With(SpecialBlock(), {{42, 8}, {15, 8}}), 15, 8},
        {"events before inversion", With(SpecialBlock(), {{32, 8}, {28, 8}}), 28, 8},
        {"inversion before times", With(SpecialBlock(), {{33, 256}, {32, 8}}), 32, 8},
        {"times ascending", With(SpecialBlock(), {{41, 256}, {35, 256}, {34, 256}}), 34, 256},
    };
    for (const auto& c : cases) {
        PageState page = ReleInitialState();
        test::RecordingEnd end;
        EXPECT_EQ(UnpackReleImage(page, c.block, UnitContext{}, end), UnpackResult::BadData)
            << c.what;
        ASSERT_EQ(end.calls.size(), 1u) << c.what;
        EXPECT_EQ(end.calls[0].first, c.byte) << c.what;
        EXPECT_EQ(end.calls[0].second, c.value) << c.what;
    }
}

TEST(ReleImageValidation, UntestedBytesAcceptAnyValue) {
    Block b = SpecialBlock();
    for (int byte : {20, 22, 24, 25, 29, 30, 31, 45, 46, 47, 48, 49, 60, 95})
        b[byte] = 0xFFFFFFFFu;
    b[20] = 300;
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    EXPECT_EQ(UnpackReleImage(page, b, UnitContext{}, end), UnpackResult::Ok);
    EXPECT_TRUE(end.calls.empty());
}

TEST(ReleImageValidation, StopsAtTheFailingCellEvenWhenTheEndReturns) {
    // Output 1 is applied, output 2's mode fails: nothing after it may change.
    Block b = With(SpecialBlock(), {{0, 7}, {42, 4}, {43, 9}, {21, 7}, {32, 7}, {33, 5}});
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    EXPECT_EQ(UnpackReleImage(page, b, UnitContext{}, end), UnpackResult::BadData);
    EXPECT_EQ(end.calls.size(), 1u);
    for (int o = 1; o <= 3; ++o)
        EXPECT_TRUE(page.Output(o).bindings[0].checked) << o;
    EXPECT_EQ(page.Output(1).mode, 3);
    EXPECT_EQ(page.Output(1).List(OptionList::TimePeriod).kind, ListKind::MinuteDuration);
    EXPECT_EQ(page.Output(3).mode, ReleInitialState().Output(3).mode);
    EXPECT_FALSE(page.Output(2).Event(ReleEvent::AlarmEvent).checked);
    EXPECT_FALSE(page.Output(3).Event(ReleEvent::AlarmEvent).checked);
    EXPECT_EQ(page.Output(1).List(OptionList::InvRele).index, 1) << "set by the mode rule only";
    EXPECT_EQ(page.Output(2).List(OptionList::InvRele).index, 0);
    EXPECT_EQ(page.Output(1).List(OptionList::TimeZmk).index, 0);
}

TEST(ReleImageValidation, ShortBlockChangesNothing) {
    PageState page = ReleInitialState();
    page.Output(1).bindings[3].checked = true;
    const PageState before = page;
    test::RecordingEnd end;
    const Block b(ReleImageLength - 1, 0);
    EXPECT_EQ(UnpackReleImage(page, b, UnitContext{}, end), UnpackResult::ShortBlock);
    EXPECT_EQ(page, before);
    EXPECT_TRUE(end.calls.empty());
    Block out(ReleImageLength - 1, 0);
    EXPECT_FALSE(PackReleImage(page, out));
    EXPECT_EQ(out, Block(ReleImageLength - 1, 0));
}

TEST(ReleImage, EachMaskByteMapsToItsEventBox) {
    const struct {
        int byte;
        ReleEvent event;
    } cases[] = {
        {16, ReleEvent::SelfDamage}, {17, ReleEvent::RadioChanBlck}, {18, ReleEvent::DamageCD},
        {19, ReleEvent::PowerCD},    {21, ReleEvent::AlarmEvent},    {23, ReleEvent::ErrorFire},
        {26, ReleEvent::OnOffLine},  {27, ReleEvent::OnOffAllLine},  {28, ReleEvent::NoLine},
    };
    for (const auto& c : cases) {
        PageState page = ReleInitialState();
        test::RecordingEnd end;
        const Block b = With(SpecialBlock(), {{c.byte, 2}});
        ASSERT_EQ(UnpackReleImage(page, b, UnitContext{}, end), UnpackResult::Ok);
        for (int o = 1; o <= 3; ++o)
            for (int e = 0; e < ReleEventCount; ++e)
                EXPECT_EQ(page.Output(o).events[e].checked,
                          o == 2 && e == static_cast<int>(c.event))
                    << "byte " << c.byte << " output " << o << " event " << e;
        EXPECT_EQ(Pack(page), b) << c.byte;
    }
}

TEST(ReleImage, PartitionMaskBitsChooseOutputs) {
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    const Block b = With(SpecialBlock(), {{10, 5}});
    ASSERT_EQ(UnpackReleImage(page, b, UnitContext{}, end), UnpackResult::Ok);
    EXPECT_TRUE(page.Output(1).bindings[10].checked);
    EXPECT_FALSE(page.Output(2).bindings[10].checked);
    EXPECT_TRUE(page.Output(3).bindings[10].checked);
    int checked = 0;
    for (const OutputState& out : page.outputs)
        for (const CheckState& box : out.bindings)
            checked += box.checked;
    EXPECT_EQ(checked, 2);
    EXPECT_EQ(Pack(page), b);
}

TEST(ReleImage, ModeByteZeroLeavesNoModeAndPacksZero) {
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    const Block b = With(SpecialBlock(), {{42, 0}, {33, 5}, {34, 6}, {35, 7}});
    ASSERT_EQ(UnpackReleImage(page, b, UnitContext{true, 1, true}, end), UnpackResult::Ok);
    const OutputState& out = page.Output(1);
    EXPECT_EQ(out.mode, -1);
    for (ReleEvent e : {ReleEvent::AlarmEvent, ReleEvent::OnOffLine, ReleEvent::SelfDamage})
        EXPECT_FALSE(out.Event(e).enabled);
    // A fresh page's time lists are empty: no entry to select, so they pack as 0.
    for (const ListState& list : out.lists)
        EXPECT_FALSE(list.enabled);
    EXPECT_EQ(out.List(OptionList::TimeZmk), (ListState{ListKind::Empty, -1, false}));
    const Block packed = Pack(page);
    EXPECT_EQ(packed[42], 0u);
    EXPECT_EQ(packed[33], 0u);
    EXPECT_EQ(packed[34], 0u);
    EXPECT_EQ(packed[35], 0u);
}

TEST(ReleImage, SpecialModeEnablesOptions) {
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    ASSERT_EQ(UnpackReleImage(page, With(SpecialBlock(), {{43, 7}, {37, 255}}), UnitContext{}, end),
              UnpackResult::Ok);
    const OutputState& out = page.Output(2);
    EXPECT_TRUE(out.Event(ReleEvent::PowerCD).enabled);
    EXPECT_FALSE(out.Event(ReleEvent::BoxDamage).enabled);
    EXPECT_EQ(out.List(OptionList::TimeRzmk), (ListState{ListKind::OpenTime, 255, true}));
}

TEST(ReleImage, SoundModeDurationCodes) {
    const struct {
        quint32 code;
        int index;
        quint32 packed;
    } cases[] = {{0, 0, 10},  {3, 0, 10},      {10, 0, 10},
                 {11, 1, 11}, {254, 244, 254}, {255, 245, 255}};
    for (const auto& c : cases) {
        PageState page = ReleInitialState();
        test::RecordingEnd end;
        ASSERT_EQ(UnpackReleImage(page, With(SpecialBlock(), {{44, 4}, {41, c.code}}),
                                  UnitContext{}, end),
                  UnpackResult::Ok);
        EXPECT_EQ(page.Output(3).List(OptionList::TimePeriod).kind, ListKind::MinuteDuration);
        EXPECT_EQ(page.Output(3).List(OptionList::TimePeriod).index, c.index) << c.code;
        EXPECT_EQ(Pack(page)[41], c.packed) << c.code;
    }
}

TEST(ReleImage, MaskBitsNeverClearAPresetBox) {
    // Mode "ПЦН тревога" presets AlarmEvent and OnOffAllLine; bytes 21 and 27 are 0.
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    ASSERT_EQ(UnpackReleImage(page, With(SpecialBlock(), {{42, 1}}), UnitContext{}, end),
              UnpackResult::Ok);
    EXPECT_TRUE(page.Output(1).Event(ReleEvent::AlarmEvent).checked);
    EXPECT_TRUE(page.Output(1).Event(ReleEvent::OnOffAllLine).checked);
    const Block packed = Pack(page);
    EXPECT_EQ(packed[21], 1u);
    EXPECT_EQ(packed[27], 1u);
}

TEST(ReleImage, BoxesWithoutAByteAreNotStored) {
    PageState page = ReleInitialState();
    for (OutputState& out : page.outputs) {
        out.Event(ReleEvent::BoxDamage).checked = true;
        out.Event(ReleEvent::NoConnect).checked = true;
        out.mode = -1;
    }
    EXPECT_EQ(Pack(page), Block(SettingsImageLength, 0));
    test::RecordingEnd end;
    ASSERT_EQ(UnpackReleImage(page, SpecialBlock(), UnitContext{}, end), UnpackResult::Ok);
    for (const OutputState& out : page.outputs) {
        EXPECT_FALSE(out.Event(ReleEvent::BoxDamage).checked);
        EXPECT_FALSE(out.Event(ReleEvent::NoConnect).checked);
    }
}

TEST(ReleImage, PackLeavesUnusedBytesZero) {
    PageState page = ReleInitialState();
    for (OutputState& out : page.outputs) {
        for (CheckState& box : out.events)
            box.checked = true;
        for (CheckState& box : out.bindings)
            box.checked = true;
        out.mode = 6;
        out.List(OptionList::TimeRzmk) = {ListKind::OpenTime, 255, true};
        out.List(OptionList::InvRele).index = 1;
    }
    const Block packed = Pack(page);
    for (int byte : {20, 22, 24, 25, 29, 30, 31, 45, 46, 47, 48, 49, 95})
        EXPECT_EQ(packed[byte], 0u) << byte;
    EXPECT_EQ(packed[0], 7u);
    EXPECT_EQ(packed[16], 7u);
    EXPECT_EQ(packed[32], 7u);
    EXPECT_EQ(packed[44], 7u);
}

// Pages built by user acts survive pack then unpack on a fresh page.
TEST(ReleImage, RoundTripRestoresThePage) {
    const UnitContext demo{true, -1, false};
    for (int mode = 0; mode <= 6; ++mode) {
        PageState page = ReleInitialState();
        for (int o = 1; o <= 3; ++o) {
            OutputState& out = page.Output(o);
            out.mode = (mode + o) % 7;
            ApplyReleWorkMode(page, o, demo);
            for (int p = 0; p < PartitionCount; ++p)
                out.bindings[p].checked = (p + o + mode) % 3 == 0;
            if (out.mode == 6) {
                out.Event(ReleEvent::SelfDamage).checked = true;
                out.Event(ReleEvent::NoLine).checked = o != 2;
                out.List(OptionList::TimeRzmk).index = 17 * o;
                out.List(OptionList::TimeZmk).index = 200 + o;
                out.List(OptionList::TimePeriod).index = 255;
                out.List(OptionList::InvRele).index = 1;
            }
            if (out.mode == 3)
                out.List(OptionList::TimePeriod).index = 100 + o;
        }
        const Block packed = Pack(page);
        PageState again = ReleInitialState();
        test::RecordingEnd end;
        ASSERT_EQ(UnpackReleImage(again, packed, demo, end), UnpackResult::Ok);
        EXPECT_EQ(again, page) << mode;
        EXPECT_EQ(Pack(again), packed) << mode;
    }
}

TEST(ReleImage, FactoryDefaultsUnpackAndPackByteFortyOneAsTen) {
    PageState page = ReleInitialState();
    test::RecordingEnd end;
    ASSERT_EQ(UnpackReleImage(page, FactoryDefaults(), UnitContext{}, end), UnpackResult::Ok);
    EXPECT_TRUE(end.calls.empty());
    EXPECT_EQ(page.Output(1).mode, 6);
    EXPECT_EQ(page.Output(2).mode, 6);
    EXPECT_EQ(page.Output(3).mode, 3);
    // Without a unit the minute list of output 3 cannot be edited, but shows 10 мин.
    EXPECT_EQ(page.Output(3).List(OptionList::TimePeriod),
              (ListState{ListKind::MinuteDuration, 0, false}));

    Block expected(FactoryDefaults().begin(), FactoryDefaults().end());
    expected[41] = 10;
    EXPECT_EQ(Pack(page), expected);
}

} // namespace
} // namespace tunbox
