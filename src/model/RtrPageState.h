#pragma once

#include "model/PageControls.h"
#include "model/SettingsLayout.h"

#include <array>

namespace tunbox {

// Event boxes of the page "Режимы реле и выхода ОК", in page order (left column
// top to bottom, then right column). Object name: RtrEventPrefix(e) + output digit.
enum class RtrEvent {
    AlarmEvent = 0,    // "Тревога/пожар (разделы)"          byte 21
    BoxDamage = 1,     // "Вскрытие (разделы)"               not stored
    OnOffLine = 2,     // "Взятие по одному/Снятие по всем "  byte 26
    OnOffAllLine = 3,  // "Взятие по всем/Снятие по одному"   byte 27
    ErrorFire = 4,     // "Неисправность (разделы)"          byte 23
    NoConnect = 5,     // "Неисправность РК (разделы)"        not stored
    ErrorPower = 6,    // "Неисправ. питания (разделы)"       not stored, never enabled
    RadioChanBlck = 7, // "Блокирование РК (оборуд-е)"        byte 17
    DamageCD = 8,      // "Вскрытие (оборуд-е)"               byte 18
    SelfDamage = 9,    // "Собственное вскрытие"              byte 16
    NoLine = 10,       // "Неисп. линии связи (оборуд-е)"     byte 28
    PowerCD = 11,      // "Неисправ. питания (оборуд-е)"      byte 19
};
constexpr int RtrEventCount = 12;
constexpr int PartitionCount = 16;

const char* RtrEventPrefix(RtrEvent event);

// One output tab of the repeater / relay-module page.
struct RtrOutputState {
    int mode = 0; // selected entry of ReleWorkMode<o>: 0..6, -1 for none
    std::array<CheckState, RtrEventCount> events{};
    std::array<ListState, OptionListCount> lists{};
    std::array<CheckState, PartitionCount> partitions{}; // privrele<o><p>, p = index + 1

    CheckState& Event(RtrEvent e) { return events[static_cast<int>(e)]; }
    const CheckState& Event(RtrEvent e) const { return events[static_cast<int>(e)]; }
    ListState& List(OptionList l) { return lists[static_cast<int>(l)]; }
    const ListState& List(OptionList l) const { return lists[static_cast<int>(l)]; }

    bool operator==(const RtrOutputState&) const = default;
};

// The page "Режимы реле и выхода ОК" (ReleSettingsTabSh) as plain values.
// A default-constructed state is the page as the window first shows it: mode
// entry 0 selected, no mode rule run yet (time lists empty), event boxes
// BoxDamage, NoConnect and ErrorPower disabled, inversion "Нет ".
struct RtrPageState {
    RtrPageState();

    std::array<RtrOutputState, OutputCount> outputs;

    // output is 1..3 (callers check the range with IsOutput).
    RtrOutputState& Output(int output) { return outputs[output - 1]; }
    const RtrOutputState& Output(int output) const { return outputs[output - 1]; }

    bool operator==(const RtrPageState&) const = default;
};

} // namespace tunbox
