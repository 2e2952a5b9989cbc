#pragma once

#include "model/PageState.h"

namespace tunbox {

// Event boxes of the page "Режимы реле и выхода ОК", in page order (left column
// top to bottom, then right column). Object name: ReleEventPrefix(e) + output digit.
enum class ReleEvent {
    AlarmEvent = 0,   // "Тревога/пожар (разделы)"          byte 21
    BoxDamage = 1,    // "Вскрытие (разделы)"               not stored
    OnOffLine = 2,    // "Взятие по одному/Снятие по всем "  byte 26
    OnOffAllLine = 3, // "Взятие по всем/Снятие по одному"   byte 27
    ErrorFire = 4,    // "Неисправность (разделы)"          byte 23
    NoConnect = 5,    // "Неисправность РК (разделы)"        not stored
    ErrorPower = 6, // "Неисправ. питания (разделы)"       not stored, never enabled
    RadioChanBlck = 7, // "Блокирование РК (оборуд-е)"        byte 17
    DamageCD = 8,      // "Вскрытие (оборуд-е)"               byte 18
    SelfDamage = 9,    // "Собственное вскрытие"              byte 16
    NoLine = 10,       // "Неисп. линии связи (оборуд-е)"     byte 28
    PowerCD = 11,      // "Неисправ. питания (оборуд-е)"      byte 19
};
constexpr int ReleEventCount = EventCount;
// The page binds each output to partitions 1..16 (privrele<o><p>).
constexpr int PartitionCount = 16;

const char* ReleEventPrefix(ReleEvent event);

// The page "Режимы реле и выхода ОК" (ReleSettingsTabSh) as the window first
// shows it: mode entry 0 selected, no mode rule run yet (time lists empty),
// event boxes BoxDamage, NoConnect and ErrorPower disabled, inversion "Нет ".
PageState ReleInitialState();

} // namespace tunbox
