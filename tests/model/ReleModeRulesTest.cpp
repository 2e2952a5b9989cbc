#include "model/ReleModeRules.h"

#include <gtest/gtest.h>

#include <set>

namespace tunbox {
namespace {

constexpr ReleEvent AllEvents[] = {
    ReleEvent::AlarmEvent, ReleEvent::BoxDamage,  ReleEvent::OnOffLine,  ReleEvent::OnOffAllLine,
    ReleEvent::ErrorFire,  ReleEvent::NoConnect,  ReleEvent::ErrorPower, ReleEvent::RadioChanBlck,
    ReleEvent::DamageCD,   ReleEvent::SelfDamage, ReleEvent::NoLine,     ReleEvent::PowerCD,
};

// A page whose every control differs from what any rule sets, so the test sees
// each value the rule writes (and what it leaves alone).
PageState DirtyPage() {
    PageState page = ReleInitialState();
    for (OutputState& out : page.outputs) {
        for (CheckState& box : out.events)
            box = {true, true, true};
        for (CheckState& box : out.bindings)
            box = {true, true, true};
        out.List(OptionList::TimeRzmk) = {ListKind::CloseTime, 7, true};
        out.List(OptionList::TimeZmk) = {ListKind::Duration, 7, true};
        out.List(OptionList::TimePeriod) = {ListKind::OpenTime, 7, true};
        out.List(OptionList::InvRele) = {ListKind::Inversion, 1, true};
    }
    return page;
}

struct ModeRow {
    int mode;
    int open;
    int close;
    ListKind durationKind;
    int duration;
    int inversion;
    bool editable; // options enabled (mode "Специальный")
    std::set<ReleEvent> checked;
};

const ModeRow Rows[] = {
    {0, 255, 0, ListKind::Duration, 0, 0, false, {ReleEvent::AlarmEvent, ReleEvent::OnOffAllLine}},
    {1, 1, 1, ListKind::Duration, 255, 0, false, {ReleEvent::AlarmEvent, ReleEvent::OnOffAllLine}},
    {2, 0, 255, ListKind::Duration, 0, 0, false, {ReleEvent::OnOffAllLine}},
    {3, 255, 0, ListKind::MinuteDuration, 0, 1, false, {ReleEvent::AlarmEvent}},
    {4, 255, 0, ListKind::Duration, 0, 0, false, {ReleEvent::AlarmEvent}},
    {5, 0, 20, ListKind::Duration, 0, 0, false, {ReleEvent::OnOffLine}},
    {6, 0, 0, ListKind::Duration, 0, 0, true, {}},
};

TEST(ReleModeRules, EachModeSetsListsEventsAndEnabledStates) {
    const UnitContext demo{true, -1, false};
    for (const ModeRow& row : Rows) {
        for (int o = 1; o <= 3; ++o) {
            SCOPED_TRACE(testing::Message() << "mode " << row.mode << " output " << o);
            PageState page = DirtyPage();
            page.Output(o).mode = row.mode;
            const PageState before = page;
            ApplyReleWorkMode(page, o, demo);
            const OutputState& out = page.Output(o);

            EXPECT_EQ(out.List(OptionList::TimeRzmk),
                      (ListState{ListKind::OpenTime, row.open, row.editable}));
            EXPECT_EQ(out.List(OptionList::TimeZmk),
                      (ListState{ListKind::CloseTime, row.close, row.editable}));
            // In mode "Звуковой" the minute list is editable here because of demo mode.
            EXPECT_EQ(out.List(OptionList::TimePeriod),
                      (ListState{row.durationKind, row.duration, row.editable || row.mode == 3}));
            EXPECT_EQ(out.List(OptionList::InvRele),
                      (ListState{ListKind::Inversion, row.inversion, row.editable}));

            for (ReleEvent e : AllEvents) {
                const CheckState& box = out.Event(e);
                if (e == ReleEvent::ErrorPower) {
                    EXPECT_EQ(box, before.Output(o).Event(e)) << "no rule touches ErrorPower";
                    continue;
                }
                EXPECT_EQ(box.checked, row.checked.count(e) == 1) << ReleEventPrefix(e);
                const bool editable =
                    row.editable && e != ReleEvent::BoxDamage && e != ReleEvent::NoConnect;
                EXPECT_EQ(box.enabled, editable) << ReleEventPrefix(e);
            }
            EXPECT_EQ(out.bindings, before.Output(o).bindings);
            for (int other = 1; other <= 3; ++other) {
                if (other != o) {
                    EXPECT_EQ(page.Output(other), before.Output(other));
                }
            }
        }
    }
}

TEST(ReleModeRules, MinuteDurationListEnablingConditions) {
    const struct {
        UnitContext context;
        bool selectable;
    } cases[] = {
        {{true, -1, false}, true},  // demo mode
        {{true, 2, false}, true},   // demo mode wins over the unit kind
        {{false, 0, true}, true},   // receiver/repeater firmware with RTR_rb checked
        {{false, 1, false}, true},  // relay-module firmware
        {{false, 0, false}, false}, // receiver firmware, RTR_rb not checked
        {{false, 2, true}, false},  // partner receiver
        {{false, -1, true}, false}, // no unit
        {{false, -1, false}, false},
    };
    for (const auto& c : cases) {
        PageState page = DirtyPage();
        page.Output(2).mode = 3;
        ApplyReleWorkMode(page, 2, c.context);
        const ListState expected{ListKind::MinuteDuration, c.selectable ? 0 : -1, c.selectable};
        EXPECT_EQ(page.Output(2).List(OptionList::TimePeriod), expected)
            << "demo " << c.context.demoMode << " device " << c.context.deviceMode << " rtr "
            << c.context.rtrChecked;
    }
}

TEST(ReleModeRules, RunningTwiceEqualsRunningOnce) {
    for (int mode = 0; mode <= 6; ++mode) {
        PageState page = DirtyPage();
        page.Output(1).mode = mode;
        ApplyReleWorkMode(page, 1, UnitContext{});
        const PageState once = page;
        ApplyReleWorkMode(page, 1, UnitContext{});
        EXPECT_EQ(page, once) << mode;
    }
}

TEST(ReleModeRules, NoModeOrUnknownOutputChangesNothing) {
    for (int mode : {-1, 7}) {
        PageState page = DirtyPage();
        page.Output(1).mode = mode;
        const PageState before = page;
        ApplyReleWorkMode(page, 1, UnitContext{true, 1, true});
        EXPECT_EQ(page, before) << mode;
    }
    PageState page = DirtyPage();
    const PageState before = page;
    for (int output : {0, 4}) {
        ApplyReleWorkMode(page, output, UnitContext{});
        EnableOutputOptions(page, output, false);
        SetEventChecks(page, output, false);
        SetBindingChecks(page, output, false);
    }
    EXPECT_EQ(page, before);
}

} // namespace
} // namespace tunbox
