#include "link/TransportFactory.h"

#include "link/LibusbTransport.h"
#include "link/SimulatedUnit.h"
#include "link/UsbIds.h"

#include <charconv>
#include <cstdlib>
#include <iostream>

namespace tunbox {

std::optional<std::uint8_t> ParseFirmwareVersion(std::string_view text) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::unique_ptr<Transport> CreateTransport(const char* simulatedUnit, const char* usbIds,
                                           std::ostream& warnings) {
    if (simulatedUnit != nullptr) {
        if (const auto version = ParseFirmwareVersion(simulatedUnit))
            return std::make_unique<SimulatedUnit>(*version);
        warnings << "tunbox: ignoring TUNBOX_SIMULATED_UNIT=\"" << simulatedUnit
                 << "\" (expected a firmware version 0..255); using USB\n";
    }
    return std::make_unique<LibusbTransport>(UsbIdsFromEnvironment(usbIds, warnings));
}

std::unique_ptr<Transport> CreateTransport() {
    return CreateTransport(std::getenv("TUNBOX_SIMULATED_UNIT"), std::getenv("TUNBOX_USB_IDS"),
                           std::cerr);
}

} // namespace tunbox
