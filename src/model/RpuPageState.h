#pragma once

#include "model/PageControls.h"
#include "model/SettingsLayout.h"

#include <array>

namespace tunbox {

// Event boxes of the autonomous receiver page, in page order (left column top to
// bottom, then right column). Object name: RpuEventPrefix(e) + output digit.
enum class RpuEvent {
    AlarmEventRPU = 0,    // "Тревога/пожар"                   byte 77
    ErrorFireRPU = 1,     // "Неисправность (пожар ИИ)"        byte 79
    AhtungFireIIRPU = 2,  // "Внимание (пожар ИИ)"             byte 80
    OnOfLineRPU = 3,      // "Взятие по одному из ШС/Снятие"   not stored
    OnAllLineRPU = 4,     // "Взятие по всем ШС/Снятие"        not stored
    PowerCDRPU = 5,       // "Неисправность питания ИИ"        byte 82
    DamageIIRPU = 6,      // "Вскрытие ИИ"                     byte 78
    NoLinkRPU = 7,        // "Нет связи с ИИ"                  byte 81
    RadioChanBlckRPU = 8, // "Блокирование РК"                 byte 74
    ErrorPowerRPU = 9,    // "Неисправность питания РПУ"       byte 76
    BoxDamageRPU = 10,    // "Вскрытие РПУ"                    byte 75
    SelfDamageRPU = 11,   // "Собств. вскрытие"                not stored, always hidden
};
constexpr int RpuEventCount = 12;
constexpr int SourceCount = 48;

const char* RpuEventPrefix(RpuEvent event);

// Whether mode button RadioButton<o><mode+1> can be clicked: only "Звуковой",
// "Тревога" and "Специальный" (modes 3, 4, 6) are offered on this page.
constexpr bool RpuModeButtonEnabled(int mode) { return mode == 3 || mode == 4 || mode == 6; }

// One output tab of the autonomous receiver page.
struct RpuOutputState {
    int mode = -1; // checked button RadioButton<o><mode+1>: 0..6, -1 for none
    std::array<CheckState, RpuEventCount> events{};
    std::array<ListState, OptionListCount> lists{};
    std::array<CheckState, SourceCount> sources{}; // privrelrpu<o><n>, n = index + 1

    CheckState& Event(RpuEvent e) { return events[static_cast<int>(e)]; }
    const CheckState& Event(RpuEvent e) const { return events[static_cast<int>(e)]; }
    ListState& List(OptionList l) { return lists[static_cast<int>(l)]; }
    const ListState& List(OptionList l) const { return lists[static_cast<int>(l)]; }

    bool operator==(const RpuOutputState&) const = default;
};

// The page "Режимы реле и выхода ОК (РПУ в автономном режиме)" (ReleSettingsTabRPU)
// as plain values. A default-constructed state is the page as the window first
// shows it: no mode button checked, time lists empty, ErrorFireRPU, PowerCDRPU,
// DamageIIRPU and SelfDamageRPU disabled, SelfDamageRPU hidden, inversion "Нет ".
struct RpuPageState {
    RpuPageState();

    std::array<RpuOutputState, OutputCount> outputs;

    // output is 1..3 (callers check the range with IsOutput).
    RpuOutputState& Output(int output) { return outputs[output - 1]; }
    const RpuOutputState& Output(int output) const { return outputs[output - 1]; }

    bool operator==(const RpuPageState&) const = default;
};

} // namespace tunbox
