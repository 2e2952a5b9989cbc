#include "model/RpuPageState.h"

namespace tunbox {

const char* RpuEventPrefix(RpuEvent event)
{
    switch (event) {
    case RpuEvent::AlarmEventRPU: return "AlarmEventRPU";
    case RpuEvent::ErrorFireRPU: return "ErrorFireRPU";
    case RpuEvent::AhtungFireIIRPU: return "AhtungFireIIRPU";
    case RpuEvent::OnOfLineRPU: return "OnOfLineRPU";
    case RpuEvent::OnAllLineRPU: return "OnAllLineRPU";
    case RpuEvent::PowerCDRPU: return "PowerCDRPU";
    case RpuEvent::DamageIIRPU: return "DamageIIRPU";
    case RpuEvent::NoLinkRPU: return "NoLinkRPU";
    case RpuEvent::RadioChanBlckRPU: return "RadioChanBlckRPU";
    case RpuEvent::ErrorPowerRPU: return "ErrorPowerRPU";
    case RpuEvent::BoxDamageRPU: return "BoxDamageRPU";
    case RpuEvent::SelfDamageRPU: return "SelfDamageRPU";
    }
    return "";
}

RpuPageState::RpuPageState()
{
    for (RpuOutputState& out : outputs) {
        out.mode = -1;
        out.Event(RpuEvent::ErrorFireRPU).enabled = false;
        out.Event(RpuEvent::PowerCDRPU).enabled = false;
        out.Event(RpuEvent::DamageIIRPU).enabled = false;
        out.Event(RpuEvent::SelfDamageRPU).enabled = false;
        out.Event(RpuEvent::SelfDamageRPU).visible = false;
        out.List(OptionList::InvRele) = {ListKind::Inversion, 0, true};
    }
}

} // namespace tunbox
