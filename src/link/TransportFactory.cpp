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

std::optional<SimulatedUnitRequest> ParseSimulatedUnit(std::string_view text,
                                                       std::ostream& warnings) {
    const auto comma = text.find(',');
    const auto version = ParseFirmwareVersion(text.substr(0, comma));
    if (!version) {
        warnings << "tunbox: ignoring TUNBOX_SIMULATED_UNIT=\"" << text
                 << "\" (expected a firmware version 0..255, then fault options); using USB\n";
        return std::nullopt;
    }
    SimulatedUnitRequest request{*version, {}};
    for (auto start = comma; start != std::string_view::npos;) {
        const auto end = text.find(',', start + 1);
        const std::string_view item = text.substr(start + 1, end - (start + 1));
        start = end;
        const auto equals = item.find('=');
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos)
            value = item.substr(equals + 1);
        const std::string problem = ApplyFaultOption(request.faults, item.substr(0, equals), value);
        if (!problem.empty())
            warnings << "tunbox: ignoring \"" << item << "\" in TUNBOX_SIMULATED_UNIT (" << problem
                     << ")\n";
    }
    return request;
}

std::unique_ptr<Transport> CreateTransport(const char* simulatedUnit, const char* usbIds,
                                           std::ostream& warnings,
                                           std::span<const std::uint8_t> simulatedSettings) {
    if (simulatedUnit != nullptr) {
        if (const auto request = ParseSimulatedUnit(simulatedUnit, warnings)) {
            auto unit = std::make_unique<SimulatedUnit>(request->version, simulatedSettings);
            unit->Faults() = request->faults;
            return unit;
        }
    }
    return std::make_unique<LibusbTransport>(UsbIdsFromEnvironment(usbIds, warnings));
}

std::unique_ptr<Transport> CreateTransport(std::span<const std::uint8_t> simulatedSettings) {
    return CreateTransport(std::getenv("TUNBOX_SIMULATED_UNIT"), std::getenv("TUNBOX_USB_IDS"),
                           std::cerr, simulatedSettings);
}

} // namespace tunbox
