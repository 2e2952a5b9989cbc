#pragma once

#include "link/SimulatedFaults.h"
#include "link/Transport.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string_view>

namespace tunbox {

// What TUNBOX_SIMULATED_UNIT asks for: "VERSION[,FAULT...]", the firmware
// version in decimal (0..255) followed by fault options separated by commas,
// each "name" or "name=value" as listed beside SimulatedFaults (for example
// "104,units=2" or "104,fail-read=40,bad-crc").
struct SimulatedUnitRequest {
    std::uint8_t version = 0;
    SimulatedFaults faults;
};

// The request in `text`. A malformed version gives nothing, with one line on
// `warnings`; a malformed or unknown fault option is left out, with one line
// on `warnings` for it.
std::optional<SimulatedUnitRequest> ParseSimulatedUnit(std::string_view text,
                                                       std::ostream& warnings);

// The transport the program talks to the unit through: a SimulatedUnit when
// the environment variable TUNBOX_SIMULATED_UNIT holds a request as above,
// otherwise the USB unit, looked for under the ids in TUNBOX_USB_IDS or the
// built-in table. A malformed value of either variable is reported on stderr.
// The simulated unit starts with plausible contents, its settings block
// beginning with `simulatedSettings` (the unit's factory settings).
std::unique_ptr<Transport> CreateTransport(std::span<const std::uint8_t> simulatedSettings);

// The same choice for given variable values (null when unset), warnings
// going to `warnings`.
std::unique_ptr<Transport> CreateTransport(const char* simulatedUnit, const char* usbIds,
                                           std::ostream& warnings,
                                           std::span<const std::uint8_t> simulatedSettings = {});

// A firmware version in decimal, 0..255; nothing for anything else.
std::optional<std::uint8_t> ParseFirmwareVersion(std::string_view text);

} // namespace tunbox
