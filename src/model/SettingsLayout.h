#pragma once

#include <QtGlobal>

#include <array>

namespace tunbox {

// Geometry of the 256-byte settings block of the unit's three outputs.
//   bytes  0..44  ReleImage: the repeater / relay-module page (ReleRules)
//   bytes 45..48  not used
//   bytes 49..95  RpuImage: the autonomous receiver page (RpuRules)
//   bytes 96..255 not used
// In memory a block is one unsigned 32-bit cell per byte; the link sends the low
// byte of each cell, a settings file may hold any value, so unpacking range-checks
// every cell it applies.
constexpr int OutputCount = 3;
constexpr int ReleImageLength = 45;
constexpr int SettingsImageLength = 96;
constexpr int SettingsBlockLength = 256;

// Output numbers: 1 relay 1, 2 relay 2, 3 the open-collector output "ОК".
constexpr bool IsOutput(int output) {
    return output >= 1 && output <= OutputCount;
}

// Working modes of an output, numbered alike on both pages: 0 "ПЦН тревога",
// 1 "Контрольная лампа", 2 "Взят/снят", 3 "Звуковой", 4 "Тревога",
// 5 "Исполнительный", 6 "Специальный".
constexpr int ModeCount = 7;
constexpr int ModeSound = 3;
constexpr int ModeAlarm = 4;
constexpr int ModeSpecial = 6;

// Upper bounds of the range tests applied when a block is unpacked.
constexpr quint32 MaskMax = 7;   // output masks: one bit per output
constexpr quint32 ModeMax = 7;   // stored working modes
constexpr quint32 TimeMax = 255; // time codes

constexpr std::array<quint32, 8> BitWeights = {1, 2, 4, 8, 16, 32, 64, 128};

// Outcome of unpacking a block into a page.
enum class UnpackResult {
    Ok = 0,
    // A cell was outside its range; ProcessEnd::AbortOnBadData has been called
    // with it and unpacking stopped there (cells before it are applied).
    BadData = 1,
    // The block is shorter than the layout; nothing was changed.
    ShortBlock = 2,
};

} // namespace tunbox
