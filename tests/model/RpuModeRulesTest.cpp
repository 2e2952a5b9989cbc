#include "model/RpuModeRules.h"

#include <gtest/gtest.h>

#include <set>

namespace tunbox {
namespace {

constexpr RpuEvent AllEvents[] = {
    RpuEvent::AlarmEventRPU, RpuEvent::ErrorFireRPU, RpuEvent::AhtungFireIIRPU,
    RpuEvent::OnOfLineRPU,   RpuEvent::OnAllLineRPU, RpuEvent::PowerCDRPU,
    RpuEvent::DamageIIRPU,   RpuEvent::NoLinkRPU,    RpuEvent::RadioChanBlckRPU,
    RpuEvent::ErrorPowerRPU, RpuEvent::BoxDamageRPU, RpuEvent::SelfDamageRPU,
};

// Every control differs from what a rule sets; sources alternate checked and are
// disabled, so the test sees the rule enable them and keep their checks.
PageState DirtyPage() {
    PageState page = RpuInitialState();
    for (OutputState& out : page.outputs) {
        for (CheckState& box : out.events)
            box = {true, true, box.visible};
        for (int n = 0; n < SourceCount; ++n)
            out.bindings[n] = {n % 2 == 0, false, true};
        out.List(OptionList::TimeRzmk) = {ListKind::Duration, 9, true};
        out.List(OptionList::TimeZmk) = {ListKind::OpenTime, 9, true};
        out.List(OptionList::TimePeriod) = {ListKind::CloseTime, 9, true};
        out.List(OptionList::InvRele) = {ListKind::Inversion, 1, true};
    }
    return page;
}

struct ModeRow {
    int mode;
    int output;
    int open;
    int close;
    int duration;
    bool durationEnabled;
    int inversion;
    bool editable;
    std::set<RpuEvent> enabledEvents;
};

const std::set<RpuEvent> SpecialEnabled = {
    RpuEvent::AlarmEventRPU,    RpuEvent::ErrorFireRPU,  RpuEvent::AhtungFireIIRPU,
    RpuEvent::PowerCDRPU,       RpuEvent::DamageIIRPU,   RpuEvent::NoLinkRPU,
    RpuEvent::RadioChanBlckRPU, RpuEvent::ErrorPowerRPU, RpuEvent::BoxDamageRPU,
    RpuEvent::SelfDamageRPU,
};

const ModeRow Rows[] = {
    {3, 1, 255, 0, 0, true, 1, false, {}},          {3, 2, 255, 0, 0, true, 1, false, {}},
    {3, 3, 255, 0, 24, true, 1, false, {}},         {4, 1, 255, 0, 0, false, 0, false, {}},
    {4, 3, 255, 0, 0, false, 0, false, {}},         {6, 1, 0, 0, 0, true, 0, true, SpecialEnabled},
    {6, 3, 0, 0, 0, true, 0, true, SpecialEnabled},
};

TEST(RpuModeRules, EachModeSetsListsEventsAndSources) {
    for (const ModeRow& row : Rows) {
        SCOPED_TRACE(testing::Message() << "mode " << row.mode << " output " << row.output);
        PageState page = DirtyPage();
        page.Output(row.output).mode = row.mode;
        const PageState before = page;
        ApplyRpuWorkMode(page, row.output);
        const OutputState& out = page.Output(row.output);

        EXPECT_EQ(out.List(OptionList::TimeRzmk),
                  (ListState{ListKind::OpenTime, row.open, row.editable}));
        EXPECT_EQ(out.List(OptionList::TimeZmk),
                  (ListState{ListKind::CloseTime, row.close, row.editable}));
        EXPECT_EQ(out.List(OptionList::TimePeriod),
                  (ListState{ListKind::Duration, row.duration, row.durationEnabled}));
        EXPECT_EQ(out.List(OptionList::InvRele),
                  (ListState{ListKind::Inversion, row.inversion, row.editable}));
        for (RpuEvent e : AllEvents) {
            EXPECT_EQ(out.Event(e).checked, e == RpuEvent::AlarmEventRPU) << RpuEventPrefix(e);
            EXPECT_EQ(out.Event(e).enabled, row.enabledEvents.count(e) == 1) << RpuEventPrefix(e);
            EXPECT_EQ(out.Event(e).visible, e != RpuEvent::SelfDamageRPU) << RpuEventPrefix(e);
        }
        for (int n = 0; n < SourceCount; ++n) {
            EXPECT_TRUE(out.bindings[n].enabled) << n + 1;
            EXPECT_EQ(out.bindings[n].checked, before.Output(row.output).bindings[n].checked)
                << n + 1;
        }
        for (int other = 1; other <= 3; ++other) {
            if (other != row.output) {
                EXPECT_EQ(page.Output(other), before.Output(other));
            }
        }
    }
}

TEST(RpuModeRules, ModesWithoutRuleAndNoCheckedButtonChangeNothing) {
    for (int mode : {-1, 0, 1, 2, 5}) {
        PageState page = DirtyPage();
        page.Output(2).mode = mode;
        const PageState before = page;
        ApplyRpuWorkMode(page, 2);
        EXPECT_EQ(page, before) << mode;
    }
}

TEST(RpuModeRules, RunningTwiceEqualsRunningOnce) {
    for (int mode : {3, 4, 6}) {
        PageState page = DirtyPage();
        page.Output(3).mode = mode;
        ApplyRpuWorkMode(page, 3);
        const PageState once = page;
        ApplyRpuWorkMode(page, 3);
        EXPECT_EQ(page, once) << mode;
    }
}

TEST(RpuModeRules, PageHelpersTouchOnlyTheirOutput) {
    PageState page = DirtyPage();
    const PageState before = page;
    SetBindingChecks(page, 2, true);
    EnableBindingChecks(page, 2, true);
    SetRpuEventChecks(page, 2, false);
    EnableRpuOutputOptions(page, 2, false);
    for (const CheckState& box : page.Output(2).bindings)
        EXPECT_EQ(box, (CheckState{true, true, true}));
    for (const CheckState& box : page.Output(2).events)
        EXPECT_FALSE(box.checked || box.enabled);
    for (const ListState& list : page.Output(2).lists)
        EXPECT_FALSE(list.enabled);
    EXPECT_EQ(page.Output(1), before.Output(1));
    EXPECT_EQ(page.Output(3), before.Output(3));
}

} // namespace
} // namespace tunbox
