#pragma once

#include <cstdint>
#include <string>

namespace tunbox {

// Kinds of unit, told apart by the firmware version alone.
inline constexpr int DeviceModeNone = -1;
inline constexpr int DeviceModeReceiver = 0;    // receiver/repeater firmware (RPU/RTR)
inline constexpr int DeviceModeRelayModule = 1; // relay and notification module (MRO)
inline constexpr int DeviceModePartner = 2;     // the partner brand's receiver

// From this firmware version a receiver/repeater unit offers the repeater mode
// and the output settings pages (version text 10_4).
inline constexpr std::uint8_t SettingsPagesVersion = 104;

// Who answered the last successful link initialisation.
struct UnitIdentity {
    std::uint8_t DeviceVersion = 0;
    int DeviceMode = DeviceModeNone;
    // Catalogue id of the unit's type text; 0 when no unit is known.
    int TypeTextId = 0;
};

// Kind and type text for a firmware version: below 40 relay module (10006),
// 40..99 partner brand (10072), 100 and above receiver/repeater (10005).
UnitIdentity IdentifyUnit(std::uint8_t version);

// "v div 10" + "_" + "v mod 10": 104 gives "10_4", 9 gives "0_9".
std::string FormatDeviceVersion(unsigned version);

} // namespace tunbox
