#pragma once

#include "link/Transport.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

namespace tunbox {

// The transport the program talks to the unit through: a SimulatedUnit when
// the environment variable TUNBOX_SIMULATED_UNIT holds a firmware version
// (0..255, for example 104), otherwise the USB unit, looked for under the ids
// in TUNBOX_USB_IDS or the built-in table. A malformed value of either
// variable is reported in one line on stderr and ignored.
std::unique_ptr<Transport> CreateTransport();

// The same choice for given variable values (null when unset), warnings
// going to `warnings`.
std::unique_ptr<Transport> CreateTransport(const char* simulatedUnit, const char* usbIds,
                                           std::ostream& warnings);

// A firmware version in decimal, 0..255; nothing for anything else.
std::optional<std::uint8_t> ParseFirmwareVersion(std::string_view text);

} // namespace tunbox
