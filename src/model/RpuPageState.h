#pragma once

#include "model/PageState.h"

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
    SelfDamageRPU = 11, // "Собств. вскрытие"                not stored, always hidden
};
constexpr int RpuEventCount = EventCount;
// The page binds each output to information sources 1..48 (privrelrpu<o><n>).
constexpr int SourceCount = 48;

const char* RpuEventPrefix(RpuEvent event);

// Whether mode button RadioButton<o><mode+1> can be clicked: only "Звуковой",
// "Тревога" and "Специальный" (modes 3, 4, 6) are offered on this page.
constexpr bool RpuModeButtonEnabled(int mode) {
    return mode == ModeSound || mode == ModeAlarm || mode == ModeSpecial;
}

// The page "Режимы реле и выхода ОК (РПУ в автономном режиме)" (ReleSettingsTabRPU)
// as the window first shows it: no mode button checked, time lists empty,
// ErrorFireRPU, PowerCDRPU, DamageIIRPU and SelfDamageRPU disabled, SelfDamageRPU
// hidden, inversion "Нет ".
PageState RpuInitialState();

} // namespace tunbox
