#include "model/RtrPageState.h"

namespace tunbox {

const char* RtrEventPrefix(RtrEvent event)
{
    switch (event) {
    case RtrEvent::AlarmEvent: return "AlarmEvent";
    case RtrEvent::BoxDamage: return "BoxDamage";
    case RtrEvent::OnOffLine: return "OnOffLine";
    case RtrEvent::OnOffAllLine: return "OnOffAllLine";
    case RtrEvent::ErrorFire: return "ErrorFire";
    case RtrEvent::NoConnect: return "NoConnect";
    case RtrEvent::ErrorPower: return "ErrorPower";
    case RtrEvent::RadioChanBlck: return "RadioChanBlck";
    case RtrEvent::DamageCD: return "DamageCD";
    case RtrEvent::SelfDamage: return "SelfDamage";
    case RtrEvent::NoLine: return "NoLine";
    case RtrEvent::PowerCD: return "PowerCD";
    }
    return "";
}

RtrPageState::RtrPageState()
{
    for (RtrOutputState& out : outputs) {
        out.mode = 0;
        out.Event(RtrEvent::BoxDamage).enabled = false;
        out.Event(RtrEvent::NoConnect).enabled = false;
        out.Event(RtrEvent::ErrorPower).enabled = false;
        out.List(OptionList::InvRele) = {ListKind::Inversion, 0, true};
    }
}

} // namespace tunbox
