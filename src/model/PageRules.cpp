#include "model/PageRules.h"

#include "model/ReleImage.h"
#include "model/ReleModeRules.h"
#include "model/RpuImage.h"
#include "model/RpuModeRules.h"

namespace tunbox {

namespace {

template <typename Event> constexpr unsigned Bit(Event event) {
    return 1u << static_cast<int>(event);
}

} // namespace

PageState InitialState(const PageRules& rules) {
    PageState page;
    for (OutputState& out : page.outputs) {
        out.mode = rules.initialMode;
        out.bindings.assign(static_cast<size_t>(rules.bindingCount), CheckState{});
        for (int e = 0; e < EventCount; ++e) {
            out.events[e].enabled = (rules.disabledEvents & (1u << e)) == 0;
            out.events[e].visible = (rules.hiddenEvents & (1u << e)) == 0;
        }
        out.List(OptionList::InvRele) = {ListKind::Inversion, 0, true};
    }
    return page;
}

const PageRules& ReleRules() {
    static const PageRules rules = {
        {"AlarmEvent", "BoxDamage", "OnOffLine", "OnOffAllLine", "ErrorFire", "NoConnect",
         "ErrorPower", "RadioChanBlck", "DamageCD", "SelfDamage", "NoLine", "PowerCD"},
        Bit(ReleEvent::BoxDamage) | Bit(ReleEvent::NoConnect) | Bit(ReleEvent::ErrorPower),
        0,
        0, // "ПЦН тревога"
        PartitionCount,
        [](int mode) { return mode >= 0 && mode < ModeCount; },
        &ApplyReleWorkMode,
        &UnpackReleImage,
        &PackReleImage,
    };
    return rules;
}

const PageRules& RpuRules() {
    static const PageRules rules = {
        {"AlarmEventRPU", "ErrorFireRPU", "AhtungFireIIRPU", "OnOfLineRPU", "OnAllLineRPU",
         "PowerCDRPU", "DamageIIRPU", "NoLinkRPU", "RadioChanBlckRPU", "ErrorPowerRPU",
         "BoxDamageRPU", "SelfDamageRPU"},
        Bit(RpuEvent::ErrorFireRPU) | Bit(RpuEvent::PowerCDRPU) | Bit(RpuEvent::DamageIIRPU) |
            Bit(RpuEvent::SelfDamageRPU),
        Bit(RpuEvent::SelfDamageRPU),
        -1,
        SourceCount,
        &RpuModeButtonEnabled,
        // This page's rules read nothing outside the page.
        [](PageState& page, int output, const UnitContext&) { ApplyRpuWorkMode(page, output); },
        [](PageState& page, std::span<const quint32> block, const UnitContext&, ProcessEnd& end) {
            return UnpackRpuImage(page, block, end);
        },
        &PackRpuImage,
    };
    return rules;
}

const char* ReleEventPrefix(ReleEvent event) {
    return ReleRules().eventPrefixes[static_cast<size_t>(event)];
}

PageState ReleInitialState() {
    return InitialState(ReleRules());
}

const char* RpuEventPrefix(RpuEvent event) {
    return RpuRules().eventPrefixes[static_cast<size_t>(event)];
}

PageState RpuInitialState() {
    return InitialState(RpuRules());
}

} // namespace tunbox
