#include "link/UsbIds.h"

#include <charconv>

namespace tunbox {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<std::uint16_t> ParseHex16(std::string_view text) {
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    std::uint16_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

std::vector<UsbId> DefaultUsbIds() {
    // PLACEHOLDER: the unit's real vendor and product ids are not known to us.
    // Until they are, set TUNBOX_USB_IDS (for example "1234:5678") to the ids
    // the unit reports in `lsusb`; that list replaces this table. Keep
    // packaging/60-tunbox-rpu-klt.rules in step with this table.
    return {UsbId{0x0000, 0x0000}};
}

bool DefaultUsbIdsArePlaceholders() {
    for (const UsbId& id : DefaultUsbIds()) {
        if (id != UsbId{})
            return false;
    }
    return true;
}

std::optional<std::vector<UsbId>> ParseUsbIds(std::string_view text) {
    std::vector<UsbId> ids;
    while (true) {
        const auto comma = text.find(',');
        const std::string_view item = Trim(text.substr(0, comma));
        const auto colon = item.find(':');
        if (colon == std::string_view::npos)
            return std::nullopt;
        const auto vendor = ParseHex16(item.substr(0, colon));
        const auto product = ParseHex16(item.substr(colon + 1));
        if (!vendor || !product)
            return std::nullopt;
        ids.push_back(UsbId{*vendor, *product});
        if (comma == std::string_view::npos)
            return ids;
        text.remove_prefix(comma + 1);
    }
}

std::vector<UsbId> UsbIdsFromEnvironment(const char* environmentValue, std::ostream& warnings) {
    if (environmentValue != nullptr) {
        if (auto ids = ParseUsbIds(environmentValue))
            return *ids;
        warnings << "tunbox: ignoring TUNBOX_USB_IDS=\"" << environmentValue
                 << "\" (expected vvvv:pppp[,vvvv:pppp...] in hex); using the built-in ids\n";
    }
    // Without this line a user with a real unit would only ever see "no unit".
    if (DefaultUsbIdsArePlaceholders())
        warnings << "tunbox: the unit's USB ids are not built in; set TUNBOX_USB_IDS to the "
                    "vendor:product ids lsusb shows for the unit (for example "
                    "TUNBOX_USB_IDS=1234:5678), see the README\n";
    return DefaultUsbIds();
}

} // namespace tunbox
