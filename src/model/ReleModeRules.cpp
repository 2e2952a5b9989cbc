#include "model/ReleModeRules.h"

namespace tunbox {
namespace {

// The eleven event boxes the mode rules switch (ErrorPower is never touched).
constexpr ReleEvent RuledEvents[] = {
    ReleEvent::AlarmEvent, ReleEvent::BoxDamage, ReleEvent::OnOffLine,     ReleEvent::OnOffAllLine,
    ReleEvent::ErrorFire,  ReleEvent::NoConnect, ReleEvent::RadioChanBlck, ReleEvent::DamageCD,
    ReleEvent::SelfDamage, ReleEvent::NoLine,    ReleEvent::PowerCD,
};

constexpr int NoneCode = 0;
constexpr int ConstantCode = 255;
constexpr int HalfSecondCode = 1;
constexpr int TenSecondsCode = 20;

// Selections of one mode: open, close and duration index, inversion index, and
// which event boxes the mode checks. Modes 3 and 6 get extra treatment below.
struct ModeRow {
    int open;
    int close;
    int duration;
    int inversion;
    bool alarm;
    bool onOffLine;
    bool onOffAllLine;
};

constexpr ModeRow ModeTable[] = {
    {ConstantCode, NoneCode, NoneCode, 0, true, false, true}, // 0 "ПЦН тревога"
    {HalfSecondCode, HalfSecondCode, ConstantCode, 0, true, false, true}, // 1 "Контрольная лампа"
    {NoneCode, ConstantCode, NoneCode, 0, false, false, true},   // 2 "Взят/снят"
    {ConstantCode, NoneCode, -1, 1, true, false, false},         // 3 "Звуковой"
    {ConstantCode, NoneCode, NoneCode, 0, true, false, false},   // 4 "Тревога"
    {NoneCode, TenSecondsCode, NoneCode, 0, false, true, false}, // 5 "Исполнительный"
    {NoneCode, NoneCode, NoneCode, 0, false, false, false},      // 6 "Специальный"
};

bool MinuteListSelectable(const UnitContext& c) {
    return c.demoMode || (c.deviceMode == 0 && c.rtrChecked) || c.deviceMode == 1;
}

} // namespace

void EnableOutputOptions(PageState& page, int output, bool enabled) {
    if (!IsOutput(output))
        return;
    OutputState& out = page.Output(output);
    for (ReleEvent e : RuledEvents)
        out.Event(e).enabled = enabled;
    for (ListState& list : out.lists)
        list.enabled = enabled;
}

void SetEventChecks(PageState& page, int output, bool checked) {
    if (!IsOutput(output))
        return;
    for (ReleEvent e : RuledEvents)
        page.Output(output).Event(e).checked = checked;
}

void ApplyReleWorkMode(PageState& page, int output, const UnitContext& context) {
    if (!IsOutput(output))
        return;
    OutputState& out = page.Output(output);
    const int mode = out.mode;
    if (mode < 0 || mode > ModeSpecial)
        return;

    EnableOutputOptions(page, output, mode == ModeSpecial);
    SetEventChecks(page, output, false);

    // Refilling a list drops its selection; the table below selects again.
    const ModeRow& row = ModeTable[mode];
    ListState& open = out.List(OptionList::TimeRzmk);
    ListState& close = out.List(OptionList::TimeZmk);
    ListState& duration = out.List(OptionList::TimePeriod);
    open.kind = ListKind::OpenTime;
    open.index = row.open;
    close.kind = ListKind::CloseTime;
    close.index = row.close;
    out.List(OptionList::InvRele).index = row.inversion;

    if (mode == ModeSound) {
        duration.kind = ListKind::MinuteDuration;
        const bool selectable = MinuteListSelectable(context);
        duration.index = selectable ? 0 : -1;
        duration.enabled = selectable;
    } else {
        duration.kind = ListKind::Duration;
        duration.index = row.duration;
    }

    out.Event(ReleEvent::AlarmEvent).checked = row.alarm;
    out.Event(ReleEvent::OnOffLine).checked = row.onOffLine;
    out.Event(ReleEvent::OnOffAllLine).checked = row.onOffAllLine;

    if (mode == ModeSpecial) {
        out.Event(ReleEvent::BoxDamage).enabled = false;
        out.Event(ReleEvent::NoConnect).enabled = false;
    }
}

} // namespace tunbox
