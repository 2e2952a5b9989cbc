#include "model/RpuModeRules.h"

namespace tunbox {
namespace {

constexpr int ConstantCode = 255;
constexpr int TwoMinutesCode = 24;
constexpr int OkOutput = 3;

// Event boxes that mode "Специальный" leaves disabled.
constexpr RpuEvent SpecialDisabled[] = {RpuEvent::OnOfLineRPU, RpuEvent::OnAllLineRPU};

} // namespace

void EnableRpuOutputOptions(PageState& page, int output, bool enabled) {
    if (!IsOutput(output))
        return;
    OutputState& out = page.Output(output);
    for (CheckState& box : out.events)
        box.enabled = enabled;
    for (ListState& list : out.lists)
        list.enabled = enabled;
}

void SetRpuEventChecks(PageState& page, int output, bool checked) {
    if (!IsOutput(output))
        return;
    for (CheckState& box : page.Output(output).events)
        box.checked = checked;
}

void ApplyRpuWorkMode(PageState& page, int output) {
    if (!IsOutput(output))
        return;
    OutputState& out = page.Output(output);
    const int mode = out.mode;
    if (mode != ModeSound && mode != ModeAlarm && mode != ModeSpecial)
        return;

    EnableRpuOutputOptions(page, output, mode == ModeSpecial);
    SetRpuEventChecks(page, output, false);
    EnableBindingChecks(page, output, true);

    // Refilling a list drops its selection; every list is selected again below.
    ListState& open = out.List(OptionList::TimeRzmk);
    ListState& close = out.List(OptionList::TimeZmk);
    ListState& duration = out.List(OptionList::TimePeriod);
    ListState& inversion = out.List(OptionList::InvRele);
    open.kind = ListKind::OpenTime;
    close.kind = ListKind::CloseTime;
    duration.kind = ListKind::Duration;

    out.Event(RpuEvent::AlarmEventRPU).checked = true;
    switch (mode) {
    case ModeSound:
        open.index = ConstantCode;
        close.index = 0;
        duration.index = output == OkOutput ? TwoMinutesCode : 0;
        duration.enabled = true;
        inversion.index = 1;
        break;
    case ModeAlarm:
        open.index = ConstantCode;
        close.index = 0;
        duration.index = 0;
        inversion.index = 0;
        break;
    default: // ModeSpecial: everything editable but the two line events
        open.index = 0;
        close.index = 0;
        duration.index = 0;
        inversion.index = 0;
        for (RpuEvent e : SpecialDisabled)
            out.Event(e).enabled = false;
        break;
    }
}

} // namespace tunbox
