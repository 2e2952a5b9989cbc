#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace tunbox {

// A USB vendor/product pair that identifies the unit.
struct UsbId {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool operator==(const UsbId&) const = default;
};

// The ids the program looks for when TUNBOX_USB_IDS is not set.
std::vector<UsbId> DefaultUsbIds();

// True while the built-in table holds only placeholder ids, which no unit
// reports.
bool DefaultUsbIdsArePlaceholders();

// Parses "vvvv:pppp[,vvvv:pppp...]" (hexadecimal, 1 to 4 digits each, blanks
// around items allowed). Nothing for an empty or malformed list.
std::optional<std::vector<UsbId>> ParseUsbIds(std::string_view text);

// The id list for `environmentValue` (the value of TUNBOX_USB_IDS, or null when
// unset): the parsed list when valid, otherwise the default table, with a
// one-line warning on `warnings` for a malformed value. When that leaves the
// placeholder table in use, one more line says how to set the unit's ids.
std::vector<UsbId> UsbIdsFromEnvironment(const char* environmentValue, std::ostream& warnings);

} // namespace tunbox
