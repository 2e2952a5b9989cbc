#include "model/FactoryDefaults.h"

namespace tunbox {
namespace {

std::array<quint32, SettingsImageLength> MakeDefaults() {
    std::array<quint32, SettingsImageLength> d{};
    for (int p = 0; p < 8; ++p)
        d[p] = 5; // partitions 1..8: relay 1 and the ОК output
    for (int p = 8; p < 16; ++p)
        d[p] = 6; // partitions 9..16: relay 2 and the ОК output
    d[21] = 7;    // "Тревога/пожар (разделы)": all outputs
    d[23] = 3;    // "Неисправность (разделы)": relays
    d[27] = 3;    // "Взятие по всем/Снятие по одному": relays
    d[28] = 3;    // "Неисп. линии связи (оборуд-е)": relays
    d[32] = 4;    // the ОК output inverted
    d[34] = 255;  // open time "пост." for each output
    d[37] = 255;
    d[40] = 255;
    d[42] = 7; // relay 1 "Специальный"
    d[43] = 7; // relay 2 "Специальный"
    d[44] = 4; // ОК output "Звуковой"
    return d;
}

} // namespace

const std::array<quint32, SettingsImageLength>& FactoryDefaults() {
    static const std::array<quint32, SettingsImageLength> defaults = MakeDefaults();
    return defaults;
}

} // namespace tunbox
